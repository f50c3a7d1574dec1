#include "support/query.h"

#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "platform/text.h"

namespace veiculo::testing {

TextRows QueryRows(Connection& connection, const std::string& sql) {
  platform::SqlDataSet query("sdsVerifica", &connection);
  query.SetCommandText(sql);
  query.Open();
  TextRows rows;
  for (; !query.Eof(); query.Next()) {
    std::vector<std::string>& row = rows.emplace_back();
    for (int i = 0; i < query.FieldCount(); ++i) {
      const Value& v = query.Fields(i).AsValue();
      if (v.IsNull())
        row.push_back("NULL");
      else if (v.type() == FieldType::DateTime)
        row.push_back(platform::DateTimeToIso(v.AsDateTime()));
      else if (v.type() == FieldType::Float)
        row.push_back(platform::FormatFloat("0.00", v.AsFloat(), platform::SqlFormatSettings()));
      else
        row.push_back(platform::Trim(v.AsText()));
    }
  }
  return rows;
}

std::vector<std::string> QueryLines(Connection& connection, const std::string& sql) {
  std::vector<std::string> lines;
  for (const std::vector<std::string>& row : QueryRows(connection, sql)) {
    std::string& line = lines.emplace_back();
    for (size_t i = 0; i < row.size(); ++i) line += (i ? "|" : "") + row[i];
  }
  return lines;
}

std::string QueryValue(Connection& connection, const std::string& sql) {
  return QueryRows(connection, sql).at(0).at(0);
}

}  // namespace veiculo::testing
