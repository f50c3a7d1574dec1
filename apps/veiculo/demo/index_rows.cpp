// A year (2025) of values of the demo's financial indices.
//
// Index 1 holds daily levels of an interbank deposit rate accumulated from
// 1000 on 01/01/2025: each business day multiplies the level by 1.000525
// (0,0525 % a day, about 14,1 % over the year's 252 business days); weekends
// and national holidays repeat the previous day's level. So the level of a
// day is 1000 x 1.000525^k, with k the business days from 02/01/2025 up to
// and including that day (15/01/2025: k = 10; 14/03/2025: k = 50).
//
// Indices 2 (base rate) and 3 (floor-plan rate, 0,45 point above it) hold
// monthly rates in percent on the first day of each month.

#include <algorithm>

#include "demo/demo_rows.h"
#include "demo/value_source_rows.h"
#include "platform/format/date_time.h"

namespace veiculo::demo {
namespace {

constexpr double kNivelInicial = 1000;
constexpr double kFatorDiaUtil = 1.000525;
constexpr int kIndiceTaxaBasica = 2;
constexpr int kIndicePlanoPiso = 3;
constexpr double kSpreadPlanoPiso = 0.45;

// Monthly base rates of 2025, January to December, in percent.
constexpr double kTaxasMensais[12] = {1.01, 0.99, 0.96, 1.06, 1.14, 1.10,
                                      1.28, 1.16, 1.22, 1.28, 1.05, 1.22};

bool IsHoliday(double day) {
  const std::vector<DemoDate>& holidays = NationalHolidays2025();
  return std::any_of(holidays.begin(), holidays.end(), [day](const DemoDate& h) {
    return platform::EncodeDate(h.year, h.month, h.day) == day;
  });
}

bool IsBusinessDay(double day) {
  const int weekday = platform::DayOfWeek(day);  // 1 Sunday ... 7 Saturday
  return weekday != 1 && weekday != 7 && !IsHoliday(day);
}

}  // namespace

const std::vector<DemoDate>& NationalHolidays2025() {
  static const std::vector<DemoDate> holidays = {
      {2025, 1, 1},    // Confraternização Universal
      {2025, 3, 3},    // Carnaval
      {2025, 3, 4},    // Carnaval
      {2025, 4, 18},   // Sexta-feira Santa
      {2025, 4, 21},   // Tiradentes
      {2025, 5, 1},    // Dia do Trabalho
      {2025, 6, 19},   // Corpus Christi
      {2025, 9, 7},    // Independência (a Sunday)
      {2025, 10, 12},  // Nossa Senhora Aparecida (a Sunday)
      {2025, 11, 2},   // Finados (a Sunday)
      {2025, 11, 15},  // Proclamação da República (a Saturday)
      {2025, 11, 20},  // Consciência Negra
      {2025, 12, 25},  // Natal
  };
  return holidays;
}

void LoadIndexValues(Connection& connection) {
  TableWriter valores(connection, "FIN_VALOR_INDICE",
                      {"EMPRESA", "INDICE", "DTA_INDICE", "VAL_INDICE"});
  const double first = platform::EncodeDate(2025, 1, 1);
  const double last = platform::EncodeDate(2025, 12, 31);
  double nivel = kNivelInicial;
  for (double day = first; day <= last; day += 1) {
    if (day > first && IsBusinessDay(day)) nivel *= kFatorDiaUtil;
    valores.Insert({Int(kEmpresa), Int(kIndiceDiario), Value::DateTime(day), Num(nivel)});
  }
  for (int month = 1; month <= 12; ++month) {
    const Value day = Date(2025, month, 1);
    const double taxa = kTaxasMensais[month - 1];
    valores.Insert({Int(kEmpresa), Int(kIndiceTaxaBasica), day, Num(taxa)});
    valores.Insert({Int(kEmpresa), Int(kIndicePlanoPiso), day, Num(taxa + kSpreadPlanoPiso)});
  }
}

}  // namespace veiculo::demo
