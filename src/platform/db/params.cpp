#include "platform/db/params.h"

#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {

Params::Params(const std::vector<std::string>& names) {
  for (const std::string& name : names) Add(name);
}

Param* Params::FindParam(std::string_view name) {
  for (Param& p : items_)
    if (SameText(p.name, name)) return &p;
  return nullptr;
}

const Param* Params::FindParam(std::string_view name) const {
  return const_cast<Params*>(this)->FindParam(name);
}

Param& Params::ParamByName(std::string_view name) {
  Param* p = FindParam(name);
  if (p == nullptr)
    throw Error(ErrorCategory::NotFound, "parameter '" + std::string(name) + "' not found");
  return *p;
}

const Param& Params::ParamByName(std::string_view name) const {
  return const_cast<Params*>(this)->ParamByName(name);
}

Param& Params::Add(std::string name) {
  items_.push_back(Param{std::move(name), Value(), false});
  return items_.back();
}

void Params::AssignValues(const Params& other) {
  for (Param& p : items_)
    if (const Param* source = other.FindParam(p.name)) p.value = source->value;
}

}  // namespace veiculo::platform
