// The summary text of the calculation query from given totals.

#include "costing/calculation_summary.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/format/format_settings.h"

namespace veiculo::costing {
namespace {

using platform::FormatSettings;
using platform::ScopedFormatSettings;

TotaisCalculo AllThree(double historico, double presente) {
  TotaisCalculo totais;
  totais.custo = {historico, presente};
  totais.lucro_bruto = {historico, presente};
  totais.margem = {historico, presente};
  return totais;
}

TEST(CalculationSummaryTest, EachTotalAndBasisKeepsItsOwnFigures) {
  ScopedFormatSettings brazilian(FormatSettings::Brazilian());
  TotaisCalculo totais;
  totais.custo = {1234567.891, 70400};
  totais.margem = {-1000, 0};
  // Historic sale 90000, present 88000.
  // Profit h: 90000 - 1234567.891 = -1144567.891; / 90000 * 100 = -1271.7421...
  //   (percentages are not grouped by thousands, amounts are).
  // Profit p: 88000 - 70400 = 17600 = 20 % of 88000.
  // Gross profit: nothing subtracted, 100 % of each sale value.
  // Managerial h: 90000 - (-1000) = 91000; / 90000 * 100 = 101.111...
  EXPECT_EQ(TextoResumoCalculo(totais, 90000, 88000),
            "Custo;1.234.567,89 ;70.400,00 |"
            "Lucro (%);-1271,74 ;-1.144.567,89 ;20,00 ;17.600,00 |"
            "Lucro Bruto;100,00 ;90.000,00 ;100,00 ;88.000,00 |"
            "Lucro Gerencial;101,11 ;91.000,00 ;100,00 ;88.000,00 |");
}

TEST(CalculationSummaryTest, SeparatorsAreTheCurrentSettings) {
  ScopedFormatSettings english(FormatSettings::English());
  EXPECT_EQ(TextoResumoCalculo(AllThree(80000, 80000), 100000, 100000),
            "Custo;80,000.00 ;80,000.00 |"
            "Lucro (%);20.00 ;20,000.00 ;20.00 ;20,000.00 |"
            "Lucro Bruto;20.00 ;20,000.00 ;20.00 ;20,000.00 |"
            "Lucro Gerencial;20.00 ;20,000.00 ;20.00 ;20,000.00 |");
}

TEST(CalculationSummaryTest, SignDecidesByItsFirstCharacter) {
  struct Case {
    std::string sinal;
    double historico;
    double presente;
  };
  // Starting from 100 / 200, adding 10 / 20.
  const Case cases[] = {
      {"+", 110, 220}, {"-", 90, 180},   {"", 100, 200},
      {"x", 100, 200}, {"+-", 110, 220}, {" +", 100, 200},
  };
  for (const Case& c : cases) {
    TotalCalculo total{100, 200};
    total.Soma(c.sinal, 10, 20);
    EXPECT_DOUBLE_EQ(total.historico, c.historico) << "sign '" << c.sinal << "'";
    EXPECT_DOUBLE_EQ(total.presente, c.presente) << "sign '" << c.sinal << "'";
  }
}

}  // namespace
}  // namespace veiculo::costing
