// `veiculo call FechaVendaFIB` as a user runs it: the built host imports a
// sale from an F&I Brasil service played on 127.0.0.1, and keeps nothing of
// an import that failed half-way.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/fi_closing_builders.h"
#include "support/host_run.h"
#include "support/query.h"
#include "support/soap_test_server.h"
#include "support/test_database.h"
#include "veiculo/connection.h"

namespace veiculo::testing {
namespace {

std::string ReplyWith(const std::string& content) {
  return SoapEnvelope("<r><return>" + content + "</return></r>");
}

class ClosingCallTest : public ::testing::Test {
 protected:
  // A dealer database of the host's own; this process detaches before the
  // host runs, as the embedded engine lets one process at a time in.
  void SetUp() override {
    database_ = TemporaryFolder() + "/closing.fdb";
    HostRun init = RunVeiculo("", "init-db '" + database_ + "'");
    ASSERT_EQ(init.exit_code, 0) << init.output;
    auto c = Connection::OpenFirebird(database_);
    AddClosingDealer(*c, server_.Url(), Cols("SOBREPOR_CONDPAGTO_FIB", {T("S")}));
    c->Commit();
  }
  HostRun Import() {
    return RunVeiculo("",
                      "call FechaVendaFIB pfEmpresa=1 pfRevenda=1 pfProposta=10 "
                      "pfNegociacao=1 pfPropostaFIB=0 pfChassi=CH1 "
                      "pfDataProcessamento=2026-12-07 -d '" +
                          database_ + "'");
  }
  std::string Value(const std::string& sql) {
    auto c = Connection::OpenFirebird(database_);
    return QueryValue(*c, sql);
  }
  std::string LastConfirmation() {
    std::string body;
    for (const SoapRequestSeen& seen : server_.Requests())
      if (seen.soap_action == "\"urn:fechaVendaConfirma\"") body = seen.body;
    return body;
  }

  std::string database_;
  std::string sale_;
  SoapTestServer server_{[this](const SoapRequestSeen& seen) {
    return SoapAnswer{
        200,
        ReplyWith(seen.soap_action == "\"urn:fechaVenda\"" ? sale_ : "<statusCode>0</statusCode>"),
        std::chrono::milliseconds(0)};
  }};
};

TEST_F(ClosingCallTest, ImportsASaleAndKeepsNothingOfAFailedOne) {
  // A personal reference too long for its column fails the import after the
  // proposal was linked and the customer's bank reference written.
  sale_ = VendaFechada(VendaFinanciada(
      Receita(1, "500.00") +
      Xml("fichaPF", Xml("referenciasBancarias", Xml("numeroConta", "9-9")) +
                         Xml("referenciasPessoais", Xml("nome", std::string(70, 'N'))))));
  HostRun failed = Import();
  EXPECT_EQ(failed.exit_code, 3) << failed.output;
  EXPECT_NE(failed.output.find("\"result\":\"NOK|"), std::string::npos) << failed.output;
  EXPECT_NE(LastConfirmation().find("<q0:status>1</q0:status><q0:mensagem>Erro na integracao com "
                                    "o Mivo DMS.</q0:mensagem>"),
            std::string::npos);
  EXPECT_EQ(Value("select PROPOSTA_FIB from VEI_PROPOSTA"), "NULL");
  EXPECT_EQ(Value("select count(*) from FAT_CLIENTE_BANCO"), "0");

  sale_ = VendaFechada(VendaFinanciada(Receita(1, "500.00")));
  HostRun done = Import();
  EXPECT_EQ(done.exit_code, 0) << done.output;
  EXPECT_NE(done.output.find("\"result\":\"OK\""), std::string::npos) << done.output;
  EXPECT_NE(LastConfirmation().find("<q0:status>0</q0:status>"), std::string::npos);
  EXPECT_EQ(Value("select PROPOSTA_FIB from VEI_PROPOSTA"), "777");
  EXPECT_EQ(Value("select VAL_RETORNO from VEI_RETORNO"), "500.00");
  // Used car 15000.00 + financing 25000.00 + cash 9000.00.
  EXPECT_EQ(Value("select sum(VAL_PAGAMENTO) from VEI_PAGAMENTO"), "49000.00");
}

}  // namespace
}  // namespace veiculo::testing
