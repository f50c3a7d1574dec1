// The built `veiculo` under VEICULO_TEST_FAIL_STATEMENT: a refused statement
// ends the call with the host's status for it (1 raised, 3 reported, 2 for a
// malformed setting), the operation's own text, and a database as it was.

#include <gtest/gtest.h>

#include <string>

#include "hardening/faults/fault_seeds.h"
#include "support/database_dump.h"
#include "support/host_run.h"

namespace veiculo::testing {
namespace {

struct CliCase {
  const char* fail_at;  // the variable's value; empty: unset
  std::string call;
  int exit_status;
  std::string output;  // a text the host prints
};

const std::string kRejeita =
    "RejeitarNegociacao pfBancoDados=INTERBASE pfEmpresa=1 pfRevenda=1 pfProposta=100 "
    "pfNegociacao=2 pfUsuario=9 pfDataProcessamento=2025-03-14 pfIntegracaoFI=0";

const CliCase kCliCases[] = {
    // The last of the rejection's five statements: the negotiation and the
    // salesperson's message are written by then, so only the host's
    // rollback leaves the database as it was.
    {"5", kRejeita, 3, R"("result":"NOK|Erro na rejeição da negociação;")"},
    {"3",
     "CalculoCustoVeiculo pfBancoDados=INTERBASE pfVeiculo=V1 pfDataRef=2025-03-14 pfEmpresa=1 "
     "pfRevenda=1 pfProposta=0 pfNegociacao=0",
     1, "database error: statement 3 refused by an injected fault (test aid)"},
    {"1x", kRejeita, 2,
     "VEICULO_TEST_FAIL_STATEMENT must be a statement number of 1 or more, not '1x'"},
    {"", kRejeita, 0, R"("result":"OK|")"},
};

TEST(FaultCliTest, ARefusedStatementEndsTheCallAsTheHostsContractSays) {
  const std::string database = TemporaryFolder() + "/faults.fdb";
  ASSERT_EQ(RunVeiculo("", "init-db '" + database + "'").exit_code, 0);
  const auto dump = [&] { return DumpDatabase(*Connection::OpenFirebird(database)); };
  {
    auto c = Connection::OpenFirebird(database);
    SeedRejection(*c, "");
    c->Commit();
  }
  const std::string before = dump();
  for (const CliCase& k : kCliCases) {
    SCOPED_TRACE(k.call + " failing at " + k.fail_at);
    const std::string environment =
        *k.fail_at ? std::string("VEICULO_TEST_FAIL_STATEMENT=") + k.fail_at : "";
    const HostRun run = RunVeiculo(environment, "call " + k.call + " -d '" + database + "'");
    EXPECT_EQ(run.exit_code, k.exit_status) << run.output;
    EXPECT_NE(run.output.find(k.output), std::string::npos) << run.output;
    if (k.exit_status == 0)
      EXPECT_NE(dump(), before);
    else
      EXPECT_EQ(dump(), before);
  }
}

}  // namespace
}  // namespace veiculo::testing
