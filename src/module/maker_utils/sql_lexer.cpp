#include "module/maker_utils/sql_lexer.h"

namespace veiculo::maker {
namespace {

bool IsWordChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || c == '#' || u >= 0x80;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// End of a quoted run that starts at `begin` with `quote`; a doubled quote
// stays inside.
size_t QuotedEnd(std::string_view s, size_t begin, char quote) {
  size_t i = begin + 1;
  while (i < s.size()) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  return s.size();
}

}  // namespace

std::vector<SqlToken> TokenizeSql(std::string_view s) {
  std::vector<SqlToken> tokens;
  size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    size_t end = i + 1;
    SqlTokenKind kind = SqlTokenKind::Symbol;
    if (IsSpace(c)) {
      kind = SqlTokenKind::Space;
      while (end < s.size() && IsSpace(s[end])) ++end;
    } else if (IsWordChar(c)) {
      kind = SqlTokenKind::Word;
      while (end < s.size() && IsWordChar(s[end])) ++end;
    } else if (c == '\'') {
      kind = SqlTokenKind::String;
      end = QuotedEnd(s, i, '\'');
    } else if (c == '"') {
      kind = SqlTokenKind::QuotedName;
      end = QuotedEnd(s, i, '"');
    } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
      kind = SqlTokenKind::Comment;
      const size_t close = s.find("*/", i + 2);
      end = close == std::string_view::npos ? s.size() : close + 2;
    } else if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
      kind = SqlTokenKind::Comment;
      const size_t eol = s.find('\n', i);
      end = eol == std::string_view::npos ? s.size() : eol;
    } else if (c == ':' && i + 1 < s.size() && IsWordChar(s[i + 1])) {
      kind = SqlTokenKind::Parameter;
      while (end < s.size() && IsWordChar(s[end])) ++end;
    } else if (c == '|' && i + 1 < s.size() && s[i + 1] == '|') {
      end = i + 2;
    }
    tokens.push_back(SqlToken{kind, s.substr(i, end - i)});
    i = end;
  }
  return tokens;
}

}  // namespace veiculo::maker
