// A rejected proposal that was sent for F&I analysis is cancelled at the
// provider, played on 127.0.0.1: F&I Brasil (its order, then its sale) and
// Avonale. Whatever the provider answers, the database work stays done and
// the provider's failure is the result text.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fi_brasil/fi_test_support.h"
#include "fi_manager/fi_manager_settings.h"
#include "platform/settings.h"
#include "platform/soap/soap_client.h"
#include "proposal/rejection_seed.h"
#include "support/fi_manager_replies.h"

namespace veiculo::testing {
namespace {

using ::testing::HasSubstr;

const std::string kFalhaPedido = "NOK|1-Não foi possível cancelar a proposta no F&I System.;";
const std::string kFalhaVenda = "NOK|2-Não foi possível cancelar a proposta no F&I System.;";
const std::string kFalhaAvonale = "NOK|[Erro Integração F&I Avonale] ";

class RejectionFiTest : public RejectionTest {
 protected:
  void SetUp() override {
    RejectionTest::SetUp();
    fi_brasil::test::UseShortNamespaces();
    platform::SetSetting(fi_manager::kNsSetting, kNsFiManagerTeste);
    Exec(
        "update VEI_NEGOCIACAO set DTA_ENVIO_ANALISE = '2025-03-11 10:00:00' where NEGOCIACAO = 1");
    Exec("update VEI_PARAMETRO set LOJA_FIB = 'L1', CHAVE_FIB = 'K1', URL_FIB = '" + server_.Url() +
         "', USA_INTEGRACAO_AVONALE = 'S', URL_WS_AVONALE = '" + server_.Url("fim") + "'");
  }
  void TearDown() override {
    platform::ClearSetting(fi_manager::kNsSetting);
    RejectionTest::TearDown();
  }
  std::vector<std::string> Actions() {
    std::vector<std::string> actions;
    for (const SoapRequestSeen& seen : server_.Requests()) actions.push_back(seen.soap_action);
    return actions;
  }

  // The played services: F&I Brasil answers these status codes (or a fault
  // for -1), Avonale this reply type.
  int status_pedido_ = 0;
  int status_venda_ = 0;
  std::string tipo_avonale_ = "Ok";
  SoapTestServer server_{[this](const SoapRequestSeen& seen) {
    SoapAnswer answer;
    if (seen.path == "/fim") {
      answer = FiManagerReply("CancelarPropostaTipado", tipo_avonale_, "Proposta inexistente");
    } else {
      const int status =
          seen.soap_action == "\"urn:cancelaPedido\"" ? status_pedido_ : status_venda_;
      answer = status < 0 ? SoapAnswer{500, SoapFault("soapenv:Server", "Falha interna"), {}}
                          : fi_brasil::test::Reply("<message>m</message><statusCode>" +
                                                   std::to_string(status) + "</statusCode>");
    }
    return answer;
  }};
  fi_brasil::test::InTemporaryFolder folder_;  // Avonale's exchange files land here
};

TEST_F(RejectionFiTest, FiBrasilCancelsTheOrderThenTheSale) {
  struct Case {
    std::string nome;
    int pedido;
    int venda;
    std::string resultado;
    size_t chamadas;
  };
  const std::vector<Case> cases = {
      {"both cancelled", 0, 0, "OK|", 2},      {"order refused", 7, 0, kFalhaPedido, 1},
      {"order fault", -1, 0, kFalhaPedido, 1}, {"sale refused", 0, 7, kFalhaVenda, 2},
      {"sale fault", 0, -1, kFalhaVenda, 2},
  };
  size_t antes = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nome);
    Exec("savepoint caso");
    status_pedido_ = c.pedido;
    status_venda_ = c.venda;
    Chamada chamada;
    chamada.integracao_fi = 2;
    EXPECT_EQ(Rejeita(chamada), c.resultado);
    const std::vector<SoapRequestSeen> seen = server_.Requests();
    ASSERT_EQ(seen.size() - antes, c.chamadas);
    EXPECT_EQ(seen[antes].soap_action, "\"urn:cancelaPedido\"");
    EXPECT_EQ(seen[antes].path, "/Venda.VendaHttpSoap11Endpoint/");
    EXPECT_THAT(seen[antes].body, HasSubstr("<q0:numeroPedidoDMS>100</q0:numeroPedidoDMS>"));
    if (c.chamadas == 2) {
      EXPECT_EQ(seen[antes + 1].soap_action, "\"urn:cancelaVenda\"");
    }
    antes = seen.size();
    // The database work is done either way; with F&I Brasil the financing
    // approval goes too.
    EXPECT_EQ(Situacao(), "8");
    EXPECT_EQ(Rows("select distinct APR_FINANCIAMENTO from VEI_NEGOCIACAO"), (TextRows{{"N"}}));
    Exec("rollback to savepoint caso");
  }
}

