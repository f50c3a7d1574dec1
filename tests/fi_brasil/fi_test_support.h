#pragma once
// Shared pieces of the F&I Brasil tests: short namespace URIs so that
// expected envelopes stay readable, the fixed parts of an envelope, a reply
// with a given result, and a working folder of the test's own (the sale start
// writes FiBrasil.xml into the working folder).

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fi_brasil/contracts/fi_settings.h"
#include "platform/settings.h"
#include "support/soap_test_server.h"

namespace veiculo::fi_brasil::test {

inline void UseShortNamespaces() {
  platform::SetSetting(kNsServiceSetting, "urn:svc");
  platform::SetSetting(kNsParamsSetting, "urn:par");
  platform::SetSetting(kNsInputSetting, "urn:in");
}

// The envelope as the service must receive it, CR LF included.
inline std::string ExpectedEnvelope(const std::string& operation, const std::string& parameters,
                                    const std::string& id_loja = "L1",
                                    const std::string& key = "K1", bool q2 = false) {
  return std::string(
             "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\" "
             "xmlns:q0=\"urn:svc\" xmlns:q1=\"urn:par\"") +
         (q2 ? " xmlns:q2=\"urn:in\"" : "") +
         " xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><soapenv:Body><q0:" +
         operation +
         "><q0:header><q1:dmsKey>5d0c9e2b7f41a8366e2d0b9c4f7a1e58</q1:dmsKey><q1:idLoja>" +
         id_loja + "</q1:idLoja><q1:key>" + key + "</q1:key></q0:header>" + parameters +
         "</q0:" + operation + "></soapenv:Body></soapenv:Envelope>\r\n";
}

// A reply whose return holds `content` (statusCode, message, ...).
inline testing::SoapAnswer Reply(const std::string& content) {
  return testing::SoapAnswer{
      200,
      testing::SoapEnvelope("<ns:resposta xmlns:ns=\"urn:svc\"><ns:return xmlns:ax=\"urn:res\">" +
                            content + "</ns:return></ns:resposta>"),
      std::chrono::milliseconds(0)};
}

// The whole content of a file, as bytes.
inline std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs the test in a fresh working folder and returns to the previous one.
class InTemporaryFolder {
 public:
  InTemporaryFolder() : previous_(std::filesystem::current_path()) {
    char pattern[] = "/tmp/veiculo-fib-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    std::filesystem::current_path(folder_);
  }
  ~InTemporaryFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

}  // namespace veiculo::fi_brasil::test
