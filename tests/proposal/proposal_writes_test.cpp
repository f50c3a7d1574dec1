// What the proposal operations write: cdsProposta's post and delete, the
// trade-in over-allowance, frozen optional values, the F&I reservation extension.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "platform/db/client_dataset.h"
#include "support/kit.h"
#include "support/row_lines.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

using platform::DataSetState;
class ProposalWritesTest : public ModuleTest {};

TEST_F(ProposalWritesTest, CdsPropostaWritesAtOnceAndKeepsARefusedChange) {
  const char* colunas = "EMPRESA REVENDA PROPOSTA SITUACAO OBSERVACAO VEICULO";
  const std::vector<Value> carregada = {I(1), I(1), I(60), T("1"), T("Cliente aguarda"), T("V60")};
  Insert(connection(), "VEI_PROPOSTA", colunas, carregada);
  platform::ClientDataSet& cds = *module().cdsProposta;
  for (auto [name, value] : {std::pair{"EMPRESA", 1}, {"REVENDA", 1}, {"PROPOSTA", 60}})
    cds.ParamByName(name).SetAsInteger(value);
  cds.Open();
  const char* proposta = "select NEGOCIACAO_FINAL, SITUACAO, OBSERVACAO, VEICULO from VEI_PROPOSTA";
  // The row changed behind the dataset: the delete no longer finds it as read.
  Exec("update VEI_PROPOSTA set SITUACAO = '5'");
  EXPECT_THROW(cds.Delete(), Error);
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 1);
  EXPECT_EQ(Rows(proposta)[0][1], "5");
  // Removed in the meantime: the update finds nothing and stays pending.
  Exec("delete from VEI_PROPOSTA");
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
  Insert(connection(), "VEI_PROPOSTA", colunas, carregada);
  cds.Edit();
  cds.FieldByName("NEGOCIACAO_FINAL").SetAsInteger(2);
  cds.FieldByName("OBSERVACAO").SetAsText("Trib Aprox R$ 10,00\r\nd'Ávila");
  cds.Post();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  // Columns outside the query are not touched.
  EXPECT_EQ(Read(proposta), Lines{"2|1|Trib Aprox R$ 10,00\r\nd'Ávila|V60"});
  cds.Delete();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 0);
  EXPECT_TRUE(Rows(proposta).empty());
}

TEST_F(ProposalWritesTest, GravaDiferencaAvaliacaoSaidaBooksTheOverAllowanceOnce) {
  InsertRows(connection(), "VEI_AVALIACAO", "EMPRESA AVALIACAO VAL_AVALIACAO",
             {{I(1), I(123), I(23500)}, {I(1), I(124), I(18000)}, {I(1), I(125), I(11250)}});
  InsertRows(connection(), "VEI_PROPOSTA", "EMPRESA REVENDA PROPOSTA VEICULO",
             {{I(1), I(1), I(40), T("V40")},
              {I(1), I(1), I(41), T("V40")},
              {I(1), I(1), I(42), T("V40")},
              {I(1), I(1), I(43), T("V'43")},
              {I(1), I(1), I(44), Null()}});
  int numero = 0;
  // Payments of negotiation 1 unless told: {identification, amount}.
  auto pagamentos = [&](int proposta, std::initializer_list<std::pair<const char*, double>> rows,
                        int negociacao = 1) {
    for (const auto& [identificacao, valor] : rows)
      AddPayment(connection(), 1, proposta, negociacao, ++numero,
                 Cols("IDENTIFICACAO VAL_PAGAMENTO", {T(identificacao), F(valor)}));
  };
  auto grava = [&](int proposta, const char* data = "14/03/2025", const char* banco = "INTERBASE") {
    return module().GravaDiferencaAvaliacaoSaida(banco, data, 1, 1, proposta, 1, 77);
  };
  // 25.000,00 - 23.500,00; the cash and the trade-in at its appraisal add nothing.
  pagamentos(40, {{"AV.0000123", 25000}, {"DINHEIRO", 10000}, {"AV.0000124", 18000}});
  // 1.500,00 + (12.000,00 - 11.250,00 = 750,00).
  pagamentos(41, {{"AV.0000123", 25000}, {"AV.0000125", 12000}});
  pagamentos(42, {{"AV.0000124", 18000}, {"AV.0000123", 23499.99}});  // at and a cent below
  pagamentos(43, {{"AV.0000123", 23600.5}});                          // 100,50
  pagamentos(44, {{"AV.0000123", 25000}});                            // no vehicle: nothing
  for (int proposta : {40, 41, 42, 43, 44})
    pagamentos(proposta, {{"AV.0000123", 99999}}, 2);  // another negotiation does not count
  for (int vez : {1, 2})
    for (int proposta : {40, 41, 42, 43, 44}) EXPECT_TRUE(grava(proposta)) << vez << proposta;
  const char* despesas =
      "select VEICULO, DOCUMENTO, CONTADOR, DESPESA, TIPO, DTA_DESPESA_VEICULO, "
      "VAL_DESPESA_VEICULO, COMPOE_CUSTO_CONTABIL from VEI_DESPESA_VEICULO order by DOCUMENTO";
  EXPECT_EQ(Read(despesas), (Lines{"V40|40|0|77|NF|2025-03-14T00:00:00|1500.00|N",
                                   "V40|41|0|77|NF|2025-03-14T00:00:00|2250.00|N",
                                   "V'43|43|0|77|NF|2025-03-14T00:00:00|100.50|N"}));
  // The host sends the date in ISO: the booking moves to that day.
  const char* v40 =
      "select DTA_DESPESA_VEICULO, VAL_DESPESA_VEICULO from VEI_DESPESA_VEICULO "
      "where DOCUMENTO = 40";
  for (const char* data : {"2025-03-15", "2025-03-16T10:00:00"}) {
    ASSERT_TRUE(grava(40, data));
    EXPECT_EQ(Read(v40), Lines{std::string(data).substr(0, 10) + "T00:00:00|1500.00"});
  }
  // Bad input raises before any statement, so the booking is never deleted
  // without being written again.
  const std::string nao_data = "' is not a date (dd/mm/yyyy, YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)";
  const std::tuple<const char*, const char*, std::string> ruins[] = {
      {"DBASE", "14/03/2025",
       "pfBancoDados 'DBASE' is not a database kind (ORACLE, INTERBASE or SQLSERVER)"},
      {"INTERBASE", "ontem", "pfDataProcessamento 'ontem" + nao_data},
      {"INTERBASE", "31/02/2025", "pfDataProcessamento '31/02/2025" + nao_data},  // no such day
      {"INTERBASE", "", "pfDataProcessamento '" + nao_data}};
  const long antes = connection().StatementCount();
  for (const auto& [banco, data, mensagem] : ruins)
    EXPECT_VEICULO_ERROR(grava(40, data, banco), ErrorCategory::Validation,
                         "GravaDiferencaAvaliacaoSaida: " + mensagem);
  EXPECT_EQ(connection().StatementCount(), antes);
  EXPECT_EQ(Read(v40), Lines{"2025-03-16T00:00:00|1500.00"});
  EXPECT_FALSE(module().sdsAux->Active());
  // A database failure comes back as false.
  pagamentos(41, {{"AV.ABC", 25000}});  // a malformed appraisal number
  EXPECT_FALSE(grava(41));
}

