// Lookups on a proposal: the proposal that holds a vehicle, its data, its
// situation, its final negotiation, its dealer, accessories, the
// salesperson's user and the supplier of a courtesy.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

class ProposalLookupsTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    Seed("VEI_SITUACAO", {{"SITUACAO", Txt("ESTOQUE")}, {"LOCALIZACAO", Txt("E")}});
    Seed("VEI_SITUACAO", {{"SITUACAO", Txt("VENDIDO")}, {"LOCALIZACAO", Txt("V")}});
    // Contact 1 of each dealer belongs to customer 500, contact 2 to 600.
    for (int revenda : {1, 2})
      for (auto [contato, cliente] : {std::pair{1, 500}, {2, 600}})
        Seed("CAC_CONTATO",
             {{"REVENDA", Int(revenda)}, {"CONTATO", Int(contato)}, {"CLIENTE", Int(cliente)}});
  }
  void Proposta(int revenda, int proposta, const char* situacao, int dia_emissao, int contato = 1,
                const char* veiculo = "V1") {
    Seed("VEI_PROPOSTA", {{"REVENDA", Int(revenda)},
                          {"PROPOSTA", Int(proposta)},
                          {"VEICULO", Txt(veiculo)},
                          {"SITUACAO", Txt(situacao)},
                          {"CONTATO", Int(contato)},
                          {"DTA_EMISSAO", At(2025, 2, dia_emissao)}});
  }
  void Veiculo(const char* veiculo, const char* situacao) {
    Seed("VEI_VEICULO", {{"VEICULO", Txt(veiculo)}, {"SITUACAO", Txt(situacao)}});
  }
};

TEST_F(ProposalLookupsTest, BuscaPropostaTakesTheFirstOfTheRanking) {
  struct Row {
    int revenda, proposta;
    const char* situacao;
    int dia;
  };
  struct {
    const char* veiculo;
    std::vector<Row> propostas;
    int proposta, revenda;
  } const cases[] = {
      // Sold: the invoiced proposal (past "5") first, though older and lowest.
      {"VENDIDO", {{1, 10, "9", 1}, {1, 11, "2", 20}, {2, 12, "1", 20}}, 10, 1},
      {"ESTOQUE", {{1, 20, "7", 25}, {2, 21, "1", 3}}, 21, 2},  // in stock: live ones first
      {"ESTOQUE", {{2, 30, "1", 10}, {1, 31, "0", 4}}, 30, 2},  // same rank: newest issue
      {"ESTOQUE", {{1, 40, "2", 10}, {2, 41, "*", 10}, {1, 39, "5", 10}}, 41, 2},  // highest number
      // Cancelled ("8") and internal ("I") proposals do not hold the vehicle.
      {"VENDIDO", {{1, 50, "8", 28}, {1, 51, "I", 28}, {2, 52, "1", 1}}, 52, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.proposta);
    connection().ExecuteDirect("delete from VEI_PROPOSTA");
    connection().ExecuteDirect("delete from VEI_VEICULO");
    Veiculo("V1", c.veiculo);
    for (const Row& p : c.propostas) Proposta(p.revenda, p.proposta, p.situacao, p.dia);
    int32_t revenda = -7;
    EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", -1), c.proposta);
    EXPECT_EQ(revenda, c.revenda);
  }
}

TEST_F(ProposalLookupsTest, BuscaPropostaFiltersByTheCustomerOfTheProposalsOwnDealer) {
  Veiculo("V1", "ESTOQUE");
  Veiculo("V'1", "ESTOQUE");
  Proposta(1, 60, "1", 10, 1);  // customer 500
  Proposta(1, 61, "1", 5, 2);   // customer 600, older
  // Contact 3 exists only at dealer 2 (customer 800); 70 is at dealer 1.
  Seed("CAC_CONTATO", {{"REVENDA", Int(2)}, {"CONTATO", Int(3)}, {"CLIENTE", Int(800)}});
  Proposta(1, 70, "1", 1, 3);
  Proposta(1, 80, "8", 10, 1, "V2");
  Proposta(1, 90, "1", 10, 1, "V'1");
  int32_t revenda = 77;
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V2", -1), 0);  // no row: the dealer stays
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V3", -1), 0);
  EXPECT_EQ(revenda, 77);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 600), 61);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 500), 60);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", -1), 60);  // any customer: the newest
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 700), 0);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", 800), 0);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V'1", -1), 90);
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V' or '1'='1", -1), 0);
}

