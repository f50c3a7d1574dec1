#include "demo/table_writer.h"

#include "platform/format/date_time.h"
#include "veiculo/error.h"

namespace veiculo::demo {

TableWriter::TableWriter(Connection& connection, const std::string& table,
                         const std::vector<std::string>& columns)
    : statement_("sdsDemo" + table, &connection), table_(table), column_count_(columns.size()) {
  std::string names;
  std::string markers;
  for (const std::string& column : columns) {
    names += (names.empty() ? "" : ", ") + column;
    markers += (markers.empty() ? ":" : ", :") + column;
  }
  statement_.SetCommandText("insert into " + table + " (" + names + ") values (" + markers + ")");
}

void TableWriter::Insert(const std::vector<Value>& values) {
  if (values.size() != column_count_)
    throw Error(ErrorCategory::Validation, table_ + ": " + std::to_string(values.size()) +
                                               " values for " + std::to_string(column_count_) +
                                               " columns");
  platform::Params& params = statement_.GetParams();
  for (size_t i = 0; i < values.size(); ++i) params[i].value = values[i];
  statement_.ExecSQL();
}

Value Date(int year, int month, int day) {
  return Value::DateTime(platform::EncodeDate(year, month, day));
}

}  // namespace veiculo::demo
