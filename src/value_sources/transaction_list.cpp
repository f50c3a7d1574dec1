// Checking a transaction-type list before it is spliced into SQL.

#include "value_sources/transaction_list.h"

#include <string_view>

#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::value_sources {
namespace {

bool IsCodeCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsCode(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsCodeCharacter(c)) return false;
  }
  return true;
}

// One element of the list: a code, bare or between single quotes.
bool IsElement(const std::string& element) {
  if (element.size() >= 2 && element.front() == '\'' && element.back() == '\'') {
    return IsCode(std::string_view(element).substr(1, element.size() - 2));
  }
  return IsCode(element);
}

}  // namespace

std::string TransactionListForSql(const std::string& list) {
  if (platform::Trim(list).empty()) return "NULL";
  size_t start = 0;
  while (true) {
    const size_t comma = list.find(',', start);
    const std::string element = platform::Trim(list.substr(start, comma - start));
    if (!IsElement(element)) {
      throw Error(ErrorCategory::Validation,
                  "invalid transaction type list '" + list +
                      "': expected codes of letters and digits, optionally in single quotes, "
                      "separated by commas");
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return list;
}

}  // namespace veiculo::value_sources
