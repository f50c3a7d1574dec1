// The calculation query: a vehicle's stored costing lines and the summary of
// its cost and profits for a sale value.
//
// The module fills the client's dataset, the data packet pfCDSFormula, which
// comes back in "out"; a packet the user gives is replaced by the call.

#include "operations/define.h"

namespace veiculo::cli {

void RegisterCalculationQueryOperations(Registry& r) {
  r.Add(Op("BuscaCalculoVeiculo",
           "A vehicle's stored costing lines and the summary of its cost and profits for a sale")
            .Calls(&Module::BuscaCalculoVeiculo, "pfConexao", "pfCDSFormula", "pfEmpresa",
                   "pfVeiculo", "pfValVenda"));
}

}  // namespace veiculo::cli
