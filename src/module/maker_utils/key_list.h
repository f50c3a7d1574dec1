#pragma once
// Reading the key and value lists that hosts pass to the condition builders
// (sql_conditions.h), and turning each value into a safe SQL literal.

#include <string>
#include <string_view>
#include <vector>

namespace veiculo::maker {

// How a key value is written into SQL: a 32-bit integer, or a quoted text.
enum class KeyKind { Number, Text };

// Splits `list` at `separator` where it stands outside single quotes; items
// are trimmed of blanks and blank items are dropped ("1,2," gives "1", "2").
std::vector<std::string> SplitList(std::string_view list, std::string_view separator);

// Splits one key into exactly `parts` pieces at the first `parts - 1`
// separators outside quotes (the last piece keeps any further separator, so a
// text code may contain it). Fewer pieces than `parts` gives a shorter vector.
std::vector<std::string> SplitKey(std::string_view key, std::string_view separator, size_t parts);

// The SQL literal of one value. Number: an optionally signed decimal integer
// within 32 bits, written without leading zeros or "+"; anything else raises
// veiculo::Error (validation) naming `key` and `column`. Text: the value between
// single quotes with its inner quotes doubled; a value the host already wrote
// as a literal ('A''B') is read back first, and an unclosed one is refused.
std::string SqlValue(const std::string& value, KeyKind kind, const std::string& key,
                     const std::string& column);

// Checks that `name` is a plain (optionally qualified) column name before it is
// spliced into SQL; raises veiculo::Error (validation) otherwise.
const std::string& CheckedColumn(const std::string& name, const char* function);

}  // namespace veiculo::maker
