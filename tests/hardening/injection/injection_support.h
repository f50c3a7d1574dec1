#pragma once
// The bench of the injection suite: the demo dealer's database (as
// `veiculo init-db --demo` makes it), the hostile values, good values for the
// parameters a case does not attack, and one call of an operation through the
// host's own path with what it would have changed.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host_session.h"
#include "operations/registry.h"
#include "veiculo/connection.h"

namespace veiculo::testing {

// Label and text of each hostile value.
const std::vector<std::pair<std::string, std::string>>& HostileValues();

struct InjectionOutcome {
  int exit = 0;           // as the host would exit: 0, 1, 2 or 3
  std::string text;       // the call's JSON, or the error's text
  bool database = false;  // a veiculo::Error of category database, or another exception
  // The tables a committed call would have changed (exit 0 only).
  std::set<std::string> changed;
  // What the probe query given to Call read before the rollback (exit 0 only).
  std::vector<std::string> probed;
};

class InjectionBed {
 public:
  static InjectionBed& Instance();

  // The seeded file nobody writes to (copy it for runs of the built host).
  const std::string& seed() const { return seed_; }
  const std::string& folder() const { return folder_; }

  // Operations the matrix leaves out, with the reason in the source.
  bool Skipped(const cli::Operation& operation) const;

  // The NAME=VALUE words of every in and var parameter the user gives, with
  // `param` holding `value` and the others their good values.
  std::vector<std::string> Words(const cli::Operation& operation, const std::string& param,
                                 const std::string& value) const;

  // Binds the words as `veiculo call` does, runs the call in a session of its
  // own, reads which tables it changed (and the first column of `probe`'s
  // rows) and rolls back.
  InjectionOutcome Call(const cli::Operation& operation, const std::vector<std::string>& words,
                        const std::string& probe = "");

 private:
  InjectionBed();
  std::set<std::string> Changed(Connection& connection);
  cli::HostSession& Session(const std::string& operation);

  std::string folder_, seed_, bed_;
  std::unique_ptr<Connection> keeper_;  // keeps the bed's file open between sessions
  std::unique_ptr<cli::HostSession> session_;
  std::string session_operation_;
  std::string counts_sql_;
  std::map<std::string, long long> seed_counts_;
};

}  // namespace veiculo::testing