TEST_F(ProposalWritesTest, CongelaValoresTakesTheProposalElseTheEditionElseTheModel) {
  Exec(
      "insert into OFI_FICHA_SEGUIMENTO (CHASSI, ANO_MODELO, EDICAO) values ('9BW''X1', 2025, "
      "'ED1')");
  InsertRows(connection(), "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL VAL_OPCIONAL",
             {{I(1), T("M1"), T("O1"), I(1000)},
              {I(1), T("M1"), T("O2"), I(700)},
              {I(1), T("M1"), T("O3"), I(600)},
              {I(1), T("M1"), T("O4"), I(400)}});
  // Edition values for 2025/ED1 of O1 and O2; O3's is another model year's.
  InsertRows(connection(), "VEI_OPCIONAL_MODELO_EDICAO",
             "EMPRESA MODELO EDICAO OPCIONAL ANO_MODELO VAL_OPCIONAL",
             {{I(1), T("M1"), T("ED1"), T("O1"), I(2025), I(1200)},
              {I(1), T("M1"), T("ED1"), T("O2"), I(2025), I(800)},
              {I(1), T("M1"), T("ED1"), T("O3"), I(2024), I(650)}});
  // Proposal 30 froze O1, and O9 that the vehicle lacks; proposal 31 has O1 at 1100.
  InsertRows(connection(), "VEI_PROPOSTA_OPCIONAL",
             "EMPRESA REVENDA PROPOSTA OPCIONAL VAL_OPCIONAL",
             {{I(1), I(1), I(30), T("O1"), I(1500)},
              {I(1), I(1), I(30), T("O9"), I(50)},
              {I(1), I(1), I(31), T("O1"), I(1100)}});
  InsertRows(connection(), "OFI_FICHA_OPCIONAL", "EMPRESA MODELO CHASSI OPCIONAL VAL_OPCIONAL",
             {{I(1), T("M1"), T("9BW'X1"), T("O1"), Null()},
              {I(1), T("M1"), T("9BW'X1"), T("O2"), Null()},
              {I(1), T("M1"), T("9BW'X1"), T("O3"), Null()},
              {I(1), T("M1"), T("9BW'X1"), T("O4"), I(999)},
              {I(1), T("M1"), T("OUTRO"), T("O2"), Null()}});
  // O1 proposal 1500 (not edition 1200 nor model 1000); O2 edition 800; O3
  // model 600; O4 keeps 999. O9 leaves the proposal's list.
  const Lines frozen{"O1|1500.00", "O2|800.00", "O3|600.00", "O4|999.00"};
  auto lista = [&](const std::string& where) {
    return Read("select OPCIONAL, VAL_OPCIONAL from " + where + " order by 1");
  };
  module().CongelaValoresDaProposta("9BW'X1", 1, 1, 30);
  EXPECT_EQ(lista("OFI_FICHA_OPCIONAL where CHASSI = '9BW''X1'"), frozen);
  EXPECT_EQ(lista("OFI_FICHA_OPCIONAL where CHASSI = 'OUTRO'"), Lines{"O2|NULL"});
  EXPECT_EQ(lista("VEI_PROPOSTA_OPCIONAL where PROPOSTA = 30"), frozen);
  EXPECT_EQ(lista("VEI_PROPOSTA_OPCIONAL where PROPOSTA = 31"), Lines{"O1|1100.00"});
  // Later price changes do not reach frozen values; another proposal of the
  // vehicle takes them (31's O1 becomes 1500).
  Exec("update VEI_OPCIONAL_MODELO set VAL_OPCIONAL = 1");
  Exec("update VEI_OPCIONAL_MODELO_EDICAO set VAL_OPCIONAL = 1");
  module().CongelaValoresDaProposta("9BW'X1", 1, 1, 30);
  module().CongelaValoresDaProposta("9BW'X1", 1, 1, 31);
  EXPECT_EQ(lista("VEI_PROPOSTA_OPCIONAL where PROPOSTA = 30"), frozen);
  EXPECT_EQ(lista("VEI_PROPOSTA_OPCIONAL where PROPOSTA = 31"), frozen);
}

