// AtualizaContato reads another dealer's default contact form without
// disturbing the parameters the caller has loaded.

#include <gtest/gtest.h>

#include "platform/db/client_dataset.h"
#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

TEST_F(ProposalDbTest, AnotherDealersContactFormLeavesTheLoadedParametersAlone) {
  dm.SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
  dm.SettPvDataProcessamento(Moment(2025, 3, 12));
  // Dealer 1: UB 2, form 5, PIS 1.65 + COFINS 7.6. Dealer 2: UB 7, form 8,
  // PIS 0.65 + COFINS 3.
  Insert("VEI_PARAMETRO", "REVENDA, UB_PADRAO, FORMA_CONTATO", {"1, 2, 5", "2, 7, 8"});
  Insert("GER_REVENDA", "REVENDA, PCT_PIS, PCT_COFINS", {"1, 1.65, 7.6", "2, 0.65, 3"});
  Insert("CAC_CONTATO", "REVENDA, CONTATO", {"2, 20"});
  ASSERT_TRUE(dm.LerParametro(1, 1));

  dm.AtualizaContato(1, 2, 20, 30, "APROVAR", "");
  EXPECT_EQ(One("select FORMA_CONTATO from CAC_PROVIDENCIA where REVENDA = 2"), "8");
  // Dealer 1's parameters are still the loaded ones.
  EXPECT_EQ(dm.GetUB(), 2);
  EXPECT_NEAR(dm.GetPis_Cofins(), 9.25, 1e-9);
  EXPECT_EQ(dm.cdsParametro->FieldByName("REVENDA").AsInteger(), 1);
  EXPECT_EQ(peer.RevendaAnt(), 1);
}

}  // namespace
}  // namespace veiculo::testing
