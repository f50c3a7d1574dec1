// The F&I Brasil commands against a service played on 127.0.0.1: the exact
// envelope each one sends, with its SOAPAction, and what each reads back.

#include <gtest/gtest.h>

#include <functional>

#include "fi_brasil/commands/fi_comandos.h"
#include "fi_brasil/commands/inicia_venda.h"
#include "fi_brasil/fi_test_support.h"
#include "platform/format/date_time.h"
#include "platform/format/format_settings.h"
#include "support/expect_error.h"
#include "veiculo/error.h"

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

TEST_F(FiCommands, RefusalsAreResultsNotErrors) {
  reply_ = "<ax:message>Pedido inexistente</ax:message><ax:statusCode>5</ax:statusCode>";
  TCancelaVenda c;
  Prepare(c, "v/");
  EXPECT_FALSE(c.Executar());
  EXPECT_EQ(c.StatusCode, 5);
  EXPECT_EQ(c.Mensagem, "Pedido inexistente");
  EXPECT_EQ(c.Tempo, 0);
}

TEST_F(FiCommands, ResultsOfTheQueryCommands) {
  reply_ = "<statusCode>0</statusCode><statusVenda>4</statusVenda>";
  TStatusVenda status;
  Prepare(status, "v/");
  EXPECT_TRUE(status.Executar());
  EXPECT_EQ(status.StatusVenda, 4);

  reply_ =
      "<statusCode>0</statusCode><vendas><chassi>C1</chassi></vendas><vendas><chassi>C2"
      "</chassi></vendas>";
  TVendasEmAndamento abertas;
  EXPECT_EQ(abertas.Quantidade, 0);
  Prepare(abertas, "v/");
  EXPECT_TRUE(abertas.Executar());
  EXPECT_EQ(abertas.Quantidade, 2);
  EXPECT_EQ(abertas.Resultado().vendas[1].chassi, "C2");

  // A closing with status 0 but no sale is no success.
  reply_ = "<statusCode>0</statusCode>";
  TFechaVenda vazia;
  Prepare(vazia, "v/");
  EXPECT_FALSE(vazia.Executar());
  EXPECT_EQ(vazia.StatusCode, 0);
  EXPECT_EQ(vazia.Venda().chassi, "");

  reply_ =
      "<statusCode>0</statusCode><vendas><chassi>9BW</chassi><codigoProposta>88"
      "</codigoProposta></vendas><vendas><chassi>OUTRO</chassi></vendas>";
  TFechaVenda fechada;
  Prepare(fechada, "v/");
  EXPECT_TRUE(fechada.Executar());
  EXPECT_EQ(fechada.Venda().chassi, "9BW");
  EXPECT_EQ(fechada.Venda().codigoProposta, 88);
}

TEST_F(FiCommands, ASlowServiceRaisesInTimeAndLeavesTheStatusAlone) {
  SoapTestServer slow([](const SoapRequestSeen&) {
    return SoapAnswer{200, "", std::chrono::milliseconds(1300)};
  });
  TStatusFi c;
  Prepare(c, "");
  c.SetUrl(slow.Url());
  c.SetTimeouts(0, 300);
  EXPECT_THROW(c.Status(), Error);
  EXPECT_EQ(c.StatusCode, 0);
  EXPECT_EQ(c.Mensagem, "");
  EXPECT_EQ(c.Tempo, 0);  // 0.3 s: no whole second
  EXPECT_FALSE(c.XML.empty());
}

TEST_F(FiCommands, EmptyUrlIsRefusedBeforeAnythingIsSent) {
  TStatusFi c;
  EXPECT_VEICULO_ERROR(c.SetUrl(""), ErrorCategory::Validation, "Url do Webservice inválido!");
}

