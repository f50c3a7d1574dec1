#pragma once
// The fixture of every test that drives the module against the database: the
// test's rolled-back transaction (DbTest) and a module initialised and bound to
// the test connection, reachable as module(), with its test seam as peer().
// Its data sets (sdsAux, cdsX) are complete types here, for checks on them.

#include <string>

#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "support/module_test_peer.h"
#include "support/module_under_test.h"
#include "support/query.h"
#include "support/row_lines.h"
#include "support/test_database.h"

namespace veiculo::testing {

class ModuleTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    module_.InicializaDM();
    module_.AtribuiConexao(&connection());
  }

  ModuleUnderTest& module() { return module_; }
  const ModuleUnderTest& module() const { return module_; }
  ModuleTestPeer& peer() { return peer_; }

  // Makes a vehicle of company 1 current, as operations do before reading it.
  void Load(const std::string& veiculo) {
    ASSERT_TRUE(module_.LerVeiculo(1, veiculo, true)) << veiculo;
  }
  void Exec(const std::string& sql) { connection().ExecuteDirect(sql); }
  TextRows Rows(const std::string& sql) { return QueryRows(connection(), sql); }
  Lines Read(const std::string& sql) { return RowLines(connection(), sql); }
  std::string One(const std::string& sql) { return QueryValue(connection(), sql); }
  // Statements sent to the engine by `action`.
  template <typename Action>
  long StatementsOf(Action&& action) {
    const long before = connection().StatementCount();
    action();
    return connection().StatementCount() - before;
  }

 private:
  ModuleUnderTest module_;
  ModuleTestPeer peer_{module_};
};

}  // namespace veiculo::testing
