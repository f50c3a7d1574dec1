#include "fi_brasil/closing/valores_servico.h"

#include <cstdlib>

#include "platform/format/convert.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {
namespace {

// Digits with an optional sign and one optional "." between digits.
bool NumeroComPonto(const std::string& texto) {
  size_t i = (!texto.empty() && (texto[0] == '-' || texto[0] == '+')) ? 1 : 0;
  size_t digitos = 0;
  bool ponto = false;
  for (; i < texto.size(); ++i) {
    if (texto[i] >= '0' && texto[i] <= '9') {
      ++digitos;
    } else if (texto[i] == '.' && !ponto) {
      ponto = true;
    } else {
      return false;
    }
  }
  return digitos > 0;
}

int64_t InteiroAte(const std::string& texto, int64_t maximo) {
  int64_t valor = 0;
  if (!platform::TryStrToInt(platform::Trim(texto), valor) || valor < 0 || valor > maximo) return 0;
  return valor;
}

}  // namespace

double ValorServico(const std::string& texto, const char* campo) {
  std::string numero = platform::Trim(texto);
  if (numero.empty()) return 0;
  if (numero.find(',') != std::string::npos) {
    // Local form: points group thousands, the comma is the decimal separator.
    numero = platform::ReplaceAll(numero, ".", "", false);
    numero[numero.find(',')] = '.';
  }
  if (!NumeroComPonto(numero))
    throw Error(ErrorCategory::Validation, std::string("F&I Brasil sent '") + texto + "' as " +
                                               campo + ", which is not a number");
  return std::strtod(numero.c_str(), nullptr);
}

int32_t InteiroOuZero(const std::string& texto) {
  int64_t valor = 0;
  if (!platform::TryStrToInt(platform::Trim(texto), valor) || valor < INT32_MIN ||
      valor > INT32_MAX)
    return 0;
  return static_cast<int32_t>(valor);
}

Telefone SeparaTelefone(const std::string& texto) {
  const size_t hifen = texto.find('-');
  const std::string antes = hifen == std::string::npos ? texto : texto.substr(0, hifen);
  const std::string depois = hifen == std::string::npos ? "" : texto.substr(hifen + 1);
  return {InteiroAte(antes, 99),
          InteiroAte(platform::ReplaceAll(depois, ".", "", false), 999999999)};
}

std::optional<int32_t> EstadoCivilDealer(int32_t codigo_servico) {
  switch (codigo_servico) {
    case 1:
      return 1;
    case 2:
      return 2;
    case 3:
      return 6;
    case 4:
      return 7;
    case 5:
      return 5;
    case 7:
      return 9;
    default:
      return std::nullopt;  // 0 and 6 leave the dealer's value
  }
}

std::optional<int32_t> FormacaoDealer(int32_t codigo_servico) {
  static const int32_t kDealer[] = {0, 1, 2, 4, 5, 6, 7, 8};
  if (codigo_servico < 1 || codigo_servico > 7) return std::nullopt;
  return kDealer[codigo_servico];
}

}  // namespace veiculo::fi_brasil
