#include "platform/db/fault_injection.h"

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

long StatementFault::Seen() const {
  return seen;
}

bool StatementFault::Fired() const {
  return fired;
}

}  // namespace veiculo::platform
