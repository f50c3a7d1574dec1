#pragma once
// TExportaArquivo: writes the rows of a dataset to a text file, one record per
// line, each column written by its column writer (column_writers.h).
//
// Record layout: the columns in the order they were added, each fitted to its
// width, joined by the separator (none by default: a pure fixed-width
// record; "," with width-0 columns gives a comma-separated file). An optional
// header line (IncluiCabecalho) comes first, written as given. Every line,
// the last one included, ends with CRLF unless DefineFimDeLinha says
// otherwise: the receiving systems expect Windows text files. Text is UTF-8.
// Inside values, the separator is replaced by blanks so it always splits
// columns.
//
// GeraArquivo first checks that every column's field exists in the data
// (veiculo::Error not-found naming the field), builds the whole text, writes
// it to a temporary file in the target folder and renames it over the target:
// a failure leaves no partial file and any earlier file untouched. A folder
// that does not exist raises veiculo::Error (not found), any other write
// failure veiculo::Error (validation), both naming the file.

#include <memory>
#include <string>
#include <vector>

#include "module/maker_utils/column_writers.h"
#include "veiculo/data_packet.h"

namespace veiculo::maker {

class TExportaArquivo {
 public:
  // Appends a column; the exporter owns it. Returns the exporter for chaining.
  TExportaArquivo& Adiciona(std::unique_ptr<TGravarCampo> coluna);
  // The first line of the file, written as given (without its line end).
  void IncluiCabecalho(const std::string& linha);
  void DefineSeparador(const std::string& separador) { separador_ = separador; }
  void DefineFimDeLinha(const std::string& fim) { fim_de_linha_ = fim; }

  // The file's content for these rows (what GeraArquivo writes).
  std::string GeraTexto(const DataPacket& dados) const;
  void GeraArquivo(const std::string& arquivo, const DataPacket& dados) const;

 private:
  std::vector<std::unique_ptr<TGravarCampo>> colunas_;
  std::string cabecalho_;
  bool tem_cabecalho_ = false;
  std::string separador_;
  std::string fim_de_linha_ = "\r\n";
};

}  // namespace veiculo::maker
