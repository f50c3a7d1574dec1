#pragma once
// Literals of an SQL text turned into parameter markers, so that texts that
// differ only in their values share one prepared statement.
//
// The module splices values into many of its texts (a vehicle's code, the
// rows of a costing written line by line). Preparing a text costs about twenty
// times re-executing a prepared one, so the connection runs such a text as
// its normalised form (literals as "?") with the literals bound as values.
//
// A literal becomes a marker only where the engine types the marker from a
// column beside it:
//   - compared with a column:       COL = 'A', T.COL >= -5 (followed by AND,
//                                   OR, ")", THEN, WHERE, ORDER, ... or the end);
//   - an element of an IN list:     COL [NOT] IN ('A', 'B', ?);
//   - a bound of BETWEEN:           COL [NOT] BETWEEN 1 AND 2;
//   - an item of INSERT's VALUES:   VALUES ('A', 1.50, NULL) (NULL stays);
//   - an assignment of UPDATE SET:  SET COL = 'A', COL2 = 2 WHERE ...
// Every other literal stays in place: select-list constants, CASE results,
// ORDER BY positions, LIKE / STARTING WITH patterns, function arguments,
// typed literals (DATE '...', N'...'), operands of arithmetic or
// concatenation, and a literal right after a comment (the SQL Server hook's
// "/*Name*/'value'" tags). Quoted names, comments and markers are copied as
// they are; numbers with an exponent stay (the engine reads them as double).
//
// The caller still checks each literal against the type the engine gives its
// marker (literal_binding.h) and runs the text as written when one does not
// fit, so a literal the engine would read differently never changes a result.

#include <string>
#include <string_view>
#include <vector>

namespace veiculo::platform {

struct SqlLiteral {
  enum class Kind { Text, Number };
  Kind kind;
  // Text: the value between the quotes, doubled quotes made single.
  // Number: the digits as written, with a leading "-" for a negative one.
  std::string value;
};

struct ParameterizedSql {
  // The text with the chosen literals replaced by "?".
  std::string positional;
  // One entry per marker of `positional`, in order: the index of the value
  // of an original marker (>= 0), or -(i + 1) for literals[i].
  std::vector<int> sources;
  std::vector<SqlLiteral> literals;
};

// `positional_sql` is a text whose markers are already "?" (sql_markers.h).
// Returns the text unchanged (no literals) when nothing can be replaced.
ParameterizedSql ParameterizeLiterals(std::string_view positional_sql);

}  // namespace veiculo::platform
