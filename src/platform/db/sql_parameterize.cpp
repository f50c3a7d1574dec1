#include "platform/db/sql_parameterize.h"

#include <algorithm>
#include <array>

#include "platform/text.h"

namespace veiculo::platform {
namespace {

enum class Kind { Word, Number, String, QuotedName, Comment, Space, Marker, Symbol };

struct Token {
  Kind kind;
  size_t begin, end;
  bool after_comment = false;  // a comment stands between it and the token before
  bool odd = false;            // a number with an exponent or letters, an unterminated text
};

bool IsWordStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsWordChar(unsigned char c) {
  return IsWordStart(c) || IsDigit(static_cast<char>(c)) || c == '$' || c == '#';
}

size_t QuotedEnd(std::string_view sql, size_t i) {
  const char quote = sql[i];
  for (size_t j = i + 1; j < sql.size(); ++j) {
    if (sql[j] != quote) continue;
    if (j + 1 < sql.size() && sql[j + 1] == quote) {
      ++j;
      continue;
    }
    return j + 1;
  }
  return sql.size();
}

std::vector<Token> Tokenize(std::string_view sql) {
  static constexpr std::array<std::string_view, 11> kPairs = {
      "<=", ">=", "<>", "!=", "^=", "~=", "||", "!<", "!>", "^<", "^>"};
  std::vector<Token> tokens;
  const size_t n = sql.size();
  size_t i = 0;
  while (i < n) {
    const char c = sql[i];
    Token t{Kind::Symbol, i, i + 1};
    if (c == '\'' || c == '"') {
      t = {c == '\'' ? Kind::String : Kind::QuotedName, i, QuotedEnd(sql, i)};
      t.odd = t.end - t.begin < 2 || sql[t.end - 1] != c;
    } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
      const size_t end = sql.find('\n', i);
      t = {Kind::Comment, i, end == std::string_view::npos ? n : end};
    } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
      const size_t end = sql.find("*/", i + 2);
      t = {Kind::Comment, i, end == std::string_view::npos ? n : end + 2};
    } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      size_t j = i;
      while (j < n && (sql[j] == ' ' || sql[j] == '\t' || sql[j] == '\n' || sql[j] == '\r')) ++j;
      t = {Kind::Space, i, j};
    } else if (IsDigit(c) || (c == '.' && i + 1 < n && IsDigit(sql[i + 1]))) {
      size_t j = i;
      while (j < n && IsDigit(sql[j])) ++j;
      if (j < n && sql[j] == '.')
        for (++j; j < n && IsDigit(sql[j]);) ++j;
      t = {Kind::Number, i, j};
      if (j < n && (sql[j] == 'e' || sql[j] == 'E')) {
        size_t k = j + 1;
        if (k < n && (sql[k] == '+' || sql[k] == '-')) ++k;
        while (k < n && IsDigit(sql[k])) ++k;
        t.end = k;
        t.odd = true;
      }
      // A number glued to letters (1abc) is not a plain number.
      while (t.end < n && IsWordChar(static_cast<unsigned char>(sql[t.end]))) {
        ++t.end;
        t.odd = true;
      }
    } else if (IsWordStart(static_cast<unsigned char>(c))) {
      size_t j = i;
      while (j < n && IsWordChar(static_cast<unsigned char>(sql[j]))) ++j;
      t = {Kind::Word, i, j};
    } else if (c == '?') {
      t.kind = Kind::Marker;
    } else {
      for (std::string_view pair : kPairs)
        if (sql.substr(i, 2) == pair) t.end = i + 2;
    }
    tokens.push_back(t);
    i = t.end;
  }
  return tokens;
}

// Words that read like a column but are not one.
bool IsReservedWord(std::string_view word) {
  static constexpr std::array<std::string_view, 44> kWords = {
      "NULL",         "NOT",          "AND",          "OR",           "IS",
      "IN",           "LIKE",         "BETWEEN",      "SELECT",       "DISTINCT",
      "ALL",          "ANY",          "SOME",         "EXISTS",       "CASE",
      "WHEN",         "THEN",         "ELSE",         "END",          "WHERE",
      "FROM",         "ON",           "SET",          "VALUES",       "TRUE",
      "FALSE",        "UNKNOWN",      "CURRENT_DATE", "CURRENT_TIME", "CURRENT_TIMESTAMP",
      "CURRENT_USER", "CURRENT_ROLE", "USER",         "SYSDATE",      "SYSTIMESTAMP",
      "ROWNUM",       "DATE",         "TIME",         "TIMESTAMP",    "ROW_COUNT",
      "VALUE",        "LEVEL",        "HAVING",       "DEFAULT"};
  for (std::string_view w : kWords)
    if (SameText(word, w)) return true;
  return false;
}

