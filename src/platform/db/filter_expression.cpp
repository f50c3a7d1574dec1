#include "platform/db/filter_expression.h"

#include <charconv>
#include <compare>
#include <cstdint>
#include <system_error>

#include "platform/format/convert.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// Nesting of parentheses and "not" is limited so that a hostile text cannot
// exhaust the stack while parsing or evaluating.
constexpr int kMaxDepth = 200;

enum class CompareOp { Eq, Ne, Lt, Gt, Le, Ge };

struct Operand {
  bool is_field = false;
  std::string name;    // the field name, when is_field
  Value literal;       // the constant, otherwise
  std::string source;  // as written, for messages
};

// "and" and "or" are n-ary so that a long chain of terms stays shallow.
struct Node {
  enum Kind { And, Or, Not, Compare, IsNull, IsNotNull } kind = And;
  std::vector<int> children;
  CompareOp op = CompareOp::Eq;
  Operand left, right;  // right is unused by IsNull / IsNotNull
};

}  // namespace

struct FilterExpression::Program {
  std::string text;
  std::vector<Node> nodes;
  int root = -1;
  std::vector<std::string> field_names;
};

namespace {

// ---- Tokens -----------------------------------------------------------------

enum class Tok { Name, Text, Number, Operator, LParen, RParen, End };

struct Token {
  Tok kind = Tok::End;
  size_t offset = 0;     // byte offset in the text
  std::string_view raw;  // the token as written
  std::string value;     // name (without brackets) or text (unescaped)
  bool bracketed = false;
};

// 1-based character (not byte) position of a byte offset in UTF-8 text.
size_t CharPosition(std::string_view text, size_t offset) {
  size_t position = 1;
  for (size_t i = 0; i < offset && i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++position;
  }
  return position;
}

[[noreturn]] void Fail(std::string_view text, size_t offset, const std::string& problem) {
  throw Error(ErrorCategory::Validation, "filter expression: " + problem + " at position " +
                                             std::to_string(CharPosition(text, offset)) + ": " +
                                             std::string(text));
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsNameChar(char c) {
  return IsNameStart(c) || IsDigit(c);
}
bool IsOperatorChar(char c) {
  return c == '=' || c == '<' || c == '>' || c == '!';
}

// The whole UTF-8 character starting at offset, for messages.
std::string CharacterAt(std::string_view text, size_t offset) {
  size_t end = offset + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return std::string(text.substr(offset, end - offset));
}

// Reads tokens one at a time, so that the first fault in reading order is the
// one reported.
class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}
  Token Next();

 private:
  std::string_view text_;
  size_t i_ = 0;
};

Token Lexer::Next() {
  const std::string_view text = text_;
  const size_t n = text.size();
  size_t& i = i_;
  while (i < n && IsSpace(text[i])) ++i;
  Token token;
  token.offset = i;
  if (i == n) return token;
  const char c = text[i];
  if (c == '(' || c == ')') {
    token.kind = c == '(' ? Tok::LParen : Tok::RParen;
    ++i;
  } else if (c == '\'') {
    token.kind = Tok::Text;
    for (++i;; ++i) {
      if (i == n) Fail(text, token.offset, "unclosed quote");
      if (text[i] == '\'') {
        if (i + 1 < n && text[i + 1] == '\'') {
          token.value += '\'';
          ++i;
          continue;
        }
        ++i;
        break;
      }
      token.value += text[i];
    }
  } else if (c == '[') {
    const size_t close = text.find(']', i + 1);
    if (close == std::string_view::npos) Fail(text, i, "unclosed '['");
    if (close == i + 1) Fail(text, i, "empty field name");
    token.kind = Tok::Name;
    token.bracketed = true;
    token.value = std::string(text.substr(i + 1, close - i - 1));
    i = close + 1;
  } else if (IsNameStart(c)) {
    token.kind = Tok::Name;
    while (i < n && IsNameChar(text[i])) ++i;
    token.value = std::string(text.substr(token.offset, i - token.offset));
  } else if (IsDigit(c) || (c == '-' && i + 1 < n && IsDigit(text[i + 1]))) {
    token.kind = Tok::Number;
    for (++i; i < n && IsDigit(text[i]);) ++i;
    if (i < n && text[i] == '.') {
      ++i;
      if (i == n || !IsDigit(text[i])) {
        Fail(text, token.offset,
             "malformed number '" + std::string(text.substr(token.offset, i - token.offset)) + "'");
      }
      while (i < n && IsDigit(text[i])) ++i;
    }
  } else if (IsOperatorChar(c)) {
    token.kind = Tok::Operator;
    while (i < n && IsOperatorChar(text[i])) ++i;
  } else {
    Fail(text, i, "unexpected character '" + CharacterAt(text, i) + "'");
  }
  token.raw = text.substr(token.offset, i - token.offset);
  return token;
}

