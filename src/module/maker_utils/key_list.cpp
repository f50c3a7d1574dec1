#include "module/maker_utils/key_list.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

std::string Trim(std::string_view s) {
  const size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string_view::npos) return {};
  const size_t e = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(b, e - b + 1));
}

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Positions of `separator` outside quoted literals, at most `limit` of them. A
// quote opens a literal only where a value can start (not after a letter or a
// digit), so that a bare name such as O'Brien keeps its apostrophe; inside a
// literal a doubled quote stays and a single one closes it.
std::vector<size_t> SeparatorsOutsideQuotes(std::string_view s, std::string_view separator,
                                            size_t limit) {
  std::vector<size_t> found;
  bool quoted = false;
  size_t i = 0;
  while (i < s.size() && found.size() < limit) {
    const char c = s[i];
    if (quoted) {
      if (c == '\'') {
        if (i + 1 < s.size() && s[i + 1] == '\'') {
          i += 2;
          continue;
        }
        quoted = false;
      }
      ++i;
    } else if (c == '\'' && (i == 0 || !IsWordChar(s[i - 1]))) {
      quoted = true;
      ++i;
    } else if (!separator.empty() && s.compare(i, separator.size(), separator) == 0) {
      found.push_back(i);
      i += separator.size();
    } else {
      ++i;
    }
  }
  return found;
}

std::vector<std::string> Cut(std::string_view s, std::string_view separator, size_t limit) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t pos : SeparatorsOutsideQuotes(s, separator, limit)) {
    pieces.push_back(Trim(s.substr(start, pos - start)));
    start = pos + separator.size();
  }
  pieces.push_back(Trim(s.substr(start)));
  return pieces;
}

Error BadValue(const std::string& what, const std::string& key, const std::string& column) {
  return Error(ErrorCategory::Validation,
               what + " in key \"" + key + "\"" + (column.empty() ? "" : " for " + column));
}

}  // namespace

std::vector<std::string> SplitList(std::string_view list, std::string_view separator) {
  std::vector<std::string> items;
  for (std::string& item : Cut(list, separator, std::numeric_limits<size_t>::max()))
    if (!item.empty()) items.push_back(std::move(item));
  return items;
}

std::vector<std::string> SplitKey(std::string_view key, std::string_view separator, size_t parts) {
  return Cut(key, separator, parts == 0 ? 0 : parts - 1);
}

std::string SqlValue(const std::string& value, KeyKind kind, const std::string& key,
                     const std::string& column) {
  if (kind == KeyKind::Number) {
    int32_t number = 0;
    const char* first = value.data();
    const char* last = first + value.size();
    const auto [ptr, ec] = std::from_chars(first, last, number);
    if (value.empty() || ec != std::errc() || ptr != last)
      throw BadValue("not an integer: \"" + value + "\"", key, column);
    return std::to_string(number);
  }
  std::string text = value;
  if (!value.empty() && value.front() == '\'') {
    // A literal already: must close at its end, with only doubled quotes inside.
    text.clear();
    size_t i = 1;
    for (; i < value.size(); ++i) {
      if (value[i] != '\'') {
        text += value[i];
      } else if (i + 1 < value.size() && value[i + 1] == '\'') {
        text += '\'';
        ++i;
      } else {
        break;
      }
    }
    if (i != value.size() - 1 || value.size() < 2)
      throw BadValue("malformed quoted value " + value, key, column);
  }
  std::string out = "'";
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

const std::string& CheckedColumn(const std::string& name, const char* function) {
  bool ok = !name.empty();
  for (char c : name)
    ok = ok && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                c == '_' || c == '$' || c == '.');
  if (!ok)
    throw Error(ErrorCategory::Validation,
                std::string(function) + ": invalid column name \"" + name + "\"");
  return name;
}

}  // namespace veiculo::maker
