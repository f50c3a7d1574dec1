// Editing a client dataset: the edit buffer, posting with key checks, the
// change log and writing it back through the provider.

#include <algorithm>

#include "platform/db/client_dataset.h"
#include "platform/db/provider.h"
#include "platform/db/value_compare.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {

void ClientDataSet::CheckCanModify(const char* action) const {
  if (!Active()) FailNotOpen(action);
  if (ReadOnly)
    throw Error(ErrorCategory::Validation,
                Name() + ": cannot " + action + ": the dataset is read-only");
}

void ClientDataSet::Edit() {
  CheckCanModify("edit");
  if (state_ != DataSetState::Browse) return;
  if (view_.empty()) {
    Append();
    return;
  }
  buffer_ = records_[CurrentRecord()].values;
  state_ = DataSetState::Edit;
}

void ClientDataSet::Insert() {
  CheckCanModify("insert");
  BeforeScroll();
  insert_at_ = view_.empty() ? records_.size() : CurrentRecord();
  buffer_.assign(FieldDefs().size(), Value());
  // The new row shows at the cursor while it is being edited.
  view_.insert(view_.begin() + static_cast<long>(view_.empty() ? 0 : Cursor()), records_.size());
  SetCursor(view_.empty() ? 0 : (Cursor() < view_.size() ? Cursor() : view_.size() - 1));
  state_ = DataSetState::Insert;
}

void ClientDataSet::Append() {
  CheckCanModify("append");
  BeforeScroll();
  insert_at_ = records_.size();
  buffer_.assign(FieldDefs().size(), Value());
  view_.push_back(records_.size());
  SetCursor(view_.size() - 1);
  state_ = DataSetState::Insert;
}

void ClientDataSet::WriteCurrentValue(int field, const Value& value) {
  CheckCanModify("modify a field");
  if (state_ == DataSetState::Browse) Edit();
  buffer_[static_cast<size_t>(field)] = value;
}

void ClientDataSet::CheckUniqueKeys(const std::vector<Value>& values,
                                    std::optional<size_t> self) const {
  for (const IndexDef& index : IndexDefs) {
    if (!index.unique && !index.primary) continue;
    const std::vector<int> fields = FieldList(index.fields);
    for (size_t i = 0; i < records_.size(); ++i) {
      if (self && *self == i) continue;
      const bool same = std::all_of(fields.begin(), fields.end(), [&](int f) {
        return CompareValues(records_[i].values[f], values[f]) == 0;
      });
      if (same)
        throw Error(ErrorCategory::Validation,
                    Name() + ": key violation on index " + index.name + " (" + index.fields + ")");
    }
  }
}

void ClientDataSet::Post() {
  if (state_ == DataSetState::Browse || state_ == DataSetState::Inactive) return;
  size_t record = 0;
  if (state_ == DataSetState::Edit) {
    record = CurrentRecord();
    CheckUniqueKeys(buffer_, record);
    Record& r = records_[record];
    if (r.status == Status::Unchanged) {
      r.original = r.values;
      r.status = Status::Modified;
    }
    r.values = std::move(buffer_);
  } else {
    CheckUniqueKeys(buffer_, std::nullopt);
    record = std::min(*insert_at_, records_.size());
    records_.insert(records_.begin() + static_cast<long>(record),
                    Record{std::move(buffer_), {}, Status::Inserted});
  }
  buffer_.clear();
  insert_at_.reset();
  state_ = DataSetState::Browse;
  RebuildView();
  PositionOn(record);
  if (AfterPost) AfterPost(*this);
}

void ClientDataSet::Cancel() {
  if (state_ != DataSetState::Edit && state_ != DataSetState::Insert) return;
  const size_t cursor = Cursor();
  buffer_.clear();
  insert_at_.reset();
  state_ = DataSetState::Browse;
  RebuildView();
  if (view_.empty())
    ResetCursor();
  else
    SetCursor(std::min(cursor, view_.size() - 1));
  if (AfterCancel) AfterCancel(*this);
}

void ClientDataSet::Delete() {
  CheckCanModify("delete");
  if (state_ == DataSetState::Insert) {
    Cancel();
    return;
  }
  state_ = DataSetState::Browse;
  buffer_.clear();
  if (view_.empty())
    throw Error(ErrorCategory::Validation, Name() + ": cannot delete: the dataset is empty");
  const size_t cursor = Cursor();
  const size_t record = CurrentRecord();
  Record& r = records_[record];
  if (r.status != Status::Inserted) {
    if (r.status == Status::Unchanged) r.original = r.values;
    deleted_.push_back(Record{{}, std::move(r.original), Status::Unchanged});
  }
  records_.erase(records_.begin() + static_cast<long>(record));
  RebuildView();
  if (view_.empty())
    ResetCursor();
  else
    SetCursor(std::min(cursor, view_.size() - 1));
  if (AfterDelete) AfterDelete(*this);
}

void ClientDataSet::BeforeScroll() {
  if (state_ == DataSetState::Edit || state_ == DataSetState::Insert) Post();
}

int ClientDataSet::ChangeCount() const {
  int count = static_cast<int>(deleted_.size());
  for (const Record& r : records_) count += r.status != Status::Unchanged;
  return count;
}

int ClientDataSet::ApplyUpdates(int /*max_errors*/) {
  if (!Active()) FailNotOpen("apply updates");
  BeforeScroll();
  if (ChangeCount() == 0) return 0;
  if (provider_ == nullptr)
    throw Error(ErrorCategory::Validation, Name() + ": cannot apply updates: missing provider");
  std::vector<RowChange> changes;
  for (const Record& d : deleted_)
    changes.push_back(RowChange{RowChange::Kind::Deleted, d.original, {}});
  for (const Record& r : records_) {
    if (r.status == Status::Modified)
      changes.push_back(RowChange{RowChange::Kind::Modified, r.original, r.values});
    else if (r.status == Status::Inserted)
      changes.push_back(RowChange{RowChange::Kind::Inserted, {}, r.values});
  }
  provider_->ApplyUpdates(FieldDefs(), changes);
  MergeChangeLog();
  return 0;
}

void ClientDataSet::MergeChangeLog() {
  deleted_.clear();
  for (Record& r : records_) {
    r.status = Status::Unchanged;
    r.original.clear();
  }
}

void ClientDataSet::CancelUpdates() {
  if (!Active()) return;
  buffer_.clear();
  state_ = DataSetState::Browse;
  std::vector<Record> restored;
  for (Record& r : records_) {
    if (r.status == Status::Inserted) continue;
    if (r.status == Status::Modified) r.values = std::move(r.original);
    restored.push_back(Record{std::move(r.values), {}, Status::Unchanged});
  }
  for (Record& d : deleted_) restored.push_back(Record{std::move(d.original), {}, Status::Unchanged});
  records_ = std::move(restored);
  deleted_.clear();
  RebuildView();
  ResetCursor();
}

}  // namespace veiculo::platform
