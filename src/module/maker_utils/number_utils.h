#pragma once
// Numbers as the maker's utilities read and round them.

#include <string>

namespace veiculo::maker {

// Rounds to `places` decimals given as a negative power of ten (-2 = two
// decimals, the only use in the module; 0 = whole units). Halves go away from
// zero, decided on the value as it prints with 15 significant digits, the way
// amounts are shown and stored as text: 2.675 -> 2.68, 1.005 -> 1.01,
// -0.125 -> -0.13, although their binary values lie a hair below the half.
// NaN and infinities come back unchanged; places outside -15..0 raise
// veiculo::Error (validation).
double RoundToBrel(double value, int places);

// A number in the local form of the current format settings, thousands
// separators allowed: "1.234,56" -> 1234.56, "-0,5" -> -0.5, "12" -> 12.
// Empty or blank text gives 0. Thousands separators must group the integer
// digits by three ("1.234.567"), so a number written with the other
// convention ("1234.56" under Brazilian settings) is refused instead of being
// read as 123456. Malformed text raises veiculo::Error (validation)
// "'<text>' is not a valid floating point value".
double StrToReal(const std::string& text);

}  // namespace veiculo::maker
