#pragma once
// Inserts rows into one table through one prepared statement: the insert text
// is prepared on the first row and re-executed with each row's values, which
// is what keeps thousands of demo rows fast.

#include <string>
#include <vector>

#include "platform/db/sql_dataset.h"
#include "veiculo/value.h"

namespace veiculo {
class Connection;
}

namespace veiculo::demo {

class TableWriter {
 public:
  TableWriter(Connection& connection, const std::string& table,
              const std::vector<std::string>& columns);

  // One value per column, in column order. Throws veiculo::Error (validation)
  // for a wrong count, (database) when the engine refuses the row.
  void Insert(const std::vector<Value>& values);

 private:
  platform::SqlDataSet statement_;
  std::string table_;
  size_t column_count_;
};

// Short spellings for the rows of the demo tables.
inline Value Int(int64_t value) {
  return Value::Integer(value);
}
inline Value Num(double value) {
  return Value::Float(value);
}
inline Value Txt(std::string value) {
  return Value::Text(std::move(value));
}
Value Date(int year, int month, int day);
inline Value Null() {
  return Value();
}

}  // namespace veiculo::demo
