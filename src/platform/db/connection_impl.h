#pragma once
// The engine side of a Connection: runs SQL texts with positional parameter
// values and returns their rows. Keeps a bounded cache of prepared statements
// keyed by the final SQL text, because preparing a statement costs about
// twenty times re-executing a prepared one.
//
// This header keeps the database library out of sight: only the platform's
// .cpp files include it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/fault_injection.h"
#include "platform/db/query_rows.h"
#include "platform/db/row_cache.h"
#include "veiculo/connection.h"
#include "veiculo/data_packet.h"
#include "veiculo/value.h"

namespace veiculo::platform {

using QueryResult = QueryRows;

enum class SqlDialectKind { Firebird, Odbc };

class ConnectionImpl {
 public:
  virtual ~ConnectionImpl() = default;

  virtual const std::string& DriverName() const = 0;
  virtual const std::string& DatabaseName() const = 0;
  virtual SqlDialectKind Kind() const = 0;

  // Runs a text whose markers are "?" (see sql_markers.h), binding `params`
  // by position. A select returns its rows; other statements return none.
  // `log_text` is what the statement log sees (the text before markers were
  // turned into "?"). Throws veiculo::Error (database) with the SQL text and
  // the driver's message.
  virtual QueryResult Run(const std::string& positional_sql, const std::vector<Value>& params,
                          const std::string& log_text) = 0;
  // Runs a text as it stands, not prepared for re-use (DDL, one-off statements).
  virtual void RunDirect(const std::string& sql) = 0;
  // Runs a transaction-control text (a savepoint, a rollback to one) as it
  // stands: like Commit and Rollback it is neither logged nor counted, so a
  // host's statement log hook (which may stop the work) never sees it.
  virtual void RunControl(const std::string& sql) = 0;

  virtual void Begin() = 0;
  virtual void Commit() = 0;
  virtual void Rollback() = 0;
  virtual bool InTransaction() const = 0;

  // Whether Run binds literals in place of the text's own (sql_parameterize.h);
  // on unless the environment says VEICULO_SQL_PARAMETERIZE=0.
  void SetParameterizeLiterals(bool on) { parameterize_ = on; }
  bool ParameterizesLiterals() const { return parameterize_; }

  // Rows of selects kept for the datasets that ask for it (row_cache.h).
  RowCache& Rows() { return rows_; }

  void SetStatementLog(Connection::StatementLog log) { log_ = std::move(log); }
  // Called with the engine's message whenever it refuses a statement, before
  // the error is raised: a host learns of a conflict with another session even
  // where an operation turns the error into a failure text of its own.
  void SetRefusalLog(Connection::StatementLog log) { refusal_log_ = std::move(log); }
  void LogRefusal(const std::string& message) {
    if (refusal_log_) refusal_log_(message);
  }
  long StatementCount() const { return statement_count_; }
  // Number of texts prepared so far (a text kept prepared is not counted again).
  long PrepareCount() const { return prepare_count_; }

 protected:
  void Log(const std::string& sql) {
    ++statement_count_;
    CheckStatementFault(sql);  // test aid, one flag test when off (fault_injection.h)
    if (log_) log_(sql);
  }

 private:
  static bool ParameterizeByDefault();

  RowCache rows_;
  Connection::StatementLog log_;
  Connection::StatementLog refusal_log_;
  bool parameterize_ = ParameterizeByDefault();
  long statement_count_ = 0;

 protected:
  long prepare_count_ = 0;
};

// The engine side of a host's connection, for the platform's datasets and
// providers (hosts see only veiculo::Connection).
struct ConnectionAccess {
  static ConnectionImpl& Of(Connection& connection) { return *connection.impl_; }
};
inline ConnectionImpl& ImplOf(Connection& connection) {
  return ConnectionAccess::Of(connection);
}

}  // namespace veiculo::platform
