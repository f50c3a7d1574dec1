// Lookups on a proposal: the proposal that holds a vehicle (ranking and the
// customer filter), its contact data, its situation with the front-cashier
// code, its final negotiation and the dealer of a vehicle's proposal.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

class ProposalLookupsTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    SeedSituacao(connection(), "ESTOQUE", "E");
    SeedSituacao(connection(), "VENDIDO", "V");
    // Contact 1 of each dealer belongs to customer 500, contact 2 to 600.
    for (int revenda : {1, 2}) {
      SeedContato(connection(), revenda, 1, {{"CLIENTE", Int(500)}});
      SeedContato(connection(), revenda, 2, {{"CLIENTE", Int(600)}});
    }
  }

  void Proposta(int revenda, int proposta, const std::string& veiculo, const std::string& situacao,
                int dia_emissao, int contato = 1) {
    SeedProposta(connection(), revenda, proposta,
                 {{"VEICULO", Txt(veiculo)},
                  {"SITUACAO", Txt(situacao)},
                  {"CONTATO", Int(contato)},
                  {"DTA_EMISSAO", At(2025, 2, dia_emissao)}});
  }
};

// One vehicle, its stock situation and the proposals on it.
struct RankingCase {
  const char* name;
  const char* situacao_veiculo;
  struct Row {
    int revenda;
    int proposta;
    const char* situacao;
    int dia_emissao;
  };
  std::vector<Row> propostas;
  int32_t expected_proposta;
  int32_t expected_revenda;
};

void PrintTo(const RankingCase& c, std::ostream* os) {
  *os << c.name;
}

class BuscaPropostaRankingTest : public ProposalLookupsTest,
                                 public ::testing::WithParamInterface<RankingCase> {};

TEST_P(BuscaPropostaRankingTest, FirstOfTheRankingWins) {
  const RankingCase& c = GetParam();
  SeedVeiculoEm(connection(), "V1", c.situacao_veiculo);
  for (const RankingCase::Row& p : c.propostas)
    Proposta(p.revenda, p.proposta, "V1", p.situacao, p.dia_emissao);
  int32_t revenda = -7;
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", -1), c.expected_proposta);
  EXPECT_EQ(revenda, c.expected_revenda);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuscaPropostaRankingTest,
    ::testing::Values(
        // Sold vehicle: the invoiced proposal (past "5") ranks before live
        // ones, even though it is older and has the lowest number.
        RankingCase{"SoldVehiclePutsTheProposalPastFiveFirst",
                    "VENDIDO",
                    {{1, 10, "9", 1}, {1, 11, "2", 20}, {2, 12, "1", 20}},
                    10,
                    1},
        // In stock: past "5" ranks last, so the live one wins.
        RankingCase{"VehicleInStockPutsLiveProposalsFirst",
                    "ESTOQUE",
                    {{1, 20, "7", 25}, {2, 21, "1", 3}},
                    21,
                    2},
        // Same rank: the newest issue first.
        RankingCase{
            "NewestIssueWithinARank", "ESTOQUE", {{2, 30, "1", 10}, {1, 31, "0", 4}}, 30, 2},
        // Same rank and issue: the highest number first.
        RankingCase{"HighestNumberOnTheSameIssue",
                    "ESTOQUE",
                    {{1, 40, "2", 10}, {2, 41, "*", 10}, {1, 39, "5", 10}},
                    41,
                    2},
        // Cancelled ("8") and internal ("I") proposals do not hold the vehicle.
        RankingCase{"CancelledAndInternalAreLeftOut",
                    "VENDIDO",
                    {{1, 50, "8", 28}, {1, 51, "I", 28}, {2, 52, "1", 1}},
                    52,
                    2}));

TEST_F(ProposalLookupsTest, BuscaPropostaFiltersByCustomer) {
  SeedVeiculoEm(connection(), "V1", "ESTOQUE");
  Proposta(1, 60, "V1", "1", 10, /*contato=*/1);  // customer 500
  Proposta(1, 61, "V1", "1", 5, /*contato=*/2);   // customer 600, older
  int32_t revenda = 0;
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 600), 61);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 500), 60);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", -1), 60);  // any customer: the newest
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 700), 0);
}

TEST_F(ProposalLookupsTest, BuscaPropostaTakesTheCustomerOfTheProposalsOwnDealer) {
  // Contact 3 exists only at dealer 2 (customer 800); the proposal at dealer 1
  // points at contact 3 of dealer 1, which does not exist.
  SeedContato(connection(), 2, 3, {{"CLIENTE", Int(800)}});
  SeedVeiculoEm(connection(), "V1", "ESTOQUE");
  Proposta(1, 70, "V1", "1", 10, /*contato=*/3);
  int32_t revenda = 0;
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 800), 0);
  // Proposal at dealer 1 with contact 2: customer 600 there, also 600 at dealer 2.
  Proposta(1, 71, "V1", "1", 11, /*contato=*/2);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 600), 71);
}

TEST_F(ProposalLookupsTest, BuscaPropostaWithoutRowLeavesTheDealerAlone) {
  SeedVeiculoEm(connection(), "V1", "ESTOQUE");
  Proposta(1, 80, "V1", "8", 10);
  int32_t revenda = 77;
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", -1), 0);
  EXPECT_EQ(revenda, 77);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V2", -1), 0);
  EXPECT_EQ(revenda, 77);
}

TEST_F(ProposalLookupsTest, BuscaPropostaQuotesTheVehicleCode) {
  SeedVeiculoEm(connection(), "V'1", "ESTOQUE");
  Proposta(1, 90, "V'1", "1", 10);
  int32_t revenda = 0;
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V'1", -1), 90);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V' or '1'='1", -1), 0);
}

