// The list of the host's operations: one registration function per
// subsystem, in the order `veiculo call --list` shows them.

#include "operations/registry.h"

namespace veiculo::cli {

const Registry& HostOperations() {
  static const Registry registry = [] {
    Registry r;
    RegisterFrameOperations(r);
    RegisterParameterOperations(r);
    RegisterValueSourceOperations(r);
    RegisterIncidenceOperations(r);
    RegisterCostingOperations(r);
    RegisterVehicleCostOperations(r);
    RegisterPricingOperations(r);
    RegisterBonusOperations(r);
    RegisterCalculationQueryOperations(r);
    RegisterStockListOperations(r);
    RegisterProposalOperations(r);
    RegisterApprovalOperations(r);
    RegisterFiBrasilOperations(r);
    // CRM staging
    RegisterSalesforceOperations(r);
    // F&I Brasil closing import.
    RegisterClosingOperations(r);
    // Proposal rejection and FI Manager.
    RegisterRejectionOperations(r);
    RegisterFiManagerOperations(r);
    RegisterHolderOperations(r);
    return r;
  }();
  return registry;
}

}  // namespace veiculo::cli
