// The salesperson's commission: the commission percentage of the salesperson
// of the vehicle's proposal, found at the proposal's own dealer, on the
// commission base.

#include <gtest/gtest.h>

#include "value_sources/bonus_seed.h"
#include "value_sources/present_value_fixture.h"

namespace veiculo::testing {
namespace {

class CommissionTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    InsertRow(connection(), "VEI_SITUACAO",
              {{"EMPRESA", Value::Integer(1)},
               {"SITUACAO", Value::Text("EST")},
               {"LOCALIZACAO", Value::Text("E")}});
    for (const char* veiculo : {"V1", "V2", "V3"}) {
      InsertRow(connection(), "VEI_VEICULO",
                {{"EMPRESA", Value::Integer(1)},
                 {"VEICULO", Value::Text(veiculo)},
                 {"SITUACAO", Value::Text("EST")}});
    }
    InsertRow(connection(), "CAC_CONTATO",
              {{"EMPRESA", Value::Integer(1)},
               {"REVENDA", Value::Integer(2)},
               {"CONTATO", Value::Integer(50)}});
    // V1 is sold by salesperson 5 of dealer 2, V3 by salesperson 6 (no percentage).
    Proposta(300, "V1", 5);
    Proposta(301, "V3", 6);
    SeedVendedor(connection(), 2, 5, 1.5);
    SeedVendedor(connection(), 1, 5, 3);  // the same number at dealer 1
    SeedVendedor(connection(), 2, 6, std::nullopt);
    dm.SetBaseComissaoVendedor(80000);
  }

  void Proposta(int proposta, const char* veiculo, int vendedor) {
    InsertRow(connection(), "VEI_PROPOSTA",
              {{"EMPRESA", Value::Integer(1)},
               {"REVENDA", Value::Integer(2)},
               {"PROPOSTA", Value::Integer(proposta)},
               {"SITUACAO", Value::Text("3")},
               {"VEICULO", Value::Text(veiculo)},
               {"CONTATO", Value::Integer(50)},
               {"VENDEDOR", Value::Integer(vendedor)}});
  }
};

TEST_F(CommissionTest, PercentageOfTheProposalsSalespersonAtItsDealer) {
  // Asked at dealer 1, the proposal is dealer 2's: 80000 * 1,5 / 100 = 1200.
  EXPECT_DOUBLE_EQ(dm.BuscaComissaoVendedor(1, 1, "V1"), 1200);
}

TEST_F(CommissionTest, NoProposalOrNoPercentageGivesZero) {
  EXPECT_DOUBLE_EQ(dm.BuscaComissaoVendedor(1, 1, "V2"), 0);
  EXPECT_DOUBLE_EQ(dm.BuscaComissaoVendedor(1, 2, "V3"), 0);
}

}  // namespace
}  // namespace veiculo::testing
