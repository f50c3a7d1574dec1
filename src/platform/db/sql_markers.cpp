#include "platform/db/sql_markers.h"

#include "platform/text.h"

namespace veiculo::platform {
namespace {

bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '$'; }

}  // namespace

MarkedSql ParseMarkers(std::string_view sql) {
  MarkedSql out;
  out.positional.reserve(sql.size());
  size_t i = 0;
  const size_t n = sql.size();
  while (i < n) {
    const char c = sql[i];
    if (c == '\'' || c == '"') {
      // Quoted literal or identifier; a doubled quote stays inside.
      size_t j = i + 1;
      while (j < n) {
        if (sql[j] == c) {
          if (j + 1 < n && sql[j + 1] == c) {
            j += 2;
            continue;
          }
          break;
        }
        ++j;
      }
      const size_t end = j < n ? j + 1 : n;
      out.positional.append(sql.substr(i, end - i));
      i = end;
    } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
      size_t end = sql.find('\n', i);
      if (end == std::string_view::npos) end = n;
      for (size_t k = i; k < end; ++k) out.positional += sql[k] == ':' ? ' ' : sql[k];
      i = end;
    } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
      size_t end = sql.find("*/", i + 2);
      end = end == std::string_view::npos ? n : end + 2;
      for (size_t k = i; k < end; ++k) out.positional += sql[k] == ':' ? ' ' : sql[k];
      i = end;
    } else if (c == ':' && i + 1 < n && IsNameStart(sql[i + 1]) &&
               (i == 0 || (!IsNameChar(sql[i - 1]) && sql[i - 1] != ':'))) {
      size_t j = i + 1;
      while (j < n && IsNameChar(sql[j])) ++j;
      out.names.emplace_back(sql.substr(i + 1, j - i - 1));
      out.positional += '?';
      i = j;
    } else {
      out.positional += c;
      ++i;
    }
  }
  return out;
}

std::vector<std::string> DistinctMarkerNames(std::string_view sql) {
  std::vector<std::string> distinct;
  for (const std::string& name : ParseMarkers(sql).names) {
    bool seen = false;
    for (const std::string& d : distinct) seen = seen || SameText(d, name);
    if (!seen) distinct.push_back(name);
  }
  return distinct;
}

}  // namespace veiculo::platform
