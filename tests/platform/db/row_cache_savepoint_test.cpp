// Kept rows across the savepoints a batch command sets per vehicle: setting
// or releasing one changes no row, so the rows stay; rolling back to one may
// undo a change the rows were read after, so they go.

#include <gtest/gtest.h>

#include "platform/db/connection_impl.h"
#include "platform/db/sql_dataset.h"
#include "support/test_database.h"

namespace veiculo::platform {
namespace {

class RowCacheSavepointTest : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    Exec("insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO) values (1, 2, 7)");
    ImplOf(connection()).Rows().SetEnabled(true);
  }
  void TearDown() override {
    ImplOf(connection()).Rows().SetEnabled(false);
    DbTest::TearDown();
  }
  void Exec(const std::string& sql) {
    SqlDataSet ds("sdsExecuta", &connection());
    ds.SetCommandText(sql);
    ds.ExecSQL();
  }
  // UB_PADRAO of dealer 2 through a dataset that keeps its rows, and
  // whether reading it sent a statement.
  std::pair<long long, bool> Read() {
    SqlDataSet ds("sdsParametro", &connection());
    ds.SetRowsCacheable(true);
    ds.SetCommandText("select UB_PADRAO from VEI_PARAMETRO where EMPRESA = 1 and REVENDA = 2");
    const long before = connection().StatementCount();
    ds.Open();
    return {ds.FieldByName("UB_PADRAO").AsInteger(), connection().StatementCount() > before};
  }
  void Control(const std::string& sql) { ImplOf(connection()).RunControl(sql); }
};

TEST_F(RowCacheSavepointTest, SavepointsKeepRowsAndRollingBackToOneDropsThem) {
  Control("SAVEPOINT VEICULO_LOTE");
  EXPECT_EQ(Read(), std::make_pair(7LL, true));
  Control("SAVEPOINT VEICULO_LOTE");  // the next vehicle: the previous one is released
  EXPECT_EQ(Read(), std::make_pair(7LL, false));
  Control("RELEASE SAVEPOINT VEICULO_LOTE");
  EXPECT_EQ(Read(), std::make_pair(7LL, false));

  // A change read after the savepoint, then undone: the kept row must go.
  Control("SAVEPOINT VEICULO_LOTE");
  Exec("update VEI_PARAMETRO set UB_PADRAO = 9 where REVENDA = 2");
  EXPECT_EQ(Read(), std::make_pair(9LL, true));
  EXPECT_EQ(Read(), std::make_pair(9LL, false));
  Control("ROLLBACK TO SAVEPOINT VEICULO_LOTE");
  EXPECT_EQ(Read(), std::make_pair(7LL, true));
}

}  // namespace
}  // namespace veiculo::platform