class Rewriter {
 public:
  explicit Rewriter(std::string_view sql) : sql_(sql), raw_(Tokenize(sql)) {
    bool comment = false;
    for (const Token& t : raw_) {
      if (t.kind == Kind::Space) continue;
      if (t.kind == Kind::Comment) {
        comment = true;
        continue;
      }
      s_.push_back(t);
      s_.back().after_comment = comment;
      comment = false;
    }
    chosen_.assign(s_.size(), false);
  }

  ParameterizedSql Run() {
    int depth = 0;
    bool in_set = false;
    const bool update = !s_.empty() && Is(0, "UPDATE");
    for (size_t i = 0; i < s_.size(); ++i) {
      if (Sym(i, "(")) ++depth;
      if (Sym(i, ")")) --depth;
      if (update && depth == 0 && Is(i, "SET")) in_set = true;
      if (update && depth == 0 && (Is(i, "WHERE") || Is(i, "RETURNING"))) in_set = false;
      if (IsComparison(i)) Comparison(i, in_set && depth == 0);
      if (Is(i, "IN")) InList(i);
      if (Is(i, "BETWEEN")) Between(i);
      if (Is(i, "VALUES")) Values(i);
    }
    return Build();
  }

 private:
  std::string_view Text(size_t i) const {
    return sql_.substr(s_[i].begin, s_[i].end - s_[i].begin);
  }
  bool Is(size_t i, std::string_view word) const {
    return i < s_.size() && s_[i].kind == Kind::Word && SameText(Text(i), word);
  }
  bool Sym(size_t i, std::string_view symbol) const {
    return i < s_.size() && s_[i].kind == Kind::Symbol && Text(i) == symbol;
  }
  bool IsComparison(size_t i) const {
    static constexpr std::array<std::string_view, 13> kOps = {
        "=", "<>", "!=", "<", ">", "<=", ">=", "^=", "~=", "!<", "!>", "^<", "^>"};
    if (i >= s_.size() || s_[i].kind != Kind::Symbol) return false;
    return std::find(kOps.begin(), kOps.end(), Text(i)) != kOps.end();
  }

  // Length (1 or 2 tokens) of the literal that starts at i, 0 when none: a
  // quoted text, a plain number, or "-" / "+" glued to a plain number.
  size_t LiteralAt(size_t i) const {
    if (i >= s_.size() || s_[i].after_comment) return 0;
    if (s_[i].kind == Kind::String || s_[i].kind == Kind::Number) return s_[i].odd ? 0 : 1;
    if ((Sym(i, "-") || Sym(i, "+")) && i + 1 < s_.size() && s_[i + 1].kind == Kind::Number &&
        !s_[i + 1].odd && s_[i + 1].begin == s_[i].end)
      return 2;
    return 0;
  }

  // True when the tokens ending at `last` are a column (NAME, ALIAS.NAME or
  // "Quoted" names) standing on its own, not the tail of an expression.
  bool ColumnEndsAt(size_t last, bool in_set) const {
    if (last >= s_.size()) return false;
    auto name = [&](size_t i) {
      return s_[i].kind == Kind::QuotedName ||
             (s_[i].kind == Kind::Word && !IsReservedWord(Text(i)));
    };
    if (!name(last)) return false;
    size_t first = last;
    if (last >= 2 && Sym(last - 1, ".")) {
      if (!name(last - 2)) return false;
      first = last - 2;
    }
    if (first == 0) return false;
    const size_t before = first - 1;
    if (in_set) return Is(before, "SET") || Sym(before, ",");
    return Sym(before, "(") || Is(before, "AND") || Is(before, "OR") || Is(before, "NOT") ||
           Is(before, "WHERE") || Is(before, "ON") || Is(before, "WHEN") || Is(before, "HAVING");
  }

  // True when nothing joins the literal to what follows (end of a condition).
  bool EndsCondition(size_t i, bool in_set) const {
    if (i >= s_.size()) return true;
    if (Sym(i, ")") || Sym(i, ";")) return true;
    if (in_set) return Sym(i, ",") || Is(i, "WHERE") || Is(i, "RETURNING");
    static constexpr std::array<std::string_view, 18> kWords = {
        "AND",  "OR",    "THEN",  "WHERE", "ORDER", "GROUP",     "HAVING", "UNION", "JOIN",
        "LEFT", "RIGHT", "INNER", "FULL",  "CROSS", "RETURNING", "PLAN",   "ROWS",  "FOR"};
    for (std::string_view w : kWords)
      if (Is(i, w)) return true;
    return false;
  }

  // COL op literal
  void Comparison(size_t op, bool in_set) {
    const size_t length = LiteralAt(op + 1);
    if (length == 0 || op == 0) return;
    if (in_set && Text(op) != "=") return;
    if (!ColumnEndsAt(op - 1, in_set) || !EndsCondition(op + 1 + length, in_set)) return;
    Choose(op + 1, length);
  }

