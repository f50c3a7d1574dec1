#include "platform/db/client_dataset.h"

#include <algorithm>
#include <unordered_map>

#include "platform/db/provider.h"
#include "platform/db/sql_dataset.h"
#include "platform/db/sql_markers.h"
#include "platform/db/value_compare.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {

void ClientDataSet::FetchParams() {
  if (provider_ == nullptr || provider_->DataSet() == nullptr)
    throw Error(ErrorCategory::Validation, Name() + ": missing provider");
  params_ = Params(DistinctMarkerNames(provider_->DataSet()->CommandText()));
}

void ClientDataSet::Open() {
  if (Active()) return;
  if (BeforeOpen) BeforeOpen(*this);
  if (provider_ == nullptr)
    throw Error(ErrorCategory::Validation, Name() + ": cannot open: missing provider");
  QueryRows rows = provider_->GetRecords(params_, CommandText);
  Load(std::move(rows.columns), std::move(rows.rows));
}

void ClientDataSet::Close() {
  SetActiveFlag(false);
  state_ = DataSetState::Inactive;
  records_.clear();
  deleted_.clear();
  view_.clear();
  buffer_.clear();
  ResetCursor();
}

void ClientDataSet::SetFieldDefs(std::vector<FieldDef> fields) {
  Close();
  defs_ = std::move(fields);
}

void ClientDataSet::CreateDataSet() {
  if (defs_.empty()) throw Error(ErrorCategory::Validation, Name() + ": no field definitions");
  Load(std::make_shared<const std::vector<FieldDef>>(defs_), {});
}

void ClientDataSet::EmptyDataSet() {
  CheckCanModify("empty");
  records_.clear();
  deleted_.clear();
  state_ = DataSetState::Browse;
  RebuildView();
  ResetCursor();
}

void ClientDataSet::Load(std::shared_ptr<const std::vector<FieldDef>> fields,
                         std::vector<std::vector<Value>> rows) {
  Close();
  SetFields(std::move(fields));
  records_.reserve(rows.size());
  for (auto& row : rows) records_.push_back(Record{std::move(row), {}, Status::Unchanged});
  ResolveIndexFields();
  SetActiveFlag(true);
  state_ = DataSetState::Browse;
  RebuildView();
  ResetCursor();
}

DataPacket ClientDataSet::Data() const {
  DataPacket packet;
  packet.fields = FieldDefs();
  packet.rows.reserve(records_.size());
  for (const Record& r : records_) packet.rows.push_back(r.values);
  return packet;
}

void ClientDataSet::SetData(const DataPacket& packet) {
  Load(std::make_shared<const std::vector<FieldDef>>(packet.fields), packet.rows);
}

const Value& ClientDataSet::VisibleValue(size_t row, int field) const {
  if (state_ != DataSetState::Browse && row == Cursor())
    return buffer_[static_cast<size_t>(field)];
  return records_[view_[row]].values[static_cast<size_t>(field)];
}

// ---- indexes and filter ----

std::vector<int> ClientDataSet::FieldList(const std::string& fields) const {
  std::vector<int> indexes;
  size_t start = 0;
  while (start <= fields.size()) {
    size_t end = fields.find(';', start);
    if (end == std::string::npos) end = fields.size();
    const std::string name = Trim(fields.substr(start, end - start));
    if (!name.empty()) {
      const int index = FieldIndex(name);
      if (index < 0)
        throw Error(ErrorCategory::NotFound, Name() + ": field '" + name + "' not found");
      indexes.push_back(index);
    }
    start = end + 1;
  }
  return indexes;
}

void ClientDataSet::SetIndexName(const std::string& name) {
  if (!name.empty()) {
    const bool known = std::any_of(IndexDefs.begin(), IndexDefs.end(),
                                   [&](const IndexDef& d) { return SameText(d.name, name); });
    if (!known) throw Error(ErrorCategory::NotFound, Name() + ": index '" + name + "' not found");
  }
  index_name_ = name;
  index_field_names_.clear();
  if (Active()) {
    ResolveIndexFields();
    RebuildView();
    ResetCursor();
  }
}

void ClientDataSet::SetIndexFieldNames(const std::string& fields) {
  index_name_.clear();
  index_field_names_ = fields;
  if (Active()) {
    ResolveIndexFields();
    RebuildView();
    ResetCursor();
  }
}

void ClientDataSet::ResolveIndexFields() {
  index_fields_.clear();
  if (!index_field_names_.empty()) {
    index_fields_ = FieldList(index_field_names_);
    return;
  }
  for (const IndexDef& d : IndexDefs)
    if (SameText(d.name, index_name_) && !index_name_.empty()) index_fields_ = FieldList(d.fields);
}

