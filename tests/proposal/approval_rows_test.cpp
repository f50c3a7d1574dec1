// What an approval writes: the approximate tax text in the observation, and
// the rows after approving negotiation 2 of proposal 30 with two rivals of
// the same vehicle (31 live, 32 already cancelled): negotiations, proposals,
// the reservation, the frozen optionals, messages and contact actions.

#include <gtest/gtest.h>

#include <string>

#include "proposal/approval.h"
#include "support/approval_builders.h"
#include "support/kit.h"
#include "support/row_lines.h"

namespace veiculo::testing {
namespace {

class ApprovalRowsTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    // "Now" is 12/03/2025 (the processing date) at the clock's 15:45:30.
    module().SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
    AddApprovalWorld(connection());
  }
  std::string Aprova(int negociacao, const std::string& banco = "INTERBASE") {
    return module().AprovacaoGerencialProposta(&connection(), banco, 1, 1, 30, negociacao, 9,
                                               Day(2025, 3, 12), 0);
  }
};

TEST_F(ApprovalRowsTest, TaxTextByTheRatesOfTheCustomersState) {
  // Sale base 98.765,43 (the payment; no freight, insurance, optionals or
  // discount). 13,45 % = 13.283,950335 -> 13283,95; 12 % = 11.851,8516 ->
  // 11851,85; 2,5 % = 2.469,13575 -> 2469,14 (halves away from zero).
  // Imported (origin 1) the federal rate is the import one: 20 % = 19753,09
  // (19.753,086).
  Exec("update VEI_PAGAMENTO set VAL_PAGAMENTO = 98765.43");
  Exec(
      "update VEI_PROPOSTA set OBSERVACAO = 'Trib Aprox R$ 1,00 Federal Fonte: IBPT' || "
      "ascii_char(13) || ascii_char(10) || '  Cliente pediu tapetes  '");
  const std::string fonte = " Fonte: IBPT\r\nCliente pediu tapetes";
  struct {
    const char* nome;
    int origem;
    Value estadual, municipal;
    std::string observacao;
    const char* banco = "INTERBASE";
  } const casos[] = {
      {"all three", 0, F(12), F(2.5),
       "Trib Aprox R$ 13283,95 Federal, 11851,85 Estadual  e 2469,14 Municipal " + fonte},
      {"federal and state", 0, F(12), Null(),
       "Trib Aprox R$ 13283,95 Federal e 11851,85 Estadual " + fonte},
      {"federal and municipal", 0, F(0), F(2.5),
       "Trib Aprox R$ 13283,95 Federal e 2469,14 Municipal " + fonte},
      {"imported goods", 1, Null(), Null(), "Trib Aprox R$ 19753,09 Federal" + fonte},
      // SUBSTRING instead of SUBSTR, adapted to the engine bound.
      {"all three, SQL Server's form", 0, F(12), F(2.5),
       "Trib Aprox R$ 13283,95 Federal, 11851,85 Estadual  e 2469,14 Municipal " + fonte,
       "SQLSERVER"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    Exec("savepoint caso");
    Exec("update GER_CODIGO_TRIBUTACAO set ORIGEM = " + std::to_string(c.origem));
    // The customer's delivery state (SP) counts; RJ's rates are a decoy.
    InsertRows(connection(), "FAT_IMPOSTO_NCM_NBS",
               "UF TABELA CODIGO PCT_ALIQ_IMPORTA PCT_ALIQ_NACIONAL PCT_ALIQ_ESTADUAL "
               "PCT_ALIQ_MUNICIPAL",
               {{T("SP"), I(0), T("87032310"), F(20), F(13.45), c.estadual, c.municipal},
                {T("RJ"), I(0), T("87032310"), F(1), F(1), F(1), F(1)},
                {T("SP"), I(1), T("87032310"), F(1), F(1), F(1), F(1)}});
    EXPECT_EQ(Aprova(1, c.banco), "OK|");
    EXPECT_EQ(One("select OBSERVACAO from VEI_PROPOSTA where PROPOSTA = 30"), c.observacao);
    Exec("rollback to savepoint caso");
  }
  // No rate: the observation is only cleaned of the old tax text.
  EXPECT_EQ(Aprova(1), "OK|");
  EXPECT_EQ(One("select '[' || OBSERVACAO || ']' from VEI_PROPOSTA where PROPOSTA = 30"),
            "[  Cliente pediu tapetes  ]");
}

TEST_F(ApprovalRowsTest, TaxTextJoinsTheAmountsPresent) {
  using proposal::TextoTributos;
  EXPECT_EQ(TextoTributos(0, 0, 0), "");
  EXPECT_EQ(TextoTributos(0, 5, 0), "Trib Aprox R$ 5,00 Estadual ");
  EXPECT_EQ(TextoTributos(0, 5, 1.5), "Trib Aprox R$ 5,00 Estadual  e 1,50 Municipal ");
  EXPECT_EQ(TextoTributos(0, 0, 1234567.8), "Trib Aprox R$ 1234567,80 Municipal ");
  // Without the marker nothing is cut; the marker without its line break
  // leaves nothing.
  EXPECT_EQ(proposal::ObservacaoSemTributos("Sem tributos"), "Sem tributos");
  EXPECT_EQ(proposal::ObservacaoSemTributos("X Fonte: IBPT"), "");
}

TEST_F(ApprovalRowsTest, ApprovingRejectsEveryRivalAndReservesTheVehicle) {
  // Proposal 30 has two negotiations; 2 is approved. Rival 31 (dealer 2,
  // salesperson 12 = user 3, contact 21) has two undecided negotiations;
  // rival 32 (salesperson 13 = user 4, contact 22) is already cancelled.
  AddNegotiation(connection(), 1, 30, 2,
                 Cols("VAL_VEICULO VAL_DESCONTO STATUS", {F(100000), F(0), T("N")}));
  AddRivalProposal(connection(), 2, 31, 12, 21, "1", Cols("NEGOCIACAO_FINAL", {I(1)}));
  AddNegotiation(connection(), 2, 31, 2, Cols("APR_GERENCIAL", {T("R")}));
  AddRivalProposal(connection(), 1, 32, 13, 22, "8");
  // V1's optionals: OP1 without a value (the model's 1.500,00), OP2 800,00.
  Insert(connection(), "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL VAL_OPCIONAL",
         {I(1), T("M1"), T("OP1"), F(1500)});
  InsertRows(
      connection(), "OFI_FICHA_OPCIONAL", "OPCIONAL EMPRESA CHASSI MODELO VAL_OPCIONAL",
      {{T("OP1"), I(1), T("CH1"), T("M1"), Null()}, {T("OP2"), I(1), T("CH1"), T("M1"), F(800)}});
  Insert(connection(), "VEI_PROPOSTA_OPCIONAL", "EMPRESA REVENDA PROPOSTA OPCIONAL VAL_OPCIONAL",
         {I(1), I(1), I(30), T("OLD"), F(1)});

  EXPECT_EQ(Aprova(2), "OK|");

  EXPECT_EQ(Read("select REVENDA, PROPOSTA, NEGOCIACAO, APR_GERENCIAL, USU_GERENCIAL, "
                 "DTA_APR_GERENCIAL from VEI_NEGOCIACAO order by REVENDA, PROPOSTA, NEGOCIACAO"),
            (Lines{"1|30|1|R|9|NULL", "1|30|2|A|9|2025-03-12T15:45:30",
                   "1|32|1|NULL|NULL|NULL",  // cancelled before: untouched
                   "2|31|1|R|9|NULL",        //
                   "2|31|2|R|NULL|NULL"}));  // already rejected: kept
  EXPECT_EQ(Read("select REVENDA, PROPOSTA, NEGOCIACAO_FINAL, SITUACAO, OBSERVACAO from "
                 "VEI_PROPOSTA order by REVENDA, PROPOSTA"),
            (Lines{"1|30|2|2|Cliente pediu tapetes", "1|32|NULL|8|NULL", "2|31|NULL|8|NULL"}));
  // Reserved for 48 hours from "now".
  EXPECT_EQ(Read("select CLIENTE_RESERVA, EMPRESA_VENDEDOR_RESERVA, REVENDA_VENDEDOR_RESERVA, "
                 "VENDEDOR_RESERVA, DTA_RESERVA, DTA_FIM_RESERVA, OBSERVACAO_RESERVA, RESERVADO "
                 "from VEI_VEICULO where VEICULO = 'V1'"),
            Lines{"500|1|1|11|2025-03-12T00:00:00|2025-03-14T15:45:30|NULL|S"});
  EXPECT_EQ(Read("select OPCIONAL, VAL_OPCIONAL from VEI_PROPOSTA_OPCIONAL where PROPOSTA = 30 "
                 "order by OPCIONAL"),
            (Lines{"OP1|1500.00", "OP2|800.00"}));
  // One message per proposal told, a second apart.
  EXPECT_EQ(Read("select DTA_MENSAGEM, USUARIO_ORIGEM, USUARIO_DESTINO, ASSUNTO, MENSAGEM, "
                 "SITUACAO from GER_MENSAGEM order by DTA_MENSAGEM"),
            (Lines{"2025-03-12T15:45:30|9|2|Proposta Nr.[30/2] Aprovada|Aprovada pelo gerente "
                   "[Gerente Silva]|N",
                   "2025-03-12T15:45:31|9|3|Proposta Nr.[31] Rejeitada|Nr. da proposta aprovada "
                   "[30]|N"}));
  EXPECT_EQ(Read("select REVENDA, PROPOSTA, DTA_MENSAGEM, USUARIO_ORIGEM, USUARIO_DESTINO from "
                 "VEI_MENSAGEM_PROPOSTA order by DTA_MENSAGEM"),
            (Lines{"1|30|2025-03-12T15:45:30|9|2", "2|31|2025-03-12T15:45:31|9|3"}));
  EXPECT_EQ(Read("select CONTATO, PROVIDENCIA, USUARIO, FORMA_CONTATO, TIPO_PROVIDENCIA, "
                 "DES_PROVIDENCIA from CAC_PROVIDENCIA order by CONTATO"),
            (Lines{"20|1|9|5|C|APROVACAO GERENCIAL. Proposta Nr.[30/2] Aprovada. Aprovada pelo "
                   "gerente [Gerente Silva]",
                   "21|1|9|NULL|F|CANCELAMENTO DA PROPOSTA NR.[31]"}));
  EXPECT_EQ(Read("select CONTATO, SITUACAO from CAC_CONTATO order by CONTATO"),
            (Lines{"20|A", "21|F", "22|A"}));
  // The holders keep the last message's values.
  EXPECT_EQ(module().GetMens_Assunto(), "Proposta Nr.[31] Rejeitada");
  EXPECT_EQ(module().GetiPvUsuario(), 9);
}

TEST_F(ApprovalRowsTest, WithoutVehicleTheOrderOrTheProposalItselfIsTheScope) {
  // Proposal 30 without a vehicle: another proposal without vehicle (33) is
  // no rival; with factory order 77, a proposal of the same order (34) is.
  // Proposal 30 also names no contact and no known salesperson: it is
  // approved all the same, without message or contact action.
  Exec("update VEI_PROPOSTA set VEICULO = NULL, CONTATO = NULL, VENDEDOR = 99");
  AddProposal(connection(), 1, 33, Cols("SITUACAO", {T("1")}));
  AddNegotiation(connection(), 1, 33, 1);
  AddProposal(connection(), 1, 34, Cols("SITUACAO PEDIDO", {T("1"), I(77)}));
  AddNegotiation(connection(), 1, 34, 1);
  const char* situacoes =
      "select list(SITUACAO, '') from (select SITUACAO from VEI_PROPOSTA "
      "order by PROPOSTA)";
  Exec("savepoint sem_pedido");
  EXPECT_EQ(Aprova(1), "OK|");
  EXPECT_EQ(One(situacoes), "211");
  EXPECT_EQ(One("select RESERVADO from VEI_VEICULO"), "NULL");  // no vehicle reserved
  EXPECT_EQ(One("select count(*) from GER_MENSAGEM") + One("select count(*) from CAC_PROVIDENCIA"),
            "00");
  Exec("rollback to savepoint sem_pedido");
  Exec("update VEI_PROPOSTA set PEDIDO = 77 where PROPOSTA = 30");
  EXPECT_EQ(Aprova(1), "OK|");
  EXPECT_EQ(One(situacoes), "218");
}

}  // namespace
}  // namespace veiculo::testing