TEST_F(ProposalLookupsTest, BuscaDadosPropostaReadsTheRowOrZeroes) {
  Seed("VEI_PROPOSTA", {{"REVENDA", Int(2)},
                        {"PROPOSTA", Int(100)},
                        {"CONTATO", Int(2)},
                        {"VEICULO", Txt("V9")},
                        {"PROPOSTA_FIB", Int(334455)},
                        {"TIPO_VENDA", Txt("D")}});
  int32_t contato = -1, cliente = -1, fib = -1;
  std::string veiculo = "x", tipo = "x";
  dm.BuscaDadosProposta(1, 2, 100, contato, cliente, veiculo, fib, tipo);
  EXPECT_EQ(std::tie(contato, cliente, veiculo, fib, tipo),
            std::make_tuple(2, 600, "V9", 334455, "D"));
  dm.BuscaDadosProposta(1, 2, 101, contato, cliente, veiculo, fib, tipo);
  EXPECT_EQ(std::tie(contato, cliente, veiculo, fib, tipo), std::make_tuple(0, 0, "", 0, ""));
}

TEST_F(ProposalLookupsTest, BuscaSituacaoDescribesTheCodeOrThePendingFrontCashier) {
  const std::pair<const char*, const char*> codes[] = {
      {"0", "Aberta"},        {"*", "Aberta"},     {"1", "Pendente"},  {"2", "Aprovada(Ger)"},
      {"5", "Aprovada(Fin)"}, {"7", "NF Emitida"}, {"8", "Cancelada"}, {"9", "Encerrada"},
      {"I", "Interna"},       {"X", "antes"},  // unlisted: the description stays as it was
  };
  for (auto [codigo, descricao] : codes) {
    connection().ExecuteDirect("delete from VEI_PROPOSTA");
    Proposta(1, 110, codigo, 1);
    std::string lida = "antes";
    EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 110, lida), codigo);
    EXPECT_EQ(lida, descricao) << codigo;
  }
  std::string lida = "antes";
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 999, lida), "0");  // no proposal: open
  EXPECT_EQ(lida, "Aberta");
  // Front-cashier records that do not count: settled, another contact, another dealer.
  for (auto [revenda, contato, situacao] :
       {std::tuple{1, 1, "B"}, {1, 2, "P"}, {2, 1, "P"}, {1, 1, "P"}}) {
    EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 110, lida), "X");
    Seed("FAT_FRENTE_CAIXA",
         {{"REVENDA", Int(revenda)}, {"CONTATO", Int(contato)}, {"SITUACAO", Txt(situacao)}});
  }
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 110, lida), "F");
  EXPECT_EQ(lida, "Frente Caixa");
  EXPECT_FALSE(dm.sdsAux->Active());
}

TEST_F(ProposalLookupsTest, BuscaNegociacaoAndBuscaRevendaProposta) {
  Seed("VEI_PROPOSTA", {{"REVENDA", Int(1)}, {"PROPOSTA", Int(130)}, {"NEGOCIACAO_FINAL", Int(3)}});
  Seed("VEI_PROPOSTA", {{"REVENDA", Int(1)}, {"PROPOSTA", Int(131)}, {"NEGOCIACAO_FINAL", Int(0)}});
  Seed("VEI_PROPOSTA", {{"REVENDA", Int(1)}, {"PROPOSTA", Int(132)}});
  EXPECT_EQ(dm.BuscaNegociacao(1, 1, 130), 3);
  EXPECT_FALSE(dm.sdsAux->Active());
  for (int proposta : {131, 132, 133}) EXPECT_EQ(dm.BuscaNegociacao(1, 1, proposta), 1);
  // Proposal 140 of V1 at three dealers: "8" is left out, then the highest
  // situation first ("2" at dealer 3 before "1" at dealer 2).
  Proposta(1, 140, "8", 1), Proposta(2, 140, "1", 1), Proposta(3, 140, "2", 1);
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 140, "V1"), 3);
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 140, "V2"), 0);
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 141, "V1"), 0);
}

