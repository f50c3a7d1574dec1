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

#include "operations/define.h"
#include "veiculo/error.h"

namespace veiculo::cli {
namespace {

void PrepareVehicle(CallContext& c, int32_t empresa, int32_t revenda, const std::string& veiculo) {
  c.Module().LerParametro(empresa, revenda);
  if (veiculo.empty()) return;
  if (!c.Module().LerVeiculo(empresa, veiculo, true)) {
    throw Error(ErrorCategory::NotFound,
                "vehicle '" + veiculo + "' does not exist in company " + std::to_string(empresa));
  }
}

}  // namespace

void RegisterCostingOperations(Registry& r) {
  r.Add(Op("CalculaCusteio",
           "Evaluates a costing formula line by line for the rows sent; returns them with values")
            .CallsAfter([](CallContext& c, int32_t, int32_t e, int32_t revenda,
                           const std::string& v, auto&&...) { PrepareVehicle(c, e, revenda, v); },
                        &Module::CalculaCusteio, "pEmpresa", "pE", "pR",
                        Text("pV", "a vehicle code; empty evaluates from pcdsLocalCadastro"), "pF",
                        "pControleNovo", "pValor_PV", "pLucroHistorico", "pLucroPresente",
                        "pValorPresente", "pPercHistoricoPV", "pPercPresentePV", "pPercLucroBrutoP",
                        "pPercLucroBrutoH", "pPercMargemP", "pPercMargemH", "pPercPresente",
                        "pPercHistorico", "pCustoPresente", "pCustoHistorico", "pMargemP",
                        "pMargemH", "pLucroBrutoP", "pLucroBrutoH", "pcdsCusteio", "pcdsDatas",
                        "pcdsLocalCadastro"));
  r.Add(
      Op("CalculaBaseFinanceiro",
         "The financial base of a vehicle's formula; also sets the commission base and cash price")
          .CallsAfter([](CallContext& c, int32_t e, int32_t revenda, const std::string& v,
                         auto&&...) { PrepareVehicle(c, e, revenda, v); },
                      &Module::CalculaBaseFinanceiro, "pfEmpresa", "pfRevenda", "pfVeiculo",
                      "pfFormula", Date("pfDataProcessamento")));
}

}  // namespace veiculo::cli