// ---- Parser -----------------------------------------------------------------

bool IsKeyword(const Token& token, std::string_view keyword) {
  return token.kind == Tok::Name && !token.bracketed && SameText(token.value, keyword);
}

bool ComparisonOperator(std::string_view raw, CompareOp& op) {
  static constexpr struct {
    std::string_view text;
    CompareOp op;
  } kOperators[] = {{"=", CompareOp::Eq}, {"<>", CompareOp::Ne}, {"<", CompareOp::Lt},
                    {">", CompareOp::Gt}, {"<=", CompareOp::Le}, {">=", CompareOp::Ge}};
  for (const auto& entry : kOperators) {
    if (raw == entry.text) {
      op = entry.op;
      return true;
    }
  }
  return false;
}

Value NumberLiteral(std::string_view raw) {
  const char* first = raw.data();
  const char* last = raw.data() + raw.size();
  if (raw.find('.') == std::string_view::npos) {
    int64_t integer = 0;
    const auto [end, ec] = std::from_chars(first, last, integer);
    if (ec == std::errc() && end == last) return Value::Integer(integer);
    // Too long for 64 bits: still a number, kept as a float.
  }
  double number = 0;
  std::from_chars(first, last, number);  // the lexer admitted only digits, "-" and "."
  return Value::Float(number);
}

class Parser {
 public:
  explicit Parser(FilterExpression::Program& program)
      : program_(program), text_(program.text), lexer_(text_), current_(lexer_.Next()) {}

  void ParseAll() {
    program_.root = ParseOr(0);
    const Token& token = Peek();
    if (token.kind == Tok::RParen) Fail(text_, token.offset, "unbalanced ')'");
    if (token.kind == Tok::Text) Fail(text_, token.offset, "unexpected " + std::string(token.raw));
    if (token.kind != Tok::End) {
      Fail(text_, token.offset, "unexpected '" + std::string(token.raw) + "'");
    }
  }

  bool Blank() const { return current_.kind == Tok::End; }

 private:
  const Token& Peek() const { return current_; }
  void Advance() { current_ = lexer_.Next(); }

  int Add(Node node) {
    program_.nodes.push_back(std::move(node));
    return static_cast<int>(program_.nodes.size() - 1);
  }

  // Parses a chain "x kw x kw x" of the next tighter level into one n-ary node.
  int ParseChain(int depth, std::string_view keyword, Node::Kind kind,
                 int (Parser::*operand)(int)) {
    const int first = (this->*operand)(depth);
    if (!IsKeyword(Peek(), keyword)) return first;
    Node node;
    node.kind = kind;
    node.children.push_back(first);
    while (IsKeyword(Peek(), keyword)) {
      Advance();
      node.children.push_back((this->*operand)(depth));
    }
    return Add(std::move(node));
  }

  int ParseOr(int depth) { return ParseChain(depth, "or", Node::Or, &Parser::ParseAnd); }
  int ParseAnd(int depth) { return ParseChain(depth, "and", Node::And, &Parser::ParseFactor); }

  int ParseFactor(int depth) {
    const Token& token = Peek();
    if (depth >= kMaxDepth) Fail(text_, token.offset, "expression nested too deeply");
    if (IsKeyword(token, "not")) {
      Advance();
      Node node;
      node.kind = Node::Not;
      node.children.push_back(ParseFactor(depth + 1));
      return Add(std::move(node));
    }
    if (token.kind == Tok::LParen) {
      const size_t open = token.offset;
      Advance();
      const int inner = ParseOr(depth + 1);
      if (Peek().kind != Tok::RParen) {
        if (Peek().kind == Tok::End) Fail(text_, open, "unclosed '('");
        Fail(text_, Peek().offset, "expected ')'");
      }
      Advance();
      return inner;
    }
    return ParseComparison();
  }

