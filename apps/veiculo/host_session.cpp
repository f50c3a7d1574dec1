#include "host_session.h"

#include <filesystem>
#include <iostream>

#include "input_error.h"
#include "interrupts.h"
#include "platform/db/connection_impl.h"
#include "platform/db/fault_injection.h"
#include "session_conflict.h"
#include "veiculo/connection.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

// One statement per line: line breaks inside a text become blanks.
std::string OneLine(std::string sql) {
  for (char& c : sql)
    if (c == '\n' || c == '\r') c = ' ';
  return sql;
}

}  // namespace

void SessionOptions::AddTo(CLI::App& command) {
  db.AddTo(command);
  command.add_option("--sql-log", sql_log,
                     "append every SQL text sent (after dialect adaptation) to this file");
}

void SessionOptions::Check() const {
  db.Check();
  if (sql_log.empty()) return;
  const std::filesystem::path folder = std::filesystem::absolute(sql_log).parent_path();
  if (!std::filesystem::is_directory(folder))
    throw InputError(ErrorCategory::NotFound,
                     "folder of the SQL log " + sql_log + " does not exist");
  if (std::filesystem::is_directory(sql_log))
    throw InputError(ErrorCategory::Validation, "SQL log " + sql_log + " is a folder");
  if (db.IsDatabaseFile(sql_log))
    throw InputError(ErrorCategory::Validation,
                     "SQL log " + sql_log + " is the database file itself; log to another file");
}

HostSession::HostSession(const SessionOptions& options) {
  options.Check();
  if (!options.sql_log.empty()) {
    log_ = std::make_shared<std::ofstream>(options.sql_log, std::ios::app);
    if (!*log_)
      throw InputError(ErrorCategory::Validation, "cannot write the SQL log " + options.sql_log);
  }
  connection_ = options.db.Open();
  platform::ImplOf(*connection_).SetRefusalLog([this](const std::string& message) {
    if (conflict_.empty() && IsSessionConflict(message)) conflict_ = message;
  });
  connection_->SetStatementLog([log = log_](const std::string& sql) {
    CheckInterrupt();
    if (log) *log << OneLine(sql) << '\n';
  });
  module_ = TddmVeiculoCompartilhadoBD::Cria();
  module_->InicializaDM();
  module_->AtribuiConexao(connection_.get());
  connection_->Begin();
  try {
    fault_ = platform::StatementFault::FromEnvironment();  // counts the calls' statements
  } catch (const Error& e) {
    throw InputError(e.category(), e.message());
  }
}

HostSession::~HostSession() {
  if (ended_) return;
  try {
    End(false);
  } catch (...) {
    // Destroying the connection rolls back what is left.
  }
}

bool ReportsFailure(const Operation& operation, const TypedValue& result) {
  if (const bool* ok = std::get_if<bool>(&result)) return operation.writes && !*ok;
  if (const std::string* status = std::get_if<std::string>(&result))
    return status->rfind("NOK|", 0) == 0;
  return false;
}

HostSession::Outcome HostSession::Call(const Operation& operation, Arguments arguments) {
  CallContext context(*module_, *connection_, operation, std::move(arguments),
                      [](const std::string& message) { std::cerr << message << '\n'; });
  conflict_.clear();
  TypedValue result;
  try {
    result = operation.invoke(context);
  } catch (Error& e) {
    if (!conflict_.empty()) e.AddContext(ConflictText(operation));
    throw;
  }
  // An operation may turn the refusal into a failure text of its own (or
  // carry on past it): what it wrote is incomplete either way, and the user
  // is told of the conflict, not of a generic failure.
  if (!conflict_.empty()) throw Error(ErrorCategory::Database, ConflictText(operation));
  return {CallResultJson(operation.name, result, context.Outputs(), *module_),
          ReportsFailure(operation, result)};
}

std::string HostSession::ConflictText(const Operation& operation) const {
  return operation.name + " met another session changing the same rows at the same moment (" +
         OneLineMessage(conflict_) + "); nothing of this call was kept: try it again";
}

void HostSession::End(bool commit) {
  ended_ = true;
  // An interrupt that arrives before the commit keeps nothing.
  const bool interrupted = InterruptSignal() != 0;
  if (connection_->InTransaction()) {
    if (commit && !interrupted)
      connection_->Commit();
    else
      connection_->Rollback();
  }
  module_->FinalizaDM();
  if (log_) log_->flush();
  CheckInterrupt();
}

}  // namespace veiculo::cli
