// The running results of a costing evaluation and the control sum's share.

#include <gtest/gtest.h>

#include "costing/costing_evaluation_seed.h"

namespace veiculo::testing {
namespace {

using costing::CalculaResultados;

TEST(CalculaResultados, ProfitsAndPercentagesOfEachBase) {
  Variaveis f;
  f.ValorPresente = 1600;
  f.CustoHistorico = 1500;
  f.CustoPresente = 1200;
  f.LucroBrutoH = 1000;
  f.LucroBrutoP = 800;
  f.MargemH = 1900;
  f.MargemP = 1700;
  costing::VariaveisCusteio v = f.Vars();
  CalculaResultados(v, 2000, 2500);
  f.Expect({{"Valor_PV", 2500},
            {"LucroHistorico", 500},   // 2000 - 1500
            {"LucroPresente", 400},    // 1600 - 1200
            {"LucroBrutoH", 1000},     // 2000 - 1000
            {"LucroBrutoP", 800},      // 1600 - 800
            {"MargemH", 100},          // 2000 - 1900
            {"MargemP", -100},         // 1600 - 1700
            {"PercHistorico", 25},     // 500 / 2000
            {"PercLucroBrutoH", 50},   // 1000 / 2000
            {"PercMargemH", 5},        // 100 / 2000
            {"PercPresente", 25},      // 400 / 1600
            {"PercLucroBrutoP", 50},   // 800 / 1600
            {"PercMargemP", -6.25},    // -100 / 1600
            {"PercHistoricoPV", 20},   // 500 / 2500
            {"PercPresentePV", 16}});  // 400 / 2500
}

TEST(CalculaResultados, AnOverflowStopsTheStepAndKeepsWhatWasComputed) {
  Variaveis f;
  f.ValorPresente = 1000;
  f.CustoPresente = 400;
  f.LucroBrutoH = -1e308;  // 1e308 - (-1e308) overflows
  f.LucroHistorico = f.LucroPresente = f.MargemH = f.PercHistorico = 3;
  costing::VariaveisCusteio v = f.Vars();
  CalculaResultados(v, 1e308, 50);
  // 1e308 - 0 and 1000 - 400 before the failure; the failing figure and
  // everything after it keep their values.
  f.Expect({{"Valor_PV", 50},
            {"LucroHistorico", 1e308},
            {"LucroPresente", 600},
            {"LucroBrutoH", -1e308},
            {"MargemH", 3},
            {"PercHistorico", 3}});
}

TEST(ParcelaControle, OncePerSignOfTheThreeTotals) {
  costing::LinhaCusteio l;
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
}  // namespace veiculo::testing