  // Column before a keyword, with an optional NOT between.
  bool ColumnBefore(size_t keyword) const {
    if (keyword == 0) return false;
    size_t last = keyword - 1;
    if (Is(last, "NOT")) {
      if (last == 0) return false;
      --last;
    }
    return ColumnEndsAt(last, false);
  }

  // COL [NOT] IN (literal or marker, ...)
  void InList(size_t in) {
    if (!ColumnBefore(in) || !Sym(in + 1, "(")) return;
    std::vector<std::pair<size_t, size_t>> items;
    size_t i = in + 2;
    while (true) {
      const size_t length = LiteralAt(i);
      if (length > 0)
        items.emplace_back(i, length);
      else if (i >= s_.size() || s_[i].kind != Kind::Marker)
        return;
      i += std::max<size_t>(length, 1);
      if (Sym(i, ")")) break;
      if (!Sym(i, ",")) return;
      ++i;
    }
    for (const auto& [at, length] : items) Choose(at, length);
  }

  // COL [NOT] BETWEEN bound AND bound (each a literal or a marker)
  void Between(size_t between) {
    if (!ColumnBefore(between)) return;
    auto bound = [&](size_t i) -> size_t {
      const size_t length = LiteralAt(i);
      if (length > 0) return length;
      return i < s_.size() && s_[i].kind == Kind::Marker ? 1 : 0;
    };
    const size_t low = between + 1, low_length = bound(low);
    if (low_length == 0 || !Is(low + low_length, "AND")) return;
    const size_t high = low + low_length + 1, high_length = bound(high);
    if (high_length == 0 || !EndsCondition(high + high_length, false)) return;
    if (LiteralAt(low) > 0) Choose(low, low_length);
    if (LiteralAt(high) > 0) Choose(high, high_length);
  }

  // VALUES (item, ...): each item that is a literal alone.
  void Values(size_t values) {
    if (!Sym(values + 1, "(")) return;
    size_t i = values + 2;
    int depth = 0;
    size_t item_start = i;
    for (; i < s_.size(); ++i) {
      if (Sym(i, "(")) ++depth;
      if (Sym(i, ")") && depth-- == 0) break;
      if (depth == 0 && Sym(i, ",")) {
        Item(item_start, i);
        item_start = i + 1;
      }
    }
    if (i < s_.size()) Item(item_start, i);
  }
  void Item(size_t from, size_t to) {
    const size_t length = LiteralAt(from);
    if (length > 0 && from + length == to) Choose(from, length);
  }

  void Choose(size_t at, size_t length) {
    chosen_[at] = true;
    if (length == 2) glued_.push_back(at);
  }

  ParameterizedSql Build() const {
    ParameterizedSql out;
    if (std::find(chosen_.begin(), chosen_.end(), true) == chosen_.end()) {
      out.positional.assign(sql_);
      int marker = 0;
      for (const Token& t : raw_)
        if (t.kind == Kind::Marker) out.sources.push_back(marker++);
      return out;
    }
    out.positional.reserve(sql_.size());
    int marker = 0;
    size_t k = 0;  // index into s_
    for (size_t r = 0; r < raw_.size(); ++r) {
      const Token& t = raw_[r];
      if (t.kind == Kind::Space || t.kind == Kind::Comment) {
        out.positional.append(sql_.substr(t.begin, t.end - t.begin));
        continue;
      }
      if (!chosen_[k]) {
        if (t.kind == Kind::Marker) out.sources.push_back(marker++);
        out.positional.append(sql_.substr(t.begin, t.end - t.begin));
        ++k;
        continue;
      }
      const bool signed_number = std::find(glued_.begin(), glued_.end(), k) != glued_.end();
      SqlLiteral literal;
      if (signed_number) {
        const Token& number = s_[k + 1];
        literal = {SqlLiteral::Kind::Number,
                   (sql_[t.begin] == '-' ? "-" : "") +
                       std::string(sql_.substr(number.begin, number.end - number.begin))};
        ++r;  // the number is glued to its sign
        k += 2;
      } else if (t.kind == Kind::String) {
        literal = {SqlLiteral::Kind::Text,
                   ReplaceAll(sql_.substr(t.begin + 1, t.end - t.begin - 2), "''", "'", false)};
        ++k;
      } else {
        literal = {SqlLiteral::Kind::Number, std::string(sql_.substr(t.begin, t.end - t.begin))};
        ++k;
      }
      out.literals.push_back(std::move(literal));
      out.sources.push_back(-static_cast<int>(out.literals.size()));
      out.positional += '?';
    }
    return out;
  }

  std::string_view sql_;
  std::vector<Token> raw_;
  std::vector<Token> s_;  // the tokens that are neither blanks nor comments
  std::vector<bool> chosen_;
  std::vector<size_t> glued_;
};

}  // namespace

ParameterizedSql ParameterizeLiterals(std::string_view positional_sql) {
  return Rewriter(positional_sql).Run();
}

}  // namespace veiculo::platform
