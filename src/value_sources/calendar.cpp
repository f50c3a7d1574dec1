// Calendar operations: the due date of a payment condition and the minutes
// of holidays in a range of dates.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "platform/text.h"

namespace veiculo {
namespace {

constexpr int32_t kMinutesPerDay = 1440;

// Whole minutes from `moment` to 23:59:59 of its own day.
int32_t MinutesToEndOfDay(double moment) {
  const platform::TimeOfDay t = platform::DecodeTime(moment);
  const int64_t elapsed_ms = ((t.hour * 60 + t.minute) * 60 + t.second) * 1000LL + t.millisecond;
  const int64_t remaining_ms = 86399000LL - elapsed_ms;
  return remaining_ms > 0 ? static_cast<int32_t>(remaining_ms / 60000) : 0;
}

}  // namespace

TddmVeiculoCompartilhadoBDImpl::DateTime TddmVeiculoCompartilhadoBDImpl::CalculaDataVencimento(
    int32_t pfEmpresa, int32_t pfCondicao, DateTime pfData) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "select CP.TIPO_PAGTO,      (select min(CD.QUANTIDADE_DIAS)         from "
      "FAT_CONDICAO_DIAS CD        where CD.EMPRESA  = CP.EMPRESA          and CD.CONDICAO = "
      "CP.CONDICAO) DIAS  from FAT_CONDICAO_PAGAMENTO CP where CP.EMPRESA  = " +
      std::to_string(pfEmpresa) + "   and CP.CONDICAO = " + std::to_string(pfCondicao));
  sdsAux->Open();
  // The first instalment falls due after the shortest term of the condition;
  // a condition without terms (null DIAS) falls due on the date itself.
  if (!sdsAux->IsEmpty()) pfData += static_cast<double>(sdsAux->FieldByName("DIAS").AsInteger());
  sdsAux->Close();
  return pfData;
}

int32_t TddmVeiculoCompartilhadoBDImpl::NroFeriados(const std::string& pfBancoDados,
                                                    int32_t pfEmpresa, int32_t pfRevenda,
                                                    DateTime pfDiaMarcado, DateTime pfDataInicial,
                                                    DateTime pfDataFinal) {
  // Literals first: an unknown database kind fails before any query runs.
  const std::string inicio = maker::DataPSql(pfDataInicial, pfBancoDados);
  const std::string fim = maker::DataPSql(pfDataFinal, pfBancoDados);

  sdsAux->Close();
  sdsAux->SetCommandText(
      "Select FERIADO_NACIONAL from CAC_PARAMETRO  where EMPRESA = " + std::to_string(pfEmpresa) +
      "   and REVENDA = " + std::to_string(pfRevenda));
  sdsAux->Open();
  // "S": only national holidays count, regional ones ("R") are working days.
  const bool only_national =
      !sdsAux->IsEmpty() && platform::Trim(sdsAux->FieldByName("FERIADO_NACIONAL").AsText()) == "S";
  sdsAux->Close();

  sdsConsulta->Close();
  sdsConsulta->SetCommandText(
      " select TIPO_DA_DATA,             TIPO_FERIADO,             DTA_CALENDARIO       from "
      "GER_CALENDARIO      where EMPRESA = " +
      std::to_string(pfEmpresa) + "    and REVENDA = " + std::to_string(pfRevenda) +
      "    and DTA_CALENDARIO between " + inicio + "    and " + fim + "  order by DTA_CALENDARIO ");
  sdsConsulta->Open();
  int32_t minutes = 0;
  for (; !sdsConsulta->Eof(); sdsConsulta->Next()) {
    if (platform::Trim(sdsConsulta->FieldByName("TIPO_DA_DATA").AsText()) == "N") continue;
    if (only_national && platform::Trim(sdsConsulta->FieldByName("TIPO_FERIADO").AsText()) == "R")
      continue;
    minutes += kMinutesPerDay;
    // The marked day counts only up to the time of day of the range's end.
    if (sdsConsulta->FieldByName("DTA_CALENDARIO").AsDateTime() == pfDiaMarcado)
      minutes -= MinutesToEndOfDay(pfDataFinal);
  }
  sdsConsulta->Close();
  return minutes;
}

}  // namespace veiculo
