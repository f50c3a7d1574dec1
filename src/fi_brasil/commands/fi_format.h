#pragma once
// How F&I request values are written, and the file the sale start leaves.

#include <string>

namespace veiculo::fi_brasil {

// The amount with the pattern "0,000.00" in the process's number format: at
// least four integer digits, grouped ("0.012,50" / "0,012.50").
std::string ValorMonetario(double valor);
// The date as "YYYY-MM-DD".
std::string ValorData(double data);
// Writes `conteudo` as one text line (followed by a line break) to `arquivo`.
// Mode "A" keeps the file's lines and appends; any other mode replaces the
// file. The new content is written to a temporary file beside it and renamed
// over it, so that a reader never sees half a file. Raises veiculo::Error
// (service) when the file cannot be written.
void SalvaArq(const std::string& arquivo, const std::string& conteudo, const std::string& modo);

}  // namespace veiculo::fi_brasil
