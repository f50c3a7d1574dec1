#pragma once
// The one row writer of the tests. Column names are given as one
// blank-separated list and the values in the same order; the values are bound
// as parameters, never spliced into the SQL. A count mismatch is a mistake in
// the test and throws (naming the table) rather than writing a partial row.
//
//   Insert(connection(), "VEI_MODELO", "EMPRESA MODELO PRECO_PUBLICO",
//          {I(1), T("M1"), F(90000)});
//
// Builders that compose rows pass Columns instead: Cols(...) + more columns,
// or Overridden(defaults, given) to let a caller replace a default.

#include <string>
#include <vector>

#include "veiculo/connection.h"
#include "veiculo/value.h"

namespace veiculo::testing {

struct Column {
  std::string name;
  Value value;
};
using Columns = std::vector<Column>;

// Columns from blank-separated names and their values; throws
// std::invalid_argument naming `table` when the counts differ.
Columns Cols(const std::string& names, const std::vector<Value>& values,
             const std::string& table = "");

Columns operator+(Columns a, const Columns& b);

// `base` with the columns of `given` replaced (same name) or added.
Columns Overridden(Columns base, const Columns& given);

void Insert(Connection& connection, const std::string& table, const Columns& columns);
void Insert(Connection& connection, const std::string& table, const std::string& names,
            const std::vector<Value>& values);
// Several rows of one table with the same columns, one value list a row.
void InsertRows(Connection& connection, const std::string& table, const std::string& names,
                const std::vector<std::vector<Value>>& rows);

}  // namespace veiculo::testing
