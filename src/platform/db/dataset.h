#pragma once
// What SQL datasets and client datasets share: an open/closed state, a set of
// rows with a current one, and fields read (and, where the dataset allows,
// written) by name without regard to letter case.
//
// Reading a field of a closed or empty dataset, or a field that does not
// exist, raises veiculo::Error naming the dataset and the field.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/component.h"
#include "veiculo/data_packet.h"
#include "veiculo/value.h"

namespace veiculo::platform {

class DataSet;

// A handle on one field of a dataset's current row.
class Field {
 public:
  Field(DataSet& dataset, int index) : dataset_(&dataset), index_(index) {}

  const std::string& FieldName() const;
  FieldType DataType() const;
  int Size() const;

  const Value& AsValue() const;
  bool IsNull() const { return AsValue().IsNull(); }
  int64_t AsInteger() const { return AsValue().AsInteger(); }
  double AsFloat() const { return AsValue().AsFloat(); }
  std::string AsText() const { return AsValue().AsText(); }
  std::string AsString() const { return AsText(); }
  double AsDateTime() const { return AsValue().AsDateTime(); }
  bool AsBoolean() const { return AsValue().AsBoolean(); }

  // Writing converts the value to the field's type; only an editing client
  // dataset accepts it.
  void SetValue(const Value& value);
  void SetAsInteger(int64_t v) { SetValue(Value::Integer(v)); }
  void SetAsFloat(double v) { SetValue(Value::Float(v)); }
  void SetAsText(const std::string& v) { SetValue(Value::Text(v)); }
  void SetAsString(const std::string& v) { SetAsText(v); }
  void SetAsDateTime(double v) { SetValue(Value::DateTime(v)); }
  void Clear() { SetValue(Value()); }

 private:
  DataSet* dataset_;
  int index_;
};

// Converts a value to a field type (text "12,5" to a float field, and so on).
Value CoerceToFieldType(const Value& value, FieldType type);

class DataSet : public Component {
 public:
  using Handler = std::function<void(DataSet&)>;

  using Component::Component;

  bool Active() const { return active_; }
  virtual void Open() = 0;
  virtual void Close() = 0;
  void SetActive(bool active) { active ? Open() : Close(); }

  void First();
  void Next();
  void Prior();
  void Last();
  bool Eof() const;
  bool Bof() const;
  // Number of rows (visible rows for a filtered client dataset).
  int RecordCount() const;
  bool IsEmpty() const { return RecordCount() == 0; }
  // 1-based position of the current row; 0 when empty.
  int RecNo() const { return IsEmpty() ? 0 : static_cast<int>(cursor_) + 1; }

  const std::vector<FieldDef>& FieldDefs() const { return *fields_; }
  int FieldCount() const { return static_cast<int>(fields_->size()); }
  // Index of a field, ignoring letter case; -1 when absent. With duplicate
  // names (a join of two tables with the same column), the first one.
  int FieldIndex(std::string_view name) const;
  bool HasField(std::string_view name) const { return FieldIndex(name) >= 0; }
  Field FieldByName(std::string_view name);
  Field Fields(int index);

  // Runs before the dataset opens; may change its command text and parameters.
  Handler BeforeOpen;

 protected:
  friend class Field;

  // Row storage is the subclass's; the base navigates over VisibleCount() rows.
  virtual size_t VisibleCount() const = 0;
  virtual const Value& VisibleValue(size_t row, int field) const = 0;
  virtual void WriteCurrentValue(int field, const Value& value);
  // Called when the cursor is about to leave the current row (client datasets
  // post a pending edit).
  virtual void BeforeScroll() {}

  void SetFields(std::vector<FieldDef> fields);
  void SetFields(std::shared_ptr<const std::vector<FieldDef>> fields);
  void SetActiveFlag(bool active) { active_ = active; }
  size_t Cursor() const { return cursor_; }
  void SetCursor(size_t cursor) { cursor_ = cursor; eof_ = false; bof_ = false; }
  void ResetCursor();
  [[noreturn]] void FailNotOpen(std::string_view action) const;

 private:
  std::shared_ptr<const std::vector<FieldDef>> fields_ =
      std::make_shared<const std::vector<FieldDef>>();
  bool active_ = false;
  size_t cursor_ = 0;
  bool eof_ = true;
  bool bof_ = true;
};

}  // namespace veiculo::platform
