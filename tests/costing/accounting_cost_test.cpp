// CalculaCustoContabil and BuscaAjustes on V1 of the vehicle cost world.

#include <gtest/gtest.h>

#include "costing/vehicle_cost_seed.h"

namespace veiculo::testing {
namespace {

class AccountingCostTest : public VehicleCostTest {
 protected:
  void SetUp() override {
    VehicleCostTest::SetUp();
    SeedWorld();
    SeedAdjustmentTypes();
    Insert(connection(), "FAT_TIPO_TRANSACAO", "TIPO_TRANSACAO TIPO SUBTIPO_TRANSACAO",
           {T("DEV"), T("E"), T("D")});
  }
  double Contabil() {
    module().LerParametro(1, 1);
    Load("V1");
    return module().CalculaCustoContabil(1, 1, "V1", "F1", kD1, "C");
  }
};

TEST_F(AccountingCostTest, AdjustmentsUpToTheDateOfValidInvoices) {
  SeedAjuste(connection(), 200, "AJE", "F", Day(2024, 3, 1), 250);   // in
  SeedAjuste(connection(), 201, "AJS", "A", Day(2024, 3, 15), 50);   // out, on the date
  SeedAjuste(connection(), 202, "AJE", "F", Day(2024, 3, 16), 999);  // after the date
  SeedAjuste(connection(), 203, "AJE", "C", Day(2024, 3, 1), 777);   // cancelled
  SeedAjuste(connection(), 204, "DEV", "F", Day(2024, 3, 1), 333);   // not an adjustment
  EXPECT_DOUBLE_EQ(module().BuscaAjustes("V1", kD1), 200);           // 250 - 50
  EXPECT_DOUBLE_EQ(module().BuscaAjustes("V1", Day(2024, 3, 14)), 250);
  EXPECT_DOUBLE_EQ(module().BuscaAjustes("V2", kD1), 0);
}

TEST_F(AccountingCostTest, SignedActiveLinesAtTheirPercentagesPlusAdjustments) {
  // 1 "+" cost 60,000 (the entry invoice alone: no "$"); 3 "+" IPI 3,000 at
  // the line's 50 % = 1,500; 4 "-" accounting expenses -1,000; 5 unsigned;
  // 6 deleted. 60,000 + 1,500 + 1,000 + adjustment 250 = 62,750.
  SeedLine(connection(), 1, "C", {{"CUSTO_CONTABIL", T("+")}});
  SeedLine(connection(), 3, "A", {{"PERCENTUAL", F(50)}, {"CUSTO_CONTABIL", T("+")}});
  SeedLine(connection(), 4, "O", {{"CUSTO_CONTABIL", T("-")}});
  SeedLine(connection(), 5, "V", {{"CUSTO_CONTABIL", T("x")}});
  SeedLine(connection(), 6, "V", {{"STATUS", T("D")}, {"CUSTO_CONTABIL", T("+")}});
  SeedLine(connection(), 12, "(", {{"TIPO", T("B")}});
  SeedAjuste(connection(), 200, "AJE", "F", Day(2024, 3, 1), 250);
  EXPECT_DOUBLE_EQ(Contabil(), 62750);
}

TEST_F(AccountingCostTest, ThePercentageHeldInTheFormulaLinesCounts) {
  // A band percentage posted in cdsFormulaLinha (as the costing does) values
  // the line: 3,000 x 20 % = 600.
  SeedLine(connection(), 3, "A", {{"CUSTO_CONTABIL", T("+")}});
  module().LerParametro(1, 1);
  Load("V1");
  module().cdsFormulaLinha->Edit();
  module().cdsFormulaLinha->FieldByName("PERCENTUAL").SetAsFloat(20);
  module().cdsFormulaLinha->Post();
  EXPECT_DOUBLE_EQ(module().CalculaCustoContabil(1, 1, "V1", "F1", kD1, "C"), 600);
}

TEST_F(AccountingCostTest, AnEmptyFormulaCostsNothingEvenWithAdjustments) {
  SeedAjuste(connection(), 200, "AJE", "F", Day(2024, 3, 1), 250);
  EXPECT_DOUBLE_EQ(Contabil(), 0);
}

}  // namespace
}  // namespace veiculo::testing
