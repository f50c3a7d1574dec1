#pragma once
// The proposal tests' fixture: the module bound to the test database inside the
// test's transaction, one row writer for company 1 and readers giving text.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "platform/text.h"
#include "support/kit.h"
#include "support/module_test_peer.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::testing {

class ProposalDbTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
  }
  // Rows of company 1: `columns` names the columns after EMPRESA and each row
  // gives their values as SQL literals.
  void Insert(const std::string& table, const std::string& columns,
              std::initializer_list<std::string> rows) {
    for (const std::string& row : rows)
      Sql("insert into " + table + " (EMPRESA, " + columns + ") values (1, " + row + ")");
  }
  void Sql(const std::string& sql) { connection().ExecuteDirect(sql); }
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
  std::string One(const std::string& sql) { return Rows(sql).at(0).at(0); }  // first value

  TddmVeiculoCompartilhadoBD dm;
  ModuleTestPeer peer{dm};
};

}  // namespace veiculo::testing
