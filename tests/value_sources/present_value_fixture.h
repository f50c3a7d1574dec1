#pragma once
// A module bound to the test database inside the test's transaction, with a
// counter of the statements sent to the engine.

#include "support/module_test_peer.h"
#include "support/test_database.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::testing {

class ModuleDbTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
  }

  // Statements sent by `action`.
  template <typename Action>
  long StatementsOf(Action&& action) {
    const long before = connection().StatementCount();
    action();
    return connection().StatementCount() - before;
  }

  TddmVeiculoCompartilhadoBD dm;
  ModuleTestPeer peer{dm};
};

}  // namespace veiculo::testing
