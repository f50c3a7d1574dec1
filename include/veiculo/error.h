#pragma once
// The one error type of the module and its platform layer.
//
// Every failure that an operation raises (rather than turning it into a status
// text) is a veiculo::Error. It carries a category that tells the caller what
// kind of thing failed, the first message, and the context gathered on its way
// up ("while opening sdsAux", the SQL text, the driver's message), so that the
// text the host shows names what was wrong and where.

#include <stdexcept>
#include <string>
#include <vector>

namespace veiculo {

enum class ErrorCategory {
  Database,    // the engine refused a statement or a connection
  Service,     // a remote service failed or answered something unreadable
  Validation,  // bad input: malformed text, unknown code, wrong type
  NotFound,    // a named thing (component, field, parameter, file) does not exist
};

const char* ToString(ErrorCategory category);

class Error : public std::runtime_error {
 public:
  Error(ErrorCategory category, const std::string& message);

  ErrorCategory category() const noexcept { return category_; }
  // The first message, without the context added later.
  const std::string& message() const noexcept { return message_; }
  // Context lines, innermost first.
  const std::vector<std::string>& context() const noexcept { return context_; }

  // Adds a line of context ("while executing ..."); what() includes it.
  Error& AddContext(const std::string& line);

  const char* what() const noexcept override { return full_.c_str(); }

 private:
  ErrorCategory category_;
  std::string message_;
  std::vector<std::string> context_;
  std::string full_;
};

}  // namespace veiculo
