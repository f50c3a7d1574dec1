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

const TypedValue& CallContext::Value(size_t index) const {
  if (index >= operation_.params.size())
    throw std::logic_error(operation_.name + ": no parameter " + std::to_string(index));
  auto found = arguments_.find(operation_.params[index].name);
  if (found == arguments_.end())
    throw std::logic_error(operation_.name + ": no bound argument " +
                           operation_.params[index].name);
  return found->second;
}

void CallContext::FailType(size_t index) const {
  throw std::logic_error(operation_.name + ": argument " + operation_.params[index].name +
                         " is not of the type its invoker reads");
}

}  // namespace veiculo::cli
