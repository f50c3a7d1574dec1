// GravaRetornoFin on its own: credits and debits on a return found or
// created, the recomputed value, and what it reports when it fails.

#include <gtest/gtest.h>

#include <string>

#include "support/kit.h"
#include "support/row_lines.h"

namespace veiculo::testing {
namespace {

class GravaRetornoFinTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    InsertRows(connection(), "VEI_CONTA_FI", "EMPRESA CONTA TIPO_RETORNO",
               {{I(1), I(101), T("FIN")}, {I(1), I(110), T("TAXA CARTAO")}, {I(1), I(5), Null()}});
    // Another proposal's return with the same sequence and type.
    Insert(connection(), "VEI_RETORNO",
           "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA TIPO_RETORNO VAL_RETORNO CLIENTE",
           {I(1), I(1), I(11), I(1), I(1), T("FIN"), F(7), I(555)});
    Insert(connection(), "VEI_RETORNO_CONTA",
           "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA CONTA TIPO_LCTO VALOR",
           {I(1), I(1), I(11), I(1), I(1), I(101), T("C"), F(7)});
  }
  bool Grava(int32_t financeira, int32_t conta, double valor, const std::string& marca = "",
             const std::string& descricao = "RET") {
    sql_ = marca;
    return module().GravaRetornoFin(1, 1, 10, 1, financeira, conta, descricao, valor, 0,
                                    Day(2026, 12, 7), sql_, mensagem_);
  }
  std::string sql_, mensagem_;
};

TEST_F(GravaRetornoFinTest, CreditsAndDebitsGoOnTheReturnOfTheSameTypeAndCustomer) {
  struct Step {
    int32_t financeira, conta;
    double valor;
    const char* marca;
  };
  // Customer 341: +100 creates return 1; -40 is its debit (100 - 40 = 60);
  // +70 replaces the credit (70 - 40 = 30). No customer: return 2. A card
  // fee is found by its account's entry: 15, then 25 on the same entry.
  const Step steps[] = {{341, 101, 100, "FI_INTEGRACAO"},
                        {341, 101, -40, ""},
                        {341, 101, 70, ""},
                        {-1, 101, 20, ""},
                        {-1, 110, 15, ""},
                        {-1, 110, 25, ""}};
  for (const Step& s : steps) {
    EXPECT_TRUE(Grava(s.financeira, s.conta, s.valor, s.marca)) << mensagem_;
    EXPECT_EQ(sql_.rfind("update vei_retorno set vei_retorno.val_retorno", 0), 0u) << sql_;
    EXPECT_EQ(mensagem_, "");
  }
  EXPECT_EQ(
      Read("select SEQUENCIA, TIPO_RETORNO, VAL_RETORNO, CLIENTE, FIB_INTEGRADO, SITUACAO, "
           "DTA_LANCAMENTO from VEI_RETORNO where PROPOSTA = 10 order by 1"),
      (Lines{"1|FIN|30.00|341|S|A|2026-12-07T00:00:00", "2|FIN|20.00|NULL|N|A|2026-12-07T00:00:00",
             "3|TAXA CARTAO|25.00|NULL|N|A|2026-12-07T00:00:00"}));
  EXPECT_EQ(Read("select SEQUENCIA, CONTA, TIPO_LCTO, VALOR from VEI_RETORNO_CONTA where "
                 "PROPOSTA = 10 order by 1, 3"),
            (Lines{"1|101|C|70.00", "1|101|D|40.00", "2|101|C|20.00", "3|110|C|25.00"}));
  // The other proposal's return 1 keeps its value and customer.
  EXPECT_EQ(Read("select VAL_RETORNO, CLIENTE from VEI_RETORNO where PROPOSTA = 11"),
            Lines{"7.00|555"});
}

TEST_F(GravaRetornoFinTest, AFailureIsFalseWithTheStatementAndItsError) {
  EXPECT_FALSE(Grava(341, 5, 10));
  EXPECT_EQ(mensagem_, "Conta FI 5 sem tipo de retorno cadastrado (VEI_CONTA_FI).");
  EXPECT_EQ(sql_.rfind("SELECT TIPO_RETORNO", 0), 0u) << sql_;

  // A description longer than the column: the database refuses the insert.
  EXPECT_FALSE(Grava(341, 101, 10, "FI_INTEGRACAO", std::string(250, 'D')));
  EXPECT_EQ(sql_.rfind("INSERT INTO VEI_RETORNO (", 0), 0u) << sql_;
  EXPECT_NE(mensagem_, "");
  EXPECT_EQ(One("select count(*) from VEI_RETORNO where PROPOSTA = 10"), "0");
}

}  // namespace
}  // namespace veiculo::testing
