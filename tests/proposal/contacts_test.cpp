// AtualizaContato (each action by brand, the contact form, bad input) and
// BuscaStatusLeads (the bands of the alert window, kept statuses, days off).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proposal/proposal_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

using Strings = std::vector<std::string>;
constexpr const char* kAgora = "2025-03-12T15:45:30";

class AtualizaContatoTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    // "Now" is the processing date 12 March with the clock's 15:45:30.
    dm.SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
    dm.SettPvDataProcessamento(Moment(2025, 3, 12));
    dm.SetiPvUsuario(9);
    dm.SetMens_Assunto("Proposta Nr.[30/1] Aprovada");
    dm.SetMens_Mensagem("Aprovada pelo gerente [D'Ávila]");
    Seed("VEI_PARAMETRO", {{"REVENDA", Int(1)}, {"FORMA_CONTATO", Int(5)}});
    Seed("VEI_PARAMETRO", {{"REVENDA", Int(2)}, {"FORMA_CONTATO", Int(8)}});
    // Contact 20 came in at 10:00 on the processing day and has actions 1 and 2;
    // contact 21's action 9 does not count.
    Seed("CAC_CONTATO", {{"REVENDA", Int(1)},
                         {"CONTATO", Int(20)},
                         {"CLIENTE", Int(500)},
                         {"DTA_CONTATO", At(2025, 3, 12, 10)},
                         {"SITUACAO", Txt("A")},
                         {"STATUS_LEADS", Int(2)},
                         {"USUARIO_ENCAMINHADO_ORIGINAL", Int(4)}});
    Seed("CAC_CONTATO", {{"REVENDA", Int(1)}, {"CONTATO", Int(21)}});
    for (auto [contato, providencia] : {std::pair{20, 1}, {20, 2}, {21, 9}})
      Seed("CAC_PROVIDENCIA",
           {{"REVENDA", Int(1)}, {"CONTATO", Int(contato)}, {"PROVIDENCIA", Int(providencia)}});
  }
  Strings Contato() {
    return Rows(
        "select SITUACAO, RESULTADO, STATUS_LEADS, DTA_FECHAMENTO from CAC_CONTATO "
        "where REVENDA = 1 and CONTATO = 20")[0];
  }
  // The action written by the call: number 3 of contact 20.
  TextRows NovaProvidencia() {
    return Rows(
        "select PROVIDENCIA, USUARIO, FORMA_CONTATO, SUB_TIPO_PROVIDENCIA, ATIVO_PASSIVO, "
        "USUARIO_ENCAMINHADO, TIPO_PROVIDENCIA, AGENDA_TIPO_PROV, DTA_PROVIDENCIA, "
        "DES_PROVIDENCIA, POSSIBILIDADE_FECHAR from CAC_PROVIDENCIA where REVENDA = 1 "
        "and CONTATO = 20 and PROVIDENCIA > 2");
  }
};

Strings Providencia(const char* sub_tipo, const char* tipo, const char* agenda, const char* texto) {
  return {"3", "9", "5", sub_tipo, "P", "4", tipo, agenda, kAgora, texto, "0"};
}

struct ContatoCase {
  const char* acao;
  const char* marca;
  double alerta_ini, alerta_fim;  // the lead window of dealer 1, in hours
  Strings contato;
};

// The contact came in at 10:00 and "now" is 15:45:30: 345 whole minutes,
// 5.75 hours of waiting, classified on a RENA reopening.
const ContatoCase kContatoCases[] = {
    {"CANCELAR", "RENA", 2, 8, {"F", "P", "6", kAgora}},  // RENA closes the lead as 6
    {"CANCELAR", "FORD", 2, 8, {"F", "P", "2", kAgora}},
    {"REABRIR", "RENA", 6, 8, {"A", "NULL", "4", "NULL"}},  // 5.75 <= 6: within the start
    {"REABRIR", "RENA", 2, 8, {"A", "NULL", "2", "NULL"}},  // 2 < 5.75 <= 8: inside
    {"REABRIR", "RENA", 1, 4, {"A", "NULL", "3", "NULL"}},  // 5.75 > 4: past the window
    {"REABRIR", "TOYO", 6, 8, {"A", "NULL", "2", "NULL"}},
    {"APROVAR", "RENA", 2, 8, {"A", "NULL", "2", "NULL"}},
};

