// The running results of a costing evaluation and the control sum's share.

#include <gtest/gtest.h>

#include "costing/costing_evaluation.h"

namespace veiculo::costing {
namespace {

struct Figuras {
  double ControleNovo = 0, Valor_PV = 0, LucroHistorico = 0, LucroPresente = 0, ValorPresente = 0,
         PercHistoricoPV = 0, PercPresentePV = 0, PercLucroBrutoP = 0, PercLucroBrutoH = 0,
         PercMargemP = 0, PercMargemH = 0, PercPresente = 0, PercHistorico = 0, CustoPresente = 0,
         CustoHistorico = 0, MargemP = 0, MargemH = 0, LucroBrutoP = 0, LucroBrutoH = 0;
  VariaveisCusteio Vars() {
    return {ControleNovo,    Valor_PV,       LucroHistorico,  LucroPresente,   ValorPresente,
            PercHistoricoPV, PercPresentePV, PercLucroBrutoP, PercLucroBrutoH, PercMargemP,
            PercMargemH,     PercPresente,   PercHistorico,   CustoPresente,   CustoHistorico,
            MargemP,         MargemH,        LucroBrutoP,     LucroBrutoH};
  }
};

TEST(CalculaResultados, ProfitsAndPercentagesOfEachBase) {
  Figuras f;
  f.ValorPresente = 1600;
  f.CustoHistorico = 1500;
  f.CustoPresente = 1200;
  f.LucroBrutoH = 1000;
  f.LucroBrutoP = 800;
  f.MargemH = 1900;
  f.MargemP = 1700;
  VariaveisCusteio v = f.Vars();
  CalculaResultados(v, 2000, 2500);
  EXPECT_DOUBLE_EQ(f.Valor_PV, 2500);
  EXPECT_DOUBLE_EQ(f.LucroHistorico, 500);  // 2000 - 1500
  EXPECT_DOUBLE_EQ(f.LucroPresente, 400);   // 1600 - 1200
  EXPECT_DOUBLE_EQ(f.LucroBrutoH, 1000);    // 2000 - 1000
  EXPECT_DOUBLE_EQ(f.LucroBrutoP, 800);     // 1600 - 800
  EXPECT_DOUBLE_EQ(f.MargemH, 100);         // 2000 - 1900
  EXPECT_DOUBLE_EQ(f.MargemP, -100);        // 1600 - 1700
  EXPECT_DOUBLE_EQ(f.PercHistorico, 25);    // 500 / 2000
  EXPECT_DOUBLE_EQ(f.PercLucroBrutoH, 50);  // 1000 / 2000
  EXPECT_DOUBLE_EQ(f.PercMargemH, 5);       // 100 / 2000
  EXPECT_DOUBLE_EQ(f.PercPresente, 25);     // 400 / 1600
  EXPECT_DOUBLE_EQ(f.PercLucroBrutoP, 50);  // 800 / 1600
  EXPECT_DOUBLE_EQ(f.PercMargemP, -6.25);   // -100 / 1600
  EXPECT_DOUBLE_EQ(f.PercHistoricoPV, 20);  // 500 / 2500
  EXPECT_DOUBLE_EQ(f.PercPresentePV, 16);   // 400 / 2500
}

TEST(CalculaResultados, AnOverflowStopsTheStepAndKeepsWhatWasComputed) {
  Figuras f;
  f.ValorPresente = 1000;
  f.CustoPresente = 400;
  f.LucroBrutoH = -1e308;  // 1e308 - (-1e308) overflows
  f.LucroHistorico = f.LucroPresente = f.MargemH = f.PercHistorico = 3;
  VariaveisCusteio v = f.Vars();
  CalculaResultados(v, 1e308, 50);
  EXPECT_DOUBLE_EQ(f.Valor_PV, 50);
  EXPECT_DOUBLE_EQ(f.LucroHistorico, 1e308);  // 1e308 - 0
  EXPECT_DOUBLE_EQ(f.LucroPresente, 600);     // before the failure
  EXPECT_DOUBLE_EQ(f.LucroBrutoH, -1e308);    // the failing one keeps its value
  EXPECT_DOUBLE_EQ(f.MargemH, 3);             // and so does everything after it
  EXPECT_DOUBLE_EQ(f.PercHistorico, 3);
}

TEST(ParcelaControle, OncePerSignOfTheThreeTotals) {
  LinhaCusteio l;
  struct Case {
    const char *custo, *lucro, *margem;
    double parcela;
  } cases[] = {{"+", "+", "+", 3 * 12.5},
               {"-", "", "", -12.5},
               {"+", "-", "?", 0},
               {"", "", "", 0},
               {"+x", "-y", "-", -12.5}};
  for (const Case& c : cases) {
    l.CUSTO_TOTAL = c.custo;
    l.LUCRO_BRUTO = c.lucro;
    l.MARGEM_CONTRIBUICAO = c.margem;
    EXPECT_DOUBLE_EQ(ParcelaControle(l, 10, 2.5), c.parcela) << c.custo << c.lucro << c.margem;
  }
}

}  // namespace
}  // namespace veiculo::costing
