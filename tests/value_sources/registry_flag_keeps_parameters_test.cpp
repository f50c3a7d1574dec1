// BuscaValorCadastroModelos reads whether another dealer counts optionals
// without disturbing the parameters the caller has loaded.

#include <gtest/gtest.h>

#include "platform/db/client_dataset.h"
#include "value_sources/seed.h"

namespace veiculo::testing {
namespace {

TEST_F(ValueSourceTest, AnotherDealersOptionalsFlagLeavesTheLoadedParametersAlone) {
  Connection& c = connection();
  // M1: public price 50,000, freight 800, insurance 300; V1/CH1 carries the
  // model's optional AR of 2,500.
  AddModel(c, "M1", Cols("PRECO_PUBLICO FRETE_VENDA VAL_SEGURO", {F(50000), F(800), F(300)}));
  AddVehicle(c, "V1", "CH1", {{"NOVO_USADO", T("N")}});
  Insert(c, "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL VAL_OPCIONAL",
         {I(1), T("M1"), T("AR"), F(2500)});
  SeedFichaOpcional(c, 1, "CH1", "M1", "AR");
  // Dealer 1: UB 2, optionals not counted, PIS 1.65 + COFINS 7.6. Dealer 2:
  // UB 7, optionals counted, PIS 0.65 + COFINS 3.
  AddParameters(c, 1, Cols("UB_PADRAO IMPRIME_VALOR_OPCIONAIS_REL", {I(2), T("N")}));
  AddParameters(c, 2, Cols("UB_PADRAO IMPRIME_VALOR_OPCIONAIS_REL", {I(7), T("S")}));
  AddDealer(c, 1, Cols("PCT_PIS PCT_COFINS", {F(1.65), F(7.6)}));
  AddDealer(c, 2, Cols("PCT_PIS PCT_COFINS", {F(0.65), F(3)}));
  Load("V1");
  ASSERT_TRUE(module().LerParametro(1, 1));

  // Dealer 2 counts the optional: 50,000 + 800 + 300 + 2,500; dealer 1 does not.
  EXPECT_DOUBLE_EQ(module().BuscaValorCadastroModelos(1, false, false, 2), 53600);
  EXPECT_EQ(module().GetUB(), 2);
  EXPECT_NEAR(module().GetPis_Cofins(), 9.25, 1e-9);
  EXPECT_EQ(module().cdsParametro->FieldByName("REVENDA").AsInteger(), 1);
  EXPECT_EQ(peer().RevendaAnt(), 1);
  EXPECT_DOUBLE_EQ(module().BuscaValorCadastroModelos(1, false, false, 1), 51100);
}

}  // namespace
}  // namespace veiculo::testing
