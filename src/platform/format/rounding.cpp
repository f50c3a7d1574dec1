#include "platform/format/rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

enum class Ties { ToEven, AwayFromZero };

// 10^0 .. 10^22 are exact doubles.
constexpr int kMaxExactPower = 22;

double ExactPowerOf10(int n) {
  double p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// Rounds `scaled` (whose true value is scaled + a residual with the sign of
// `residual`) to an integer. scaled - floor(scaled) is exact, and a residual
// can only tip an exact half, never move a value across one.
double RoundScaled(double scaled, double residual, Ties ties) {
  const double low = std::floor(scaled);
  const double fraction = scaled - low;
  bool up;
  if (fraction != 0.5 || residual != 0) {
    up = fraction > 0.5 || (fraction == 0.5 && residual > 0);
  } else if (ties == Ties::ToEven) {
    up = std::fmod(low, 2) != 0;
  } else {
    up = scaled > 0;
  }
  return up ? low + 1 : low;
}

// Scales by 10^-digit keeping the exact rounding error, rounds, scales back.
double RoundToDigit(double value, int digit, Ties ties) {
  if (!std::isfinite(value) || value == 0) return value;
  // At and above 2^52 every double is already a whole number of the unit.
  constexpr double kWhole = 4503599627370496.0;
  if (std::abs(digit) > kMaxExactPower) {
    const long double factor = std::pow(10.0L, -digit);
    const long double scaled = value * factor;
    if (!std::isfinite(static_cast<double>(scaled)) || std::fabs(scaled) >= kWhole) return value;
    return static_cast<double>(RoundScaled(static_cast<double>(scaled), 0, ties) / factor);
  }
  const double factor = ExactPowerOf10(std::abs(digit));
  if (digit <= 0) {
    const double scaled = value * factor;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kWhole) return value;
    const double residual = std::fma(value, factor, -scaled);  // value*factor - scaled, exact
    return RoundScaled(scaled, residual, ties) / factor;
  }
  const double scaled = value / factor;
  if (std::fabs(scaled) >= kWhole) return value;
  // value - scaled*factor, exact; its sign is the sign of (true quotient - scaled).
  const double residual = std::fma(-scaled, factor, value);
  return RoundScaled(scaled, residual, ties) * factor;
}

int64_t ToInt64(double whole, double original) {
  // [-2^63, 2^63): the int64 range as doubles.
  if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0)) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", original);
    throw Error(ErrorCategory::Validation, std::string("Invalid floating point operation: ") +
                                               text + " does not fit in an integer");
  }
  return static_cast<int64_t>(whole);
}

}  // namespace

double RoundTo(double value, int digit) {
  return RoundToDigit(value, digit, Ties::ToEven);
}

double SimpleRoundTo(double value, int digit) {
  return RoundToDigit(value, digit, Ties::AwayFromZero);
}

int64_t Round(double value) {
  if (!std::isfinite(value)) return ToInt64(value, value);
  return ToInt64(RoundScaled(value, 0, Ties::ToEven), value);
}

int64_t Trunc(double value) {
  return ToInt64(std::trunc(value), value);
}

}  // namespace veiculo::platform
