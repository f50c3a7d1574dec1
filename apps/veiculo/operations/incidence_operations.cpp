// The incidence resolution of costing-formula lines: a line's amount, its
// reference date and its variable percentage.
//
// A line is resolved for the vehicle it names, under its dealer's parameters,
// as the costing does: BuscaIncidencia first reads the dealer parameters and
// the vehicle, BuscaReferencia the vehicle (both kept when a script has read
// them already), so that one `veiculo call` resolves a line on its own; an
// unknown vehicle is refused (not found). The holders the lines draw on (sale
// value, financial base, ...) are set with their Set operations in a
// `veiculo run` script.

#include <string>

#include "operations/define.h"
#include "veiculo/error.h"

namespace veiculo::cli {
namespace {

// Makes the vehicle the module's current vehicle.
void ReadVehicle(CallContext& c, int32_t empresa, const std::string& veiculo) {
  if (!c.Module().LerVeiculo(empresa, veiculo, true))
    throw Error(ErrorCategory::NotFound,
                "vehicle '" + veiculo + "' does not exist in company " + std::to_string(empresa));
}

}  // namespace

void RegisterIncidenceOperations(Registry& r) {
  r.Add(Op("BuscaIncidencia",
           "The amount of one line of a vehicle's costing formula (its incidence times its %)")
            .Reads({"dPbValorVenda", "dPbValorAuxiliar", "Base_Financeiro", "PrecoAVista",
                    "dPvFreteVenda", "dPvValorSeguro", "dPvValorFixo", "iPvProposta",
                    "iPvNegociacao"})
            .Calls(
                [](CallContext& c, const std::string& veiculo, const std::string& formula,
                   int32_t empresa, int32_t revenda, int32_t linha, double percentual, double data,
                   bool aux, const std::string& tipo) {
                  c.Module().LerParametro(empresa, revenda);
                  ReadVehicle(c, empresa, veiculo);
                  return c.Module().BuscaIncidencia(veiculo, formula, empresa, revenda, linha,
                                                    percentual, data, aux, tipo);
                },
                "pfVeiculo", "pfFormula", "pfEmpresa", "pfRevenda", "pfLinha", "pfPercentual",
                Date("pfDataProcessamento"), "pfAux",
                Text("pfTipo", "$ to include the formula's base lines, else empty")));
  r.Add(Op("BuscaReferencia", "The reference date of a formula line for its present value")
            .Calls(
                [](CallContext& c, const std::string& veiculo, const std::string& formula,
                   int32_t empresa, int32_t linha, double data) {
                  ReadVehicle(c, empresa, veiculo);
                  return DateTimeValue{
                      c.Module().BuscaReferencia(veiculo, formula, empresa, linha, data)};
                },
                "pfVeiculo", "pfFormula", "pfEmpresa", "pfLinha", Date("pfDataProcessamento")));
  r.Add(Op("BuscaPercentualVariavel",
           "A formula line's percentage, or the one of its band for the profitability given")
            .Calls(&Module::BuscaPercentualVariavel, "pfEmpresa", "pfLinhaFormula", "pfFormula",
                   "pfPercHistorico", "pfPercPresente", "pfPercMargemP", "pfPercMargemH",
                   "pfPercLucroBrutoP", "pfPercLucroBrutoH", Out("pfEhVariavel")));
}

}  // namespace veiculo::cli
