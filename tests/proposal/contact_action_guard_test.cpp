// AtualizaContato stamps the action with the module's processing date: it
// refuses to write without one, and writes nothing for a contact that does
// not exist.

#include <gtest/gtest.h>

#include <string>

#include "proposal/proposal_seed.h"
#include "support/expect_error.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

class ContactActionGuardTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    dm.SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
    dm.SetiPvUsuario(9);
    Insert("CAC_CONTATO", "REVENDA, CONTATO, CLIENTE, SITUACAO", {"1, 20, 500, 'A'"});
  }
  TextRows Acoes() { return Rows("select CONTATO, PROVIDENCIA from CAC_PROVIDENCIA"); }
};

TEST_F(ContactActionGuardTest, NoProcessingDateNoWrite) {
  const long before = connection().StatementCount();
  for (const char* acao : {"CANCELAR", "REABRIR", "APROVAR"}) {
    SCOPED_TRACE(acao);
    EXPECT_VEICULO_ERROR(
        dm.AtualizaContato(1, 1, 20, 30, acao, "5"), ErrorCategory::Validation,
        "AtualizaContato: the processing date is not set (set tPvDataProcessamento)");
  }
  EXPECT_EQ(connection().StatementCount(), before);
  EXPECT_EQ(One("select SITUACAO from CAC_CONTATO where CONTATO = 20"), "A");

  // Once set, the action is stamped with it: 12/03 at the clock's 15:45:30.
  dm.SettPvDataProcessamento(Moment(2025, 3, 12));
  dm.AtualizaContato(1, 1, 20, 30, "CANCELAR", "5");
  EXPECT_EQ(Rows("select PROVIDENCIA, USUARIO, DTA_PROVIDENCIA from CAC_PROVIDENCIA"),
            (TextRows{{"1", "9", "2025-03-12T15:45:30"}}));
}

TEST_F(ContactActionGuardTest, AContactThatDoesNotExistGetsNoAction) {
  dm.SettPvDataProcessamento(Moment(2025, 3, 12));
  for (const char* acao : {"CANCELAR", "REABRIR", "APROVAR"}) {
    SCOPED_TRACE(acao);
    EXPECT_VEICULO_ERROR(dm.AtualizaContato(1, 1, 21, 30, acao, "5"), ErrorCategory::NotFound,
                         "AtualizaContato: contact 21 of dealer 1/1 does not exist");
    // Nor does contact 20 of dealer 2.
    EXPECT_VEICULO_ERROR(dm.AtualizaContato(1, 2, 20, 30, acao, "5"), ErrorCategory::NotFound,
                         "AtualizaContato: contact 20 of dealer 1/2 does not exist");
  }
  EXPECT_TRUE(Acoes().empty());
}

}  // namespace
}  // namespace veiculo::testing
