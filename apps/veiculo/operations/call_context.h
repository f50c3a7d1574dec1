#pragma once
// What an invoker of the registry works with during one call: the module
// instance, the host's connection, the bound arguments of the operation (every
// in and var parameter holds a value of its declared type) and the sink of
// progress messages.
//
// The invoker Op generates reads the arguments by position and passes var
// and out parameters by reference, so that what the module writes into them
// comes back in the call's "out" object.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "operations/registry.h"
#include "operations/typed_value.h"

namespace veiculo {
class Connection;
class TddmVeiculoCompartilhadoBD;
}  // namespace veiculo

namespace veiculo::cli {

// Bound arguments by parameter name, as the operation declares it.
using Arguments = std::map<std::string, TypedValue, std::less<>>;

class CallContext {
 public:
  using ProgressSink = std::function<void(const std::string& message)>;

  CallContext(TddmVeiculoCompartilhadoBD& module, Connection& connection,
              const Operation& operation, Arguments arguments, ProgressSink progress);

  TddmVeiculoCompartilhadoBD& Module() { return module_; }
  Connection& HostConnection() { return connection_; }

  // The bound value of the i-th parameter of the operation, for the invoker
  // Op generates. A type other than the parameter's is a fault of the
  // registry entry (std::logic_error).
  const TypedValue& Value(size_t index) const;
  template <class T>
  T& Slot(size_t index) {
    if (T* typed = std::get_if<T>(&const_cast<TypedValue&>(Value(index)))) return *typed;
    FailType(index);
  }

  // Sends a progress message (the host prints it on stderr).
  void Progress(const std::string& message) const {
    if (progress_) progress_(message);
  }

  // The var and out parameters with their values, in parameter order.
  std::vector<std::pair<std::string, TypedValue>> Outputs() const;

 private:
  [[noreturn]] void FailType(size_t index) const;

  TddmVeiculoCompartilhadoBD& module_;
  Connection& connection_;
  const Operation& operation_;
  Arguments arguments_;
  ProgressSink progress_;
};

}  // namespace veiculo::cli
