// Rows kept for the transaction: served again without a statement for the
// same text and values, dropped when the connection writes their table or
// the transaction ends, never served when the connection does not keep rows.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/db/connection_impl.h"
#include "platform/db/row_cache.h"
#include "platform/db/sql_dataset.h"
#include "support/test_database.h"

namespace veiculo::platform {
namespace {

class RowCacheTest : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    Seed();
  }
  void Seed() {
    Write("insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO) values (1, 2, 7)");
    Write("insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO) values (1, 3, 8)");
    ImplOf(connection()).Rows().SetEnabled(true);
  }
  void TearDown() override {
    ImplOf(connection()).Rows().SetEnabled(false);
    DbTest::TearDown();
  }
  // UB_PADRAO of a dealer read through a dataset that keeps its rows, and
  // whether reading it sent a statement.
  std::pair<long long, bool> Read(int revenda, bool cacheable = true) {
    SqlDataSet ds("sdsParametro", &connection());
    ds.SetRowsCacheable(cacheable);
    ds.SetCommandText(
        "select UB_PADRAO from VEI_PARAMETRO where EMPRESA = 1 and REVENDA = :Revenda");
    ds.ParamByName("Revenda").SetAsInteger(revenda);
    const long before = connection().StatementCount();
    ds.Open();
    return {ds.FieldByName("UB_PADRAO").AsInteger(), connection().StatementCount() > before};
  }
};

TEST_F(RowCacheTest, KeptRowsAreServedUntilTheirTableIsWrittenOrTheTransactionEnds) {
  using Step = std::function<void()>;
  struct Case {
    const char* what;
    Step between;     // what happens between two reads of dealer 2
    bool read_again;  // the second read sends a statement
    long long ub;     // and finds this UB_PADRAO
  };
  const Case cases[] = {
      {"nothing", [] {}, false, 7},
      {"another dealer read", [this] { Read(3); }, false, 7},
      {"another table written",
       [this] { Write("update GER_REVENDA set MARCA = 'X' where EMPRESA = 1"); }, false, 7},
      {"the table written",
       [this] { Write("update VEI_PARAMETRO set UB_PADRAO = 9 where REVENDA = 2"); }, true, 9},
      {"the table written under a quoted name",
       [this] { Write("update \"VEI_PARAMETRO\" set UB_PADRAO = 9 where REVENDA = 2"); }, true, 9},
      {"rows inserted",
       [this] { Write("insert into VEI_PARAMETRO(EMPRESA, REVENDA) values (1, 4)"); }, true, 7},
      {"a statement run as it stands",
       [this] { connection().ExecuteDirect("update GER_REVENDA set MARCA = MARCA where 1 = 0"); },
       true, 7},
      {"a rollback",
       [this] {
         connection().Rollback();
         connection().Begin();
         Seed();
       },
       true, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(2), std::make_pair(7LL, true)) << c.what;
    c.between();
    EXPECT_EQ(Read(2), std::make_pair(c.ub, c.read_again)) << c.what;
    connection().Rollback();
    connection().Begin();
    Seed();
  }
}

TEST_F(RowCacheTest, NothingIsKeptForOtherDatasetsNorWhenTheConnectionKeepsNoRows) {
  Read(2);
  EXPECT_EQ(Read(2, false), std::make_pair(7LL, true));
  ImplOf(connection()).Rows().SetEnabled(false);
  Read(2);
  EXPECT_EQ(Read(2), std::make_pair(7LL, true));
}

// A batch command sets a savepoint per vehicle: setting or releasing one
// changes no row, so the rows stay; rolling back to one may undo a change the
// rows were read after, so they go.
TEST_F(RowCacheTest, SavepointsKeepRowsAndRollingBackToOneDropsThem) {
  const auto control = [this](const std::string& sql) { ImplOf(connection()).RunControl(sql); };
  control("SAVEPOINT VEICULO_LOTE");
  EXPECT_EQ(Read(2), std::make_pair(7LL, true));
  control("SAVEPOINT VEICULO_LOTE");  // the next vehicle: the previous one is released
  EXPECT_EQ(Read(2), std::make_pair(7LL, false));
  control("RELEASE SAVEPOINT VEICULO_LOTE");
  EXPECT_EQ(Read(2), std::make_pair(7LL, false));

  // A change read after the savepoint, then undone: the kept row must go.
  control("SAVEPOINT VEICULO_LOTE");
  Write("update VEI_PARAMETRO set UB_PADRAO = 9 where REVENDA = 2");
  EXPECT_EQ(Read(2), std::make_pair(9LL, true));
  EXPECT_EQ(Read(2), std::make_pair(9LL, false));
  control("ROLLBACK TO SAVEPOINT VEICULO_LOTE");
  EXPECT_EQ(Read(2), std::make_pair(7LL, true));
}

