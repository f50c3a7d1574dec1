#include "platform/db/sql_dataset.h"
#include "support/expect_error.h"

#include <gtest/gtest.h>

#include "platform/format/date_time.h"
#include "support/test_database.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

class SqlDataSetTest : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    Write("insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO, UF_PADRAO) values (1, 2, 7, 9)");
    Write(
        "insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO, UF_PADRAO) values (1, 3, 8, 10)");
  }
};

TEST_F(SqlDataSetTest, ParametersMatchMarkersWithoutCaseAndReopenWithNewValues) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText(
      "select UB_PADRAO from VEI_PARAMETRO where EMPRESA = :E and (REVENDA = :R or UF_PADRAO = :r)"
      " /* a colon: inside a comment */ and 'x:y' = 'x:y'");
  ASSERT_EQ(ds.GetParams().Count(), 2u);
  ds.ParamByName("e").SetAsInteger(1);
  // R = 10 matches only UF_PADRAO of dealer 3; then dealer 2; then no dealer.
  const std::pair<int, int> cases[] = {{10, 8}, {2, 7}, {4, 0}};
  for (const auto& [revenda, ub] : cases) {
    ds.Close();
    ds.ParamByName("R").SetAsInteger(revenda);
    ds.Open();
    EXPECT_EQ(ds.RecordCount(), ub ? 1 : 0) << revenda;
    EXPECT_EQ(ds.FieldByName("ub_padrao").AsInteger(), ub) << revenda;
  }
  EXPECT_TRUE(ds.Eof());
  EXPECT_TRUE(ds.FieldByName("UB_PADRAO").IsNull());
}

TEST_F(SqlDataSetTest, ReadsTypesNullsTrimsFixedTextAndRenamesRepeatedColumns) {
  Write("insert into GER_REVENDA (EMPRESA, REVENDA, MARCA, PCT_PIS) values (1, 2, 'RENA', 1.65)");
  SqlDataSet ds("sdsRevenda", &connection());
  ds.SetCommandText(
      "select r.PCT_PIS, r.PCT_PIS_USADOS, cast('2024-01-31 10:30:15' as timestamp) "
      "STAMP, cast('ab' as char(5)) FIXO, p.REVENDA, q.REVENDA, 5 REVENDA_1 "
      "from GER_REVENDA r join VEI_PARAMETRO p on p.REVENDA = r.REVENDA "
      "join VEI_PARAMETRO q on q.REVENDA = 3");
  ds.Open();
  EXPECT_DOUBLE_EQ(ds.FieldByName("PCT_PIS").AsFloat(), 1.65);
  EXPECT_TRUE(ds.FieldByName("PCT_PIS_USADOS").IsNull());
  EXPECT_DOUBLE_EQ(ds.FieldByName("STAMP").AsDateTime(), EncodeDateTime(2024, 1, 31, 10, 30, 15));
  EXPECT_EQ(ds.FieldByName("FIXO").AsText(), "ab");
  // The first REVENDA keeps the name; the second skips the native REVENDA_1.
  EXPECT_EQ(ds.FieldDefs()[5].name, "REVENDA_2");
  EXPECT_EQ(ds.FieldByName("REVENDA").AsInteger(), 2);
  EXPECT_EQ(ds.FieldByName("REVENDA_2").AsInteger(), 3);
  EXPECT_EQ(ds.FieldByName("REVENDA_1").AsInteger(), 5);
}

TEST_F(SqlDataSetTest, DateAndFloatParametersBindAndDdlRuns) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText(
      "select count(*) N from RDB$DATABASE where cast(:D as timestamp) > "
      "cast('2024-01-30' as timestamp) and cast(:F as double precision) = 2.5");
  ds.ParamByName("D").SetAsDateTime(EncodeDate(2024, 1, 31));
  ds.ParamByName("F").SetAsFloat(2.5);
  ds.Open();
  EXPECT_EQ(ds.FieldByName("N").AsInteger(), 1);
  EXPECT_NO_THROW(Write("create table TESTE_DDL (A integer)"));  // no row count
}

TEST_F(SqlDataSetTest, ErrorsNameTheProblem) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText("select * from TABELA_QUE_NAO_EXISTE");
  // The error names the table and the dataset.
  EXPECT_VEICULO_ERROR(ds.Open(), ErrorCategory::Database, "TABELA_QUE_NAO_EXISTE");
  EXPECT_VEICULO_ERROR(ds.Open(), ErrorCategory::Database, "sdsAux");
  EXPECT_FALSE(ds.Active());
  SqlDataSet unbound("sdsSolto");
  unbound.SetCommandText("select 1 from RDB$DATABASE");
  EXPECT_THROW(unbound.Open(), Error);
  ds.SetCommandText("select * from VEI_PARAMETRO");
  ds.Open();
  EXPECT_THROW(ds.FieldByName("NAO_EXISTE"), Error);
}

TEST_F(SqlDataSetTest, BeforeOpenMayRewriteTheText) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText("select 1 N from RDB$DATABASE");
  ds.BeforeOpen = [&](DataSet& d) {
    static_cast<SqlDataSet&>(d).ReplaceCommandText("select 2 N from RDB$DATABASE");
  };
  std::vector<std::string> log;
  connection().SetStatementLog([&](const std::string& sql) { log.push_back(sql); });
  ds.Open();
  connection().SetStatementLog(nullptr);
  EXPECT_EQ(ds.FieldByName("N").AsInteger(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"select 2 N from RDB$DATABASE"}));
}

}  // namespace
}  // namespace veiculo::platform
