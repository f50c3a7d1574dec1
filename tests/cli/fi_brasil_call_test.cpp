// `veiculo call` of the F&I Brasil status as a user runs it: the built host
// against a database whose dealer points at a service played on 127.0.0.1.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <string>

#include "support/soap_test_server.h"
#include "support/test_database.h"
#include "veiculo/connection.h"

namespace veiculo::testing {
namespace {

struct HostRun {
  int exit_code;
  std::string output;
};

HostRun Veiculo(const std::string& environment, const std::string& arguments) {
  const std::string command = environment + " '" + VEICULO_CLI_PATH + "' " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    output.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class FiBrasilCallTest : public ::testing::Test {
 protected:
  // A dealer database of its own, created by the host; the embedded engine
  // lets one process at a time use a file, so this process detaches before
  // the host runs.
  static void SetUpTestSuite() {
    database_ = TemporaryFolder() + "/fib.fdb";
    HostRun init = Veiculo("", "init-db '" + database_ + "'");
    ASSERT_EQ(init.exit_code, 0) << init.output;
  }
  void Settings(const std::string& url) {
    auto connection = Connection::OpenFirebird(database_);
    connection->ExecuteDirect("delete from VEI_PARAMETRO");
    connection->ExecuteDirect(
        "insert into VEI_PARAMETRO (EMPRESA, REVENDA, LOJA_FIB, CHAVE_FIB, URL_FIB) values (1, 1, "
        "'L1', 'K1', '" +
        url + "')");
    connection->Commit();
  }
  std::string Call() { return "call StatusFIB pfEmpresa=1 pfRevenda=1 -d '" + database_ + "'"; }

  static inline std::string database_;
};

TEST_F(FiBrasilCallTest, StatusFIBAnswersOkOrSaysWhyNot) {
  std::string reply = "<statusCode>0</statusCode>";
  SoapTestServer server([&](const SoapRequestSeen&) {
    return SoapAnswer{
        200, SoapEnvelope("<r><return><message>bloqueada</message>" + reply + "</return></r>"),
        std::chrono::milliseconds(0)};
  });
  Settings(server.Url());
  HostRun ok = Veiculo("", Call());
  EXPECT_EQ(ok.exit_code, 0) << ok.output;
  EXPECT_NE(ok.output.find("\"result\":\"OK\""), std::string::npos) << ok.output;
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].path, "/Status.StatusHttpSoap11Endpoint/");
  EXPECT_EQ(server.Requests()[0].soap_action, "\"urn:status\"");

  reply = "<statusCode>5</statusCode>";
  HostRun refused = Veiculo("", Call());
  EXPECT_NE(refused.output.find("\"result\":\"5 - bloqueada - Tempo: 0s\""), std::string::npos)
      << refused.output;
}

TEST_F(FiBrasilCallTest, AServiceThatDoesNotAnswerIsGivenUpWithinTheTimeout) {
  SoapTestServer server([](const SoapRequestSeen&) {
    return SoapAnswer{200, "", std::chrono::milliseconds(2500)};
  });
  Settings(server.Url());
  const auto start = std::chrono::steady_clock::now();
  HostRun slow = Veiculo("VEICULO_SOAP_TIMEOUT_MS=400", Call());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2400));
  EXPECT_NE(slow.output.find("the service did not answer within 400 ms"), std::string::npos)
      << slow.output;
}

}  // namespace
}  // namespace veiculo::testing
