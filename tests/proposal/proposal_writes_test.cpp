// What the proposal operations write: cdsProposta's post and delete, the
// trade-in over-allowance, frozen optional values, the F&I reservation extension.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/db/client_dataset.h"
#include "proposal/proposal_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

using platform::DataSetState;

TEST_F(ProposalDbTest, CdsPropostaWritesAtOnceAndKeepsARefusedChange) {
  const std::string carregada = "1, 60, '1', 'Cliente aguarda', 'V60'";
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, SITUACAO, OBSERVACAO, VEICULO", {carregada});
  platform::ClientDataSet& cds = *dm.cdsProposta;
  for (auto [name, value] : {std::pair{"EMPRESA", 1}, {"REVENDA", 1}, {"PROPOSTA", 60}})
    cds.ParamByName(name).SetAsInteger(value);
  cds.Open();
  const char* proposta = "select NEGOCIACAO_FINAL, SITUACAO, OBSERVACAO, VEICULO from VEI_PROPOSTA";
  // The row changed behind the dataset: the delete no longer finds it as read.
  Sql("update VEI_PROPOSTA set SITUACAO = '5'");
  EXPECT_THROW(cds.Delete(), Error);
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 1);
  EXPECT_EQ(Rows(proposta)[0][1], "5");
  // Removed in the meantime: the update finds nothing and stays pending.
  Sql("delete from VEI_PROPOSTA");
  cds.Edit();
  cds.FieldByName("SITUACAO").SetAsText("2");
  EXPECT_THROW(cds.Post(), Error);
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_EQ(cds.ChangeCount(), 1);
  EXPECT_EQ(cds.FieldByName("SITUACAO").AsText(), "2");
  cds.Cancel();  // discards it: the row reads as it was loaded
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(cds.FieldByName("SITUACAO").AsText(), "1");

  // With the row back as loaded, a post writes it at once and a delete removes it.
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, SITUACAO, OBSERVACAO, VEICULO", {carregada});
  cds.Edit();
  cds.FieldByName("NEGOCIACAO_FINAL").SetAsInteger(2);
  cds.FieldByName("OBSERVACAO").SetAsText("Trib Aprox R$ 10,00\r\nd'Ávila");
  cds.Post();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  // Columns outside the query are not touched.
  EXPECT_EQ(Rows(proposta), (TextRows{{"2", "1", "Trib Aprox R$ 10,00\r\nd'Ávila", "V60"}}));
  cds.Delete();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 0);
  EXPECT_TRUE(Rows(proposta).empty());
}

TEST_F(ProposalDbTest, GravaDiferencaAvaliacaoSaidaBooksTheOverAllowanceOnce) {
  Insert("VEI_AVALIACAO", "AVALIACAO, VAL_AVALIACAO", {"123, 23500", "124, 18000", "125, 11250"});
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, VEICULO",
         {"1, 40, 'V40'", "1, 41, 'V40'", "1, 42, 'V40'", "1, 43, 'V''43'", "1, 44, null"});
  int numero = 0;
  auto pagamentos = [&](int proposta, std::initializer_list<std::string> rows) {
    for (const std::string& row : rows)  // NEGOCIACAO, IDENTIFICACAO, VAL_PAGAMENTO
      Insert("VEI_PAGAMENTO",
             "REVENDA, PROPOSTA, NUMERO_PAGAMENTO, NEGOCIACAO, IDENTIFICACAO, VAL_PAGAMENTO",
             {"1, " + std::to_string(proposta) + ", " + std::to_string(++numero) + ", " + row});
  };
  auto grava = [&](int proposta, const char* data = "14/03/2025", const char* banco = "INTERBASE") {
    return dm.GravaDiferencaAvaliacaoSaida(banco, data, 1, 1, proposta, 1, 77);
  };
  // 25.000,00 - 23.500,00; the cash and the trade-in at its appraisal add nothing.
  pagamentos(40, {"1, 'AV.0000123', 25000", "1, 'DINHEIRO', 10000", "1, 'AV.0000124', 18000"});
  // 1.500,00 + (12.000,00 - 11.250,00 = 750,00).
  pagamentos(41, {"1, 'AV.0000123', 25000", "1, 'AV.0000125', 12000"});
  pagamentos(42, {"1, 'AV.0000124', 18000", "1, 'AV.0000123', 23499.99"});  // at and a cent below
  pagamentos(43, {"1, 'AV.0000123', 23600.5"});                             // 100,50
  pagamentos(44, {"1, 'AV.0000123', 25000"});                               // no vehicle: nothing
  for (int proposta : {40, 41, 42, 43, 44})
    pagamentos(proposta, {"2, 'AV.0000123', 99999"});  // another negotiation does not count
  for (int vez : {1, 2})
    for (int proposta : {40, 41, 42, 43, 44}) EXPECT_TRUE(grava(proposta)) << vez << proposta;
  const char* despesas =
      "select VEICULO, DOCUMENTO, CONTADOR, DESPESA, TIPO, DTA_DESPESA_VEICULO, "
      "VAL_DESPESA_VEICULO, COMPOE_CUSTO_CONTABIL from VEI_DESPESA_VEICULO";
  EXPECT_EQ(Rows(despesas),
            (TextRows{{"V40", "40", "0", "77", "NF", "2025-03-14T00:00:00", "1500.00", "N"},
                      {"V40", "41", "0", "77", "NF", "2025-03-14T00:00:00", "2250.00", "N"},
                      {"V'43", "43", "0", "77", "NF", "2025-03-14T00:00:00", "100.50", "N"}}));
  // Bad input raises before anything is written; database failures come
  // back as false. Neither books anything.
  Sql("delete from VEI_DESPESA_VEICULO");
  EXPECT_THROW(grava(40, "31/02/2025"), Error);  // no such date
  EXPECT_THROW(grava(40, "ontem"), Error);
  EXPECT_THROW(grava(40, "14/03/2025", "DBASE"), Error);  // no such database kind
  EXPECT_TRUE(Rows(despesas).empty());
  EXPECT_FALSE(dm.sdsAux->Active());
  pagamentos(41, {"1, 'AV.ABC', 25000"});  // a malformed appraisal number
  EXPECT_FALSE(grava(41));
}

