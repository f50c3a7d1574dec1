// AtualizaContato (actions by brand, contact form, bad input), BuscaStatusLeads
// (window bands, days off) and GravaMensagem (rows, stamps a second apart).

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/kit.h"
#include "support/row_lines.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

class ContactsTest : public ModuleTest {};

class AtualizaContatoTest : public ContactsTest {
 protected:
  void SetUp() override {
    ContactsTest::SetUp();
    // "Now" is the processing date 12 March with the clock's 15:45:30.
    module().SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
    module().SettPvDataProcessamento(Moment(2025, 3, 12));
    module().SetiPvUsuario(9);
    module().SetMens_Assunto("Proposta Nr.[30/1] Aprovada");
    module().SetMens_Mensagem("Aprovada pelo gerente [D'Ávila]");
    // Dealer 1: form 5, UB 2, PIS 1.65 + COFINS 7.6; dealer 2: form 8, UB 7, 0.65 + 3.
    InsertRows(connection(), "VEI_PARAMETRO", "EMPRESA REVENDA FORMA_CONTATO UB_PADRAO",
               {{I(1), I(1), I(5), I(2)}, {I(1), I(2), I(8), I(7)}});
    InsertRows(connection(), "GER_REVENDA", "EMPRESA REVENDA PCT_PIS PCT_COFINS",
               {{I(1), I(1), F(1.65), F(7.6)}, {I(1), I(2), F(0.65), F(3)}});
    // Contact 20 came in at 10:00 on the processing day with actions 1 and 2;
    // contact 21's action 9 does not count.
    InsertRows(connection(), "CAC_CONTATO",
               "EMPRESA REVENDA CONTATO CLIENTE DTA_CONTATO SITUACAO STATUS_LEADS "
               "USUARIO_ENCAMINHADO_ORIGINAL",
               {{I(1), I(1), I(20), I(500), D(Moment(2025, 3, 12, 10)), T("A"), I(2), I(4)},
                {I(1), I(1), I(21), Null(), Null(), Null(), Null(), Null()}});
    InsertRows(connection(), "CAC_PROVIDENCIA", "EMPRESA REVENDA CONTATO PROVIDENCIA",
               {{I(1), I(1), I(20), I(1)}, {I(1), I(1), I(20), I(2)}, {I(1), I(1), I(21), I(9)}});
  }
  std::string Contato() {
    return Read(
        "select SITUACAO, RESULTADO, STATUS_LEADS, DTA_FECHAMENTO from CAC_CONTATO "
        "where REVENDA = 1 and CONTATO = 20")[0];
  }
  // The action written by the call: number 3 of contact 20.
  Lines NovaProvidencia() {
    return Read(
        "select PROVIDENCIA, USUARIO, FORMA_CONTATO, SUB_TIPO_PROVIDENCIA, "
        "ATIVO_PASSIVO, USUARIO_ENCAMINHADO, TIPO_PROVIDENCIA, AGENDA_TIPO_PROV, "
        "DTA_PROVIDENCIA, DES_PROVIDENCIA, POSSIBILIDADE_FECHAR from CAC_PROVIDENCIA "
        "where REVENDA = 1 and CONTATO = 20 and PROVIDENCIA > 2");
  }
};

