// Present value through a financial index: daily levels, monthly rates walked
// day by day, the vehicle's end of correction, missing values and indices.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "present_value_fixture.h"
#include "present_value_seed.h"

namespace veiculo::testing {
namespace {

constexpr int kNivelDiario = 1;   // "D": levels
constexpr int kTaxaMensal = 2;    // "M": March 4 %, April 6 %, May 2 %
constexpr int kSemMaio = 3;       // "M": March 4 %, April 6 %, no May row
constexpr int kOutroPeriodo = 4;  // "A": no correction
constexpr int kViradaAno = 5;     // "M": December 2023 3 %, January 2024 5 %

class PresentValueIndexTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    Connection& c = connection();
    SeedIndice(c, kNivelDiario, "D");
    SeedValorIndice(c, kNivelDiario, Dia(2024, 1, 10), 100);
    SeedValorIndice(c, kNivelDiario, Dia(2024, 3, 15), 110);
    SeedValorIndice(c, kNivelDiario, Dia(2024, 4, 30), 125);

    SeedIndice(c, kTaxaMensal, "M");
    SeedValorIndice(c, kTaxaMensal, Dia(2024, 3, 1), 4);
    SeedValorIndice(c, kTaxaMensal, Dia(2024, 4, 1), 6);
    SeedValorIndice(c, kTaxaMensal, Dia(2024, 5, 1), 2);

    SeedIndice(c, kSemMaio, "M");
    SeedValorIndice(c, kSemMaio, Dia(2024, 3, 1), 4);
    SeedValorIndice(c, kSemMaio, Dia(2024, 4, 1), 6);

    SeedIndice(c, kOutroPeriodo, "A");
    SeedValorIndice(c, kOutroPeriodo, Dia(2024, 1, 10), 100);
    SeedValorIndice(c, kOutroPeriodo, Dia(2024, 3, 15), 110);

    SeedIndice(c, kViradaAno, "M");
    SeedValorIndice(c, kViradaAno, Dia(2023, 12, 1), 3);
    SeedValorIndice(c, kViradaAno, Dia(2024, 1, 1), 5);
  }

  double Presente(int indice, double valor, double data1, double data2,
                  const std::string& veiculo = "SEM-VEICULO") {
    return dm.BuscaValorPresente(1, indice, valor, data1, data2, "", veiculo);
  }
};

TEST_F(PresentValueIndexTest, DailyLevelsCarryTheValueByTheirRatio) {
  // Levels 100 -> 110: 1000 / 100 * 110 = 1100; back again 1000 / 110 * 100.
  EXPECT_NEAR(Presente(kNivelDiario, 1000, Dia(2024, 1, 10), Dia(2024, 3, 15)), 1100, 1e-9);
  EXPECT_NEAR(Presente(kNivelDiario, 1000, Dia(2024, 3, 15), Dia(2024, 1, 10)), 909.0909090909,
              1e-6);
}

struct Uncorrected {
  const char* name;
  int indice;
  double data1;
  double data2;
};

void PrintTo(const Uncorrected& c, std::ostream* os) {
  *os << c.name;
}

class PresentValueUncorrectedTest : public PresentValueIndexTest,
                                    public ::testing::WithParamInterface<Uncorrected> {};

TEST_P(PresentValueUncorrectedTest, ReturnsTheValueUnchanged) {
  const Uncorrected& c = GetParam();
  EXPECT_DOUBLE_EQ(Presente(c.indice, 1234.56, c.data1, c.data2), 1234.56);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresentValueUncorrectedTest,
    ::testing::Values(
        Uncorrected{"NoLevelAtTheValueDate", kNivelDiario, Dia(2024, 1, 11), Dia(2024, 3, 15)},
        Uncorrected{"NoLevelAtTheTargetDate", kNivelDiario, Dia(2024, 1, 10), Dia(2024, 3, 16)},
        // A level is kept per date: 10/01 at noon is no date of the index.
        Uncorrected{"LevelDateWithATimeOfDay", kNivelDiario, Dia(2024, 1, 10) + 0.5,
                    Dia(2024, 3, 15)},
        Uncorrected{"IndexThatDoesNotExist", 99, Dia(2024, 1, 10), Dia(2024, 3, 15)},
        Uncorrected{"PeriodThatIsNeitherDailyNorMonthly", kOutroPeriodo, Dia(2024, 1, 10),
                    Dia(2024, 3, 15)},
        // No day of the walk equals 31/03 12:00, so I1 stays 0.
        Uncorrected{"MonthlyWithATimeOfDay", kTaxaMensal, Dia(2024, 3, 31) + 0.5, Dia(2024, 4, 30)},
        Uncorrected{"MonthlyTargetWithATimeOfDay", kTaxaMensal, Dia(2024, 3, 31),
                    Dia(2024, 4, 30) + 0.25}),
    [](const auto& info) { return std::string(info.param.name); });

