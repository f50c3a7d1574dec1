// The vehicle cost: a vehicle costed from its formula and stored, its
// accounting cost and the cost adjustments posted on it.
//
// CalculoCustoVeiculo binds the connection and reads the dealer and the
// vehicle itself. CalculaCustoContabil works on the formula lines the module
// holds, so the host first reads the dealer parameters and the vehicle (an
// unknown vehicle is refused, not found), as a costing would have; the
// percentages the lines hold then are the formula's own.

#include <string>

#include "operations/define.h"
#include "veiculo/error.h"

namespace veiculo::cli {

void RegisterVehicleCostOperations(Registry& r) {
  r.Add(Op("CalculoCustoVeiculo",
           "Costs a vehicle from its formula and stores its costing lines and costs; OK| when done")
            .Writes()
            .Calls(&Module::CalculoCustoVeiculo, "pfConexao",
                   Text("pfBancoDados", "INTERBASE, ORACLE or SQLSERVER"), "pfVeiculo",
                   Date("pfDataRef"), "pfEmpresa", "pfRevenda", "pfProposta", "pfNegociacao"));
  r.Add(Op("CalculaCustoContabil",
           "The accounting cost of a vehicle: its formula's accounting lines plus its adjustments")
            .CallsAfter(
                [](CallContext& c, int32_t empresa, int32_t revenda, const std::string& veiculo,
                   auto&&...) {
                  c.Module().LerParametro(empresa, revenda);
                  if (!c.Module().LerVeiculo(empresa, veiculo, true))
                    throw Error(ErrorCategory::NotFound, "vehicle '" + veiculo +
                                                             "' does not exist in company " +
                                                             std::to_string(empresa));
                },
                &Module::CalculaCustoContabil, "PEmpresa", "PRevenda", "PVeiculo", "PFormula",
                Date("PDataProcessamento"), "PTipo"));
  r.Add(Op("BuscaAjustes", "The cost adjustments posted on a vehicle up to a date")
            .Calls(&Module::BuscaAjustes, "pfVeiculo", Date("pfDataProcessamento")));
}

}  // namespace veiculo::cli
