// The Get/Set accessors of the module's value holders, generated from the
// holder list the module's header is generated from, so that a holder added
// there is reachable from the host without another line here.

#include <type_traits>

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

using Module = TddmVeiculoCompartilhadoBD;

// Stands for the holder list's DateTime: a double that the host shows as a date.
struct DateTimeHolder {};

template <class Declared>
constexpr ParamType HolderType() {
  if constexpr (std::is_same_v<Declared, DateTimeHolder>)
    return ParamType::DateTime;
  else if constexpr (std::is_same_v<Declared, double>)
    return ParamType::Double;
  else if constexpr (std::is_same_v<Declared, int32_t>)
    return ParamType::Integer;
  else if constexpr (std::is_same_v<Declared, std::string>)
    return ParamType::Text;
  else if constexpr (std::is_same_v<Declared, DataPacket>)
    return ParamType::DataPacket;
  else
    static_assert(!sizeof(Declared), "a holder type the host does not know");
}

template <class Declared, class Getter, class Setter>
void AddHolder(Registry& r, std::string get_name, std::string set_name, Getter get, Setter set) {
  constexpr ParamType type = HolderType<Declared>();
  r.Add({std::move(get_name), {}, {type}, [get](CallContext& c) -> TypedValue {
           if constexpr (type == ParamType::DateTime)
             return DateTimeValue{(c.Module().*get)()};
           else
             return (c.Module().*get)();
         }});
  r.Add({std::move(set_name), {{"value", type}}, {}, [set](CallContext& c) -> TypedValue {
           if constexpr (type == ParamType::DateTime)
             (c.Module().*set)(c.DateTime("value"));
           else if constexpr (type == ParamType::Double)
             (c.Module().*set)(c.Double("value"));
           else if constexpr (type == ParamType::Integer)
             (c.Module().*set)(c.Integer("value"));
           else if constexpr (type == ParamType::Text)
             (c.Module().*set)(c.Text("value"));
           else
             (c.Module().*set)(c.Packet("value"));
           return {};
         }});
}

}  // namespace

void RegisterHolderOperations(Registry& r) {
  using DateTime = DateTimeHolder;
#define HOLDER(type, field) \
  AddHolder<type>(r, "Get" #field, "Set" #field, &Module::Get##field, &Module::Set##field);
#define HOLDER_NO_ACCESSORS(type, field)
#include "veiculo/value_holders.inc"
#undef HOLDER
#undef HOLDER_NO_ACCESSORS
  AddHolder<double>(r, "getrPbDeflacaoPagamento", "setrPbDeflacaoPagamento",
                    &Module::getrPbDeflacaoPagamento, &Module::setrPbDeflacaoPagamento);
}

}  // namespace veiculo::cli
