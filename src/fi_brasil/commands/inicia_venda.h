#pragma once
// TIniciaVenda: starts an F&I Brasil sale for a vehicle and its buyer.

#include <string>

#include "fi_brasil/commands/fi_base.h"

namespace veiculo::fi_brasil {

// The file the last sale-start envelope is written to, in the working folder.
inline constexpr const char* kArquivoFiBrasil = "FiBrasil.xml";

class TIniciaVenda : public TFIBase {
 public:
  TVeiculoIn& Veiculo() { return Veiculo_; }
  TFichaCadastralPFIn& PessoaFisica() { return PessoaFisica_; }
  TFichaCadastralPJIn& PessoaJuridica() { return PessoaJuridica_; }

  // Builds the envelope (GeraXML, which also writes kArquivoFiBrasil) and
  // runs Venda.iniciaVenda.
  bool Executar();

  // The whole envelope: the vehicle, the person (or fichaPF isNull when the
  // person has no CPF) and the company when it has a CNPJ. Each element is
  // written only when its value is present. Writes the envelope to
  // kArquivoFiBrasil, replacing it.
  std::string GeraXML() const;

 private:
  TVeiculoIn Veiculo_;
  TFichaCadastralPFIn PessoaFisica_;
  TFichaCadastralPJIn PessoaJuridica_;
};

}  // namespace veiculo::fi_brasil
