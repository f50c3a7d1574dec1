#include "platform/db/sql_markers.h"

#include "platform/text.h"
#include "platform/text_memo.h"

namespace veiculo::platform {
namespace {

// The module has a few hundred texts; the rest is room for those batch
// commands write anew for each vehicle.
constexpr size_t kMarkedTextsKept = 1024;

bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '$';
}

// Walks the text, copying it to `out`: quoted literals and identifiers as
// they stand, comments with their colons blanked when `blank_comment_colons`,
// and each marker as `on_marker(name)` gives it.
template <typename OnMarker>
void WalkMarkers(std::string_view sql, bool blank_comment_colons, std::string& out,
                 OnMarker&& on_marker) {
  out.reserve(sql.size());
  size_t i = 0;
  const size_t n = sql.size();
  auto comment = [&](size_t from, size_t end) {
    for (size_t k = from; k < end; ++k) out += blank_comment_colons && sql[k] == ':' ? ' ' : sql[k];
  };
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
      out.append(sql.substr(i, end - i));
      i = end;
    } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
      size_t end = sql.find('\n', i);
      if (end == std::string_view::npos) end = n;
      comment(i, end);
      i = end;
    } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
      size_t end = sql.find("*/", i + 2);
      end = end == std::string_view::npos ? n : end + 2;
      comment(i, end);
      i = end;
    } else if (c == ':' && i + 1 < n && IsNameStart(sql[i + 1]) &&
               (i == 0 || (!IsNameChar(sql[i - 1]) && sql[i - 1] != ':'))) {
      size_t j = i + 1;
      while (j < n && IsNameChar(sql[j])) ++j;
      on_marker(sql.substr(i, j - i), sql.substr(i + 1, j - i - 1));
      i = j;
    } else {
      out += c;
      ++i;
    }
  }
}

}  // namespace

MarkedSql ParseMarkers(std::string_view sql) {
  MarkedSql out;
  WalkMarkers(sql, true, out.positional, [&out](std::string_view, std::string_view name) {
    out.names.emplace_back(name);
    out.positional += '?';
  });
  return out;
}

std::string ReplaceMarker(std::string_view sql, std::string_view name,
                          std::string_view replacement) {
  std::string out;
  WalkMarkers(sql, false, out, [&](std::string_view marker, std::string_view found) {
    out.append(SameText(found, name) ? replacement : marker);
  });
  return out;
}

std::shared_ptr<const MarkedSql> KeptMarkers(const std::string& sql) {
  static TextMemo<MarkedSql> memo(kMarkedTextsKept);
  return memo.Get(sql, [](const std::string& text) { return ParseMarkers(text); });
}

std::vector<std::string> DistinctMarkerNames(std::string_view sql) {
  return DistinctMarkerNames(ParseMarkers(sql).names);
}

std::vector<std::string> DistinctMarkerNames(const std::vector<std::string>& names) {
  std::vector<std::string> distinct;
  for (const std::string& name : names) {
    bool seen = false;
    for (const std::string& d : distinct) seen = seen || SameText(d, name);
    if (!seen) distinct.push_back(name);
  }
  return distinct;
}

}  // namespace veiculo::platform
