// The rejection's refusals: a situation past cancelling, the maker's online
// sale, receivable titles, and the dealer's exemption for returned
// proposals; each refusal leaves every row as it was.

#include <gtest/gtest.h>

#include <string>
#include <utility>
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
const std::string kAberto =
    "NOK|Proposta com Título a Receber vinculado. Para cancelar a proposta o mesmo deve ser "
    "baixado contra o adiantamento.;";
const std::string kKCommerce =
    "NOK|O cancelamento de propostas do K-Commerce deve ser realizado via SAC Renault.;";

struct Case {
  std::string nome;
  std::string sql;                                           // a change to the seeded proposal
  std::vector<std::pair<std::string, std::string>> titulos;  // type, status
  bool isencao;  // DEVOLVER_PROPOSTA_COM_TITULOS 'S' and no action logged
  std::string resultado;
};

TEST_F(RejectionTest, EachCaseIsRefusedOrPassesAsTheRulesSay) {
  // The maker's order of proposal 100: its dealer number is 7600000 + 1234.
  const auto online = [](const std::string& fase, const std::string& origem,
                         const std::string& integra) {
    return "insert into REN_PARAMETRO (EMPRESA, REVENDA, NUMERO_DN, INTEGRA_KCOMMERCE) values "
           "(1, 1, 1234, '" +
           integra +
           "'); insert into REN_SALES_PEDIDO (NUMERO_DN, "
           "NUMERO_PEDIDO_DMS, FASE_OPORTUNIDADE, SUB_ORIGEM_OPORTUNIDADE) values (7601234, 100, "
           "'" +
           fase + "', '" + origem + "')";
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"front cashier pending",
       "insert into FAT_FRENTE_CAIXA (EMPRESA, REVENDA, CONTATO, SITUACAO) values (1, 1, 701, 'P')",
       {}, false, "NOK|Proposta com situação [Frente Caixa] " + kBloqueio},
      {"financially approved", "update VEI_PROPOSTA set SITUACAO = '5'", {}, false,
       "NOK|Proposta com situação [Aprovada (Financeiro)] " + kBloqueio},
      {"no such proposal", "update VEI_PROPOSTA set PROPOSTA = 101", {}, false,
       "NOK|Proposta [100] não encontrada.;"},
      {"online order live", online("Em negociação", "kCommerce", "S"), {}, false, kKCommerce},
      {"online order cancelled", online("Canceled", "KCOMMERCE", "S"), {}, false, "OK|"},
      {"online order cancelado", online("cancelado", "KCOMMERCE", "S"), {}, false, "OK|"},
      {"another origin", online("Aberta", "SITE", "S"), {}, false, "OK|"},
      {"dealer not integrated", online("Aberta", "KCOMMERCE", "N"), {}, false, "OK|"},
      // Titles: the first status of each type, in order, counts.
      {"no titles", "", {}, false, "OK|"},
      {"receivable paid", "", {{"CR", "PT"}}, false, "OK|"},
      {"receivable and advance paid", "", {{"CR", "PT"}, {"AD", "PT"}}, false, "OK|"},
      {"advance open", "", {{"CR", "PT"}, {"AD", "AB"}}, false, kAdiantamento},
      {"receivable open", "", {{"CR", "AB"}}, false, kAberto},
      {"receivable cancelled", "", {{"CR", "CA"}}, false, "OK|"},
      {"both cancelled", "", {{"CR", "CA"}, {"AD", "CA"}}, false, "OK|"},
      {"cancelled, advance open", "", {{"CR", "CA"}, {"AD", "AB"}}, false, kAdiantamento},
      // "AB" sorts before "PT": an open receivable beside a paid one blocks.
      {"one receivable open of two", "", {{"CR", "PT"}, {"CR", "AB"}}, false, kAberto},
      // The exemption lets every title case through...
      {"exempt: receivable open", "", {{"CR", "AB"}}, true, "OK|"},
      {"exempt: advance open", "", {{"CR", "PT"}, {"AD", "AB"}}, true, "OK|"},
      {"exempt: cancelled, advance open", "", {{"CR", "CA"}, {"AD", "AB"}}, true, "OK|"},
      // ... but only for a live contact.
      {"exempt, contact closed", "update CAC_CONTATO set SITUACAO = 'F'", {{"CR", "AB"}}, true,
       kAberto},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nome);
    Exec("savepoint caso");
    size_t inicio = 0;  // the statements of c.sql, one by one
    for (size_t fim; inicio < c.sql.size(); inicio = fim + 2) {
      fim = std::min(c.sql.find("; ", inicio), c.sql.size());
      Exec(c.sql.substr(inicio, fim - inicio));
    }
    int numero = 0;
    for (const auto& [tipo, status] : c.titulos) Titulo(++numero, tipo, status);
    Chamada chamada;
    if (c.isencao) Exec("update VEI_PARAMETRO set DEVOLVER_PROPOSTA_COM_TITULOS = 'S'");
    chamada.gerar_providencia = !c.isencao;
    const std::string antes = One("select count(*) from GER_MENSAGEM") + Situacao();
    EXPECT_EQ(Rejeita(chamada), c.resultado);
    if (c.resultado == "OK|")
      EXPECT_EQ(Situacao(), "8");
    else
      EXPECT_EQ(One("select count(*) from GER_MENSAGEM") + Situacao(), antes) << "wrote something";
    Exec("rollback to savepoint caso");
  }
  // The exemption needs the parameter, and no cancellation logged.
  for (const bool parametro : {false, true}) {
    Exec("savepoint caso");
    Titulo(1, "CR", "AB");
    Chamada chamada;
    if (parametro) Exec("update VEI_PARAMETRO set DEVOLVER_PROPOSTA_COM_TITULOS = 'S'");
    chamada.gerar_providencia = parametro;
    EXPECT_EQ(Rejeita(chamada), kAberto) << parametro;
    Exec("rollback to savepoint caso");
  }
}

}  // namespace
}  // namespace veiculo::testing
