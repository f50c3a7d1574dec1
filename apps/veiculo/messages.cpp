#include "messages.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

namespace veiculo::cli {
namespace {

std::vector<std::string>& Secrets() {
  static std::vector<std::string> secrets;
  return secrets;
}

size_t Utf8Length(std::string_view text) {
  return static_cast<size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

struct Literal {
  size_t begin;   // the opening quote
  size_t end;     // past the closing quote
  size_t length;  // characters of the text it stands for
};

// The quoted texts of an SQL statement ('' inside one is a quote).
std::vector<Literal> Literals(const std::string& sql) {
  std::vector<Literal> literals;
  for (size_t i = 0; i < sql.size(); ++i) {
    if (sql[i] != '\'') continue;
    std::string text;
    size_t j = i + 1;
    for (; j < sql.size(); ++j) {
      if (sql[j] != '\'') {
        text += sql[j];
      } else if (j + 1 < sql.size() && sql[j + 1] == '\'') {
        text += '\'';
        ++j;
      } else {
        break;
      }
    }
    literals.push_back({i, j + 1, Utf8Length(text)});
    i = j;
  }
  return literals;
}

// Splits "a, f(b, c), 'x,y'" at its top-level commas: the start of each item.
std::vector<size_t> ItemStarts(const std::string& sql, size_t begin, size_t end) {
  std::vector<size_t> starts{begin};
  int depth = 0;
  bool quoted = false;
  for (size_t i = begin; i < end; ++i) {
    const char c = sql[i];
    if (c == '\'') quoted = !quoted;
    if (quoted) continue;
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == ',' && depth == 0) starts.push_back(i + 1);
  }
  return starts;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n\"");
  const size_t last = text.find_last_not_of(" \t\r\n\"");
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// The column an insert's value at `position` goes to.
std::string InsertColumn(const std::string& sql, size_t position) {
  static const std::regex insert(R"(insert\s+into\s+("?[\w$]+"?)\s*\(([^)]*)\)\s*values\s*\()",
                                 std::regex::icase);
  std::smatch m;
  if (!std::regex_search(sql, m, insert)) return "";
  const size_t values_begin = static_cast<size_t>(m.position(0) + m.length(0));
  if (position < values_begin) return "";
  const std::vector<size_t> values = ItemStarts(sql, values_begin, sql.size());
  size_t index = 0;
  while (index + 1 < values.size() && values[index + 1] <= position) ++index;
  const std::string columns = m[2].str();
  const std::vector<size_t> names = ItemStarts(columns, 0, columns.size());
  if (index >= names.size()) return "";
  const size_t stop = index + 1 < names.size() ? names[index + 1] - 1 : columns.size();
  return Trimmed(m[1].str()) + "." + Trimmed(columns.substr(names[index], stop - names[index]));
}

// The column of "COLUMN = 'text'" (an update's set list or a condition).
std::string AssignedColumn(const std::string& sql, size_t position) {
  static const std::regex assigned(R"(("?[\w$]+"?)\s*=\s*$)");
  std::smatch m;
  // The few characters before the text: a long text ahead of it would make
  // the matcher recurse once per character.
  const size_t from = position > 200 ? position - 200 : 0;
  const std::string before = sql.substr(from, position - from);
  if (!std::regex_search(before, m, assigned)) return "";
  return Trimmed(m[1].str());
}

// Replaces the value of each PWD= and PASSWORD= (any letter case, blanks
// around "=", a value in braces or up to the next ";" or blank) by "***".
// A scan rather than a regular expression: the text may quote a value of any
// length, and the library's matcher recurses once per character.
std::string MaskKeyedPasswords(std::string text) {
  auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  auto keyword_at = [&](size_t at) -> size_t {
    if (at > 0 && word(text[at - 1])) return 0;
    for (const char* key : {"PASSWORD", "PWD"}) {
      const size_t n = std::char_traits<char>::length(key);
      if (text.size() - at < n) continue;
      bool same = true;
      for (size_t k = 0; k < n && same; ++k)
        same = std::toupper(static_cast<unsigned char>(text[at + k])) == key[k];
      if (same) return n;
    }
    return 0;
  };
  for (size_t at = 0; at < text.size(); ++at) {
    const size_t n = keyword_at(at);
    if (n == 0) continue;
    size_t i = at + n;
    while (i < text.size() && blank(text[i])) ++i;
    if (i >= text.size() || text[i] != '=') continue;
    ++i;
    while (i < text.size() && blank(text[i])) ++i;
    size_t end = i;
    const size_t brace = text[i] == '{' ? text.find('}', i) : std::string::npos;
    if (i < text.size() && brace != std::string::npos) {
      end = brace + 1;
    } else {
      while (end < text.size() && text[end] != ';' && !blank(text[end])) ++end;
    }
    text.replace(i, end - i, "***");
    at = i + 2;
  }
  return text;
}

}  // namespace

void RegisterSecret(const std::string& secret) {
  if (!secret.empty()) Secrets().push_back(secret);
}

std::string MaskSecrets(std::string text) {
  text = MaskKeyedPasswords(std::move(text));
  for (const std::string& secret : Secrets()) {
    for (size_t at = text.find(secret); at != std::string::npos; at = text.find(secret, at + 3))
      text.replace(at, secret.size(), "***");
  }
  return text;
}

std::string Shorten(const std::string& text, size_t limit) {
  if (Utf8Length(text) <= limit) return text;
  size_t cut = 0;
  for (size_t chars = 0; cut < text.size(); ++cut) {
    if ((text[cut] & 0xC0) != 0x80 && chars++ == limit) break;
  }
  return text.substr(0, cut) + " ... (" + std::to_string(Utf8Length(text) - limit) +
         " more characters)";
}

std::string TruncationHint(const std::string& message, const std::string& sql) {
  // The engine's "actual" counts what it read before giving up, not the
  // text's length: every literal longer than the column is a suspect.
  static const std::regex lengths(R"(expected length (\d+), actual (\d+))");
  std::smatch m;
  if (!std::regex_search(message, m, lengths)) return "";
  const std::string expected = m[1].str();
  std::vector<std::string> suspects;
  for (const Literal& literal : Literals(sql)) {
    if (literal.length <= std::stoul(expected)) continue;
    std::string column = InsertColumn(sql, literal.begin);
    if (column.empty()) column = AssignedColumn(sql, literal.begin);
    if (!column.empty())
      suspects.push_back(column + " (given " + std::to_string(literal.length) + ")");
  }
  if (suspects.empty()) return "";
  if (suspects.size() == 1)
    return "column " + suspects.front() + " takes " + expected + " characters at most";
  std::string hint = "the column that takes " + expected + " characters at most is one of ";
  for (size_t i = 0; i < suspects.size(); ++i) hint += (i ? ", " : "") + suspects[i];
  return hint;
}

std::string CutQuotedValue(const std::string& message) {
  // Found by position rather than by a regular expression: the value may be
  // any length, and the library's matcher recurses once per character.
  const std::string open = "Value \"", close = "\" is too long";
  const size_t begin = message.find(open);
  if (begin == std::string::npos) return message;
  const size_t value = begin + open.size();
  const size_t end = message.rfind(close);
  if (end == std::string::npos || end < value || end - value <= 60) return message;
  return message.substr(0, begin) + open + Shorten(message.substr(value, end - value), 60) +
         message.substr(end);
}

std::string ErrorText(const Error& error) {
  std::string text = CutQuotedValue(error.message());
  std::string hint;
  const std::string executing = "while executing: ";
  for (const std::string& line : error.context()) {
    if (line.rfind(executing, 0) == 0) {
      const std::string sql = line.substr(executing.size());
      if (hint.empty()) hint = TruncationHint(error.message(), sql);
      text += "\n  " + executing + Shorten(sql, kQuotedSqlLimit);
    } else {
      text += "\n  " + Shorten(line, kQuotedSqlLimit);
    }
  }
  if (!hint.empty()) text += "\n  " + hint;
  return MaskSecrets(text);
}

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    size_t extra = 0;
    uint32_t code = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1;
      code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2;
      code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3;
      code = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;
    for (size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    static const uint32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (code < kMinimum[extra] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
      return false;
    i += extra + 1;
  }
  return true;
}

}  // namespace veiculo::cli