// A select that reads several tables (a join, a subquery) keeps its rows
// only until any of them is written: the entry-invoice joins of a costing
// are read by several formula lines of a vehicle.
TEST_F(RowCacheTest, KeptRowsOfAJoinOrSubqueryGoWhenAnyTableTheyReadIsWritten) {
  Write("insert into GER_REVENDA (EMPRESA, REVENDA, MARCA) values (1, 2, 'A')");
  const std::string join =
      "select p.UB_PADRAO, r.MARCA from VEI_PARAMETRO p, GER_REVENDA r"
      " where p.EMPRESA = r.EMPRESA and p.REVENDA = r.REVENDA and p.REVENDA = 2";
  const std::string subquery =
      "select UB_PADRAO, 'A' MARCA from VEI_PARAMETRO where REVENDA in"
      " (select REVENDA from GER_REVENDA where MARCA = 'A' /* VEI_FORMULA_LINHA */)";
  // UB_PADRAO and MARCA read through a dataset that keeps its rows, and
  // whether reading them sent a statement.
  const auto read = [this](const std::string& sql) {
    SqlDataSet ds("sdsJuncao", &connection());
    ds.SetRowsCacheable(true);
    ds.SetCommandText(sql);
    const long before = connection().StatementCount();
    ds.Open();
    const std::string found = ds.IsEmpty()
                                  ? "none"
                                  : std::to_string(ds.FieldByName("UB_PADRAO").AsInteger()) + " " +
                                        ds.FieldByName("MARCA").AsText();
    return std::make_pair(found, connection().StatementCount() > before);
  };
  struct Case {
    const std::string* sql;
    const char* write;  // between two reads
    bool read_again;    // the second read sends a statement
    const char* found;  // and finds this
  };
  const Case cases[] = {
      {&join, "delete from VEI_FORMULA_LINHA where 1 = 0", false, "7 A"},
      {&join, "update VEI_PARAMETRO set UB_PADRAO = 9 where REVENDA = 2", true, "9 A"},
      {&join, "update GER_REVENDA set MARCA = 'B' where REVENDA = 2", true, "7 B"},
      {&subquery, "delete from VEI_FORMULA_LINHA where 1 = 0", false, "7 A"},
      {&subquery, "update GER_REVENDA set MARCA = 'B' where REVENDA = 2", true, "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(read(*c.sql), std::make_pair(std::string("7 A"), true)) << c.write;
    Write(c.write);
    EXPECT_EQ(read(*c.sql), std::make_pair(std::string(c.found), c.read_again)) << c.write;
    connection().Rollback();
    connection().Begin();
    Seed();
    Write("insert into GER_REVENDA (EMPRESA, REVENDA, MARCA) values (1, 2, 'A')");
  }

  // A write that names the table with its owner (another engine's form, told
  // to the cache alone here) drops the rows too.
  read(join);
  ImplOf(connection()).Rows().Ran("update dbo.GER_REVENDA set MARCA = 'B'");
  EXPECT_EQ(read(join), std::make_pair(std::string("7 A"), true));
}

// The names a select holds: quoted texts and comments are no names, numbers
// neither; a quoted name is read by its letters; each name once, upper case.
TEST(RowCacheNames, NamesOutsideQuotesAndComments) {
  struct Case {
    const char* sql;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"select a.X from T a where a.Y = 'U V' -- W\n and 1 = 1",
       {"A", "AND", "FROM", "SELECT", "T", "WHERE", "X", "Y"}},
      {"select 1 from \"T\" /* U */ where Z = 'it''s' or z = :Par",
       {"FROM", "OR", "PAR", "SELECT", "T", "WHERE", "Z"}},
      {"select x from T1, T$2", {"FROM", "SELECT", "T$2", "T1", "X"}},
  };
  for (const Case& c : cases) EXPECT_EQ(RowCache::NamesIn(c.sql), c.names) << c.sql;
}

}  // namespace
}  // namespace veiculo::platform
