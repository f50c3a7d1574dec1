#include "platform/db/value_compare.h"

#include "platform/text.h"

namespace veiculo::platform {
namespace {

bool Numeric(FieldType t) {
  return t == FieldType::Integer || t == FieldType::Float || t == FieldType::DateTime;
}

template <typename T>
int Order(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

int CompareValues(const Value& a, const Value& b, bool case_insensitive) {
  if (a.IsNull() || b.IsNull()) return Order(!a.IsNull(), !b.IsNull());
  if (a.type() == FieldType::Integer && b.type() == FieldType::Integer)
    return Order(a.AsInteger(), b.AsInteger());
  if (Numeric(a.type()) || Numeric(b.type())) {
    const double x = a.type() == FieldType::DateTime ? a.AsDateTime() : a.AsFloat();
    const double y = b.type() == FieldType::DateTime ? b.AsDateTime() : b.AsFloat();
    return Order(x, y);
  }
  if (case_insensitive) return Order(UpperCase(a.AsText()), UpperCase(b.AsText()));
  return a.AsText().compare(b.AsText()) < 0 ? -1 : (a.AsText() == b.AsText() ? 0 : 1);
}

}  // namespace veiculo::platform