TEST_F(AtualizaContatoTest, UpdatesTheContactAndLogsTheAction) {
  for (const ContatoCase& c : kContatoCases) {
    SCOPED_TRACE(std::string(c.acao) + " " + c.marca + " " + std::to_string(c.alerta_ini));
    connection().ExecuteDirect("delete from CAC_PARAMETRO");
    connection().ExecuteDirect(
        "update CAC_CONTATO set SITUACAO = 'A', RESULTADO = null, STATUS_LEADS = 2, "
        "DTA_FECHAMENTO = null where CONTATO = 20");
    connection().ExecuteDirect("delete from CAC_PROVIDENCIA where PROVIDENCIA = 3");
    Seed("CAC_PARAMETRO", {{"REVENDA", Int(1)},
                           {"HORA_ALERTA_INI", Num(c.alerta_ini)},
                           {"HORA_ALERTA_FIM", Num(c.alerta_fim)}});
    peer.SetMarca(c.marca);
    dm.AtualizaContato(1, 1, 20, 30, c.acao, "");
    EXPECT_EQ(Contato(), c.contato);
    const std::string acao = c.acao;
    const Strings esperada =
        acao == "CANCELAR" ? Providencia("P", "F", "T", "CANCELAMENTO DA PROPOSTA NR.[30]")
        : acao == "REABRIR"
            ? Providencia("N", "C", "M", "REABERTURA DA PROPOSTA NR.[30]")
            : Providencia("N", "C", "M",
                          "APROVACAO GERENCIAL. Proposta Nr.[30/1] Aprovada. Aprovada pelo "
                          "gerente [D'Ávila]");
    EXPECT_EQ(NovaProvidencia(), TextRows{esperada});
  }
}

TEST_F(AtualizaContatoTest, TheContactFormIsTheGivenOneElseThisDealersElseNone) {
  dm.AtualizaContato(1, 1, 20, 30, "APROVAR", "7");
  EXPECT_EQ(NovaProvidencia()[0][2], "7");
  connection().ExecuteDirect("delete from CAC_PROVIDENCIA where PROVIDENCIA = 3");
  ASSERT_TRUE(dm.LerParametro(1, 2));  // dealer 2's form is 8: dealer 1's 5 must still win
  dm.AtualizaContato(1, 1, 20, 30, "APROVAR", "");
  EXPECT_EQ(NovaProvidencia()[0][2], "5");
  // Dealer 3 has no parameters: no form, and its contact's first action is 1.
  Seed("CAC_CONTATO", {{"REVENDA", Int(3)}, {"CONTATO", Int(20)}});
  dm.AtualizaContato(1, 3, 20, 30, "CANCELAR", "");
  EXPECT_EQ(Rows("select PROVIDENCIA, FORMA_CONTATO from CAC_PROVIDENCIA where REVENDA = 3"),
            (TextRows{{"1", "NULL"}}));
}

TEST_F(AtualizaContatoTest, BadInputRaisesBeforeWritingAnything) {
  peer.SetMarca("RENA");
  const long before = connection().StatementCount();
  try {
    dm.AtualizaContato(1, 1, 20, 30, "APROVADO", "");
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_EQ(e.message(),
              "AtualizaContato: unknown action 'APROVADO' (expected CANCELAR, REABRIR or APROVAR)");
  }
  EXPECT_EQ(connection().StatementCount(), before);
  EXPECT_THROW(dm.AtualizaContato(1, 1, 20, 30, "cancelar", ""),
               Error);  // codes are case-sensitive
  try {
    dm.AtualizaContato(1, 1, 20, 30, "CANCELAR", "5, 0); delete from CAC_CONTATO; --");
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
  }
  EXPECT_EQ(Contato(), (Strings{"A", "NULL", "2", "NULL"}));
  EXPECT_TRUE(NovaProvidencia().empty());
}

