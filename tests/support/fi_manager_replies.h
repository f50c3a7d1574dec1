#pragma once
// Replies of the FI Manager service played by a SoapTestServer: the
// operation's response with its <operation>Result, as the service sends it.

#include <chrono>
#include <string>

#include "support/soap_test_server.h"

namespace veiculo::testing {

// The namespace the tests configure (setting VEICULO_FIM_NS).
inline constexpr const char* kNsFiManagerTeste = "urn:fim/";

// A reply of `operation` whose result has the type and message given.
inline SoapAnswer FiManagerReply(const std::string& operation, const std::string& tipo,
                                 const std::string& mensagem) {
  return SoapAnswer{
      200,
      SoapEnvelope("<" + operation + "Response xmlns=\"" + kNsFiManagerTeste + "\"><" + operation +
                   "Result><ID>77</ID><TipoResposta>" + tipo + "</TipoResposta><Mensagem>" +
                   mensagem + "</Mensagem></" + operation + "Result></" + operation + "Response>"),
      std::chrono::milliseconds(0)};
}

}  // namespace veiculo::testing
