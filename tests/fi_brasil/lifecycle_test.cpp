// The data module's F&I Brasil operations against a seeded dealer database
// and a service played on 127.0.0.1: settings lookups, result texts, and
// what the sale start sends.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fi_brasil/fi_test_support.h"
#include "platform/format/format_settings.h"
#include "support/kit.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

using ::testing::HasSubstr;

using fi_brasil::test::Reply;

class FiLifecycleTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    fi_brasil::test::UseShortNamespaces();
  }
  // The F&I settings of dealer 1, pointing at the played service.
  void Settings(const Value& loja = T("L1"), const Value& chave = T("K1"),
                std::optional<Value> url = std::nullopt) {
    Insert(connection(), "VEI_PARAMETRO", "EMPRESA REVENDA LOJA_FIB CHAVE_FIB URL_FIB",
           {I(1), I(1), loja, chave, url ? *url : T(server_.Url())});
  }
  std::string LastBody() {
    auto seen = server_.Requests();
    return seen.empty() ? "" : seen.back().body;
  }

  std::string reply_ = "<statusCode>0</statusCode>";
  SoapTestServer server_{[this](const SoapRequestSeen&) { return Reply(reply_); }};
};

TEST_F(FiLifecycleTest, BuscaIdLojaKeyFIBReadsTheCredentialsAndTheReturnAccounts) {
  AddParameters(connection(), 1,
                Cols("CHAVE_FIB LOJA_FIB URL_FIB CONTA TIPO_RETORNO_CORTESIA "
                     "TIPO_RETORNO_ACESSORIOS CONTA_RETORNO_OUTROS CONTA_RETORNO_TAC "
                     "CONTA_RETORNO_PLUS CONTA_RETORNO_PLUS_META CONTA_RETORNO_SEGURO "
                     "CONTA_RETORNO_REBATE CONTA_RETORNO_CORTESIA",
                     {T("K1"), T("L1"), T("http://x/"), I(10), T("CORT"), T("ACES"), I(11), I(12),
                      I(13), I(14), I(15), I(16), I(17)}));
  AddParameters(connection(), 2, Cols("CHAVE_FIB LOJA_FIB", {T("K2"), T("L2")}));
  std::string loja, key, url;
  peer().BuscaIdLojaKeyFIB(loja, key, url, 1, 1);
  EXPECT_EQ(loja, "L1");
  EXPECT_EQ(key, "K1");
  EXPECT_EQ(url, "http://x/");
  // CONTA, OUTROS, TAC, PLUS, PLUS_META, SEGURO, REBATE, CORTESIA
  EXPECT_EQ(peer().ContasRetornoFIB(), (std::vector<int32_t>{10, 11, 12, 13, 14, 15, 16, 17}));
  EXPECT_EQ(peer().TiposRetornoFIB(), std::make_pair(std::string("CORT"), std::string("ACES")));

  peer().BuscaIdLojaKeyFIB(loja, key, url, 1, 2);  // nulls read as 0 and empty
  EXPECT_EQ(url, "");
  EXPECT_EQ(peer().ContasRetornoFIB(), std::vector<int32_t>(8, 0));

  peer().BuscaIdLojaKeyFIB(loja, key, url, 1, 3);  // no row
  EXPECT_EQ(loja + key + url, "");
  EXPECT_EQ(peer().ContasRetornoFIB(), std::vector<int32_t>(8, 0));
  EXPECT_EQ(peer().TiposRetornoFIB(), std::make_pair(std::string(), std::string()));
}

TEST_F(FiLifecycleTest, BuscaParametrosFIAIsOnOnlyWithS) {
  AddDealer(connection(), 1, Cols("CNPJ", {T("11222333000144")}));
  AddDealer(connection(), 2, Cols("CNPJ", {T("55666777000188")}));
  AddParameters(connection(), 1,
                Cols("USA_INTEGRACAO_AVONALE URL_WS_AVONALE", {T("S"), T("http://fia/")}));
  AddParameters(connection(), 2,
                Cols("USA_INTEGRACAO_AVONALE URL_WS_AVONALE", {T("N"), T("http://fia2/")}));
  std::string cnpj, url;
  EXPECT_TRUE(peer().BuscaParametrosFIA(1, 1, cnpj, url));
  EXPECT_EQ(cnpj, "11222333000144");
  EXPECT_EQ(url, "http://fia/");
  EXPECT_FALSE(peer().BuscaParametrosFIA(1, 2, cnpj, url));
  EXPECT_EQ(url, "http://fia2/");
  EXPECT_FALSE(peer().BuscaParametrosFIA(1, 9, cnpj, url));
  EXPECT_EQ(cnpj + url, "");
}

TEST_F(FiLifecycleTest, StatusFIBTexts) {
  Settings();
  EXPECT_EQ(module().StatusFIB(1, 1), "OK");
  EXPECT_EQ(server_.Requests().back().path, "/Status.StatusHttpSoap11Endpoint/");
  EXPECT_EQ(server_.Requests().back().soap_action, "\"urn:status\"");
  reply_ = "<message>Loja bloqueada</message><statusCode>5</statusCode>";
  EXPECT_EQ(module().StatusFIB(1, 1), "5 - Loja bloqueada - Tempo: 0s");
}

