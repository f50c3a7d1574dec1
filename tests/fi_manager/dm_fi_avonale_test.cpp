// TdmFIAvonale against an FI Manager played on 127.0.0.1: what each call
// sends, how each reply becomes a Boolean and a message, and the exchange the
// cancellation keeps in the working folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "fi_brasil/fi_test_support.h"
#include "fi_manager/fi_manager_settings.h"
#include "platform/settings.h"
#include "support/fi_manager_replies.h"
#include "support/soap_test_server.h"
#include "support/values.h"
#include "veiculo/dm_fi_avonale.h"

namespace veiculo::testing {
namespace {

using ::testing::HasSubstr;

using fi_brasil::test::InTemporaryFolder;
using fi_brasil::test::ReadFile;

std::string Envelope(const std::string& operation, const std::string& content) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
         "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
         "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body><" +
         operation + " xmlns=\"urn:fim/\">" + content + "</" + operation +
         "></soap:Body></soap:Envelope>";
}

class AvonaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetSetting(fi_manager::kNsSetting, kNsFiManagerTeste);
    // Local time three hours behind UTC, as the dealers' servers keep it.
    ::setenv("TZ", "<-03>3", 1);
    ::tzset();
  }
  void TearDown() override {
    platform::ClearSetting(fi_manager::kNsSetting);
    ::unsetenv("TZ");
    ::tzset();
  }
  bool Atualiza(const std::string& arquivo, const std::string& url) {
    return TdmFIAvonale().AtualizarFaturamentoTipado(
        "12345678000195", 1, 1, 5001, 4321, Moment(2025, 3, 14, 10, 30), url, mensagem_, arquivo);
  }
  bool Cancela(const std::string& url) {
    return TdmFIAvonale().CancelarPropostaTipado("12345678000195", 1, 1, 5001, 0, Day(2025, 3, 14),
                                                 url, mensagem_);
  }

  InTemporaryFolder folder_;
  std::string mensagem_ = "left from before";
  SoapAnswer answer_;
  SoapTestServer server_{[this](const SoapRequestSeen&) { return answer_; }};
};

TEST_F(AvonaleTest, TheInvoiceTravelsWithItsFileInBase64AndTheProposalTwice) {
  std::ofstream("danfe.pdf", std::ios::binary) << "%PDF-1.4\n";
  answer_ = FiManagerReply("AtualizarFaturamentoTipado", "Ok", "Recebido");
  ASSERT_TRUE(Atualiza("danfe.pdf", server_.Url("wscomercial/FI/FiManagerWs.asmx")));
  EXPECT_EQ(mensagem_, "Ok:Recebido");
  ASSERT_EQ(server_.Requests().size(), 1u);
  const SoapRequestSeen seen = server_.Requests()[0];
  EXPECT_EQ(seen.path, "/wscomercial/FI/FiManagerWs.asmx");
  EXPECT_EQ(seen.soap_action, "\"urn:fim/AtualizarFaturamentoTipado\"");
  // "%PDF-1.4\n" in base64: "%PD" JVBE, "F-1" Ri0x, ".4\n" LjQK.
  EXPECT_EQ(seen.body,
            Envelope("AtualizarFaturamentoTipado",
                     "<chave>12345678000195</chave><id>5001</id><operacao><Faturada>true</"
                     "Faturada><Cancelada>false</Cancelada><Status>7</Status><CodigoParceiro>5001"
                     "</CodigoParceiro><NumeroNotaFiscal>4321</NumeroNotaFiscal><DataNotaFiscal>"
                     "2025-03-14T10:30:00-03:00</DataNotaFiscal></operacao><file><NameFile>"
                     "DANFE.pdf</NameFile><FileBytes>JVBERi0xLjQK</FileBytes></file>"));
  // The invoicing update keeps no exchange files.
  EXPECT_FALSE(std::filesystem::exists("RequestAvonale.xml"));
  EXPECT_FALSE(std::filesystem::exists("ResponseAvonale.xml"));

  answer_ = FiManagerReply("AtualizarFaturamentoTipado", "Ok", "");
  ASSERT_TRUE(Atualiza("", server_.Url()));
  EXPECT_THAT(server_.Requests().back().body, HasSubstr("</operacao><file></file>"));

  EXPECT_FALSE(Atualiza("/nonexistent/danfe.pdf", server_.Url()));
  EXPECT_EQ(mensagem_, "cannot open the file '/nonexistent/danfe.pdf'");
  EXPECT_EQ(server_.Requests().size(), 2u) << "nothing is sent without the file";
}