TEST_F(ProposalLookupsTest, BuscaAcessoriosPropostaListsTheNegotiationsAccessories) {
  for (auto [codigo, descricao] : {std::pair{7, "Tapetes"}, {12, "Engate"}, {15, "Película"}})
    Seed("VEI_ACESSORIO", {{"ACESSORIO", Int(codigo)}, {"DES_ACESSORIO", Txt(descricao)}});
  for (auto [negociacao, codigo, valor, somar] :
       {std::tuple{1, 7, 350.0, "S"}, {1, 12, 1234.5, "N"}, {2, 15, 99.99, "S"}})
    Seed("VEI_ACESSORIO_NEGOCIACAO", {{"REVENDA", Int(1)},
                                      {"PROPOSTA", Int(10)},
                                      {"NEGOCIACAO", Int(negociacao)},
                                      {"ACESSORIO", Int(codigo)},
                                      {"VAL_ACESSORIO", Num(valor)},
                                      {"SOMAR", Txt(somar)}});
  // Values in the server's local form: 1234.5 -> "1234,50" ("#0.00", no grouping).
  const std::string lista = dm.BuscaAcessoriosProposta(&connection(), 1, 1, 10, 1);
  EXPECT_TRUE(lista == "7;Tapetes;350,00;S|12;Engate;1234,50;N|" ||
              lista == "12;Engate;1234,50;N|7;Tapetes;350,00;S|")
      << lista;
  // It binds the connection it is given.
  dm.LimpaSQLConnection();
  EXPECT_EQ(dm.BuscaAcessoriosProposta(&connection(), 1, 1, 10, 3), "");
  EXPECT_EQ(dm.GetConexao(), &connection());
}

TEST_F(ProposalLookupsTest, BuscaUsuarioVendedorAndBuscaFornecedor) {
  // Dealer 1 is its own customer 9000; dealer 2 has none. Salesperson 3 is
  // customer 7100 by CPF (user 42 at dealer 1); salesperson 4's CPF is nobody's.
  Seed("GER_REVENDA", {{"REVENDA", Int(1)}, {"CLIENTE", Int(9000)}});
  Seed("GER_REVENDA", {{"REVENDA", Int(2)}});
  InsertRow(connection(), "FAT_PESSOA_FISICA", {{"CLIENTE", Int(7100)}, {"CPF", Int(12345678909)}});
  for (int revenda : {1, 2}) {
    Seed("FAT_VENDEDOR", {{"REVENDA", Int(revenda)},
                          {"VENDEDOR", Int(3)},
                          {"CPF", Int(12345678909)},
                          {"USUARIO", Int(41 + revenda)}});
    Seed("FAT_VENDEDOR",
         {{"REVENDA", Int(revenda)}, {"VENDEDOR", Int(4)}, {"CPF", Int(98765432100)}});
  }
  for (auto [revenda, proposta, vendedor] :
       {std::tuple{1, 30, 3}, {1, 31, 4}, {2, 32, 3}, {2, 33, 4}, {1, 34, 5}})
    Seed("VEI_PROPOSTA",
         {{"REVENDA", Int(revenda)}, {"PROPOSTA", Int(proposta)}, {"VENDEDOR", Int(vendedor)}});
  EXPECT_EQ(dm.BuscaUsuarioVendedor(1, 1, 30), 42);
  for (int proposta : {31, 34, 35}) EXPECT_EQ(dm.BuscaUsuarioVendedor(1, 1, proposta), 0);
  // Kind "1": the salesperson's customer, else the dealer's, else -1 (never 0).
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 30, "1"), 7100);
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 31, "1"), 9000);
  EXPECT_EQ(dm.BuscaFornecedor(1, 2, 32, "1"), 7100);
  EXPECT_EQ(dm.BuscaFornecedor(1, 2, 33, "1"), -1);
  // Other kinds: the dealer's customer.
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 30, "2"), 9000);
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 30, ""), 9000);
  EXPECT_EQ(dm.BuscaFornecedor(1, 2, 32, "2"), -1);
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 99, "1"), -1);  // no proposal
}

}  // namespace
}  // namespace veiculo::testing