// ---- BuscaStatusLeads -------------------------------------------------------

class BuscaStatusLeadsTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    Alerta(1, 2, 8);
    dm.SettPvDataProcessamento(Moment(2025, 6, 30));  // away from every marked day
  }
  void Alerta(int revenda, double inicio, double fim) {
    Seed("CAC_PARAMETRO", {{"REVENDA", Int(revenda)},
                           {"HORA_ALERTA_INI", Num(inicio)},
                           {"HORA_ALERTA_FIM", Num(fim)}});
  }
  void Dia(int dia, const char* tipo) {  // a March day of dealer 2's calendar
    Seed("GER_CALENDARIO", {{"REVENDA", Int(2)},
                            {"DTA_CALENDARIO", Value::DateTime(Moment(2025, 3, dia))},
                            {"TIPO_DA_DATA", Txt(tipo)}});
  }
};

TEST_F(BuscaStatusLeadsTest, ClassifiesTheWait) {
  // Contact on 5 March 10:00; dealer 1's window is 2 to 8 hours, dealer 9 has
  // none (start and end 0).
  struct {
    int revenda, status, dia, hora, minuto, segundo, expected;
  } const cases[] = {
      {1, 1, 5, 11, 30, 0, 1},                          // 1.5 h: within the start
      {1, 1, 5, 12, 0, 0, 1},                           // exactly the start
      {1, 1, 5, 12, 1, 0, 2},                           // 121 min = 2.0167 h: inside
      {1, 1, 5, 18, 0, 0, 2},                           // exactly the end
      {1, 1, 5, 18, 1, 0, 3},                           // a minute past the end
      {1, 1, 5, 12, 0, 59, 1},                          // 59 s are no minute: 120 whole minutes
      {1, 2, 5, 11, 0, 0, 1},                           // status 2 follows the same bands
      {1, 2, 6, 10, 0, 0, 3},  {1, 5, 6, 10, 0, 0, 5},  // other statuses are kept
      {1, 0, 5, 10, 30, 0, 0}, {1, 3, 5, 10, 30, 0, 3},
      {9, 1, 5, 10, 1, 0, 3},  // no window: one minute is past it
      {9, 1, 5, 10, 0, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.revenda << " status " << c.status << " " << c.dia << " "
                                      << c.hora << ":" << c.minuto << ":" << c.segundo);
    EXPECT_EQ(dm.BuscaStatusLeads(1, c.revenda, Moment(2025, 3, 5, 10), c.status,
                                  Moment(2025, 3, c.dia, c.hora, c.minuto, c.segundo)),
              c.expected);
  }
}

TEST_F(BuscaStatusLeadsTest, DaysOffBetweenContactAndReferenceAreDeducted) {
  // Friday 7 March 17:00 to Monday 10 March 09:00 is 64 h = 3840 min; less
  // Saturday and Sunday off (2 x 1440) leaves 960 min = 16 h: inside 2..20 (2).
  // Dealer 1 has no days off: 64 h is past its 8 h (3).
  Alerta(2, 2, 20);
  Dia(7, "N"), Dia(8, "D"), Dia(9, "D"), Dia(10, "N");
  EXPECT_EQ(dm.BuscaStatusLeads(1, 2, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 2);
  EXPECT_EQ(dm.BuscaStatusLeads(1, 1, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 3);
}

TEST_F(BuscaStatusLeadsTest, OnAHolidayProcessingDayOnlyItsElapsedPartIsDeducted) {
  // Window 6 to 20 h. Saturday to Monday off, Monday the processing day:
  // 3 x 1440 less the 899 whole minutes from 09:00 to 23:59:59 = 3421 off;
  // 3840 - 3421 = 419 min = 6.98 h: inside (2). The whole Monday would leave
  // -480 min, within the start (1).
  Alerta(2, 6, 20);
  Dia(8, "D"), Dia(9, "D"), Dia(10, "F");
  dm.SettPvDataProcessamento(Moment(2025, 3, 10));
  EXPECT_EQ(dm.BuscaStatusLeads(1, 2, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 2);
}

}  // namespace
}  // namespace veiculo::testing
