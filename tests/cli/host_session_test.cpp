// The host's session over a real database: one transaction around the calls,
// committed or rolled back as the host decides, and the SQL log.

#include <gtest/gtest.h>

#include "host_session.h"
#include "input_error.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "operations/arguments.h"
#include "operations/define.h"
#include "platform/db/sql_dataset.h"
#include "support/test_database.h"
#include "veiculo/connection.h"

namespace veiculo::cli {
namespace {

using veiculo::testing::TestDatabase;

class HostSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { options_.db.database = TestDatabase::Instance().path(); }
  // Clears the test users (from another attachment), or counts those committed.
  static long long Users(bool clear) {
    auto other = TestDatabase::Instance().OpenAnother();
    if (clear) other->ExecuteDirect("delete from GER_USUARIO where USUARIO >= 9000");
    other->Commit();
    platform::SqlDataSet count("sdsConta", other.get());
    count.SetCommandText("select count(*) N from GER_USUARIO where USUARIO >= 9000");
    count.Open();
    return count.FieldByName("N").AsInteger();
  }
  // Writes a user through the module's statement dataset.
  static Operation Writer() {
    return Op("InsereUsuario", "writes a test user")
        .Writes()
        .Calls(
            [](CallContext& c, int32_t usuario) {
              platform::SqlDataSet& exec =
                  *dynamic_cast<TddmVeiculoCompartilhadoBDImpl&>(c.Module()).sdsExecuta;
              exec.SetCommandText("insert into GER_USUARIO (USUARIO, NOME) values (" +
                                  std::to_string(usuario) + ", 'Teste')");
              exec.ExecSQL();
            },
            "pfUsuario");
  }
  static Arguments User(int id) { return {{"pfUsuario", TypedValue(int32_t{id})}}; }

  SessionOptions options_;
};

// A call that raises after writing, rolled back by the host: the statement
// fault suite (tests/hardening/faults), at every statement of five operations.
TEST_F(HostSessionTest, CommitsOnlyWhenTheHostCommits) {
  enum class Ending { Commit, Rollback, NoEnd };
  const std::pair<Ending, long long> cases[] = {
      {Ending::Commit, 2}, {Ending::Rollback, 0}, {Ending::NoEnd, 0}};
  for (const auto& [ending, committed] : cases) {
    Users(true);
    {
      HostSession session(options_);
      session.Call(Writer(), User(9001));
      session.Call(Writer(), User(9002));
      if (ending != Ending::NoEnd) session.End(ending == Ending::Commit);
    }
    EXPECT_EQ(Users(false), committed) << static_cast<int>(ending);
  }
}

TEST_F(HostSessionTest, ArgumentsReachTheFunctionByPositionAndVarsComeBack) {
  const Operation eco =
      Op("Eco", "echoes its arguments")
          .Calls(
              [](CallContext&, int32_t n, double data, std::string& texto, int32_t& dobro) {
                texto += "!";
                dobro = n * 2;
                return data + n;
              },
              "pN", Date("pData"), "pTexto", Out("pDobro"));
  HostSession session(options_);
  const Json json =
      session.Call(eco, BindCommandLine(eco, {"pTexto=abc", "pData=2025-03-07", "pN=21"})).json;
  session.End(false);
  // 2025-03-07 is day 45723; + 21 = 45744. The var text gains "!", the out doubles 21.
  EXPECT_EQ(json["result"], 45744.0);
  EXPECT_EQ(json["out"].dump(), R"({"pTexto":"abc!","pDobro":42})");
}

// A missing database and an SQL log on the database file are checked through
// the built host (veiculo_call_test.sh, veiculo_host_test.sh).
TEST_F(HostSessionTest, AnOdbcSourceBesideADatabaseFileIsBadInput) {
  SessionOptions both = options_;
  both.db.odbc = "DSN=x";
  EXPECT_THROW(HostSession session(both), InputError);
}

}  // namespace
}  // namespace veiculo::cli
