#pragma once
// Reads what a test checks back from the database as text: dates as ISO
// ("2024-03-10T00:00:00"), floats with two decimals ("1234.50"), null as
// "NULL", texts trimmed.

#include <string>
#include <vector>

#include "veiculo/connection.h"

namespace veiculo::testing {

using TextRows = std::vector<std::vector<std::string>>;

TextRows QueryRows(Connection& connection, const std::string& sql);
// One text a row, its values (as above) joined by "|": "1|V1|60500.00".
std::vector<std::string> QueryLines(Connection& connection, const std::string& sql);
// The first value of the first row; throws std::out_of_range when there is none.
std::string QueryValue(Connection& connection, const std::string& sql);

}  // namespace veiculo::testing
