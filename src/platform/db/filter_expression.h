#pragma once
// The filter of a client dataset (its Filter text while Filtered is on): a
// boolean expression over the current row's fields, parsed once and then
// evaluated row by row.
//
// Grammar (keywords are case-insensitive; "not" binds tighter than "and",
// "and" tighter than "or"):
//   expression := term { "or" term }
//   term       := factor { "and" factor }
//   factor     := "not" factor | "(" expression ")" | operand comparison
//   comparison := ("=" | "<>" | "<" | ">" | "<=" | ">=") operand | "is" ["not"] "null"
//   operand    := NAME | "[" any name "]" | 'text' ('' inside is a quote) | number
// A name is letters, digits and "_" (not starting with a digit); a number is
// an optional "-", digits and an optional "." with more digits.
//
// Evaluation: a comparison with a null operand is false (only "is null" sees
// nulls). Integers and floats compare numerically; a number and a text compare
// as numbers (the text read as an integer or in the local float form); a
// date-time and a text compare as date-times (the text read as a local date or
// date-time, or as ISO "YYYY-MM-DD[THH:MM:SS]"); a date-time and a number
// compare by day serial; texts compare byte by byte, case-sensitively. A text
// that cannot be converted, or a blob in a comparison, raises veiculo::Error
// (validation) while evaluating.
//
// Parse errors raise veiculo::Error (validation):
//   "filter expression: <problem> at position <N>: <text>"
// where N is the 1-based character position in the text given.
// An empty (or blank) text is the empty expression, which matches every row.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "veiculo/value.h"

namespace veiculo::platform {

// Gives the current row's value of a field by name; throws veiculo::Error for
// a name the dataset does not have. The reference must stay valid until the
// row has been evaluated (both sides of a comparison are held at once).
using FieldResolver = std::function<const veiculo::Value&(const std::string& name)>;

class FilterExpression {
 public:
  using FieldResolver = platform::FieldResolver;

  FilterExpression() = default;  // the empty expression
  static FilterExpression Parse(std::string_view text);

  bool Empty() const { return program_ == nullptr; }
  bool Matches(const FieldResolver& resolve) const;

  // The field names the expression reads, as written, each once, in order of
  // appearance: lets a dataset reject unknown names before the first row.
  const std::vector<std::string>& FieldNames() const;

  struct Program;  // the parsed form; defined in the .cpp

 private:
  explicit FilterExpression(std::shared_ptr<const Program> program)
      : program_(std::move(program)) {}
  // Immutable once parsed, so copies share it.
  std::shared_ptr<const Program> program_;
};

}  // namespace veiculo::platform
