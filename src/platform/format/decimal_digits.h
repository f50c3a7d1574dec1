#pragma once
// The decimal digits of a double, as the number formatters work on them: the
// value is written with a fixed number of significant digits and then
// rounded as decimal text, half away from zero. Internal to the format folder.

#include <string>

namespace veiculo::platform {

// value = (negative ? -1 : 1) * 0.d1d2d3... * 10^exponent. No trailing zeros
// in digits; zero has empty digits and exponent 0.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
};

// The value written with `precision` (1..17) significant digits, correctly
// rounded from the binary value. The value must be finite.
DecimalDigits ToDecimal(double value, int precision);

// Keeps `decimals` digits after the decimal point (negative: rounds to tens,
// hundreds...), rounding the dropped digits half away from zero.
void RoundToDecimals(DecimalDigits& number, int decimals);
// Keeps `count` significant digits, half away from zero.
void RoundToSignificant(DecimalDigits& number, int count);

// The digits before the point (no leading zeros, "" for none) and after it
// (no trailing zeros) when the point sits after the first `point` digits
// counted from the first significant one (point may be negative or beyond
// the digits).
void SplitAtPoint(const DecimalDigits& number, int point, std::string& integer_part,
                  std::string& fraction_part);

}  // namespace veiculo::platform
