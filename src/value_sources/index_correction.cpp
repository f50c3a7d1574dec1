// The index figures of a present-value correction: index levels (with the
// Ford treatment of levels that turn into daily rates) and monthly rates
// walked day by day.

#include <algorithm>
#include <cmath>

#include "platform/format/date_time.h"
#include "value_sources/index_values.h"

namespace veiculo::value_sources {
namespace {

// Values above this are index levels, values below it daily rates: a Ford
// index carries its history as levels and continues it as rates.
constexpr double kLevelThreshold = 10;

bool IsDailyRate(double value) {
  return value > 0 && value < kLevelThreshold;
}

}  // namespace

IndexRatio RatioByDailyLevels(IndexSeries& series, double data1, double data2,
                              bool ford_treatment) {
  IndexRatio ratio;
  ratio.i1 = series.At(data1);
  ratio.i2 = series.At(data2);
  if (!ford_treatment) return ratio;

  if (ratio.i1 > kLevelThreshold && IsDailyRate(ratio.i2)) {
    // Carry the value to the last level after its date, then compound the
    // rates that follow that level.
    double last_level = 0;
    if (series.LastLevelDateAfter(data1, last_level)) {
      ratio.i2 = series.At(last_level);
      ratio.compound_from = last_level + 1;
    } else {
      // The value's own date holds the last level: nothing to carry by
      // levels, every rate after it compounds. (Dividing by a level and
      // multiplying by a rate would shrink the value to next to nothing.)
      ratio.i2 = ratio.i1;
      ratio.compound_from = data1 + 1;
    }
  } else if (IsDailyRate(ratio.i1) && IsDailyRate(ratio.i2)) {
    // Both dates fall in the rates: the value is only compounded.
    ratio.i1 = 0;
    ratio.i2 = 0;
    ratio.compound_from = data1;
  }
  return ratio;
}

IndexRatio RatioByMonthlyRates(IndexSeries& series, double data1, double data2) {
  IndexRatio ratio;
  const double last = std::max(data1, data2);
  double accumulated = 1;
  double daily = 1;
  int looked_up_month = 0;  // year * 12 + month of the last lookup; 0 = none yet
  for (double day = platform::FirstDayOfMonth(std::min(data1, data2)); day <= last; day += 1) {
    const platform::CivilDate civil = platform::DecodeDate(day);
    const int month = civil.year * 12 + civil.month;
    if (month != looked_up_month) {
      // One rate per month, dated on its first day, spread over 30 days; a
      // month without a rate keeps the previous month's.
      double rate = 0;
      if (series.Find(day, rate)) daily = std::pow((rate + 100) / 100, 1.0 / 30);
      looked_up_month = month;
    }
    accumulated *= daily;
    // Exact equality: a date-time with a time of day is never reached.
    if (day == data1) ratio.i1 = accumulated;
    if (day == data2) ratio.i2 = accumulated;
  }
  return ratio;
}

}  // namespace veiculo::value_sources
