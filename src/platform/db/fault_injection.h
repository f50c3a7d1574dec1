#pragma once
// Test aid: makes the database layer fail the N-th statement sent to the
// engine, so that a test can prove an operation and its host survive a
// refusal at every step (the host rolls back, nothing half-written stays).
//
// A StatementFault counts every statement sent through any connection of the
// process while it lives (selects, writes, DDL; not commits, rollbacks or
// savepoints) and makes the `fail_at`-th one throw what a refusal of the
// engine throws: veiculo::Error, category database, with the SQL text as
// context. The statement is not sent, so the engine changes nothing, as it
// undoes a refused statement. With `fail_at` 0 it only counts.
//
// Not thread-safe and one at a time: a test arms it around one operation on
// its own thread. Disarmed (the normal state) it costs one test of a flag per
// statement. The header lives under src/: installed hosts cannot reach it.

#include <memory>
#include <string>

namespace veiculo::platform {

class StatementFault {
 public:
  explicit StatementFault(long fail_at);
  ~StatementFault();
  StatementFault(const StatementFault&) = delete;
  StatementFault& operator=(const StatementFault&) = delete;

  // Statements sent since the fault was armed (the failed one included).
  long Seen() const;
  // Whether the fault has been injected.
  bool Fired() const;
  // The message of the error the `n`-th statement fails with.
  static std::string Message(long n);
  // For tests of the built host: a fault armed at the number the variable
  // VEICULO_TEST_FAIL_STATEMENT holds; none when it is unset or empty.
  // Throws veiculo::Error (validation) when it holds anything but a number
  // of 1 or more.
  static std::unique_ptr<StatementFault> FromEnvironment();
};

namespace fault_detail {
extern bool armed;
void OnStatement(const std::string& sql);
}  // namespace fault_detail

// Called by the connection for every statement it sends, before sending it.
inline void CheckStatementFault(const std::string& sql) {
  if (fault_detail::armed) [[unlikely]]
    fault_detail::OnStatement(sql);
}

}  // namespace veiculo::platform