TEST_F(FiLifecycleTest, MissingSettingsGiveTheirMessages) {
  struct Case {
    Value loja;
    Value chave;
    Value url;
    std::string texto;
  };
  const std::vector<Case> cases = {
      {Null(), T("K1"), T("http://127.0.0.1:1/"), "Id da loja inválido!"},
      {T("L1"), T(""), T("http://127.0.0.1:1/"), "Key inválida!"},
      {T("L1"), T("K1"), Null(), "Url do Webservice inválido!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texto);
    Exec("delete from VEI_PARAMETRO");
    Settings(c.loja, c.chave, c.url);
    EXPECT_EQ(module().StatusFIB(1, 1), c.texto);
    EXPECT_EQ(module().FaturaPedido(1, 1, 10, 20, Moment(2025, 3, 14)), c.texto);
    EXPECT_EQ(module().CancelaFaturamento(1, 1, 10, 20), c.texto);
    EXPECT_EQ(module().ReabrirVendaFIB(1, 1, 30), c.texto + "\r\n");
    EXPECT_EQ(module().FechaVendaConfirmadaFIB(1, 1, 10, 30, 0, "CH"), c.texto + "\r\n");
    EXPECT_EQ(module().StatusVendaFIB(1, 1, 10), -1);
    EXPECT_VEICULO_ERROR(module().VendasAndamentoFIB(1, 1), ErrorCategory::Validation, c.texto);
  }
  EXPECT_TRUE(server_.Requests().empty());
}

// A reply outside the contract becomes a text that says so. (A service that fails, is not there or
// is too slow: tests/hardening/soap.)
TEST_F(FiLifecycleTest, AReplyOutsideTheContractBecomesATextThatSaysSo) {
  Settings();
  reply_ = "<statusCode>ok</statusCode>";
  EXPECT_EQ(module().CancelaFaturamento(1, 1, 10, 20),
            "the reply's element statusCode of return is not an integer: \"ok\"");
}

TEST_F(FiLifecycleTest, SaleOperationsSendTheirArgumentsAndReportRefusals) {
  Settings();
  EXPECT_EQ(module().FaturaPedido(1, 1, 10, 20, Moment(2025, 3, 14, 17, 5)), "OK");
  EXPECT_THAT(LastBody(),
              HasSubstr("<q0:numeroPedidoDMS>10</q0:numeroPedidoDMS><q0:numeroNotaFiscal>20"
                        "</q0:numeroNotaFiscal><q0:dataFaturamento>2025-03-14"));
  EXPECT_EQ(module().CancelaFaturamento(1, 1, 10, 20), "OK");
  EXPECT_EQ(module().ReabrirVendaFIB(1, 1, 30), "OK");
  EXPECT_THAT(LastBody(), HasSubstr("<q0:propostaID>30</q0:propostaID>"));

  reply_ = "<message>Nota ja informada</message><statusCode>3</statusCode>";
  EXPECT_EQ(module().FaturaPedido(1, 1, 10, 20, Moment(2025, 3, 14)), "3 - Nota ja informada");
  EXPECT_EQ(module().CancelaFaturamento(1, 1, 10, 20), "3 - Nota ja informada");
  EXPECT_EQ(module().ReabrirVendaFIB(1, 1, 30), "3 - Nota ja informada\r\n");
  EXPECT_EQ(module().FechaVendaConfirmadaFIB(1, 1, 10, 30, 0, "CH"), "3 - Nota ja informada\r\n");
  EXPECT_EQ(module().StatusVendaFIB(1, 1, 10), -1);
  EXPECT_EQ(module().VendasAndamentoFIB(1, 1), "");

  reply_ = "<statusCode>0</statusCode><statusVenda>4</statusVenda>";
  EXPECT_EQ(module().StatusVendaFIB(1, 1, 10), 4);
}

TEST_F(FiLifecycleTest, FechaVendaConfirmadaFIBSendsTheDealersAnswer) {
  Settings();
  EXPECT_EQ(module().FechaVendaConfirmadaFIB(1, 1, 10, 30, 3, ""), "OK");
  EXPECT_THAT(LastBody(),
              HasSubstr("<q0:status>3</q0:status><q0:mensagem>Erro na integracao com o Mivo "
                        "DMS.</q0:mensagem><q0:propostaID>30</q0:propostaID><q0:numeroPedidoDMS>"
                        "10</q0:numeroPedidoDMS><q0:chassi>Venda Direta</q0:chassi>"));
  EXPECT_EQ(module().FechaVendaConfirmadaFIB(1, 1, 10, 30, 0, "9BW<1>"), "OK");
  EXPECT_THAT(LastBody(),
              HasSubstr("<q0:status>0</q0:status><q0:mensagem>Venda Confirmada.</q0:mensagem>"));
  EXPECT_THAT(LastBody(), HasSubstr("<q0:chassi>9BW&lt;1&gt;</q0:chassi>"));
}

TEST_F(FiLifecycleTest, VendasAndamentoFIBListsTheOpenSalesInReplyOrder) {
  Settings();
  reply_ =
      "<statusCode>0</statusCode>"
      "<vendas><chassi>CH2</chassi><cpfVendedor>111</cpfVendedor><dataInicioVenda>2025-03-01"
      "</dataInicioVenda><numeroPropostaDMS>12</numeroPropostaDMS><propostaId>902</propostaId>"
      "</vendas><vendas><chassi>CH1</chassi><numeroPropostaDMS>11</numeroPropostaDMS></vendas>";
  EXPECT_EQ(module().VendasAndamentoFIB(1, 1), "CH2;111;12;902;2025-03-01\r\nCH1;;11;;\r\n");
  reply_ = "<statusCode>0</statusCode>";
  EXPECT_EQ(module().VendasAndamentoFIB(1, 1), "");
}

}  // namespace
}  // namespace veiculo::testing
