// AtualizaContato reads another dealer's default contact form without
// disturbing the parameters the caller has loaded.

#include <gtest/gtest.h>

#include "support/kit.h"

namespace veiculo::testing {
namespace {

using ContactFormTest = ModuleTest;

TEST_F(ContactFormTest, AnotherDealersContactFormLeavesTheLoadedParametersAlone) {
  module().SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
  module().SettPvDataProcessamento(Moment(2025, 3, 12));
  // Dealer 1: UB 2, form 5, PIS 1.65 + COFINS 7.6. Dealer 2: UB 7, form 8,
  // PIS 0.65 + COFINS 3.
  Connection& c = connection();
  AddParameters(c, 1, Cols("UB_PADRAO FORMA_CONTATO", {I(2), I(5)}));
  AddParameters(c, 2, Cols("UB_PADRAO FORMA_CONTATO", {I(7), I(8)}));
  AddDealer(c, 1, Cols("PCT_PIS PCT_COFINS", {F(1.65), F(7.6)}));
  AddDealer(c, 2, Cols("PCT_PIS PCT_COFINS", {F(0.65), F(3)}));
  Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO", {I(1), I(2), I(20)});
  ASSERT_TRUE(module().LerParametro(1, 1));

  module().AtualizaContato(1, 2, 20, 30, "APROVAR", "");
  EXPECT_EQ(One("select FORMA_CONTATO from CAC_PROVIDENCIA where REVENDA = 2"), "8");
  // Dealer 1's parameters are still the loaded ones.
  EXPECT_EQ(module().GetUB(), 2);
  EXPECT_NEAR(module().GetPis_Cofins(), 9.25, 1e-9);
  EXPECT_EQ(module().cdsParametro->FieldByName("REVENDA").AsInteger(), 1);
  EXPECT_EQ(peer().RevendaAnt(), 1);
}

}  // namespace
}  // namespace veiculo::testing
