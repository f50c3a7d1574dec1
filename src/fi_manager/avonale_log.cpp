#include "fi_manager/avonale_log.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "veiculo/error.h"

namespace veiculo::fi_manager {

void GravaArquivoInteiro(const std::string& nome, const std::string& texto) {
  // One temporary name per process: two processes sharing the folder never
  // write into each other's temporary file.
  const std::string temporario = nome + "." + std::to_string(::getpid()) + ".tmp";
  {
    std::ofstream arquivo(temporario, std::ios::binary | std::ios::trunc);
    arquivo.write(texto.data(), static_cast<std::streamsize>(texto.size()));
    arquivo.close();
    if (!arquivo) {
      std::remove(temporario.c_str());
      throw Error(ErrorCategory::Service, "cannot write " + nome + " in the working directory");
    }
  }
  std::error_code erro;
  std::filesystem::rename(temporario, nome, erro);
  if (erro) {
    std::remove(temporario.c_str());
    throw Error(ErrorCategory::Service, "cannot replace " + nome + ": " + erro.message());
  }
}

}  // namespace veiculo::fi_manager
