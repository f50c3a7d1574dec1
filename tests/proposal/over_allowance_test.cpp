// GravaDiferencaAvaliacaoSaida: a trade-in paid above its appraisal is booked
// once as an expense (code 77) of the vehicle sold; failures come back as false.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

class DiferencaAvaliacaoTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    for (auto [avaliacao, valor] : {std::pair{123, 23500.0}, {124, 18000.0}, {125, 11250.0}})
      Seed("VEI_AVALIACAO", {{"AVALIACAO", Int(avaliacao)}, {"VAL_AVALIACAO", Num(valor)}});
  }
  void Pagamento(int proposta, int negociacao, const char* identificacao, double valor) {
    Seed("VEI_PAGAMENTO", {{"REVENDA", Int(1)},
                           {"PROPOSTA", Int(proposta)},
                           {"NEGOCIACAO", Int(negociacao)},
                           {"NUMERO_PAGAMENTO", Int(++numero_)},
                           {"IDENTIFICACAO", Txt(identificacao)},
                           {"VAL_PAGAMENTO", Num(valor)}});
  }
  bool Grava(int proposta, int negociacao, const char* data = "14/03/2025",
             const char* banco = "INTERBASE") {
    return dm.GravaDiferencaAvaliacaoSaida(banco, data, 1, 1, proposta, negociacao, 77);
  }
  TextRows Despesas() {
    return Rows(
        "select VEICULO, DOCUMENTO, CONTADOR, DESPESA, TIPO, DTA_DESPESA_VEICULO, "
        "VAL_DESPESA_VEICULO, COMPOE_CUSTO_CONTABIL from VEI_DESPESA_VEICULO");
  }
  int numero_ = 0;
};

TEST_F(DiferencaAvaliacaoTest, BooksTheOverAllowanceOnce) {
  struct {
    const char* veiculo;                                     // of the proposal; "" for none
    std::vector<std::pair<const char*, double>> pagamentos;  // of negotiation 1
    const char* expected;                                    // the expense, "" for none
  } const cases[] = {
      // 25.000,00 - 23.500,00; the cash and the trade-in at its appraisal add nothing.
      {"V40", {{"AV.0000123", 25000}, {"DINHEIRO", 10000}, {"AV.0000124", 18000}}, "1500.00"},
      // 1.500,00 + (12.000,00 - 11.250,00 = 750,00).
      {"V40", {{"AV.0000123", 25000}, {"AV.0000125", 12000}}, "2250.00"},
      {"V40", {{"AV.0000124", 18000}, {"AV.0000123", 23499.99}}, ""},  // at and a cent below
      {"V'41", {{"AV.0000123", 23600.5}}, "100.50"},                   // the code is quoted
      {"", {{"AV.0000123", 25000}}, ""},                               // no vehicle
  };
  int proposta = 40;
  for (const auto& c : cases) {
    SCOPED_TRACE(proposta);
    connection().ExecuteDirect("delete from VEI_DESPESA_VEICULO");
    if (*c.veiculo)
      Seed("VEI_PROPOSTA",
           {{"REVENDA", Int(1)}, {"PROPOSTA", Int(proposta)}, {"VEICULO", Txt(c.veiculo)}});
    else
      Seed("VEI_PROPOSTA", {{"REVENDA", Int(1)}, {"PROPOSTA", Int(proposta)}});
    for (auto [identificacao, valor] : c.pagamentos) Pagamento(proposta, 1, identificacao, valor);
    Pagamento(proposta, 2, "AV.0000123", 99999);  // another negotiation does not count
    for (int vez : {1, 2}) {
      EXPECT_TRUE(Grava(proposta, 1)) << vez;
      if (*c.expected)
        EXPECT_EQ(Despesas(), (TextRows{{c.veiculo, std::to_string(proposta), "0", "77", "NF",
                                         "2025-03-14T00:00:00", c.expected, "N"}}));
      else
        EXPECT_TRUE(Despesas().empty());
    }
    ++proposta;
  }
}

TEST_F(DiferencaAvaliacaoTest, AnErrorReturnsFalse) {
  Seed("VEI_PROPOSTA", {{"REVENDA", Int(1)}, {"PROPOSTA", Int(40)}, {"VEICULO", Txt("V40")}});
  Pagamento(40, 1, "AV.0000123", 25000);
  EXPECT_FALSE(Grava(40, 1, "31/02/2025"));  // no such date
  EXPECT_FALSE(Grava(40, 1, "ontem"));
  EXPECT_FALSE(Grava(40, 1, "14/03/2025", "DBASE"));  // no such database kind
  EXPECT_TRUE(Despesas().empty());
  EXPECT_FALSE(dm.sdsAux->Active());
  Pagamento(40, 1, "AV.ABC", 25000);  // a malformed appraisal number
  EXPECT_FALSE(Grava(40, 1));
}

}  // namespace
}  // namespace veiculo::testing
