#include "platform/db/provider.h"

#include "platform/db/connection_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/db/sql_markers.h"
#include "platform/db/update_sql.h"
#include "platform/text.h"
#include "veiculo/connection.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

std::vector<std::string> CatalogueColumn(Connection& connection, const std::string& sql,
                                         const std::string& table) {
  const QueryRows rows = ImplOf(connection).Run(sql, {Value::Text(table)}, sql);
  std::vector<std::string> names;
  for (const auto& row : rows.rows) names.push_back(Trim(row[0].AsText()));
  return names;
}

}  // namespace

QueryRows Provider::GetRecords(const Params& params, const std::string& command_text) {
  if (dataset_ == nullptr) throw Error(ErrorCategory::Validation, Name() + ": no dataset");
  dataset_->Close();
  if (Options.allow_command_text && !command_text.empty() &&
      command_text != dataset_->CommandText())
    dataset_->SetCommandText(command_text);
  // The client's parameter list replaces the dataset's, as the platform does.
  if (!params.Empty()) dataset_->GetParams() = params;
  dataset_->Open();
  return dataset_->TakeRows();
}

std::string Provider::TableName() const {
  if (!UpdateTableName.empty()) return UpperCase(UpdateTableName);
  const std::string table = FirstTableOf(dataset_->CommandText());
  if (table.empty())
    throw Error(ErrorCategory::Validation,
                Name() + ": cannot tell the table to update from: " + dataset_->CommandText());
  return table;
}

std::vector<std::string> Provider::KeyColumns(const std::string& table) {
  if (!KeyFields.empty()) return KeyFields;
  Connection* connection = dataset_->GetConnection();
  if (ImplOf(*connection).Kind() != SqlDialectKind::Firebird) return {};
  static const std::string kSql =
      "select s.RDB$FIELD_NAME from RDB$RELATION_CONSTRAINTS c join RDB$INDEX_SEGMENTS s on "
      "s.RDB$INDEX_NAME = c.RDB$INDEX_NAME where c.RDB$RELATION_NAME = ? and "
      "c.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' order by s.RDB$FIELD_POSITION";
  return CatalogueColumn(*connection, kSql, table);
}

std::vector<std::string> Provider::TableColumns(const std::string& table) {
  Connection* connection = dataset_->GetConnection();
  if (ImplOf(*connection).Kind() != SqlDialectKind::Firebird) return {};
  static const std::string kSql =
      "select RDB$FIELD_NAME from RDB$RELATION_FIELDS where RDB$RELATION_NAME = ?";
  return CatalogueColumn(*connection, kSql, table);
}

void Provider::ApplyUpdates(const std::vector<FieldDef>& fields,
                            const std::vector<RowChange>& changes) {
  if (changes.empty()) return;
  if (dataset_ == nullptr || dataset_->GetConnection() == nullptr)
    throw Error(ErrorCategory::Validation, Name() + ": cannot apply updates: no connection");
  UpdateTarget target;
  target.table = TableName();
  if (target.table != cached_table_) {
    cached_table_ = target.table;
    cached_keys_ = KeyColumns(target.table);
    cached_columns_ = TableColumns(target.table);
  }
  target.fields = fields;
  target.key_columns = cached_keys_;
  target.mode = Mode;
  target.quote = Options.use_quote_char;
  // Columns that come from joins or expressions are not written.
  for (const FieldDef& f : fields) {
    bool writable = cached_columns_.empty();
    for (const std::string& c : cached_columns_) writable = writable || SameText(c, f.name);
    target.writable.push_back(writable);
  }

  Connection& connection = *dataset_->GetConnection();
  for (const RowChange& change : changes) {
    const GeneratedStatement statement = GenerateStatement(target, change);
    if (statement.sql.empty()) continue;
    const MarkedSql marked = ParseMarkers(statement.sql);
    try {
      const QueryRows result =
          ImplOf(connection).Run(marked.positional, statement.values, statement.sql);
      if (change.kind != RowChange::Kind::Inserted && result.affected_rows != 1)
        throw Error(
            ErrorCategory::Database,
            result.affected_rows == 0
                ? "record not found or changed by another user"
                : "update would change " + std::to_string(result.affected_rows) + " records");
    } catch (Error& e) {
      e.AddContext("while applying updates of " + Name() + ": " + statement.sql);
      throw;
    }
  }
}

}  // namespace veiculo::platform