struct Monthly {
  const char* name;
  int indice;
  double data1;
  double data2;
  double expected;
};

void PrintTo(const Monthly& c, std::ostream* os) {
  *os << c.name;
}

class PresentValueMonthlyTest : public PresentValueIndexTest,
                                public ::testing::WithParamInterface<Monthly> {};

TEST_P(PresentValueMonthlyTest, AccumulatesTheRatesDayByDay) {
  const Monthly& c = GetParam();
  EXPECT_NEAR(Presente(c.indice, 1000, c.data1, c.data2), c.expected, 1e-6);
}

// With f(m) = (1 + rate(m) / 100)^(1/30) the walk from 01/03 gives
// I(31/03) = f(Mar)^31 and I(30/04) = f(Mar)^31 * f(Apr)^30, so March drops
// out of the ratio and April's 30 days give exactly its rate.
INSTANTIATE_TEST_SUITE_P(
    Cases, PresentValueMonthlyTest,
    ::testing::Values(
        // 1000 * 1.06
        Monthly{"OneMonth", kTaxaMensal, Dia(2024, 3, 31), Dia(2024, 4, 30), 1060},
        // 1000 * 1.06 * 1.02 (30 days of April, 30 of May)
        Monthly{"TwoMonths", kTaxaMensal, Dia(2024, 3, 31), Dia(2024, 5, 30), 1081.2},
        // Value date after the target: 1000 / 1.06, a discount.
        Monthly{"ReversedDatesDiscount", kTaxaMensal, Dia(2024, 4, 30), Dia(2024, 3, 31),
                943.3962264151},
        // May has no rate: April's daily factor goes on, 1000 * 1.06 * 1.06.
        Monthly{"MissingMonthKeepsTheLastRate", kSemMaio, Dia(2024, 3, 31), Dia(2024, 5, 30),
                1123.6},
        // 30/11 -> 30/01: all 31 days of December, then 30 of January:
        // 1000 * 1.03^(31/30) * 1.05 = 1082.566119955...
        Monthly{"AcrossTheYear", kViradaAno, Dia(2023, 11, 30), Dia(2024, 1, 30), 1082.5661199550}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PresentValueIndexTest, MonthlyWalkLooksUpEachMonthOnce) {
  // 01/03 -> 30/05 covers three months: the index, the vehicle's end of
  // correction and one lookup per month.
  EXPECT_EQ(StatementsOf([&] { Presente(kTaxaMensal, 1000, Dia(2024, 3, 31), Dia(2024, 5, 30)); }),
            1 + 1 + 3);
}

TEST_F(PresentValueIndexTest, CorrectionEndReplacesTheTargetDate) {
  SeedFimCorrecao(connection(), "V1", Dia(2024, 4, 30));
  // Stops on 30/04: only April's rate, 1000 * 1.06, not 1081.20.
  EXPECT_NEAR(Presente(kTaxaMensal, 1000, Dia(2024, 3, 31), Dia(2024, 5, 30), "V1"), 1060, 1e-6);
  // Levels: the level of 30/04 (125) replaces that of the target: 1000 / 100 * 125.
  EXPECT_NEAR(Presente(kNivelDiario, 1000, Dia(2024, 1, 10), Dia(2024, 3, 16), "V1"), 1250, 1e-9);
}

TEST_F(PresentValueIndexTest, ZeroDateMeansTheCorrectionNeverEnds) {
  SeedFimCorrecao(connection(), "V1", 0);  // 30/12/1899
  EXPECT_NEAR(Presente(kTaxaMensal, 1000, Dia(2024, 3, 31), Dia(2024, 5, 30), "V1"), 1081.2, 1e-6);
}

TEST_F(PresentValueIndexTest, VehicleCodeWithAQuoteFindsItsCorrectionEnd) {
  SeedFimCorrecao(connection(), "V'1", Dia(2024, 4, 30));
  EXPECT_NEAR(Presente(kTaxaMensal, 1000, Dia(2024, 3, 31), Dia(2024, 5, 30), "V'1"), 1060, 1e-6);
}

TEST_F(PresentValueIndexTest, BuscaIndiceReadsTheValueOfTheExactDate) {
  EXPECT_DOUBLE_EQ(peer.BuscaIndice(1, kNivelDiario, Dia(2024, 3, 15)), 110);
  EXPECT_DOUBLE_EQ(peer.BuscaIndice(1, kNivelDiario, Dia(2024, 3, 14)), 0);
  EXPECT_DOUBLE_EQ(peer.BuscaIndice(1, 99, Dia(2024, 3, 15)), 0);
  // The same date at 08:00 is not the index's date, and needs no query.
  EXPECT_EQ(StatementsOf([&] {
              EXPECT_DOUBLE_EQ(peer.BuscaIndice(1, kNivelDiario, Dia(2024, 3, 15) + 1.0 / 3), 0);
            }),
            0);
}

}  // namespace
}  // namespace veiculo::testing
