// The host's session over a real database: one transaction around the calls,
// committed or rolled back as the host decides, and the SQL log.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host_session.h"
#include "input_error.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "operations/arguments.h"
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
  // Writes a user through the module's statement dataset, then fails as a database error would.
  static Operation Writer(bool fail) {
    return Operation{"InsereUsuario",
                     {{"pfUsuario", ParamType::Integer}},
                     {},
                     [fail](CallContext& c) -> TypedValue {
                       platform::SqlDataSet& exec =
                           *dynamic_cast<TddmVeiculoCompartilhadoBDImpl&>(c.Module()).sdsExecuta;
                       exec.SetCommandText("insert into GER_USUARIO (USUARIO, NOME) values (" +
                                           std::to_string(c.Integer("pfUsuario")) + ", 'Teste')");
                       exec.ExecSQL();
                       if (fail) throw Error(ErrorCategory::Database, "the engine refused");
                       return {};
                     }};
  }
  static Arguments User(int id) { return {{"pfUsuario", TypedValue(int32_t{id})}}; }

  SessionOptions options_;
};

TEST_F(HostSessionTest, CommitsOnlyWhenTheHostCommits) {
  enum class Ending { Commit, Rollback, FailThenRollback, NoEnd };
  const std::pair<Ending, long long> cases[] = {{Ending::Commit, 2},
                                                {Ending::Rollback, 0},
                                                {Ending::FailThenRollback, 0},
                                                {Ending::NoEnd, 0}};
  for (const auto& [ending, committed] : cases) {
    Users(true);
    {
      HostSession session(options_);
      session.Call(Writer(false), User(9001));
      if (ending == Ending::FailThenRollback) {
        EXPECT_THROW(session.Call(Writer(true), User(9002)), Error);
      } else {
        session.Call(Writer(false), User(9002));
      }
      if (ending != Ending::NoEnd) session.End(ending == Ending::Commit);
    }
    EXPECT_EQ(Users(false), committed) << static_cast<int>(ending);
  }
}

TEST_F(HostSessionTest, TheSqlLogGetsEachStatementOnOneLineAndIsAppendedTo) {
  const std::string log = TestDatabase::Instance().folder() + "/session.log";
  std::filesystem::remove(log);
  options_.sql_log = log;
  for (int i = 0; i < 2; ++i) {
    HostSession session(options_);
    const Operation& permissao = HostOperations().Get("PermissaoFuncao");
    session.Call(permissao, BindCommandLine(permissao, {"pfUsuario=5", "pfFuncao=101"}));
    session.End(true);
  }
  std::ifstream in(log);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  // The permission query as the module writes it, once per session.
  const std::string query =
      " select USUARIO from GER_FUNCAO_USUARIO  where  USUARIO = 5 and    FUNCAO =  101";
  EXPECT_EQ(lines, (std::vector<std::string>{query, query}));
}

TEST_F(HostSessionTest, BadOptionsAreInputErrorsBeforeAnythingIsWritten) {
  SessionOptions missing;
  missing.db.database = TestDatabase::Instance().folder() + "/nao-existe.fdb";
  missing.sql_log = TestDatabase::Instance().folder() + "/nao-escrito.log";
  try {
    HostSession session(missing);
    ADD_FAILURE() << "opened";
  } catch (const InputError& e) {
    EXPECT_EQ(e.category(), ErrorCategory::NotFound);
    EXPECT_EQ(e.message(), "database file " + missing.db.database + " does not exist");
  }
  EXPECT_FALSE(std::filesystem::exists(missing.sql_log));
  SessionOptions both = options_;
  both.db.odbc = "DSN=x";
  EXPECT_THROW(HostSession session(both), InputError);
}

}  // namespace
}  // namespace veiculo::cli
