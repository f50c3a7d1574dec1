// AtualizaContato (each action, with and without the Renault brand, the
// contact form, bad actions) and BuscaStatusLeads (each band, other
// statuses, holidays).

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "proposal/proposal_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

class AtualizaContatoTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    // "Now" is the processing date 12 March with the clock's 15:45:30.
    dm.SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
    dm.SettPvDataProcessamento(Moment(2025, 3, 12));
    dm.SetiPvUsuario(9);
    dm.SetMens_Assunto("Proposta Nr.[30/1] Aprovada");
    dm.SetMens_Mensagem("Aprovada pelo gerente [Ana]");
    SeedParametro(connection(), 1, {{"FORMA_CONTATO", Int(5)}});
    SeedParametro(connection(), 2, {{"FORMA_CONTATO", Int(8)}});
    // The contact came in at 10:00 on the processing day and had two actions.
    SeedContato(connection(), 1, 20,
                {{"CLIENTE", Int(500)},
                 {"DTA_CONTATO", At(2025, 3, 12, 10, 0, 0)},
                 {"SITUACAO", Txt("A")},
                 {"STATUS_LEADS", Int(2)},
                 {"USUARIO_ENCAMINHADO_ORIGINAL", Int(4)}});
    for (int providencia : {1, 2})
      InsertRow(connection(), "CAC_PROVIDENCIA",
                {{"EMPRESA", Int(1)},
                 {"REVENDA", Int(1)},
                 {"CONTATO", Int(20)},
                 {"PROVIDENCIA", Int(providencia)}});
    // Another contact's higher action number does not count.
    SeedContato(connection(), 1, 21, {});
    InsertRow(
        connection(), "CAC_PROVIDENCIA",
        {{"EMPRESA", Int(1)}, {"REVENDA", Int(1)}, {"CONTATO", Int(21)}, {"PROVIDENCIA", Int(9)}});
  }

  std::vector<std::string> Contato() {
    return Rows(
        "select SITUACAO, RESULTADO, STATUS_LEADS, DTA_FECHAMENTO from CAC_CONTATO where "
        "REVENDA = 1 and CONTATO = 20")[0];
  }
  // The action written by the call: number 3 of contact 20.
  TextRows NovaProvidencia() {
    return Rows(
        "select PROVIDENCIA, USUARIO, FORMA_CONTATO, SUB_TIPO_PROVIDENCIA, ATIVO_PASSIVO, "
        "USUARIO_ENCAMINHADO, TIPO_PROVIDENCIA, AGENDA_TIPO_PROV, DTA_PROVIDENCIA, "
        "DES_PROVIDENCIA, POSSIBILIDADE_FECHAR from CAC_PROVIDENCIA where REVENDA = 1 and "
        "CONTATO = 20 and PROVIDENCIA > 2");
  }
};

constexpr const char* kAgora = "2025-03-12T15:45:30";

struct ContatoCase {
  const char* name;
  const char* acao;
  const char* marca;
  double hora_alerta_ini;  // CAC_PARAMETRO of dealer 1 (end of the window: 8 h)
  std::vector<std::string> contato;
  std::vector<std::string> providencia;
};

void PrintTo(const ContatoCase& c, std::ostream* os) {
  *os << c.name;
}

class AtualizaContatoCasesTest : public AtualizaContatoTest,
                                 public ::testing::WithParamInterface<ContatoCase> {};

TEST_P(AtualizaContatoCasesTest, UpdatesTheContactAndLogsTheAction) {
  const ContatoCase& c = GetParam();
  SeedAlertaLeads(connection(), 1, c.hora_alerta_ini, 8);
  peer.SetMarca(c.marca);
  dm.AtualizaContato(1, 1, 20, 30, c.acao, "");
  EXPECT_EQ(Contato(), c.contato);
  EXPECT_EQ(NovaProvidencia(), TextRows{c.providencia});
}

