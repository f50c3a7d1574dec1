#include "platform/db/fault_injection.h"

#include <cstdlib>

#include "veiculo/error.h"

namespace veiculo::platform {
namespace {
long fail_at = 0;
long seen = 0;
bool fired = false;
}  // namespace

namespace fault_detail {
bool armed = false;

void OnStatement(const std::string& sql) {
  if (++seen != fail_at) return;
  fired = true;
  Error error(ErrorCategory::Database, StatementFault::Message(seen));
  error.AddContext("while executing: " + sql);
  throw error;
}
}  // namespace fault_detail

StatementFault::StatementFault(long n) {
  if (fault_detail::armed)
    throw Error(ErrorCategory::Validation, "a statement fault is armed already");
  fail_at = n;
  seen = 0;
  fired = false;
  fault_detail::armed = true;
}

StatementFault::~StatementFault() {
  fault_detail::armed = false;
}

std::string StatementFault::Message(long n) {
  return "statement " + std::to_string(n) + " refused by an injected fault (test aid)";
}

std::unique_ptr<StatementFault> StatementFault::FromEnvironment() {
  const char* setting = std::getenv("VEICULO_TEST_FAIL_STATEMENT");
  if (setting == nullptr || *setting == '\0') return nullptr;
  char* end = nullptr;
  const long n = std::strtol(setting, &end, 10);
  if (*end != '\0' || n < 1)
    throw Error(ErrorCategory::Validation,
                std::string("VEICULO_TEST_FAIL_STATEMENT must be a statement number of 1 or more, "
                            "not '") +
                    setting + "'");
  return std::make_unique<StatementFault>(n);
}

long StatementFault::Seen() const {
  return seen;
}

bool StatementFault::Fired() const {
  return fired;
}

}  // namespace veiculo::platform
