#pragma once
// One proposal rejection in progress: what the caller asked and what the
// checks read before anything is written. Private to src/proposal.

#include <cstdint>
#include <optional>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"

namespace veiculo {

struct TddmVeiculoCompartilhadoBDImpl::RejeicaoProposta {
  // The call.
  int32_t empresa = 0;
  int32_t revenda = 0;
  int32_t proposta = 0;
  int32_t usuario = 0;
  double data_processamento = 0;
  int32_t integracao_fi = 0;  // 2 F&I Brasil, 4 Avonale
  std::string motivo;
  std::string concessionaria;
  std::string forma_contato;
  bool gerar_providencia = false;
  std::string acao_rejeicao;  // "DEVOLVER": returned, not cancelled

  // The proposal as read (BuscaSituacaoProposta, BuscaDadosProposta).
  std::string situacao;
  std::string descricao;
  int32_t contato = 0;
  int32_t cliente = 0;
  std::string veiculo;
  int32_t proposta_fib = 0;
  std::string tipo_venda;  // 'D' or 'F': a vehicle created for this sale alone

  // The preliminary reads.
  bool enviada_analise = false;  // a negotiation was sent to the F&I provider
  std::string chassi;
  int64_t nota_entrada = 0;  // NUMERO_NOTA_NFENTRADA of the vehicle
  bool isencao_titulos = false;

  bool VeiculoDaVenda() const { return tipo_venda == "D" || tipo_venda == "F"; }
};

namespace proposal {

// The first value of the first row of `sql` run on `ds` (trimmed text);
// nothing when there is no row. Closes the dataset again.
std::optional<std::string> PrimeiroValor(platform::SqlDataSet& ds, const std::string& sql);

// The refusal of a proposal whose situation forbids its cancellation, with
// the situation's description in place.
std::string TextoSituacaoImpeditiva(const std::string& descricao);

}  // namespace proposal
}  // namespace veiculo
