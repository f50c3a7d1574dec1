#pragma once
// A SOAP service played inside the test process: an HTTP server on 127.0.0.1
// (a free port) that records every request it receives and answers with
// what the test's handler returns. Tests check the path, the SOAPAction and
// the envelope received, and choose the reply (success, refusal, fault,
// HTTP error, malformed text, a slow answer).

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace veiculo::testing {

struct SoapRequestSeen {
  std::string path;
  std::string soap_action;  // the header as sent, quotes included
  std::string content_type;
  std::string body;
};

struct SoapAnswer {
  int status = 200;
  std::string body;
  std::chrono::milliseconds delay{0};  // wait this long before answering
};

class SoapTestServer {
 public:
  using Handler = std::function<SoapAnswer(const SoapRequestSeen&)>;

  // Starts listening; every request gets the handler's answer.
  explicit SoapTestServer(Handler handler);
  ~SoapTestServer();
  SoapTestServer(const SoapTestServer&) = delete;
  SoapTestServer& operator=(const SoapTestServer&) = delete;

  // "http://127.0.0.1:<port>/" followed by `path`.
  std::string Url(const std::string& path = "") const;
  std::vector<SoapRequestSeen> Requests() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A reply envelope around `response` (the operation's response element),
// with the SOAP envelope namespace on the prefix "soapenv".
std::string SoapEnvelope(const std::string& response);
// A SOAP 1.1 fault envelope.
std::string SoapFault(const std::string& code, const std::string& text);

}  // namespace veiculo::testing