TEST_F(AtualizaContatoTest, UpdatesTheContactAndLogsTheAction) {
  const std::string cancela = "|2025-03-12T15:45:30|CANCELAMENTO DA PROPOSTA NR.[30]|0";
  const std::string reabre = "|2025-03-12T15:45:30|REABERTURA DA PROPOSTA NR.[30]|0";
  const std::string aprova =
      "|2025-03-12T15:45:30|APROVACAO GERENCIAL. Proposta Nr.[30/1] Aprovada. Aprovada pelo "
      "gerente [D'Ávila]|0";
  // The action: number 3, user 9, form 5, then its sub-type, "P", forwarded
  // to user 4, its type and agenda type.
  const std::string fecha = "3|9|5|P|P|4|F|T", abre = "3|9|5|N|P|4|C|M";
  struct {
    const char *acao, *marca;
    int alerta_ini, alerta_fim;  // dealer 1's lead window, in hours
    const char* contato;
    std::string providencia;
  } const cases[] = {
      // The contact came in at 10:00 and "now" is 15:45:30: 345 whole minutes,
      // 5.75 h of waiting, classified on a RENA reopening.
      {"CANCELAR", "RENA", 2, 8, "F|P|6|2025-03-12T15:45:30", fecha + cancela},  // RENA closes as 6
      {"CANCELAR", "FORD", 2, 8, "F|P|2|2025-03-12T15:45:30", fecha + cancela},
      {"REABRIR", "RENA", 6, 8, "A|NULL|4|NULL", abre + reabre},  // 5.75 <= 6: within
      {"REABRIR", "RENA", 2, 8, "A|NULL|2|NULL", abre + reabre},  // 2 < 5.75 <= 8
      {"REABRIR", "RENA", 1, 4, "A|NULL|3|NULL", abre + reabre},  // 5.75 > 4: past
      {"REABRIR", "TOYO", 6, 8, "A|NULL|2|NULL", abre + reabre},
      {"APROVAR", "RENA", 2, 8, "A|NULL|2|NULL", abre + aprova},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.acao) + " " + c.marca + " " + std::to_string(c.alerta_ini));
    Exec("savepoint caso");
    Insert(connection(), "CAC_PARAMETRO", "EMPRESA REVENDA HORA_ALERTA_INI HORA_ALERTA_FIM",
           {I(1), I(1), I(c.alerta_ini), I(c.alerta_fim)});
    peer().SetMarca(c.marca);
    module().AtualizaContato(1, 1, 20, 30, c.acao, "");
    EXPECT_EQ(Contato(), c.contato);
    EXPECT_EQ(NovaProvidencia(), Lines{c.providencia});
    Exec("rollback to savepoint caso");
  }
}

TEST_F(AtualizaContatoTest, TheContactFormIsTheGivenOneElseThisDealersElseNone) {
  module().AtualizaContato(1, 1, 20, 30, "APROVAR", "7");
  EXPECT_EQ(NovaProvidencia()[0].substr(0, 6), "3|9|7|");
  Exec("delete from CAC_PROVIDENCIA where PROVIDENCIA = 3");
  // Dealer 2's parameters are loaded: dealer 1's form 5 must still win, and
  // reading it leaves the loaded parameters alone.
  ASSERT_TRUE(module().LerParametro(1, 2));
  module().AtualizaContato(1, 1, 20, 30, "APROVAR", "");
  EXPECT_EQ(NovaProvidencia()[0].substr(0, 6), "3|9|5|");
  EXPECT_EQ(module().GetUB(), 7);
  EXPECT_NEAR(module().GetPis_Cofins(), 3.65, 1e-9);
  EXPECT_EQ(module().cdsParametro->FieldByName("REVENDA").AsInteger(), 2);
  EXPECT_EQ(peer().RevendaAnt(), 2);
  // Dealer 3 has no parameters: no form, and its contact's first action is 1.
  Insert(connection(), "CAC_CONTATO", "EMPRESA REVENDA CONTATO", {I(1), I(3), I(20)});
  module().AtualizaContato(1, 3, 20, 30, "CANCELAR", "");
  EXPECT_EQ(Read("select PROVIDENCIA, FORMA_CONTATO from CAC_PROVIDENCIA where REVENDA = 3"),
            Lines{"1|NULL"});
}

