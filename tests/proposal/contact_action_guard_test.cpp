// AtualizaContato stamps the action with the module's processing date: it
// refuses to write without one, and writes nothing for a contact that does
// not exist.

#include <gtest/gtest.h>

#include <string>

#include "support/kit.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

class ContactActionGuardTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    module().SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
    module().SetiPvUsuario(9);
    Insert(connection(), "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE SITUACAO",
           {I(1), I(1), I(20), I(500), T("A")});
  }
  TextRows Acoes() { return Rows("select CONTATO, PROVIDENCIA from CAC_PROVIDENCIA"); }
};

TEST_F(ContactActionGuardTest, NoProcessingDateNoWrite) {
  const long before = connection().StatementCount();
  for (const char* acao : {"CANCELAR", "REABRIR", "APROVAR"}) {
    SCOPED_TRACE(acao);
    EXPECT_VEICULO_ERROR(
        module().AtualizaContato(1, 1, 20, 30, acao, "5"), ErrorCategory::Validation,
        "AtualizaContato: the processing date is not set (set tPvDataProcessamento)");
  }
  EXPECT_EQ(connection().StatementCount(), before);
  EXPECT_EQ(One("select SITUACAO from CAC_CONTATO where CONTATO = 20"), "A");

  // Once set, the action is stamped with it: 12/03 at the clock's 15:45:30.
  module().SettPvDataProcessamento(Moment(2025, 3, 12));
  module().AtualizaContato(1, 1, 20, 30, "CANCELAR", "5");
  EXPECT_EQ(Rows("select PROVIDENCIA, USUARIO, DTA_PROVIDENCIA from CAC_PROVIDENCIA"),
            (TextRows{{"1", "9", "2025-03-12T15:45:30"}}));
}

TEST_F(ContactActionGuardTest, AContactThatDoesNotExistGetsNoAction) {
  module().SettPvDataProcessamento(Moment(2025, 3, 12));
  for (const char* acao : {"CANCELAR", "REABRIR", "APROVAR"}) {
    SCOPED_TRACE(acao);
    EXPECT_VEICULO_ERROR(module().AtualizaContato(1, 1, 21, 30, acao, "5"), ErrorCategory::NotFound,
                         "AtualizaContato: contact 21 of dealer 1/1 does not exist");
    // Nor does contact 20 of dealer 2.
    EXPECT_VEICULO_ERROR(module().AtualizaContato(1, 2, 20, 30, acao, "5"), ErrorCategory::NotFound,
                         "AtualizaContato: contact 20 of dealer 1/2 does not exist");
  }
  EXPECT_TRUE(Acoes().empty());
}

}  // namespace
}  // namespace veiculo::testing
