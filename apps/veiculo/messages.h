#pragma once
// What the host prints when something goes wrong: one message per failure,
// with passwords masked, quoted SQL cut to a readable length and, for a text
// too long for its column, the column or parameter it was meant for.

#include <string>
#include <string_view>

#include "veiculo/error.h"

namespace veiculo::cli {

// The longest SQL text an error message quotes, in characters.
constexpr size_t kQuotedSqlLimit = 300;

// Registers a text that must never be shown (a password given on the
// command line); MaskSecrets replaces it by "***".
void RegisterSecret(const std::string& secret);

// Replaces the values of PWD= and PASSWORD= (any letter case, in ODBC and
// Firebird connection strings) and every registered secret by "***".
std::string MaskSecrets(std::string text);

// The error's message and context, each SQL text quoted cut to
// kQuotedSqlLimit characters, with a hint naming the column or parameter of
// a text that does not fit, and secrets masked.
std::string ErrorText(const Error& error);

// Cuts a text to `limit` characters (bytes of a UTF-8 sequence kept whole),
// saying how much was left out.
std::string Shorten(const std::string& text, size_t limit);

// For an engine's "expected length N": which column of the SQL text (an
// insert's column list or an update's "COLUMN = 'text'") received a text
// longer than N characters; empty when it cannot tell.
std::string TruncationHint(const std::string& message, const std::string& sql);

// A value the database library quotes whole ('Value "..." is too long (N
// bytes) to be stored in column of size M bytes') cut to 60 characters.
std::string CutQuotedValue(const std::string& message);

bool IsValidUtf8(std::string_view text);

}  // namespace veiculo::cli
