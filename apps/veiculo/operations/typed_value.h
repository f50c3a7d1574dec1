#pragma once
// The values that cross the host's call boundary: what a user gives on the
// command line or in a script, what an operation returns and what comes back
// in its var and out parameters. Each parameter of an operation has one of
// the types below; a value of that type is held in a TypedValue.

#include <cstdint>
#include <string>
#include <variant>

#include "veiculo/data_packet.h"

namespace veiculo::cli {

enum class ParamType {
  Integer,  // 32-bit signed
  Double,   // money and percentages
  Text,
  DateTime,  // a day serial; written "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM:SS"
  Boolean,
  DataPacket,  // JSON text or @file.json
  Connection,  // the host's own connection, never given by the user
  Callback,    // progress messages, printed by the host on stderr
};

// var: the caller may give a value and reads it back; out: the caller reads it only.
enum class Direction { In, Var, Out };

// "integer", "double", "text", "datetime", "boolean", "datapacket", "connection", "callback".
const char* ToString(ParamType type);
// "in", "var", "out".
const char* ToString(Direction direction);

// Whether the host supplies the parameter itself (the user never names it).
bool SuppliedByHost(ParamType type);

// A date-time kept apart from doubles so that it prints as a date.
struct DateTimeValue {
  double serial = 0;
  bool operator==(const DateTimeValue&) const = default;
};

// std::monostate is "no value": the result of an operation without one, and
// the value of host-supplied parameters.
using TypedValue =
    std::variant<std::monostate, int32_t, double, std::string, DateTimeValue, bool, DataPacket>;

// The value a var or out parameter starts with when the caller gives none:
// 0, 0.0, "", date 0, false, an empty packet; no value for host-supplied types.
TypedValue ZeroValue(ParamType type);

// Whether a value is of the given type (no conversion).
bool HoldsType(const TypedValue& value, ParamType type);

}  // namespace veiculo::cli