bool ClientDataSet::Before(size_t a, size_t b) const {
  for (int f : index_fields_) {
    const int c = CompareValues(records_[a].values[f], records_[b].values[f]);
    if (c != 0) return c < 0;
  }
  return false;
}

bool ClientDataSet::Visible(const Record& record) const {
  if (!filtered_ || filter_.Empty()) return true;
  return filter_.Matches([&](const std::string& name) -> const Value& {
    const int index = FieldIndex(name);
    if (index < 0)
      throw Error(ErrorCategory::NotFound, Name() + ": filter field '" + name + "' not found");
    return record.values[static_cast<size_t>(index)];
  });
}

void ClientDataSet::RebuildView() {
  view_.clear();
  view_.reserve(records_.size());
  for (size_t i = 0; i < records_.size(); ++i)
    if (Visible(records_[i])) view_.push_back(i);
  if (!index_fields_.empty())
    std::stable_sort(view_.begin(), view_.end(), [&](size_t a, size_t b) { return Before(a, b); });
}

void ClientDataSet::SetFilter(const std::string& text) {
  FilterExpression parsed = FilterExpression::Parse(text);
  filter_text_ = text;
  filter_ = std::move(parsed);
  if (Active() && filtered_) {
    RebuildView();
    ResetCursor();
  }
}

void ClientDataSet::SetFiltered(bool filtered) {
  if (filtered_ == filtered) return;
  if (Active()) BeforeScroll();
  filtered_ = filtered;
  if (Active()) {
    RebuildView();
    ResetCursor();
  }
}

void ClientDataSet::PositionOn(size_t record) {
  const auto it = std::find(view_.begin(), view_.end(), record);
  if (it == view_.end()) {
    ResetCursor();
    return;
  }
  SetCursor(static_cast<size_t>(it - view_.begin()));
}

bool ClientDataSet::FindKey(const std::vector<Value>& values) {
  if (!Active()) FailNotOpen("search a key");
  if (index_fields_.empty())
    throw Error(ErrorCategory::Validation, Name() + ": FindKey needs an active index");
  if (values.size() > index_fields_.size())
    throw Error(ErrorCategory::Validation, Name() + ": more key values than index fields");
  BeforeScroll();
  std::vector<Value> key;
  for (size_t i = 0; i < values.size(); ++i)
    key.push_back(CoerceToFieldType(values[i], FieldDefs()[index_fields_[i]].type));
  auto compare = [&](size_t record) {
    for (size_t i = 0; i < key.size(); ++i) {
      const int c = CompareValues(records_[record].values[index_fields_[i]], key[i]);
      if (c != 0) return c;
    }
    return 0;
  };
  const auto it = std::partition_point(view_.begin(), view_.end(),
                                       [&](size_t record) { return compare(record) < 0; });
  if (it == view_.end() || compare(*it) != 0) return false;
  SetCursor(static_cast<size_t>(it - view_.begin()));
  return true;
}

bool ClientDataSet::Locate(const std::string& fields, const std::vector<Value>& values,
                           LocateOptions options) {
  if (!Active()) FailNotOpen("locate");
  const std::vector<int> indexes = FieldList(fields);
  if (indexes.size() != values.size())
    throw Error(ErrorCategory::Validation,
                Name() + ": Locate on " + fields + " needs " + std::to_string(indexes.size()) +
                    " values, got " + std::to_string(values.size()));
  BeforeScroll();
  std::vector<Value> key;
  for (size_t i = 0; i < values.size(); ++i)
    key.push_back(CoerceToFieldType(values[i], FieldDefs()[indexes[i]].type));
  for (size_t row = 0; row < view_.size(); ++row) {
    const Record& r = records_[view_[row]];
    bool match = true;
    for (size_t i = 0; match && i < key.size(); ++i) {
      const Value& v = r.values[indexes[i]];
      if (options.partial_key && v.type() == FieldType::Text && !key[i].IsNull()) {
        const std::string have = options.case_insensitive ? UpperCase(v.AsText()) : v.AsText();
        const std::string want =
            options.case_insensitive ? UpperCase(key[i].AsText()) : key[i].AsText();
        match = have.compare(0, want.size(), want) == 0;
      } else {
        match = CompareValues(v, key[i], options.case_insensitive) == 0 &&
                v.IsNull() == key[i].IsNull();
      }
    }
    if (match) {
      SetCursor(row);
      return true;
    }
  }
  return false;
}

}  // namespace veiculo::platform
