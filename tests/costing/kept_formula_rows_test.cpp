// A batch command's connection keeps a formula line's percentage and bands
// for its transaction: the next vehicle reads them without a statement, and
// a change to them made through the connection is read again.

#include <gtest/gtest.h>

#include <functional>

#include "costing/incidence_seed.h"
#include "platform/db/connection_impl.h"
#include "platform/db/sql_dataset.h"

namespace veiculo::testing {
namespace {

class KeptFormulaRowsTest : public IncidenceTest {
 protected:
  void SetUp() override {
    IncidenceTest::SetUp();
    platform::ImplOf(connection()).Rows().SetEnabled(true);
  }
  void TearDown() override {
    platform::ImplOf(connection()).Rows().SetEnabled(false);
    IncidenceTest::TearDown();
  }
  // The percentage of line 1 for a historic figure of 8, and whether
  // finding it sent a statement.
  std::pair<double, bool> Percentual() {
    const long before = connection().StatementCount();
    bool variavel = false;
    const double p =
        module().BuscaPercentualVariavel(1, 1, "F1", 8, 100, 100, 100, 100, 100, variavel);
    return {p, connection().StatementCount() > before};
  }
};

TEST_F(KeptFormulaRowsTest, BandsAreReadOnceUntilTheConnectionChangesThem) {
  struct Case {
    const char* what;
    std::function<void()> between;
    std::pair<double, bool> second;
  };
  const Case cases[] = {
      {"nothing", [] {}, {3, false}},
      {"the band changed",
       [this] { Write("update VEI_FORMULA_LINHA_PER set PERCENTUAL_FORMULA = 9"); },
       {9, true}},
      // The line's own percentage applies once no band holds the figure.
      {"the band moved and the line changed",
       [this] {
         Write("update VEI_FORMULA_LINHA_PER set LIMITE_INICIAL = 50, LIMITE_FINAL = 60");
         Write("update VEI_FORMULA_LINHA set PERCENTUAL = 2");
       },
       {2, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SeedLine(connection(), 1, "V", {{"PERCENTUAL", Money(5)}});
    SeedBand(connection(), 1, 0, 10, "L", "H", 3);
    EXPECT_EQ(Percentual(), std::make_pair(3.0, true));
    c.between();
    EXPECT_EQ(Percentual(), c.second);
    Write("delete from VEI_FORMULA_LINHA_PER");
    Write("delete from VEI_FORMULA_LINHA");
  }
}

}  // namespace
}  // namespace veiculo::testing
