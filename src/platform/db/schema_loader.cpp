#include "platform/db/schema_loader.h"

#include <exception>

#include "veiculo/connection.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Trimmed(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// True when the ";" at `pos` is the last thing on its line: only blanks, or
// blanks and a "--" comment, follow it before the line ends.
bool EndsLine(std::string_view script, std::size_t pos) {
  std::size_t i = pos + 1;
  while (i < script.size() && (script[i] == ' ' || script[i] == '\t' || script[i] == '\r')) ++i;
  return i == script.size() || script[i] == '\n' || script.substr(i, 2) == "--";
}

// A statement of a script and where it came from, for error messages.
struct SchemaStatement {
  std::string_view file;
  std::size_t number;  // 1-based within its file
  std::string text;
};

std::vector<SchemaStatement> AllStatements() {
  std::vector<SchemaStatement> statements;
  for (const SchemaScript& script : EmbeddedSchemaScripts()) {
    std::vector<std::string> texts;
    try {
      texts = SplitSqlScript(script.text);
    } catch (Error& error) {
      error.AddContext("in the schema script " + std::string(script.file));
      throw;
    }
    std::size_t number = 0;
    for (std::string& text : texts) statements.push_back({script.file, ++number, std::move(text)});
  }
  return statements;
}

}  // namespace

std::vector<std::string> SplitSqlScript(std::string_view script) {
  enum class State { Code, Literal, QuotedName, LineComment, BlockComment };
  std::vector<std::string> statements;
  std::string current;
  auto finish = [&] {
    std::string statement = Trimmed(current);
    if (!statement.empty()) statements.push_back(std::move(statement));
    current.clear();
  };

  State state = State::Code;
  for (std::size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    const std::string_view two = script.substr(i, 2);
    switch (state) {
      case State::Code:
        if (two == "--") {
          state = State::LineComment;
          ++i;
        } else if (two == "/*") {
          state = State::BlockComment;
          current += ' ';  // keeps the words on either side apart
          ++i;
        } else if (c == ';' && EndsLine(script, i)) {
          finish();
        } else {
          // A doubled quote inside a literal leaves and re-enters it, so no
          // special case is needed for escaped quotes.
          if (c == '\'') state = State::Literal;
          if (c == '"') state = State::QuotedName;
          current += c;
        }
        break;
      case State::Literal:
      case State::QuotedName:
        current += c;
        if ((state == State::Literal && c == '\'') || (state == State::QuotedName && c == '"')) {
          state = State::Code;
        }
        break;
      case State::LineComment:
        if (c == '\n') {
          state = State::Code;
          current += c;
        }
        break;
      case State::BlockComment:
        if (two == "*/") {
          state = State::Code;
          ++i;
        }
        break;
    }
  }
  if (state == State::Literal || state == State::QuotedName || state == State::BlockComment) {
    const char* what = state == State::Literal      ? "a quoted literal ('...')"
                       : state == State::QuotedName ? "a quoted name (\"...\")"
                                                    : "a comment (/* ... */)";
    throw Error(ErrorCategory::Validation, std::string("SQL script ends inside ") + what);
  }
  finish();  // a last statement may omit its ";"
  return statements;
}

std::vector<std::string> DealerSchemaStatements() {
  std::vector<std::string> texts;
  for (SchemaStatement& statement : AllStatements()) texts.push_back(std::move(statement.text));
  return texts;
}

void LoadDealerSchema(Connection& connection) {
  if (connection.InTransaction()) {
    throw Error(ErrorCategory::Validation,
                "the dealer schema is created in a transaction of its own: commit or roll back "
                "the open transaction first");
  }
  const std::vector<SchemaStatement> statements = AllStatements();
  const SchemaStatement* running = nullptr;
  auto context = [&] {
    if (running == nullptr) return std::string("while committing the dealer schema");
    // The engine's error already carries the whole text: name the statement
    // by its script, its number there and its first line.
    const std::string& text = running->text;
    const std::size_t line_end = text.find('\n');
    return "while creating the dealer schema (" + std::string(running->file) + ", statement " +
           std::to_string(running->number) + "): " + text.substr(0, line_end) +
           (line_end == std::string::npos ? "" : " ...");
  };
  auto roll_back = [&] {
    try {
      connection.Rollback();
    } catch (const std::exception&) {
      // The first failure is the one worth reporting.
    }
  };

  connection.Begin();
  try {
    for (const SchemaStatement& statement : statements) {
      running = &statement;
      connection.ExecuteDirect(statement.text);
    }
    running = nullptr;
    connection.Commit();
  } catch (Error& error) {
    roll_back();
    error.AddContext(context());
    throw;
  } catch (const std::exception& failure) {
    roll_back();
    Error error(ErrorCategory::Database, failure.what());
    error.AddContext(context());
    throw error;
  }
}

}  // namespace veiculo::platform
