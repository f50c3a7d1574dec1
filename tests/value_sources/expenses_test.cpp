// Vehicle expenses (signs, filters, present value to the sale or processing
// date) and payment deflation (ordinary payments and financed instalments
// brought back from their due dates by a daily index).

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "value_sources/seed.h"

namespace veiculo::testing {
namespace {

void ExpenseType(Connection& c, int despesa, const char* sinal, std::optional<int> indice) {
  Insert(c, "VEI_DESPESA", "EMPRESA DESPESA SINAL INDICE",
         {I(1), I(despesa), T(sinal), IntOrNull(indice)});
}
void Expense(Connection& c, const char* veiculo, int despesa, int documento, double valor,
             double data, const char* compoe_custo) {
  Insert(c, "VEI_DESPESA_VEICULO",
         "EMPRESA VEICULO DESPESA DOCUMENTO CONTADOR VAL_DESPESA_VEICULO DTA_DESPESA_VEICULO "
         "COMPOE_CUSTO_CONTABIL",
         {I(1), T(veiculo), I(despesa), I(documento), I(1), F(valor), D(data), T(compoe_custo)});
}

TEST_F(ValueSourceTest, ExpensesBySignFilterAndPresentValue) {
  Connection& c = connection();
  Insert(c, "VEI_MODELO", "EMPRESA MODELO", {I(1), T("M1")});
  AddVehicle(c, "V1", "CH1", {});
  AddVehicle(c, "V2", "CH2", {{"DTA_VENDA", D(Day(2024, 4, 10))}});
  AddVehicle(c, "V3", "CH3", {});
  ExpenseType(c, 1, "+", std::nullopt);  // a cost to the dealer
  ExpenseType(c, 2, "-", std::nullopt);  // a recovery
  ExpenseType(c, 3, "X", std::nullopt);  // neither: left out
  ExpenseType(c, 4, "+", 7);
  AddIndex(c, 7, "D", {{Day(2024, 2, 1), 100}, {Day(2024, 3, 15), 105}, {Day(2024, 4, 10), 110}});
  Expense(c, "V1", 1, 1, 1000, Day(2024, 2, 1), "S");
  Expense(c, "V1", 2, 2, 300, Day(2024, 2, 5), "N");
  Expense(c, "V1", 1, 3, 250, Day(2024, 3, 20), "S");
  Expense(c, "V1", 3, 4, 999, Day(2024, 2, 1), "S");
  for (const char* v : {"V2", "V3"}) {
    Expense(c, v, 4, 1, 1000, Day(2024, 2, 1), "S");
    Expense(c, v, 2, 2, 200, Day(2024, 2, 1), "S");
  }
  const double proc = Day(2024, 3, 15);
  Load("V1");
  EXPECT_DOUBLE_EQ(peer().BuscaValorDespesas(1, 1, "V1", "H", proc, ""),
                   -950);  // -1000 + 300 - 250
  EXPECT_DOUBLE_EQ(peer().BuscaValorDespesas(1, 1, "V1", "H", proc, "C"),
                   -1250);  // accounting cost only
  EXPECT_DOUBLE_EQ(peer().BuscaValorDespesas(1, 1, "V1", "H", proc, "I"),
                   -1000);  // incurred by 15/03
  EXPECT_DOUBLE_EQ(peer().BuscaValorDespesas(1, 1, "V1", "H", Day(2024, 3, 20), "I"), -1250);
  EXPECT_DOUBLE_EQ(peer().BuscaValorDespesas(1, 1, "V1", "H", proc, "X"), 0);
  EXPECT_FALSE(module().cdsDespesa->Active());
  Load("V2");
  EXPECT_DOUBLE_EQ(peer().BuscaValorDespesas(1, 1, "V2", "H", proc, ""), -800);
  // Sold 10/04: 1000 / 100 * 110 = 1100; the 200 has no index. -1100 + 200.
  EXPECT_NEAR(peer().BuscaValorDespesas(1, 1, "V2", "P", proc, ""), -900, 1e-9);
  // Unsold: carried to 15/03, 1000 / 100 * 105 = 1050; -1050 + 200.
  Load("V3");
  EXPECT_NEAR(peer().BuscaValorDespesas(1, 1, "V3", "P", proc, ""), -850, 1e-9);
}

enum Condicao { kCheque = 10, kNoDeflation = 11, kFinanced = 12, kOwnFinancing = 13, kThirds = 14 };

class PaymentDeflationTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    for (auto [condicao, tipo, deflacao] : {std::tuple{kCheque, "C", "S"},
                                            {kNoDeflation, "C", "N"},
                                            {kFinanced, "F", "S"},
                                            {kOwnFinancing, "D", "S"},
                                            {kThirds, "F", "S"}})
      Insert(connection(), "FAT_CONDICAO_PAGAMENTO",
             "EMPRESA CONDICAO TIPO_PAGTO CONSIDERA_DEFLACAO",
             {I(1), I(condicao), T(tipo), T(deflacao)});
    for (auto [condicao, dias, per] : {std::tuple{kFinanced, 30, 50.0},
                                       {kFinanced, 60, 50.0},
                                       {kThirds, 30, 33.3333},
                                       {kThirds, 60, 33.3333},
                                       {kThirds, 90, 33.3334}})
      Insert(connection(), "FAT_CONDICAO_DIAS", "EMPRESA CONDICAO QUANTIDADE_DIAS PERAMORTIZA",
             {I(1), I(condicao), I(dias), F(per)});
    // Index 9: 01/03 100, 31/03 102, 10/04 104, 10/05 105; index 19 doubles.
    AddIndex(connection(), 9, "D",
             {{Day(2024, 3, 1), 100},
              {Day(2024, 3, 31), 102},
              {Day(2024, 4, 10), 104},
              {Day(2024, 5, 10), 105}});
    AddIndex(connection(), 19, "D",
             {{Day(2024, 3, 1), 100},
              {Day(2024, 4, 10), 200},
              {Day(2024, 5, 10), 200},
              {Day(2024, 6, 9), 200}});
  }
  void Proposal(int proposta, std::optional<int> final) {
    AddProposal(connection(), 1, proposta, {{"NEGOCIACAO_FINAL", IntOrNull(final)}});
  }
  void Payment(int proposta, int negociacao, int numero, int condicao, double valor,
               double vencimento) {
    AddPayment(
        connection(), 1, proposta, negociacao, numero,
        Cols("CONDICAO VAL_PAGAMENTO DTA_VENCIMENTO", {I(condicao), F(valor), D(vencimento)}));
  }
  // The negotiation argument (77) is replaced by the proposal's final one.
  double Deflation(int proposta, int indice = 9) {
    return peer().BuscaValorDeflacaoPagamento(1, 1, proposta, 77, indice, Day(2024, 3, 1));
  }
};

