#include "fi_brasil/commands/fi_format.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {

std::string ValorMonetario(double valor) {
  return platform::FormatFloat("0,000.00", valor);
}

std::string ValorData(double data) {
  const platform::CivilDate date = platform::DecodeDate(data);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

void SalvaArq(const std::string& arquivo, const std::string& conteudo, const std::string& modo) {
  std::string texto;
  if (modo == "A") {
    std::ifstream existing(arquivo, std::ios::binary);
    std::ostringstream old;
    old << existing.rdbuf();
    texto = old.str();
    if (!texto.empty() && texto.back() != '\n') texto += "\r\n";
  }
  texto += conteudo + "\r\n";

  // A name of this writer alone (process and call), so that concurrent
  // writers never share a half-written temporary file; the last rename wins.
  static std::atomic<unsigned> sequence{0};
  const std::string temporary =
      arquivo + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(++sequence);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << texto;
    out.close();
    if (!out) {
      std::remove(temporary.c_str());
      throw Error(ErrorCategory::Service, "could not write " + temporary);
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, arquivo, error);
  if (error) {
    std::remove(temporary.c_str());
    throw Error(ErrorCategory::Service, "could not replace " + arquivo + ": " + error.message());
  }
}

}  // namespace veiculo::fi_brasil
