#pragma once
// What the data module's F&I Brasil operations share: putting the dealer's
// credentials and endpoint on a command, and writing outcomes as text.

#include <exception>
#include <string>
#include <vector>

#include "fi_brasil/commands/fi_base.h"

namespace veiculo::fi_brasil {

// Endpoint paths after the dealer's base URL.
inline constexpr const char* kSufixoStatus = "Status.StatusHttpSoap11Endpoint/";
inline constexpr const char* kSufixoVenda = "Venda.VendaHttpSoap11Endpoint/";

// Sets the command's store id, key and URL (base URL + suffix). Empty values
// raise veiculo::Error (validation) "Id da loja inválido!", "Key inválida!"
// or, for an empty base URL, "Url do Webservice inválido!".
void Credencia(TFIBase& comando, const std::string& idLoja, const std::string& key,
               const std::string& url_base, const char* sufixo);

// StatusCode + " - " + Mensagem.
std::string TextoRecusa(const TFIBase& comando);
// An error on one line: its message, then its context (" - " between).
std::string TextoErro(const std::exception& erro);

// Lines of a result: "OK" while empty, else each line followed by CR LF.
class ListaResultado {
 public:
  void Adiciona(const std::string& linha) { linhas_.push_back(linha); }
  size_t Linhas() const { return linhas_.size(); }
  std::string Texto() const;
  std::string Resultado() const { return linhas_.empty() ? "OK" : Texto(); }

 private:
  std::vector<std::string> linhas_;
};

}  // namespace veiculo::fi_brasil
