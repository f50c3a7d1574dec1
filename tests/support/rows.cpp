#include "support/rows.h"

#include <sstream>
#include <stdexcept>

#include "platform/db/sql_dataset.h"

namespace veiculo::testing {

Columns Cols(const std::string& names, const std::vector<Value>& values, const std::string& table) {
  std::istringstream in(names);
  Columns out;
  for (std::string name; in >> name;) out.push_back({name, Value()});
  if (out.size() != values.size())
    throw std::invalid_argument("row of " + (table.empty() ? std::string("a table") : table) +
                                ": " + std::to_string(out.size()) + " column names (" + names +
                                ") for " + std::to_string(values.size()) + " values");
  for (size_t i = 0; i < values.size(); ++i) out[i].value = values[i];
  return out;
}

Columns operator+(Columns a, const Columns& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Columns Overridden(Columns base, const Columns& given) {
  for (const Column& g : given) {
    bool replaced = false;
    for (Column& b : base) {
      if (b.name == g.name) {
        b.value = g.value;
        replaced = true;
      }
    }
    if (!replaced) base.push_back(g);
  }
  return base;
}

void Insert(Connection& connection, const std::string& table, const Columns& columns) {
  if (columns.empty()) throw std::invalid_argument("row of " + table + ": no columns");
  std::string names;
  std::string markers;
  for (const Column& column : columns) {
    names += (names.empty() ? "" : ", ") + column.name;
    markers += (markers.empty() ? ":" : ", :") + column.name;
  }
  platform::SqlDataSet insert("seed" + table, &connection);
  insert.SetCommandText("insert into " + table + " (" + names + ") values (" + markers + ")");
  for (const Column& column : columns) insert.ParamByName(column.name).value = column.value;
  insert.ExecSQL();
}

void Insert(Connection& connection, const std::string& table, const std::string& names,
            const std::vector<Value>& values) {
  Insert(connection, table, Cols(names, values, table));
}

void InsertRows(Connection& connection, const std::string& table, const std::string& names,
                const std::vector<std::vector<Value>>& rows) {
  for (const std::vector<Value>& values : rows) Insert(connection, table, names, values);
}

}  // namespace veiculo::testing
