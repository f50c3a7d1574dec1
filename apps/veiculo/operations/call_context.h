#pragma once
// What an invoker of the registry works with during one call: the module
// instance, the host's connection, the bound arguments of the operation (every
// in and var parameter holds a value of its declared type) and the sink of
// progress messages.
//
// Invokers read in parameters by name and pass var and out parameters by
// reference (Var<T>), so that what the module writes into them comes back in
// the call's "out" object.

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

  // In parameters. Asking for a name the operation does not declare, or with
  // the wrong type, is a fault of the registry entry (std::logic_error).
  int32_t Integer(std::string_view name) const { return Get<int32_t>(name); }
  double Double(std::string_view name) const { return Get<double>(name); }
  const std::string& Text(std::string_view name) const { return Get<std::string>(name); }
  double DateTime(std::string_view name) const { return Get<DateTimeValue>(name).serial; }
  bool Boolean(std::string_view name) const { return Get<bool>(name); }
  const DataPacket& Packet(std::string_view name) const { return Get<DataPacket>(name); }

  // A var or out parameter, for the module to write into.
  template <class T>
  T& Var(std::string_view name) {
    return const_cast<T&>(Get<T>(name));
  }

  // Sends a progress message (the host prints it on stderr).
  void Progress(const std::string& message) const {
    if (progress_) progress_(message);
  }

  // The var and out parameters with their values, in parameter order.
  std::vector<std::pair<std::string, TypedValue>> Outputs() const;

 private:
  template <class T>
  const T& Get(std::string_view name) const {
    const TypedValue& value = Find(name);
    if (const T* typed = std::get_if<T>(&value)) return *typed;
    FailType(name);
  }
  const TypedValue& Find(std::string_view name) const;
  [[noreturn]] void FailType(std::string_view name) const;

  TddmVeiculoCompartilhadoBD& module_;
  Connection& connection_;
  const Operation& operation_;
  Arguments arguments_;
  ProgressSink progress_;
};

}  // namespace veiculo::cli
