#pragma once
// The request model of an F&I Brasil sale start: plain objects the data
// module fills and the TIniciaVenda command writes into its envelope.
//
// Text fields of type TextoLimpo store what is assigned to them passed
// through LimpaString; fields of type std::string store it unchanged. Dates
// are day serials (days since 30/12/1899, 0 = no date), amounts doubles.
// Every object owns its nested objects and collections.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fi_brasil/commands/limpa_string.h"

namespace veiculo::fi_brasil {

// A text that cleans what it is given (LimpaString).
class TextoLimpo {
 public:
  TextoLimpo() = default;
  TextoLimpo& operator=(std::string_view value) {
    value_ = LimpaString(value);
    return *this;
  }
  const std::string& str() const { return value_; }
  bool empty() const { return value_.empty(); }
  operator const std::string&() const { return value_; }

 private:
  std::string value_;
};

// The store's credentials. The setters refuse an empty value with
// veiculo::Error (validation): "Id da loja inválido!" / "Key inválida!".
class THeader {
 public:
  void SetidLoja(const std::string& value);
  void Setkey(const std::string& value);
  const std::string& idLoja() const { return idLoja_; }
  const std::string& key() const { return key_; }

 private:
  std::string idLoja_;
  std::string key_;
};

// A collection of request items: Add appends, Insert places at an index
// (0..Count()), GetItem and SetItem address an existing index; an index out
// of range raises veiculo::Error (validation).
template <class Item>
class TColecao {
 public:
  Item& Add() { return *items_.emplace_back(std::make_unique<Item>()); }
  Item& Insert(size_t index);
  Item& GetItem(size_t index) const;
  void SetItem(size_t index, const Item& item) { GetItem(index) = item; }
  size_t Count() const { return items_.size(); }

 private:
  std::vector<std::unique_ptr<Item>> items_;
};

struct TVeiculoIn {
  int32_t anoFabricacao = 0;
  int32_t anoModelo = 0;
  TextoLimpo chassi, codigoCor, codigoFIPE, codigoModelo, combustivel, cpfVendedor, descricaoCor,
      descricaoModelo;
  int32_t numeroPropostaDMS = 0;
  int32_t origemVeiculo = 0;
  TextoLimpo pacoteBasico, pacoteOpcionais, placa;
  int32_t quantidadePortas = 0;
  TextoLimpo renavam, tipo;
  double valorVeiculo = 0;
};

struct TEndereco {
  TextoLimpo cep, numero, complemento, rua, bairro, logradouro, cidade;
};
struct TEnderecoIn : TEndereco {};
using TEnderecoIns = TColecao<TEnderecoIn>;

struct TConjugeIn {
  TextoLimpo nome, cpf, rg, rgOrgaoEmissor, rgOrgaoEmissorUF;
  double rgDataEmissao = 0;
  double dataNascimento = 0;
  TextoLimpo naturalidadeUF, naturalidadeMunicipio;
  int32_t nacionalidade = 0;
  double renda = 0;
  TextoLimpo empresaNome, empresaTelefone, empresaCNPJ, ocupacao;
  int32_t tempoServicoAnos = 0;
  int32_t tempoServicoMeses = 0;
  TEndereco enderecoComercial;
};

struct TReferenciaBancariaIn {
  TextoLimpo banco, tipoConta, agencia, numeroConta;
  double limiteChequeEspecial = 0;
  std::string contatoAgencia;   // not cleaned
  std::string telefoneAgencia;  // not cleaned
  int32_t clienteDesdeAno = 0;
  int32_t clienteDesdeMes = 0;
};
using TReferenciaBancariaIns = TColecao<TReferenciaBancariaIn>;

struct TReferenciaPessoalIn {
  TextoLimpo nome, telefone, ramal;
  int32_t tipoRelacao = 0;
};
using TReferenciaPessoalIns = TColecao<TReferenciaPessoalIn>;

struct TFornecedorIn {
  TextoLimpo nome, telefone, contato, ramal;
};
using TFornecedorIns = TColecao<TFornecedorIn>;

struct TFichaCadastralPFIn {
  TextoLimpo CNH, cpf;
  double dataEmissaoCNH = 0;
  double dataNascimento = 0;
  TextoLimpo email;
  TEndereco endereco;
  int32_t estadoCivil = 0;
  TextoLimpo fax;
  int32_t grauInstrucao = -1;  // -1: not given (0 is a valid code)
  int32_t nacionalidade = 0;
  TextoLimpo naturalidadeMunicipio, naturalidadeUF, nome, nomeMae, nomePai, observacao;
  int32_t quantidadeDependentes = 0;
  TReferenciaBancariaIns referenciasBancarias;
  TReferenciaPessoalIns referenciasPessoais;
  TextoLimpo rg;
  double rgDataEmissao = 0;
  TextoLimpo rgOrgaoEmissor, rgOrgaoEmissorUF, sexo, telefoneCelular, telefoneResidencial;
  int32_t tipoTelefonePrincipal = 0;
  TConjugeIn conjuge;
};

struct TFichaCadastralPJIn {
  double capitalSocial = 0;
  TextoLimpo cnpj;
  double dataFundacao = 0;
  TextoLimpo email;
  TEndereco endereco;
  int32_t formaConstituicao = 0;
  TFornecedorIns fornecedores;
  TextoLimpo nomeContador, observacao;
  int32_t origemCapital = 0;
  int32_t quantidadeEmpregados = 0;
  TextoLimpo ramoAtividade, razaoSocial;
  TReferenciaBancariaIns referenciasBancarias;
  TextoLimpo registroJuntaComercial, telefone, telefoneContador;
};

}  // namespace veiculo::fi_brasil

#include "fi_brasil/commands/fi_colecao.inc"
