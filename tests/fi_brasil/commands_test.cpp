// The F&I Brasil commands against a service played on 127.0.0.1: the exact
// envelope each one sends, with its SOAPAction, and what each reads back.

#include <gtest/gtest.h>

#include <functional>

#include "fi_brasil/commands/fi_comandos.h"
#include "fi_brasil/commands/inicia_venda.h"
#include "fi_brasil/fi_test_support.h"
#include "platform/format/date_time.h"

namespace veiculo::fi_brasil {
namespace {

using platform::EncodeDate;
using testing::SoapAnswer;
using testing::SoapRequestSeen;
using testing::SoapTestServer;

class FiCommands : public ::testing::Test {
 public:
  void SetUp() override { test::UseShortNamespaces(); }

  // Credentials and URL as the data module sets them.
  template <class Command>
  void Prepare(Command& command, const std::string& suffix, const std::string& id_loja = "L1") {
    command.Usuario().SetidLoja(id_loja);
    command.Usuario().Setkey("K1");
    command.SetUrl(server_.Url(suffix));
  }

  std::string reply_ = "<statusCode>0</statusCode><message>ok</message>";
  SoapTestServer server_{[this](const SoapRequestSeen&) { return test::Reply(reply_); }};
};

struct EnvelopeCase {
  std::string operation;
  std::function<void(FiCommands&)> run;
  std::string parameters;
  std::string id_loja = "L1";
};

// A case that prepares a command of type C on the Venda endpoint, fills it and runs it.
template <class C>
std::function<void(FiCommands&)> Command(std::function<void(C&)> fill = [](C&) {}) {
  return [fill](FiCommands& t) {
    C c;
    t.Prepare(c, "Venda.VendaHttpSoap11Endpoint/");
    fill(c);
    c.Executar();
  };
}

TEST_F(FiCommands, EachCommandSendsItsEnvelopeWithItsSoapAction) {
  const std::string venda = "Venda.VendaHttpSoap11Endpoint/";
  const std::string pedido = "<q0:numeroPedidoDMS>12</q0:numeroPedidoDMS>";
  const std::string nota = pedido + "<q0:numeroNotaFiscal>678</q0:numeroNotaFiscal>";
  const std::vector<EnvelopeCase> cases = {
      {"status",
       [&](FiCommands& t) {
         TStatusFi c;
         t.Prepare(c, "Status.StatusHttpSoap11Endpoint/", "L&1");
         c.Status();
       },
       "", "L&amp;1"},
      {"vendasEmAndamento", Command<TVendasEmAndamento>(), ""},
      {"cancelaPedido", Command<TCancelaPedido>([](auto& c) { c.NumeroPedidoDMS = 12; }), pedido},
      {"cancelaVenda", Command<TCancelaVenda>([](auto& c) { c.NumeroPedidoDMS = 12; }), pedido},
      {"statusVenda", Command<TStatusVenda>([](auto& c) { c.NumeroPedidoDMS = 12; }), pedido},
      {"fechaVenda", Command<TFechaVenda>([](auto& c) { c.NumeroPedidoDMS = -3; }),
       "<q0:numeroPedidoDMS>-3</q0:numeroPedidoDMS>"},
      {"reabrirVenda", Command<TReabrirVenda>([](auto& c) { c.PropostaID = 345; }),
       "<q0:propostaID>345</q0:propostaID>"},
      {"cancelaFaturamento", Command<TCancelaFaturamento>([](auto& c) {
         c.NumeroPedidoDMS = 12;
         c.NumeroNotaFiscal = 678;
       }),
       nota},
      {"faturaPedido", Command<TFaturaPedido>([](auto& c) {
         c.NumeroPedidoDMS = 12;
         c.NumeroNotaFiscal = 678;
         c.DataFaturamento = platform::EncodeDateTime(2025, 3, 14, 16, 45, 0);
       }),
       nota + "<q0:dataFaturamento>2025-03-14</q0:dataFaturamento>"},
      // The message and the chassis are sent as given, escaped.
      {"fechaVendaConfirma", Command<TFechaVendaConfirma>([](auto& c) {
         c.Status = 3;
         c.MensagemEnvio = " a<b & c ";
         c.propostaID = 345;
         c.NumeroPedidoDMS = 12;
         c.Chassi = "";
       }),
       "<q0:status>3</q0:status><q0:mensagem> a&lt;b &amp; c "
       "</q0:mensagem><q0:propostaID>345</q0:propostaID>"
       "<q0:numeroPedidoDMS>12</q0:numeroPedidoDMS><q0:chassi></q0:chassi>"},
  };
  for (const EnvelopeCase& c : cases) c.run(*this);
  const auto seen = server_.Requests();
  ASSERT_EQ(seen.size(), cases.size());
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].operation);
    EXPECT_EQ(seen[i].soap_action, "\"urn:" + cases[i].operation + "\"");
    EXPECT_EQ(seen[i].path, i == 0 ? "/Status.StatusHttpSoap11Endpoint/" : "/" + venda);
    EXPECT_EQ(seen[i].body,
              test::ExpectedEnvelope(cases[i].operation, cases[i].parameters, cases[i].id_loja));
  }
}

