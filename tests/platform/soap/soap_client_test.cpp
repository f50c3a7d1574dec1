// The SOAP client against a service played on 127.0.0.1: what it sends, and
// how each kind of reply comes back (a parsed reply or a service error that
// names the endpoint).

#include "platform/soap/soap_client.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/settings.h"
#include "support/expect_error.h"
#include "support/soap_test_server.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

using testing::SoapAnswer;
using testing::SoapEnvelope;
using testing::SoapRequestSeen;
using testing::SoapTestServer;

SoapAnswer Answer(int status, std::string body) {
  return SoapAnswer{status, std::move(body), std::chrono::milliseconds(0)};
}

TEST(SoapClient, PostsTheEnvelopeWithItsActionAndReadsTheReplyByLocalName) {
  SoapTestServer server([](const SoapRequestSeen&) {
    // The result namespace declared on the element itself, another prefix.
    return Answer(200, SoapEnvelope("<ns:statusResponse xmlns:ns=\"urn:svc\"><ns2:return "
                                    "xmlns:ns2=\"urn:res\"><ns2:message>ativo</ns2:message>"
                                    "<statusCode>0</statusCode></ns2:return></ns:statusResponse>"));
  });
  SoapClient client;
  client.SetUrl(server.Url("services/Status/"));
  client.SetBeforeSend([](const std::string& operation, std::string& body) {
    body = "<replaced op=\"" + operation + "\"/>\r\n";
  });
  SoapReply reply = client.Call("status", "urn:status", "<original/>");

  ASSERT_EQ(server.Requests().size(), 1u);
  const SoapRequestSeen seen = server.Requests()[0];
  EXPECT_EQ(seen.path, "/services/Status/");
  EXPECT_EQ(seen.soap_action, "\"urn:status\"");
  EXPECT_EQ(seen.content_type, "text/xml; charset=utf-8");
  EXPECT_EQ(seen.body, "<replaced op=\"status\"/>\r\n");

  EXPECT_EQ(reply.HttpStatus(), 200);
  XmlElement result = reply.Response().Child("return");
  ASSERT_TRUE(result);
  EXPECT_EQ(reply.Response().LocalName(), "statusResponse");
  EXPECT_EQ(result.Child("message").Text(), "ativo");
  EXPECT_EQ(result.Child("statusCode").Text(), "0");
  EXPECT_FALSE(result.Child("vendas"));
}

TEST(SoapClient, TheAfterReceiveHookSeesTheReplyBeforeItIsRead) {
  SoapTestServer server([](const SoapRequestSeen&) { return Answer(200, "not xml at all"); });
  SoapClient client;
  client.SetUrl(server.Url());
  std::string seen_reply;
  client.SetAfterReceive([&](const std::string&, std::string& body) {
    seen_reply = body;
    body = SoapEnvelope("<r><x>fixed</x></r>");
  });
  SoapReply reply = client.Call("op", "urn:op", "<e/>");
  EXPECT_EQ(seen_reply, "not xml at all");
  EXPECT_EQ(reply.Response().Child("x").Text(), "fixed");
}

struct FailingReply {
  const char* name;
  int status;
  std::string body;
  std::string expected;  // part of the error text
};

TEST(SoapClient, FaultsHttpErrorsAndUnreadableRepliesRaiseServiceErrorsNamingTheEndpoint) {
  const std::vector<FailingReply> cases = {
      {"fault with 500", 500, testing::SoapFault("soapenv:Server", "Loja desconhecida"),
       "SOAP fault: Loja desconhecida"},
      {"fault with 200", 200, testing::SoapFault("soapenv:Client", "bad"), "SOAP fault: bad"},
      {"500 without fault", 500, "<html>boom</html>", "the service answered HTTP status 500"},
      {"404 with an envelope", 404, SoapEnvelope("<r/>"), "HTTP status 404"},
      {"malformed", 200, "<soapenv:Envelope><unclosed>", "unreadable reply"},
      {"not an envelope", 200, "<statusResponse/>", "the reply is not a SOAP envelope"},
      {"empty", 200, "", "unreadable reply"},
  };
  for (const FailingReply& c : cases) {
    SCOPED_TRACE(c.name);
    SoapTestServer server([&](const SoapRequestSeen&) { return Answer(c.status, c.body); });
    SoapClient client;
    client.SetUrl(server.Url("svc/"));
    EXPECT_VEICULO_ERROR(client.Call("op", "urn:op", "<e/>"), ErrorCategory::Service, c.expected);
    EXPECT_VEICULO_ERROR(client.Call("op", "urn:op", "<e/>"), ErrorCategory::Service,
                         server.Url("svc/"));
  }
}

TEST(SoapClient, GivesUpOnASlowServiceWithinItsTimeout) {
  SoapTestServer server([](const SoapRequestSeen&) {
    return SoapAnswer{200, SoapEnvelope("<r/>"), std::chrono::milliseconds(1500)};
  });
  SoapClient client;
  client.SetUrl(server.Url());
  client.SetTimeoutMs(200);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_VEICULO_ERROR(client.Call("op", "urn:op", "<e/>"), ErrorCategory::Service,
                       "did not answer within 200 ms");
  // The reply would come after 1.5 s; the call must have returned well before.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1200));
}

TEST(SoapClient, AServiceThatIsNotThereIsAServiceErrorAndAnEmptyUrlBadInput) {
  std::string url;
  {
    SoapTestServer server([](const SoapRequestSeen&) { return Answer(200, ""); });
    url = server.Url();
  }  // the port is closed again
  SoapClient client;
  client.SetUrl(url);
  EXPECT_VEICULO_ERROR(client.Call("op", "urn:op", "<e/>"), ErrorCategory::Service,
                       "could not reach the service");
  EXPECT_VEICULO_ERROR(SoapClient().Call("op", "urn:op", "<e/>"), ErrorCategory::Validation, "");
}

TEST(SoapClient, TimeoutsComeFromTheSettingsWithTheirDefaults) {
  ClearSetting(kSoapConnectTimeoutSetting);
  ClearSetting(kSoapTimeoutSetting);
  ::unsetenv(kSoapConnectTimeoutSetting);
  ::unsetenv(kSoapTimeoutSetting);
  EXPECT_EQ(SoapClient().ConnectTimeoutMs(), 10000);
  EXPECT_EQ(SoapClient().TimeoutMs(), 60000);

  ::setenv(kSoapTimeoutSetting, "2500", 1);
  EXPECT_EQ(SoapClient().TimeoutMs(), 2500);
  SetSetting(kSoapTimeoutSetting, "700");  // the host's value wins over the environment
  EXPECT_EQ(SoapClient().TimeoutMs(), 700);
  SetSetting(kSoapConnectTimeoutSetting, "abc");
  EXPECT_VEICULO_ERROR(SoapClient(), ErrorCategory::Validation, kSoapConnectTimeoutSetting);
  ClearSetting(kSoapConnectTimeoutSetting);
  ClearSetting(kSoapTimeoutSetting);
  ::unsetenv(kSoapTimeoutSetting);
}

}  // namespace
}  // namespace veiculo::platform