TEST_F(RejectionFiTest, NothingIsSentForAProposalNeverSentForAnalysis) {
  Exec("update VEI_NEGOCIACAO set DTA_ENVIO_ANALISE = NULL");
  for (int integracao : {2, 4}) {
    Chamada chamada;
    chamada.integracao_fi = integracao;
    EXPECT_EQ(Rejeita(chamada), "OK|");
  }
  EXPECT_TRUE(server_.Requests().empty());
}

// Settings without a store id fail the cancellation as a refusal would.
// (A service that is not there, too slow or failing: tests/hardening/soap.)
TEST_F(RejectionFiTest, MissingFiBrasilSettingsGiveTheFailureText) {
  Chamada fib;
  fib.integracao_fi = 2;
  Exec("update VEI_PARAMETRO set LOJA_FIB = NULL");
  EXPECT_EQ(Rejeita(fib), kFalhaPedido);
  EXPECT_EQ(Situacao(), "8");
  EXPECT_TRUE(server_.Requests().empty());
}

TEST_F(RejectionFiTest, AvonaleIsToldOfTheCancellationButNotOfAReturn) {
  Chamada chamada;
  chamada.integracao_fi = 4;
  struct Case {
    std::string tipo;
    std::string acao;
    bool usa;
    std::string resultado;
    size_t chamadas;
  };
  const std::vector<Case> cases = {
      {"Aviso", "CANCELAR", true, "OK|", 1},
      {"Indisponível", "", true, kFalhaAvonale + "Indisponível:Proposta inexistente;", 1},
      {"Ok", "DEVOLVER", true, "OK|", 0},
      {"Ok", "CANCELAR", false, "OK|", 0},
  };
  size_t antes = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tipo + " " + c.acao);
    Exec("savepoint caso");
    if (!c.usa) Exec("update VEI_PARAMETRO set USA_INTEGRACAO_AVONALE = 'N'");
    tipo_avonale_ = c.tipo;
    chamada.acao = c.acao;
    EXPECT_EQ(Rejeita(chamada), c.resultado);
    const std::vector<SoapRequestSeen> seen = server_.Requests();
    ASSERT_EQ(seen.size() - antes, c.chamadas);
    if (c.chamadas == 1) {
      // The dealer's CNPJ and the proposal, cancelled on the clock's day.
      EXPECT_THAT(seen.back().body,
                  HasSubstr("<chave>12345678000195</chave><id>100</id><operacao>"
                            "<Faturada>false</Faturada><Cancelada>true</Cancelada>"
                            "<Status>8</Status><CodigoParceiro>100</CodigoParceiro>"
                            "<NumeroNotaFiscal>0</NumeroNotaFiscal><DataNotaFiscal>"
                            "2025-03-14T00:00:00"));
      EXPECT_TRUE(std::filesystem::exists("RequestAvonale.xml"));
    }
    antes = seen.size();
    EXPECT_EQ(Situacao(), "8");
    Exec("rollback to savepoint caso");
  }
}

TEST_F(RejectionFiTest, AVehicleOfADirectSaleIsDeletedEvenWhenTheProviderFails) {
  Exec("update VEI_PROPOSTA set TIPO_VENDA = 'D'");
  tipo_avonale_ = "Erro";
  Chamada chamada;
  chamada.integracao_fi = 4;
  EXPECT_EQ(Rejeita(chamada), kFalhaAvonale + "Erro:Proposta inexistente;");
  EXPECT_EQ(One("select count(*) from VEI_VEICULO where VEICULO = 'V1'"), "0");
}

}  // namespace
}  // namespace veiculo::testing
