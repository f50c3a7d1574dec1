// Literals turned into parameters: on any positional text the rewrite gives
// one source per "?" of its result, each source naming an original marker or
// one of the literals taken out.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "platform/db/sql_markers.h"
#include "platform/db/sql_parameterize.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string sql(reinterpret_cast<const char*>(data), size);
  // The rewrite takes a text whose markers are already "?", as the
  // connection gives it.
  const veiculo::platform::MarkedSql marked = veiculo::platform::ParseMarkers(sql);
  const veiculo::platform::ParameterizedSql result =
      veiculo::platform::ParameterizeLiterals(marked.positional);
  if (result.literals.empty()) return 0;
  int originals = 0;
  for (int source : result.sources) {
    if (source >= 0) {
      FUZZ_CHECK(source == originals);  // original markers keep their order
      ++originals;
    } else {
      FUZZ_CHECK(static_cast<size_t>(-(source + 1)) < result.literals.size());
    }
  }
  FUZZ_CHECK(result.sources.size() >= result.literals.size());
  for (const auto& literal : result.literals)
    if (literal.kind == veiculo::platform::SqlLiteral::Kind::Number)
      FUZZ_CHECK(!literal.value.empty());
  return 0;
}
