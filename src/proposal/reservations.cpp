// The extension of a vehicle's reservation when the F&I closing marks the
// financing approved, with its line in the reservation history.
//
// The dealer opts in with RESERVA_PROCESSOS 'S' and says by how many hours
// in TEMPO_RESERVA_APROVOU_FI. Only a reservation that exists is extended, and
// the history records only an extension that was made.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/sql_dataset.h"
#include "proposal/proposal_sql.h"

namespace veiculo {

void TddmVeiculoCompartilhadoBDImpl::ProrrogaReservaAprovacaoFI(int32_t pfEmpresa,
                                                                int32_t pfRevenda,
                                                                int32_t pfProposta,
                                                                DateTime pfDataProcessamento) {
  const std::string e = std::to_string(pfEmpresa);
  const std::string r = std::to_string(pfRevenda);

  sdsConsulta->Close();
  sdsConsulta->SetCommandText(
      "select RESERVA_PROCESSOS, TEMPO_RESERVA_APROVOU_FI from VEI_PARAMETRO where EMPRESA = " + e +
      " and REVENDA = " + r);
  sdsConsulta->Open();
  bool prorroga = false;
  int32_t horas = 0;
  if (!sdsConsulta->IsEmpty()) {
    prorroga = proposal::Codigo(sdsConsulta->FieldByName("RESERVA_PROCESSOS").AsText()) == "S";
    horas = static_cast<int32_t>(sdsConsulta->FieldByName("TEMPO_RESERVA_APROVOU_FI").AsInteger());
  }
  sdsConsulta->Close();
  if (!prorroga) return;

  sdsConsulta->SetCommandText(
      "select VP.VEICULO, VV.DTA_FIM_RESERVA from VEI_PROPOSTA VP inner join VEI_VEICULO VV on "
      "(VV.EMPRESA = VP.EMPRESA and VV.VEICULO = VP.VEICULO) where VP.EMPRESA = " +
      e + " and VP.REVENDA = " + r + " and VP.PROPOSTA = " + std::to_string(pfProposta));
  sdsConsulta->Open();
  // Without the proposal's vehicle, or without a reservation end to move,
  // there is nothing to extend (a reservation ending in 1899 is no reservation).
  const bool reservado =
      !sdsConsulta->IsEmpty() && !sdsConsulta->FieldByName("DTA_FIM_RESERVA").IsNull();
  const std::string veiculo = reservado ? sdsConsulta->FieldByName("VEICULO").AsText() : "";
  const DateTime fim = reservado ? sdsConsulta->FieldByName("DTA_FIM_RESERVA").AsDateTime() : 0;
  sdsConsulta->Close();
  if (!reservado) return;

  sdsConsulta->SetCommandText("update VEI_VEICULO set DTA_FIM_RESERVA = " +
                              maker::DataHoraPSql(fim + horas / 24.0, sPvBancoDados) +
                              " where EMPRESA = " + e +
                              " and VEICULO = " + proposal::Quoted(veiculo));
  sdsConsulta->ExecSQL();
  sdsConsulta->Close();
  GravaHistoricoReserva(pfEmpresa, pfRevenda, veiculo, pfDataProcessamento, horas);
}

void TddmVeiculoCompartilhadoBDImpl::GravaHistoricoReserva(int32_t pfEmpresa, int32_t pfRevenda,
                                                           const std::string& pfVeiculo,
                                                           DateTime pfDataAlteracao,
                                                           int32_t pfHoras) {
  // The id runs over the whole table, not per company.
  sdsConsulta->Close();
  sdsConsulta->SetCommandText("select max(id_hist_reserva) ID from VEI_HISTORICO_RESERVA");
  sdsConsulta->Open();
  const int64_t id = sdsConsulta->Fields(0).AsInteger() + 1;
  sdsConsulta->Close();

  proposal::Executa(
      *sdsExecuta,
      "insert into VEI_HISTORICO_RESERVA (ID_HIST_RESERVA, EMPRESA, REVENDA, VEICULO, "
      "DATA_ALTERACAO, USUARIO, HORAS_ACRESC, ALTERACAO) values (" +
          std::to_string(id) + ", " + std::to_string(pfEmpresa) + ", " + std::to_string(pfRevenda) +
          ", " + proposal::Quoted(pfVeiculo) + ", " +
          maker::DataHoraPSql(pfDataAlteracao, sPvBancoDados) + ", " +
          proposal::Quoted(std::to_string(iPvUsuario)) + ", " +
          proposal::Quoted(std::to_string(pfHoras)) + ", 'Aprovação F&I')");
}

}  // namespace veiculo