TEST_F(ProposalWritesTest, ProrrogaReservaAprovacaoFIExtendsTheReservationAndRecordsIt) {
  module().SetiPvUsuario(9);
  // Dealer 1 extends by 24 hours, dealer 2 has the hours but not the switch,
  // dealer 3 has no parameters. V51 is not reserved.
  InsertRows(connection(), "VEI_PARAMETRO",
             "EMPRESA REVENDA RESERVA_PROCESSOS TEMPO_RESERVA_APROVOU_FI",
             {{I(1), I(1), T("S"), I(24)}, {I(1), I(2), T("N"), I(24)}});
  InsertRows(connection(), "VEI_VEICULO", "EMPRESA VEICULO DTA_FIM_RESERVA",
             {{I(1), T("V50"), D(Moment(2025, 3, 15, 18))}, {I(1), T("V51"), Null()}});
  InsertRows(connection(), "VEI_PROPOSTA", "EMPRESA REVENDA PROPOSTA VEICULO",
             {{I(1), I(1), I(50), T("V50")},
              {I(1), I(2), I(50), T("V50")},
              {I(1), I(3), I(50), T("V50")},
              {I(1), I(1), I(51), T("V51")}});
  // The history ids run over the whole table: 41 belongs to company 2.
  Exec("insert into VEI_HISTORICO_RESERVA (ID_HIST_RESERVA, EMPRESA) values (41, 2)");
  const double processamento = Moment(2025, 3, 14, 10, 20, 30);
  const char* reservas = "select VEICULO, DTA_FIM_RESERVA from VEI_VEICULO order by VEICULO";
  const char* historico =
      "select ID_HIST_RESERVA, EMPRESA, REVENDA, VEICULO, DATA_ALTERACAO, USUARIO, "
      "HORAS_ACRESC, ALTERACAO from VEI_HISTORICO_RESERVA where ID_HIST_RESERVA > 41";
  // Dealer 2, dealer 3, V51 and the unknown 99: nothing is extended.
  for (auto [revenda, proposta] : {std::pair{2, 50}, {3, 50}, {1, 51}, {1, 99}})
    peer().ProrrogaReservaAprovacaoFI(1, revenda, proposta, processamento);
  EXPECT_EQ(Read(reservas), (Lines{"V50|2025-03-15T18:00:00", "V51|NULL"}));
  EXPECT_TRUE(Rows(historico).empty());
  peer().ProrrogaReservaAprovacaoFI(1, 1, 50, processamento);  // 15/03 18:00 + 24 h
  EXPECT_EQ(Read(reservas), (Lines{"V50|2025-03-16T18:00:00", "V51|NULL"}));
  EXPECT_EQ(Read(historico), Lines{"42|1|1|V50|2025-03-14T10:20:30|9|24|Aprovação F&I"});
  // Fractions of a day are kept: 16/03 18:00 + 5 h.
  Exec("update VEI_PARAMETRO set TEMPO_RESERVA_APROVOU_FI = 5");
  peer().ProrrogaReservaAprovacaoFI(1, 1, 50, processamento);
  EXPECT_EQ(One("select max(DTA_FIM_RESERVA) from VEI_VEICULO"), "2025-03-16T23:00:00");
  EXPECT_EQ(One("select max(ID_HIST_RESERVA) from VEI_HISTORICO_RESERVA"), "43");
  // On an empty history the first line is 1.
  Exec("delete from VEI_HISTORICO_RESERVA");
  peer().GravaHistoricoReserva(1, 1, "V'50", processamento, 12);
  EXPECT_EQ(Read("select ID_HIST_RESERVA, VEICULO, HORAS_ACRESC from VEI_HISTORICO_RESERVA"),
            Lines{"1|V'50|12"});
}

}  // namespace
}  // namespace veiculo::testing
