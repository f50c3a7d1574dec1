// The ":Name" markers of an SQL text: every marker found is a name, the
// positional text holds one "?" per marker more than the text had, and the
// distinct names and a replacement of the first name run on any text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "platform/db/sql_markers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string sql(reinterpret_cast<const char*>(data), size);
  const veiculo::platform::MarkedSql marked = veiculo::platform::ParseMarkers(sql);
  for (const std::string& name : marked.names) FUZZ_CHECK(!name.empty());
  const auto questions = [](const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '?'));
  };
  FUZZ_CHECK(questions(marked.positional) == questions(sql) + marked.names.size());

  const auto distinct = veiculo::platform::DistinctMarkerNames(sql);
  FUZZ_CHECK(distinct.size() <= marked.names.size());
  if (!marked.names.empty()) {
    const std::string replaced = veiculo::platform::ReplaceMarker(sql, marked.names.front(), "1");
    FUZZ_CHECK(veiculo::platform::ParseMarkers(replaced).names.size() < marked.names.size());
  }
  return 0;
}
