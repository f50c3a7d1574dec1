// Literal texts run with their literals bound give what the texts as written
// give: the same rows, the same errors, the same rows written; and texts that
// differ only in their values share one prepared statement.

#include <gtest/gtest.h>

#include "platform/db/connection_impl.h"
#include "platform/db/sql_dataset.h"
#include "support/test_database.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

class ParameterizedStatementsTest : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    Seed();
  }
  void Seed() {
    // P1: VARCHAR(20) code, CHAR(1), DATE, TIMESTAMP, NUMERIC(15,2),
    // NUMERIC(9,4), INTEGER and a VARCHAR(10) holding digits.
    Run("insert into VEI_VEICULO (EMPRESA, VEICULO, NOVO_USADO, DTA_VENDA, DTA_ENTRADA, "
        "VAL_COMPRA, PERCENTUAL_LUCRO, REVENDA_ORIGEM, SITUACAO, COR) values (1, 'P1', 'N', "
        "'2024-02-29', '2024-02-29 13:45:10', 1234.50, -2.5, 7, '05', 'ação')");
    Run("insert into VEI_VEICULO (EMPRESA, VEICULO, VAL_COMPRA) values (1, 'P''2', 10)");
  }
  void TearDown() override {
    connection().SetParameterizeLiterals(true);
    DbTest::TearDown();
  }

  // The rows as one text ("A|B;A|B"), or "error" when the engine refused it.
  std::string Run(const std::string& sql) {
    SqlDataSet ds("sdsAux", &connection());
    ds.SetCommandText(sql);
    try {
      if (sql.rfind("select", 0) != 0) return std::to_string(ds.ExecSQL()) + " rows";
      std::string out;
      for (ds.Open(); !ds.Eof(); ds.Next()) {
        out += out.empty() ? "" : ";";
        for (int i = 0; i < ds.FieldCount(); ++i) out += (i ? "|" : "") + ds.Fields(i).AsText();
      }
      return out;
    } catch (const Error& e) {
      return e.category() == ErrorCategory::Database ? "error" : e.what();
    }
  }
  // The same text with literals bound and as written.
  std::pair<std::string, std::string> BothWays(const std::string& sql) {
    connection().SetParameterizeLiterals(true);
    std::string bound = Run(sql);
    connection().SetParameterizeLiterals(false);
    std::string written = Run(sql);
    connection().SetParameterizeLiterals(true);
    return {bound, written};
  }
};

TEST_F(ParameterizedStatementsTest, BoundLiteralsReadAsTheTextAsWritten) {
  struct Case {
    std::string where, expected;  // the codes of the vehicles found, or "error"
  };
  const Case cases[] = {
      {"VEICULO = 'P1'", "P1"},
      {"VEICULO = 'P''2'", "P'2"},
      {"VEICULO = '123456789012345678901'", ""},  // longer than VARCHAR(20): no row, no error
      {"VEICULO in ('P1', 'P''2', '123456789012345678901')", "P'2;P1"},
      {"NOVO_USADO = 'N  '", "P1"},  // CHAR compares without trailing blanks
      {"COR = 'ação'", "P1"},
      {"VAL_COMPRA = 1234.5", "P1"},
      {"VAL_COMPRA = 1234.505", ""},  // more decimals than the column: compared exactly
      {"VAL_COMPRA = 1234", ""},
      {"VAL_COMPRA between 10 and 1234.499", "P'2"},
      {"PERCENTUAL_LUCRO = -2.5", "P1"},
      {"PERCENTUAL_LUCRO < -2.50001", ""},
      {"REVENDA_ORIGEM = 7.0", "P1"},
      {"REVENDA_ORIGEM = 7.5", ""},
      {"REVENDA_ORIGEM = 99999999999", ""},  // past INTEGER's range
      {"REVENDA_ORIGEM = '7'", "P1"},
      {"SITUACAO = 5", "P1"},  // a number against text compares by value: '05' = 5
      {"DTA_VENDA = '2024-02-29'", "P1"},
      {"DTA_VENDA = '29.02.2024'", "P1"},
      {"DTA_VENDA = '2023-02-29'", "error"},  // not a day
      {"DTA_ENTRADA = '2024-02-29 13:45:10'", "P1"},
      {"DTA_ENTRADA > '2024-02-29'", "P1"},
  };
  for (const Case& c : cases) {
    const auto [bound, written] = BothWays(
        "select VEICULO from VEI_VEICULO where EMPRESA = 1 and " + c.where + " order by VEICULO");
    EXPECT_EQ(written, c.expected) << c.where;
    EXPECT_EQ(bound, written) << c.where;
  }
}

TEST_F(ParameterizedStatementsTest, WritesWhatTheTextAsWrittenWrites) {
  struct Case {
    std::string statement, result, check, expected;
  };
  const Case cases[] = {
      // 99.999 rounds to the column's two decimals as the engine stores it.
      {"update VEI_VEICULO set VAL_COMPRA = 99.999, COR = 'azul' where VEICULO = 'P1'", "1 rows",
       "select VAL_COMPRA, COR from VEI_VEICULO where VEICULO = 'P1'", "100|azul"},
      {"insert into VEI_VEICULO (EMPRESA, VEICULO, VAL_COMPRA, DTA_VENDA) values (1, 'P3', "
       "-0.5, '2025-01-31')",
       "1 rows", "select VAL_COMPRA, DTA_VENDA from VEI_VEICULO where VEICULO = 'P3'",
       "-0,5|31/01/2025"},
      {"insert into VEI_VEICULO (EMPRESA, VEICULO) values (1, '123456789012345678901')", "error",
       "select count(*) from VEI_VEICULO where VEICULO starting with '1234'", "0"},
  };
  for (bool bound : {true, false}) {
    for (const Case& c : cases) {
      connection().SetParameterizeLiterals(bound);
      EXPECT_EQ(Run(c.statement), c.result) << c.statement << (bound ? " bound" : " as written");
      EXPECT_EQ(Run(c.check), c.expected) << c.statement << (bound ? " bound" : " as written");
    }
    connection().Rollback();
    connection().Begin();
    Seed();
  }
}

TEST_F(ParameterizedStatementsTest, TextsThatDifferOnlyInValuesShareOneStatement) {
  ConnectionImpl& engine = ImplOf(connection());
  for (bool bound : {true, false}) {
    connection().SetParameterizeLiterals(bound);
    const long before = engine.PrepareCount();
    for (const char* code : {"P1", "P'2", "P4", "P5"})
      Run("select VAL_COMPRA, VEICULO from VEI_VEICULO where VEICULO = '" +
          std::string(code == std::string("P'2") ? "P''2" : code) + "' and EMPRESA = 1");
    EXPECT_EQ(engine.PrepareCount() - before, bound ? 1 : 4) << bound;
  }
}

}  // namespace
}  // namespace veiculo::platform
