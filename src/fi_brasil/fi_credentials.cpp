#include "fi_brasil/fi_credentials.h"

#include "veiculo/error.h"

namespace veiculo::fi_brasil {

void Credencia(TFIBase& comando, const std::string& idLoja, const std::string& key,
               const std::string& url_base, const char* sufixo) {
  comando.Usuario().SetidLoja(idLoja);
  comando.Usuario().Setkey(key);
  // Without a base URL the suffix alone is no address: refused like an empty URL.
  comando.SetUrl(url_base.empty() ? std::string() : url_base + sufixo);
}

std::string TextoRecusa(const TFIBase& comando) {
  return std::to_string(comando.StatusCode) + " - " + comando.Mensagem;
}

std::string TextoErro(const std::exception& erro) {
  const auto* proprio = dynamic_cast<const Error*>(&erro);
  if (proprio == nullptr) return erro.what();
  std::string texto = proprio->message();
  for (const std::string& linha : proprio->context()) texto += " - " + linha;
  return texto;
}

std::string ListaResultado::Texto() const {
  std::string texto;
  for (const std::string& linha : linhas_) texto += linha + "\r\n";
  return texto;
}

}  // namespace veiculo::fi_brasil
