// The Get/Set accessors of the module's value holders, generated from the
// holder list the module's header is generated from, so that a holder added
// there is reachable from the host without another line here.

#include <type_traits>

#include "operations/define.h"

namespace veiculo::cli {
namespace {

// Stands for the holder list's DateTime: a double that the host shows as a date.
struct DateTimeHolder {};

template <class Declared, class Getter, class Setter>
void AddHolder(Registry& r, const char* get_name, const char* set_name, const char* holder,
               Getter get, Setter set) {
  const std::string name = holder;
  Op getter(get_name, "Reads the value holder " + name);
  Op setter(set_name, "Sets the value holder " + name + " for the calls that follow");
  getter.Reads({holder});
  if constexpr (std::is_same_v<Declared, DateTimeHolder>) {
    getter.Calls([get](CallContext& c) { return DateTimeValue{(c.Module().*get)()}; });
    setter.Calls(set, Date("value"));
  } else {
    getter.Calls(get);
    setter.Calls(set, "value");
  }
  r.Add(getter);
  r.Add(setter);
}

}  // namespace

void RegisterHolderOperations(Registry& r) {
  using DateTime = DateTimeHolder;
#define HOLDER(type, field) \
  AddHolder<type>(r, "Get" #field, "Set" #field, #field, &Module::Get##field, &Module::Set##field);
#define HOLDER_NO_ACCESSORS(type, field)
#include "veiculo/value_holders.inc"
#undef HOLDER
#undef HOLDER_NO_ACCESSORS
  AddHolder<double>(r, "getrPbDeflacaoPagamento", "setrPbDeflacaoPagamento", "rPbDeflacaoPagamento",
                    &Module::getrPbDeflacaoPagamento, &Module::setrPbDeflacaoPagamento);
}

}  // namespace veiculo::cli
