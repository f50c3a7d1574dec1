#include "platform/db/row_cache.h"

#include <fmt/format.h>

#include "platform/text.h"

namespace veiculo::platform {
namespace {

// Entries kept at most (cleared when full: a batch refills what it uses).
constexpr size_t kMaxEntries = 4096;

// The words of a text up to `count`, upper case, skipping comments.
std::vector<std::string> FirstWords(std::string_view sql, size_t count) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < sql.size() && words.size() < count) {
    const char c = sql[i];
    if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
      const size_t end = sql.find('\n', i);
      i = end == std::string_view::npos ? sql.size() : end;
    } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
      const size_t end = sql.find("*/", i + 2);
      i = end == std::string_view::npos ? sql.size() : end + 2;
    } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '(') {
      ++i;
    } else {
      size_t j = i;
      while (j < sql.size() && sql[j] != ' ' && sql[j] != '\t' && sql[j] != '\n' &&
             sql[j] != '\r' && sql[j] != '(')
        ++j;
      words.push_back(UpperCase(sql.substr(i, j - i)));
      i = j;
    }
  }
  return words;
}

}  // namespace

std::string RowCache::Key(const std::string& sql, const std::vector<Value>& params) {
  std::string key = sql;
  for (const Value& v : params) {
    key += '\x1f';
    switch (v.IsNull() ? FieldType::Blob : v.type()) {
      case FieldType::Integer:
        key += fmt::format("i{}", v.AsInteger());
        break;
      case FieldType::Float:
        key += fmt::format("f{}", v.AsFloat());
        break;
      case FieldType::DateTime:
        key += fmt::format("d{}", v.AsDateTime());
        break;
      case FieldType::Text:
        key += "t" + v.AsText();
        break;
      case FieldType::Blob:
        key += v.IsNull() ? "n" : "b" + v.AsText();
        break;
    }
  }
  return key;
}

const QueryRows* RowCache::Find(const std::string& key) const {
  auto hit = entries_.find(key);
  return hit == entries_.end() ? nullptr : &hit->second;
}

void RowCache::Store(const std::string& key, const std::string& table, const QueryRows& rows) {
  if (entries_.size() >= kMaxEntries) Clear();
  if (entries_.insert_or_assign(key, rows).second) keys_of_[table].push_back(key);
}

void RowCache::Ran(std::string_view sql) {
  if (entries_.empty()) return;
  const std::vector<std::string> first = FirstWords(sql, 1);  // most statements are selects
  if (!first.empty() && (first[0] == "SELECT" || first[0] == "WITH")) return;
  const std::vector<std::string> w = FirstWords(sql, 5);
  if (w.empty()) return;
  std::string table;
  if (w[0] == "INSERT" && w.size() > 2 && w[1] == "INTO") table = w[2];
  if (w[0] == "DELETE" && w.size() > 2 && w[1] == "FROM") table = w[2];
  if (w[0] == "UPDATE" && w.size() > 1 && w[1] != "OR") table = w[1];
  if (w[0] == "UPDATE" && w.size() > 4 && w[1] == "OR" && w[3] == "INTO") table = w[4];
  // A quoted name or a name glued to its column list is told by its first part.
  table = table.substr(0, table.find('('));
  if (table.empty() || table[0] == '"') {
    Clear();
    return;
  }
  auto kept = keys_of_.find(table);
  if (kept == keys_of_.end()) return;
  for (const std::string& key : kept->second) entries_.erase(key);
  keys_of_.erase(kept);
}

void RowCache::Controlled(std::string_view sql) {
  if (entries_.empty()) return;
  const std::vector<std::string> w = FirstWords(sql, 2);
  const bool sets = !w.empty() && (w[0] == "SAVEPOINT" || w[0] == "RELEASE" ||
                                   (w[0] == "SAVE" && w.size() > 1 && w[1] == "TRANSACTION"));
  if (!sets) Clear();
}

}  // namespace veiculo::platform
