// Financing returns of the proposal and negotiation in context, net of the
// commission and the income tax withheld on them.

#include <gtest/gtest.h>

#include "value_sources/bonus_seed.h"
#include "value_sources/present_value_fixture.h"

namespace veiculo::testing {
namespace {

class ReturnsTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    // Proposal 10, negotiation 2 of dealer 1.
    SeedRetorno(connection(), {10, 2, 1, "FIN", 1000, 100, 15, 77});
    SeedRetorno(connection(), {10, 2, 2, "TAC", 300, std::nullopt, std::nullopt});
    SeedRetorno(connection(), {10, 2, 3, "FIN", 200, 20, std::nullopt, 0});
    // Another negotiation and another proposal: never counted.
    SeedRetorno(connection(), {10, 1, 1, "FIN", 999, 0, 0, 55});
    SeedRetorno(connection(), {11, 2, 1, "FIN", 888, 0, 0, 66});
    dm.SetiPvProposta(10);
    dm.SetiPvNegociacao(2);
  }
};

TEST_F(ReturnsTest, SumOfEveryTypeNetOfCommissionAndTax) {
  // (1000 - 100 - 15) + (300 - 0 - 0) + (200 - 20 - 0) = 885 + 300 + 180
  EXPECT_DOUBLE_EQ(dm.BuscaRetorno(1, 1, "ignored"), 1365);
  EXPECT_DOUBLE_EQ(dm.BuscaRetorno(1, 2, "ignored"), 0);  // another dealer
}

TEST_F(ReturnsTest, OneTypeKeepsItsCustomerAsTheFinanceCustomer) {
  // 885 + 180; the customer of sequence 1 is 77, sequence 3 has none (0).
  EXPECT_DOUBLE_EQ(dm.BuscaRetornoLinha(1, 1, "V1", "FIN"), 1065);
  EXPECT_EQ(peer.ClienteFI(), "77");
  // TAC has no customer: the one kept earlier stays.
  EXPECT_DOUBLE_EQ(dm.BuscaRetornoLinha(1, 1, "V1", "TAC"), 300);
  EXPECT_EQ(peer.ClienteFI(), "77");
  EXPECT_DOUBLE_EQ(dm.BuscaRetornoLinha(1, 1, "V1", "SEGURO"), 0);
}

TEST_F(ReturnsTest, ProposalWithoutReturnsGivesZero) {
  dm.SetiPvProposta(12);
  EXPECT_DOUBLE_EQ(dm.BuscaRetorno(1, 1, ""), 0);
  EXPECT_DOUBLE_EQ(dm.BuscaRetornoLinha(1, 1, "", "FIN"), 0);
  EXPECT_EQ(peer.ClienteFI(), "");
}

}  // namespace
}  // namespace veiculo::testing
