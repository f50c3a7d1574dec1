#pragma once
// A provider: packages the rows of an SQL dataset for a client dataset, and
// writes a client dataset's changes back as generated INSERT, UPDATE and
// DELETE statements.
//
// Update modes say how a generated statement finds its row:
//   WhereAll      every original column value (nulls as "is null");
//   WhereChanged  the key columns plus the original values of the columns that
//                 changed;
//   WhereKeyOnly  the key columns only.
// Key columns are the provider's KeyFields when set, otherwise the primary key
// of the update table as the engine's catalogue gives it. A statement that
// finds no row, or more than one, raises veiculo::Error: a change is never
// reported as applied when it was not, and never spreads to other rows.

#include <string>
#include <vector>

#include "platform/db/component.h"
#include "platform/db/params.h"
#include "platform/db/query_rows.h"

namespace veiculo::platform {

class SqlDataSet;

enum class UpdateMode { WhereAll, WhereChanged, WhereKeyOnly };

struct ProviderOptions {
  bool fetch_blobs_on_demand = false;  // poFetchBlobsOnDemand
  bool allow_command_text = false;     // poAllowCommandText: the client may replace the SQL
  bool use_quote_char = false;         // poUseQuoteChar: quote identifiers in generated SQL
};

// One changed row of a client dataset.
struct RowChange {
  enum class Kind { Modified, Inserted, Deleted };
  Kind kind;
  std::vector<Value> original;  // as read (empty for an inserted row)
  std::vector<Value> current;   // as posted (empty for a deleted row)
};

class Provider : public Component {
 public:
  Provider(std::string name, SqlDataSet* dataset) : Component(std::move(name)), dataset_(dataset) {}

  SqlDataSet* DataSet() const { return dataset_; }

  ProviderOptions Options;
  UpdateMode Mode = UpdateMode::WhereAll;
  // Key columns for generated statements; empty: the table's primary key.
  std::vector<std::string> KeyFields;
  // Table the changes go to; empty: the first table after FROM.
  std::string UpdateTableName;

  // Opens the SQL dataset with the client's parameters (and command text,
  // when the options allow it and it is not empty), copies its rows and
  // closes it.
  QueryRows GetRecords(const Params& params, const std::string& command_text);

  // Writes the changes in order. Throws veiculo::Error on the first failure
  // (the host's transaction then holds the earlier statements).
  void ApplyUpdates(const std::vector<FieldDef>& fields, const std::vector<RowChange>& changes);

 private:
  std::string TableName() const;
  std::vector<std::string> KeyColumns(const std::string& table);
  std::vector<std::string> TableColumns(const std::string& table);

  SqlDataSet* dataset_;
  std::string cached_table_;
  std::vector<std::string> cached_keys_;
  std::vector<std::string> cached_columns_;
};

}  // namespace veiculo::platform
