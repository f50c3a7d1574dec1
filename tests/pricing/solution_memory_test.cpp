// What one desired-profit solution keeps from pass to pass: the database is
// read once per line, and a band that changes a line's percentage between
// passes still changes the line's amount on the passes it applies to.

#include <gtest/gtest.h>

#include "pricing/pricing_world.h"

namespace veiculo::testing {
namespace {

// Every pass after the first reads only for line 3, 5 % of the sale ("V"),
// whose amount moves with S: its formula line (BuscaIncidencia), then its
// reference date and its index (the present value of the new amount). The
// other lines, their bands and the financing line's present value are kept.
constexpr long kLeiturasPorPassoExtra = 3;

TEST_F(PricingTest, SolutionReadsEachLineOnce) {
  struct Caso {
    const char* nome;
    double desejado;
    int passos;
  };
  // The passes of each case are worked out in desired_profit_test.cpp.
  const Caso casos[] = {
      {"met by the starting price", 17.35, 1},
      {"converges on the present basis", 10, 7},
      {"stops after 16 passes", 99, 16},
  };
  // The first solution of the module also reads the dealer's parameters.
  Preco(17.35);
  long primeiro = 0;
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    const long leituras = StatementsOf([&] { Preco(c.desejado); });
    ASSERT_EQ(module().PassosLucroDesejado(), c.passos);
    if (c.passos == 1) {
      primeiro = leituras;
      continue;
    }
    EXPECT_EQ(leituras - primeiro, (c.passos - 1) * kLeiturasPorPassoExtra);
  }
}

// Line 2 (the 500.00 credit) gets a band: 90 % while the present profit of
// the previous pass lies in [11, 12], i.e. a credit of 450.00. At 10 % on the
// present basis (S, the band's credit, K, present cost, reached present %):
//   1  10,000.00     500  195.00  8,265.00       17.35 (no previous pass: 0)
//   2   9,265.00     500  125.17  8,158.42       11.94
//   3   9,085.259    450  103.10  8,177.36295     9.99
//        K = (9,085.259 - 8,050 + 450 - 454.26295) x 10 % = 103.099605
//   4   9,086.1675259   500  108.19  8,132.498376295  10.50
//   5   9,040.7366883   500  103.87  8,125.906834414  10.12
//   6   9,029.8878042   500  102.84  8,124.334390212  10.03
//   7   9,027.1788379   500  102.58  8,123.938941895  10.01
//   8   9,026.2761200   500  102.50  8,123.813806001  10.00
// e.g. S4 = 9,085.259 + (10 - 9.99) x 9,085.259 / 100; pass 8's historic
// cost 8,050 - 500 + 451.31381 + 102.50 = 8,103.81381 gives 10.22 %. The
// 450.00 credit kept from pass 3 into pass 4 would reach 10.00 % there
// (cost P 8,177.498, K 103.19) and stop at 9,086.
TEST_F(PricingTest, BandChangingBetweenPasses) {
  Insert(connection(), "VEI_FORMULA_LINHA_PER",
         "EMPRESA FORMULA LINHA_FORMULA LIMITE_INICIAL LIMITE_FINAL BASE_REFERENCIA "
         "HISTORICO_PRESENTE PERCENTUAL_FORMULA",
         {I(1), T("F1"), I(2), F(11), F(12), T("L"), T("P"), F(90)});
  EXPECT_EQ(Preco(10), 9026);
  EXPECT_EQ(module().PassosLucroDesejado(), 8);
  EXPECT_NEAR(module().GetdPbValorVenda(), 9026.2761200195, 1e-6);
  EXPECT_DOUBLE_EQ(module().GetCV_Per_Lucro_P(), 10.00);
  EXPECT_DOUBLE_EQ(module().GetCV_Per_Lucro_H(), 10.22);
  EXPECT_TRUE(mensagens.empty());
}

}  // namespace
}  // namespace veiculo::testing
