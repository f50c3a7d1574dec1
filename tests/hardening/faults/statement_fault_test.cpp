// Every statement of an operation refused in turn, through the host's own
// session (one transaction per call, committed only when the operation
// neither raised nor reported failure): for each N the operation answers its
// error text or raises, the host rolls back and every row of the database is
// as it was; past the last statement the operation succeeds and writes.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "hardening/faults/fault_seeds.h"
#include "host_session.h"
#include "operations/arguments.h"
#include "operations/json_output.h"
#include "platform/db/fault_injection.h"
#include "support/database_dump.h"
#include "support/soap_test_server.h"

namespace veiculo::testing {
namespace {

using platform::StatementFault;

// What `veiculo call` would report: its exit status (0 done, 1 an error
// raised, 3 a failure reported; both rolled back), the call's JSON (result
// and outputs) or the error raised, and the statements the operation sent.
struct Outcome {
  int exit_status = 0;
  cli::Json json;
  std::string error;
  std::optional<ErrorCategory> category;
  long statements = 0;
  bool fault_fired = false;
};

Outcome CallThroughHost(const std::string& name, const std::vector<std::string>& params,
                        long fail_at) {
  cli::SessionOptions options;
  options.db.database = TestDatabase::Instance().path();
  const cli::Operation& operation = cli::HostOperations().Get(name);
  cli::Arguments arguments = cli::BindCommandLine(operation, params);
  cli::HostSession session(options);
  Outcome outcome;
  std::optional<StatementFault> fault(std::in_place, fail_at);
  const auto disarm = [&] {
    outcome.statements = fault->Seen();
    outcome.fault_fired = fault->Fired();
    fault.reset();
  };
  try {
    cli::HostSession::Outcome called = session.Call(operation, std::move(arguments));
    disarm();
    outcome.json = called.json;
    outcome.exit_status = called.failed ? 3 : 0;
    session.End(!called.failed);
  } catch (const std::exception& e) {
    if (fault) disarm();
    outcome.exit_status = 1;
    outcome.error = e.what();
    if (const auto* error = dynamic_cast<const Error*>(&e)) outcome.category = error->category();
    session.End(false);
  }
  return outcome;
}

// Every row, read in a transaction of its own on an attachment kept open
// (its statements stay prepared from one dump to the next).
std::string Dump() {
  static std::unique_ptr<Connection> reader = TestDatabase::Instance().OpenAnother();
  reader->Commit();
  return DumpDatabase(*reader);
}

// Empties every table, so that the next case seeds the same keys.
void EmptyDatabase(Connection& c) {
  for (const auto& row :
       QueryRows(c,
                 "select trim(RDB$RELATION_NAME) from RDB$RELATIONS "
                 "where coalesce(RDB$SYSTEM_FLAG, 0) = 0 and RDB$VIEW_BLR is null"))
    c.ExecuteDirect("delete from " + row[0]);
  c.Commit();
}

// One operation: its dealer, its call, how it answers a refused statement
// (`failure`: the result's JSON, {fault} standing for the fault's message,
// alternatives joined by "|" between JSON texts; a text ending in "..." is
// what the result starts with; empty: it raises) and what it answers when
// nothing fails.
struct FaultCase {
  const char* name;
  void (*seed)(Connection&, const std::string& service_url);
  const char* operation;
  std::vector<std::string> params;
  int exit_status;
  std::string failure;
  std::string success;
};

// Test names and messages show the case by its name.
void PrintTo(const FaultCase& c, std::ostream* out) {
  *out << c.name;
}

std::string WithFault(std::string text, long n) {
  const std::string mark = "{fault}";
  const size_t at = text.find(mark);
  if (at != std::string::npos) text.replace(at, mark.size(), StatementFault::Message(n));
  return text;
}

const FaultCase kCases[] = {
    {"CalculoCustoVeiculo",
     SeedCosting,
     "CalculoCustoVeiculo",
     {"pfBancoDados=INTERBASE", "pfVeiculo=V1", "pfDataRef=2024-03-15", "pfEmpresa=1",
      "pfRevenda=1", "pfProposta=7", "pfNegociacao=2"},
     1,
     "",
     R"("OK|")"},
    {"AprovacaoGerencialProposta",
     SeedApproval,
     "AprovacaoGerencialProposta",
     {"pfBancoDados=INTERBASE", "pfEmpresa=1", "pfRevenda=1", "pfProposta=30", "pfNegociacao=1",
      "pfUsuario=9", "pfDataProcessamento=2026-12-07", "pfIntegracaoFI=0"},
     3,
     R"("NOK|Erro durante a aprovação da proposta;")",
     R"("OK|")"},
    {"RejeitarProposta",
     SeedRejection,
     "RejeitarProposta",
     {"pfBancoDados=INTERBASE", "pfEmpresa=1", "pfRevenda=1", "pfProposta=100", "pfUsuario=9",
      "pfDataProcessamento=2025-03-14", "pfIntegracaoFI=0", "pfMotivo=Cliente desistiu",
      "pfConcessionaria=Matriz", "pfFormaContato=", "pGerarProvidencia=true",
      "pfAcaoRejeicao=CANCELAR"},
     3,
     R"("NOK|Erro no cancelamento da proposta;")",
     R"("OK|")"},
    // The same, cancelled at F&I Brasil too: a refused read of its settings
    // fails the order's or the sale's cancellation there.
    {"RejeitarPropostaFIB",
     SeedRejection,
     "RejeitarProposta",
     {"pfBancoDados=INTERBASE", "pfEmpresa=1", "pfRevenda=1", "pfProposta=100", "pfUsuario=9",
      "pfDataProcessamento=2025-03-14", "pfIntegracaoFI=2", "pfMotivo=Cliente desistiu",
      "pfConcessionaria=Matriz", "pfFormaContato=", "pGerarProvidencia=true",
      "pfAcaoRejeicao=CANCELAR"},
     3,
     R"("NOK|Erro no cancelamento da proposta;")"
     R"(|"NOK|1-Não foi possível cancelar a proposta no F&I System.;")"
     R"(|"NOK|2-Não foi possível cancelar a proposta no F&I System.;")",
     R"("OK|")"},
    {"RejeitarNegociacao",
     SeedRejection,
     "RejeitarNegociacao",
     {"pfBancoDados=INTERBASE", "pfEmpresa=1", "pfRevenda=1", "pfProposta=100", "pfNegociacao=2",
      "pfUsuario=9", "pfDataProcessamento=2025-03-14", "pfIntegracaoFI=0"},
     3,
     R"("NOK|Erro na rejeição da negociação;")",
     R"("OK|")"},
    {"FechaVendaFIB",
     SeedClosing,
     "FechaVendaFIB",
     {"pfEmpresa=1", "pfRevenda=1", "pfProposta=10", "pfNegociacao=1", "pfPropostaFIB=0",
      "pfChassi=CH1", "pfDataProcessamento=2026-12-07"},
     3,
     R"("NOK|{fault} - while executing: ...)",
     R"("OK")"},
    {"GravaRetornoFin",
     SeedClosing,
     "GravaRetornoFin",
     {"pfEmpresa=1", "pfRevenda=1", "pfProposta=10", "pfNegociacao=1", "pfFinanceira=341",
      "pfContaFI=101", "pfDescricaoFI=Retorno financiamento", "pfValorFI=500", "pfComissao=50",
      "pfDataProcessamento=2026-12-07", "pfSQLText=FI_INTEGRACAO"},
     3,
     "false",
     "true"},
};

class StatementFaultTest : public ::testing::TestWithParam<FaultCase> {
 protected:
  SoapTestServer service_{[](const SoapRequestSeen& seen) {
    const std::string content =
        seen.soap_action == "\"urn:fechaVenda\"" ? ClosedSale() : "<statusCode>0</statusCode>";
    return SoapAnswer{200, SoapEnvelope("<r><return>" + content + "</return></r>"),
                      std::chrono::milliseconds(0)};
  }};
};

TEST_P(StatementFaultTest, EveryRefusedStatementIsRolledBackWhole) {
  const FaultCase& c = GetParam();
  Connection& seeding = TestDatabase::Instance().connection();
  EmptyDatabase(seeding);
  c.seed(seeding, service_.Url());
  seeding.Commit();
  const std::string before = Dump();
  constexpr long kLimit = 400;  // far above any operation's statements
  long n = 1;
  for (; n <= kLimit; ++n) {
    const Outcome o = CallThroughHost(c.operation, c.params, n);
    if (!o.fault_fired) {
      // Past the last statement: nothing refused, the call succeeds and writes.
      EXPECT_EQ(o.exit_status, 0) << o.error << o.json.dump();
      EXPECT_EQ(o.json["result"].dump(), c.success) << o.json.dump();
      EXPECT_EQ(o.statements, n - 1);
      EXPECT_NE(Dump(), before) << "the operation wrote nothing";
      break;
    }
    SCOPED_TRACE("statement " + std::to_string(n) + " refused");
    EXPECT_EQ(o.exit_status, c.exit_status) << o.error << o.json.dump();
    if (c.failure.empty()) {
      EXPECT_EQ(o.category, ErrorCategory::Database);
      EXPECT_NE(o.error.find(StatementFault::Message(n)), std::string::npos) << o.error;
    } else if (o.exit_status != 1) {
      const std::string expected = WithFault(c.failure, n);
      const std::string result = o.json["result"].dump();
      if (expected.ends_with("..."))
        EXPECT_EQ(result.substr(0, expected.size() - 3), expected.substr(0, expected.size() - 3));
      else if (expected.find("\"|\"") != std::string::npos)
        EXPECT_NE(("|" + expected + "|").find("|" + result + "|"), std::string::npos) << result;
      else
        EXPECT_EQ(result, expected);
    }
    if (c.failure == "false") {  // the failed statement and the engine's message come back
      EXPECT_EQ(o.json["out"]["pfSQLEMessage"], StatementFault::Message(n)) << o.json.dump();
      EXPECT_NE(o.json["out"]["pfSQLText"], "");
    }
    EXPECT_EQ(Dump(), before);
    if (::testing::Test::HasFailure()) break;  // one faulty step tells enough
  }
  ASSERT_LT(n, kLimit);
  std::cout << c.name << ": " << n - 1 << " statements, each refused in turn\n";
}

INSTANTIATE_TEST_SUITE_P(Operations, StatementFaultTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veiculo::testing