TEST_F(AtualizaContatoTest, BadInputRaisesBeforeWritingAnything) {
  peer().SetMarca("RENA");
  const long before = connection().StatementCount();
  EXPECT_VEICULO_ERROR(
      module().AtualizaContato(1, 1, 20, 30, "APROVADO", ""), ErrorCategory::Validation,
      "AtualizaContato: unknown action 'APROVADO' (expected CANCELAR, REABRIR or APROVAR)");
  EXPECT_VEICULO_ERROR(module().AtualizaContato(1, 1, 20, 30, "cancelar", ""),
                       ErrorCategory::Validation, "unknown action 'cancelar'");  // case-sensitive
  EXPECT_EQ(connection().StatementCount(), before);
  for (const char* acao : {"CANCELAR", "REABRIR", "APROVAR"}) {
    SCOPED_TRACE(acao);
    EXPECT_VEICULO_ERROR(
        module().AtualizaContato(1, 1, 20, 30, acao, "5, 0); delete from CAC_CONTATO; --"),
        ErrorCategory::Validation, "");
    // Contact 22 of dealer 1 and contact 20 of dealer 2 do not exist.
    EXPECT_VEICULO_ERROR(module().AtualizaContato(1, 1, 22, 30, acao, "5"), ErrorCategory::NotFound,
                         "AtualizaContato: contact 22 of dealer 1/1 does not exist");
    EXPECT_VEICULO_ERROR(module().AtualizaContato(1, 2, 20, 30, acao, "5"), ErrorCategory::NotFound,
                         "AtualizaContato: contact 20 of dealer 1/2 does not exist");
    // Without a processing date the action would be dated 30/12/1899.
    module().SettPvDataProcessamento(0);
    const long antes = connection().StatementCount();
    EXPECT_VEICULO_ERROR(
        module().AtualizaContato(1, 1, 20, 30, acao, "5"), ErrorCategory::Validation,
        "AtualizaContato: the processing date is not set (set tPvDataProcessamento)");
    EXPECT_EQ(connection().StatementCount(), antes);
    module().SettPvDataProcessamento(Moment(2025, 3, 12));
  }
  EXPECT_EQ(Contato(), "A|NULL|2|NULL");
  EXPECT_TRUE(NovaProvidencia().empty());
  EXPECT_EQ(One("select count(*) from CAC_PROVIDENCIA"), "3");
}

