// The Status and Venda port types against a service played on 127.0.0.1:
// the SOAPAction of every operation, and how replies fill the result types.

#include <gtest/gtest.h>

#include "fi_brasil/contracts/fi_settings.h"
#include "fi_brasil/contracts/fi_status.h"
#include "fi_brasil/contracts/fi_venda.h"
#include "platform/settings.h"
#include "support/expect_error.h"
#include "support/soap_test_server.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {
namespace {

using testing::SoapAnswer;
using testing::SoapEnvelope;
using testing::SoapRequestSeen;
using testing::SoapTestServer;

// A reply whose "return" sits in the result namespace under a prefix of its own.
SoapTestServer ReplyingWith(const std::string& return_content) {
  return SoapTestServer([return_content](const SoapRequestSeen&) {
    return SoapAnswer{200,
                      SoapEnvelope("<ns:resposta xmlns:ns=\"urn:svc\"><ns:return "
                                   "xmlns:ax21=\"urn:res\" xmlns:ax23=\"urn:out\">" +
                                   return_content + "</ns:return></ns:resposta>"),
                      std::chrono::milliseconds(0)};
  });
}

FIHeader Header() {
  FIHeader header;
  header.Set_idLoja("L1");
  header.Set_key("K1");
  return header;
}

// The commands' tests check every other operation's action and endpoint.
TEST(FiContracts, GetVersionIsPostedToTheStatusEndpointWithItsSoapAction) {
  SoapTestServer server = ReplyingWith("<statusCode>0</statusCode>");
  GetStatusPortType(false, server.Url("Status.StatusHttpSoap11Endpoint/"), nullptr)
      ->getVersion(Header());
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].soap_action, "\"urn:getVersion\"");
  EXPECT_NE(server.Requests()[0].body.find(":getVersion "), std::string::npos);
  EXPECT_EQ(server.Requests()[0].path, "/Status.StatusHttpSoap11Endpoint/");
}

TEST(FiContracts, ResultsReadMessageAndStatusByLocalName) {
  struct Case {
    std::string content;
    int32_t status;
    bool status_given;
    std::string message;
    bool message_given;
  };
  const std::vector<Case> cases = {
      {"<ax21:message>Loja bloqueada</ax21:message><ax21:statusCode>5</ax21:statusCode>", 5, true,
       "Loja bloqueada", true},
      {"<message>ok</message><statusCode>0</statusCode>", 0, true, "ok", true},
      // "message_" is the property's name, not the element's: not recognised.
      {"<message_>x</message_><statusCode>3</statusCode>", 3, true, "", false},
      {"<message xsi:nil=\"true\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"/>", 0,
       false, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    SoapTestServer server = ReplyingWith(c.content);
    FIResult result = GetStatusPortType(false, server.Url(), nullptr)->status(Header());
    EXPECT_EQ(result.statusCode, c.status);
    EXPECT_EQ(result.statusCode_Specified, c.status_given);
    EXPECT_EQ(result.message_, c.message);
    EXPECT_EQ(result.message__Specified, c.message_given);
  }
}

// Open sales in reply order and a closing without sales: lifecycle_test and
// closing_import_test read them through the data module.
// The closing import reads the sale's records into the database
// (closing_import_test); records nested two deep and repeated ones here.
TEST(FiContracts, AClosedSaleIsReadWithItsNestedRecords) {
  SoapTestServer server = ReplyingWith(
      "<statusCode>0</statusCode><vendas><anoModelo>2025</anoModelo><fichaPF>"
      "<enderecos><cep>01000-000</cep></enderecos><enderecos><cep>02000-000</cep></enderecos>"
      "<conjuge><nome>Ana</nome><enderecoComercial><uf>SP</uf></enderecoComercial></conjuge>"
      "</fichaPF></vendas>");
  FechamentoVendaResult result =
      GetVendaPortType(false, server.Url(), nullptr)->fechaVenda(Header(), 7);
  ASSERT_EQ(result.vendas.size(), 1u);
  const VendaCompletaOut& venda = result.vendas[0];
  EXPECT_EQ(venda.anoModelo, 2025);
  ASSERT_TRUE(venda.fichaPF);
  ASSERT_EQ(venda.fichaPF->enderecos.size(), 2u);
  EXPECT_EQ(venda.fichaPF->enderecos[1].cep, "02000-000");
  ASSERT_TRUE(venda.fichaPF->conjuge);
  ASSERT_TRUE(venda.fichaPF->conjuge->enderecoComercial);
  EXPECT_EQ(venda.fichaPF->conjuge->enderecoComercial->uf, "SP");
  EXPECT_FALSE(venda.fichaPJ);
}

TEST(FiContracts, RepliesThatDoNotFitTheContractRaiseServiceErrors) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<statusCode>cinco</statusCode>", "statusCode of return is not an integer"},
      {"<statusCode>0</statusCode><statusVenda>99999999999</statusVenda>",
       "statusVenda of return is not an integer"},
  };
  for (const auto& [content, expected] : cases) {
    SoapTestServer server = ReplyingWith(content);
    EXPECT_VEICULO_ERROR(GetVendaPortType(false, server.Url(), nullptr)->statusVenda(Header(), 1),
                         ErrorCategory::Service, expected);
  }
  SoapTestServer no_return([](const SoapRequestSeen&) {
    return SoapAnswer{200, SoapEnvelope("<ns:statusResponse xmlns:ns=\"urn:x\"/>"),
                      std::chrono::milliseconds(0)};
  });
  EXPECT_VEICULO_ERROR(GetStatusPortType(false, no_return.Url(), nullptr)->status(Header()),
                       ErrorCategory::Service, "the reply of status carries no result");
}

TEST(FiContracts, TheDefaultEndpointsUseTheConfiguredHostAndTheHomologationPaths) {
  platform::SetSetting(kHostSetting, "https://fi.test.example:8443/");
  EXPECT_EQ(GetStatusPortType(false, "", nullptr)->Client().Url(),
            "https://fi.test.example:8443/homologaservices/services/"
            "Status.StatusHttpSoap11Endpoint/");
  EXPECT_EQ(GetVendaPortType(false, "", nullptr)->Client().Url(),
            "https://fi.test.example:8443/homologaservices/services/"
            "Venda.VendaHttpSoap11Endpoint/");
  platform::ClearSetting(kHostSetting);
  EXPECT_THROW(GetVendaPortType(true, "", nullptr), Error);
}

}  // namespace
}  // namespace veiculo::fi_brasil