TEST_F(ProposalDbTest, CongelaValoresTakesTheProposalElseTheEditionElseTheModel) {
  Sql("insert into OFI_FICHA_SEGUIMENTO (CHASSI, ANO_MODELO, EDICAO) values ('9BW''X1', 2025, "
      "'ED1')");
  Insert("VEI_OPCIONAL_MODELO", "MODELO, OPCIONAL, VAL_OPCIONAL",
         {"'M1', 'O1', 1000", "'M1', 'O2', 700", "'M1', 'O3', 600", "'M1', 'O4', 400"});
  // Edition values for 2025/ED1 of O1 and O2; O3's is another model year's.
  Insert("VEI_OPCIONAL_MODELO_EDICAO", "MODELO, EDICAO, OPCIONAL, ANO_MODELO, VAL_OPCIONAL",
         {"'M1', 'ED1', 'O1', 2025, 1200", "'M1', 'ED1', 'O2', 2025, 800",
          "'M1', 'ED1', 'O3', 2024, 650"});
  // Proposal 30 froze O1, and O9 that the vehicle lacks; proposal 31 has O1 at 1100.
  Insert("VEI_PROPOSTA_OPCIONAL", "REVENDA, PROPOSTA, OPCIONAL, VAL_OPCIONAL",
         {"1, 30, 'O1', 1500", "1, 30, 'O9', 50", "1, 31, 'O1', 1100"});
  Insert(
      "OFI_FICHA_OPCIONAL", "MODELO, CHASSI, OPCIONAL, VAL_OPCIONAL",
      {"'M1', '9BW''X1', 'O1', null", "'M1', '9BW''X1', 'O2', null", "'M1', '9BW''X1', 'O3', null",
       "'M1', '9BW''X1', 'O4', 999", "'M1', 'OUTRO', 'O2', null"});
  // O1 proposal 1500 (not edition 1200 nor model 1000); O2 edition 800; O3
  // model 600; O4 keeps 999. O9 leaves the proposal's list.
  const TextRows frozen{{"O1", "1500.00"}, {"O2", "800.00"}, {"O3", "600.00"}, {"O4", "999.00"}};
  auto lista = [&](const std::string& where) {
    return Rows("select OPCIONAL, VAL_OPCIONAL from " + where + " order by OPCIONAL");
  };
  dm.CongelaValoresDaProposta("9BW'X1", 1, 1, 30);
  EXPECT_EQ(lista("OFI_FICHA_OPCIONAL where CHASSI = '9BW''X1'"), frozen);
  EXPECT_EQ(lista("OFI_FICHA_OPCIONAL where CHASSI = 'OUTRO'"), (TextRows{{"O2", "NULL"}}));
  EXPECT_EQ(lista("VEI_PROPOSTA_OPCIONAL where PROPOSTA = 30"), frozen);
  EXPECT_EQ(lista("VEI_PROPOSTA_OPCIONAL where PROPOSTA = 31"), (TextRows{{"O1", "1100.00"}}));
  // Later price changes do not reach frozen values; another proposal of the
  // vehicle takes them (31's O1 becomes 1500).
  Sql("update VEI_OPCIONAL_MODELO set VAL_OPCIONAL = 1");
  Sql("update VEI_OPCIONAL_MODELO_EDICAO set VAL_OPCIONAL = 1");
  dm.CongelaValoresDaProposta("9BW'X1", 1, 1, 30);
  dm.CongelaValoresDaProposta("9BW'X1", 1, 1, 31);
  EXPECT_EQ(lista("VEI_PROPOSTA_OPCIONAL where PROPOSTA = 30"), frozen);
  EXPECT_EQ(lista("VEI_PROPOSTA_OPCIONAL where PROPOSTA = 31"), frozen);
}

