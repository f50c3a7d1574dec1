// What a rejection writes: the proposal, negotiations, payments, message,
// contact, reservation, optionals and expenses; the brand "TOYO" keeps the
// order and the reservation; the delivery schedule of RejeitarPropostaStr;
// a vehicle created for a direct sale deleted with every row on it; and
// RejeitarNegociacao.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proposal/rejection_seed.h"
#include "support/row_lines.h"

namespace veiculo::testing {
namespace {

TEST_F(RejectionTest, ARejectionCancelsTheProposalAndReleasesWhatHangsOnIt) {
  Insert(connection(), "VEI_VEICULO", "EMPRESA VEICULO RESERVADO CLIENTE_RESERVA",
         {I(1), T("V2"), T("S"), I(40001)});
  Chamada chamada;
  chamada.motivo = "Cliente d'Ávila desistiu";  // a quote stays text
  chamada.concessionaria = "Filial'; delete from VEI_VEICULO; --";
  ASSERT_EQ(Rejeita(chamada), "OK|");

  EXPECT_EQ(Read("select SITUACAO, NEGOCIACAO_FINAL, PEDIDO, VEICULO from VEI_PROPOSTA"),
            Lines{"8|NULL|NULL|V1"});
  // User 9 rejected both; the financing approval stays without F&I Brasil.
  EXPECT_EQ(Read("select NEGOCIACAO, APR_GERENCIAL, USU_GERENCIAL, DTA_APR_GERENCIAL, "
                 "APR_FINANCIAMENTO from VEI_NEGOCIACAO order by NEGOCIACAO"),
            (Lines{"1|R|9|NULL|A", "2|R|9|NULL|NULL"}));
  EXPECT_EQ(Read("select SITUACAO from VEI_PAGAMENTO"), (Lines{"R", "R"}));
  // The salesperson's user 5 is told, stamped on the processing date at the clock's time.
  EXPECT_EQ(
      Read("select DTA_MENSAGEM, USUARIO_ORIGEM, USUARIO_DESTINO, ASSUNTO, MENSAGEM, "
           "SITUACAO from GER_MENSAGEM"),
      Lines{"2025-03-14T16:20:05|9|5|Proposta Nr.[100] Rejeitada|Proposta Nr.[100] Rejeitada|N"});
  EXPECT_EQ(One("select count(*) from VEI_MENSAGEM_PROPOSTA where PROPOSTA = 100 and "
                "USUARIO_DESTINO = 5"),
            "1");
  // The contact is closed with a cancellation action (3), which gets the
  // reason and the dealership; the earlier actions keep theirs.
  EXPECT_EQ(One("select SITUACAO from CAC_CONTATO"), "F");
  EXPECT_EQ(Read("select PROVIDENCIA, TIPO_PROVIDENCIA, DES_PROVIDENCIA, MOTIVO, "
                 "CONCESSIONARIA from CAC_PROVIDENCIA order by PROVIDENCIA"),
            (Lines{"1|NULL|NULL|antes|NULL", "2|NULL|NULL|antes|NULL",
                   "3|F|CANCELAMENTO DA PROPOSTA NR.[100]|Cliente d'Ávila desistiu|Filial'; "
                   "delete from VEI_VEICULO; --"}));
  // The proposal's vehicle is released; V2, reserved for the same customer
  // under another proposal, keeps its reservation.
  EXPECT_EQ(Read("select VEICULO, RESERVADO, CLIENTE_RESERVA, VENDEDOR_RESERVA, DTA_RESERVA "
                 "from VEI_VEICULO where VEICULO = 'V1'"),
            Lines{"V1|N|NULL|NULL|NULL"});
  EXPECT_EQ(One("select RESERVADO from VEI_VEICULO where VEICULO = 'V2'"), "S");
  EXPECT_EQ(One("select VAL_OPCIONAL from OFI_FICHA_OPCIONAL"), "NULL");
  EXPECT_EQ(Read("select DESPESA from VEI_DESPESA_VEICULO"), Lines{"91"});
}

TEST_F(RejectionTest, WhatStaysByBrandReservationAndReason) {
  struct Case {
    const char* nome;
    const char* sql;  // a change to the seeded proposal
    bool providencia;
    std::string motivo;
    const char* consulta;
    Lines esperado;
  };
  // clang-format off
  const Case cases[] = {
      {"TOYO keeps the order and the reservation", "update GER_REVENDA set MARCA = 'TOYO'", true,
       "Cliente desistiu",
       "select P.SITUACAO, PEDIDO, RESERVADO, CLIENTE_RESERVA from VEI_PROPOSTA P, VEI_VEICULO",
       {"8|555|S|40001"}},
      {"a reservation for another customer stays", "update VEI_VEICULO set CLIENTE_RESERVA = 40002",
       true, "Cliente desistiu",
       "select RESERVADO, CLIENTE_RESERVA, VENDEDOR_RESERVA from VEI_VEICULO", {"S|40002|11"}},
      // No action logged: the latest (2) gets the reason, empty as null, and
      // the contact stays open.
      {"an empty reason on the latest action", "", false, "",
       "select PROVIDENCIA, MOTIVO, CONCESSIONARIA, C.SITUACAO from CAC_PROVIDENCIA P join "
       "CAC_CONTATO C on C.CONTATO = P.CONTATO order by 1",
       {"1|antes|NULL|A", "2|NULL|Matriz|A"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nome);
    Exec("savepoint caso");
    if (*c.sql) Exec(c.sql);
    Chamada chamada;
    chamada.motivo = c.motivo;
    chamada.gerar_providencia = c.providencia;
    ASSERT_EQ(Rejeita(chamada), "OK|");
    EXPECT_EQ(Read(c.consulta), c.esperado);
    Exec("rollback to savepoint caso");
  }
}

TEST_F(RejectionTest, RejeitarPropostaStrReturnsTheRemovedDeliverySchedule) {
  InsertRows(connection(), "VEI_AGENDA_ENTREGA",
             "EMPRESA REVENDA PROPOSTA VEICULO DTA_ENTREGA_REAL",
             {{I(1), I(1), I(100), T("V1"), D(Moment(2025, 3, 20, 10, 0))},
              {I(1), I(1), I(200), T("V9"), D(Moment(2025, 3, 21, 9, 0))}});
  DataPacket agenda;  // what the caller holds: one field, no rows
  agenda.fields = {{"X", FieldType::Integer}};
  auto rejeita = [&](const std::string& data) {
    return module().RejeitarPropostaStr(&connection(), "INTERBASE", 1, 1, 100, 9, data, agenda, 0,
                                        "", "", "", false, "");
  };
  // Without the dealer's EXCLUIR_AGENDA_ENTREGA the caller's packet comes back as it was.
  Exec("savepoint sem");
  ASSERT_EQ(rejeita("14/03/2025"), "OK|");
  EXPECT_EQ(agenda.fields.size(), 1u);
  EXPECT_EQ(One("select count(*) from VEI_AGENDA_ENTREGA"), "2");
  Exec("rollback to savepoint sem");

  Exec("update VEI_PARAMETRO set EXCLUIR_AGENDA_ENTREGA = 'S'");
  ASSERT_EQ(rejeita("14/03/2025 08:00:00"), "OK|");
  ASSERT_EQ(agenda.rows.size(), 1u);
  EXPECT_EQ(agenda.rows[0][agenda.FieldIndex("PROPOSTA")].AsInteger(), 100);
  EXPECT_EQ(agenda.rows[0][agenda.FieldIndex("DTA_ENTREGA_REAL")].AsDateTime(),
            Moment(2025, 3, 20, 10, 0));
  EXPECT_EQ(One("select list(PROPOSTA) from VEI_AGENDA_ENTREGA"), "200");
  // A second after the first call's message (rolled back, but this
  // instance's messages stay a second apart).
  EXPECT_EQ(One("select DTA_MENSAGEM from GER_MENSAGEM"), "2025-03-14T16:20:06");

  EXPECT_VEICULO_ERROR(rejeita("2025-13-40"), ErrorCategory::Validation,
                       "RejeitarPropostaStr: pfDataProcessamento '2025-13-40' is not a local date");
}

// Every table the vehicle of a direct sale hangs on, in the order emptied.
// clang-format off
const std::vector<std::string> kTabelasVeiculo = {
    "CAC_VEICULO_SEL", "VEI_VEICULO_CUSTEIO", "VEI_VEICULO_CUSTEIO_HISTORICO",
    "VEI_AGENDA_ENTREGA", "REN_DADO_ADICIONAL", "FAT_CHECK_RESPOSTA", "FOR_BOLSA_VEICULO",
    "FOR_INF_VENDA_VEICULO", "GMC_AVISO_VENDA", "GMC_SIGA_VEICULO", "VWB_VEICULO_USADO",
    "VWB_VEICULO_VENDIDO", "VWB_VEI_NOVO_INTERNET", "CIT_AVISO_VENDA", "KIA_AVISO_VENDA",
    "VEI_FICHA_INDIVIDUAL_VEICULO", "VEI_DESPESA_VEICULO", "VEI_VEICULO"};
// clang-format on

TEST_F(RejectionTest, AVehicleCreatedForADirectSaleGoesWithEveryRowOnIt) {
  struct Case {
    std::string tipo;
    Value nota_entrada;
    bool excluido;
  };
  const std::vector<Case> cases = {{"D", Null(), true},
                                   {"F", I(0), true},
                                   {"D", I(4711), false},  // it came in on an invoice: stock
                                   {"N", Null(), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tipo);
    Exec("savepoint caso");
    Exec("update VEI_PROPOSTA set TIPO_VENDA = '" + c.tipo + "'");
    Insert(connection(), "VEI_VEICULO", "EMPRESA VEICULO NUMERO_NOTA_NFENTRADA",
           {I(1), T("V9"), I(1)});  // another vehicle, whose rows stay
    Exec("update VEI_VEICULO set NUMERO_NOTA_NFENTRADA = " +
         (c.nota_entrada.IsNull() ? std::string("NULL") : c.nota_entrada.AsText()) +
         " where VEICULO = 'V1'");
    Exec("delete from VEI_DESPESA_VEICULO");
    for (const std::string& tabela : kTabelasVeiculo)
      for (const char* veiculo : {"V1", "V9"}) {
        // Two tables key their rows by more than the vehicle.
        if (tabela == "VEI_VEICULO")
          continue;
        else if (tabela == "VEI_VEICULO_CUSTEIO")
          Insert(connection(), tabela, "EMPRESA VEICULO FORMULA LINHA_FORMULA",
                 {I(1), T(veiculo), T("F1"), I(1)});
        else if (tabela == "VEI_DESPESA_VEICULO")
          Insert(connection(), tabela, "EMPRESA VEICULO DESPESA DOCUMENTO CONTADOR",
                 {I(1), T(veiculo), I(91), I(100), I(0)});
        else
          Insert(connection(), tabela, "EMPRESA VEICULO", {I(1), T(veiculo)});
      }
    // A selection that names the company only as its origin.
    Insert(connection(), "CAC_VEICULO_SEL", "EMPRESA EMPRESA_ORIGEM VEICULO",
           {I(2), I(1), T("V1")});

    ASSERT_EQ(Rejeita(), "OK|");
    long restantes = 0;
    for (const std::string& tabela : kTabelasVeiculo)
      restantes += std::stol(One("select count(*) from " + tabela + " where VEICULO = 'V1'"));
    // 17 tables with one row each, CAC_VEICULO_SEL with two, and the vehicle: 19.
    EXPECT_EQ(restantes, c.excluido ? 0 : 19);
    for (const std::string& tabela : kTabelasVeiculo)
      EXPECT_EQ(One("select count(*) from " + tabela + " where VEICULO = 'V9'"), "1") << tabela;
    EXPECT_EQ(One("select coalesce(VEICULO, 'NULL') from VEI_PROPOSTA"),
              c.excluido ? "NULL" : "V1");
    Exec("rollback to savepoint caso");
  }
}

TEST_F(RejectionTest, ADatabaseErrorMidwayIsReportedForTheHostToRollBack) {
  Chamada chamada;
  chamada.motivo = std::string(600, 'x');  // MOTIVO holds 500 characters
  EXPECT_EQ(Rejeita(chamada), "NOK|Erro no cancelamento da proposta;");
  // The statements before it stay in the transaction: the host's to undo.
  EXPECT_EQ(Situacao(), "8");
}

TEST_F(RejectionTest, RejeitarNegociacaoRejectsOneNegotiationAndLeavesTheProposal) {
  auto rejeita = [&](int negociacao) {
    return module().RejeitarNegociacao(&connection(), "INTERBASE", 1, 1, 100, negociacao, 9,
                                       Day(2025, 3, 14), 2);
  };
  // The pending negotiation 2 is rejected; 1 keeps its approval.
  ASSERT_EQ(rejeita(2), "OK|");
  EXPECT_EQ(Read("select NEGOCIACAO, APR_GERENCIAL, USU_GERENCIAL, "
                 "APR_FINANCIAMENTO from VEI_NEGOCIACAO order by 1"),
            (Lines{"1|A|3|A", "2|R|9|NULL"}));
  EXPECT_EQ(Situacao(), "2");
  EXPECT_EQ(Read("select USUARIO_DESTINO, ASSUNTO, MENSAGEM from GER_MENSAGEM"),
            Lines{"5|Proposta/Negociação [100/2] Rejeitada|Proposta/Negociação [100/2] Rejeitada"});
  // Rejecting it again keeps the first rejection's user.
  Exec("update VEI_NEGOCIACAO set USU_GERENCIAL = 4 where NEGOCIACAO = 2");
  ASSERT_EQ(rejeita(2), "OK|");
  EXPECT_EQ(One("select USU_GERENCIAL from VEI_NEGOCIACAO where NEGOCIACAO = 2"), "4");

  Insert(connection(), "FAT_FRENTE_CAIXA", "EMPRESA REVENDA CONTATO SITUACAO",
         {I(1), I(1), I(701), T("P")});
  EXPECT_EQ(rejeita(1).rfind("NOK|Proposta com situação [Frente Caixa] não pode ser cancelada.", 0),
            0u);
  EXPECT_EQ(One("select APR_GERENCIAL from VEI_NEGOCIACAO where NEGOCIACAO = 1"), "A");
}

}  // namespace
}  // namespace veiculo::testing