// The contact came in at 10:00 and "now" is 15:45:30: 345 whole minutes,
// 5.75 hours of waiting on a reopening.
INSTANTIATE_TEST_SUITE_P(
    Actions, AtualizaContatoCasesTest,
    ::testing::Values(
        ContatoCase{"CancelRenaultClosesTheLeadAsSix",
                    "CANCELAR",
                    "RENA",
                    2,
                    {"F", "P", "6", kAgora},
                    {"3", "9", "5", "P", "P", "4", "F", "T", kAgora,
                     "CANCELAMENTO DA PROPOSTA NR.[30]", "0"}},
        ContatoCase{"CancelOtherBrandLeavesTheLeadStatus",
                    "CANCELAR",
                    "FORD",
                    2,
                    {"F", "P", "2", kAgora},
                    {"3", "9", "5", "P", "P", "4", "F", "T", kAgora,
                     "CANCELAMENTO DA PROPOSTA NR.[30]", "0"}},
        // 6 >= 5.75: within the window's start, written as 4 on a reopening.
        ContatoCase{"ReopenRenaultWithinTheStartIsFour",
                    "REABRIR",
                    "RENA",
                    6,
                    {"A", "NULL", "4", "NULL"},
                    {"3", "9", "5", "N", "P", "4", "C", "M", kAgora,
                     "REABERTURA DA PROPOSTA NR.[30]", "0"}},
        // 2 < 5.75 <= 8: inside the window.
        ContatoCase{"ReopenRenaultInsideTheWindowIsTwo",
                    "REABRIR",
                    "RENA",
                    2,
                    {"A", "NULL", "2", "NULL"},
                    {"3", "9", "5", "N", "P", "4", "C", "M", kAgora,
                     "REABERTURA DA PROPOSTA NR.[30]", "0"}},
        ContatoCase{"ReopenOtherBrandLeavesTheLeadStatus",
                    "REABRIR",
                    "TOYO",
                    6,
                    {"A", "NULL", "2", "NULL"},
                    {"3", "9", "5", "N", "P", "4", "C", "M", kAgora,
                     "REABERTURA DA PROPOSTA NR.[30]", "0"}},
        ContatoCase{"ApproveOnlyLogsTheAction",
                    "APROVAR",
                    "RENA",
                    2,
                    {"A", "NULL", "2", "NULL"},
                    {"3", "9", "5", "N", "P", "4", "C", "M", kAgora,
                     "APROVACAO GERENCIAL. Proposta Nr.[30/1] Aprovada. Aprovada pelo gerente "
                     "[Ana]",
                     "0"}}));

TEST_F(AtualizaContatoTest, ReopenRenaultPastTheWindowIsThree) {
  // 5.75 hours past a window of 1 to 4 hours.
  InsertRow(connection(), "CAC_PARAMETRO",
            {{"EMPRESA", Int(1)},
             {"REVENDA", Int(1)},
             {"HORA_ALERTA_INI", Value::Float(1)},
             {"HORA_ALERTA_FIM", Value::Float(4)}});
  peer.SetMarca("RENA");
  dm.AtualizaContato(1, 1, 20, 30, "REABRIR", "");
  EXPECT_EQ(Contato()[2], "3");
}

TEST_F(AtualizaContatoTest, TheGivenContactFormWins) {
  dm.AtualizaContato(1, 1, 20, 30, "APROVAR", "7");
  EXPECT_EQ(NovaProvidencia()[0][2], "7");
}

TEST_F(AtualizaContatoTest, TheDefaultContactFormIsThisDealersEvenAfterReadingAnother) {
  ASSERT_TRUE(dm.LerParametro(1, 2));  // dealer 2's form is 8
  dm.AtualizaContato(1, 1, 20, 30, "APROVAR", "");
  EXPECT_EQ(NovaProvidencia()[0][2], "5");
}

