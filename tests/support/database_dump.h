#pragma once
// Every row of every table of a dealer database as one text, so that a test
// can prove an operation changed nothing outside its scope (or, rolled back,
// nothing at all): one line per row, "TABLE|value|value|...", the rows of a
// table ordered by their columns, the tables by name. Values are written as
// QueryRows writes them (NULL, ISO dates, floats with two decimals).

#include <string>

#include "veiculo/connection.h"

namespace veiculo::testing {

std::string DumpDatabase(Connection& connection);

}  // namespace veiculo::testing
