// Lookups on a proposal: the one holding a vehicle, its situation, final
// negotiation, dealer, accessories, salesperson's user and courtesy supplier.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

class ProposalLookupsTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    Insert("VEI_SITUACAO", "SITUACAO, LOCALIZACAO", {"'ESTOQUE', 'E'", "'VENDIDO', 'V'"});
    // Contact 1 of each dealer belongs to customer 500, contact 2 to 600.
    Insert("CAC_CONTATO", "REVENDA, CONTATO, CLIENTE",
           {"1, 1, 500", "1, 2, 600", "2, 1, 500", "2, 2, 600"});
  }
};

TEST_F(ProposalLookupsTest, BuscaPropostaTakesTheFirstOfTheRanking) {
  struct {
    int proposta, revenda;                         // expected
    const char* veiculo;                           // the stock situation of V1
    std::initializer_list<std::string> propostas;  // REVENDA, PROPOSTA, SITUACAO, DTA_EMISSAO
  } const cases[] = {
      // clang-format off
      // Sold: the invoiced proposal (past "5") first, though older and lowest.
      {10, 1, "VENDIDO", {"1, 10, '9', '2025-02-01'", "1, 11, '2', '2025-02-20'",
                          "2, 12, '1', '2025-02-20'"}},
      // In stock: past "5" ranks last; within a rank the newest issue, then the highest number.
      {21, 2, "ESTOQUE", {"1, 20, '7', '2025-02-25'", "2, 21, '1', '2025-02-03'"}},
      {30, 2, "ESTOQUE", {"2, 30, '1', '2025-02-10'", "1, 31, '0', '2025-02-04'"}},
      {41, 2, "ESTOQUE", {"1, 40, '2', '2025-02-10'", "2, 41, '*', '2025-02-10'",
                          "1, 39, '5', '2025-02-10'"}},
      // Cancelled ("8") and internal ("I") proposals do not hold the vehicle.
      {52, 2, "VENDIDO", {"1, 50, '8', '2025-02-28'", "1, 51, 'I', '2025-02-28'",
                          "2, 52, '1', '2025-02-01'"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    Sql("delete from VEI_PROPOSTA");
    Sql("delete from VEI_VEICULO");
    Insert("VEI_VEICULO", "VEICULO, SITUACAO", {"'V1', '" + std::string(c.veiculo) + "'"});
    Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, SITUACAO, DTA_EMISSAO", c.propostas);
    Sql("update VEI_PROPOSTA set CONTATO = 1, VEICULO = 'V1'");
    int32_t revenda = -7;
    EXPECT_EQ(dm.BuscaProposta(1, revenda, "V1", -1), c.proposta);
    EXPECT_EQ(revenda, c.revenda) << c.proposta;
  }
}

TEST_F(ProposalLookupsTest, BuscaPropostaFiltersByTheCustomerOfTheProposalsOwnDealer) {
  Insert("VEI_VEICULO", "VEICULO, SITUACAO", {"'V1', 'ESTOQUE'", "'V''1', 'ESTOQUE'"});
  // Contact 3 exists only at dealer 2 (customer 800); proposal 70 is at dealer 1.
  Insert("CAC_CONTATO", "REVENDA, CONTATO, CLIENTE", {"2, 3, 800"});
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, SITUACAO, DTA_EMISSAO, CONTATO, VEICULO",
         {"1, 60, '1', '2025-02-10', 1, 'V1'", "1, 61, '1', '2025-02-05', 2, 'V1'",
          "1, 70, '1', '2025-02-01', 3, 'V1'", "1, 80, '8', '2025-02-10', 1, 'V2'",
          "1, 90, '1', '2025-02-10', 1, 'V''1'"});
  // No row leaves the dealer alone; 61 is older but customer 600's; any customer (-1)
  // takes the newest; 70's contact 3 is not a customer at its own dealer.
  const std::tuple<const char*, int, int> cases[] = {
      {"V3", -1, 0},  {"V1", 600, 61}, {"V1", 500, 60}, {"V1", -1, 60},
      {"V1", 700, 0}, {"V1", 800, 0},  {"V'1", -1, 90}, {"V' or '1'='1", -1, 0}};
  int32_t revenda = 77;
  EXPECT_EQ(dm.BuscaProposta(1, revenda, "V2", -1), 0);
  EXPECT_EQ(revenda, 77);
  for (auto [veiculo, cliente, proposta] : cases)
    EXPECT_EQ(dm.BuscaProposta(1, revenda, veiculo, cliente), proposta) << veiculo << cliente;
}

TEST_F(ProposalLookupsTest, BuscaSituacaoDescribesTheCodeOrThePendingFrontCashier) {
  const std::pair<const char*, const char*> codes[] = {
      {"0", "Aberta"},        {"*", "Aberta"},     {"1", "Pendente"},  {"2", "Aprovada(Ger)"},
      {"5", "Aprovada(Fin)"}, {"7", "NF Emitida"}, {"8", "Cancelada"}, {"9", "Encerrada"},
      {"I", "Interna"},       {"X", "antes"},  // unlisted: the description stays as it was
  };
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, CONTATO", {"1, 110, 1"});
  std::string lida;
  for (auto [codigo, descricao] : codes) {
    Sql("update VEI_PROPOSTA set SITUACAO = '" + std::string(codigo) + "'");
    lida = "antes";
    EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 110, lida), codigo);
    EXPECT_EQ(lida, descricao) << codigo;
  }
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 999, lida), "0");  // no proposal: open
  EXPECT_EQ(lida, "Aberta");
  // Front-cashier records that do not count: settled, another contact, another dealer.
  Insert("FAT_FRENTE_CAIXA", "REVENDA, CONTATO, SITUACAO", {"1, 1, 'B'", "1, 2, 'P'", "2, 1, 'P'"});
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 110, lida), "X");
  Insert("FAT_FRENTE_CAIXA", "REVENDA, CONTATO, SITUACAO", {"1, 1, 'P'"});
  EXPECT_EQ(dm.BuscaSituacaoProposta(1, 1, 110, lida), "F");
  EXPECT_EQ(lida, "Frente Caixa");
  EXPECT_FALSE(dm.sdsAux->Active());
}

