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

// A fault with HTTP 500, a 500 without one, an unreadable or empty reply, a
// slow service and a closed port: tests/hardening/soap, through every F&I
// operation.
TEST(SoapClient, FaultsHttpErrorsAndUnreadableRepliesRaiseServiceErrorsNamingTheEndpoint) {
  const std::vector<FailingReply> cases = {
      {"fault with 200", 200, testing::SoapFault("soapenv:Client", "bad"), "SOAP fault: bad"},
      {"404 with an envelope", 404, SoapEnvelope("<r/>"), "HTTP status 404"},
      {"not an envelope", 200, "<statusResponse/>", "the reply is not a SOAP envelope"},
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

TEST(SoapClient, AClientWithoutAnEndpointIsBadInput) {
  EXPECT_VEICULO_ERROR(SoapClient().Call("op", "urn:op", "<e/>"), ErrorCategory::Validation,
                       "SOAP call op without an endpoint URL");
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
