#pragma once
// What the proposal operations share when they splice values into SQL and run
// their statements: quoted text, the scratch statement and the "now" of a
// processing date. Private to src/proposal.

#include <string>
#include <string_view>

#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "platform/text.h"

namespace veiculo::proposal {

// A text literal: between single quotes, its own quotes doubled so that it
// cannot leave the literal.
inline std::string Quoted(std::string_view text) {
  return "'" + platform::QuoteDoubled(text) + "'";
}

// Runs a statement that returns no rows on the scratch statement dataset and
// closes it again.
inline void Executa(platform::SqlDataSet& statement, const std::string& sql) {
  statement.Close();
  statement.SetCommandText(sql);
  statement.ExecSQL();
  statement.Close();
}

// The workflow's "now": the day of the processing date with the time of day
// of the clock.
inline double AgoraNoDia(double data_processamento, double agora) {
  const double dia = platform::DateOf(data_processamento);
  // Before day 0 the fraction still counts forward from midnight.
  return dia >= 0 ? dia + platform::TimeOf(agora) : dia - platform::TimeOf(agora);
}

// A text column read as a code: CHAR columns come back padded.
inline std::string Codigo(const std::string& text) {
  return platform::Trim(text);
}

}  // namespace veiculo::proposal
