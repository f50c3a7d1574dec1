#pragma once
// Calendar helper of the maker's utilities.

#include <string>

#include "platform/format/date_time.h"

namespace veiculo::maker {

// The last day (at midnight) of the month of a date given as local date text
// ("10/02/2024" -> 29 February 2024 under the Brazilian settings). Text that is
// not a local date raises veiculo::Error (validation).
platform::TDateTime UltimoDia(const std::string& local_date);

}  // namespace veiculo::maker
