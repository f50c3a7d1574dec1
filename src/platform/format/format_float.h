#pragma once
// Number text by pattern, as the platform's FormatFloat writes it:
//   '0'  a digit, printed even when it is a leading or trailing zero;
//   '#'  a digit, printed only when significant;
//   '.'  where the decimal point goes (written as the settings' decimal separator;
//        the first '.' counts, later ones are ignored);
//   ','  anywhere in a section: group the integer digits by thousands with the
//        settings' thousand separator;
//   'E+', 'E-', 'e+', 'e-' followed by '0's: scientific notation;
//   "xx" or 'xx'  literal text; any other character is copied as it stands,
//        in place ("0000-0000", "##0.00%", a trailing blank).
// Up to three sections separated by ';': positive;negative;zero. A negative
// value printed with the positive section gets a leading '-'; a value that
// rounds to zero prints without '-', with the zero section when there is one.
// An empty pattern gives the general format (FloatToStr). Infinities and NaN
// print as "INF", "-INF" and "NAN".
//
// Rounding: the value is first written with 15 significant digits (the
// precision the platform formats doubles with) and that decimal text is
// rounded half away from zero at the last placeholder. So 2.675 (binary
// 2.67499999999999982...) still prints "2,68" with "0.00", 1.005 prints
// "1,01" and 0.125 prints "0,13"; digits past the 15th significant one print
// as zeros.

#include <string>
#include <string_view>

#include "platform/format/format_settings.h"

namespace veiculo::platform {

std::string FormatFloat(std::string_view pattern, double value);
std::string FormatFloat(std::string_view pattern, double value, const FormatSettings& settings);

// Decimal '.', no thousands grouping (thousand_separator '\0' writes no
// separator), dates "yyyy-mm-dd" with '-': the form numbers and dates take
// when they are spliced into SQL text.
FormatSettings SqlFormatSettings();

}  // namespace veiculo::platform
