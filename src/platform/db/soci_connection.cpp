#include "platform/db/soci_connection.h"

#include <soci/firebird/soci-firebird.h>
#include <soci/odbc/soci-odbc.h>
#include <soci/soci.h>

#include <ctime>
#include <list>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "platform/db/firebird_create.h"
#include "platform/db/literal_binding.h"
#include "platform/db/prepared_statement.h"
#include "platform/db/sql_parameterize.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// Prepared statements kept per connection. Stock valuation builds many texts
// with spliced literals, so the cache is bounded (least recently used out).
constexpr size_t kStatementCacheSize = 256;
// Normalised forms kept by the text they came from (cleared when full).
constexpr size_t kNormalisedCacheSize = 1024;

// The library's Firebird connect string is "key=value" pairs split at blanks,
// with no quoting: a value with a blank cannot be passed.
std::string SociConnectValue(const std::string& what, const std::string& value) {
  if (value.find_first_of(" \t\n") != std::string::npos)
    throw Error(ErrorCategory::Validation,
                "the Firebird " + what + " must not contain blanks: " + value);
  return value;
}

class SociConnection final : public ConnectionImpl {
 public:
  SociConnection(SqlDialectKind kind, std::string driver_name, std::string database)
      : kind_(kind), driver_name_(std::move(driver_name)), database_(std::move(database)) {}

  ~SociConnection() override {
    // The library's session commits on destruction: roll back first, so that
    // only a host's explicit Commit ever makes work durable.
    cache_.clear();
    index_.clear();
    try {
      session_.rollback();
    } catch (...) {
    }
  }

  soci::session& session() { return session_; }

  const std::string& DriverName() const override { return driver_name_; }
  const std::string& DatabaseName() const override { return database_; }
  SqlDialectKind Kind() const override { return kind_; }

  QueryResult Run(const std::string& positional_sql, const std::vector<Value>& params,
                  const std::string& log_text) override {
    Log(log_text);
    Rows().Ran(positional_sql);
    if (ParameterizesLiterals() && kind_ == SqlDialectKind::Firebird) {
      std::optional<QueryResult> result = RunParameterized(positional_sql, params);
      if (result) return std::move(*result);
    }
    try {
      return Lookup(positional_sql, params.size()).Execute(params);
    } catch (const soci::soci_error& e) {
      Evict(positional_sql);
      Error error(ErrorCategory::Database, Trim(e.get_error_message()));
      LogRefusal(error.message());
      error.AddContext("while executing: " + log_text);
      throw error;
    } catch (Error& e) {
      Evict(positional_sql);
      e.AddContext("while executing: " + log_text);
      throw;
    }
  }

  void RunDirect(const std::string& sql) override {
    Log(sql);
    Rows().Clear();
    try {
      session_ << sql;
    } catch (const soci::soci_error& e) {
      Error error(ErrorCategory::Database, Trim(e.get_error_message()));
      error.AddContext("while executing: " + sql);
      throw error;
    }
  }

  void RunControl(const std::string& sql) override {
    Rows().Controlled(sql);
    Guard(("run " + sql).c_str(), [&] { session_ << sql; });
  }

  void Begin() override {
    Rows().Clear();
    Guard("begin a transaction", [&] { session_.begin(); });
    in_transaction_ = true;
  }
  void Commit() override {
    Rows().Clear();
    Guard("commit", [&] { session_.commit(); });
    in_transaction_ = false;
    AfterTransaction();
  }
  void Rollback() override {
    Rows().Clear();
    Guard("roll back", [&] { session_.rollback(); });
    in_transaction_ = false;
    AfterTransaction();
  }
  bool InTransaction() const override { return in_transaction_; }

  // ODBC sessions commit every statement unless a transaction is open, so
  // they always keep one open.
  void AfterTransaction() {
    if (kind_ == SqlDialectKind::Odbc) session_.begin();
  }

 private:
  template <typename F>
  void Guard(const char* what, F&& action) {
    try {
      action();
    } catch (const soci::soci_error& e) {
      throw Error(ErrorCategory::Database,
                  std::string("cannot ") + what + ": " + Trim(e.get_error_message()));
    }
  }

