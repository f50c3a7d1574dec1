// Payment deflation: ordinary payments and the instalments of financed ones,
// brought back from their due dates to the reference date by a daily index.

#include <gtest/gtest.h>

#include <optional>

#include "value_sources/invoice_seed.h"

namespace veiculo::testing {
namespace {

constexpr int kIndex = 9;
constexpr int kDoublingIndex = 19;
double Reference() {
  return Day(2024, 3, 1);
}

enum Condicao { kCheque = 10, kNoDeflation = 11, kFinanced = 12, kOwnFinancing = 13, kThirds = 14 };

class PaymentDeflationTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Condition(kCheque, "C", "S");
    Condition(kNoDeflation, "C", "N");
    Condition(kFinanced, "F", "S");
    Condition(kOwnFinancing, "D", "S");
    Condition(kThirds, "F", "S");
    Days(kFinanced, 30, 50);
    Days(kFinanced, 60, 50);
    Days(kThirds, 30, 33.3333);
    Days(kThirds, 60, 33.3333);
    Days(kThirds, 90, 33.3334);

    Level(kIndex, Reference(), 100);
    Level(kIndex, Day(2024, 3, 31), 102);
    Level(kIndex, Day(2024, 4, 10), 104);
    Level(kIndex, Day(2024, 5, 10), 105);
    Level(kDoublingIndex, Reference(), 100);
    for (double d : {Day(2024, 4, 10), Day(2024, 5, 10), Day(2024, 6, 9)}) {
      Level(kDoublingIndex, d, 200);
    }
  }

  void Condition(int condicao, const char* tipo, const char* deflacao) {
    InsertRow(connection(), "FAT_CONDICAO_PAGAMENTO",
              {{"EMPRESA", Value::Integer(1)},
               {"CONDICAO", Value::Integer(condicao)},
               {"TIPO_PAGTO", Value::Text(tipo)},
               {"CONSIDERA_DEFLACAO", Value::Text(deflacao)}});
  }
  void Days(int condicao, int dias, double peramortiza) {
    InsertRow(connection(), "FAT_CONDICAO_DIAS",
              {{"EMPRESA", Value::Integer(1)},
               {"CONDICAO", Value::Integer(condicao)},
               {"QUANTIDADE_DIAS", Value::Integer(dias)},
               {"PERAMORTIZA", Value::Float(peramortiza)}});
  }
  void Level(int indice, double data, double nivel) {
    InsertRow(connection(), "FIN_VALOR_INDICE",
              {{"EMPRESA", Value::Integer(1)},
               {"INDICE", Value::Integer(indice)},
               {"DTA_INDICE", Value::DateTime(data)},
               {"VAL_INDICE", Value::Float(nivel)}});
  }
  void Proposal(int proposta, std::optional<int> negociacao_final) {
    InsertRow(connection(), "VEI_PROPOSTA",
              {{"EMPRESA", Value::Integer(1)},
               {"REVENDA", Value::Integer(1)},
               {"PROPOSTA", Value::Integer(proposta)},
               {"NEGOCIACAO_FINAL",
                negociacao_final ? Value::Integer(*negociacao_final) : Value::Null()}});
  }
  void Payment(int proposta, int negociacao, int numero, int condicao, double valor,
               double vencimento) {
    InsertRow(connection(), "VEI_PAGAMENTO",
              {{"EMPRESA", Value::Integer(1)},
               {"REVENDA", Value::Integer(1)},
               {"PROPOSTA", Value::Integer(proposta)},
               {"NEGOCIACAO", Value::Integer(negociacao)},
               {"NUMERO_PAGAMENTO", Value::Integer(numero)},
               {"CONDICAO", Value::Integer(condicao)},
               {"VAL_PAGAMENTO", Value::Float(valor)},
               {"DTA_VENCIMENTO", Value::DateTime(vencimento)}});
  }
  double Deflation(int proposta, int indice = kIndex) {
    // The negotiation argument is replaced by the proposal's final one.
    return peer.BuscaValorDeflacaoPagamento(1, 1, proposta, 77, indice, Reference());
  }
};

