#pragma once
// Seeding and reading for the proposal tests: one row writer for company 1's
// tables and a module fixture bound to the test database, with readers that
// give what the operations wrote as text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/catalogue_seed.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "platform/text.h"
#include "support/module_test_peer.h"
#include "support/test_database.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::testing {

using TextRows = std::vector<std::vector<std::string>>;

inline double Moment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return platform::EncodeDateTime(year, month, day, hour, minute, second);
}
inline Value At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return Value::DateTime(Moment(y, mo, d, h, mi, s));
}
inline Value Int(int64_t v) {
  return Value::Integer(v);
}
inline Value Txt(std::string v) {
  return Value::Text(std::move(v));
}
inline Value Num(double v) {
  return Value::Float(v);
}

// A row of company 1 (EMPRESA is written first, then the columns given).
inline void Seed(Connection& c, const std::string& table, std::vector<SeedColumn> columns) {
  columns.insert(columns.begin(), {"EMPRESA", Int(1)});
  InsertRow(c, table, columns);
}

// The module bound to the test database inside the test's transaction.
class ProposalDbTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
  }
  void Seed(const std::string& table, std::vector<SeedColumn> columns) {
    testing::Seed(connection(), table, std::move(columns));
  }
  // The rows of a query as text (dates ISO, floats "0.00", null "NULL").
  TextRows Rows(const std::string& sql) {
    platform::SqlDataSet query("sdsVerifica", &connection());
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
  // The first column of the first row, or "" when there is none.
  std::string One(const std::string& sql) {
    const auto rows = Rows(sql);
    return rows.empty() ? "" : rows[0][0];
  }

  TddmVeiculoCompartilhadoBD dm;
  ModuleTestPeer peer{dm};
};

}  // namespace veiculo::testing
