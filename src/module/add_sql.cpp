// AddSQL: one element of an insert's value list, as the statement-building
// operations splice values into SQL.

#include <cctype>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/format/convert.h"
#include "platform/format/format_settings.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

// A number as SQL takes it: optional sign, digits, optional "." and digits.
bool IsSqlNumber(const std::string& text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  return digits > 0 && i == text.size();
}

std::string CheckedNumber(const std::string& number, const std::string& given) {
  if (!IsSqlNumber(number))
    throw Error(ErrorCategory::Validation, "AddSQL: '" + given + "' is not a number");
  return number;
}

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::AddSQL(const std::string& value,
                                                   const std::string& type) const {
  if (value.empty()) return "NULL,";
  switch (type.empty() ? '\0' : type[0]) {
    case 'A':
      // Quotes inside the text are doubled so that it cannot leave its literal.
      return "'" + platform::QuoteDoubled(value) + "',";
    case 'N':
      // Spliced as it stands, so it must be a number and nothing else.
      return CheckedNumber(value, value) + ",";
    case 'F': {
      // Local form: thousands points out, the first decimal comma becomes ".".
      std::string number = platform::ReplaceAll(value, ".", "", false);
      const size_t comma = number.find(',');
      if (comma != std::string::npos) number[comma] = '.';
      return CheckedNumber(number, value) + ",";
    }
    case 'D':
      return maker::DataPSql(platform::StrToDate(value), sPvBancoDados) + ",";
    case 'H':
      return maker::DataHoraPSql(platform::StrToDateTime(value), sPvBancoDados) + ",";
    case 'T': {
      // "yyyy-mm-dd" rebuilt as "dd/mm/yyyy" and read in that order whatever
      // the local settings say.
      if (value.size() < 10)
        throw Error(ErrorCategory::Validation, "AddSQL: '" + value + "' is not a yyyy-mm-dd date");
      const std::string local =
          value.substr(8, 2) + "/" + value.substr(5, 2) + "/" + value.substr(0, 4);
      platform::FormatSettings day_month_year = platform::CurrentFormatSettings();
      day_month_year.short_date_format = "dd/mm/yyyy";
      day_month_year.date_separator = '/';
      return maker::DataPSql(platform::StrToDate(local, day_month_year), sPvBancoDados) + ",";
    }
    default:
      return "";
  }
}

}  // namespace veiculo