TEST_F(ProposalLookupsTest, BuscaDadosPropostaReadsContactCustomerVehicleAndSale) {
  SeedProposta(connection(), 2, 100,
               {{"CONTATO", Int(2)},
                {"VEICULO", Txt("V9")},
                {"PROPOSTA_FIB", Int(334455)},
                {"TIPO_VENDA", Txt("D")}});
  int32_t contato = -1, cliente = -1, fib = -1;
  std::string veiculo = "x", tipo = "x";
  dm.BuscaDadosProposta(1, 2, 100, contato, cliente, veiculo, fib, tipo);
  EXPECT_EQ(contato, 2);
  EXPECT_EQ(cliente, 600);
  EXPECT_EQ(veiculo, "V9");
  EXPECT_EQ(fib, 334455);
  EXPECT_EQ(tipo, "D");

  dm.BuscaDadosProposta(1, 2, 101, contato, cliente, veiculo, fib, tipo);
  EXPECT_EQ(contato, 0);
  EXPECT_EQ(cliente, 0);
  EXPECT_EQ(veiculo, "");
  EXPECT_EQ(fib, 0);
  EXPECT_EQ(tipo, "");
}

struct SituacaoCase {
  const char* situacao;
  const char* descricao;
};

class BuscaSituacaoTest : public ProposalLookupsTest,
                          public ::testing::WithParamInterface<SituacaoCase> {};

TEST_P(BuscaSituacaoTest, DescribesEveryStoredCode) {
  SeedProposta(connection(), 1, 110, {{"CONTATO", Int(1)}, {"SITUACAO", Txt(GetParam().situacao)}});
  std::string descricao = "antes";
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 110, descricao), GetParam().situacao);
  EXPECT_EQ(descricao, GetParam().descricao);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BuscaSituacaoTest,
    ::testing::Values(SituacaoCase{"0", "Aberta"}, SituacaoCase{"*", "Aberta"},
                      SituacaoCase{"1", "Pendente"}, SituacaoCase{"2", "Aprovada(Ger)"},
                      SituacaoCase{"5", "Aprovada(Fin)"}, SituacaoCase{"7", "NF Emitida"},
                      SituacaoCase{"8", "Cancelada"}, SituacaoCase{"9", "Encerrada"},
                      SituacaoCase{"I", "Interna"},
                      // Unlisted: the description stays as it was.
                      SituacaoCase{"X", "antes"}));

TEST_F(ProposalLookupsTest, BuscaSituacaoReportsAPendingFrontCashierRecord) {
  SeedProposta(connection(), 1, 120, {{"CONTATO", Int(1)}, {"SITUACAO", Txt("2")}});
  auto caixa = [&](int revenda, int contato, const char* situacao) {
    InsertRow(connection(), "FAT_FRENTE_CAIXA",
              {{"EMPRESA", Int(1)},
               {"REVENDA", Int(revenda)},
               {"CONTATO", Int(contato)},
               {"SITUACAO", Txt(situacao)}});
  };
  // Records that do not count: settled, another contact, another dealer.
  caixa(1, 1, "B");
  caixa(1, 2, "P");
  caixa(2, 1, "P");
  std::string descricao;
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 120, descricao), "2");
  EXPECT_EQ(descricao, "Aprovada(Ger)");

  caixa(1, 1, "P");
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 120, descricao), "F");
  EXPECT_EQ(descricao, "Frente Caixa");
}

TEST_F(ProposalLookupsTest, BuscaSituacaoWithoutProposalIsOpen) {
  std::string descricao = "antes";
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 999, descricao), "0");
  EXPECT_EQ(descricao, "Aberta");
}

TEST_F(ProposalLookupsTest, BuscaNegociacaoFallsBackToTheFirst) {
  SeedProposta(connection(), 1, 130, {{"NEGOCIACAO_FINAL", Int(3)}});
  SeedProposta(connection(), 1, 131, {{"NEGOCIACAO_FINAL", Int(0)}});
  SeedProposta(connection(), 1, 132, {});
  EXPECT_EQ(dm.BuscaNegociacao(1, 1, 130), 3);
  EXPECT_EQ(dm.BuscaNegociacao(1, 1, 131), 1);
  EXPECT_EQ(dm.BuscaNegociacao(1, 1, 132), 1);
  EXPECT_EQ(dm.BuscaNegociacao(1, 1, 133), 1);
}

TEST_F(ProposalLookupsTest, BuscaRevendaPropostaTakesTheHighestSituation) {
  // Proposal 140 exists at three dealers for V1: "8" is left out, then the
  // highest situation first ("2" at dealer 3 before "1" at dealer 2).
  SeedProposta(connection(), 1, 140, {{"VEICULO", Txt("V1")}, {"SITUACAO", Txt("8")}});
  SeedProposta(connection(), 2, 140, {{"VEICULO", Txt("V1")}, {"SITUACAO", Txt("1")}});
  SeedProposta(connection(), 3, 140, {{"VEICULO", Txt("V1")}, {"SITUACAO", Txt("2")}});
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 140, "V1"), 3);
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 140, "V2"), 0);
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 141, "V1"), 0);
}

TEST_F(ProposalLookupsTest, LookupsCloseTheScratchQuery) {
  SeedProposta(connection(), 1, 150, {{"NEGOCIACAO_FINAL", Int(2)}});
  dm.BuscaNegociacao(1, 1, 150);
  EXPECT_FALSE(dm.sdsAux->Active());
  std::string descricao;
  dm.BuscaSituacaoProposta(1, 1, 150, descricao);
  EXPECT_FALSE(dm.sdsAux->Active());
}

}  // namespace
}  // namespace veiculo::testing
