#pragma once
// The rows a query returned: column definitions and typed values.

#include <memory>
#include <vector>

#include "veiculo/data_packet.h"
#include "veiculo/value.h"

namespace veiculo::platform {

struct QueryRows {
  // Shared by every result of one prepared statement: re-executions do not copy it.
  std::shared_ptr<const std::vector<FieldDef>> columns;
  std::vector<std::vector<Value>> rows;
  // Rows a statement inserted, changed or deleted (0 for a select).
  long long affected_rows = 0;
};

}  // namespace veiculo::platform