TEST_F(PaymentDeflationTest, WithoutFinalNegotiationAnswersTheHolder) {
  dm.setrPbDeflacaoPagamento(123.45);
  Proposal(501, std::nullopt);
  Proposal(502, 0);
  Payment(501, 1, 1, kCheque, 10000, Day(2024, 3, 31));
  EXPECT_EQ(Deflation(501), 123.45);
  EXPECT_EQ(Deflation(502), 123.45);
  EXPECT_EQ(Deflation(999), 123.45);  // no such proposal
}

TEST_F(PaymentDeflationTest, OrdinaryPayments) {
  Proposal(500, 2);
  Payment(500, 2, 1, kCheque, 10000, Day(2024, 3, 31));       // index 102
  Payment(500, 2, 2, kCheque, 5000, Reference());             // not after the reference
  Payment(500, 2, 3, kNoDeflation, 8000, Day(2024, 3, 31));   // condition without deflation
  Payment(500, 2, 4, kOwnFinancing, 9000, Day(2024, 3, 31));  // type D is left out
  Payment(500, 2, 5, kCheque, 3000, Day(2024, 4, 15));        // no index value that day
  Payment(500, 1, 1, kCheque, 7000, Day(2024, 3, 31));        // not the final negotiation
  // 10000 - 10000 / 102 * 100 = 10000 * 2 / 102 = 196.0784313725490...
  EXPECT_NEAR(Deflation(500), 196.07843137254902, 1e-9);
}

TEST_F(PaymentDeflationTest, FinancedInstalments) {
  Proposal(510, 1);
  // 20000 due 10/04 in two halves: 10/04 + 30 - 30 (index 104) and
  // 10/04 + 60 - 30 = 10/05 (index 105).
  Payment(510, 1, 1, kFinanced, 20000, Day(2024, 4, 10));
  // 10000 * 4 / 104 + 10000 * 5 / 105 = 384.6153846... + 476.1904761... = 860.8058608...
  EXPECT_NEAR(Deflation(510), 860.80586080586080, 1e-9);
}

TEST_F(PaymentDeflationTest, OrdinaryAndFinancedTogether) {
  Proposal(530, 1);
  Payment(530, 1, 1, kFinanced, 20000, Day(2024, 4, 10));
  Payment(530, 1, 2, kCheque, 10000, Day(2024, 3, 31));
  // 196.0784313725490 + 860.8058608058608 = 1056.8842921784098
  EXPECT_NEAR(Deflation(530), 1056.8842921784098, 1e-9);
}

TEST_F(PaymentDeflationTest, TwoEqualPaymentsOnTheSameDayBothCount) {
  Proposal(520, 1);
  Payment(520, 1, 1, kCheque, 10000, Day(2024, 3, 31));
  Payment(520, 1, 2, kCheque, 10000, Day(2024, 3, 31));
  EXPECT_NEAR(Deflation(520), 2 * 196.07843137254902, 1e-9);
}

TEST_F(PaymentDeflationTest, InstalmentPercentagesKeepTheirDecimals) {
  Proposal(540, 1);
  // 30000 in thirds of 33.3333 %, 33.3333 % and 33.3334 %: 9999.99 + 9999.99
  // + 10000.02 = 30000; the index doubles, so each loses half: 15000.
  Payment(540, 1, 1, kThirds, 30000, Day(2024, 4, 10));
  EXPECT_NEAR(Deflation(540, kDoublingIndex), 15000, 1e-6);
}

TEST_F(PaymentDeflationTest, NoPaymentsGiveZero) {
  Proposal(550, 1);
  EXPECT_EQ(Deflation(550), 0);
}

}  // namespace
}  // namespace veiculo::testing
