#include "platform/db/sql_dataset.h"

#include "platform/db/connection_impl.h"
#include "platform/db/sql_markers.h"
#include "platform/db/update_sql.h"
#include "veiculo/connection.h"
#include "veiculo/error.h"

namespace veiculo::platform {

SqlDataSet::SqlDataSet(std::string name, Connection* connection)
    : DataSet(std::move(name)), connection_(connection) {}

void SqlDataSet::SetConnection(Connection* connection) {
  Close();
  connection_ = connection;
}

void SqlDataSet::SetCommandText(const std::string& text) {
  Close();
  command_text_ = text;
  marked_ = KeptMarkers(text);
  marked_text_ = text;
  Params rebuilt(DistinctMarkerNames(marked_->names));
  rebuilt.AssignValues(params_);
  params_ = std::move(rebuilt);
}

void SqlDataSet::Open() {
  if (Active()) return;
  if (BeforeOpen) BeforeOpen(*this);
  rows_ = Run("open");
  SetFields(rows_.columns);
  SetActiveFlag(true);
  ResetCursor();
}

void SqlDataSet::Close() {
  SetActiveFlag(false);
  rows_ = QueryRows{};
  ResetCursor();
}

QueryRows SqlDataSet::TakeRows() {
  QueryRows rows = std::move(rows_);
  Close();
  return rows;
}

long long SqlDataSet::ExecSQL() {
  Close();
  return Run("execute").affected_rows;
}

QueryRows SqlDataSet::Run(const std::string& action) {
  if (connection_ == nullptr)
    throw Error(ErrorCategory::Validation, Name() + ": cannot " + action + ": no connection");
  if (command_text_.empty())
    throw Error(ErrorCategory::Validation, Name() + ": cannot " + action + ": empty command text");
  if (!marked_ || marked_text_ != command_text_) {
    marked_ = KeptMarkers(command_text_);
    marked_text_ = command_text_;
  }
  const std::shared_ptr<const MarkedSql> held = marked_;  // the text may change while it runs
  const MarkedSql& marked = *held;
  std::vector<Value> values;
  values.reserve(marked.names.size());
  for (const std::string& name : marked.names) {
    const Param* param = params_.FindParam(name);
    if (param == nullptr)
      throw Error(ErrorCategory::NotFound,
                  Name() + ": no parameter for marker :" + name + " in: " + command_text_);
    values.push_back(param->value);
  }
  try {
    ConnectionImpl& engine = ImplOf(*connection_);
    if (!rows_cacheable_ || action != "open" || !engine.Rows().Enabled())
      return engine.Run(marked.positional, values, command_text_);
    const std::string key = RowCache::Key(marked.positional, values);
    if (const QueryRows* kept = engine.Rows().Find(key)) return *kept;
    QueryRows rows = engine.Run(marked.positional, values, command_text_);
    engine.Rows().Store(key, command_text_, rows);
    return rows;
  } catch (Error& e) {
    e.AddContext("in dataset " + Name());
    throw;
  }
}

}  // namespace veiculo::platform
