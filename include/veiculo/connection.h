#pragma once
// A database connection as the host owns it: a driver name (the text the
// module chooses its SQL dialect from) and an open session on the dealer
// database.
//
// The connection never commits on its own: destroying it, or an exception
// while a transaction is open, rolls back. Only hosts call Begin, Commit and
// Rollback; the module never does. A transaction starts implicitly with the
// first statement when the host has not begun one.
//
// Failures to open or to run a statement raise veiculo::Error (database) with
// the database name or the SQL text and the driver's message.

#include <functional>
#include <memory>
#include <string>

namespace veiculo {

namespace platform {
class ConnectionImpl;
struct ConnectionAccess;
}  // namespace platform

struct FirebirdOptions {
  std::string user = "SYSDBA";
  std::string password;  // not needed for an embedded database
  std::string charset = "UTF8";
  // Create the database file when it does not exist (embedded or server path).
  bool create = false;
  // Forced (synchronous) writes for a database created here: on for databases a
  // user keeps, off for throw-away ones (tests, benchmarks) where it is ~10x faster.
  bool forced_writes = true;
  // The driver name the connection reports. Hosts whose data-access driver
  // reports another name for the same engine (e.g. "DevartInterBase") set it.
  std::string driver_name = "Interbase";
};

class Connection {
 public:
  // Opens a Firebird database: an embedded database file ("/path/dealer.fdb")
  // or a database on a Firebird server ("host:/path/dealer.fdb"). The driver
  // name is the options' driver_name ("Interbase" unless set).
  static std::unique_ptr<Connection> OpenFirebird(const std::string& database,
                                                  const FirebirdOptions& options = {});
  // Opens an ODBC data source ("DSN=dealer;UID=...;PWD=..." or a full
  // connection string) and reports the driver name given (for example
  // "SQLServer" or "ORACLE"), which selects the module's dialect.
  static std::unique_ptr<Connection> OpenOdbc(const std::string& connection_string,
                                              const std::string& driver_name);

  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  const std::string& DriverName() const;
  // The database or data source this connection was opened on.
  const std::string& DatabaseName() const;

  // Transactions, for hosts only.
  void Begin();
  void Commit();
  void Rollback();
  bool InTransaction() const;

  // Runs a statement text as it stands (no parameters, no adaptation).
  void ExecuteDirect(const std::string& sql);

  // Called with every SQL text sent to the engine, after dialect adaptation.
  using StatementLog = std::function<void(const std::string& sql)>;
  void SetStatementLog(StatementLog log);

  // Number of statements sent so far (re-executions of a kept statement count).
  long StatementCount() const;

  // Literals bound as parameters: texts that differ only in their literal
  // values (a vehicle's code, the amounts of an INSERT) share one prepared
  // statement, where the engine reads the bound value exactly as it reads the
  // literal; results, errors and the statement log are those of the text as
  // written. On by default on Firebird connections; the environment variable
  // VEICULO_SQL_PARAMETERIZE=0 turns it off for connections opened after it
  // is set. ODBC connections always run texts as written.
  void SetParameterizeLiterals(bool on);
  bool ParameterizesLiterals() const;

 private:
  friend struct platform::ConnectionAccess;  // the platform's datasets reach the engine through it
  explicit Connection(std::unique_ptr<platform::ConnectionImpl> impl);
  std::unique_ptr<platform::ConnectionImpl> impl_;
};

}  // namespace veiculo