TEST_F(PaymentDeflationTest, WithoutFinalNegotiationAnswersTheHolder) {
  module().setrPbDeflacaoPagamento(123.45);
  Proposal(501, std::nullopt);
  Proposal(502, 0);
  Payment(501, 1, 1, kCheque, 10000, Day(2024, 3, 31));
  for (int proposta : {501, 502, 999}) EXPECT_EQ(Deflation(proposta), 123.45);
  Proposal(550, 1);  // no payments
  EXPECT_EQ(Deflation(550), 0);
}

TEST_F(PaymentDeflationTest, OrdinaryAndFinancedPayments) {
  Proposal(500, 2);
  Payment(500, 2, 1, kCheque, 10000, Day(2024, 3, 31));       // index 102
  Payment(500, 2, 2, kCheque, 5000, Day(2024, 3, 1));         // not after the reference
  Payment(500, 2, 3, kNoDeflation, 8000, Day(2024, 3, 31));   // condition without deflation
  Payment(500, 2, 4, kOwnFinancing, 9000, Day(2024, 3, 31));  // type D is left out
  Payment(500, 2, 5, kCheque, 3000, Day(2024, 4, 15));        // no index value that day
  Payment(500, 1, 1, kCheque, 7000, Day(2024, 3, 31));        // not the final negotiation
  // 10000 - 10000 / 102 * 100 = 196.0784313725490...
  EXPECT_NEAR(Deflation(500), 196.07843137254902, 1e-9);
  // 20000 due 10/04 in halves on 10/04 (104) and 10/05 (105), plus two equal
  // cheques: 10000 * 4 / 104 + 10000 * 5 / 105 + 2 * 196.0784313725490.
  Proposal(510, 1);
  Payment(510, 1, 1, kFinanced, 20000, Day(2024, 4, 10));
  Payment(510, 1, 2, kCheque, 10000, Day(2024, 3, 31));
  Payment(510, 1, 3, kCheque, 10000, Day(2024, 3, 31));
  EXPECT_NEAR(Deflation(510), 860.80586080586080 + 2 * 196.07843137254902, 1e-9);
  // Thirds of 33.3333 %, 33.3333 %, 33.3334 % keep their decimals: 30000 in
  // all; the index doubles, so half is lost.
  Proposal(540, 1);
  Payment(540, 1, 1, kThirds, 30000, Day(2024, 4, 10));
  EXPECT_NEAR(Deflation(540, 19), 15000, 1e-6);
}

// A payment is deflated only when the index has a value both at its due date
// and at the reference date (01/03/2024).
TEST_F(PaymentDeflationTest, OnlyPaymentsWithAnIndexValueAtBothDatesAreDeflated) {
  Proposal(560, 1);
  Payment(560, 1, 1, kCheque, 10000, Day(2024, 3, 31));
  Payment(560, 1, 2, kCheque, 5000, Day(2024, 4, 30));
  struct Case {
    const char* name;
    int indice;
    std::vector<std::pair<double, double>> valores;
    double deflacao;
  };
  const std::vector<Case> cases = {
      // A monthly index dated on the first of the month has no value on either
      // due date: nothing is deflated.
      {"no value at the due dates", 21, {{Day(2024, 3, 1), 100}, {Day(2024, 4, 1), 101}}, 0},
      // Values at both due dates but none at the reference date: a missing
      // reference value is no index of 0, which would count each payment
      // whole (15,000) as deflation.
      {"no value at the reference date", 22, {{Day(2024, 3, 31), 102}, {Day(2024, 4, 30), 104}}, 0},
      // Every date has a value: 10,000 - 10,000 / 102 x 100 = 196.0784313725...
      // and 5,000 - 5,000 / 104 x 100 = 192.3076923076...
      {"values at every date",
       23,
       {{Day(2024, 3, 1), 100}, {Day(2024, 3, 31), 102}, {Day(2024, 4, 30), 104}},
       196.07843137254902 + 192.30769230769231},
      // The reference has a value, the second due date has none: only the
      // first payment counts.
      {"a value at the reference and one due date",
       24,
       {{Day(2024, 3, 1), 100}, {Day(2024, 3, 31), 102}},
       196.07843137254902},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AddIndex(connection(), c.indice, "D", c.valores);
    EXPECT_NEAR(Deflation(560, c.indice), c.deflacao, 1e-9);
  }
}

}  // namespace
}  // namespace veiculo::testing
