#pragma once
// The import of a sale closed on the F&I Brasil side into the dealer's
// proposal (FechaVendaFIB, after the fetch): one object per import holding
// the keys, the sale and what the steps learn on the way. Each group of steps
// lives in a file of its own:
//   importacao_contexto.cpp    customer, link, settings, amounts, observation, checks
//   importacao_cliente.cpp     customer registry
//   importacao_negociacao.cpp  accessories and the negotiation
//   importacao_pagamentos.cpp  payments
//   importacao_retornos.cpp    financial returns
// Statements run one by one on the module's sdsExecuta, queries on
// sdsConsulta; a database or conversion error raises and stops the import
// where it happened (the host's transaction decides what stays). Notices
// (missing settings, unmatched codes) go to the result list and never stop it.

#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "fi_brasil/contracts/fi_types.h"
#include "fi_brasil/fi_credentials.h"

namespace veiculo {
class TddmVeiculoCompartilhadoBDImpl;
namespace platform {
class SqlDataSet;
}
}  // namespace veiculo

namespace veiculo::fi_brasil {

// The dealer's settings for the import (VEI_PARAMETRO); a condition of 0 is missing.
struct ParametrosFechamento {
  int32_t condicao_especie = 0, condicao_usado = 0, condicao_troco = 0, condicao_financiamento = 0;
  std::string des_especie, des_usado, des_troco, des_financiamento;
  bool sobrepor_observacoes = false, importar_agregados = false, atualizar_condpagto = false,
       sobrepor_condpagto = false;
};

// The amounts of the sale and of its last credit proposal.
struct ValoresFechamento {
  double especie = 0, usado = 0, troco = 0, financiado = 0, veiculo = 0;
  bool tem_credito = false;
  int32_t financeira = -1;             // the credit proposal's bank; -1 without one
  int32_t usuario_financiamento = -1;  // the finance company's operator; -1 unknown
  int32_t parcelas = 0, tabela_retorno = 0, tipo_financiamento = 0;
  std::string taxa, coeficiente, plano;
  double valor_banco = 0, valor_parcela = 0;
};

class ImportacaoFechamento {
 public:
  ImportacaoFechamento(TddmVeiculoCompartilhadoBDImpl& dm, int32_t empresa, int32_t revenda,
                       int32_t proposta, int32_t negociacao, const std::string& chassi,
                       double data_processamento, ListaResultado& lista);

  // Steps 3 to 11 for the fetched sale; `vinculada` runs once the proposal
  // is linked to the service's sale (from then on the service is told how
  // the import ended).
  void Importa(const VendaCompletaOut& venda, const std::function<void()>& vinculada);

 private:
  // importacao_contexto.cpp
  void LeCliente();
  void VinculaProposta();
  void LeContexto();
  void CalculaValores();
  void AtualizaObservacao();
  void ConfereFinanceira();
  void ConfereProdutos();
  // importacao_cliente.cpp
  void AtualizaCliente();
  void AtualizaPessoaFisica(const FichaCadastralPFOut& ficha);
  void AtualizaPessoaJuridica(const FichaCadastralPJOut& ficha);
  void EnderecoEntrega(const EnderecoOut& endereco, std::string& campos);
  void ReferenciasBancarias(const std::vector<ReferenciaBancariaOut>& referencias);
  void ReferenciasPessoais(const std::vector<ReferenciaPessoalOut>& referencias);
  // importacao_negociacao.cpp
  void GravaAcessorios();
  void AtualizaNegociacao();
  std::string BlocoAprovacao(bool& aprovada);
  // importacao_pagamentos.cpp
  struct Pagamento;
  void GravaPagamentos();
  void AtualizaOuInserePagamento(const Pagamento& pagamento);
  int32_t BuscaPagamento(const Pagamento& pagamento);
  void InserePagamento(const Pagamento& pagamento);
  std::string ColunasPagamento(const Pagamento& pagamento);
  // importacao_retornos.cpp
  void RegravaRetornos();
  void GravaRetorno(int32_t conta, const std::string& descricao, double valor, int32_t cliente);

  // Shared: statements, queries and the keys as SQL.
  void Executa(const std::string& sql);
  platform::SqlDataSet& Consulta(const std::string& sql);
  std::string ChaveProposta() const;
  std::string ChaveNegociacao() const;

  TddmVeiculoCompartilhadoBDImpl& dm_;
  const int32_t empresa_, revenda_, proposta_, negociacao_;
  const std::string chassi_;
  const double data_;
  ListaResultado& lista_;

  const VendaCompletaOut* venda_ = nullptr;
  int32_t cliente_ = 0;
  int32_t avaliacao_ = 0;  // the proposal's used-car evaluation; 0 none
  double valor_opcionais_ = 0;
  std::set<int64_t> acessorios_;  // the sale's product codes the dealer has as accessories
  ParametrosFechamento parametros_;
  ValoresFechamento valores_;
  bool integrada_antes_ = false;  // FIB_INTEGRADO was 'S' before this import
  bool aprovada_antes_ = false;   // APR_FINANCIAMENTO was 'A' before this import
};

// SQL pieces the import files share.
std::string TextoSql(const std::string& texto);  // quoted, inner quotes doubled
std::string ValorSql(double valor);              // "########0.00" with a point

}  // namespace veiculo::fi_brasil
