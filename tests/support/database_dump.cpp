#include "support/database_dump.h"

#include <algorithm>
#include <vector>

#include "support/query.h"

namespace veiculo::testing {

namespace {

// The user tables, each with its select list (floating-point columns cast to
// text so that the dump shows every digit) and the columns an ORDER BY may
// name (BLOBs may not be ordered; they are still dumped).
struct Table {
  std::string name;
  std::string select_list;
  std::vector<int> orderable;
  int columns = 0;
};

std::vector<Table> UserTables(Connection& connection) {
  std::vector<Table> tables;
  const TextRows rows =
      QueryRows(connection,
                "select trim(r.RDB$RELATION_NAME), rf.RDB$FIELD_POSITION, f.RDB$FIELD_TYPE, "
                "trim(rf.RDB$FIELD_NAME) "
                "from RDB$RELATIONS r "
                "join RDB$RELATION_FIELDS rf on rf.RDB$RELATION_NAME = r.RDB$RELATION_NAME "
                "join RDB$FIELDS f on f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
                "where coalesce(r.RDB$SYSTEM_FLAG, 0) = 0 and r.RDB$VIEW_BLR is null "
                "order by 1, 2");
  for (const auto& row : rows) {
    if (tables.empty() || tables.back().name != row[0]) tables.push_back({row[0], "", {}, 0});
    Table& table = tables.back();
    ++table.columns;
    const std::string column = "\"" + row[3] + "\"";
    const bool floating = row[2] == "10" || row[2] == "27";
    if (table.columns > 1) table.select_list += ", ";
    table.select_list += floating ? "cast(" + column + " as varchar(30))" : column;
    if (row[2] != "261") table.orderable.push_back(table.columns);
  }
  return tables;
}

}  // namespace

std::string DumpDatabase(Connection& connection) {
  std::string dump;
  for (const Table& table : UserTables(connection)) {
    std::string sql = "select " + table.select_list + " from " + table.name;
    for (size_t i = 0; i < table.orderable.size(); ++i)
      sql += (i == 0 ? " order by " : ", ") + std::to_string(table.orderable[i]);
    for (const auto& row : QueryRows(connection, sql)) {
      dump += table.name;
      for (const std::string& value : row) dump += "|" + value;
      dump += '\n';
    }
  }
  return dump;
}

}  // namespace veiculo::testing
