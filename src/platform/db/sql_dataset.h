#pragma once
// An SQL dataset: a command text with named parameters, run on a connection.
// Open runs a select and holds its rows; ExecSQL runs a statement that returns
// none. The before-open handler (the module's dialect adaptation) runs on
// every Open, and may rewrite the text and the parameter list.
//
// Setting the command text rebuilds the parameter list from the text's
// markers (keeping values of parameters whose names remain), as the platform
// does; catalogue entries that declare no parameters clear it afterwards.
//
// Errors: opening without a connection, a marker without a parameter, or a
// statement the engine refuses raise veiculo::Error naming the dataset and,
// for engine errors, the SQL text and the driver's message.

#include <memory>
#include <string>

#include "platform/db/dataset.h"
#include "platform/db/params.h"
#include "platform/db/query_rows.h"
#include "platform/db/sql_markers.h"

namespace veiculo {
class Connection;
}

namespace veiculo::platform {

class SqlDataSet : public DataSet {
 public:
  explicit SqlDataSet(std::string name, Connection* connection = nullptr);

  Connection* GetConnection() const { return connection_; }
  // Closes the dataset and attaches it to another connection (or none).
  void SetConnection(Connection* connection);

  const std::string& CommandText() const { return command_text_; }
  void SetCommandText(const std::string& text);
  // Replaces the text without touching the parameter list (the adaptation
  // hook rewrites the text of a dataset being opened).
  void ReplaceCommandText(const std::string& text) { command_text_ = text; }

  Params& GetParams() { return params_; }
  const Params& GetParams() const { return params_; }
  Param& ParamByName(std::string_view name) { return params_.ParamByName(name); }

  // Whether the dataset asks the engine for table metadata; the module
  // switches it off (no generated updates rely on it).
  bool GetMetadata = true;
  // Large objects are read whole (-1: no size limit).
  int MaxBlobSize = -1;

  void Open() override;
  void Close() override;
  // Runs the command text as a statement (no rows) and returns the number of
  // rows it changed (-1 when the engine does not tell). Does not run the
  // before-open handler: statements are sent as written.
  long long ExecSQL();

  // Opens serve the rows kept on the connection for the same text and
  // parameter values when its row cache is on (row_cache.h). Only for a
  // select of one table whose rows the work does not change.
  void SetRowsCacheable(bool on) { rows_cacheable_ = on; }

  // The rows of the last Open, for providers.
  const QueryRows& Rows() const { return rows_; }
  // Hands the rows over without copying them and closes the dataset.
  QueryRows TakeRows();

 protected:
  size_t VisibleCount() const override { return rows_.rows.size(); }
  const Value& VisibleValue(size_t row, int field) const override {
    return rows_.rows[row][static_cast<size_t>(field)];
  }

 private:
  QueryRows Run(const std::string& action);

  Connection* connection_;
  std::string command_text_;
  Params params_;
  QueryRows rows_;
  // Markers of the command text (KeptMarkers), parsed once per text.
  std::string marked_text_;
  std::shared_ptr<const MarkedSql> marked_;
  bool rows_cacheable_ = false;
};

}  // namespace veiculo::platform
