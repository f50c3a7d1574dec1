#include "veiculo/error.h"

namespace veiculo {

const char* ToString(ErrorCategory category) {
  switch (category) {
    case ErrorCategory::Database: return "database";
    case ErrorCategory::Service: return "service";
    case ErrorCategory::Validation: return "validation";
    case ErrorCategory::NotFound: return "not found";
  }
  return "unknown";
}

Error::Error(ErrorCategory category, const std::string& message)
    : std::runtime_error(message), category_(category), message_(message), full_(message) {}

Error& Error::AddContext(const std::string& line) {
  context_.push_back(line);
  full_.append("\n  ").append(line);
  return *this;
}

}  // namespace veiculo
