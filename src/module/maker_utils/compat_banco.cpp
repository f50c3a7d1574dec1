#include "module/maker_utils/compat_banco.h"

#include <string_view>
#include <vector>

#include "module/maker_utils/sql_dialect.h"
#include "module/maker_utils/sql_lexer.h"
#include "platform/text_memo.h"
#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);
// Translated texts kept per dialect: the module's own texts, plus room for
// the ones batch commands write anew for each vehicle.
constexpr size_t kTranslationsKept = 1024;

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\r\n\f");
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(" \t\r\n\f");
  return s.substr(b, e - b + 1);
}

// One argument of a call: tokens [begin, end), and the separator that ends it
// ("," "FROM" "FOR"; empty for the last one).
struct Arg {
  size_t begin;
  size_t end;
  std::string separator;
};

class Translator {
 public:
  Translator(const std::vector<SqlToken>& tokens, SqlDialect dialect) : t_(tokens), d_(dialect) {}

  // The translated text of tokens [b, e).
  std::string Range(size_t b, size_t e) const {
    std::string out;
    size_t i = b;
    while (i < e) i = Step(i, e, out);
    return out;
  }

 private:
  bool Significant(size_t i) const {
    return t_[i].kind != SqlTokenKind::Space && t_[i].kind != SqlTokenKind::Comment;
  }
  size_t NextSig(size_t i, size_t e) const {
    while (i < e && !Significant(i)) ++i;
    return i < e ? i : kNone;
  }
  size_t PrevSig(size_t i, size_t b) const {
    while (i > b) {
      --i;
      if (Significant(i)) return i;
    }
    return kNone;
  }
  bool IsSymbol(size_t i, std::string_view s) const {
    return i != kNone && t_[i].kind == SqlTokenKind::Symbol && t_[i].text == s;
  }
  bool IsWord(size_t i, std::string_view upper) const {
    return i != kNone && t_[i].kind == SqlTokenKind::Word && Upper(t_[i].text) == upper;
  }
  size_t MatchingParen(size_t open, size_t e) const {
    int depth = 0;
    for (size_t i = open; i < e; ++i) {
      if (IsSymbol(i, "(")) ++depth;
      if (IsSymbol(i, ")") && --depth == 0) return i;
    }
    return kNone;
  }
  std::string Text(size_t b, size_t e) const {
    std::string out;
    for (size_t i = b; i < e; ++i) out += t_[i].text;
    return out;
  }
  std::string ArgText(const Arg& a) const { return TrimmedRange(a.begin, a.end); }

  // The translated text of tokens [b, e) without surrounding blanks; a text
  // that ends in a line comment keeps its line break, or the comment would
  // swallow what the rewrite puts after it (a closing parenthesis, " FROM ").
  std::string TrimmedRange(size_t b, size_t e) const {
    std::string text = Trim(Range(b, e));
    size_t last = e;
    while (last > b && t_[last - 1].kind == SqlTokenKind::Space) --last;
    if (last > b && t_[last - 1].kind == SqlTokenKind::Comment &&
        t_[last - 1].text.rfind("--", 0) == 0)
      text += '\n';
    return text;
  }

  // Splits [b, e) at top-level commas and, when `keywords`, at FROM / FOR.
  std::vector<Arg> SplitArgs(size_t b, size_t e, bool keywords) const {
    std::vector<Arg> args;
    int depth = 0;
    size_t start = b;
    for (size_t i = b; i < e; ++i) {
      if (IsSymbol(i, "(")) ++depth;
      if (IsSymbol(i, ")")) --depth;
      if (depth != 0) continue;
      std::string sep;
      if (IsSymbol(i, ",")) sep = ",";
      if (keywords && (IsWord(i, "FROM") || IsWord(i, "FOR"))) sep = Upper(t_[i].text);
      if (sep.empty()) continue;
      args.push_back(Arg{start, i, sep});
      start = i + 1;
    }
    args.push_back(Arg{start, e, ""});
    return args;
  }

  // The call as written, with its arguments translated.
  std::string Verbatim(size_t name, size_t open, size_t close) const {
    return Text(name, open + 1) + Range(open + 1, close) + ")";
  }

  std::string Substring(std::string_view fn, size_t name, size_t open, size_t close) const {
    const std::vector<Arg> a = SplitArgs(open + 1, close, true);
    std::string seps;
    for (const Arg& arg : a) seps += arg.separator + ";";
    const bool comma = seps == ",;;" || seps == ",;,;;";
    const bool from_for = seps == "FROM;;" || seps == "FROM;FOR;;";
    if (!comma && !from_for) return Verbatim(name, open, close);
    const bool has_len = a.size() == 3;
    if ((d_ == SqlDialect::Oracle && fn == "SUBSTR" && comma) ||
        (d_ == SqlDialect::Firebird && fn == "SUBSTRING" && from_for) ||
        (d_ == SqlDialect::SqlServer && fn == "SUBSTRING" && comma && has_len))
      return Verbatim(name, open, close);
    const std::string s = ArgText(a[0]), p = ArgText(a[1]), n = has_len ? ArgText(a[2]) : "";
    if (d_ == SqlDialect::Oracle) return "SUBSTR(" + s + ", " + p + (has_len ? ", " + n : "") + ")";
    if (d_ == SqlDialect::Firebird)
      return "SUBSTRING(" + s + " FROM " + p + (has_len ? " FOR " + n : "") + ")";
    return "SUBSTRING(" + s + ", " + p + ", " + (has_len ? n : "DATALENGTH(" + s + ")") + ")";
  }

