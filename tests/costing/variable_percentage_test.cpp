// The variable percentage of a formula line from its bands.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "costing/incidence_seed.h"

namespace veiculo::testing {
namespace {

struct Band {
  double inicial, final;
  const char* base;
  const char* historico_presente;
  std::optional<double> percentual;
  std::optional<double> valor = std::nullopt;
};

// The six figures, each distinct, so that only the named one falls in a band.
struct Figures {
  double historico = 1, presente = 2, margem_p = 3, margem_h = 4, lucro_bruto_p = 5,
         lucro_bruto_h = 6;
};

class VariablePercentageTest : public IncidenceTest {
 protected:
  void SeedBands(int linha, std::optional<double> percentual, std::initializer_list<Band> bands) {
    Connection& c = connection();
    SeedLine(c, linha, "V", {{"PERCENTUAL", Money(percentual)}});
    for (const Band& b : bands)
      SeedBand(c, linha, b.inicial, b.final, b.base, b.historico_presente, b.percentual, b.valor);
  }

  double Percentual(int linha, const Figures& f, bool& variavel) {
    return module().BuscaPercentualVariavel(1, linha, "F1", f.historico, f.presente, f.margem_p,
                                            f.margem_h, f.lucro_bruto_p, f.lucro_bruto_h, variavel);
  }
};

TEST_F(VariablePercentageTest, EachBandComparesTheFigureItNames) {
  struct Case {
    const char* base;
    const char* hp;
    double figure;  // the figure of Figures{} that base and hp name
  };
  // "L" profit, "M" margin, "B" gross profit; "H" historic, anything else present.
  const Case cases[] = {{"L", "H", 1},     {"L", "P", 2}, {"M", "P", 3},
                        {"M", "H", 4},     {"B", "P", 5}, {"B", "H", 6},
                        {"LUCRO", "H", 1}, {"M", "", 3},  {"Bruto", "X", 5}};
  int linha = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.base) + "/" + c.hp);
    ++linha;
    // A band of width 0.5 around the named figure, the other figures outside.
    SeedBands(linha, 1, {{c.figure - 0.25, c.figure + 0.25, c.base, c.hp, 7.5}});
    bool variavel = false;
    EXPECT_DOUBLE_EQ(Percentual(linha, Figures{}, variavel), 7.5);
    EXPECT_TRUE(variavel);
  }
}

TEST_F(VariablePercentageTest, OfSeveralMatchingBandsTheLastWins) {
  // Inserted out of order: the bands are walked by their lower bound.
  SeedBands(1, 5, {{15, 30, "L", "H", 6}, {0, 10, "L", "H", 3}, {5, 20, "L", "H", 4}});
  bool variavel = false;
  Figures f;
  f.historico = 8;  // in [0, 10] and [5, 20]
  EXPECT_DOUBLE_EQ(Percentual(1, f, variavel), 4);
  f.historico = 16;  // in [5, 20] and [15, 30]
  EXPECT_DOUBLE_EQ(Percentual(1, f, variavel), 6);
  f.historico = 10;  // bounds are inclusive: [0, 10] and [5, 20]
  EXPECT_DOUBLE_EQ(Percentual(1, f, variavel), 4);
  f.historico = 0;  // only [0, 10]
  EXPECT_DOUBLE_EQ(Percentual(1, f, variavel), 3);
  EXPECT_TRUE(variavel);
}

TEST_F(VariablePercentageTest, AllBandsMissKeepsTheLinePercentageAndTheVariableFlag) {
  SeedBands(1, 5, {{0, 10, "L", "H", 3}, {20, 30, "M", "P", 4}});
  Figures f;
  f.historico = 15;
  f.margem_p = 15;
  bool variavel = false;
  EXPECT_DOUBLE_EQ(Percentual(1, f, variavel), 5);
  EXPECT_TRUE(variavel);
  EXPECT_DOUBLE_EQ(module().GetdPvValorFixo(), kSemPercentual);
}

TEST_F(VariablePercentageTest, ABandOfAnotherBaseKeepsThePreviousFigure) {
  // The second band's base is none of B, L, M: it compares the margin (4)
  // the first band took.
  SeedBands(1, 5, {{0, 1, "M", "H", 3}, {3, 5, "Q", "H", 9}});
  bool variavel = false;
  EXPECT_DOUBLE_EQ(Percentual(1, Figures{}, variavel), 9);
  // As first band it compares 0.
  SeedBands(2, 5, {{-1, 1, "Q", "H", 8}});
  EXPECT_DOUBLE_EQ(Percentual(2, Figures{}, variavel), 8);
}

TEST_F(VariablePercentageTest, ABandWithoutPercentageGivesItsFixedAmount) {
  SeedBands(1, 5, {{0, 10, "L", "H", std::nullopt, 800}, {0, 10, "L", "P", std::nullopt}});
  bool variavel = false;
  EXPECT_DOUBLE_EQ(Percentual(1, Figures{}, variavel), 5);
  EXPECT_DOUBLE_EQ(module().GetdPvValorFixo(), 800);
  // A later band with a percentage overrides the percentage, not the amount.
  SeedBands(2, 5, {{0, 10, "L", "H", std::nullopt, 800}, {0, 10, "L", "P", 2}});
  EXPECT_DOUBLE_EQ(Percentual(2, Figures{}, variavel), 2);
  EXPECT_DOUBLE_EQ(module().GetdPvValorFixo(), 800);
}

TEST_F(VariablePercentageTest, WithoutBandsTheLinePercentageIsNotVariable) {
  SeedBands(1, 4.5, {});
  SeedBands(2, std::nullopt, {});
  module().SetdPvValorFixo(800);
  bool variavel = true;
  EXPECT_DOUBLE_EQ(Percentual(1, Figures{}, variavel), 4.5);
  EXPECT_FALSE(variavel);
  EXPECT_DOUBLE_EQ(module().GetdPvValorFixo(), kSemPercentual);
  EXPECT_DOUBLE_EQ(Percentual(2, Figures{}, variavel), kSemPercentual);
  EXPECT_FALSE(variavel);
  // A line that does not exist has no percentage either.
  EXPECT_DOUBLE_EQ(Percentual(9, Figures{}, variavel), kSemPercentual);
  EXPECT_FALSE(variavel);
}

TEST_F(VariablePercentageTest, AQuoteInTheFormulaNameIsText) {
  SeedLine(connection(), 1, "V", {{"PERCENTUAL", F(3)}}, "F'1");
  bool variavel = true;
  EXPECT_DOUBLE_EQ(module().BuscaPercentualVariavel(1, 1, "F'1", 0, 0, 0, 0, 0, 0, variavel), 3);
  EXPECT_FALSE(variavel);
}

}  // namespace
}  // namespace veiculo::testing
