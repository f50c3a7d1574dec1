#pragma once
// Rows of selects kept on a connection while the transaction that read them
// is open, for the datasets that read rows the work never changes (a costing
// formula's lines, index definitions and values, an invoice's header): a
// batch costing thousands of vehicles reads the same few rows for each one.
//
// An entry lives until the transaction ends (commit, rollback, a rollback to
// a savepoint; setting a savepoint keeps it) or until a statement of this connection writes any
// table the select names (a join's or a subquery's tables too), or any statement whose table the
// layer cannot tell (DDL, procedures). The engine's
// snapshot keeps other connections' changes out of an open transaction, so a kept row is the row
// the engine would return.
//
// Off unless a host turns it on (ConnectionImpl::Rows().SetEnabled): batch
// commands do; an interactive call sends its statements as written.

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/db/query_rows.h"
#include "veiculo/value.h"

namespace veiculo::platform {

class RowCache {
 public:
  void SetEnabled(bool on) {
    enabled_ = on;
    Clear();
  }
  bool Enabled() const { return enabled_; }

  // The key of a select: its text and its parameter values.
  static std::string Key(const std::string& sql, const std::vector<Value>& params);

  const QueryRows* Find(const std::string& key) const;
  // Keeps the rows of the select `sql`; a write to any name the text
  // holds outside quotes and comments drops them.
  void Store(const std::string& key, std::string_view sql, const QueryRows& rows);

  // The names a select's text holds outside quotes and comments, upper case,
  // each once: every table it reads is among them (with its columns, aliases
  // and key words, which only make a kept row go sooner).
  static std::vector<std::string> NamesIn(std::string_view sql);

  // A statement ran: forgets the rows of the table it writes (every row
  // when it is not a plain INSERT, UPDATE or DELETE of one table); a select
  // forgets nothing.
  void Ran(std::string_view sql);
  // A transaction-control text ran: setting or releasing a savepoint
  // changes no row and forgets nothing (a batch sets one per vehicle);
  // anything else (a rollback to a savepoint) forgets every row.
  void Controlled(std::string_view sql);
  void Clear() {
    entries_.clear();
    keys_of_.clear();
  }

 private:
  struct Entry {
    QueryRows rows;
    std::vector<std::string> names;  // NamesIn the select
  };
  using Entries = std::unordered_map<std::string, Entry>;

  void Forget(Entries::iterator entry);

  bool enabled_ = false;
  Entries entries_;
  // The entries that name each table, so that a write forgets its table's rows
  // without going through every row kept (a batch keeps hundreds). They point
  // at the keys of entries_, which stay in place until their entry goes.
  std::unordered_map<std::string, std::unordered_set<const std::string*>> keys_of_;
};

}  // namespace veiculo::platform
