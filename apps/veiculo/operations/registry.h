#pragma once
// The host's operation registry: every public operation of the module that a
// user can reach through `veiculo call` and `veiculo run`, each with its name,
// its parameter list (names as the module declares them, types, directions)
// and an invoker that calls the module with the bound arguments.
//
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
};

struct Operation {
  std::string name;
  std::vector<ParamSpec> params;
  // The types the result may take: none for procedures, two for operations
  // that return one of two kinds.
  std::vector<ParamType> result;
  // Calls the module; returns std::monostate for procedures.
  std::function<TypedValue(CallContext&)> invoke;

  // The parameter of that name (ignoring letter case), or nullptr.
  const ParamSpec* FindParam(std::string_view param_name) const;
};

class Registry {
 public:
  // Throws veiculo::Error (validation) when the name is already registered,
  // or when a parameter name repeats.
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

// One line of `veiculo call --list`:
//   "LerVeiculo(pfEmpresa: integer, pfVeiculo: text, pfUtilizaFindKey: boolean): boolean"
// var and out parameters are prefixed by "var " or "out "; host-supplied ones
// are marked "(host)".
std::string Describe(const Operation& operation);

}  // namespace veiculo::cli
