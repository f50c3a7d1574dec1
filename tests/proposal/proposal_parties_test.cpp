// The accessories of a negotiation as one text, the salesperson's user and
// the customer that supplies a courtesy.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/format/format_settings.h"
#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

class ProposalPartiesTest : public ProposalDbTest {};

std::vector<std::string> Sorted(const std::string& list) {
  std::vector<std::string> items;
  size_t start = 0;
  for (size_t bar = list.find('|'); bar != std::string::npos; bar = list.find('|', start)) {
    items.push_back(list.substr(start, bar - start));
    start = bar + 1;
  }
  EXPECT_EQ(start, list.size()) << "the list ends with '|'";
  std::sort(items.begin(), items.end());
  return items;
}

TEST_F(ProposalPartiesTest, BuscaAcessoriosPropostaListsTheNegotiationsAccessories) {
  auto acessorio = [&](int codigo, const char* descricao) {
    InsertRow(connection(), "VEI_ACESSORIO",
              {{"EMPRESA", Int(1)}, {"ACESSORIO", Int(codigo)}, {"DES_ACESSORIO", Txt(descricao)}});
  };
  auto na_negociacao = [&](int negociacao, int codigo, double valor, const char* somar) {
    InsertRow(connection(), "VEI_ACESSORIO_NEGOCIACAO",
              {{"EMPRESA", Int(1)},
               {"REVENDA", Int(1)},
               {"PROPOSTA", Int(10)},
               {"NEGOCIACAO", Int(negociacao)},
               {"ACESSORIO", Int(codigo)},
               {"VAL_ACESSORIO", Value::Float(valor)},
               {"SOMAR", Txt(somar)}});
  };
  acessorio(7, "Tapetes");
  acessorio(12, "Engate");
  acessorio(15, "Película");
  na_negociacao(1, 7, 350, "S");
  na_negociacao(1, 12, 1234.5, "N");
  na_negociacao(2, 15, 99.99, "S");  // another negotiation

  // Values in the server's local form: 1234.5 -> "1234,50" ("#0.00", no grouping).
  const std::string lista = dm.BuscaAcessoriosProposta(&connection(), 1, 1, 10, 1);
  EXPECT_EQ(Sorted(lista), (std::vector<std::string>{"12;Engate;1234,50;N", "7;Tapetes;350,00;S"}));
  EXPECT_EQ(dm.BuscaAcessoriosProposta(&connection(), 1, 1, 10, 3), "");
}

TEST_F(ProposalPartiesTest, BuscaAcessoriosPropostaBindsTheConnectionItIsGiven) {
  dm.LimpaSQLConnection();
  EXPECT_EQ(dm.BuscaAcessoriosProposta(&connection(), 1, 1, 10, 1), "");
  EXPECT_EQ(dm.GetConexao(), &connection());
  EXPECT_EQ(dm.BancoDados(), "INTERBASE");
}

TEST_F(ProposalPartiesTest, BuscaUsuarioVendedorGivesTheSalespersonsUser) {
  SeedVendedor(connection(), 1, 3, {{"USUARIO", Int(42)}});
  SeedVendedor(connection(), 2, 3, {{"USUARIO", Int(43)}});  // same code, other dealer
  SeedVendedor(connection(), 1, 4, {});                      // no user
  SeedProposta(connection(), 1, 20, {{"VENDEDOR", Int(3)}});
  SeedProposta(connection(), 1, 21, {{"VENDEDOR", Int(4)}});
  SeedProposta(connection(), 1, 22, {{"VENDEDOR", Int(5)}});  // unknown salesperson
  EXPECT_EQ(dm.BuscaUsuarioVendedor(1, 1, 20), 42);
  EXPECT_EQ(dm.BuscaUsuarioVendedor(1, 1, 21), 0);
  EXPECT_EQ(dm.BuscaUsuarioVendedor(1, 1, 22), 0);
  EXPECT_EQ(dm.BuscaUsuarioVendedor(1, 1, 23), 0);
}

class BuscaFornecedorTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    // Dealer 1 is its own customer 9000; dealer 2 has no customer record.
    InsertRow(connection(), "GER_REVENDA",
              {{"EMPRESA", Int(1)}, {"REVENDA", Int(1)}, {"CLIENTE", Int(9000)}});
    InsertRow(connection(), "GER_REVENDA", {{"EMPRESA", Int(1)}, {"REVENDA", Int(2)}});
    // Salesperson 3 is customer 7100 by CPF; salesperson 4's CPF has no customer.
    InsertRow(connection(), "FAT_PESSOA_FISICA",
              {{"CLIENTE", Int(7100)}, {"CPF", Int(12345678909)}});
    for (int revenda : {1, 2}) {
      SeedVendedor(connection(), revenda, 3, {{"CPF", Int(12345678909)}});
      SeedVendedor(connection(), revenda, 4, {{"CPF", Int(98765432100)}});
    }
    SeedProposta(connection(), 1, 30, {{"VENDEDOR", Int(3)}});
    SeedProposta(connection(), 1, 31, {{"VENDEDOR", Int(4)}});
    SeedProposta(connection(), 2, 32, {{"VENDEDOR", Int(3)}});
    SeedProposta(connection(), 2, 33, {{"VENDEDOR", Int(4)}});
  }
};

TEST_F(BuscaFornecedorTest, KindOneIsTheSalespersonElseTheDealer) {
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 30, "1"), 7100);
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 31, "1"), 9000);  // salesperson without customer
  EXPECT_EQ(dm.BuscaFornecedor(1, 2, 32, "1"), 7100);
  EXPECT_EQ(dm.BuscaFornecedor(1, 2, 33, "1"), -1);  // neither: never 0
}

TEST_F(BuscaFornecedorTest, OtherKindsAreTheDealer) {
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 30, "2"), 9000);
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 30, ""), 9000);
  EXPECT_EQ(dm.BuscaFornecedor(1, 2, 32, "2"), -1);  // dealer without customer record
}

TEST_F(BuscaFornecedorTest, WithoutProposalThereIsNone) {
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 99, "1"), -1);
  EXPECT_EQ(dm.BuscaFornecedor(1, 1, 99, "2"), -1);
}

}  // namespace
}  // namespace veiculo::testing
