#pragma once
// Reading a financial index (FIN_INDICE_FINANCEIRO) and its values
// (FIN_VALOR_INDICE) for the present-value correction.
//
// An IndexSeries reads one value per exact date through the module's
// cdsValorIndice: the dataset's query is kept prepared, so each lookup is one
// re-execution with new parameters, and the dataset is closed after each read.
// Index values are kept per date: a date-time that carries a time of day
// matches no row and is answered "not found" without a query (the engine
// would refuse such a text for a DATE parameter anyway).
//
// The free queries of the correction (the last level date, the daily rates to
// compound) run on the scratch dataset given, which is closed after use.
// Database errors propagate as veiculo::Error.

#include <cstdint>
#include <string>
#include <utility>

#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"

namespace veiculo::value_sources {

class IndexSeries {
 public:
  // `valores` is cdsValorIndice; `consulta` a scratch SQL dataset; `dialect`
  // the bound dialect name for the date literals.
  IndexSeries(platform::ClientDataSet& valores, platform::SqlDataSet& consulta, std::string dialect,
              int32_t empresa, int32_t indice)
      : valores_(valores),
        consulta_(consulta),
        dialect_(std::move(dialect)),
        empresa_(empresa),
        indice_(indice) {}

  // VAL_INDICE of that exact date; false (value untouched) when there is no row.
  bool Find(double data, double& value);
  // VAL_INDICE of that exact date, or 0 when there is no row.
  double At(double data);
  // The latest date after `data` whose value is an index level (>= 10); false
  // when there is none.
  bool LastLevelDateAfter(double data, double& found);
  // `value` multiplied by (1 + rate) for every daily rate (<= 10) dated from
  // `from` through `to`.
  double CompoundDailyRates(double value, double from, double to);

 private:
  platform::ClientDataSet& valores_;
  platform::SqlDataSet& consulta_;
  std::string dialect_;
  int32_t empresa_;
  int32_t indice_;
};

// The two index figures of a correction and the start of a daily-rate
// compounding (0 = none). The value is carried by I2 / I1 when both are set.
struct IndexRatio {
  double i1 = 0;
  double i2 = 0;
  double compound_from = 0;
};

// Index levels ("D"): I1 and I2 are the levels at the two dates. With the
// Ford treatment, levels that give way to daily rates (values below 10) are
// carried to the last level and compounded by the rates from then on.
IndexRatio RatioByDailyLevels(IndexSeries& series, double data1, double data2, bool ford_treatment);

// Monthly rates ("M"): the rates are spread over 30 days of each month and
// accumulated day by day from the first day of the earlier date's month;
// I1 and I2 are the accumulated factors on the two dates (exact equality).
IndexRatio RatioByMonthlyRates(IndexSeries& series, double data1, double data2);

}  // namespace veiculo::value_sources
