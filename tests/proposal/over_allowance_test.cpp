// GravaDiferencaAvaliacaoSaida: a trade-in paid above its appraisal is booked
// once as an expense of the vehicle sold; nothing at or below the appraisal;
// failures come back as false.

#include <gtest/gtest.h>

#include <string>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

constexpr int kDespesa = 77;  // the dealer's expense code of the over-allowance

class DiferencaAvaliacaoTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    SeedProposta(connection(), 1, 40, {{"VEICULO", Txt("V40")}});
    Avaliacao(123, 23500);
    Avaliacao(124, 18000);
    Avaliacao(125, 11250);
  }

  void Avaliacao(int avaliacao, double valor) {
    InsertRow(connection(), "VEI_AVALIACAO",
              {{"EMPRESA", Int(1)},
               {"AVALIACAO", Int(avaliacao)},
               {"VAL_AVALIACAO", Value::Float(valor)}});
  }
  void Pagamento(int proposta, int negociacao, int numero, const char* identificacao,
                 double valor) {
    InsertRow(connection(), "VEI_PAGAMENTO",
              {{"EMPRESA", Int(1)},
               {"REVENDA", Int(1)},
               {"PROPOSTA", Int(proposta)},
               {"NEGOCIACAO", Int(negociacao)},
               {"NUMERO_PAGAMENTO", Int(numero)},
               {"IDENTIFICACAO", Txt(identificacao)},
               {"VAL_PAGAMENTO", Value::Float(valor)}});
  }
  bool Grava(int proposta, int negociacao, const std::string& data = "14/03/2025",
             const std::string& banco = "INTERBASE") {
    return dm.GravaDiferencaAvaliacaoSaida(banco, data, 1, 1, proposta, negociacao, kDespesa);
  }
  TextRows Despesas() {
    return Rows(
        "select EMPRESA, VEICULO, DOCUMENTO, CONTADOR, DESPESA, TIPO, DTA_DESPESA_VEICULO, "
        "VAL_DESPESA_VEICULO, COMPOE_CUSTO_CONTABIL from VEI_DESPESA_VEICULO order by VEICULO");
  }
};

TEST_F(DiferencaAvaliacaoTest, BooksTheOverAllowanceOnce) {
  // Trade-in 123 appraised at 23.500,00 and taken for 25.000,00: 1.500,00.
  // The cash payment and the trade-in taken at its appraisal add nothing.
  Pagamento(40, 1, 1, "AV.0000123", 25000);
  Pagamento(40, 1, 2, "DINHEIRO", 10000);
  Pagamento(40, 1, 3, "AV.0000124", 18000);
  const TextRows esperado{
      {"1", "V40", "40", "0", "77", "NF", "2025-03-14T00:00:00", "1500.00", "N"}};
  EXPECT_TRUE(Grava(40, 1));
  EXPECT_EQ(Despesas(), esperado);
  EXPECT_TRUE(Grava(40, 1));
  EXPECT_EQ(Despesas(), esperado);
}

TEST_F(DiferencaAvaliacaoTest, TwoTradeInsOverTheirAppraisalAreBookedTogether) {
  // 25.000,00 - 23.500,00 = 1.500,00 and 12.000,00 - 11.250,00 = 750,00: 2.250,00.
  Pagamento(40, 1, 1, "AV.0000123", 25000);
  Pagamento(40, 1, 2, "AV.0000125", 12000);
  EXPECT_TRUE(Grava(40, 1));
  EXPECT_EQ(Despesas(),
            (TextRows{{"1", "V40", "40", "0", "77", "NF", "2025-03-14T00:00:00", "2250.00", "N"}}));
}

TEST_F(DiferencaAvaliacaoTest, NothingAtOrBelowTheAppraisal) {
  Pagamento(40, 1, 1, "AV.0000124", 18000);     // at the appraisal
  Pagamento(40, 1, 2, "AV.0000123", 23499.99);  // a cent below
  EXPECT_TRUE(Grava(40, 1));
  EXPECT_TRUE(Despesas().empty());
}

TEST_F(DiferencaAvaliacaoTest, OnlyTheGivenNegotiationCounts) {
  Pagamento(40, 2, 1, "AV.0000123", 26000);
  EXPECT_TRUE(Grava(40, 1));
  EXPECT_TRUE(Despesas().empty());
  EXPECT_TRUE(Grava(40, 2));
  EXPECT_EQ(Despesas()[0][7], "2500.00");  // 26.000,00 - 23.500,00
}

TEST_F(DiferencaAvaliacaoTest, TheVehicleCodeIsQuoted) {
  SeedProposta(connection(), 1, 41, {{"VEICULO", Txt("V'41")}});
  Pagamento(41, 1, 1, "AV.0000123", 23600.5);
  EXPECT_TRUE(Grava(41, 1));
  EXPECT_TRUE(Grava(41, 1));
  EXPECT_EQ(Despesas(),
            (TextRows{{"1", "V'41", "41", "0", "77", "NF", "2025-03-14T00:00:00", "100.50", "N"}}));
}

TEST_F(DiferencaAvaliacaoTest, AProposalWithoutVehicleBooksNothing) {
  SeedProposta(connection(), 1, 42, {});
  Pagamento(42, 1, 1, "AV.0000123", 25000);
  EXPECT_TRUE(Grava(42, 1));
  EXPECT_TRUE(Despesas().empty());
}

TEST_F(DiferencaAvaliacaoTest, AnErrorReturnsFalse) {
  Pagamento(40, 1, 1, "AV.0000123", 25000);
  EXPECT_FALSE(Grava(40, 1, "31/02/2025"));  // no such date
  EXPECT_FALSE(Grava(40, 1, "ontem"));
  EXPECT_TRUE(Despesas().empty());
  EXPECT_FALSE(Grava(40, 1, "14/03/2025", "DBASE"));  // no such database kind
  EXPECT_TRUE(Despesas().empty());
  EXPECT_FALSE(dm.sdsAux->Active());
}

TEST_F(DiferencaAvaliacaoTest, AMalformedAppraisalNumberIsAnError) {
  Pagamento(40, 1, 1, "AV.ABC", 25000);
  EXPECT_FALSE(Grava(40, 1));
}

}  // namespace
}  // namespace veiculo::testing
