#include "platform/db/update_sql.h"

#include <cctype>

#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

class Builder {
 public:
  explicit Builder(bool quote) : quote_(quote) {}

  std::string Name(const std::string& name) const {
    return quote_ ? "\"" + UpperCase(name) + "\"" : name;
  }
  std::string Bind(const Value& value) {
    values_.push_back(value);
    return ":P" + std::to_string(values_.size());
  }
  // "COL = :Pn", or "COL is null" for a null original.
  std::string Match(const std::string& column, const Value& value) {
    if (value.IsNull()) return Name(column) + " is null";
    return Name(column) + " = " + Bind(value);
  }
  std::vector<Value> TakeValues() { return std::move(values_); }

 private:
  bool quote_;
  std::vector<Value> values_;
};

int IndexOf(const std::vector<FieldDef>& fields, const std::string& name) {
  for (size_t i = 0; i < fields.size(); ++i)
    if (SameText(fields[i].name, name)) return static_cast<int>(i);
  return -1;
}

bool IsKey(const UpdateTarget& target, const std::string& name) {
  for (const std::string& key : target.key_columns)
    if (SameText(key, name)) return true;
  return false;
}

std::string WhereClause(const UpdateTarget& target, const RowChange& change, Builder& b) {
  std::vector<std::string> terms;
  for (const std::string& key : target.key_columns) {
    const int i = IndexOf(target.fields, key);
    if (i < 0)
      throw Error(ErrorCategory::NotFound,
                  "key column " + key + " of table " + target.table + " is not in the dataset");
    terms.push_back(b.Match(target.fields[i].name, change.original[i]));
  }
  if (target.mode == UpdateMode::WhereKeyOnly && terms.empty())
    throw Error(ErrorCategory::Validation,
                "cannot locate a row of " + target.table + ": no key columns known");
  for (size_t i = 0; i < target.fields.size(); ++i) {
    if (!target.writable[i] || IsKey(target, target.fields[i].name)) continue;
    if (target.fields[i].type == FieldType::Blob) continue;
    const bool changed =
        change.kind == RowChange::Kind::Modified && !(change.original[i] == change.current[i]);
    if (target.mode == UpdateMode::WhereAll ||
        (target.mode == UpdateMode::WhereChanged && changed))
      terms.push_back(b.Match(target.fields[i].name, change.original[i]));
  }
  if (terms.empty())
    throw Error(ErrorCategory::Validation,
                "cannot locate a row of " + target.table + ": no columns to match");
  std::string where;
  for (const std::string& t : terms) where += (where.empty() ? " where " : " and ") + t;
  return where;
}

}  // namespace

GeneratedStatement GenerateStatement(const UpdateTarget& target, const RowChange& change) {
  Builder b(target.quote);
  GeneratedStatement out;
  const std::string table = b.Name(target.table);
  switch (change.kind) {
    case RowChange::Kind::Inserted: {
      std::string columns, values;
      for (size_t i = 0; i < target.fields.size(); ++i) {
        if (!target.writable[i] || change.current[i].IsNull()) continue;
        columns += (columns.empty() ? "" : ", ") + b.Name(target.fields[i].name);
        values += (values.empty() ? "" : ", ") + b.Bind(change.current[i]);
      }
      if (columns.empty())
        throw Error(ErrorCategory::Validation, "cannot insert an empty row into " + target.table);
      out.sql = "insert into " + table + " (" + columns + ") values (" + values + ")";
      break;
    }
    case RowChange::Kind::Modified: {
      std::string set;
      for (size_t i = 0; i < target.fields.size(); ++i) {
        if (!target.writable[i] || change.original[i] == change.current[i]) continue;
        set += (set.empty() ? "" : ", ") + b.Name(target.fields[i].name) + " = " +
               b.Bind(change.current[i]);
      }
      if (set.empty()) return out;  // nothing changed: no statement
      out.sql = "update " + table + " set " + set + WhereClause(target, change, b);
      break;
    }
    case RowChange::Kind::Deleted:
      out.sql = "delete from " + table + WhereClause(target, change, b);
      break;
  }
  out.values = b.TakeValues();
  return out;
}

std::string FirstTableOf(const std::string& select_sql) {
  const std::string upper = UpperCase(select_sql);
  size_t pos = 0;
  while ((pos = upper.find("FROM", pos)) != std::string::npos) {
    const bool starts = pos == 0 || !std::isalnum(static_cast<unsigned char>(upper[pos - 1]));
    const bool ends = pos + 4 >= upper.size() ||
                      std::isspace(static_cast<unsigned char>(upper[pos + 4]));
    if (starts && ends) break;
    pos += 4;
  }
  if (pos == std::string::npos) return "";
  size_t begin = pos + 4;
  while (begin < select_sql.size() && std::isspace(static_cast<unsigned char>(select_sql[begin])))
    ++begin;
  size_t end = begin;
  while (end < select_sql.size() &&
         (std::isalnum(static_cast<unsigned char>(select_sql[end])) || select_sql[end] == '_' ||
          select_sql[end] == '$' || select_sql[end] == '.'))
    ++end;
  return UpperCase(select_sql.substr(begin, end - begin));
}

}  // namespace veiculo::platform
