#pragma once
// Text of the statements a provider generates for one changed row, with
// named parameters (":P1", ":P2", ...) and their values.

#include <string>
#include <vector>

#include "platform/db/provider.h"

namespace veiculo::platform {

struct GeneratedStatement {
  std::string sql;
  std::vector<Value> values;  // for :P1, :P2, ... in order
};

struct UpdateTarget {
  std::string table;
  std::vector<FieldDef> fields;            // the client dataset's fields
  std::vector<bool> writable;              // field belongs to the table
  std::vector<std::string> key_columns;    // may be empty for WhereAll / WhereChanged
  UpdateMode mode = UpdateMode::WhereAll;
  bool quote = false;
};

// Throws veiculo::Error when the row cannot be located under the mode
// (WhereKeyOnly without key columns, or an update that changed nothing).
GeneratedStatement GenerateStatement(const UpdateTarget& target, const RowChange& change);

// The first table name after FROM in a select text; empty when none.
std::string FirstTableOf(const std::string& select_sql);

}  // namespace veiculo::platform
