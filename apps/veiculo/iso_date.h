// Dates given on the command line, as "YYYY-MM-DD".
#pragma once

#include <string>

namespace veiculo::cli {

// The date `text` given for `option`; anything that is not a real day in
// that form is refused with a validation error naming the option.
double ParseIsoDate(const std::string& option, const std::string& text);

}  // namespace veiculo::cli
