// The Ford treatment of an index whose levels give way to daily rates, and
// the compounding of those rates.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "present_value_fixture.h"
#include "present_value_seed.h"

namespace veiculo::testing {
namespace {

constexpr int kFord = 1;     // "D" with INDEXADOR_FORD
constexpr int kSemFord = 2;  // same values, INDEXADOR_FORD null
constexpr int kRevendaFord = 1;
constexpr int kRevendaToyota = 2;

// Levels up to 10/01, daily rates (fractions) from 11/01:
//   01/01 200   10/01 220   11/01 0.01   12/01 0.02   13/01 0.005   14/01 0.03
void SeedSeries(Connection& c, int indice) {
  SeedValorIndice(c, indice, Dia(2024, 1, 1), 200);
  SeedValorIndice(c, indice, Dia(2024, 1, 10), 220);
  SeedValorIndice(c, indice, Dia(2024, 1, 11), 0.01);
  SeedValorIndice(c, indice, Dia(2024, 1, 12), 0.02);
  SeedValorIndice(c, indice, Dia(2024, 1, 13), 0.005);
  SeedValorIndice(c, indice, Dia(2024, 1, 14), 0.03);
}

class PresentValueFordTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    Connection& c = connection();
    SeedIndice(c, kFord, "D", "S");
    SeedSeries(c, kFord);
    SeedIndice(c, kSemFord, "D");
    SeedSeries(c, kSemFord);
    SeedMarcaRevenda(c, kRevendaFord, "FORD");
    SeedMarcaRevenda(c, kRevendaToyota, "TOYO");
  }

  double Presente(int indice, double data1, double data2) {
    return dm.BuscaValorPresente(1, indice, 1000, data1, data2, "", "V1");
  }
};

struct FordCase {
  const char* name;
  double data1;
  double data2;
  double expected;
};

void PrintTo(const FordCase& c, std::ostream* os) {
  *os << c.name;
}

class PresentValueFordCasesTest : public PresentValueFordTest,
                                  public ::testing::WithParamInterface<FordCase> {};

TEST_P(PresentValueFordCasesTest, FordDealerCarriesLevelsThenCompoundsRates) {
  dm.BuscaMarca(1, kRevendaFord);
  const FordCase& c = GetParam();
  EXPECT_NEAR(Presente(kFord, c.data1, c.data2), c.expected, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresentValueFordCasesTest,
    ::testing::Values(
        // Level 200 to a rate: carried to the last level (220 on 10/01), then
        // the rates of 11/01..13/01: 1000 / 200 * 220 = 1100;
        // 1100 * 1.01 * 1.02 * 1.005 = 1138.8861 (14/01 lies after the target).
        FordCase{"LevelToRate", Dia(2024, 1, 1), Dia(2024, 1, 13), 1138.8861},
        // Both dates in the rates: only compounded from the value date,
        // 1000 * 1.01 * 1.02 * 1.005 = 1035.351.
        FordCase{"RateToRate", Dia(2024, 1, 11), Dia(2024, 1, 13), 1035.351},
        // From the last level itself: no later level, so every rate after it
        // compounds: 1000 * 1.035351.
        FordCase{"FromTheLastLevel", Dia(2024, 1, 10), Dia(2024, 1, 13), 1035.351},
        // Level to level: the plain ratio, 1000 / 200 * 220.
        FordCase{"LevelToLevel", Dia(2024, 1, 1), Dia(2024, 1, 10), 1100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PresentValueFordTest, OtherBrandsTakeThePlainRatio) {
  dm.BuscaMarca(1, kRevendaToyota);
  // 1000 / 0.01 * 0.005 = 500: the rates are read as levels.
  EXPECT_NEAR(Presente(kFord, Dia(2024, 1, 11), Dia(2024, 1, 13)), 500, 1e-9);
}

TEST_F(PresentValueFordTest, FordDealerWithoutFordIndexTakesThePlainRatio) {
  dm.BuscaMarca(1, kRevendaFord);
  EXPECT_NEAR(Presente(kSemFord, Dia(2024, 1, 11), Dia(2024, 1, 13)), 500, 1e-9);
}

TEST_F(PresentValueFordTest, LevelToRateStatements) {
  dm.BuscaMarca(1, kRevendaFord);
  // Index, end of correction, the two dates, the last level date, its level,
  // and the rates to compound.
  EXPECT_EQ(StatementsOf([&] { Presente(kFord, Dia(2024, 1, 1), Dia(2024, 1, 13)); }), 7);
}

TEST_F(PresentValueFordTest, CompoundingStopsAtTheCorrectionEnd) {
  dm.BuscaMarca(1, kRevendaFord);
  SeedFimCorrecao(connection(), "V1", Dia(2024, 1, 12));
  // Target 14/01 becomes 12/01 (rate 0.02): compounded 11/01..12/01,
  // 1000 * 1.01 * 1.02 = 1030.2.
  EXPECT_NEAR(Presente(kFord, Dia(2024, 1, 11), Dia(2024, 1, 14)), 1030.2, 1e-6);
}

}  // namespace
}  // namespace veiculo::testing
