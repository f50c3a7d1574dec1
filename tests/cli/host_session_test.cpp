// The host's session over a real database: one transaction around the calls,
// committed or rolled back as the host decides, the SQL log, and the
// registry's invokers reaching the module.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host_session.h"
#include "input_error.h"
#include "operations/arguments.h"
#include "platform/db/sql_dataset.h"
#include "support/test_database.h"
#include "veiculo/connection.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

using veiculo::testing::TestDatabase;

class HostSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.db.database = TestDatabase::Instance().path();
    Clear();
  }
  void TearDown() override { Clear(); }

  // Users committed by the session under test, seen from another attachment.
  long long CommittedUsers() {
    auto other = TestDatabase::Instance().OpenAnother();
    platform::SqlDataSet count("sdsConta", other.get());
    count.SetCommandText("select count(*) N from GER_USUARIO where USUARIO >= 9000");
    count.Open();
    return count.FieldByName("N").AsInteger();
  }
  void Clear() {
    auto other = TestDatabase::Instance().OpenAnother();
    other->ExecuteDirect("delete from GER_USUARIO where USUARIO >= 9000");
    other->Commit();
  }

  // An operation that writes a user through the module's statement dataset
  // and then, when asked, fails as a database error would.
  static Operation Writer(bool fail) {
    return Operation{"InsereUsuario",
                     {{"pfUsuario", ParamType::Integer}},
                     {},
                     [fail](CallContext& c) -> TypedValue {
                       platform::SqlDataSet& exec = *c.Module().sdsExecuta;
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

TEST_F(HostSessionTest, CommitsWhenTheHostCommits) {
  HostSession session(options_);
  session.Call(Writer(false), User(9001));
  session.Call(Writer(false), User(9002));
  session.End(true);
  EXPECT_EQ(CommittedUsers(), 2);
}

TEST_F(HostSessionTest, RollsBackWhenAskedTo) {
  HostSession session(options_);
  session.Call(Writer(false), User(9001));
  session.End(false);
  EXPECT_EQ(CommittedUsers(), 0);
}

TEST_F(HostSessionTest, AFailingCallLeavesNothingOfWhatItWrote) {
  {
    HostSession session(options_);
    session.Call(Writer(false), User(9001));
    EXPECT_THROW(session.Call(Writer(true), User(9002)), Error);
    session.End(false);  // what call and run do on a failure
  }
  EXPECT_EQ(CommittedUsers(), 0);
}

TEST_F(HostSessionTest, ASessionLeftWithoutEndRollsBack) {
  {
    HostSession session(options_);
    session.Call(Writer(false), User(9001));
  }
  EXPECT_EQ(CommittedUsers(), 0);
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
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(in, line)) lines.push_back(line);
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

  SessionOptions no_folder = options_;
  no_folder.sql_log = TestDatabase::Instance().folder() + "/nao/existe.log";
  EXPECT_THROW(HostSession session(no_folder), InputError);

  SessionOptions neither;
  EXPECT_THROW(HostSession session(neither), InputError);
  SessionOptions both = options_;
  both.db.odbc = "DSN=x";
  EXPECT_THROW(HostSession session(both), InputError);
}

TEST_F(HostSessionTest, HolderAccessorsOfTheRegistryReachTheModule) {
  HostSession session(options_);
  const Registry& r = HostOperations();
  auto call = [&](const char* name, std::vector<std::string> words) {
    const Operation& op = r.Get(name);
    return session.Call(op, BindCommandLine(op, words));
  };
  call("SetdPbValorVenda", {"value=95000.5"});
  call("SettPvDataProcessamento", {"value=2025-03-07T14:30:05"});
  call("setrPbDeflacaoPagamento", {"value=1.25"});
  call("SetMens_Assunto", {"value=Proposta aprovada"});
  EXPECT_EQ(session.module().GetdPbValorVenda(), 95000.5);
  EXPECT_EQ(session.module().getrPbDeflacaoPagamento(), 1.25);
  EXPECT_EQ(call("GetdPbValorVenda", {})["result"], 95000.5);
  EXPECT_EQ(call("GettPvDataProcessamento", {})["result"], "2025-03-07T14:30:05");
  EXPECT_EQ(call("GetMens_Assunto", {})["result"], "Proposta aprovada");
  EXPECT_EQ(call("getrPbDeflacaoPagamento", {})["result"], 1.25);
  session.End(false);
}

}  // namespace
}  // namespace veiculo::cli
