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
  Row(c, "VEI_MODELO", "MODELO,PRECO_PUBLICO,FRETE_VENDA,VAL_SEGURO",
      {T("M1"), F(50000), F(800), F(300)});
  SeedVehicle(c, "V1", "CH1", {{"NOVO_USADO", T("N")}});
  Row(c, "VEI_OPCIONAL_MODELO", "MODELO,OPCIONAL,VAL_OPCIONAL", {T("M1"), T("AR"), F(2500)});
  Row(c, "OFI_FICHA_OPCIONAL", "CHASSI,MODELO,OPCIONAL", {T("CH1"), T("M1"), T("AR")});
  // Dealer 1: UB 2, optionals not counted, PIS 1.65 + COFINS 7.6. Dealer 2:
  // UB 7, optionals counted, PIS 0.65 + COFINS 3.
  Row(c, "VEI_PARAMETRO", "REVENDA,UB_PADRAO,IMPRIME_VALOR_OPCIONAIS_REL", {I(1), I(2), T("N")});
  Row(c, "VEI_PARAMETRO", "REVENDA,UB_PADRAO,IMPRIME_VALOR_OPCIONAIS_REL", {I(2), I(7), T("S")});
  Row(c, "GER_REVENDA", "REVENDA,PCT_PIS,PCT_COFINS", {I(1), F(1.65), F(7.6)});
  Row(c, "GER_REVENDA", "REVENDA,PCT_PIS,PCT_COFINS", {I(2), F(0.65), F(3)});
  Load("V1");
  ASSERT_TRUE(dm.LerParametro(1, 1));

  // Dealer 2 counts the optional: 50,000 + 800 + 300 + 2,500; dealer 1 does not.
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 2), 53600);
  EXPECT_EQ(dm.GetUB(), 2);
  EXPECT_NEAR(dm.GetPis_Cofins(), 9.25, 1e-9);
  EXPECT_EQ(dm.cdsParametro->FieldByName("REVENDA").AsInteger(), 1);
  EXPECT_EQ(peer.RevendaAnt(), 1);
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 1), 51100);
}

}  // namespace
}  // namespace veiculo::testing
