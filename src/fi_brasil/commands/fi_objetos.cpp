#include "fi_brasil/commands/fi_objetos.h"

#include "veiculo/error.h"

namespace veiculo::fi_brasil {

void THeader::SetidLoja(const std::string& value) {
  if (value.empty()) throw Error(ErrorCategory::Validation, "Id da loja inválido!");
  idLoja_ = value;
}

void THeader::Setkey(const std::string& value) {
  if (value.empty()) throw Error(ErrorCategory::Validation, "Key inválida!");
  key_ = value;
}

}  // namespace veiculo::fi_brasil
