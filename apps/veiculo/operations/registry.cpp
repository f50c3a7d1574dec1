#include "operations/registry.h"

#include <algorithm>

#include "input_error.h"
#include "operations/closest_names.h"
#include "platform/text.h"

namespace veiculo::cli {

const ParamSpec* Operation::FindParam(std::string_view param_name) const {
  for (const ParamSpec& param : params)
    if (platform::SameText(param.name, param_name)) return &param;
  return nullptr;
}

const std::vector<std::string>& ValueHolderNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
#define HOLDER(type, field) list.emplace_back(#field);
#define HOLDER_NO_ACCESSORS(type, field) list.emplace_back(#field);
#include "veiculo/value_holders.inc"
#undef HOLDER
#undef HOLDER_NO_ACCESSORS
    list.emplace_back("rPbDeflacaoPagamento");
    return list;
  }();
  return names;
}

void Registry::Add(Operation operation) {
  if (Find(operation.name) != nullptr)
    throw Error(ErrorCategory::Validation, "operation " + operation.name + " registered twice");
  if (operation.purpose.empty())
    throw Error(ErrorCategory::Validation, "operation " + operation.name + " has no purpose");
  for (const std::string& holder : operation.reads) {
    const auto& known = ValueHolderNames();
    if (std::find(known.begin(), known.end(), holder) == known.end())
      throw Error(ErrorCategory::Validation,
                  "operation " + operation.name + " reads an unknown holder " + holder);
  }
  for (size_t i = 0; i < operation.params.size(); ++i)
    for (size_t j = 0; j < i; ++j)
      if (platform::SameText(operation.params[i].name, operation.params[j].name))
        throw Error(ErrorCategory::Validation, "operation " + operation.name +
                                                   " declares parameter " +
                                                   operation.params[i].name + " twice");
  operations_.push_back(std::move(operation));
}

const Operation* Registry::Find(std::string_view name) const {
  for (const Operation& operation : operations_)
    if (operation.name == name) return &operation;
  return nullptr;
}

const Operation& Registry::Get(std::string_view name) const {
  if (const Operation* operation = Find(name)) return *operation;
  std::vector<std::string> names;
  names.reserve(operations_.size());
  for (const Operation& operation : operations_) names.push_back(operation.name);
  const std::vector<std::string> closest = ClosestNames(name, names);
  std::string message = "unknown operation '" + std::string(name) + "'";
  if (closest.empty()) {
    message += "; `veiculo call --list` lists the operations";
  } else {
    message += "; did you mean ";
    for (size_t i = 0; i < closest.size(); ++i) message += (i ? ", " : "") + closest[i];
    message += "?";
  }
  throw InputError(ErrorCategory::NotFound, message);
}

std::string Describe(const Operation& operation) {
  std::string line = operation.name + "(";
  for (size_t i = 0; i < operation.params.size(); ++i) {
    const ParamSpec& param = operation.params[i];
    if (i) line += ", ";
    if (param.direction != Direction::In) line += std::string(ToString(param.direction)) + " ";
    line += param.name + ": " + ToString(param.type);
    if (SuppliedByHost(param.type)) line += " (host)";
  }
  line += "): ";
  if (operation.result.empty()) line += "none";
  for (size_t i = 0; i < operation.result.size(); ++i)
    line += std::string(i ? " | " : "") + ToString(operation.result[i]);
  return line;
}

}  // namespace veiculo::cli
