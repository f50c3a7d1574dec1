#pragma once
// Rounding as the platform's Math unit does it.
//
// RoundTo and SimpleRoundTo work on the exact product of the binary value and
// the power of ten (no extra rounding step), so the binary representation
// decides: 2.675 is stored as 2.67499999999999982... and rounds to 2.67 at two
// decimals, 1.005 (1.00499999999999989...) to 1.00, while 0.135
// (0.13500000000000000888...) rounds to 0.14. The result is the double nearest
// to the rounded decimal (RoundTo(2.675, -2) == 2.67).

#include <cstdint>

namespace veiculo::platform {

// Rounds to a power of ten: digit -2 keeps two decimals, 0 whole units, 2
// hundreds. Halves go to the even neighbour (banker's rounding): 2.5 -> 2,
// 3.5 -> 4, 0.125 at -2 -> 0.12. Digits outside -22..22 leave the value as it
// is when it is too large for the scale to matter, otherwise round as well as
// doubles allow.
double RoundTo(double value, int digit);

// As RoundTo, but halves go away from zero: 0.125 -> 0.13, -0.125 -> -0.13.
double SimpleRoundTo(double value, int digit = -2);

// To the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Throws veiculo::Error (Validation) for NaN, infinities and values outside
// the int64 range.
int64_t Round(double value);
// Toward zero; same errors as Round.
int64_t Trunc(double value);

}  // namespace veiculo::platform