TEST_F(ProposalDbTest, ProrrogaReservaAprovacaoFIExtendsTheReservationAndRecordsIt) {
  dm.SetiPvUsuario(9);
  // Dealer 1 extends by 24 hours, dealer 2 has the hours but not the switch,
  // dealer 3 has no parameters. V51 is not reserved.
  Insert("VEI_PARAMETRO", "REVENDA, RESERVA_PROCESSOS, TEMPO_RESERVA_APROVOU_FI",
         {"1, 'S', 24", "2, 'N', 24"});
  Insert("VEI_VEICULO", "VEICULO, DTA_FIM_RESERVA", {"'V50', '2025-03-15 18:00'", "'V51', null"});
  Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, VEICULO",
         {"1, 50, 'V50'", "2, 50, 'V50'", "3, 50, 'V50'", "1, 51, 'V51'"});
  // The history ids run over the whole table: 41 belongs to company 2.
  Sql("insert into VEI_HISTORICO_RESERVA (ID_HIST_RESERVA, EMPRESA) values (41, 2)");
  const double processamento = Moment(2025, 3, 14, 10, 20, 30);
  const char* reservas = "select VEICULO, DTA_FIM_RESERVA from VEI_VEICULO order by VEICULO";
  const char* historico =
      "select ID_HIST_RESERVA, EMPRESA, REVENDA, VEICULO, DATA_ALTERACAO, USUARIO, "
      "HORAS_ACRESC, ALTERACAO from VEI_HISTORICO_RESERVA where ID_HIST_RESERVA > 41";
  // Dealer 2, dealer 3, V51 and the unknown 99: nothing is extended.
  for (auto [revenda, proposta] : {std::pair{2, 50}, {3, 50}, {1, 51}, {1, 99}})
    peer.ProrrogaReservaAprovacaoFI(1, revenda, proposta, processamento);
  EXPECT_EQ(Rows(reservas), (TextRows{{"V50", "2025-03-15T18:00:00"}, {"V51", "NULL"}}));
  EXPECT_TRUE(Rows(historico).empty());
  peer.ProrrogaReservaAprovacaoFI(1, 1, 50, processamento);  // 15/03 18:00 + 24 h
  EXPECT_EQ(Rows(reservas), (TextRows{{"V50", "2025-03-16T18:00:00"}, {"V51", "NULL"}}));
  EXPECT_EQ(Rows(historico),
            (TextRows{{"42", "1", "1", "V50", "2025-03-14T10:20:30", "9", "24", "Aprovação F&I"}}));
  // Fractions of a day are kept: 16/03 18:00 + 5 h.
  Sql("update VEI_PARAMETRO set TEMPO_RESERVA_APROVOU_FI = 5");
  peer.ProrrogaReservaAprovacaoFI(1, 1, 50, processamento);
  EXPECT_EQ(One("select max(DTA_FIM_RESERVA) from VEI_VEICULO"), "2025-03-16T23:00:00");
  EXPECT_EQ(One("select max(ID_HIST_RESERVA) from VEI_HISTORICO_RESERVA"), "43");
  // On an empty history the first line is 1.
  Sql("delete from VEI_HISTORICO_RESERVA");
  peer.GravaHistoricoReserva(1, 1, "V'50", processamento, 12);
  EXPECT_EQ(Rows("select ID_HIST_RESERVA, VEICULO, HORAS_ACRESC from VEI_HISTORICO_RESERVA"),
            (TextRows{{"1", "V'50", "12"}}));
}

}  // namespace
}  // namespace veiculo::testing
