// Present value by the vehicle's financing-plan tiers (incidence "6") and the
// entry point CalculaValorPresente.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "present_value_fixture.h"
#include "present_value_seed.h"

namespace veiculo::testing {
namespace {

struct PlanCase {
  const char* name;
  PlanoFinanciamento plano;
  double dias;
  double expected;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
  *os << c.name;
}

class FinancingPlanTest : public ModuleDbTest, public ::testing::WithParamInterface<PlanCase> {};

TEST_P(FinancingPlanTest, ChargesEachTierOnTheOriginalValue) {
  const PlanCase& c = GetParam();
  SeedVeiculoComPlano(connection(), "V1", c.plano);
  ASSERT_TRUE(dm.LerVeiculo(1, "V1", true));
  const double inicio = Dia(2024, 1, 1);
  double result = 0;
  // No index takes part: nothing is read once the vehicle is loaded.
  EXPECT_EQ(StatementsOf([&] {
              result = dm.BuscaValorPresente(1, 0, 1000, inicio, inicio + c.dias, "6", "V1");
            }),
            0);
  EXPECT_DOUBLE_EQ(result, c.expected);
}

// Tier interest = ((1 + r/100)^(1/30))^(E - B) * 1000 - 1000, rounded to cents.
INSTANTIATE_TEST_SUITE_P(
    Cases, FinancingPlanTest,
    ::testing::Values(
        // 45 days, tier 1 ends at 30: 1.015^(30/30) -> 15.00.
        PlanCase{"FirstTierChargesOnlyItsDays", {{1.5}, {30}}, 45, 1015.00},
        // Tier 2 charges days 30..45: 1.02^(15/30) = 1.0099504938 -> 9.95;
        // 1000 + 15.00 + 9.95.
        PlanCase{"SecondTierChargesTheRest", {{1.5, 2}, {30, 60}}, 45, 1024.95},
        // 90 days: 15.00 + 1.02^(30/30) -> 20.00; nothing beyond tier 2.
        PlanCase{"BothTiersWhole", {{1.5, 2}, {30, 60}}, 90, 1035.00},
        // 20 days: 1.015^(20/30) = 1.0099751652 -> 9.975165 rounds to 9.98;
        // tier 2 starts at 30 > 20 and is skipped.
        PlanCase{"PartOfTheFirstTier", {{1.5, 2}, {30, 60}}, 20, 1009.98},
        // A tier without a rate charges nothing but still bounds the next:
        // only days 30..45 at 2 % -> 9.95.
        PlanCase{"TierWithoutRateStillBounds", {{0, 2}, {30, 60}}, 45, 1009.95},
        // A tier without an end is skipped.
        PlanCase{"TierWithoutEnd", {{1.5}, {0}}, 45, 1000},
        // Tier ends are read in 16 bits: 65566 = 65536 + 30 -> 30 days.
        PlanCase{"TierEndInSixteenBits", {{1.5}, {65566}}, 45, 1015.00},
        // Target before the value date: no tier starts before it.
        PlanCase{"TargetBeforeTheValueDate", {{1.5, 2}, {30, 60}}, -10, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModuleDbTest, FinancingPlanWithoutAVehicleLoadedChargesNothing) {
  EXPECT_DOUBLE_EQ(dm.BuscaValorPresente(1, 0, 1000, Dia(2024, 1, 1), Dia(2024, 2, 15), "6", "V1"),
                   1000);
}

class CalculaValorPresenteTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    SeedIndice(connection(), 1, "D");
    SeedValorIndice(connection(), 1, Dia(2024, 1, 10), 100);
    SeedValorIndice(connection(), 1, Dia(2024, 3, 15), 110);
  }
};

TEST_F(CalculaValorPresenteTest, OtherIncidencesCarryTheValueGiven) {
  // 1000 / 100 * 110.
  EXPECT_NEAR(dm.CalculaValorPresente(1, 1, 1, "", "V1", 1000, Dia(2024, 1, 10), Dia(2024, 3, 15)),
              1100, 1e-9);
}

TEST_F(CalculaValorPresenteTest, IncidenceOSumsTheVehicleExpensesAtPresentValue) {
  // "-" adds 1000 carried to 1100, "+" subtracts 200 carried to 220:
  // 1100 - 220 = 880. The value, index and first date given play no part.
  SeedDespesa(connection(), "V1", 1, "-", 1, Dia(2024, 1, 10), 1000);
  SeedDespesa(connection(), "V1", 2, "+", 1, Dia(2024, 1, 10), 200);
  EXPECT_NEAR(dm.CalculaValorPresente(1, 1, 99, "O", "V1", 5, Dia(2020, 6, 1), Dia(2024, 3, 15)),
              880, 1e-9);
}

}  // namespace
}  // namespace veiculo::testing
