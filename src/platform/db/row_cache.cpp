#include "platform/db/row_cache.h"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace veiculo::platform {
namespace {

// Entries kept at most (cleared when full: a batch refills what it uses).
constexpr size_t kMaxEntries = 4096;

// Where the comment starting at `i` ends (a line comment at its line break),
// or `i` when no comment starts there.
size_t AfterComment(std::string_view sql, size_t i) {
  if (sql.substr(i, 2) == "--") {
    const size_t end = sql.find('\n', i);
    return end == std::string_view::npos ? sql.size() : end;
  }
  if (sql.substr(i, 2) == "/*") {
    const size_t end = sql.find("*/", i + 2);
    return end == std::string_view::npos ? sql.size() : end + 2;
  }
  return i;
}

// The words of a text up to `count`, upper case, skipping comments.
std::vector<std::string> FirstWords(std::string_view sql, size_t count) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < sql.size() && words.size() < count) {
    const char c = sql[i];
    if (const size_t after = AfterComment(sql, i); after != i) {
      i = after;
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

std::vector<std::string> RowCache::NamesIn(std::string_view sql) {
  const auto name_char = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
  };
  std::vector<std::string> names;
  size_t i = 0;
  while (i < sql.size()) {
    const char c = sql[i];
    if (const size_t after = AfterComment(sql, i); after != i) {
      i = after;
    } else if (c == '\'') {
      // A doubled quote ends one literal and starts the next: same result.
      const size_t end = sql.find('\'', i + 1);
      i = end == std::string_view::npos ? sql.size() : end + 1;
    } else if (name_char(c)) {
      size_t j = i;
      while (j < sql.size() && name_char(sql[j])) ++j;
      // Numbers are no names; a quoted name ("X") is read by its letters.
      if (!std::isdigit(static_cast<unsigned char>(c)))
        names.push_back(UpperCase(sql.substr(i, j - i)));
      i = j;
    } else {
      ++i;
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

const QueryRows* RowCache::Find(const std::string& key) const {
  auto hit = entries_.find(key);
  return hit == entries_.end() ? nullptr : &hit->second.rows;
}

void RowCache::Store(const std::string& key, std::string_view sql, const QueryRows& rows) {
  if (entries_.size() >= kMaxEntries) Clear();
  auto [entry, added] = entries_.try_emplace(key);
  entry->second.rows = rows;
  if (!added) return;
  entry->second.names = NamesIn(sql);
  for (const std::string& name : entry->second.names) keys_of_[name].insert(&entry->first);
}

void RowCache::Forget(Entries::iterator entry) {
  for (const std::string& name : entry->second.names) {
    auto kept = keys_of_.find(name);
    if (kept == keys_of_.end()) continue;
    kept->second.erase(&entry->first);
    if (kept->second.empty()) keys_of_.erase(kept);
  }
  entries_.erase(entry);
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
  // A name with its owner (DBO.X) is told by its last part, as NamesIn reads it.
  table = table.substr(table.rfind('.') + 1);
  auto kept = keys_of_.find(table);
  if (kept == keys_of_.end()) return;
  // Forget takes each key out of this list too, so go through a copy.
  const std::vector<const std::string*> keys(kept->second.begin(), kept->second.end());
  for (const std::string* key : keys) Forget(entries_.find(*key));
}

void RowCache::Controlled(std::string_view sql) {
  if (entries_.empty()) return;
  const std::vector<std::string> w = FirstWords(sql, 2);
  const bool sets = !w.empty() && (w[0] == "SAVEPOINT" || w[0] == "RELEASE" ||
                                   (w[0] == "SAVE" && w.size() > 1 && w[1] == "TRANSACTION"));
  if (!sets) Clear();
}

}  // namespace veiculo::platform
