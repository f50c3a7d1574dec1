// Index values by exact date (BuscaIndice and the lookups of the present-value
// correction) and the two free queries over an index's values.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/format/date_time.h"
#include "value_sources/index_values.h"

namespace veiculo {
namespace value_sources {
namespace {

// Index values are dated without a time of day; a date-time that carries one
// is a moment no row stands for.
bool HasTimeOfDay(double data) {
  const platform::TimeOfDay t = platform::DecodeTime(data);
  return t.hour != 0 || t.minute != 0 || t.second != 0 || t.millisecond != 0;
}

}  // namespace

bool IndexSeries::Find(double data, double& value) {
  if (HasTimeOfDay(data)) return false;
  valores_.Close();
  valores_.ParamByName("Empresa").SetAsInteger(empresa_);
  valores_.ParamByName("Indice").SetAsInteger(indice_);
  valores_.ParamByName("Data").SetAsDateTime(data);
  valores_.Open();
  const bool found = !valores_.IsEmpty();
  if (found) value = valores_.FieldByName("VAL_INDICE").AsFloat();
  valores_.Close();
  return found;
}

double IndexSeries::At(double data) {
  double value = 0;
  return Find(data, value) ? value : 0;
}

bool IndexSeries::LastLevelDateAfter(double data, double& found) {
  consulta_.Close();
  consulta_.SetCommandText(
      "select max(DTA_INDICE) ULT_DTA_INDICE   from FIN_VALOR_INDICE  where EMPRESA    = " +
      std::to_string(empresa_) + "   and INDICE     = " + std::to_string(indice_) +
      "   and DTA_INDICE > " + maker::DataPSql(data, dialect_) + "   and VAL_INDICE >= 10 ");
  consulta_.Open();
  // max() answers one row, null when no level follows.
  const bool exists = !consulta_.IsEmpty() && !consulta_.FieldByName("ULT_DTA_INDICE").IsNull();
  if (exists) found = consulta_.FieldByName("ULT_DTA_INDICE").AsDateTime();
  consulta_.Close();
  return exists;
}

double IndexSeries::CompoundDailyRates(double value, double from, double to) {
  consulta_.Close();
  consulta_.SetCommandText(
      "select VAL_INDICE  from FIN_VALOR_INDICE  where EMPRESA    = " + std::to_string(empresa_) +
      "   and INDICE     = " + std::to_string(indice_) +
      "   and DTA_INDICE >= " + maker::DataPSql(from, dialect_) +
      "   and DTA_INDICE <= " + maker::DataPSql(to, dialect_) + "   and VAL_INDICE <= 10 ");
  consulta_.Open();
  for (; !consulta_.Eof(); consulta_.Next())
    value *= 1 + consulta_.FieldByName("VAL_INDICE").AsFloat();
  consulta_.Close();
  return value;
}

}  // namespace value_sources

double TddmVeiculoCompartilhadoBDImpl::BuscaIndice(int32_t pfEmpresa, int32_t pfIndice,
                                                   DateTime pfData) {
  value_sources::IndexSeries series(*cdsValorIndice, *sdsConsultaLoc, BancoDados(), pfEmpresa,
                                    pfIndice);
  return series.At(pfData);
}

}  // namespace veiculo