TEST_F(ProposalLookupsTest, BuscaNegociacaoAndBuscaRevendaProposta) {
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, NEGOCIACAO_FINAL",
         {"1, 130, 3", "1, 131, 0", "1, 132, null"});
  // 0, null and no proposal fall back to the first negotiation.
  for (auto [proposta, negociacao] : {std::pair{130, 3}, {131, 1}, {132, 1}, {133, 1}})
    EXPECT_EQ(dm.BuscaNegociacao(1, 1, proposta), negociacao) << proposta;
  EXPECT_FALSE(dm.sdsAux->Active());
  // Proposal 140 of V1 at four dealers: "8" and the internal "I" (which
  // would sort first) are left out, then the highest situation first ("2" at
  // dealer 3 before "1" at dealer 2).
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, SITUACAO, VEICULO",
         {"1, 140, '8', 'V1'", "2, 140, '1', 'V1'", "3, 140, '2', 'V1'", "4, 140, 'I', 'V1'"});
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 140, "V1"), 3);
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 140, "V2"), 0);
  EXPECT_EQ(dm.BuscaRevendaProposta(1, 141, "V1"), 0);
}

TEST_F(ProposalLookupsTest, BuscaAcessoriosPropostaListsTheNegotiationsAccessories) {
  Insert("VEI_ACESSORIO", "ACESSORIO, DES_ACESSORIO",
         {"7, 'Tapetes'", "12, 'Engate'", "15, 'Película'"});
  Insert("VEI_ACESSORIO_NEGOCIACAO",
         "REVENDA, PROPOSTA, NEGOCIACAO, ACESSORIO, VAL_ACESSORIO, SOMAR",
         {"1, 10, 1, 7, 350, 'S'", "1, 10, 1, 12, 1234.5, 'N'", "1, 10, 2, 15, 99.99, 'S'"});
  // Values in the server's local form: 1234.5 -> "1234,50" ("#0.00", no grouping).
  const std::string lista = dm.BuscaAcessoriosProposta(&connection(), 1, 1, 10, 1);
  EXPECT_TRUE(lista == "7;Tapetes;350,00;S|12;Engate;1234,50;N|" ||
              lista == "12;Engate;1234,50;N|7;Tapetes;350,00;S|")
      << lista;
  dm.LimpaSQLConnection();  // it binds the connection it is given
  EXPECT_EQ(dm.BuscaAcessoriosProposta(&connection(), 1, 1, 10, 3), "");  // no accessories
  EXPECT_EQ(dm.GetConexao(), &connection());
}

TEST_F(ProposalLookupsTest, BuscaUsuarioVendedorAndBuscaFornecedor) {
  // Dealer 1 is its own customer 9000; dealer 2 has none. Salesperson 3 is
  // customer 7100 by CPF (user 42 at dealer 1); salesperson 4's CPF is nobody's.
  Insert("GER_REVENDA", "REVENDA, CLIENTE", {"1, 9000", "2, null"});
  Sql("insert into FAT_PESSOA_FISICA (CLIENTE, CPF) values (7100, 12345678909)");
  Insert("FAT_VENDEDOR", "REVENDA, VENDEDOR, CPF, USUARIO",
         {"1, 3, 12345678909, 42", "2, 3, 12345678909, 43", "1, 4, 98765432100, null",
          "2, 4, 98765432100, null"});
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, VENDEDOR",
         {"1, 30, 3", "1, 31, 4", "2, 32, 3", "2, 33, 4", "1, 34, 5"});
  EXPECT_EQ(dm.BuscaUsuarioVendedor(1, 1, 30), 42);
  for (int proposta : {31, 34, 35}) EXPECT_EQ(dm.BuscaUsuarioVendedor(1, 1, proposta), 0);
  // Kind "1": the salesperson's customer, else the dealer's, else -1 (never 0);
  // other kinds: the dealer's customer.
  const std::tuple<int, int, const char*, int> fornecedores[] = {
      {1, 30, "1", 7100}, {1, 31, "1", 9000}, {2, 32, "1", 7100}, {2, 33, "1", -1},
      {1, 30, "2", 9000}, {1, 30, "", 9000},  {2, 32, "2", -1},   {1, 99, "1", -1}};  // 99: none
  for (auto [revenda, proposta, tipo, fornecedor] : fornecedores)
    EXPECT_EQ(dm.BuscaFornecedor(1, revenda, proposta, tipo), fornecedor) << proposta << tipo;
}

}  // namespace
}  // namespace veiculo::testing
