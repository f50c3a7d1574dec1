#pragma once
// Rows read back as one text each, the values joined by '|' ("1|30|A|NULL"),
// so that an expectation of several rows reads as a short list of lines.

#include <string>
#include <vector>

#include "support/query.h"

namespace veiculo::testing {

using Lines = std::vector<std::string>;

inline Lines RowLines(Connection& connection, const std::string& sql) {
  Lines lines;
  for (const auto& row : QueryRows(connection, sql)) {
    std::string& line = lines.emplace_back();
    for (size_t i = 0; i < row.size(); ++i) line += (i ? "|" : "") + row[i];
  }
  return lines;
}

}  // namespace veiculo::testing
