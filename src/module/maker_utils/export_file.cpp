#include "module/maker_utils/export_file.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

namespace fs = std::filesystem;

std::string Unseparated(std::string text, const std::string& separator) {
  if (separator.empty()) return text;
  for (size_t pos = text.find(separator); pos != std::string::npos;
       pos = text.find(separator, pos + separator.size()))
    text.replace(pos, separator.size(), std::string(separator.size(), ' '));
  return text;
}

// A name next to the target that no other writer of this process or another
// one uses at the same time.
fs::path TemporaryName(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  return fs::path(target.string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                  std::to_string(counter++));
}

Error WriteError(const std::string& file, const std::string& reason) {
  return Error(ErrorCategory::Validation, "cannot write file " + file + ": " + reason);
}

}  // namespace

TExportaArquivo& TExportaArquivo::Adiciona(std::unique_ptr<TGravarCampo> coluna) {
  if (!coluna) throw Error(ErrorCategory::Validation, "export column missing");
  colunas_.push_back(std::move(coluna));
  return *this;
}

void TExportaArquivo::IncluiCabecalho(const std::string& linha) {
  cabecalho_ = linha;
  tem_cabecalho_ = true;
}

std::string TExportaArquivo::GeraTexto(const DataPacket& dados) const {
  if (colunas_.empty()) throw Error(ErrorCategory::Validation, "export file without columns");
  std::vector<int> index;
  for (const auto& coluna : colunas_) {
    const int i = dados.FieldIndex(coluna->Campo());
    if (i < 0) throw Error(ErrorCategory::NotFound, "field " + coluna->Campo() + " not found");
    index.push_back(i);
  }
  std::string out;
  if (tem_cabecalho_) out += cabecalho_ + fim_de_linha_;
  for (size_t r = 0; r < dados.rows.size(); ++r) {
    const DataPacket::Row& row = dados.rows[r];
    for (size_t c = 0; c < colunas_.size(); ++c) {
      const size_t i = static_cast<size_t>(index[c]);
      const Value value = i < row.size() ? row[i] : Value();
      try {
        if (c > 0) out += separador_;
        out += Unseparated(colunas_[c]->Gravar(value), separador_);
      } catch (Error& e) {
        e.AddContext("in record " + std::to_string(r + 1));
        throw;
      }
    }
    out += fim_de_linha_;
  }
  return out;
}

void TExportaArquivo::GeraArquivo(const std::string& arquivo, const DataPacket& dados) const {
  const std::string text = GeraTexto(dados);
  const fs::path target(arquivo);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  if (arquivo.empty() || !fs::is_directory(folder, ec))
    throw Error(ErrorCategory::NotFound, "folder of file \"" + arquivo + "\" does not exist");
  const fs::path temp = TemporaryName(target);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw WriteError(arquivo, std::strerror(errno));
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      fs::remove(temp, ec);
      throw WriteError(arquivo, "write failed");
    }
  }
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw WriteError(arquivo, ec.message());
  }
}

}  // namespace veiculo::maker