  int ParseComparison() {
    Node node;
    node.kind = Node::Compare;
    node.left = ParseOperand();
    const Token& token = Peek();
    if (IsKeyword(token, "is")) {
      Advance();
      node.kind = Node::IsNull;
      if (IsKeyword(Peek(), "not")) {
        Advance();
        node.kind = Node::IsNotNull;
      }
      if (!IsKeyword(Peek(), "null")) Fail(text_, Peek().offset, "expected null");
      Advance();
      return Add(std::move(node));
    }
    if (token.kind == Tok::Operator) {
      if (!ComparisonOperator(token.raw, node.op)) {
        Fail(text_, token.offset, "unknown operator '" + std::string(token.raw) + "'");
      }
    } else if (token.kind == Tok::Name && !IsKeyword(token, "and") && !IsKeyword(token, "or")) {
      // A word where an operator belongs ("like", "in"): an operator we do not have.
      Fail(text_, token.offset, "unknown operator '" + std::string(token.raw) + "'");
    } else {
      Fail(text_, token.offset, "expected a comparison operator");
    }
    Advance();
    node.right = ParseOperand();
    return Add(std::move(node));
  }

  Operand ParseOperand() {
    const Token& token = Peek();
    Operand operand;
    operand.source = std::string(token.raw);
    switch (token.kind) {
      case Tok::Name:
        if (IsKeyword(token, "null")) {
          Fail(text_, token.offset, "null is allowed only in 'is null' and 'is not null'");
        }
        if (!token.bracketed && (IsKeyword(token, "and") || IsKeyword(token, "or") ||
                                 IsKeyword(token, "not") || IsKeyword(token, "is"))) {
          Fail(text_, token.offset, "expected a value");
        }
        operand.is_field = true;
        operand.name = token.value;
        NoteField(token.value);
        break;
      case Tok::Text:
        operand.literal = Value::Text(token.value);
        break;
      case Tok::Number:
        operand.literal = NumberLiteral(token.raw);
        break;
      default:
        Fail(text_, token.offset, "expected a value");
    }
    Advance();
    return operand;
  }

  void NoteField(const std::string& name) {
    for (const auto& known : program_.field_names) {
      if (known == name) return;
    }
    program_.field_names.push_back(name);
  }

  FilterExpression::Program& program_;
  std::string_view text_;
  Lexer lexer_;
  Token current_;
};

// ---- Evaluation -------------------------------------------------------------

bool IsNumber(FieldType type) {
  return type == FieldType::Integer || type == FieldType::Float;
}

// How an operand is named in a conversion error.
std::string Describe(const Operand& operand, const Value& value) {
  if (!operand.is_field) return operand.source;
  return "field " + operand.name + " value '" + value.AsText() + "'";
}
std::string Name(const Operand& operand) {
  return operand.is_field ? "field " + operand.name : operand.source;
}

[[noreturn]] void FailEvaluation(const std::string& text, const std::string& problem) {
  throw Error(ErrorCategory::Validation, "filter expression: " + problem + ": " + text);
}

// Orders a number against a text: the text is read as an integer, or else as
// a float in the local form.
std::partial_ordering NumberAgainstText(const Value& number, const Value& text,
                                        const Operand& text_operand, const Operand& number_operand,
                                        const std::string& filter) {
  const std::string digits = text.AsText();
  int64_t integer = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), integer);
  if (!digits.empty() && ec == std::errc() && end == digits.data() + digits.size()) {
    if (number.type() == FieldType::Integer) return number.AsInteger() <=> integer;
    return number.AsFloat() <=> static_cast<double>(integer);
  }
  double parsed = 0;
  if (!TryStrToFloat(digits, parsed)) {
    FailEvaluation(filter, Describe(text_operand, text) + " is not a number (compared with " +
                               Name(number_operand) + ")");
  }
  return number.AsFloat() <=> parsed;
}

