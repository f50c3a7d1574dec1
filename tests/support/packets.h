#pragma once
// Field definitions of a data packet written as one line of words:
//   Fields("EMPRESA:i VEICULO:t20 PRECO:f DTA_ENTRADA:d NOME:t")
// i integer, f float, d date-time, x blob, t text (tN: N characters).

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "veiculo/data_packet.h"

namespace veiculo::testing {

inline std::vector<FieldDef> Fields(const std::string& words) {
  std::vector<FieldDef> fields;
  std::istringstream in(words);
  for (std::string word; in >> word;) {
    const size_t colon = word.rfind(':');
    if (colon == std::string::npos || colon + 1 == word.size())
      throw std::invalid_argument("field '" + word + "' has no :type");
    const char kind = word[colon + 1];
    const std::string size = word.substr(colon + 2);
    FieldDef f{word.substr(0, colon), FieldType::Text, size.empty() ? 0 : std::stoi(size)};
    if (kind == 'i')
      f.type = FieldType::Integer;
    else if (kind == 'f')
      f.type = FieldType::Float;
    else if (kind == 'd')
      f.type = FieldType::DateTime;
    else if (kind == 'x')
      f.type = FieldType::Blob;
    else if (kind != 't')
      throw std::invalid_argument("field '" + word + "': unknown type");
    fields.push_back(f);
  }
  return fields;
}

}  // namespace veiculo::testing
