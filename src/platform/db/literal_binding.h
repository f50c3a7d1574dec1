#pragma once
// Whether a literal taken out of an SQL text (sql_parameterize.h) can be bound
// to the marker that replaced it without the engine reading it differently,
// given the type the engine described for that marker.
//
// The engine types a marker from the column beside it, while it types a
// literal from the literal itself; the two readings differ where:
//   - a text is longer than the column (a literal just compares unequal, a
//     bound value fails with a truncation error);
//   - a number has more decimals than the column's scale (a bound value is
//     rounded to the scale first), or is out of the column's range;
//   - a number meets a text column or a text meets a number column (the
//     engine compares a literal by value, a bound value by its text);
//   - a date text is not one the driver parses, or not a real day.
// In those cases the caller keeps the literal in the text.

#include <optional>

#include "platform/db/sql_parameterize.h"
#include "veiculo/value.h"

namespace veiculo::platform {

struct ParameterType {
  enum class Kind { Exact, Float, Text, Date, Timestamp, Other };
  Kind kind = Kind::Other;
  int scale = 0;      // Exact: digits after the decimal point
  int bytes = 8;      // Exact: storage size (2, 4 or 8)
  int max_chars = 0;  // Text: the most characters the marker takes
};

// The value to bind for `literal` at a marker of type `type`; nothing when the
// literal has to stay in the text.
std::optional<Value> LiteralValue(const SqlLiteral& literal, const ParameterType& type);

}  // namespace veiculo::platform