// Refusals, the query commands' results, a slow service and an empty URL are
// checked through the data module's operations (lifecycle_test); the sale
// start of a person through IniciaVendaFIB (inicia_venda_fib_test).
TEST_F(FiCommands, AClosingWithSeveralSalesTakesTheFirst) {
  reply_ =
      "<statusCode>0</statusCode><vendas><chassi>9BW</chassi><codigoProposta>88"
      "</codigoProposta></vendas><vendas><chassi>OUTRO</chassi></vendas>";
  TFechaVenda fechada;
  Prepare(fechada, "v/");
  EXPECT_TRUE(fechada.Executar());
  EXPECT_EQ(fechada.Venda().chassi, "9BW");
  EXPECT_EQ(fechada.Venda().codigoProposta, 88);
}

TEST_F(FiCommands, SaleStartOfACompanyMarksThePersonNullAndLeavesOutAbsentValues) {
  test::InTemporaryFolder pasta;
  TIniciaVenda c;
  Prepare(c, "v/");
  c.Veiculo().tipo = "U";
  c.Veiculo().numeroPropostaDMS = 5;
  c.PessoaFisica().grauInstrucao = -1;  // not given: not sent (and no person anyway)
  TFichaCadastralPJIn& j = c.PessoaJuridica();
  j.cnpj = "01234567000189";
  j.razaoSocial = "A & B Ltda";
  j.dataFundacao = EncodeDate(2001, 2, 3);
  j.endereco.cep = "20000-000";
  j.endereco.logradouro = "Av";
  j.registroJuntaComercial = "JC1";
  j.telefone = "21-2222.3333";
  c.Executar();
  const std::string parameters =
      "<q0:veiculo><q2:tipo>U</q2:tipo><q2:numeroPropostaDMS>5</q2:numeroPropostaDMS>"
      "</q0:veiculo><q0:fichaPF isNull=\"true\" /><q0:fichaPJ><q2:cnpj>01234567000189"
      "</q2:cnpj><q2:dataFundacao>2001-02-03</q2:dataFundacao><q2:endereco><q2:cep>20000-000"
      "</q2:cep><q2:logradouro>Av</q2:logradouro></q2:endereco><q2:razaoSocial>A e B Ltda"
      "</q2:razaoSocial><q2:registroJuntaComercial>JC1</q2:registroJuntaComercial>"
      "<q2:telefone>21-2222.3333</q2:telefone></q0:fichaPJ>";
  ASSERT_EQ(server_.Requests().size(), 1u);
  EXPECT_EQ(server_.Requests()[0].body,
            test::ExpectedEnvelope("iniciaVenda", parameters, "L1", "K1", true));
}

TEST_F(FiCommands, SaleStartPresenceRules) {
  test::InTemporaryFolder pasta;
  struct Case {
    const char* name;
    std::function<void(TIniciaVenda&)> fill;
    std::string present;  // must appear
    std::string absent;   // must not
  };
  const auto pf = [](TIniciaVenda& c) -> TFichaCadastralPFIn& {
    c.PessoaFisica().cpf = "1";
    return c.PessoaFisica();
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"grauInstrucao -1", [&](TIniciaVenda& c) { pf(c); }, "<q0:fichaPF>", "grauInstrucao"},
      {"grauInstrucao 3", [&](TIniciaVenda& c) { pf(c).grauInstrucao = 3; },
       "<q2:grauInstrucao>3</q2:grauInstrucao>", "isNull"},
      {"no cnpj", [](TIniciaVenda& c) { c.PessoaJuridica().razaoSocial = "X"; }, "isNull",
       "fichaPJ"},
      {"0 doors", [](TIniciaVenda& c) { c.Veiculo().quantidadePortas = 0; }, "<q0:veiculo>",
       "quantidadePortas"},
      {"negative year", [](TIniciaVenda& c) { c.Veiculo().anoModelo = -1; },
       "<q2:anoModelo>-1</q2:anoModelo>", "anoFabricacao"},
      {"spouse without name", [&](TIniciaVenda& c) { pf(c).conjuge.cpf = "2"; },
       "<q2:cpf>1</q2:cpf>",
       "conjuge"},
      {"address without cep", [&](TIniciaVenda& c) { pf(c).endereco.rua = "R"; },
       "<q2:cpf>1</q2:cpf>",
       "enderecos"},
      {"zero income", [&](TIniciaVenda& c) { pf(c).conjuge.nome = "A"; },
       "<q2:conjuge><q2:nome>A</q2:nome></q2:conjuge>", "renda"},
  };
  // clang-format on
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TIniciaVenda c;
    c.Usuario().SetidLoja("L1");
    c.Usuario().Setkey("K1");
    k.fill(c);
    const std::string xml = c.GeraXML();
    EXPECT_NE(xml.find(k.present), std::string::npos) << xml;
    EXPECT_EQ(xml.find(k.absent), std::string::npos) << xml;
  }
}

}  // namespace
}  // namespace veiculo::fi_brasil
