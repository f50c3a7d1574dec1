#pragma once
// The host's operation registry: every public operation of the module that a
// user can reach through `veiculo call` and `veiculo run`, each with its name,
// a one-line purpose, whether it writes to the database, the value holders it
// reads, its parameter list (names as the module declares them, types,
// directions, text formats) and an invoker that calls the module with the
// bound arguments.
//
// Operations are declared with Op (operations/define.h), which deduces the
// parameter types from the function called and names each parameter once.
// Each subsystem registers its operations in a file of its own
// (frame_operations.cpp, parameter_operations.cpp, ...); all_operations.cpp
// lists the registration functions.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "operations/typed_value.h"

namespace veiculo::cli {

class CallContext;

struct ParamSpec {
  std::string name;
  ParamType type;
  Direction direction = Direction::In;
  // How a text is written ("S or N", "dd/mm/yyyy"); empty when any text goes.
  std::string format{};
};

struct Operation {
  std::string name;
  std::vector<ParamSpec> params;
  // The types the result may take: none for procedures, two for operations
  // that return one of two kinds.
  std::vector<ParamType> result;
  // Calls the module; returns std::monostate for procedures.
  std::function<TypedValue(CallContext&)> invoke;
  // What the operation does, in one line.
  std::string purpose{};
  // Whether it writes to the database: a false result of such an operation
  // means nothing it did may be kept.
  bool writes = false;
  // The value holders it reads besides its parameters (set them first with
  // their Set operations in a `veiculo run` script).
  std::vector<std::string> reads{};

  // The parameter of that name (ignoring letter case), or nullptr.
  const ParamSpec* FindParam(std::string_view param_name) const;
};

class Registry {
 public:
  // Throws veiculo::Error (validation) when the name is already registered,
  // a parameter name repeats, the purpose is missing or a holder read is not
  // one of the module's value holders.
  void Add(Operation operation);

  // The operation of exactly that name, or nullptr.
  const Operation* Find(std::string_view name) const;
  // Like Find; throws InputError (not found) naming the closest operations.
  const Operation& Get(std::string_view name) const;

  // In registration order.
  const std::vector<Operation>& Operations() const { return operations_; }

 private:
  std::vector<Operation> operations_;
};

// The registry of every operation the host offers, built on first use.
const Registry& HostOperations();

// The names of the module's value holders (with or without accessors).
const std::vector<std::string>& ValueHolderNames();

// Registration functions, one per subsystem (see all_operations.cpp).
void RegisterFrameOperations(Registry& registry);
void RegisterParameterOperations(Registry& registry);
void RegisterProposalOperations(Registry& registry);
void RegisterHolderOperations(Registry& registry);
void RegisterBonusOperations(Registry& registry);
void RegisterValueSourceOperations(Registry& registry);
void RegisterIncidenceOperations(Registry& registry);
void RegisterCalculationQueryOperations(Registry& registry);
void RegisterCostingOperations(Registry& registry);
void RegisterVehicleCostOperations(Registry& registry);
void RegisterFiBrasilOperations(Registry& registry);
void RegisterPricingOperations(Registry& registry);
void RegisterStockListOperations(Registry& registry);
// CRM staging
void RegisterSalesforceOperations(Registry& registry);
// F&I Brasil closing import.
void RegisterClosingOperations(Registry& registry);
// Proposal rejection and FI Manager.
void RegisterRejectionOperations(Registry& registry);
void RegisterFiManagerOperations(Registry& registry);
// The managerial approval.
void RegisterApprovalOperations(Registry& registry);

// One line of `veiculo call --list`:
//   "LerVeiculo(pfEmpresa: integer, pfVeiculo: text, pfUtilizaFindKey: boolean): boolean"
// var and out parameters are prefixed by "var " or "out "; host-supplied ones
// are marked "(host)".
std::string Describe(const Operation& operation);

// The help of one operation (`veiculo call OP --help`): its signature, purpose,
// whether it writes, the holders it reads, each parameter with its type and
// format, and an example command line.
std::string Help(const Operation& operation);

// The whole reference as Markdown (`veiculo call --list --markdown`).
std::string Markdown(const Registry& registry);

}  // namespace veiculo::cli
