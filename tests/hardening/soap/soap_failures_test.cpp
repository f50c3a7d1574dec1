// Every F&I operation under every way its service can fail: refused, reset in
// the middle of the reply, slower than the timeout, unreadable, in another
// envelope namespace, HTTP 500 with and without a fault, an empty body. Each
// case must come back within the timeout (plus a margin for a busy machine)
// with the operation's own failure result: never a hang, a crash, a success,
// an empty text or an error the operation should have turned into text.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "hardening/soap/fi_operations.h"
#include "support/raw_http_server.h"

namespace veiculo::testing {
namespace {

struct Failure {
  const char* name;
  RawReply::Kind kind;
  int status;
  // The body sent (all of it, or its first half for a reset); "@ok" stands
  // for the operation's successful reply, "@ok12" for the same in the SOAP
  // 1.2 envelope namespace.
  std::string body;
  std::string message;  // how the service error's message begins
};

const std::string kSoap12 = "http://www.w3.org/2003/05/soap-envelope";

// A reply each operation would take for a success (one open sale, state 3).
std::string SuccessResponse(Service service) {
  if (service == Service::FiManager)
    return "<OpResponse xmlns=\"urn:fim/\"><AtualizarFaturamentoTipadoResult><TipoResposta>Ok"
           "</TipoResposta><Mensagem>feito</Mensagem></AtualizarFaturamentoTipadoResult>"
           "<CancelarPropostaTipadoResult><TipoResposta>Ok</TipoResposta><Mensagem>feito"
           "</Mensagem></CancelarPropostaTipadoResult></OpResponse>";
  return "<ns:resposta xmlns:ns=\"urn:svc\"><ns:return><statusCode>0</statusCode>"
         "<statusVenda>3</statusVenda><vendas><chassi>CH9</chassi></vendas></ns:return>"
         "</ns:resposta>";
}

RawReply ReplyFor(const Failure& f, Service service) {
  std::string body = f.body;
  if (body == "@ok") body = SoapEnvelope(SuccessResponse(service));
  if (body == "@ok12")
    body = "<env:Envelope xmlns:env=\"" + kSoap12 + "\"><env:Body>" + SuccessResponse(service) +
           "</env:Body></env:Envelope>";
  std::string bytes = HttpResponse(f.status, body);
  if (f.kind == RawReply::Kind::ResetMidway) bytes.resize(bytes.size() - body.size() / 2);
  return RawReply{f.kind, bytes};
}

// Whether `o` is the failure result `shows` promises for a service error
// whose message begins with `message`, from a service at `url`; empty when
// it is, else what is wrong.
std::string Misfit(const Outcome& o, Shows shows, const std::string& message,
                   const std::string& url) {
  const auto begins = [&](const std::string& text) { return text.rfind(message, 0) == 0; };
  const bool one_line = o.text.find('\n') == std::string::npos;
  const bool names_endpoint = o.text.find(" - endpoint " + url) != std::string::npos;
  switch (shows) {
    case Shows::Text:
      if (o.raised) return "raised instead of answering a text";
      if (!begins(o.text) || !one_line) return "not the error's text on one line";
      return names_endpoint ? "" : "the text does not name the endpoint";
    case Shows::ListLine:
      if (o.raised) return "raised instead of answering a text";
      if (!begins(o.text) || o.text.find("\r\n") != o.text.size() - 2)
        return "not the error's text as the one line of a list";
      return "";
    case Shows::MinusOne:
      return o.raised ? "raised instead of answering -1" : o.text == "-1" ? "" : "not -1";
    case Shows::Raises:
      if (!o.raised) return o.success ? "reported success" : "answered instead of raising";
      if (o.category != ErrorCategory::Service) return "raised something else than a service error";
      return begins(o.text) ? "" : "raised another message";
    case Shows::NokFiBrasil:
      return !o.raised && o.text == "NOK|1-Não foi possível cancelar a proposta no F&I System.;"
                 ? ""
                 : "not the rejection's F&I Brasil failure";
    case Shows::NokAvonale: {
      const std::string head = "NOK|[Erro Integração F&I Avonale] " + message;
      if (o.raised || o.text.rfind(head, 0) != 0 || o.text.back() != ';' || !one_line)
        return "not the rejection's Avonale failure on one line";
      return "";
    }
    case Shows::FalseAndMessage:
      if (o.raised) return "raised instead of answering false";
      if (o.success) return "reported success";
      if (!begins(o.text) || !one_line) return "not the error's text on one line";
      return names_endpoint ? "" : "the text does not name the endpoint";
  }
  return "?";
}

TEST_F(FiOperationsTest, EveryOperationReportsEveryServiceFailureWithinTheTimeout) {
  using K = RawReply::Kind;
  const std::string t = std::to_string(kTimeoutMs);
  const std::vector<Failure> failures = {
      {"connection refused", K::Answer, 0, "", "could not reach the service: "},
      {"reset mid-reply", K::ResetMidway, 200, "@ok", "the connection to the service broke: "},
      {"slower than the timeout", K::Silent, 0, "", "the service did not answer within " + t},
      {"invalid XML", K::Answer, 200, "<soapenv:Envelope><soapenv:Body><x>", "unreadable reply ("},
      {"SOAP 1.2 envelope namespace", K::Answer, 200, "@ok12",
       "the reply is not a SOAP 1.1 envelope"},
      {"500 with a fault", K::Answer, 500, SoapFault("soapenv:Server", "Falha interna"),
       "SOAP fault: Falha interna"},
      {"500 without a fault", K::Answer, 500, "<html>Erro</html>",
       "the service answered HTTP status 500"},
      {"200 with an empty body", K::Answer, 200, "", "unreadable reply (the body is empty)"},
      {"500 with an empty body", K::Answer, 500, "", "the service answered HTTP status 500"},
  };
  // Timeouts plus what a busy shared machine may add; a hang would take the
  // default 60 s.
  const auto limit = std::chrono::milliseconds(kTimeoutMs + 1600);

  RawHttpServer server;
  const std::string refused = "http://127.0.0.1:" + std::to_string(RefusingPort()) + "/";
  int cases = 0;
  for (const FiOperation& op : Operations()) {
    for (const Failure& f : failures) {
      SCOPED_TRACE(std::string(op.name) + " / " + f.name);
      Exec("savepoint caso");
      server.SetReply(ReplyFor(f, op.service));
      const bool is_refused = f.status == 0 && f.kind == K::Answer;
      const size_t before = server.Bodies().size();

      const std::string url = is_refused ? refused : server.Url();
      const auto start = std::chrono::steady_clock::now();
      const Outcome o = op.call(url);
      const auto took = std::chrono::steady_clock::now() - start;

      EXPECT_LT(took, limit);
      EXPECT_EQ(Misfit(o, op.shows, f.message, url), "") << o.text;
      // One request and no more: a failed fetch confirms nothing, nobody retries.
      EXPECT_EQ(server.Bodies().size() - before, is_refused ? 0u : 1u);
      Exec("rollback to savepoint caso");
      ++cases;
    }
  }
  EXPECT_EQ(cases, 15 * 9);
}

}  // namespace
}  // namespace veiculo::testing
