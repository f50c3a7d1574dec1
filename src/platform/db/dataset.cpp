#include "platform/db/dataset.h"

#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {

const std::string& Field::FieldName() const { return dataset_->FieldDefs().at(index_).name; }
FieldType Field::DataType() const { return dataset_->FieldDefs().at(index_).type; }
int Field::Size() const { return dataset_->FieldDefs().at(index_).size; }

const Value& Field::AsValue() const {
  if (!dataset_->Active()) dataset_->FailNotOpen("read field " + FieldName());
  if (dataset_->Eof() && dataset_->Bof()) {
    // An empty dataset reads as null, as the platform's fields do.
    static const Value kNull;
    return kNull;
  }
  return dataset_->VisibleValue(dataset_->cursor_, index_);
}

void Field::SetValue(const Value& value) {
  dataset_->WriteCurrentValue(index_, CoerceToFieldType(value, DataType()));
}

Value CoerceToFieldType(const Value& value, FieldType type) {
  if (value.IsNull() || value.type() == type) return value;
  switch (type) {
    case FieldType::Integer: return Value::Integer(value.AsInteger());
    case FieldType::Float: return Value::Float(value.AsFloat());
    case FieldType::DateTime: return Value::DateTime(value.AsDateTime());
    case FieldType::Text: return Value::Text(value.AsText());
    case FieldType::Blob: return Value::Blob(value.AsText());
  }
  return value;
}

void DataSet::First() {
  BeforeScroll();
  ResetCursor();
}

void DataSet::ResetCursor() {
  cursor_ = 0;
  bof_ = true;
  eof_ = VisibleCount() == 0;
}

void DataSet::Next() {
  BeforeScroll();
  if (cursor_ + 1 < VisibleCount()) {
    ++cursor_;
    bof_ = false;
  } else {
    eof_ = true;
  }
}

void DataSet::Prior() {
  BeforeScroll();
  if (cursor_ > 0 && VisibleCount() > 0) {
    --cursor_;
    eof_ = false;
  } else {
    bof_ = true;
  }
}

void DataSet::Last() {
  BeforeScroll();
  const size_t count = VisibleCount();
  cursor_ = count == 0 ? 0 : count - 1;
  eof_ = true;
  bof_ = count == 0;
}

bool DataSet::Eof() const { return !active_ || eof_ || VisibleCount() == 0; }
bool DataSet::Bof() const { return !active_ || bof_; }

int DataSet::RecordCount() const { return active_ ? static_cast<int>(VisibleCount()) : 0; }

int DataSet::FieldIndex(std::string_view name) const {
  const std::vector<FieldDef>& fields = *fields_;
  // The length first: a vehicle's row has a hundred fields and is asked
  // for by name on every formula line.
  for (size_t i = 0; i < fields.size(); ++i)
    if (fields[i].name.size() == name.size() && SameText(fields[i].name, name))
      return static_cast<int>(i);
  return -1;
}

Field DataSet::FieldByName(std::string_view name) {
  const int index = FieldIndex(name);
  if (index < 0)
    throw Error(ErrorCategory::NotFound,
                Name() + ": field '" + std::string(name) + "' not found");
  return Field(*this, index);
}

Field DataSet::Fields(int index) {
  if (index < 0 || index >= FieldCount())
    throw Error(ErrorCategory::NotFound,
                Name() + ": field index " + std::to_string(index) + " out of range");
  return Field(*this, index);
}

void DataSet::WriteCurrentValue(int field, const Value&) {
  throw Error(ErrorCategory::Validation,
              Name() + ": cannot modify field " + fields_->at(field).name + " of a read-only dataset");
}

void DataSet::SetFields(std::vector<FieldDef> fields) {
  fields_ = std::make_shared<const std::vector<FieldDef>>(std::move(fields));
}

void DataSet::SetFields(std::shared_ptr<const std::vector<FieldDef>> fields) {
  fields_ = std::move(fields);
}

void DataSet::FailNotOpen(std::string_view action) const {
  throw Error(ErrorCategory::Validation,
              Name() + ": cannot " + std::string(action) + ": dataset is not open");
}

}  // namespace veiculo::platform