TEST_F(AtualizaContatoTest, ADealerWithoutParametersWritesNoContactForm) {
  SeedContato(connection(), 3, 20, {});
  dm.AtualizaContato(1, 3, 20, 30, "CANCELAR", "");
  EXPECT_EQ(One("select coalesce(FORMA_CONTATO, -1) from CAC_PROVIDENCIA where REVENDA = 3"), "-1");
  EXPECT_EQ(One("select PROVIDENCIA from CAC_PROVIDENCIA where REVENDA = 3"), "1");
}

TEST_F(AtualizaContatoTest, AnUnknownActionRaisesBeforeWritingAnything) {
  peer.SetMarca("RENA");
  const long before = Statements();
  try {
    dm.AtualizaContato(1, 1, 20, 30, "APROVADO", "");
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_EQ(e.message(),
              "AtualizaContato: unknown action 'APROVADO' (expected CANCELAR, REABRIR or APROVAR)");
  }
  EXPECT_EQ(Statements(), before);
  EXPECT_EQ(Contato(), (std::vector<std::string>{"A", "NULL", "2", "NULL"}));
  EXPECT_TRUE(NovaProvidencia().empty());
  // Actions are case-sensitive codes.
  EXPECT_THROW(dm.AtualizaContato(1, 1, 20, 30, "cancelar", ""), Error);
}

TEST_F(AtualizaContatoTest, AContactFormThatIsNotANumberRaisesBeforeWriting) {
  peer.SetMarca("RENA");
  try {
    dm.AtualizaContato(1, 1, 20, 30, "CANCELAR", "5, 0); delete from CAC_CONTATO; --");
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
  }
  EXPECT_EQ(Contato(), (std::vector<std::string>{"A", "NULL", "2", "NULL"}));
  EXPECT_TRUE(NovaProvidencia().empty());
}

TEST_F(AtualizaContatoTest, TheApprovalTextKeepsItsQuotes) {
  dm.SetMens_Mensagem("Aprovada pelo gerente [D'Ávila]");
  dm.AtualizaContato(1, 1, 20, 30, "APROVAR", "");
  EXPECT_EQ(NovaProvidencia()[0][9],
            "APROVACAO GERENCIAL. Proposta Nr.[30/1] Aprovada. Aprovada pelo gerente [D'Ávila]");
}

// ---- BuscaStatusLeads -------------------------------------------------------

class BuscaStatusLeadsTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    SeedAlertaLeads(connection(), 1, 2, 8);
    // A processing date away from every range: no marked day.
    dm.SettPvDataProcessamento(Moment(2025, 6, 30));
  }
};

struct LeadsCase {
  const char* name;
  double contato;
  double referencia;
  int32_t status;
  int32_t expected;
};

void PrintTo(const LeadsCase& c, std::ostream* os) {
  *os << c.name;
}

class BuscaStatusLeadsBandsTest : public BuscaStatusLeadsTest,
                                  public ::testing::WithParamInterface<LeadsCase> {};

TEST_P(BuscaStatusLeadsBandsTest, ClassifiesTheWait) {
  const LeadsCase& c = GetParam();
  EXPECT_EQ(dm.BuscaStatusLeads(1, 1, c.contato, c.status, c.referencia), c.expected);
}

