#include "platform/db/sql_dataset.h"

#include "platform/db/connection_impl.h"
#include "platform/db/sql_markers.h"
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
  Params rebuilt(DistinctMarkerNames(text));
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

void SqlDataSet::ExecSQL() {
  Close();
  Run("execute");
}

QueryRows SqlDataSet::Run(const std::string& action) {
  if (connection_ == nullptr)
    throw Error(ErrorCategory::Validation, Name() + ": cannot " + action + ": no connection");
  if (command_text_.empty())
    throw Error(ErrorCategory::Validation, Name() + ": cannot " + action + ": empty command text");
  if (marked_text_ != command_text_) {
    marked_ = ParseMarkers(command_text_);
    marked_text_ = command_text_;
  }
  std::vector<Value> values;
  values.reserve(marked_.names.size());
  for (const std::string& name : marked_.names) {
    const Param* param = params_.FindParam(name);
    if (param == nullptr)
      throw Error(ErrorCategory::NotFound,
                  Name() + ": no parameter for marker :" + name + " in: " + command_text_);
    values.push_back(param->value);
  }
  try {
    return ImplOf(*connection_).Run(marked_.positional, values, command_text_);
  } catch (Error& e) {
    e.AddContext("in dataset " + Name());
    throw;
  }
}

}  // namespace veiculo::platform
