#pragma once
// The files in which the FI Manager cancellation keeps its last exchange.

#include <string>

namespace veiculo::fi_manager {

// Replaces `nome` in the working directory with `texto`: written whole to a
// temporary name first, then renamed over the old file, so that a reader (or
// a crash) never meets half a file. Raises veiculo::Error (service) naming
// the file when it cannot be written.
void GravaArquivoInteiro(const std::string& nome, const std::string& texto);

}  // namespace veiculo::fi_manager
