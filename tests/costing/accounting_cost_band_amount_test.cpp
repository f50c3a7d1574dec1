// A band fixed amount belongs to the line whose band set it: the accounting
// cost stored by CalculoCustoVeiculo after a formula whose last line matched
// a fixed-amount band values its own lines by their incidences.

#include <gtest/gtest.h>

#include "costing/vehicle_cost_seed.h"

namespace veiculo::testing {
namespace {

class AccountingCostBandAmountTest : public VehicleCostTest {
 protected:
  void SetUp() override {
    VehicleCostTest::SetUp();
    SeedWorld();
    // 1: the entry invoice, 60,000.00, in the total and the accounting cost.
    SeedLine(connection(), 1, "C", Cols("CUSTO_TOTAL CUSTO_CONTABIL", {T("+"), T("+")}));
    // 9 (last): a sale-value line in the total only, whose band on the
    // historic profit gives a fixed amount of 777.00.
    SeedLine(connection(), 9, "V", Cols("CUSTO_TOTAL", {T("+")}));
  }
};

TEST_F(AccountingCostBandAmountTest, TheLastLinesBandAmountStaysWithThatLine) {
  struct Case {
    const char* name;
    double inicial, final;  // the band's range of the historic profit, in %
    const char* linha9;     // line 9 as stored: "line|percentage|historic|present|F&I"
  };
  // The sale: the negotiation's payments, 50,000 + 40,000 = 90,000. After
  // line 1 the historic profit is (90,000 - 60,000) / 90,000 = 33.33 %.
  const Case cases[] = {
      // The band matches: line 9 is 777.00.
      {"a matching band", 0, 100, "9|NULL|777.00|777.00|NULL"},
      // It does not: line 9 is the sale value.
      {"a band out of range", 50, 100, "9|NULL|90000.00|90000.00|NULL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Exec("delete from VEI_FORMULA_LINHA_PER");
    SeedBand(connection(), 9, c.inicial, c.final, "L", "H", std::nullopt, 777);
    ASSERT_EQ(Calcula(), "OK|");
    ASSERT_EQ(Custeio().size(), 2u);
    EXPECT_EQ(Custeio()[1], c.linha9);
    // The accounting cost is line 1 alone: 60,000.00 (no adjustments).
    EXPECT_EQ(Veiculo("VAL_CUSTO_CONTABIL"), "60000.00");
  }
}

}  // namespace
}  // namespace veiculo::testing
