#pragma once
// Bad input to the host: an unknown operation or parameter, a value of the
// wrong type, a missing database file, a malformed script. The host reports
// it as one line on stderr and exits with status 2, having written nothing:
// every such check runs before the database is touched.

#include <string>

#include "veiculo/error.h"

namespace veiculo::cli {

class InputError : public Error {
 public:
  // Validation for malformed input, NotFound for names that do not exist.
  InputError(ErrorCategory category, const std::string& message) : Error(category, message) {}
};

}  // namespace veiculo::cli