TEST_F(FiCommands, SaleStartOfAPersonSendsEveryPresentElementInOrder) {
  test::InTemporaryFolder pasta;
  platform::ScopedFormatSettings br(platform::FormatSettings::Brazilian());
  TIniciaVenda c;
  Prepare(c, "v/");
  TVeiculoIn& v = c.Veiculo();
  v.tipo = "N";
  v.chassi = "9BWZZZ377VT004251";
  v.codigoModelo = "GOL";
  v.descricaoModelo = "Gol 1.0";
  v.codigoCor = "PR";
  v.descricaoCor = "Preto";
  v.anoFabricacao = 2024;
  v.anoModelo = 2025;
  v.quantidadePortas = 4;
  v.pacoteBasico = "PB";
  v.placa = "ABC1D23";
  v.cpfVendedor = "01234567890";
  v.valorVeiculo = 45000;
  v.numeroPropostaDMS = 77;
  v.combustivel = "G";
  TFichaCadastralPFIn& p = c.PessoaFisica();
  p.CNH = "123";
  p.conjuge.nome = "Ana";
  p.conjuge.cpf = "98765432100";
  p.conjuge.dataNascimento = EncodeDate(1990, 5, 1);
  p.cpf = "12345678901";
  p.dataNascimento = EncodeDate(1985, 12, 31);
  p.endereco.cep = "01000-000";
  p.endereco.numero = "1";
  p.endereco.rua = "Rua A";
  p.endereco.cidade = "São Paulo";
  p.estadoCivil = 2;
  p.grauInstrucao = 0;  // a valid code: sent
  p.nome = "José <Júnior>";
  p.rgOrgaoEmissor = "SSP";  // held, not sent
  auto& banco = p.referenciasBancarias.Add();
  banco.banco = "Itaú";
  banco.agencia = "0001";
  banco.numeroConta = "123-4";
  banco.telefoneAgencia = "00-0000.0000";
  banco.tipoConta = "C";
  auto& pessoal = p.referenciasPessoais.Add();
  pessoal.nome = "Maria";
  pessoal.telefone = "11-1234.5678";
  p.rg = "MG123";
  p.sexo = "M";
  p.telefoneCelular = "11-9876.5432";
  c.PessoaJuridica().razaoSocial = "sem CNPJ, não vai";
  EXPECT_TRUE(c.Executar());

  const std::string parameters =
      "<q0:veiculo><q2:tipo>N</q2:tipo><q2:chassi>9BWZZZ377VT004251</q2:chassi>"
      "<q2:codigoModelo>GOL</q2:codigoModelo><q2:descricaoModelo>Gol 1.0</q2:descricaoModelo>"
      "<q2:codigoCor>PR</q2:codigoCor><q2:descricaoCor>Preto</q2:descricaoCor>"
      "<q2:anoFabricacao>2024</q2:anoFabricacao><q2:anoModelo>2025</q2:anoModelo>"
      "<q2:quantidadePortas>4</q2:quantidadePortas><q2:pacoteBasico>PB</q2:pacoteBasico>"
      "<q2:placa>ABC1D23</q2:placa><q2:cpfVendedor>01234567890</q2:cpfVendedor>"
      "<q2:valorVeiculo>45.000,00</q2:valorVeiculo><q2:numeroPropostaDMS>77"
      "</q2:numeroPropostaDMS><q2:combustivel>G</q2:combustivel></q0:veiculo>"
      "<q0:fichaPF><q2:CNH>123</q2:CNH><q2:conjuge><q2:nome>Ana</q2:nome>"
      "<q2:cpf>98765432100</q2:cpf><q2:dataNascimento>1990-05-01</q2:dataNascimento>"
      "</q2:conjuge><q2:cpf>12345678901</q2:cpf><q2:dataNascimento>1985-12-31"
      "</q2:dataNascimento><q2:enderecos><q2:numero>1</q2:numero><q2:cep>01000-000</q2:cep>"
      "<q2:rua>Rua A</q2:rua><q2:cidade>Sao Paulo</q2:cidade></q2:enderecos>"
      "<q2:estadoCivil>2</q2:estadoCivil><q2:grauInstrucao>0</q2:grauInstrucao>"
      "<q2:nome>Jose &lt;Junior&gt;</q2:nome><q2:referenciasBancarias><q2:banco>Itau"
      "</q2:banco><q2:tipoConta>C</q2:tipoConta><q2:agencia>0001</q2:agencia>"
      "<q2:numeroConta>123-4</q2:numeroConta><q2:telefoneAgencia>00-0000.0000"
      "</q2:telefoneAgencia></q2:referenciasBancarias><q2:referenciasPessoais>"
      "<q2:nome>Maria</q2:nome><q2:telefone>11-1234.5678</q2:telefone>"
      "</q2:referenciasPessoais><q2:rg>MG123</q2:rg><q2:sexo>M</q2:sexo>"
      "<q2:telefoneCelular>11-9876.5432</q2:telefoneCelular></q0:fichaPF>";
  const std::string expected = test::ExpectedEnvelope("iniciaVenda", parameters, "L1", "K1", true);
  ASSERT_EQ(server_.Requests().size(), 1u);
  EXPECT_EQ(server_.Requests()[0].soap_action, "\"urn:iniciaVenda\"");
  EXPECT_EQ(server_.Requests()[0].body, expected);
  EXPECT_EQ(test::ReadFile("FiBrasil.xml"), expected);  // the file: the envelope as one line
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
  const std::vector<Case> cases = {
      {"grauInstrucao -1", [](TIniciaVenda& c) { c.PessoaFisica().cpf = "1"; }, "<q0:fichaPF>",
       "grauInstrucao"},
      {"grauInstrucao 3",
       [](TIniciaVenda& c) {
         c.PessoaFisica().cpf = "1";
         c.PessoaFisica().grauInstrucao = 3;
       },
       "<q2:grauInstrucao>3</q2:grauInstrucao>", "isNull"},
      {"no cnpj", [](TIniciaVenda& c) { c.PessoaJuridica().razaoSocial = "X"; }, "isNull",
       "fichaPJ"},
      {"0 doors", [](TIniciaVenda& c) { c.Veiculo().quantidadePortas = 0; }, "<q0:veiculo>",
       "quantidadePortas"},
      {"negative year", [](TIniciaVenda& c) { c.Veiculo().anoModelo = -1; },
       "<q2:anoModelo>-1</q2:anoModelo>", "anoFabricacao"},
      {"spouse without name",
       [](TIniciaVenda& c) {
         c.PessoaFisica().cpf = "1";
         c.PessoaFisica().conjuge.cpf = "2";
       },
       "<q2:cpf>1</q2:cpf>", "conjuge"},
      {"address without cep",
       [](TIniciaVenda& c) {
         c.PessoaFisica().cpf = "1";
         c.PessoaFisica().endereco.rua = "R";
       },
       "<q2:cpf>1</q2:cpf>", "enderecos"},
      {"zero income",
       [](TIniciaVenda& c) {
         c.PessoaFisica().cpf = "1";
         c.PessoaFisica().conjuge.nome = "A";
       },
       "<q2:conjuge><q2:nome>A</q2:nome></q2:conjuge>", "renda"},
  };
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
