// The rebate of the financial base: its value carried by the index to a date
// some days after the start, less its value carried to the end date, never
// below 0.

#include <gtest/gtest.h>

#include "value_sources/present_value_fixture.h"
#include "value_sources/present_value_seed.h"

namespace veiculo::testing {
namespace {

class RebateTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    SeedIndice(connection(), 7, "D");  // daily index levels
    SeedValorIndice(connection(), 7, Dia(2025, 3, 1), 100);
    SeedValorIndice(connection(), 7, Dia(2025, 3, 31), 102);
    SeedValorIndice(connection(), 7, Dia(2025, 4, 15), 103);
    SeedValorIndice(connection(), 7, Dia(2025, 4, 30), 104);
    dm.SetBase_Financeiro(10000);
  }
};

TEST_F(RebateTest, ShortenedTermWorthMoreGivesTheDifference) {
  // 45 days after 01/03 is 15/04: 10000 / 100 * 103 = 10300;
  // to 31/03: 10000 / 100 * 102 = 10200; rebate 100.
  EXPECT_DOUBLE_EQ(dm.BuscaRebate(1, 99, 7, 45, Dia(2025, 3, 1), Dia(2025, 3, 31)), 100);
}

TEST_F(RebateTest, NeverNegative) {
  // 10300 to 15/04 against 10000 / 100 * 104 = 10400 to 30/04: -100 gives 0.
  EXPECT_DOUBLE_EQ(dm.BuscaRebate(1, 1, 7, 45, Dia(2025, 3, 1), Dia(2025, 4, 30)), 0);
}

TEST_F(RebateTest, MissingIndexValueLeavesTheBaseUncorrected) {
  // No level on 20/03: the full-term leg stays 10000; 10300 - 10000 = 300.
  EXPECT_DOUBLE_EQ(dm.BuscaRebate(1, 1, 7, 45, Dia(2025, 3, 1), Dia(2025, 3, 20)), 300);
}

}  // namespace
}  // namespace veiculo::testing
