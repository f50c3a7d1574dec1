#pragma once
// LimpaString: the text cleaning applied to the values of an F&I request.

#include <string>
#include <string_view>

namespace veiculo::fi_brasil {

// `text` (UTF-8) with the Portuguese accented letters folded to plain ones,
// "º" to "o", "&" to "e" and "'" to a double quote, after repairing "Ã§" and
// "Ã£" (text decoded twice) to "ç" and "ã"; then trimmed of blanks and control
// characters at both ends. Every other character, "<" and ">" among them,
// stays. Bytes that are not valid UTF-8 pass through unchanged.
std::string LimpaString(std::string_view text);

}  // namespace veiculo::fi_brasil
