#pragma once
// A client dataset: an in-memory, navigable copy of rows, filled through its
// provider with its own parameter list, or from a data packet. It keeps the
// rows ordered by its active index, hides the rows its filter rejects, and
// records edits (Edit/Insert/Append, Post, Cancel, Delete) in a change log
// that ApplyUpdates writes back through the provider.
//
// A read-only client dataset refuses every change. Posting a row that
// repeats the key of a unique or primary index is refused ("key violation").
// Errors are veiculo::Error naming the dataset and what was wrong.

#include <optional>
#include <string>
#include <vector>

#include "platform/db/dataset.h"
#include "platform/db/filter_expression.h"
#include "platform/db/params.h"

namespace veiculo::platform {

class Provider;

struct IndexDef {
  std::string name;
  std::string fields;  // "EMPRESA; VEICULO"
  bool primary = false;
  bool unique = false;
};

struct LocateOptions {
  bool case_insensitive = false;
  bool partial_key = false;  // text fields match by prefix
};

enum class DataSetState { Inactive, Browse, Edit, Insert };

class ClientDataSet : public DataSet {
 public:
  explicit ClientDataSet(std::string name, Provider* provider = nullptr)
      : DataSet(std::move(name)), provider_(provider) {}

  Provider* GetProvider() const { return provider_; }
  void SetProvider(Provider* provider) { provider_ = provider; }

  Params& GetParams() { return params_; }
  const Params& GetParams() const { return params_; }
  Param& ParamByName(std::string_view name) { return params_.ParamByName(name); }
  // Asks the provider for the parameters of its SQL dataset's text.
  void FetchParams();

  // Sent to the provider on open (used when the provider allows it).
  std::string CommandText;
  bool ReadOnly = false;

  // Opens through the provider; a dataset filled with SetData or
  // CreateDataSet opens without one.
  void Open() override;
  // Releases the rows and the change log.
  void Close() override;

  // Field definitions for a dataset built in memory; CreateDataSet opens it empty.
  void SetFieldDefs(std::vector<FieldDef> fields);
  void CreateDataSet();
  void EmptyDataSet();

  // Indexes: the active one orders the rows and serves FindKey.
  std::vector<IndexDef> IndexDefs;
  void SetIndexName(const std::string& name);
  const std::string& IndexName() const { return index_name_; }
  // An ad-hoc index on "A;B" (clears IndexName).
  void SetIndexFieldNames(const std::string& fields);
  // Positions on the first row whose active-index fields equal the values
  // (fewer values than fields compare a leading part of the key).
  bool FindKey(const std::vector<Value>& values);
  bool Locate(const std::string& fields, const std::vector<Value>& values,
              LocateOptions options = {});

  const std::string& Filter() const { return filter_text_; }
  // Throws veiculo::Error (validation) for a malformed expression, with its position.
  void SetFilter(const std::string& text);
  bool Filtered() const { return filtered_; }
  void SetFiltered(bool filtered);

  DataSetState State() const { return state_; }
  void Edit();
  void Insert();
  void Append();
  void Post();
  void Cancel();
  void Delete();

  int ChangeCount() const;
  // Writes the change log through the provider and clears it; returns the
  // number of errors (0: failures raise instead, keeping the log).
  int ApplyUpdates(int max_errors = 0);
  void CancelUpdates();
  void MergeChangeLog();

  // Current rows (in storage order) as a data packet; SetData replaces the
  // rows and opens the dataset.
  DataPacket Data() const;
  void SetData(const DataPacket& packet);

  Handler AfterPost;
  Handler AfterCancel;
  Handler AfterDelete;

 protected:
  size_t VisibleCount() const override { return view_.size(); }
  const Value& VisibleValue(size_t row, int field) const override;
  void WriteCurrentValue(int field, const Value& value) override;
  void BeforeScroll() override;

 private:
  enum class Status { Unchanged, Modified, Inserted };
  struct Record {
    std::vector<Value> values;
    std::vector<Value> original;
    Status status = Status::Unchanged;
  };

  void Load(std::shared_ptr<const std::vector<FieldDef>> fields,
            std::vector<std::vector<Value>> rows);
  void RebuildView();
  void ResolveIndexFields();
  std::vector<int> FieldList(const std::string& fields) const;
  bool Visible(const Record& record) const;
  bool Before(size_t a, size_t b) const;
  void CheckUniqueKeys(const std::vector<Value>& values, std::optional<size_t> self) const;
  void CheckCanModify(const char* action) const;
  void PositionOn(size_t record);
  size_t CurrentRecord() const { return view_.at(Cursor()); }

  Provider* provider_;
  Params params_;
  std::vector<FieldDef> defs_;  // for CreateDataSet
  std::vector<Record> records_;
  std::vector<Record> deleted_;  // deleted rows that exist in the database
  std::vector<size_t> view_;     // visible records, in index order

  std::string index_name_;
  std::string index_field_names_;
  std::vector<int> index_fields_;

  std::string filter_text_;
  FilterExpression filter_;
  bool filtered_ = false;

  DataSetState state_ = DataSetState::Inactive;
  std::vector<Value> buffer_;  // the row being edited or inserted
  std::optional<size_t> insert_at_;
};

}  // namespace veiculo::platform
