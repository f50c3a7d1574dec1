// The costing evaluation: a formula evaluated line by line for the rows the
// caller sends (CalculaCusteio) and the financial base of a vehicle's formula
// (CalculaBaseFinanceiro).
//
// Both work on the vehicle and the dealer parameters the module holds. So
// that one `veiculo call` evaluates on its own, they first read the dealer
// parameters and, when a vehicle is named, the vehicle and its formula lines
// (kept when a script has read them already); an unknown vehicle is refused
// (not found). A local evaluation (pV empty) uses whatever formula lines a
// script has loaded. The three packets of CalculaCusteio are JSON data
// packets; the returned costing packet comes back as the result.

#include <string>
#include <vector>

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/error.h"

namespace veiculo::cli {
namespace {

using T = ParamType;
constexpr Direction kVar = Direction::Var;

void PrepareVehicle(CallContext& c, int32_t empresa, int32_t revenda, const std::string& veiculo) {
  c.Module().LerParametro(empresa, revenda);
  if (veiculo.empty()) return;
  if (!c.Module().LerVeiculo(empresa, veiculo, true)) {
    throw Error(ErrorCategory::NotFound,
                "vehicle '" + veiculo + "' does not exist in company " + std::to_string(empresa));
  }
}

// The var doubles of CalculaCusteio, in its parameter order.
const char* const kVariaveisCusteio[] = {
    "pControleNovo",    "pValor_PV",        "pLucroHistorico", "pLucroPresente",
    "pValorPresente",   "pPercHistoricoPV", "pPercPresentePV", "pPercLucroBrutoP",
    "pPercLucroBrutoH", "pPercMargemP",     "pPercMargemH",    "pPercPresente",
    "pPercHistorico",   "pCustoPresente",   "pCustoHistorico", "pMargemP",
    "pMargemH",         "pLucroBrutoP",     "pLucroBrutoH"};

std::vector<ParamSpec> CalculaCusteioParams() {
  std::vector<ParamSpec> params = {{"pEmpresa", T::Integer},
                                   {"pE", T::Integer},
                                   {"pR", T::Integer},
                                   {"pV", T::Text},
                                   {"pF", T::Text}};
  for (const char* name : kVariaveisCusteio) params.push_back({name, T::Double, kVar});
  params.push_back({"pcdsCusteio", T::DataPacket});
  params.push_back({"pcdsDatas", T::DataPacket});
  params.push_back({"pcdsLocalCadastro", T::DataPacket});
  return params;
}

}  // namespace

void RegisterCostingOperations(Registry& r) {
  r.Add(
      {"CalculaCusteio", CalculaCusteioParams(), {T::DataPacket}, [](CallContext& c) -> TypedValue {
         PrepareVehicle(c, c.Integer("pE"), c.Integer("pR"), c.Text("pV"));
         auto var = [&c](const char* name) -> double& { return c.Var<double>(name); };
         return c.Module().CalculaCusteio(
             c.Integer("pEmpresa"), c.Integer("pE"), c.Integer("pR"), c.Text("pV"), c.Text("pF"),
             var("pControleNovo"), var("pValor_PV"), var("pLucroHistorico"), var("pLucroPresente"),
             var("pValorPresente"), var("pPercHistoricoPV"), var("pPercPresentePV"),
             var("pPercLucroBrutoP"), var("pPercLucroBrutoH"), var("pPercMargemP"),
             var("pPercMargemH"), var("pPercPresente"), var("pPercHistorico"),
             var("pCustoPresente"), var("pCustoHistorico"), var("pMargemP"), var("pMargemH"),
             var("pLucroBrutoP"), var("pLucroBrutoH"), c.Packet("pcdsCusteio"),
             c.Packet("pcdsDatas"), c.Packet("pcdsLocalCadastro"));
       }});
  r.Add({"CalculaBaseFinanceiro",
         {{"pfEmpresa", T::Integer},
          {"pfRevenda", T::Integer},
          {"pfVeiculo", T::Text},
          {"pfFormula", T::Text},
          {"pfDataProcessamento", T::DateTime}},
         {T::Double},
         [](CallContext& c) -> TypedValue {
           PrepareVehicle(c, c.Integer("pfEmpresa"), c.Integer("pfRevenda"), c.Text("pfVeiculo"));
           return c.Module().CalculaBaseFinanceiro(c.Integer("pfEmpresa"), c.Integer("pfRevenda"),
                                                   c.Text("pfVeiculo"), c.Text("pfFormula"),
                                                   c.DateTime("pfDataProcessamento"));
         }});
}

}  // namespace veiculo::cli
