// Vehicle expenses: the signs, the three filters, and present values carried
// to the sale date (or the processing date while unsold) by an index.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "value_sources/invoice_seed.h"

namespace veiculo::testing {
namespace {

void SeedExpenseType(Connection& c, int despesa, const std::string& sinal,
                     std::optional<int> indice) {
  InsertRow(c, "VEI_DESPESA",
            {{"EMPRESA", Value::Integer(1)},
             {"DESPESA", Value::Integer(despesa)},
             {"SINAL", Value::Text(sinal)},
             {"INDICE", indice ? Value::Integer(*indice) : Value::Null()}});
}

void SeedExpense(Connection& c, const std::string& veiculo, int despesa, int documento,
                 double valor, double data, const std::string& compoe_custo) {
  InsertRow(c, "VEI_DESPESA_VEICULO",
            {{"EMPRESA", Value::Integer(1)},
             {"VEICULO", Value::Text(veiculo)},
             {"DESPESA", Value::Integer(despesa)},
             {"DOCUMENTO", Value::Integer(documento)},
             {"CONTADOR", Value::Integer(1)},
             {"VAL_DESPESA_VEICULO", Value::Float(valor)},
             {"DTA_DESPESA_VEICULO", Value::DateTime(data)},
             {"COMPOE_CUSTO_CONTABIL", Value::Text(compoe_custo)}});
}

void SeedIndexLevel(Connection& c, int indice, double data, double nivel) {
  InsertRow(c, "FIN_VALOR_INDICE",
            {{"EMPRESA", Value::Integer(1)},
             {"INDICE", Value::Integer(indice)},
             {"DTA_INDICE", Value::DateTime(data)},
             {"VAL_INDICE", Value::Float(nivel)}});
}

constexpr int kDailyIndex = 7;
double Processamento() {
  return Day(2024, 3, 15);
}

class ExpensesTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    SeedModel(c);
    SeedVehicle(c, "V1", "CH1", {});
    SeedVehicle(c, "V2", "CH2", {{"DTA_VENDA", DateValue(2024, 4, 10)}});
    SeedVehicle(c, "V3", "CH3", {});
    SeedExpenseType(c, 1, "+", std::nullopt);  // a cost to the dealer
    SeedExpenseType(c, 2, "-", std::nullopt);  // a recovery
    SeedExpenseType(c, 3, "X", std::nullopt);  // neither: left out
    SeedExpenseType(c, 4, "+", kDailyIndex);

    SeedExpense(c, "V1", 1, 1, 1000, Day(2024, 2, 1), "S");
    SeedExpense(c, "V1", 2, 2, 300, Day(2024, 2, 5), "N");
    SeedExpense(c, "V1", 1, 3, 250, Day(2024, 3, 20), "S");
    SeedExpense(c, "V1", 3, 4, 999, Day(2024, 2, 1), "S");

    InsertRow(c, "FIN_INDICE_FINANCEIRO",
              {{"EMPRESA", Value::Integer(1)},
               {"INDICE", Value::Integer(kDailyIndex)},
               {"PERIODO", Value::Text("D")}});
    SeedIndexLevel(c, kDailyIndex, Day(2024, 2, 1), 100);
    SeedIndexLevel(c, kDailyIndex, Day(2024, 3, 15), 105);
    SeedIndexLevel(c, kDailyIndex, Day(2024, 4, 10), 110);
    for (const char* veiculo : {"V2", "V3"}) {
      SeedExpense(c, veiculo, 4, 1, 1000, Day(2024, 2, 1), "S");
      SeedExpense(c, veiculo, 2, 2, 200, Day(2024, 2, 1), "S");
    }
  }
};

struct ExpenseCase {
  const char* filtro;
  double processamento;
  double expected;
};

TEST_F(ExpensesTest, SignsAndFilters) {
  Load("V1");
  const ExpenseCase cases[] = {
      // Every expense: -1000 + 300 - 250 (sign X left out) = -950.
      {"", Processamento(), -950},
      // Accounting cost only: -1000 - 250 = -1250.
      {"C", Processamento(), -1250},
      // Accounting cost incurred by 15/03: the 250 of 20/03 is not yet.
      {"I", Processamento(), -1000},
      // On 20/03 itself it is.
      {"I", Day(2024, 3, 20), -1250},
      {"X", Processamento(), 0},
  };
  for (const ExpenseCase& tc : cases) {
    SCOPED_TRACE(std::string("filter '") + tc.filtro + "'");
    EXPECT_DOUBLE_EQ(peer.BuscaValorDespesas(1, 1, "V1", "H", tc.processamento, tc.filtro),
                     tc.expected);
  }
  EXPECT_FALSE(dm.cdsDespesa->Active());
}

TEST_F(ExpensesTest, PresentValueToTheSaleDate) {
  Load("V2");
  // Historical: -1000 + 200.
  EXPECT_DOUBLE_EQ(peer.BuscaValorDespesas(1, 1, "V2", "H", Processamento(), ""), -800);
  // Sold on 10/04: the 1000 of 01/02 goes from level 100 to 110, 1100; the
  // 200 has no index and stays. -1100 + 200 = -900.
  EXPECT_NEAR(peer.BuscaValorDespesas(1, 1, "V2", "P", Processamento(), ""), -900, 1e-9);
}

TEST_F(ExpensesTest, PresentValueOfAnUnsoldVehicleToTheProcessingDate) {
  Load("V3");
  // Not sold: carried to 15/03, level 105: 1000 / 100 * 105 = 1050; -1050 + 200.
  EXPECT_NEAR(peer.BuscaValorDespesas(1, 1, "V3", "P", Processamento(), ""), -850, 1e-9);
}

}  // namespace
}  // namespace veiculo::testing