  std::string Cast(size_t name, size_t open, size_t close) const {
    size_t as = kNone;
    int depth = 0;
    for (size_t i = open + 1; i < close; ++i) {
      if (IsSymbol(i, "(")) ++depth;
      if (IsSymbol(i, ")")) --depth;
      if (depth == 0 && IsWord(i, "AS")) as = i;
    }
    if (as == kNone) return Verbatim(name, open, close);
    std::string type;
    for (size_t i = as + 1; i < close; ++i)
      if (Significant(i)) type += Upper(t_[i].text);
    const auto expr = [&] { return TrimmedRange(open + 1, as); };
    if (type == "DATE" && d_ == SqlDialect::Oracle) return "TRUNC(" + expr() + ")";
    if (type == "TIMESTAMP" && d_ == SqlDialect::SqlServer)
      return "CAST(" + expr() + " AS DATETIME)";
    if (type == "DATETIME" && d_ != SqlDialect::SqlServer)
      return "CAST(" + expr() + " AS TIMESTAMP)";
    return Verbatim(name, open, close);
  }

  // A call `fn(...)`; names without a rule keep their spelling, with their
  // arguments translated. Every branch translates the arguments once only, so
  // that nesting costs linear time.
  std::string Call(const std::string& fn, size_t name, size_t open, size_t close) const {
    if (fn == "SUBSTR" || fn == "SUBSTRING") return Substring(fn, name, open, close);
    if (fn == "CAST") return Cast(name, open, close);
    if (fn == "NVL" && d_ != SqlDialect::Oracle) return "COALESCE(" + Range(open + 1, close) + ")";
    if (fn == "LENGTH" || fn == "CHAR_LENGTH" || fn == "CHARACTER_LENGTH") {
      const std::string target = d_ == SqlDialect::Oracle      ? "LENGTH"
                                 : d_ == SqlDialect::SqlServer ? "LEN"
                                                               : "CHAR_LENGTH";
      const bool same = fn == target || (d_ == SqlDialect::Firebird && fn == "CHARACTER_LENGTH");
      if (!same) return target + "(" + Range(open + 1, close) + ")";
    }
    if (d_ == SqlDialect::SqlServer && (fn == "TRIM" || fn == "EXTRACT")) {
      const std::vector<Arg> a = SplitArgs(open + 1, close, true);
      if (fn == "TRIM" && a.size() == 1) return "LTRIM(RTRIM(" + ArgText(a[0]) + "))";
      static const char* const kParts[] = {"YEAR", "MONTH", "DAY", "HOUR", "MINUTE", "SECOND"};
      if (fn == "EXTRACT" && a.size() == 2 && a[0].separator == "FROM") {
        const std::string part = Upper(Trim(Text(a[0].begin, a[0].end)));
        for (const char* p : kParts)
          if (part == p) return "DATEPART(" + part + ", " + ArgText(a[1]) + ")";
      }
    }
    return Verbatim(name, open, close);
  }

  // Translates the construct that starts at token i, appends it to `out` and
  // returns the index after it.
  size_t Step(size_t i, size_t e, std::string& out) const {
    const SqlToken& tok = t_[i];
    if (tok.kind == SqlTokenKind::Symbol && tok.text == "||" && d_ == SqlDialect::SqlServer) {
      out += "+";
      return i + 1;
    }
    if (tok.kind != SqlTokenKind::Word || IsSymbol(PrevSig(i, 0), ".")) {
      out += tok.text;
      return i + 1;
    }
    const std::string word = Upper(tok.text);
    const size_t next = NextSig(i + 1, e);
    if (IsSymbol(next, "(")) {
      const size_t close = MatchingParen(next, e);
      if (close != kNone) {
        out += Call(word, i, next, close);
        return close + 1;
      }
    } else if (word == "CURRENT_DATE" && d_ != SqlDialect::Firebird) {
      out += d_ == SqlDialect::Oracle ? "TRUNC(SYSDATE)" : "CAST(GETDATE() AS DATE)";
      return i + 1;
    } else if (word == "FROM" && IsWord(next, "RDB$DATABASE") &&
               !IsSymbol(NextSig(next + 1, e), ".") && d_ != SqlDialect::Firebird) {
      if (d_ == SqlDialect::Oracle) out += Text(i, next) + "DUAL";
      return next + 1;  // SQL Server selects without a FROM
    }
    out += tok.text;
    return i + 1;
  }

  const std::vector<SqlToken>& t_;
  SqlDialect d_;
};

}  // namespace

std::string CompatBanco(const std::string& sql, const std::string& dialect, int mode, bool flag) {
  if (mode != 1)
    throw Error(ErrorCategory::Validation,
                "CompatBanco: mode " + std::to_string(mode) + " is not supported (only 1)");
  if (flag) throw Error(ErrorCategory::Validation, "CompatBanco: flag true is not supported");
  const SqlDialect d = DialectFromName(dialect);
  if (d == SqlDialect::Unknown) return sql;
  // Every dataset of the module passes through here on each open: keep the
  // translations of the texts seen last, one memo per dialect.
  static platform::TextMemo<std::string> memos[] = {
      platform::TextMemo<std::string>(kTranslationsKept),
      platform::TextMemo<std::string>(kTranslationsKept),
      platform::TextMemo<std::string>(kTranslationsKept)};
  const size_t which = d == SqlDialect::Oracle ? 0 : d == SqlDialect::Firebird ? 1 : 2;
  return *memos[which].Get(sql, [d](const std::string& text) {
    const std::vector<SqlToken> tokens = TokenizeSql(text);
    return Translator(tokens, d).Range(0, tokens.size());
  });
}

}  // namespace veiculo::maker
