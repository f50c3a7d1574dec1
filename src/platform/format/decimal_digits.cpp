#include "platform/format/decimal_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace veiculo::platform {
namespace {

void StripTrailingZeros(DecimalDigits& number) {
  while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
  if (number.digits.empty()) number.exponent = 0;
}

// Keeps the first `keep` digits, rounding on the next one; keep may be
// negative (everything is dropped and the result is zero).
void KeepDigits(DecimalDigits& number, int keep) {
  if (number.IsZero() || keep >= static_cast<int>(number.digits.size())) return;
  if (keep < 0) {
    number.digits.clear();
    number.exponent = 0;
    return;
  }
  const bool round_up = number.digits[keep] >= '5';
  number.digits.resize(keep);
  if (round_up) {
    int i = keep - 1;
    while (i >= 0 && number.digits[i] == '9') number.digits[i--] = '0';
    if (i < 0) {
      number.digits.insert(number.digits.begin(), '1');
      ++number.exponent;
    } else {
      ++number.digits[i];
    }
  }
  StripTrailingZeros(number);
}

}  // namespace

DecimalDigits ToDecimal(double value, int precision) {
  DecimalDigits number;
  number.negative = std::signbit(value) && value != 0;
  if (value == 0) return number;
  // "%.*e" gives d.ddd...e±XX, correctly rounded from the binary value.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, std::fabs(value));
  const char* p = buffer;
  for (; *p != 'e'; ++p)
    if (*p != '.') number.digits += *p;
  number.exponent = std::atoi(p + 1) + 1;
  StripTrailingZeros(number);
  return number;
}

void RoundToDecimals(DecimalDigits& number, int decimals) {
  KeepDigits(number, number.exponent + decimals);
}

void RoundToSignificant(DecimalDigits& number, int count) {
  KeepDigits(number, count);
}

void SplitAtPoint(const DecimalDigits& number, int point, std::string& integer_part,
                  std::string& fraction_part) {
  integer_part.clear();
  fraction_part.clear();
  if (number.IsZero()) return;
  const int size = static_cast<int>(number.digits.size());
  if (point > 0) {
    integer_part = number.digits.substr(0, std::min(point, size));
    if (point > size) integer_part.append(point - size, '0');
  }
  if (point < size) {
    if (point < 0) fraction_part.assign(-point, '0');
    fraction_part += number.digits.substr(std::max(point, 0));
  }
}

}  // namespace veiculo::platform
