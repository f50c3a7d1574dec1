// ProrrogaReservaAprovacaoFI and GravaHistoricoReserva: the reservation of a
// proposal's vehicle extended when the F&I financing is approved, and its
// history line.

#include <gtest/gtest.h>

#include <string>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

class ProrrogaReservaTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    dm.SetiPvUsuario(9);
    // Dealer 1 extends by 24 hours, dealer 2 has the hours but not the switch,
    // dealer 3 has no parameters.
    for (auto [revenda, reserva] : {std::pair{1, "S"}, {2, "N"}})
      Seed("VEI_PARAMETRO", {{"REVENDA", Int(revenda)},
                             {"RESERVA_PROCESSOS", Txt(reserva)},
                             {"TEMPO_RESERVA_APROVOU_FI", Int(24)}});
    Seed("VEI_VEICULO", {{"VEICULO", Txt("V50")}, {"DTA_FIM_RESERVA", At(2025, 3, 15, 18)}});
    Seed("VEI_VEICULO", {{"VEICULO", Txt("V51")}});  // not reserved
    for (int revenda : {1, 2, 3})
      Seed("VEI_PROPOSTA",
           {{"REVENDA", Int(revenda)}, {"PROPOSTA", Int(50)}, {"VEICULO", Txt("V50")}});
    Seed("VEI_PROPOSTA", {{"REVENDA", Int(1)}, {"PROPOSTA", Int(51)}, {"VEICULO", Txt("V51")}});
    // The history ids run over the whole table: 41 belongs to company 2.
    InsertRow(connection(), "VEI_HISTORICO_RESERVA",
              {{"ID_HIST_RESERVA", Int(41)}, {"EMPRESA", Int(2)}});
  }
  TextRows Reservas() {
    return Rows("select VEICULO, DTA_FIM_RESERVA from VEI_VEICULO order by VEICULO");
  }
  TextRows NovoHistorico() {
    return Rows(
        "select ID_HIST_RESERVA, EMPRESA, REVENDA, VEICULO, DATA_ALTERACAO, USUARIO, "
        "HORAS_ACRESC, ALTERACAO from VEI_HISTORICO_RESERVA where ID_HIST_RESERVA > 41");
  }
  const double processamento = Moment(2025, 3, 14, 10, 20, 30);
};

TEST_F(ProrrogaReservaTest, ExtendsTheReservationAndRecordsIt) {
  peer.ProrrogaReservaAprovacaoFI(1, 1, 50, processamento);
  // 15/03 18:00 + 24 h.
  EXPECT_EQ(Reservas(), (TextRows{{"V50", "2025-03-16T18:00:00"}, {"V51", "NULL"}}));
  EXPECT_EQ(NovoHistorico(),
            (TextRows{{"42", "1", "1", "V50", "2025-03-14T10:20:30", "9", "24", "Aprovação F&I"}}));
  // Fractions of a day are kept: 16/03 18:00 + 5 h.
  connection().ExecuteDirect("update VEI_PARAMETRO set TEMPO_RESERVA_APROVOU_FI = 5");
  peer.ProrrogaReservaAprovacaoFI(1, 1, 50, processamento);
  EXPECT_EQ(Reservas()[0][1], "2025-03-16T23:00:00");
  EXPECT_EQ(One("select max(ID_HIST_RESERVA) from VEI_HISTORICO_RESERVA"), "43");
}

TEST_F(ProrrogaReservaTest, NothingIsExtendedWithoutSwitchParametersReservationOrProposal) {
  // Dealer 2 (no switch), dealer 3 (no parameters), V51 (not reserved), 99 (unknown).
  for (auto [revenda, proposta] : {std::pair{2, 50}, {3, 50}, {1, 51}, {1, 99}})
    peer.ProrrogaReservaAprovacaoFI(1, revenda, proposta, processamento);
  EXPECT_EQ(Reservas(), (TextRows{{"V50", "2025-03-15T18:00:00"}, {"V51", "NULL"}}));
  EXPECT_TRUE(NovoHistorico().empty());
}

TEST_F(ProrrogaReservaTest, TheFirstHistoryLineIsOne) {
  connection().ExecuteDirect("delete from VEI_HISTORICO_RESERVA");
  peer.GravaHistoricoReserva(1, 1, "V'50", processamento, 12);
  EXPECT_EQ(Rows("select ID_HIST_RESERVA, VEICULO, HORAS_ACRESC from VEI_HISTORICO_RESERVA"),
            (TextRows{{"1", "V'50", "12"}}));
}

}  // namespace
}  // namespace veiculo::testing
