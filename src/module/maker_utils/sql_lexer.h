#pragma once
// Splits SQL text into tokens for the dialect translator, so that rewrites
// never touch quoted literals, quoted names, comments or parameter markers.
//
// Concatenating the texts of all tokens gives back the input exactly. An
// unterminated literal or comment runs to the end of the text.

#include <string_view>
#include <vector>

namespace veiculo::maker {

enum class SqlTokenKind {
  Word,        // keyword, identifier or number: letters, digits, _ $ # and non-ASCII bytes
  Parameter,   // :Name
  String,      // 'text' ('' inside)
  QuotedName,  // "NAME"
  Comment,     // /* ... */ or -- to the end of the line
  Space,       // a run of blanks, tabs and line breaks
  Symbol,      // one punctuation character, or "||"
};

struct SqlToken {
  SqlTokenKind kind;
  std::string_view text;  // a view into the tokenized text
};

std::vector<SqlToken> TokenizeSql(std::string_view sql);

}  // namespace veiculo::maker