// Window of dealer 1: start 2 h, end 8 h.
INSTANTIATE_TEST_SUITE_P(
    Bands, BuscaStatusLeadsBandsTest,
    ::testing::Values(
        LeadsCase{"NinetyMinutesIsWithinTheStart", Moment(2025, 3, 5, 10),
                  Moment(2025, 3, 5, 11, 30), 1, 1},
        LeadsCase{"ExactlyTheStartIsWithin", Moment(2025, 3, 5, 10), Moment(2025, 3, 5, 12), 1, 1},
        // 121 min = 2.0167 h.
        LeadsCase{"AMinutePastTheStartIsInside", Moment(2025, 3, 5, 10), Moment(2025, 3, 5, 12, 1),
                  1, 2},
        LeadsCase{"ExactlyTheEndIsInside", Moment(2025, 3, 5, 10), Moment(2025, 3, 5, 18), 1, 2},
        LeadsCase{"AMinutePastTheEndIsPast", Moment(2025, 3, 5, 10), Moment(2025, 3, 5, 18, 1), 1,
                  3},
        // 59 seconds short of a minute count as no minute: 120 whole minutes.
        LeadsCase{"OnlyWholeMinutesCount", Moment(2025, 3, 5, 10), Moment(2025, 3, 5, 12, 0, 59), 1,
                  1},
        LeadsCase{"StatusTwoFollowsTheSameBands", Moment(2025, 3, 5, 10), Moment(2025, 3, 5, 11), 2,
                  1},
        LeadsCase{"StatusTwoPastTheEnd", Moment(2025, 3, 5, 10), Moment(2025, 3, 6, 10), 2, 3},
        LeadsCase{"StatusFiveIsKept", Moment(2025, 3, 5, 10), Moment(2025, 3, 6, 10), 5, 5},
        LeadsCase{"StatusZeroIsKept", Moment(2025, 3, 5, 10), Moment(2025, 3, 5, 10, 30), 0, 0},
        LeadsCase{"StatusThreeIsKeptEvenWhenFresh", Moment(2025, 3, 5, 10),
                  Moment(2025, 3, 5, 10, 30), 3, 3}));

TEST_F(BuscaStatusLeadsTest, WithoutParametersEveryWaitIsPastTheWindow) {
  // Start and end 0: even one minute is past them.
  EXPECT_EQ(dm.BuscaStatusLeads(1, 9, Moment(2025, 3, 5, 10), 1, Moment(2025, 3, 5, 10, 1)), 3);
  EXPECT_EQ(dm.BuscaStatusLeads(1, 9, Moment(2025, 3, 5, 10), 1, Moment(2025, 3, 5, 10)), 1);
}

TEST_F(BuscaStatusLeadsTest, DaysOffBetweenContactAndReferenceAreDeducted) {
  // Dealer 2: window of 2 to 20 hours. Friday 7 March 17:00 to Monday
  // 10 March 09:00 is 64 hours; Saturday and Sunday are days off (2 x 1440
  // minutes), leaving 3840 - 2880 = 960 minutes = 16 hours: inside (2).
  // Counting the weekend it would be past the window (3).
  SeedAlertaLeads(connection(), 2, 2, 20);
  SeedDia(connection(), 2, Moment(2025, 3, 7), "N");
  SeedDia(connection(), 2, Moment(2025, 3, 8), "D");
  SeedDia(connection(), 2, Moment(2025, 3, 9), "D");
  SeedDia(connection(), 2, Moment(2025, 3, 10), "N");
  EXPECT_EQ(dm.BuscaStatusLeads(1, 2, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 2);
  // Without days off in the calendar the same wait is past the window.
  EXPECT_EQ(dm.BuscaStatusLeads(1, 1, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 3);
}

TEST_F(BuscaStatusLeadsTest, OnAHolidayProcessingDayOnlyItsElapsedPartIsDeducted) {
  // Dealer 2, window 6 to 20 hours. Friday 17:00 to Monday 09:00 (3840
  // minutes); Saturday, Sunday and Monday are days off and Monday is the
  // processing day: 3 x 1440 less the 899 whole minutes from 09:00 to
  // 23:59:59 = 3421 minutes off. 3840 - 3421 = 419 minutes = 6.98 hours:
  // past the start (6), inside the end (2). Deducting the whole Monday would
  // leave -480 minutes, within the start (1).
  SeedAlertaLeads(connection(), 2, 6, 20);
  SeedDia(connection(), 2, Moment(2025, 3, 8), "D");
  SeedDia(connection(), 2, Moment(2025, 3, 9), "D");
  SeedDia(connection(), 2, Moment(2025, 3, 10), "F");
  dm.SettPvDataProcessamento(Moment(2025, 3, 10));
  EXPECT_EQ(dm.BuscaStatusLeads(1, 2, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 2);
}

}  // namespace
}  // namespace veiculo::testing
