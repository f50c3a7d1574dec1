// Lookups on a proposal: the one holding a vehicle, its situation, final
// negotiation, dealer, accessories, salesperson's user and courtesy supplier.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "support/kit.h"

namespace veiculo::testing {
namespace {

class ProposalLookupsTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    InsertRows(connection(), "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO",
               {{I(1), T("ESTOQUE"), T("E")}, {I(1), T("VENDIDO"), T("V")}});
    // Contact 1 of each dealer belongs to customer 500, contact 2 to 600.
    InsertRows(connection(), "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE",
               {{I(1), I(1), I(1), I(500)},
                {I(1), I(1), I(2), I(600)},
                {I(1), I(2), I(1), I(500)},
                {I(1), I(2), I(2), I(600)}});
  }
};

TEST_F(ProposalLookupsTest, BuscaPropostaTakesTheFirstOfTheRanking) {
  struct {
    int proposta, revenda;                      // expected
    const char* veiculo;                        // the stock situation of V1
    std::vector<std::vector<Value>> propostas;  // EMPRESA REVENDA PROPOSTA SITUACAO DTA_EMISSAO
  } const cases[] = {
      // clang-format off
      // Sold: the invoiced proposal (past "5") first, though older and lowest.
      {10, 1, "VENDIDO", {{I(1), I(1), I(10), T("9"), D(Day(2025, 2, 1))}, {I(1), I(1), I(11), T("2"), D(Day(2025, 2, 20))},
                          {I(1), I(2), I(12), T("1"), D(Day(2025, 2, 20))}}},
      // In stock: past "5" ranks last; within a rank the newest issue, then the highest number.
      {21, 2, "ESTOQUE", {{I(1), I(1), I(20), T("7"), D(Day(2025, 2, 25))}, {I(1), I(2), I(21), T("1"), D(Day(2025, 2, 3))}}},
      {30, 2, "ESTOQUE", {{I(1), I(2), I(30), T("1"), D(Day(2025, 2, 10))}, {I(1), I(1), I(31), T("0"), D(Day(2025, 2, 4))}}},
      {41, 2, "ESTOQUE", {{I(1), I(1), I(40), T("2"), D(Day(2025, 2, 10))}, {I(1), I(2), I(41), T("*"), D(Day(2025, 2, 10))},
                          {I(1), I(1), I(39), T("5"), D(Day(2025, 2, 10))}}},
      // Cancelled ("8") and internal ("I") proposals do not hold the vehicle.
      {52, 2, "VENDIDO", {{I(1), I(1), I(50), T("8"), D(Day(2025, 2, 28))}, {I(1), I(1), I(51), T("I"), D(Day(2025, 2, 28))},
                          {I(1), I(2), I(52), T("1"), D(Day(2025, 2, 1))}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    Exec("delete from VEI_PROPOSTA");
    Exec("delete from VEI_VEICULO");
    Insert(connection(), "VEI_VEICULO", "EMPRESA VEICULO SITUACAO", {I(1), T("V1"), T(c.veiculo)});
    InsertRows(connection(), "VEI_PROPOSTA", "EMPRESA REVENDA PROPOSTA SITUACAO DTA_EMISSAO",
               c.propostas);
    Exec("update VEI_PROPOSTA set CONTATO = 1, VEICULO = 'V1'");
    int32_t revenda = -7;
    EXPECT_EQ(module().BuscaProposta(1, revenda, "V1", -1), c.proposta);
    EXPECT_EQ(revenda, c.revenda) << c.proposta;
  }
}

TEST_F(ProposalLookupsTest, BuscaPropostaFiltersByTheCustomerOfTheProposalsOwnDealer) {
  InsertRows(connection(), "VEI_VEICULO", "EMPRESA VEICULO SITUACAO",
             {{I(1), T("V1"), T("ESTOQUE")}, {I(1), T("V'1"), T("ESTOQUE")}});
  // Contact 3 exists only at dealer 2 (customer 800); proposal 70 is at dealer 1.
  Insert(connection(), "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE",
         {I(1), I(2), I(3), I(800)});
  InsertRows(connection(), "VEI_PROPOSTA",
             "EMPRESA REVENDA PROPOSTA SITUACAO DTA_EMISSAO CONTATO VEICULO",
             {{I(1), I(1), I(60), T("1"), D(Day(2025, 2, 10)), I(1), T("V1")},
              {I(1), I(1), I(61), T("1"), D(Day(2025, 2, 5)), I(2), T("V1")},
              {I(1), I(1), I(70), T("1"), D(Day(2025, 2, 1)), I(3), T("V1")},
              {I(1), I(1), I(80), T("8"), D(Day(2025, 2, 10)), I(1), T("V2")},
              {I(1), I(1), I(90), T("1"), D(Day(2025, 2, 10)), I(1), T("V'1")}});
  // No row leaves the dealer alone; 61 is older but customer 600's; any customer (-1)
  // takes the newest; 70's contact 3 is not a customer at its own dealer.
  const std::tuple<const char*, int, int> cases[] = {
      {"V3", -1, 0},  {"V1", 600, 61}, {"V1", 500, 60}, {"V1", -1, 60},
      {"V1", 700, 0}, {"V1", 800, 0},  {"V'1", -1, 90}, {"V' or '1'='1", -1, 0}};
  int32_t revenda = 77;
  EXPECT_EQ(module().BuscaProposta(1, revenda, "V2", -1), 0);
  EXPECT_EQ(revenda, 77);
  for (auto [veiculo, cliente, proposta] : cases)
    EXPECT_EQ(module().BuscaProposta(1, revenda, veiculo, cliente), proposta) << veiculo << cliente;
}

TEST_F(ProposalLookupsTest, BuscaSituacaoDescribesTheCodeOrThePendingFrontCashier) {
  const std::pair<const char*, const char*> codes[] = {
      {"0", "Aberta"},        {"*", "Aberta"},     {"1", "Pendente"},  {"2", "Aprovada(Ger)"},
      {"5", "Aprovada(Fin)"}, {"7", "NF Emitida"}, {"8", "Cancelada"}, {"9", "Encerrada"},
      {"I", "Interna"},       {"X", "antes"},  // unlisted: the description stays as it was
  };
  Insert(connection(), "VEI_PROPOSTA", "EMPRESA REVENDA PROPOSTA CONTATO",
         {I(1), I(1), I(110), I(1)});
  std::string lida;
  for (auto [codigo, descricao] : codes) {
    Exec("update VEI_PROPOSTA set SITUACAO = '" + std::string(codigo) + "'");
    lida = "antes";
    EXPECT_EQ(module().BuscaSituacaoProposta(1, 1, 110, lida), codigo);
    EXPECT_EQ(lida, descricao) << codigo;
  }
  EXPECT_EQ(module().BuscaSituacaoProposta(1, 1, 999, lida), "0");  // no proposal: open
  EXPECT_EQ(lida, "Aberta");
  // Front-cashier records that do not count: settled, another contact, another dealer.
  InsertRows(connection(), "FAT_FRENTE_CAIXA", "EMPRESA REVENDA CONTATO SITUACAO",
             {{I(1), I(1), I(1), T("B")}, {I(1), I(1), I(2), T("P")}, {I(1), I(2), I(1), T("P")}});
  EXPECT_EQ(module().BuscaSituacaoProposta(1, 1, 110, lida), "X");
  Insert(connection(), "FAT_FRENTE_CAIXA", "EMPRESA REVENDA CONTATO SITUACAO",
         {I(1), I(1), I(1), T("P")});
  EXPECT_EQ(module().BuscaSituacaoProposta(1, 1, 110, lida), "F");
  EXPECT_EQ(lida, "Frente Caixa");
  EXPECT_FALSE(module().sdsAux->Active());
}

TEST_F(ProposalLookupsTest, BuscaNegociacaoAndBuscaRevendaProposta) {
  InsertRows(
      connection(), "VEI_PROPOSTA", "EMPRESA REVENDA PROPOSTA NEGOCIACAO_FINAL",
      {{I(1), I(1), I(130), I(3)}, {I(1), I(1), I(131), I(0)}, {I(1), I(1), I(132), Null()}});
  // 0, null and no proposal fall back to the first negotiation.
  for (auto [proposta, negociacao] : {std::pair{130, 3}, {131, 1}, {132, 1}, {133, 1}})
    EXPECT_EQ(module().BuscaNegociacao(1, 1, proposta), negociacao) << proposta;
  EXPECT_FALSE(module().sdsAux->Active());
  // Proposal 140 of V1 at four dealers: "8" and the internal "I" (which
  // would sort first) are left out, then the highest situation first ("2" at
  // dealer 3 before "1" at dealer 2).
  InsertRows(connection(), "VEI_PROPOSTA", "EMPRESA REVENDA PROPOSTA SITUACAO VEICULO",
             {{I(1), I(1), I(140), T("8"), T("V1")},
              {I(1), I(2), I(140), T("1"), T("V1")},
              {I(1), I(3), I(140), T("2"), T("V1")},
              {I(1), I(4), I(140), T("I"), T("V1")}});
  EXPECT_EQ(module().BuscaRevendaProposta(1, 140, "V1"), 3);
  EXPECT_EQ(module().BuscaRevendaProposta(1, 140, "V2"), 0);
  EXPECT_EQ(module().BuscaRevendaProposta(1, 141, "V1"), 0);
}

TEST_F(ProposalLookupsTest, BuscaAcessoriosPropostaListsTheNegotiationsAccessories) {
  InsertRows(
      connection(), "VEI_ACESSORIO", "EMPRESA ACESSORIO DES_ACESSORIO",
      {{I(1), I(7), T("Tapetes")}, {I(1), I(12), T("Engate")}, {I(1), I(15), T("Película")}});
  InsertRows(connection(), "VEI_ACESSORIO_NEGOCIACAO",
             "EMPRESA REVENDA PROPOSTA NEGOCIACAO ACESSORIO VAL_ACESSORIO SOMAR",
             {{I(1), I(1), I(10), I(1), I(7), I(350), T("S")},
              {I(1), I(1), I(10), I(1), I(12), F(1234.5), T("N")},
              {I(1), I(1), I(10), I(2), I(15), F(99.99), T("S")}});
  // Values in the server's local form: 1234.5 -> "1234,50" ("#0.00", no grouping).
  const std::string lista = module().BuscaAcessoriosProposta(&connection(), 1, 1, 10, 1);
  EXPECT_TRUE(lista == "7;Tapetes;350,00;S|12;Engate;1234,50;N|" ||
              lista == "12;Engate;1234,50;N|7;Tapetes;350,00;S|")
      << lista;
  module().LimpaSQLConnection();  // it binds the connection it is given
  EXPECT_EQ(module().BuscaAcessoriosProposta(&connection(), 1, 1, 10, 3), "");  // no accessories
  EXPECT_EQ(module().GetConexao(), &connection());
}

TEST_F(ProposalLookupsTest, BuscaUsuarioVendedorAndBuscaFornecedor) {
  // Dealer 1 is its own customer 9000; dealer 2 has none. Salesperson 3 is
  // customer 7100 by CPF (user 42 at dealer 1); salesperson 4's CPF is nobody's.
  InsertRows(connection(), "GER_REVENDA", "EMPRESA REVENDA CLIENTE",
             {{I(1), I(1), I(9000)}, {I(1), I(2), Null()}});
  Exec("insert into FAT_PESSOA_FISICA (CLIENTE, CPF) values (7100, 12345678909)");
  InsertRows(connection(), "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR CPF USUARIO",
             {{I(1), I(1), I(3), I(12345678909), I(42)},
              {I(1), I(2), I(3), I(12345678909), I(43)},
              {I(1), I(1), I(4), I(98765432100), Null()},
              {I(1), I(2), I(4), I(98765432100), Null()}});
  InsertRows(connection(), "VEI_PROPOSTA", "EMPRESA REVENDA PROPOSTA VENDEDOR",
             {{I(1), I(1), I(30), I(3)},
              {I(1), I(1), I(31), I(4)},
              {I(1), I(2), I(32), I(3)},
              {I(1), I(2), I(33), I(4)},
              {I(1), I(1), I(34), I(5)}});
  EXPECT_EQ(module().BuscaUsuarioVendedor(1, 1, 30), 42);
  for (int proposta : {31, 34, 35}) EXPECT_EQ(module().BuscaUsuarioVendedor(1, 1, proposta), 0);
  // Kind "1": the salesperson's customer, else the dealer's, else -1 (never 0);
  // other kinds: the dealer's customer.
  const std::tuple<int, int, const char*, int> fornecedores[] = {
      {1, 30, "1", 7100}, {1, 31, "1", 9000}, {2, 32, "1", 7100}, {2, 33, "1", -1},
      {1, 30, "2", 9000}, {1, 30, "", 9000},  {2, 32, "2", -1},   {1, 99, "1", -1}};  // 99: none
  for (auto [revenda, proposta, tipo, fornecedor] : fornecedores)
    EXPECT_EQ(module().BuscaFornecedor(1, revenda, proposta, tipo), fornecedor) << proposta << tipo;
}

}  // namespace
}  // namespace veiculo::testing
