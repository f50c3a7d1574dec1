// Present value (BuscaValorPresente) through a financial index: daily levels,
// monthly rates walked day by day, the Ford levels-then-rates index, the
// vehicle's end of correction, the financing-plan tiers, and the entry point
// CalculaValorPresente.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/db/connection_impl.h"
#include "value_sources/seed.h"

namespace veiculo::testing {
namespace {

constexpr int kNivel = 1;    // "D": 10/01 100, 15/03 110, 30/04 125
constexpr int kMensal = 2;   // "M": March 4 %, April 6 %, May 2 %
constexpr int kSemMaio = 3;  // "M": March 4 %, April 6 %
constexpr int kAnual = 4;    // "A": no correction
constexpr int kVirada = 5;   // "M": December 2023 3 %, January 2024 5 %
constexpr int kFord = 6;     // "D" with INDEXADOR_FORD: levels then daily rates
constexpr int kSemFord = 7;  // the same values, INDEXADOR_FORD null

class PresentValueTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    AddIndex(c, kNivel, "D",
             {{Day(2024, 1, 10), 100}, {Day(2024, 3, 15), 110}, {Day(2024, 4, 30), 125}});
    AddIndex(c, kMensal, "M", {{Day(2024, 3, 1), 4}, {Day(2024, 4, 1), 6}, {Day(2024, 5, 1), 2}});
    AddIndex(c, kSemMaio, "M", {{Day(2024, 3, 1), 4}, {Day(2024, 4, 1), 6}});
    AddIndex(c, kAnual, "A", {{Day(2024, 1, 10), 100}, {Day(2024, 3, 15), 110}});
    AddIndex(c, kVirada, "M", {{Day(2023, 12, 1), 3}, {Day(2024, 1, 1), 5}});
    // Ford series: levels 01/01 200, 10/01 220, then rates 11/01 0.01,
    // 12/01 0.02, 13/01 0.005, 14/01 0.03.
    const std::vector<std::pair<double, double>> ford = {
        {Day(2024, 1, 1), 200},   {Day(2024, 1, 10), 220},   {Day(2024, 1, 11), 0.01},
        {Day(2024, 1, 12), 0.02}, {Day(2024, 1, 13), 0.005}, {Day(2024, 1, 14), 0.03}};
    AddIndex(c, kFord, "D", ford, Cols("INDEXADOR_FORD", {T("S")}));
    AddIndex(c, kSemFord, "D", ford);
    Insert(c, "GER_REVENDA", "EMPRESA REVENDA MARCA", {I(1), I(1), T("FORD")});
    Insert(c, "GER_REVENDA", "EMPRESA REVENDA MARCA", {I(1), I(2), T("TOYO")});
  }
  double Presente(int indice, double valor, double data1, double data2,
                  const std::string& veiculo = "SEM-VEICULO") {
    return module().BuscaValorPresente(1, indice, valor, data1, data2, "", veiculo);
  }
  void FimCorrecao(const std::string& veiculo, double data) {
    Insert(connection(), "VEI_VEICULO", "EMPRESA VEICULO DTA_FIM_CORRECAO",
           {I(1), T(veiculo), D(data)});
  }
};

struct Case {
  const char* name;
  int revenda;  // dealer whose brand is read first (1 Ford, 2 other)
  int indice;
  double data1, data2, expected;
};

