#pragma once
// How the closing import reads the values the F&I Brasil service sends as
// text (amounts, codes, phones) and maps the service's registry codes to the
// dealer's.

#include <cstdint>
#include <optional>
#include <string>

namespace veiculo::fi_brasil {

// An amount sent by the service: "45000.00" (decimal point), "45.000,00"
// (the local form, whenever a comma is present) or blank (0). Anything else
// raises veiculo::Error (validation) naming `campo` and the text.
double ValorServico(const std::string& texto, const char* campo);

// A code read as an integer; 0 when it is not one.
int32_t InteiroOuZero(const std::string& texto);

// A phone "DD-NNNN.NNNN" split at its "-": the area code (0 when not a
// number from 0 to 99) and the number with its points removed (0 when not a
// number from 0 to 999999999).
struct Telefone {
  int64_t ddd = 0;
  int64_t numero = 0;
};
Telefone SeparaTelefone(const std::string& texto);

// The dealer's marital status for the service's code (none: leave it as it is).
std::optional<int32_t> EstadoCivilDealer(int32_t codigo_servico);
// The dealer's schooling for the service's code (none: leave it as it is).
std::optional<int32_t> FormacaoDealer(int32_t codigo_servico);

}  // namespace veiculo::fi_brasil
