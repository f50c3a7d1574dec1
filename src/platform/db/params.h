#pragma once
// The ordered parameter list of a dataset. Names match the ":Name" markers of
// the command text without regard to letter case.

#include <string>
#include <string_view>
#include <vector>

#include "veiculo/value.h"

namespace veiculo::platform {

struct Param {
  std::string name;
  Value value;
  // A declared kind ("fixed-point", "text") where the catalogue fixes one;
  // values keep their own kind otherwise.
  bool typed_as_text = false;

  void SetAsInteger(int64_t v) { value = Value::Integer(v); }
  void SetAsFloat(double v) { value = Value::Float(v); }
  void SetAsText(std::string v) { value = Value::Text(std::move(v)); }
  void SetAsDateTime(double v) { value = Value::DateTime(v); }
  void Clear() { value = Value(); }
};

class Params {
 public:
  Params() = default;
  explicit Params(const std::vector<std::string>& names);

  size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  Param& operator[](size_t index) { return items_.at(index); }
  const Param& operator[](size_t index) const { return items_.at(index); }

  // Throws veiculo::Error (not found) naming the parameter.
  Param& ParamByName(std::string_view name);
  const Param& ParamByName(std::string_view name) const;
  Param* FindParam(std::string_view name);
  const Param* FindParam(std::string_view name) const;

  Param& Add(std::string name);
  void Clear() { items_.clear(); }
  // Values of same-named parameters of `other` are copied here.
  void AssignValues(const Params& other);

  std::vector<Param>::iterator begin() { return items_.begin(); }
  std::vector<Param>::iterator end() { return items_.end(); }
  std::vector<Param>::const_iterator begin() const { return items_.begin(); }
  std::vector<Param>::const_iterator end() const { return items_.end(); }

 private:
  std::vector<Param> items_;
};

}  // namespace veiculo::platform
