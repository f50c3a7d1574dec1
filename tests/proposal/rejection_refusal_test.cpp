// The rejection's refusals: a situation past cancelling, the maker's online
// sale, receivable titles, and the dealer's exemption for returned
// proposals; each refusal leaves every row as it was.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "proposal/rejection_seed.h"

namespace veiculo::testing {
namespace {

const std::string kBloqueio =
    "não pode ser cancelada.\r\n\r\nSolicite ao responsável pela aprovação que reprove a "
    "solicitação para que seja possível o cancelamento da proposta. \r\n\r\nSe estiver com "
    "aprovação financeira no menu: [Veículos - Atendimento - Aprovação Financeira Propostas]. "
    "\r\n\r\nSe estiver com aprovação gerencial no menu: [Veículos - Atendimento - Aprovação "
    "Gerencial Propostas]. ;";
const std::string kAdiantamento =
    "NOK|Para cancelar proposta com Titulo a Receber vinculado, o Adiantamento deve estar "
    "totalmente pago.;";
const std::string kTituloAberto =
    "NOK|Proposta com Título a Receber vinculado. Para cancelar a proposta o mesmo deve ser "
    "baixado contra o adiantamento.;";
const std::string kKCommerce =
    "NOK|O cancelamento de propostas do K-Commerce deve ser realizado via SAC Renault.;";

class RejectionRefusalTest : public RejectionTest {
 public:
  using RejectionTest::Titulo;
  void Sql(const std::string& sql) { Exec(sql); }
  void FrenteCaixa() {
    Insert(connection(), "FAT_FRENTE_CAIXA", "EMPRESA REVENDA CONTATO SITUACAO",
           {I(1), I(1), I(701), T("P")});
  }
  void Isencao() { Exec("update VEI_PARAMETRO set DEVOLVER_PROPOSTA_COM_TITULOS = 'S'"); }
  void PedidoOnline(const std::string& fase, const std::string& origem,
                    const std::string& integra) {
    Insert(connection(), "REN_PARAMETRO", "EMPRESA REVENDA NUMERO_DN INTEGRA_KCOMMERCE",
           {I(1), I(1), I(1234), T(integra)});
    // The maker's dealer number is 7600000 + the dealer's own: 7601234.
    Insert(connection(), "REN_SALES_PEDIDO",
           "NUMERO_DN NUMERO_PEDIDO_DMS FASE_OPORTUNIDADE SUB_ORIGEM_OPORTUNIDADE",
           {I(7601234), I(100), T(fase), T(origem)});
  }
};

struct Case {
  std::string nome;
  std::function<void(RejectionRefusalTest&)> seed;
  bool gerar_providencia;
  std::string resultado;  // "OK|" or the refusal
};

TEST_F(RejectionRefusalTest, EachCaseIsRefusedOrPassesAsTheRulesSay) {
  using T_ = RejectionRefusalTest;
  const std::vector<Case> cases = {
      // Situations.
      {"front cashier pending", [](T_& t) { t.FrenteCaixa(); }, true,
       "NOK|Proposta com situação [Frente Caixa] " + kBloqueio},
      {"financially approved", [](T_& t) { t.Sql("update VEI_PROPOSTA set SITUACAO = '5'"); }, true,
       "NOK|Proposta com situação [Aprovada (Financeiro)] " + kBloqueio},
      {"no such proposal", [](T_& t) { t.Sql("update VEI_PROPOSTA set PROPOSTA = 101"); }, true,
       "NOK|Proposta [100] não encontrada.;"},
      // The maker's online sale.
      {"online order live", [](T_& t) { t.PedidoOnline("Em negociação", "kCommerce", "S"); }, true,
       kKCommerce},
      {"online order cancelled", [](T_& t) { t.PedidoOnline("Canceled", "KCOMMERCE", "S"); }, true,
       "OK|"},
      {"online order in Portuguese", [](T_& t) { t.PedidoOnline("cancelado", "KCOMMERCE", "S"); },
       true, "OK|"},
      {"another origin", [](T_& t) { t.PedidoOnline("Aberta", "SITE", "S"); }, true, "OK|"},
      {"dealer not integrated", [](T_& t) { t.PedidoOnline("Aberta", "KCOMMERCE", "N"); }, true,
       "OK|"},
      // Titles: the first status of each type counts.
      {"no titles", [](T_&) {}, true, "OK|"},
      {"receivable paid, no advance", [](T_& t) { t.Titulo(1, "CR", "PT"); }, true, "OK|"},
      {"receivable and advance paid",
       [](T_& t) {
         t.Titulo(1, "CR", "PT");
         t.Titulo(2, "AD", "PT");
       },
       true, "OK|"},
      {"receivable paid, advance open",
       [](T_& t) {
         t.Titulo(1, "CR", "PT");
         t.Titulo(2, "AD", "AB");
       },
       true, kAdiantamento},
      {"receivable open", [](T_& t) { t.Titulo(1, "CR", "AB"); }, true, kTituloAberto},
      {"receivable cancelled, no advance", [](T_& t) { t.Titulo(1, "CR", "CA"); }, true, "OK|"},
      {"receivable and advance cancelled",
       [](T_& t) {
         t.Titulo(1, "CR", "CA");
         t.Titulo(2, "AD", "CA");
       },
       true, "OK|"},
      {"receivable cancelled, advance open",
       [](T_& t) {
         t.Titulo(1, "CR", "CA");
         t.Titulo(2, "AD", "AB");
       },
       true, kAdiantamento},
      // "AB" sorts before "PT": an open receivable beside a paid one blocks.
      {"one receivable open of two",
       [](T_& t) {
         t.Titulo(1, "CR", "PT");
         t.Titulo(2, "CR", "AB");
       },
       true, kTituloAberto},
      // The exemption: parameter 'S', contact active, no action logged.
      {"exempt: receivable open",
       [](T_& t) {
         t.Isencao();
         t.Titulo(1, "CR", "AB");
       },
       false, "OK|"},
      {"exempt: advance open",
       [](T_& t) {
         t.Isencao();
         t.Titulo(1, "CR", "PT");
         t.Titulo(2, "AD", "AB");
       },
       false, "OK|"},
      {"exempt: receivable cancelled, advance open",
       [](T_& t) {
         t.Isencao();
         t.Titulo(1, "CR", "CA");
         t.Titulo(2, "AD", "AB");
       },
       false, "OK|"},
      {"not exempt when an action is logged",
       [](T_& t) {
         t.Isencao();
         t.Titulo(1, "CR", "AB");
       },
       true, kTituloAberto},
      {"not exempt for a closed contact",
       [](T_& t) {
         t.Isencao();
         t.Sql("update CAC_CONTATO set SITUACAO = 'F'");
         t.Titulo(1, "CR", "AB");
       },
       false, kTituloAberto},
      {"not exempt without the parameter", [](T_& t) { t.Titulo(1, "CR", "AB"); }, false,
       kTituloAberto},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nome);
    Exec("savepoint caso");
    c.seed(*this);
    const std::string antes = One("select count(*) from GER_MENSAGEM") + Situacao();
    Chamada chamada;
    chamada.gerar_providencia = c.gerar_providencia;
    EXPECT_EQ(Rejeita(chamada), c.resultado);
    if (c.resultado != "OK|")
      EXPECT_EQ(One("select count(*) from GER_MENSAGEM") + Situacao(), antes)
          << "a refusal writes nothing";
    else
      EXPECT_EQ(Situacao(), "8");
    Exec("rollback to savepoint caso");
  }
}

}  // namespace
}  // namespace veiculo::testing
