#include "iso_date.h"

#include <cstdio>

#include "input_error.h"
#include "platform/format/date_time.h"

namespace veiculo::cli {

double ParseIsoDate(const std::string& option, const std::string& text) {
  int year = 0, month = 0, day = 0;
  char rest = 0;
  double date = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
      std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &rest) != 3 ||
      !platform::TryEncodeDate(year, month, day, date))
    throw InputError(ErrorCategory::Validation,
                     option + " '" + text + "' is not a date (YYYY-MM-DD)");
  return date;
}

}  // namespace veiculo::cli