  // Runs the normalised form of the text with its literals bound; nothing
  // when the text keeps its literals (none to take out, a literal the engine
  // would read differently, a normalised form the engine refuses). A failure
  // of the normalised form also answers nothing, so that the text as written
  // runs and reports its own error (the engine undoes a failed statement).
  std::optional<QueryResult> RunParameterized(const std::string& sql,
                                              const std::vector<Value>& params) {
    const ParameterizedSql& normalised = Normalise(sql);
    if (normalised.literals.empty() || refused_.count(normalised.positional)) return std::nullopt;
    PreparedStatement* statement = nullptr;
    try {
      statement = &Lookup(normalised.positional, normalised.sources.size());
    } catch (const soci::soci_error&) {
      if (refused_.size() >= kStatementCacheSize) refused_.clear();
      refused_.insert(normalised.positional);
      return std::nullopt;
    }
    const std::vector<ParameterType>& types = statement->ParameterTypes();
    if (types.size() != normalised.sources.size()) return std::nullopt;
    std::vector<Value> values;
    values.reserve(types.size());
    for (size_t i = 0; i < types.size(); ++i) {
      const int source = normalised.sources[i];
      if (source >= 0) {
        if (static_cast<size_t>(source) >= params.size()) return std::nullopt;
        values.push_back(params[static_cast<size_t>(source)]);
        continue;
      }
      std::optional<Value> value =
          LiteralValue(normalised.literals[static_cast<size_t>(-source - 1)], types[i]);
      if (!value) return std::nullopt;
      values.push_back(std::move(*value));
    }
    try {
      return statement->Execute(values);
    } catch (const soci::soci_error&) {
      Evict(normalised.positional);
    } catch (const Error&) {
      Evict(normalised.positional);
    }
    return std::nullopt;
  }

  // The normalised form of a text, kept for the texts seen last: most texts
  // come back many times as they stand (those with markers of their own).
  const ParameterizedSql& Normalise(const std::string& sql) {
    auto hit = normalised_.find(sql);
    if (hit != normalised_.end()) return hit->second;
    if (normalised_.size() >= kNormalisedCacheSize) normalised_.clear();
    return normalised_.emplace(sql, ParameterizeLiterals(sql)).first->second;
  }

  PreparedStatement& Lookup(const std::string& sql, size_t parameter_count) {
    auto hit = index_.find(sql);
    if (hit != index_.end()) {
      cache_.splice(cache_.begin(), cache_, hit->second);
      return *hit->second->second;
    }
    auto statement = std::make_unique<PreparedStatement>(session_, sql, parameter_count, kind_);
    ++prepare_count_;
    cache_.emplace_front(sql, std::move(statement));
    index_[sql] = cache_.begin();
    if (cache_.size() > kStatementCacheSize) {
      index_.erase(cache_.back().first);
      cache_.pop_back();
    }
    return *cache_.front().second;
  }

  void Evict(const std::string& sql) {
    auto hit = index_.find(sql);
    if (hit == index_.end()) return;
    cache_.erase(hit->second);
    index_.erase(hit);
  }

 public:
  soci::session session_;

 private:
  SqlDialectKind kind_;
  std::string driver_name_;
  std::string database_;
  bool in_transaction_ = false;
  using Entry = std::pair<std::string, std::unique_ptr<PreparedStatement>>;
  std::list<Entry> cache_;
  std::unordered_map<std::string, std::list<Entry>::iterator> index_;
  std::unordered_map<std::string, ParameterizedSql> normalised_;
  std::unordered_set<std::string> refused_;  // normalised forms the engine cannot prepare
};

}  // namespace

std::unique_ptr<ConnectionImpl> OpenFirebirdImpl(const std::string& database,
                                                 const FirebirdOptions& options) {
  SociConnectValue("database path", database);
  if (options.create && !FirebirdDatabaseExists(database, options))
    CreateFirebirdDatabase(database, options);
  auto connection =
      std::make_unique<SociConnection>(SqlDialectKind::Firebird, options.driver_name, database);
  std::string connect = "service=" + SociConnectValue("database path", database) +
                        " user=" + SociConnectValue("user", options.user) +
                        " charset=" + SociConnectValue("character set", options.charset);
  if (!options.password.empty())
    connect += " password=" + SociConnectValue("password", options.password);
  try {
    connection->session_.open(*soci::factory_firebird(), connect);
  } catch (const soci::soci_error& e) {
    throw Error(ErrorCategory::Database,
                "cannot open database " + database + ": " + Trim(e.get_error_message()));
  }
  return connection;
}

std::unique_ptr<ConnectionImpl> OpenOdbcImpl(const std::string& connection_string,
                                             const std::string& driver_name) {
  auto connection =
      std::make_unique<SociConnection>(SqlDialectKind::Odbc, driver_name, connection_string);
  try {
    connection->session_.open(*soci::factory_odbc(), connection_string);
    connection->session_.begin();
  } catch (const soci::soci_error& e) {
    throw Error(ErrorCategory::Database, "cannot open ODBC data source " + connection_string +
                                             ": " + Trim(e.get_error_message()));
  }
  return connection;
}

}  // namespace veiculo::platform
