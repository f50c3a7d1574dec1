// The costing reads what belongs to the vehicle's own company and invoice:
// cost adjustments of the vehicle code in its company only (codes are unique
// per company), and the payment conditions of the exit invoice's operation
// under the invoice's own company and dealer (operation numbers are the
// dealer's own).

#include <gtest/gtest.h>

#include "costing/vehicle_cost_seed.h"

namespace veiculo::testing {
namespace {

class CompanyScopedCostSourcesTest : public VehicleCostTest {};

TEST_F(CompanyScopedCostSourcesTest, AdjustmentsOfTheSameCodeInAnotherCompanyDoNotCount) {
  SeedWorld();
  SeedAdjustmentTypes();
  SeedLine(connection(), 1, "C", Cols("CUSTO_CONTABIL", {T("+")}));
  SeedAjuste(connection(), 200, "AJE", "F", Day(2024, 3, 1), 250);
  // Company 2 has a vehicle V1 of its own, adjusted by 999.00.
  const Columns outra =
      Cols("EMPRESA REVENDA NUMERO_NOTA_FISCAL SERIE_NOTA_FISCAL TIPO_TRANSACAO CONTADOR",
           {I(2), I(1), I(200), T("U"), T("AJE"), I(1)});
  Insert(connection(), "FAT_MOVIMENTO_CAPA",
         outra + Cols("STATUS DTA_DOCUMENTO", {T("F"), D(Day(2024, 3, 1))}));
  Insert(connection(), "FAT_MOVIMENTO_VEICULO",
         outra + Cols("VEICULO VAL_CUSTO", {T("V1"), F(999)}));

  // The entry invoice 60,000.00 plus company 1's adjustment 250.00.
  module().LerParametro(1, 1);
  Load("V1");
  EXPECT_DOUBLE_EQ(module().CalculaCustoContabil(1, 1, "V1", "F1", kD1, "C"), 60250);
  ASSERT_EQ(Calcula(), "OK|");
  EXPECT_EQ(Veiculo("VAL_CUSTO_CONTABIL"), "60250.00");
}

TEST_F(CompanyScopedCostSourcesTest, ThePaymentConditionsAreTheInvoicingDealersOperation) {
  // V1 was invoiced by dealer 2 under its operation 5, on the costing date:
  // 90,000.00 less no discount.
  const Invoice saida{2, 300, "VND"};
  SeedWorld({}, ExitInvoiceOf(saida));
  AddInvoice(connection(), saida,
             Cols("TOT_NOTA_FISCAL VALDESCONTO DTA_ENTRADA_SAIDA FATOPERACAO STATUS",
                  {F(90000), F(0), Value::DateTime(kD1), I(5), T("F")}));
  // Dealer 2's operation 5: 60,000.00 + 30,000.00 due on the invoice date;
  // dealer 1 numbers an operation of its own 5: 50,000.00.
  for (const auto& [revenda, valor] : {std::pair{2, 60000.0}, {2, 30000.0}, {1, 50000.0}})
    Insert(connection(), "FAT_OPERACAO_CONDICAO",
           "EMPRESA REVENDA OPERACAO VAL_OPERACAO_CONDICAO DTA_VENCIMENTO_CHEQUE",
           {I(1), I(revenda), I(5), F(valor), Value::DateTime(kD1)});

  ASSERT_EQ(Calcula("V1", 0, 0), "OK|");
  // Due on the reference date, the conditions are worth what they say:
  // 60,000 + 30,000 = 90,000.
  EXPECT_EQ(Veiculo("VAL_PRESENTE_VENDA"), "90000.00");
}

}  // namespace
}  // namespace veiculo::testing