// Reads a text compared with a date-time: ISO when it starts "YYYY-", else the
// local date or date-time form.
double TextAsDateTime(const Value& text, const Operand& text_operand, const Operand& date_operand,
                      const std::string& filter) {
  const std::string s = text.AsText();
  const bool iso = s.size() >= 10 && IsDigit(s[0]) && IsDigit(s[1]) && IsDigit(s[2]) &&
                   IsDigit(s[3]) && s[4] == '-';
  double serial = 0;
  if (iso) {
    try {
      return IsoToDateTime(s);
    } catch (const Error&) {
      // reported below, naming the field it was compared with
    }
  } else if (TryStrToDateTime(s, serial)) {
    return serial;
  }
  FailEvaluation(filter, Describe(text_operand, text) + " is not a date (compared with " +
                             Name(date_operand) + ")");
}

// Orders two non-null values of any kinds, converting as the header says.
std::partial_ordering Order(const Value& a, const Operand& a_operand, const Value& b,
                            const Operand& b_operand, const std::string& filter) {
  const FieldType ta = a.type();
  const FieldType tb = b.type();
  if (ta == FieldType::Blob || tb == FieldType::Blob) {
    FailEvaluation(filter,
                   "cannot compare blob " + Name(ta == FieldType::Blob ? a_operand : b_operand));
  }
  if (ta == FieldType::Integer && tb == FieldType::Integer) return a.AsInteger() <=> b.AsInteger();
  if (IsNumber(ta) && IsNumber(tb)) return a.AsFloat() <=> b.AsFloat();
  if (ta == FieldType::Text && tb == FieldType::Text) return a.AsText() <=> b.AsText();
  if (ta == FieldType::DateTime || tb == FieldType::DateTime) {
    const double left = ta == FieldType::Text ? TextAsDateTime(a, a_operand, b_operand, filter)
                        : ta == FieldType::DateTime ? a.AsDateTime()
                                                    : a.AsFloat();
    const double right = tb == FieldType::Text ? TextAsDateTime(b, b_operand, a_operand, filter)
                         : tb == FieldType::DateTime ? b.AsDateTime()
                                                     : b.AsFloat();
    return left <=> right;
  }
  // One number, one text.
  if (ta == FieldType::Text) {
    return 0 <=> NumberAgainstText(b, a, a_operand, b_operand, filter);
  }
  return NumberAgainstText(a, b, b_operand, a_operand, filter);
}

bool Holds(CompareOp op, std::partial_ordering order) {
  switch (op) {
    case CompareOp::Eq:
      return order == 0;
    case CompareOp::Ne:
      return order < 0 || order > 0;  // an unordered NaN is not "different"
    case CompareOp::Lt:
      return order < 0;
    case CompareOp::Gt:
      return order > 0;
    case CompareOp::Le:
      return order <= 0;
    case CompareOp::Ge:
      return order >= 0;
  }
  return false;
}

const Value& Resolve(const Operand& operand, const FieldResolver& resolve) {
  return operand.is_field ? resolve(operand.name) : operand.literal;
}

bool Evaluate(const FilterExpression::Program& program, int index, const FieldResolver& resolve) {
  const Node& node = program.nodes[index];
  switch (node.kind) {
    case Node::And:
      for (const int child : node.children) {
        if (!Evaluate(program, child, resolve)) return false;
      }
      return true;
    case Node::Or:
      for (const int child : node.children) {
        if (Evaluate(program, child, resolve)) return true;
      }
      return false;
    case Node::Not:
      return !Evaluate(program, node.children.front(), resolve);
    case Node::IsNull:
      return Resolve(node.left, resolve).IsNull();
    case Node::IsNotNull:
      return !Resolve(node.left, resolve).IsNull();
    case Node::Compare: {
      const Value& a = Resolve(node.left, resolve);
      const Value& b = Resolve(node.right, resolve);
      if (a.IsNull() || b.IsNull()) return false;
      return Holds(node.op, Order(a, node.left, b, node.right, program.text));
    }
  }
  return false;
}

}  // namespace

FilterExpression FilterExpression::Parse(std::string_view text) {
  auto program = std::make_shared<Program>();
  program->text = std::string(text);
  Parser parser(*program);
  if (parser.Blank()) return FilterExpression();
  parser.ParseAll();
  return FilterExpression(std::move(program));
}

bool FilterExpression::Matches(const FieldResolver& resolve) const {
  return program_ == nullptr || Evaluate(*program_, program_->root, resolve);
}

const std::vector<std::string>& FilterExpression::FieldNames() const {
  static const std::vector<std::string> kNone;
  return program_ == nullptr ? kNone : program_->field_names;
}

}  // namespace veiculo::platform
