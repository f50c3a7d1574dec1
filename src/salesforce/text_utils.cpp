// Text utilities of the CRM staging: names, marital status, street numbers,
// telephones, and the readers and binders the staging files share.

#include <cctype>
#include <string>

#include "platform/format/convert.h"
#include "platform/text.h"
#include "salesforce/sales_force_internal.h"

namespace veiculo {
namespace salesforce {

std::string Texto(platform::DataSet& ds, const char* campo) {
  return platform::Trim(ds.FieldByName(campo).AsText());
}
int32_t Inteiro(platform::DataSet& ds, const char* campo) {
  return static_cast<int32_t>(ds.FieldByName(campo).AsInteger());
}
double Data(platform::DataSet& ds, const char* campo) {
  return ds.FieldByName(campo).AsDateTime();
}
std::string Quoted(const std::string& texto) {
  return "'" + platform::QuoteDoubled(texto) + "'";
}
Value TextoOuNulo(const std::string& texto) {
  return texto.empty() ? Value() : Value::Text(texto);
}
Value DataOuNulo(double data) {
  return data == 0 ? Value() : Value::DateTime(data);
}
Value NumeroDNValor(const std::string& numero) {
  int64_t n = 0;
  return platform::TryStrToInt(numero, n) ? Value::Integer(n) : Value();
}

}  // namespace salesforce

void TSalesForce::SeparaNomeSobrenome(const std::string& pNomeCompleto, std::string& pNome,
                                      std::string& pSobrenome) {
  const std::string nome = platform::Trim(pNomeCompleto);
  const size_t corte = nome.find(' ');
  if (corte == std::string::npos) {
    pNome = nome;
    pSobrenome.clear();
    return;
  }
  pNome = nome.substr(0, corte);
  pSobrenome = platform::Trim(nome.substr(corte + 1));
}

std::string TSalesForce::ConverteEstadoCivil(int32_t pEstadoCivil) {
  switch (pEstadoCivil) {
    case 2:
    case 3:
    case 4:  // married, under any property regime
      return "1-MARRIED";
    case 1:
      return "2-SINGLE";
    case 6:
    case 8:  // divorced, legally separated
      return "3-DIVORCED";
    case 7:
      return "4-WIDOWED";
    default:
      return "5-UNDEFINED";
  }
}

std::string TSalesForce::BuscaNroVia(const std::string& pEndereco, std::string& pRua) {
  const std::string endereco = platform::Trim(pEndereco);
  // The number is the last run of digits (it may be followed by a letter or
  // a complement after a comma): "Av. Brasil, 1500 B" -> "1500".
  size_t fim = endereco.size();
  while (fim > 0 && !std::isdigit(static_cast<unsigned char>(endereco[fim - 1]))) --fim;
  size_t inicio = fim;
  while (inicio > 0 && std::isdigit(static_cast<unsigned char>(endereco[inicio - 1]))) --inicio;
  // Digits that are part of the street's name ("Rua 7 de Setembro") are not
  // its number: a number follows a comma or a blank after the name.
  const bool separado = inicio > 0 && (endereco[inicio - 1] == ',' || endereco[inicio - 1] == ' ');
  const std::string depois = fim < endereco.size() ? platform::Trim(endereco.substr(fim)) : "";
  if (fim == 0 || !separado || depois.size() > 2) {
    pRua = endereco;
    return "S/N";
  }
  std::string rua = platform::Trim(endereco.substr(0, inicio));
  while (!rua.empty() && (rua.back() == ',' || rua.back() == ' ')) rua.pop_back();
  pRua = rua;
  return endereco.substr(inicio, fim - inicio);
}

std::string TSalesForce::Telefone(int64_t pDDD, int64_t pNumero) {
  if (pNumero <= 0) return "";
  return (pDDD > 0 ? std::to_string(pDDD) : "") + std::to_string(pNumero);
}

}  // namespace veiculo
