#pragma once
// The list of transaction types that the internal-sale queries splice into
// their "IN (...)" conditions, checked before it goes near the SQL.
//
// A list is codes separated by commas: each code letters and digits, bare
// (51) or between single quotes ('S01'), blanks allowed around them. It is
// returned as given, so the SQL reads as the formula line wrote it. An empty
// (or all blank) list becomes "NULL", which matches nothing. Anything else
// (an empty element, another character, an unbalanced quote) raises
// veiculo::Error (validation) naming the list: spliced as it stands, it would
// let a formula line run any SQL.

#include <string>

namespace veiculo::value_sources {

std::string TransactionListForSql(const std::string& list);

}  // namespace veiculo::value_sources