TEST_F(AvonaleTest, TheReplyTypeDecidesTheResultAndLeadsTheMessage) {
  struct Case {
    std::string tipo;
    bool ok;
    std::string mensagem;
  };
  const std::vector<Case> cases = {
      {"Ok", true, "Ok:Recebido"},
      {"Aviso", true, "Aviso:Recebido"},
      {"Erro", false, "Erro:Recebido"},
      {"Indisponível", false, "Indisponível:Recebido"},
      {"Indisponivel", false, "Indisponível:Recebido"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tipo);
    answer_ = FiManagerReply("AtualizarFaturamentoTipado", c.tipo, "Recebido");
    EXPECT_EQ(Atualiza("", server_.Url()), c.ok);
    EXPECT_EQ(mensagem_, c.mensagem);
    answer_ = FiManagerReply("CancelarPropostaTipado", c.tipo, "Recebido");
    EXPECT_EQ(Cancela(server_.Url()), c.ok);
    EXPECT_EQ(mensagem_, c.mensagem);
  }
}

// A reply the contract cannot read gives false with the error's text. (A
// service that fails, is not there or is too slow: tests/hardening/soap.)
TEST_F(AvonaleTest, AReplyOutsideTheContractGivesFalseWithTheErrorsText) {
  const std::pair<std::string, std::string> cases[] = {
      {SoapEnvelope("<CancelarPropostaTipadoResponse xmlns=\"urn:fim/\"/>"),
       "the reply of CancelarPropostaTipado carries no result"},
      {FiManagerReply("CancelarPropostaTipado", "Talvez", "x").body,
       "TipoResposta 'Talvez' is not a TipoMensagem value"},
  };
  for (const auto& [body, texto] : cases) {
    SCOPED_TRACE(texto);
    answer_ = SoapAnswer{200, body, std::chrono::milliseconds(0)};
    EXPECT_FALSE(Cancela(server_.Url()));
    EXPECT_THAT(mensagem_, HasSubstr(texto));
    EXPECT_THAT(mensagem_, HasSubstr("endpoint " + server_.Url()));
  }
}

TEST_F(AvonaleTest, TheCancellationKeepsItsRequestAndReplyWhole) {
  answer_ = FiManagerReply("CancelarPropostaTipado", "Aviso", "Proposta já cancelada");
  ASSERT_TRUE(Cancela(server_.Url()));
  EXPECT_EQ(mensagem_, "Aviso:Proposta já cancelada");
  const SoapRequestSeen seen = server_.Requests().at(0);
  EXPECT_EQ(seen.soap_action, "\"urn:fim/CancelarPropostaTipado\"");
  EXPECT_EQ(seen.body,
            Envelope("CancelarPropostaTipado",
                     "<chave>12345678000195</chave><id>5001</id><operacao><Faturada>false</"
                     "Faturada><Cancelada>true</Cancelada><Status>8</Status><CodigoParceiro>5001"
                     "</CodigoParceiro><NumeroNotaFiscal>0</NumeroNotaFiscal><DataNotaFiscal>"
                     "2025-03-14T00:00:00-03:00</DataNotaFiscal></operacao>"));
  EXPECT_EQ(ReadFile("RequestAvonale.xml"), seen.body);
  EXPECT_EQ(ReadFile("ResponseAvonale.xml"), answer_.body);

  // The next exchange replaces both files; no temporary file is left behind.
  answer_ = FiManagerReply("CancelarPropostaTipado", "Erro", "Proposta inexistente");
  EXPECT_FALSE(Cancela(server_.Url()));
  EXPECT_EQ(ReadFile("ResponseAvonale.xml"), answer_.body);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.folder()))
    files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"RequestAvonale.xml", "ResponseAvonale.xml"}));
}

TEST_F(AvonaleTest, RetornaTipoMensagemNamesEachValue) {
  const std::pair<TipoMensagem, const char*> nomes[] = {
      {TipoMensagem::Ok, "Ok"},
      {TipoMensagem::Erro, "Erro"},
      {TipoMensagem::Indisponivel, "Indisponível"},
      {TipoMensagem::Aviso, "Aviso"},
      {static_cast<TipoMensagem>(7), "[]"}};
  for (const auto& [tipo, nome] : nomes) EXPECT_EQ(TdmFIAvonale().RetornaTipoMensagem(tipo), nome);
}

}  // namespace
}  // namespace veiculo::testing
