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
    // Dealer 1 extends by 24 hours, dealer 2 has the hours but not the
    // switch, dealer 3 has no parameters.
    SeedParametro(connection(), 1,
                  {{"RESERVA_PROCESSOS", Txt("S")}, {"TEMPO_RESERVA_APROVOU_FI", Int(24)}});
    SeedParametro(connection(), 2,
                  {{"RESERVA_PROCESSOS", Txt("N")}, {"TEMPO_RESERVA_APROVOU_FI", Int(24)}});
    SeedVeiculoEm(connection(), "V50", "ESTOQUE", {{"DTA_FIM_RESERVA", At(2025, 3, 15, 18, 0, 0)}});
    SeedVeiculoEm(connection(), "V51", "ESTOQUE");  // not reserved
    for (int revenda : {1, 2, 3})
      SeedProposta(connection(), revenda, 50, {{"VEICULO", Txt("V50")}});
    SeedProposta(connection(), 1, 51, {{"VEICULO", Txt("V51")}});
    // The history ids run over the whole table: 41 belongs to company 2.
    Historico(7, 1);
    Historico(41, 2);
  }

  void Historico(int id, int empresa) {
    InsertRow(connection(), "VEI_HISTORICO_RESERVA",
              {{"ID_HIST_RESERVA", Int(id)}, {"EMPRESA", Int(empresa)}});
  }
  std::string FimReserva(const std::string& veiculo) {
    return One("select DTA_FIM_RESERVA from VEI_VEICULO where VEICULO = '" + veiculo + "'");
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
  EXPECT_EQ(FimReserva("V50"), "2025-03-16T18:00:00");
  EXPECT_EQ(NovoHistorico(),
            (TextRows{{"42", "1", "1", "V50", "2025-03-14T10:20:30", "9", "24", "Aprovação F&I"}}));
}

TEST_F(ProrrogaReservaTest, FractionsOfADayAreKept) {
  connection().ExecuteDirect(
      "update VEI_PARAMETRO set TEMPO_RESERVA_APROVOU_FI = 5 where REVENDA = 1");
  peer.ProrrogaReservaAprovacaoFI(1, 1, 50, processamento);
  // 15/03 18:00 + 5 h.
  EXPECT_EQ(FimReserva("V50"), "2025-03-15T23:00:00");
  peer.ProrrogaReservaAprovacaoFI(1, 1, 50, processamento);
  EXPECT_EQ(FimReserva("V50"), "2025-03-16T04:00:00");
  EXPECT_EQ(One("select max(ID_HIST_RESERVA) from VEI_HISTORICO_RESERVA"), "43");
}

TEST_F(ProrrogaReservaTest, WithoutTheSwitchNothingIsExtended) {
  peer.ProrrogaReservaAprovacaoFI(1, 2, 50, processamento);
  EXPECT_EQ(FimReserva("V50"), "2025-03-15T18:00:00");
  EXPECT_TRUE(NovoHistorico().empty());
}

TEST_F(ProrrogaReservaTest, WithoutParametersNothingIsExtended) {
  peer.ProrrogaReservaAprovacaoFI(1, 3, 50, processamento);
  EXPECT_EQ(FimReserva("V50"), "2025-03-15T18:00:00");
  EXPECT_TRUE(NovoHistorico().empty());
}

TEST_F(ProrrogaReservaTest, AVehicleWithoutReservationIsLeftAlone) {
  peer.ProrrogaReservaAprovacaoFI(1, 1, 51, processamento);
  EXPECT_EQ(FimReserva("V51"), "NULL");
  EXPECT_TRUE(NovoHistorico().empty());
}

TEST_F(ProrrogaReservaTest, AnUnknownProposalIsLeftAlone) {
  peer.ProrrogaReservaAprovacaoFI(1, 1, 99, processamento);
  EXPECT_EQ(FimReserva("V50"), "2025-03-15T18:00:00");
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
