// Payment deflation when the index has no value at one of the two dates: a
// payment is deflated only when the index has a value both at its due date
// and at the reference date.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "value_sources/seed.h"

namespace veiculo::testing {
namespace {

class PaymentDeflationIndexTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    Insert(c, "FAT_CONDICAO_PAGAMENTO", "EMPRESA CONDICAO TIPO_PAGTO CONSIDERA_DEFLACAO",
           {I(1), I(10), T("C"), T("S")});
    AddProposal(c, 1, 500, {{"NEGOCIACAO_FINAL", I(1)}});
    // 10,000 due 31/03/2024, 5,000 due 30/04/2024.
    AddPayment(
        c, 1, 500, 1, 1,
        Cols("CONDICAO VAL_PAGAMENTO DTA_VENCIMENTO", {I(10), F(10000), D(Day(2024, 3, 31))}));
    AddPayment(
        c, 1, 500, 1, 2,
        Cols("CONDICAO VAL_PAGAMENTO DTA_VENCIMENTO", {I(10), F(5000), D(Day(2024, 4, 30))}));
  }
};

TEST_F(PaymentDeflationIndexTest, OnlyPaymentsWithAnIndexValueAtBothDatesAreDeflated) {
  const double referencia = Day(2024, 3, 1);
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
    EXPECT_NEAR(peer().BuscaValorDeflacaoPagamento(1, 1, 500, 1, c.indice, referencia), c.deflacao,
                1e-9);
  }
}

}  // namespace
}  // namespace veiculo::testing
