#pragma once
// Declaring an operation of the registry in one statement:
//
//   r.Add(Op("LerParametro", "Reads the dealer's parameters into the module")
//             .Calls(&Module::LerParametro, "pfEmpresa", "pfRevenda"));
//
// Calls takes the function to call and one name per parameter, in the
// function's order; a count that does not match the function does not
// compile. The parameter types, their directions and the result type come
// from the function's signature:
//   int32_t -> integer, double -> double, bool -> boolean, std::string ->
//   text, DataPacket -> datapacket, Connection* -> the host's connection,
//   CallbackMensagem -> the host's progress messages (printed on stderr);
//   a non-const reference is a var parameter (Out(...) makes it out).
// What a signature cannot say is written on the name: Date("pfData") for a
// double that is a date, Text("pfFlag", "S or N") for a text's format.
//
// The function is a member function of the module, or a lambda taking
// (CallContext&, parameters...) for operations the host prepares (reading the
// vehicle first, a client dataset turned into a packet, a date result).
// CallsAfter(prepare, &Module::X, names...) runs a preparation first.
// Further facts: .Writes() (it writes to the database), .Reads({"holder", ...})
// (value holders it reads), .Returns({...}) (a lambda returning a TypedValue
// of one of several types).

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "operations/call_context.h"
#include "operations/registry.h"
#include "operations/typed_value.h"
#include "veiculo/connection.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {

using Module = TddmVeiculoCompartilhadoBD;

// One parameter as a declaration names it.
struct Param {
  Param(const char* n) : name(n) {}  // NOLINT: a plain name is the common case
  std::string name;
  bool date = false;
  bool out = false;
  std::string format;
};

// A double parameter that holds a date (written YYYY-MM-DD[THH:MM:SS]).
inline Param Date(const char* name) {
  Param p(name);
  p.date = true;
  return p;
}
// A reference parameter the caller only reads.
inline Param Out(const char* name) {
  Param p(name);
  p.out = true;
  return p;
}
// A text parameter with the form its text takes.
inline Param Text(const char* name, const char* format) {
  Param p(name);
  p.format = format;
  return p;
}

namespace define_detail {

template <class T>
using Bare = std::remove_cv_t<std::remove_reference_t<T>>;

// The parameter type of a C++ argument type.
template <class A>
constexpr ParamType TypeOf() {
  using B = Bare<A>;
  if constexpr (std::is_same_v<B, int32_t>)
    return ParamType::Integer;
  else if constexpr (std::is_same_v<B, double>)
    return ParamType::Double;
  else if constexpr (std::is_same_v<B, bool>)
    return ParamType::Boolean;
  else if constexpr (std::is_same_v<B, std::string>)
    return ParamType::Text;
  else if constexpr (std::is_same_v<B, DataPacket>)
    return ParamType::DataPacket;
  else if constexpr (std::is_same_v<B, DateTimeValue>)
    return ParamType::DateTime;
  else if constexpr (std::is_same_v<B, Connection*>)
    return ParamType::Connection;
  else if constexpr (std::is_same_v<B, Module::CallbackMensagem>)
    return ParamType::Callback;
  else
    static_assert(!sizeof(B), "a parameter type the host does not know");
}

template <class A>
constexpr bool kIsVar =
    std::is_lvalue_reference_v<A> && !std::is_const_v<std::remove_reference_t<A>>;

template <class A>
ParamSpec SpecOf(const Param& p) {
  ParamSpec declared{p.name, TypeOf<A>(), Direction::In, p.format};
  if (p.date) {
    if (declared.type != ParamType::Double || kIsVar<A>)
      throw std::logic_error(p.name + ": only an in double can be declared a date");
    declared.type = ParamType::DateTime;
  }
  if constexpr (kIsVar<A>)
    declared.direction = p.out ? Direction::Out : Direction::Var;
  else if (p.out)
    throw std::logic_error(p.name + ": only a reference can be an out parameter");
  if (!p.format.empty() && declared.type != ParamType::Text)
    throw std::logic_error(p.name + ": only a text has a format");
  return declared;
}

// The argument the function receives for the i-th parameter.
template <class A>
decltype(auto) Argument(CallContext& c, size_t index) {
  using B = Bare<A>;
  if constexpr (std::is_same_v<B, Connection*>)
    return &c.HostConnection();
  else if constexpr (std::is_same_v<B, Module::CallbackMensagem>)
    // Progress messages go to the host, which prints them on stderr.
    return Module::CallbackMensagem([&c](const std::string& mensagem) { c.Progress(mensagem); });
  else if constexpr (kIsVar<A>)
    return c.Slot<B>(index);
  else if constexpr (std::is_same_v<B, double>)
    // A date parameter arrives as a date; the module counts it as a day serial.
    return std::visit(
        [](const auto& v) -> double {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, DateTimeValue>)
            return v.serial;
          else if constexpr (std::is_same_v<V, double>)
            return v;
          else
            throw std::logic_error("a double argument holds another type");
        },
        c.Value(index));
  else
    return static_cast<const B&>(c.Slot<B>(index));
}

