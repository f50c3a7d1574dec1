// BuscaReferencia: the date a formula line's amount is referred to for
// present value, by the line's reference code. "S"/"C" fall on day DIA of the
// month after / of the sale, "G"/"H" of the month after / of the factory
// invoice; the others are dates of the vehicle as they stand. A day past the
// end of the target month falls on its last day; without DIA the base date's
// own day is taken.

#include <string>

#include "costing/incidence_line.h"
#include "platform/db/client_dataset.h"
#include "platform/format/date_time.h"
#include "value_sources/current_vehicle.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using platform::TDateTime;

// Day `dia` (or the base date's own day when the line has none) of the month
// of `base`, or of the month after it.
TDateTime DiaDoMes(TDateTime base, bool mes_seguinte, const Value& dia, int32_t linha) {
  platform::CivilDate d = platform::DecodeDate(base);
  if (mes_seguinte && ++d.month > 12) {
    d.month = 1;
    ++d.year;
  }
  const int64_t wanted = dia.IsNull() ? d.day : dia.AsInteger();
  if (wanted < 1) {
    throw Error(ErrorCategory::Validation, "the reference day " + std::to_string(wanted) +
                                               " of formula line " + std::to_string(linha) +
                                               " is not a day of a month");
  }
  const int last = platform::DaysInMonth(d.year, d.month);
  return platform::EncodeDate(d.year, d.month, wanted > last ? last : static_cast<int>(wanted));
}

}  // namespace

TddmVeiculoCompartilhadoBDImpl::DateTime TddmVeiculoCompartilhadoBDImpl::BuscaReferencia(
    const std::string& /*pfVeiculo*/, const std::string& pfFormula, int32_t pfEmpresa,
    int32_t pfLinha, DateTime pfDataProcessamento) {
  if (!costing::AbreLinha(*cdsLinha, pfEmpresa, pfFormula, pfLinha)) return 0;
  const std::string referencia = cdsLinha->FieldByName("REFERENCIA").AsText();
  const Value dia = cdsLinha->FieldByName("DIA").AsValue();
  if (referencia.empty()) return 0;

  auto vehicle = [this](const char* field) {
    return value_sources::CurrentVehicleValue(*cdsVeiculo, field);
  };
  const Value venda = vehicle("DTA_VENDA");
  const Value fat_fabrica = vehicle("DTA_FAT_FABRICA");
  switch (referencia[0]) {
    case 'S':
    case 'C': {
      const TDateTime base = venda.IsNull() ? pfDataProcessamento : venda.AsDateTime();
      return DiaDoMes(base, referencia[0] == 'S', dia, pfLinha);
    }
    case 'G':
    case 'H':
      // Without a factory invoice there is no month to count from.
      if (fat_fabrica.IsNull()) return 0;
      return DiaDoMes(fat_fabrica.AsDateTime(), referencia[0] == 'G', dia, pfLinha);
    case 'I':
      return vehicle("DTA_INICIO_CORRECAO").AsDateTime();
    case 'B':
      return vehicle("DTA_FIM_CORRECAO").AsDateTime();
    case 'R':
      return vehicle("DTA_RECOMPRA").AsDateTime();
    case 'V':
      return venda.AsDateTime();
    case 'F':
      return fat_fabrica.AsDateTime();
    default:
      return 0;
  }
}

}  // namespace veiculo
