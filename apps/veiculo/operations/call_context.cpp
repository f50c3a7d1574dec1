#include "operations/call_context.h"

#include <stdexcept>

namespace veiculo::cli {

CallContext::CallContext(TddmVeiculoCompartilhadoBD& module, Connection& connection,
                         const Operation& operation, Arguments arguments, ProgressSink progress)
    : module_(module),
      connection_(connection),
      operation_(operation),
      arguments_(std::move(arguments)),
      progress_(std::move(progress)) {}

std::vector<std::pair<std::string, TypedValue>> CallContext::Outputs() const {
  std::vector<std::pair<std::string, TypedValue>> outputs;
  for (const ParamSpec& param : operation_.params) {
    if (param.direction == Direction::In) continue;
    auto found = arguments_.find(param.name);
    outputs.emplace_back(param.name,
                         found != arguments_.end() ? found->second : ZeroValue(param.type));
  }
  return outputs;
}

const TypedValue& CallContext::Find(std::string_view name) const {
  auto found = arguments_.find(name);
  if (found == arguments_.end())
    throw std::logic_error(operation_.name + ": no bound argument " + std::string(name));
  return found->second;
}

void CallContext::FailType(std::string_view name) const {
  throw std::logic_error(operation_.name + ": argument " + std::string(name) +
                         " is not of the type its invoker reads");
}

}  // namespace veiculo::cli