template <class R>
void ResultTypes(std::vector<ParamType>& types) {
  if constexpr (!std::is_void_v<R> && !std::is_same_v<R, TypedValue>) types = {TypeOf<R>()};
}

template <class R, class F, class... A, size_t... I>
TypedValue InvokeWith(const F& f, CallContext& c, std::index_sequence<I...>) {
  if constexpr (std::is_void_v<R>) {
    f(c, Argument<A>(c, I)...);
    return {};
  } else {
    return TypedValue(f(c, Argument<A>(c, I)...));
  }
}

// The signature of a lambda's call operator, without its CallContext&.
template <class M>
struct LambdaSignature;
template <class L, class R, class... A>
struct LambdaSignature<R (L::*)(CallContext&, A...) const> {
  using Result = R;
  using Args = std::tuple<A...>;
};

}  // namespace define_detail

class Op {
 public:
  Op(std::string name, std::string purpose) {
    op_.name = std::move(name);
    op_.purpose = std::move(purpose);
  }

  Op& Writes() {
    op_.writes = true;
    return *this;
  }
  Op& Reads(std::initializer_list<const char*> holders) {
    for (const char* holder : holders) op_.reads.emplace_back(holder);
    return *this;
  }
  Op& Returns(std::vector<ParamType> types) {
    op_.result = std::move(types);
    return *this;
  }

  // A member function of the module.
  template <class R, class... A, class... P>
  Op& Calls(R (Module::*function)(A...), P... names) {
    static_assert(sizeof...(A) == sizeof...(P), "name each parameter of the function once");
    return Define<R, A...>(
        [function](CallContext& c, A... args) -> R {
          return (c.Module().*function)(std::forward<A>(args)...);
        },
        {Param(names)...});
  }
  template <class R, class... A, class... P>
  Op& Calls(R (Module::*function)(A...) const, P... names) {
    static_assert(sizeof...(A) == sizeof...(P), "name each parameter of the function once");
    return Define<R, A...>(
        [function](CallContext& c, A... args) -> R {
          return (c.Module().*function)(std::forward<A>(args)...);
        },
        {Param(names)...});
  }
  // A member function of the module, after `prepare` (a lambda, typically
  // generic, taking (CallContext&, the same arguments...)) has run: reading the
  // dealer or the vehicle the function expects the module to hold.
  template <class Prepare, class R, class... A, class... P>
  Op& CallsAfter(Prepare prepare, R (Module::*function)(A...), P... names) {
    static_assert(sizeof...(A) == sizeof...(P), "name each parameter of the function once");
    return Define<R, A...>(
        [prepare, function](CallContext& c, A... args) -> R {
          prepare(c, args...);
          return (c.Module().*function)(std::forward<A>(args)...);
        },
        {Param(names)...});
  }
  // A lambda taking (CallContext&, parameters...).
  template <class F, class... P>
  Op& Calls(F function, P... names) {
    using Signature = define_detail::LambdaSignature<decltype(&F::operator())>;
    static_assert(std::tuple_size_v<typename Signature::Args> == sizeof...(P),
                  "name each parameter of the function once");
    return DefineFromTuple<typename Signature::Result>(
        std::move(function), {Param(names)...}, static_cast<typename Signature::Args*>(nullptr));
  }

  operator Operation() const {  // NOLINT: Registry::Add(Op(...).Calls(...))
    if (!op_.invoke) throw std::logic_error(op_.name + ": declared without Calls");
    return op_;
  }

 private:
  template <class R, class F, class... A>
  Op& DefineFromTuple(F function, std::vector<Param> names, std::tuple<A...>*) {
    return Define<R, A...>(std::move(function), std::move(names));
  }

  template <class R, class... A, class F>
  Op& Define(F function, std::vector<Param> names) {
    std::vector<ParamSpec> specs;
    size_t i = 0;
    (specs.push_back(define_detail::SpecOf<A>(names[i++])), ...);
    op_.params = std::move(specs);
    if (op_.result.empty()) define_detail::ResultTypes<R>(op_.result);
    if constexpr (std::is_same_v<R, TypedValue>)
      if (op_.result.empty())
        throw std::logic_error(op_.name + ": a TypedValue result needs Returns({...})");
    op_.invoke = [function = std::move(function)](CallContext& c) -> TypedValue {
      return define_detail::InvokeWith<R, F, A...>(function, c, std::index_sequence_for<A...>{});
    };
    return *this;
  }

  Operation op_;
};

}  // namespace veiculo::cli
