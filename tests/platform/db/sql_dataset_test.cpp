#include "platform/db/sql_dataset.h"

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
    Exec("insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO, UF_PADRAO) values (1, 2, 7, 9)");
    Exec("insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO, UF_PADRAO) values (1, 3, 8, 10)");
  }
  void Exec(const std::string& sql) {
    SqlDataSet ds("sdsExecuta", &connection());
    ds.SetCommandText(sql);
    ds.ExecSQL();
  }
};

TEST_F(SqlDataSetTest, ParametersMatchMarkersWithoutRegardToCase) {
  SqlDataSet ds("sdsParametro", &connection());
  ds.SetCommandText("select * from VEI_PARAMETRO where EMPRESA = :Empresa and REVENDA = :Revenda");
  ASSERT_EQ(ds.GetParams().Count(), 2u);
  ds.ParamByName("empresa").SetAsInteger(1);
  ds.ParamByName("REVENDA").SetAsInteger(3);
  ds.Open();
  ASSERT_EQ(ds.RecordCount(), 1);
  EXPECT_EQ(ds.FieldByName("ub_padrao").AsInteger(), 8);
  EXPECT_EQ(ds.FieldByName("UF_PADRAO").AsInteger(), 10);
}

TEST_F(SqlDataSetTest, NameUsedTwiceBindsTheSameValue) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText(
      "select REVENDA from VEI_PARAMETRO where EMPRESA = :E and (REVENDA = :R or UB_PADRAO = :r)"
      " /* a colon: inside a comment */ and 'x:y' = 'x:y' order by REVENDA");
  ASSERT_EQ(ds.GetParams().Count(), 2u);
  ds.ParamByName("E").SetAsInteger(1);
  ds.ParamByName("R").SetAsInteger(8);  // matches UB_PADRAO of dealer 3 only
  ds.Open();
  ASSERT_EQ(ds.RecordCount(), 1);
  EXPECT_EQ(ds.FieldByName("REVENDA").AsInteger(), 3);
}

TEST_F(SqlDataSetTest, ReopenWithNewValuesReusesTheText) {
  SqlDataSet ds("sdsParametro", &connection());
  ds.SetCommandText("select UB_PADRAO from VEI_PARAMETRO where EMPRESA = :Empresa and REVENDA = :Revenda");
  ds.ParamByName("Empresa").SetAsInteger(1);
  for (int revenda : {2, 3, 4}) {
    ds.Close();
    ds.ParamByName("Revenda").SetAsInteger(revenda);
    ds.Open();
    if (revenda == 4) {
      EXPECT_TRUE(ds.IsEmpty());
      EXPECT_TRUE(ds.Eof());
      EXPECT_TRUE(ds.FieldByName("UB_PADRAO").IsNull());
    } else {
      EXPECT_EQ(ds.FieldByName("UB_PADRAO").AsInteger(), revenda + 5);
    }
  }
}

TEST_F(SqlDataSetTest, NavigatesRowsInOrder) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText("select REVENDA from VEI_PARAMETRO where EMPRESA = 1 order by REVENDA desc");
  ds.Open();
  std::vector<int64_t> seen;
  for (ds.First(); !ds.Eof(); ds.Next()) seen.push_back(ds.FieldByName("REVENDA").AsInteger());
  EXPECT_EQ(seen, (std::vector<int64_t>{3, 2}));
}

TEST_F(SqlDataSetTest, ReadsTypesNullsAndTrimsFixedText) {
  Exec("insert into GER_REVENDA (EMPRESA, REVENDA, MARCA, PCT_PIS, PCT_COFINS) "
       "values (1, 2, 'RENA', 1.65, 7.6)");
  SqlDataSet ds("sdsRevenda", &connection());
  ds.SetCommandText("select MARCA, PCT_PIS, PCT_COFINS, PCT_PIS_USADOS, "
                    "cast('2024-01-31 10:30:15' as timestamp) STAMP, cast('ab' as char(5)) FIXO "
                    "from GER_REVENDA where EMPRESA = 1 and REVENDA = 2");
  ds.Open();
  EXPECT_EQ(ds.FieldByName("MARCA").AsText(), "RENA");
  EXPECT_DOUBLE_EQ(ds.FieldByName("PCT_PIS").AsFloat() + ds.FieldByName("PCT_COFINS").AsFloat(),
                   9.25);
  EXPECT_TRUE(ds.FieldByName("PCT_PIS_USADOS").IsNull());
  EXPECT_DOUBLE_EQ(ds.FieldByName("PCT_PIS_USADOS").AsFloat(), 0.0);
  EXPECT_DOUBLE_EQ(ds.FieldByName("STAMP").AsDateTime(), EncodeDateTime(2024, 1, 31, 10, 30, 15));
  EXPECT_EQ(ds.FieldByName("FIXO").AsText(), "ab");
}

TEST_F(SqlDataSetTest, RepeatedColumnNamesAreToldApart) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText("select p.EMPRESA, p.REVENDA, q.EMPRESA, q.REVENDA, 5 REVENDA_1 "
                    "from VEI_PARAMETRO p join VEI_PARAMETRO q on q.EMPRESA = p.EMPRESA "
                    "where p.REVENDA = 2 and q.REVENDA = 3");
  ds.Open();
  std::vector<std::string> names;
  for (const FieldDef& f : ds.FieldDefs()) names.push_back(f.name);
  EXPECT_EQ(names, (std::vector<std::string>{"EMPRESA", "REVENDA", "EMPRESA_1", "REVENDA_2",
                                             "REVENDA_1"}));
  EXPECT_EQ(ds.FieldByName("REVENDA").AsInteger(), 2);  // the first one keeps the name
  EXPECT_EQ(ds.FieldByName("REVENDA_2").AsInteger(), 3);
}

TEST_F(SqlDataSetTest, StatementsWithoutARowCountRun) {
  SqlDataSet ds("sdsExecuta", &connection());
  ds.SetCommandText("create table TESTE_DDL (A integer)");
  EXPECT_NO_THROW(ds.ExecSQL());
}

TEST_F(SqlDataSetTest, DateAndFloatParametersBind) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText("select count(*) N from RDB$DATABASE where cast(:D as timestamp) > "
                    "cast('2024-01-30' as timestamp) and cast(:F as double precision) = 2.5");
  ds.ParamByName("D").SetAsDateTime(EncodeDate(2024, 1, 31));
  ds.ParamByName("F").SetAsFloat(2.5);
  ds.Open();
  EXPECT_EQ(ds.FieldByName("N").AsInteger(), 1);
}

TEST_F(SqlDataSetTest, ErrorsNameTheProblem) {
  SqlDataSet ds("sdsAux", &connection());
  ds.SetCommandText("select * from TABELA_QUE_NAO_EXISTE");
  try {
    ds.Open();
    FAIL() << "open of a missing table succeeded";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Database);
    EXPECT_NE(std::string(e.what()).find("TABELA_QUE_NAO_EXISTE"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("sdsAux"), std::string::npos);
  }
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
  int calls = 0;
  ds.BeforeOpen = [&](DataSet& d) {
    ++calls;
    static_cast<SqlDataSet&>(d).ReplaceCommandText("select 2 N from RDB$DATABASE");
  };
  std::vector<std::string> log;
  connection().SetStatementLog([&](const std::string& sql) { log.push_back(sql); });
  ds.Open();
  connection().SetStatementLog(nullptr);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(ds.FieldByName("N").AsInteger(), 2);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "select 2 N from RDB$DATABASE");
}

}  // namespace
}  // namespace veiculo::platform
