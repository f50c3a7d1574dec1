#pragma once
// Small text helpers shared by the platform layer (ASCII case rules: the
// names compared here are SQL identifiers and component names).

#include <string>
#include <string_view>

namespace veiculo::platform {

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
// Equal without regard to ASCII letter case.
bool SameText(std::string_view a, std::string_view b);
std::string TrimRight(std::string_view text);
std::string Trim(std::string_view text);
// Doubles every single quote, so that the text can sit between quotes in SQL.
std::string QuoteDoubled(std::string_view text);
// Replaces every occurrence of `from` (compared without regard to case when
// `ignore_case`) by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                       bool ignore_case);

}  // namespace veiculo::platform
