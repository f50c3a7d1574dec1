// Percentage bands during a costing evaluation: posted into the row and
// cdsFormulaLinha, the financial base recomputed, fixed-amount bands.

#include <gtest/gtest.h>

#include "costing/costing_evaluation_seed.h"

namespace veiculo::testing {
namespace {

TEST_F(CusteioTest, BandWithOnlyAFixedAmountGivesThatAmount) {
  struct Case {
    const char* name;
    Value percentual_linha;  // the line's own PERCENTUAL in the formula
    double limite_inicial;   // the band holds the figure 0 when this is 0
    double valor_fixo;       // the row's own fixed amount
    double historico;
    Value percentual_linha_avaliada;
  } cases[] = {
      {"band amount, whole", Value(), 0, 0, 1000, Value()},
      {"band amount at the line's percentage", F(50), 0, 0, 500, F(50)},
      {"the row's own fixed amount first", Value(), 0, 300, 300, Value()},
      {"band missed: the packet amount", Value(), 10, 0, 600, Value()},
  };
  int linha = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ++linha;
    SeedLine(connection(), linha, "C", {{"PERCENTUAL", c.percentual_linha}});
    SeedBand(connection(), linha, c.limite_inicial, 100, "L", "H", std::nullopt, 1000);
    v = {};
    const DataPacket p = Custeio({Linha(linha, "C").Pct(80).Fixo(c.valor_fixo)},
                                 CadastroPacket(2000, {{"PRECO_REPOSICAO", 600}}));
    EXPECT_DOUBLE_EQ(Row(p, 0).historico, c.historico);
    // The row's percentage is the formula's, not the 80 the packet brought.
    EXPECT_EQ(Row(p, 0).percentual, c.percentual_linha_avaliada);
  }
}

TEST_F(CusteioTest, ProfitabilitySoFarSteersTheNextLinesBands) {
  SeedLine(connection(), 2, "V");
  SeedLine(connection(), 3, "V");
  // Line 2 by historic profit, line 3 by historic gross profit.
  SeedBand(connection(), 2, 0, 20, "L", "H", 1);
  SeedBand(connection(), 2, 20.01, 30, "L", "H", 2);
  SeedBand(connection(), 3, 0, 5, "B", "H", 1);
  SeedBand(connection(), 3, 5.01, 15, "B", "H", 3);
  LoadFormulaF1();
  const DataPacket p =
      Custeio({Linha(1, "C").Custo("+").Lucro("+"), Linha(2, "V").Lucro("+"), Linha(3, "V")},
              CadastroPacket(2000, {{"PRECO_REPOSICAO", 1500}}));
  // After line 1 the profit is 2000 - 1500 = 500, 25 %: band 2 of line 2, 2000 x 2 %.
  EXPECT_DOUBLE_EQ(Row(p, 1).historico, 40);
  EXPECT_EQ(Row(p, 1).percentual, F(2));
  // Gross-profit total after line 2: 1500 + 40 = 1540 (not 2000 - 1500 + 40, the
  // figure computed after line 1): 2000 - 1540 = 460, 23 %: outside both bands of
  // line 3, which keeps the line's own (null) percentage and its whole amount.
  EXPECT_DOUBLE_EQ(Row(p, 2).historico, 2000);
  EXPECT_EQ(Row(p, 2).percentual, Value());
  EXPECT_DOUBLE_EQ(v.LucroBrutoH, 460);
  EXPECT_DOUBLE_EQ(v.PercLucroBrutoH, 23);
  // The band percentage is posted into the formula lines in memory only.
  EXPECT_EQ(PercentualEmMemoria(2), F(2));
  EXPECT_EQ(PercentualEmMemoria(3), Value());
}

TEST_F(CusteioTest, BandPercentageRecomputesTheFinancialBase) {
  module().SetdPbValorVenda(2000);
  // Line 1, a base line, takes 10 % from its band; line 2 is also a base line.
  SeedLine(connection(), 1, "V", {{"BASE_FINANCEIRO", T("+")}});
  SeedBand(connection(), 1, 0, 100, "L", "H", 10);
  SeedLine(connection(), 2, "V", {{"BASE_FINANCEIRO", T("+")}});
  LoadFormulaF1();
  Custeio({Linha(1, "V")}, CadastroPacket(2000, {}), {}, "V1");
  // 2000 x 10 % + 2000 (the base was 4000 before the band).
  EXPECT_DOUBLE_EQ(module().GetBase_Financeiro(), 2200);
}

TEST_F(CusteioTest, BandFixedAmountOfOneLineDoesNotLeakIntoTheBase) {
  module().SetdPbValorVenda(2000);
  // Line 1 matches a band with a fixed amount while keeping its own 50 %.
  SeedLine(connection(), 1, "C", {{"PERCENTUAL", F(50)}});
  SeedBand(connection(), 1, 0, 100, "L", "H", std::nullopt, 1000);
  SeedLine(connection(), 2, "V", {{"BASE_FINANCEIRO", T("+")}});
  LoadFormulaF1();
  const DataPacket p =
      Custeio({Linha(1, "C")}, CadastroPacket(2000, {{"PRECO_REPOSICAO", 600}}), {});
  // The base line is the sale value, not the band's 1000.
  EXPECT_DOUBLE_EQ(module().GetBase_Financeiro(), 2000);
  EXPECT_DOUBLE_EQ(Row(p, 0).historico, 500);  // 1000 x 50 %
}

TEST_F(CusteioTest, BandPercentageOfALineNotLoadedIsPostedNowhereElse) {
  SeedLine(connection(), 1, "V");
  SeedLine(connection(), 2, "V");
  LoadFormulaF1();  // lines 1 and 2; line 3 is added to the formula afterwards
  SeedLine(connection(), 3, "V");
  SeedBand(connection(), 3, 0, 100, "L", "H", 10);
  const DataPacket p = Custeio({Linha(3, "V")}, CadastroPacket(2000, {}));
  EXPECT_DOUBLE_EQ(Row(p, 0).historico, 200);  // 2000 x 10 %
  EXPECT_EQ(Row(p, 0).percentual, F(10));
  EXPECT_EQ(PercentualEmMemoria(1), Value());
  EXPECT_EQ(PercentualEmMemoria(2), Value());
}

}  // namespace
}  // namespace veiculo::testing