TEST_F(PresentValueTest, CarriesTheValueByTheIndex) {
  const double Mar31 = Day(2024, 3, 31), Apr30 = Day(2024, 4, 30), May30 = Day(2024, 5, 30);
  const Case cases[] = {
      {"levels 100 -> 110", 2, kNivel, Day(2024, 1, 10), Day(2024, 3, 15), 1100},
      {"levels back: 1000 / 110 * 100", 2, kNivel, Day(2024, 3, 15), Day(2024, 1, 10),
       909.0909090909},
      // Uncorrected: no level at either date, a time of day, unknown index, period "A".
      {"no level at the value date", 2, kNivel, Day(2024, 1, 11), Day(2024, 3, 15), 1000},
      {"no level at the target", 2, kNivel, Day(2024, 1, 10), Day(2024, 3, 16), 1000},
      {"level date with a time", 2, kNivel, Day(2024, 1, 10) + 0.5, Day(2024, 3, 15), 1000},
      {"unknown index", 2, 99, Day(2024, 1, 10), Day(2024, 3, 15), 1000},
      {"period neither D nor M", 2, kAnual, Day(2024, 1, 10), Day(2024, 3, 15), 1000},
      {"monthly with a time", 2, kMensal, Mar31 + 0.5, Apr30, 1000},
      {"monthly target with a time", 2, kMensal, Mar31, Apr30 + 0.25, 1000},
      // Monthly: f(m) = (1 + r/100)^(1/30) walked from 01/03, so March drops
      // out and April's 30 days give exactly its rate.
      {"one month: 1000 * 1.06", 2, kMensal, Mar31, Apr30, 1060},
      {"two months: 1000 * 1.06 * 1.02", 2, kMensal, Mar31, May30, 1081.2},
      {"reversed dates: 1000 / 1.06", 2, kMensal, Apr30, Mar31, 943.3962264151},
      {"missing May keeps April's rate: 1000 * 1.06^2", 2, kSemMaio, Mar31, May30, 1123.6},
      // 30/11 -> 30/01: 1000 * 1.03^(31/30) * 1.05 = 1082.566119955
      {"across the year", 2, kVirada, Day(2023, 11, 30), Day(2024, 1, 30), 1082.5661199550},
      // Ford: level 200 carried to the last level 220 (1100), then rates of
      // 11/01..13/01: 1100 * 1.01 * 1.02 * 1.005 = 1138.8861.
      {"Ford level to rate", 1, kFord, Day(2024, 1, 1), Day(2024, 1, 13), 1138.8861},
      // 1000 * 1.01 * 1.02 * 1.005
      {"Ford rate to rate", 1, kFord, Day(2024, 1, 11), Day(2024, 1, 13), 1035.351},
      {"Ford from the last level", 1, kFord, Day(2024, 1, 10), Day(2024, 1, 13), 1035.351},
      {"Ford level to level", 1, kFord, Day(2024, 1, 1), Day(2024, 1, 10), 1100},
      // Rates read as levels: 1000 / 0.01 * 0.005.
      {"other brand: plain ratio", 2, kFord, Day(2024, 1, 11), Day(2024, 1, 13), 500},
      {"Ford dealer, index not Ford", 1, kSemFord, Day(2024, 1, 11), Day(2024, 1, 13), 500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    module().BuscaMarca(1, c.revenda);
    if (c.expected == 1000)  // uncorrected: exactly the value given
      EXPECT_DOUBLE_EQ(Presente(c.indice, 1000, c.data1, c.data2), 1000);
    else
      EXPECT_NEAR(Presente(c.indice, 1000, c.data1, c.data2), c.expected, 1e-6);
  }
}

TEST_F(PresentValueTest, StatementCounts) {
  // Index, end of correction and one lookup per month (March to May).
  EXPECT_EQ(StatementsOf([&] { Presente(kMensal, 1000, Day(2024, 3, 31), Day(2024, 5, 30)); }),
            1 + 1 + 3);
  // Ford: index, end of correction, both dates, last level date, its level, the rates.
  module().BuscaMarca(1, 1);
  EXPECT_EQ(StatementsOf([&] { Presente(kFord, 1000, Day(2024, 1, 1), Day(2024, 1, 13)); }), 7);
  // BuscaIndice reads the exact date; 08:00 of it is no index date and needs no query.
  EXPECT_DOUBLE_EQ(peer().BuscaIndice(1, kNivel, Day(2024, 3, 15)), 110);
  EXPECT_DOUBLE_EQ(peer().BuscaIndice(1, kNivel, Day(2024, 3, 14)), 0);
  EXPECT_EQ(StatementsOf([&] {
              EXPECT_DOUBLE_EQ(peer().BuscaIndice(1, kNivel, Day(2024, 3, 15) + 1.0 / 3), 0);
            }),
            0);
}

TEST_F(PresentValueTest, CorrectionEndReplacesTheTargetDate) {
  FimCorrecao("V'1", Day(2024, 4, 30));
  FimCorrecao("V0", 0);  // 30/12/1899: never ends
  FimCorrecao("VF", Day(2024, 1, 12));
  // Stops on 30/04: only April's rate, not 1081.20.
  EXPECT_NEAR(Presente(kMensal, 1000, Day(2024, 3, 31), Day(2024, 5, 30), "V'1"), 1060, 1e-6);
  // The level of 30/04 replaces the target's: 1000 / 100 * 125.
  EXPECT_NEAR(Presente(kNivel, 1000, Day(2024, 1, 10), Day(2024, 3, 16), "V'1"), 1250, 1e-9);
  EXPECT_NEAR(Presente(kMensal, 1000, Day(2024, 3, 31), Day(2024, 5, 30), "V0"), 1081.2, 1e-6);
  // Ford compounding stops at 12/01: 1000 * 1.01 * 1.02.
  module().BuscaMarca(1, 1);
  EXPECT_NEAR(Presente(kFord, 1000, Day(2024, 1, 11), Day(2024, 1, 14), "VF"), 1030.2, 1e-6);
}

// A batch keeps the vehicle's end of correction for the transaction: the
// next line carried by an index reads it without a statement, and a change
// to the vehicle made through the connection is read again.
TEST_F(PresentValueTest, BatchKeepsTheCorrectionEndUntilTheVehicleIsWritten) {
  FimCorrecao("VK", Day(2024, 4, 30));
  platform::ConnectionImpl& impl = platform::ImplOf(connection());
  impl.Rows().SetEnabled(true);
  const auto presente = [&] {
    return Presente(kMensal, 1000, Day(2024, 3, 31), Day(2024, 5, 30), "VK");
  };
  EXPECT_EQ(StatementsOf([&] { EXPECT_NEAR(presente(), 1060, 1e-6); }), 1 + 1 + 2);
  // The index row and its monthly values are kept too.
  EXPECT_EQ(StatementsOf([&] { EXPECT_NEAR(presente(), 1060, 1e-6); }), 0);
  Write("update VEI_VEICULO set DTA_FIM_CORRECAO = null where VEICULO = 'VK'");
  // Read again: the correction runs to the target date, May's rate too.
  EXPECT_EQ(StatementsOf([&] { EXPECT_NEAR(presente(), 1081.2, 1e-6); }), 2);
  impl.Rows().SetEnabled(false);
}

struct PlanCase {
  const char* name;
  double juros[2];
  int64_t dias[2];
  double dias_alvo, expected;
};

// Incidence "6": tier interest = ((1 + r/100)^(1/30))^(E - B) * 1000 - 1000,
// rounded to cents, each tier on the original value.
TEST_F(PresentValueTest, FinancingPlanTiers) {
  const PlanCase cases[] = {
      {"first tier only its days: 1.015 -> 15.00", {1.5, 0}, {30, 0}, 45, 1015.00},
      // 15.00 + 1.02^(15/30) = 1.0099504938 -> 9.95
      {"second tier the rest", {1.5, 2}, {30, 60}, 45, 1024.95},
      {"both tiers whole: 15.00 + 20.00", {1.5, 2}, {30, 60}, 90, 1035.00},
      // 1.015^(20/30) = 1.0099751652 -> 9.98
      {"part of the first tier", {1.5, 2}, {30, 60}, 20, 1009.98},
      {"tier without rate still bounds", {0, 2}, {30, 60}, 45, 1009.95},
      {"tier without end skipped", {1.5, 0}, {0, 0}, 45, 1000},
      {"tier end in 16 bits: 65566 -> 30", {1.5, 0}, {65566, 0}, 45, 1015.00},
      {"target before the value date", {1.5, 2}, {30, 60}, -10, 1000},
  };
  const double inicio = Day(2024, 1, 1);
  EXPECT_DOUBLE_EQ(module().BuscaValorPresente(1, 0, 1000, inicio, inicio + 45, "6", "V1"),
                   1000);  // not loaded
  Insert(connection(), "VEI_MODELO", "EMPRESA MODELO", {I(1), T("M1")});
  int n = 0;
  for (const PlanCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string v = "V" + std::to_string(n++);
    AddVehicle(connection(), v, "CH-" + v,
               Cols("FP_JUROS1 FP_DIAS1 FP_JUROS2 FP_DIAS2",
                    {F(c.juros[0]), I(c.dias[0]), F(c.juros[1]), I(c.dias[1])}));
    Load(v);
    double result = 0;
    EXPECT_EQ(StatementsOf([&] {
                result =
                    module().BuscaValorPresente(1, 0, 1000, inicio, inicio + c.dias_alvo, "6", v);
              }),
              0);
    EXPECT_DOUBLE_EQ(result, c.expected);
  }
}

TEST_F(PresentValueTest, CalculaValorPresente) {
  // Other incidences carry the value: 1000 / 100 * 110.
  EXPECT_NEAR(module().CalculaValorPresente(1, 1, kNivel, "", "V1", 1000, Day(2024, 1, 10),
                                            Day(2024, 3, 15)),
              1100, 1e-9);
  // "O" sums the expenses at present value: "-" adds 1000 -> 1100, "+"
  // subtracts 200 -> 220; 880. The value, index and first date play no part.
  for (auto [despesa, sinal, valor] : {std::tuple{1, "-", 1000.0}, {2, "+", 200.0}}) {
    Insert(connection(), "VEI_DESPESA", "EMPRESA DESPESA SINAL INDICE",
           {I(1), I(despesa), T(sinal), I(kNivel)});
    Insert(connection(), "VEI_DESPESA_VEICULO",
           "EMPRESA VEICULO DESPESA DOCUMENTO CONTADOR DTA_DESPESA_VEICULO VAL_DESPESA_VEICULO",
           {I(1), T("V1"), I(despesa), I(despesa), I(1), D(Day(2024, 1, 10)), F(valor)});
  }
  EXPECT_NEAR(
      module().CalculaValorPresente(1, 1, 99, "O", "V1", 5, Day(2020, 6, 1), Day(2024, 3, 15)), 880,
      1e-9);
}

}  // namespace
}  // namespace veiculo::testing