TEST_F(ContactsTest, BuscaStatusLeadsClassifiesTheWait) {
  // Contact on 5 March 10:00; dealer 1's window is 2 to 8 hours, dealer 9 has
  // none (start and end 0).
  Insert(connection(), "CAC_PARAMETRO", "EMPRESA REVENDA HORA_ALERTA_INI HORA_ALERTA_FIM",
         {I(1), I(1), I(2), I(8)});
  struct {
    int revenda, status, dia, hora, minuto, segundo, expected;
  } const cases[] = {
      // clang-format off
      {1, 1, 5, 11, 30, 0, 1}, {1, 1, 5, 12, 0, 0, 1},  // 1.5 h, exactly 2 h: within the start
      {1, 1, 5, 12, 1, 0, 2}, {1, 1, 5, 18, 0, 0, 2},   // 121 min = 2.0167 h, exactly 8 h: inside
      {1, 1, 5, 18, 1, 0, 3},                           // a minute past the end
      {1, 1, 5, 12, 0, 59, 1},                          // 59 s are no minute: 120 whole minutes
      {1, 2, 5, 11, 0, 0, 1}, {1, 2, 6, 10, 0, 0, 3},   // status 2 follows the same bands
      {1, 5, 6, 10, 0, 0, 5}, {1, 0, 5, 10, 30, 0, 0}, {1, 3, 5, 10, 30, 0, 3},  // others are kept
      {9, 1, 5, 10, 1, 0, 3}, {9, 1, 5, 10, 0, 0, 1},   // no window: one minute is past it
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(module().BuscaStatusLeads(1, c.revenda, Moment(2025, 3, 5, 10), c.status,
                                        Moment(2025, 3, c.dia, c.hora, c.minuto, c.segundo)),
              c.expected)
        << "row " << &c - cases;
}

TEST_F(ContactsTest, BuscaStatusLeadsDeductsTheDaysOffInBetween) {
  // Friday 7 March 17:00 to Monday 10 March 09:00 is 64 h = 3840 min; less
  // Saturday and Sunday off (2 x 1440) leaves 960 min = 16 h: inside 2..20 (2).
  // Dealer 1 has no days off: 64 h is past its 8 h (3).
  InsertRows(connection(), "CAC_PARAMETRO", "EMPRESA REVENDA HORA_ALERTA_INI HORA_ALERTA_FIM",
             {{I(1), I(1), I(2), I(8)}, {I(1), I(2), I(2), I(20)}});
  InsertRows(connection(), "GER_CALENDARIO", "EMPRESA REVENDA DTA_CALENDARIO TIPO_DA_DATA",
             {{I(1), I(2), D(Day(2025, 3, 7)), T("N")},
              {I(1), I(2), D(Day(2025, 3, 8)), T("D")},
              {I(1), I(2), D(Day(2025, 3, 9)), T("D")},
              {I(1), I(2), D(Day(2025, 3, 10)), T("N")}});
  EXPECT_EQ(module().BuscaStatusLeads(1, 2, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 2);
  EXPECT_EQ(module().BuscaStatusLeads(1, 1, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 3);
  // Window 6 to 20 h, Monday off too and the processing day: 3 x 1440 less
  // the 899 whole minutes from 09:00 to 23:59:59 = 3421 off; 3840 - 3421 =
  // 419 min = 6.98 h: inside (2). The whole Monday would leave -480 min (1).
  Exec("update CAC_PARAMETRO set HORA_ALERTA_INI = 6 where REVENDA = 2");
  Exec("update GER_CALENDARIO set TIPO_DA_DATA = 'F' where DTA_CALENDARIO = '2025-03-10'");
  module().SettPvDataProcessamento(Moment(2025, 3, 10));
  EXPECT_EQ(module().BuscaStatusLeads(1, 2, Moment(2025, 3, 7, 17), 1, Moment(2025, 3, 10, 9)), 2);
}

TEST_F(ContactsTest, GravaMensagemWritesTheRowsASecondApartWithoutWaiting) {
  // The stamps take the processing date's day (14 March) with the clock's time
  // of day, without the fraction of a second: 09:30:15.400 gives 09:30:15.
  auto relogio = [&](double now) { module().SetClock([now] { return now; }); };
  relogio(Moment(2025, 3, 10, 9, 30, 15) + 0.4 / 86400);
  const double dia = Moment(2025, 3, 14);
  const auto start = std::chrono::steady_clock::now();
  module().GravaMensagem(dia, 1, 2, 1, 5, 30, "Cliente d'Ávila: urgente", "Aprovada");
  module().GravaMensagem(dia, 1, 2, 1, 5, 0, "Aviso", "");  // no proposal; empty text is null
  module().GravaMensagem(dia, 1, 2, 1, 6, -3, "Aviso", "b");
  // Waiting a second per message would take three seconds at least.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  EXPECT_EQ(Read("select DTA_MENSAGEM, USUARIO_ORIGEM, USUARIO_DESTINO, ASSUNTO, MENSAGEM, "
                 "SITUACAO from GER_MENSAGEM order by 1"),
            (Lines{"2025-03-14T09:30:15|1|5|Cliente d'Ávila: urgente|Aprovada|N",
                   "2025-03-14T09:30:16|1|5|Aviso|NULL|N", "2025-03-14T09:30:17|1|6|Aviso|b|N"}));
  EXPECT_EQ(Read("select EMPRESA, REVENDA, PROPOSTA, DTA_MENSAGEM, USUARIO_ORIGEM, "
                 "USUARIO_DESTINO from VEI_MENSAGEM_PROPOSTA"),
            Lines{"1|2|30|2025-03-14T09:30:15|1|5"});

  auto grava = [&](double processamento) {
    module().GravaMensagem(processamento, 1, 1, 1, 5, 0, "Lote", "a");
  };
  // An earlier processing date keeps its own day: 09:30:15 on the 13th, not
  // pushed past the 14th's stamps; its second message a second later.
  grava(Moment(2025, 3, 13)), grava(Moment(2025, 3, 13));
  relogio(Moment(2025, 3, 10, 9, 31, 2)), grava(dia);   // a clock that moved on: its own time
  relogio(Moment(2025, 3, 10, 9, 30, 58)), grava(dia);  // one that went back: after 09:31:02
  relogio(Moment(2025, 3, 10, 23, 59, 59)), grava(dia), grava(dia);  // midnight: to the 15th
  EXPECT_EQ(Read("select DTA_MENSAGEM from GER_MENSAGEM where ASSUNTO = 'Lote' order by 1"),
            (Lines{"2025-03-13T09:30:15", "2025-03-13T09:30:16", "2025-03-14T09:31:02",
                   "2025-03-14T09:31:03", "2025-03-14T23:59:59", "2025-03-15T00:00:00"}));
  // Another instance keeps its own previous stamp.
  ModuleUnderTest other;
  other.InicializaDM();
  other.AtribuiConexao(&connection());
  other.SetClock([] { return Moment(2025, 3, 10, 8, 0, 0); });
  other.GravaMensagem(dia, 1, 1, 1, 5, 0, "Outra", "b");
  EXPECT_EQ(One("select min(DTA_MENSAGEM) from GER_MENSAGEM where DTA_MENSAGEM >= '2025-03-14'"),
            "2025-03-14T08:00:00");
}

}  // namespace
}  // namespace veiculo::testing
