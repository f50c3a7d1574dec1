#pragma once
// One client session of the host, as an application server holds it: the
// connection, one module instance and one transaction around every call made
// through it.
//
// Opening: the database options are checked (InputError, nothing touched),
// the SQL log file is opened for appending, the connection is opened and
// logged, the module is created, InicializaDM, AtribuiConexao with the
// connection, and the transaction begins. End(commit) commits or rolls back
// and calls FinalizaDM; a session destroyed without End rolls back.

#include <fstream>
#include <memory>
#include <string>

#include "database_options.h"
#include "operations/call_context.h"
#include "operations/json_output.h"
#include "operations/registry.h"

namespace veiculo {
class Connection;
class TddmVeiculoCompartilhadoBD;
namespace platform {
class StatementFault;
}
}  // namespace veiculo

namespace veiculo::cli {

struct SessionOptions {
  DatabaseOptions db;
  // Every SQL text sent, after dialect adaptation, is appended here, one per line.
  std::string sql_log;

  void AddTo(CLI::App& command);
  // Throws InputError for incomplete options, a missing database file or a
  // log file that cannot be written. Touches nothing.
  void Check() const;
};

// Whether a result reports failure: false from an operation that writes, or a
// status text starting with "NOK|". Nothing of such a call may be kept.
bool ReportsFailure(const Operation& operation, const TypedValue& result);

class HostSession {
 public:
  explicit HostSession(const SessionOptions& options);
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  TddmVeiculoCompartilhadoBD& module() { return *module_; }
  Connection& connection() { return *connection_; }

  // Calls one operation with its bound arguments and returns the call's JSON
  // and whether the operation reported failure (see ReportsFailure). Errors
  // of the operation propagate; the transaction stays open. A statement the
  // engine refused for a conflict with another session (an update conflict,
  // a deadlock, a lock wait timed out) fails the call with veiculo::Error
  // (database) naming the conflict, even where the operation itself turned
  // the refusal into a failure text or went on: the caller rolls back.
  struct Outcome {
    Json json;
    bool failed = false;
  };
  Outcome Call(const Operation& operation, Arguments arguments);

  // Commits (or rolls back when `commit` is false) and calls FinalizaDM.
  void End(bool commit);

 private:
  std::shared_ptr<std::ofstream> log_;
  std::unique_ptr<Connection> connection_;
  std::unique_ptr<TddmVeiculoCompartilhadoBD> module_;
  // Test aid: armed by VEICULO_TEST_FAIL_STATEMENT (README), none otherwise.
  std::unique_ptr<platform::StatementFault> fault_;
  bool ended_ = false;
  // The first conflict with another session the engine reported in the call.
  std::string conflict_;

  std::string ConflictText(const Operation& operation) const;
};

}  // namespace veiculo::cli
