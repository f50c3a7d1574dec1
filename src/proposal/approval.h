#pragma once
// The state of one managerial approval (AprovacaoGerencialProposta): what the
// call received, what it read about the proposal, its negotiation and its
// vehicle, the approximate taxes and the warnings gathered so far. Private
// to src/proposal.

#include <cstdint>
#include <string>
#include <vector>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"

namespace veiculo {

struct TddmVeiculoCompartilhadoBDImpl::Aprovacao {
  // The call.
  std::string banco_dados;  // "SQLSERVER" chooses SUBSTRING, any other SUBSTR
  int32_t empresa = 0;
  int32_t revenda = 0;
  int32_t proposta = 0;
  int32_t negociacao = 0;
  int32_t usuario = 0;
  DateTime data = 0;
  int32_t integracao_fi = 0;

  // The manager and the dealer's parameters (VEI_PARAMETRO).
  std::string nome_gerente;
  bool valida_valor_veiculo = false;  // VALIDA_VALVEICULO_PRECO_MINIMO 'S'
  bool usa_preco_pacote = false;
  bool usa_preco_edicao = false;
  int32_t tempo_maximo_reserva = 0;  // hours
  std::string dif_avaliacao_saida;   // expense code; empty: not booked
  std::string calculo_tributos;

  // The proposal.
  std::string veiculo;
  int32_t pedido = 0;
  std::string uf_cliente;

  // Rates of the vehicle's tax classification for the customer's state (%).
  double aliquota_nacional = 0;
  double aliquota_estadual = 0;
  double aliquota_municipal = 0;

  // The negotiation and its vehicle.
  std::string situacao;  // of the proposal
  std::string status;
  std::string aceite_cliente;
  std::string alienacao;
  bool sem_financeira = true;
  double val_financiado = 0;
  std::string apr_financiamento;
  std::string observacao;
  std::string formula;
  double val_veiculo = 0;
  double val_desconto = 0;
  double val_frete = 0;
  double val_seguro = 0;
  std::string novo_usado;
  std::string chassi;
  double val_venda = 0;     // the negotiation's payments
  double val_opcional = 0;  // the vehicle's optionals, or the proposal's without a vehicle

  // The approximate taxes of the sale.
  double tributo_federal = 0;
  double tributo_estadual = 0;
  double tributo_municipal = 0;

  // The vehicle and its model, as the minimum price reads them.
  bool veiculo_lido = false;
  std::string modelo, cor, pacote, opcionais, ano_fabricacao, ano_modelo;
  DateTime dta_compra_fabrica = 0;  // 0: none
  double desconto_maximo = 100;     // % of the model; 100 when it sets none

  // Warnings of the result, each ending in ";". Of the similar vehicles that
  // ask for confirmation only the last one found is told.
  std::string avisos;
  // Rival proposals whose F&I Brasil sale could not be cancelled.
  std::string avisos_fi;
};

namespace proposal {

// The condition on VEI_PROPOSTA P that selects the proposals concerning the
// same thing as the approved one: its vehicle, else its factory order, else
// only itself.
std::string EscopoProposta(const std::string& veiculo, int32_t pedido, int32_t revenda,
                           int32_t proposta);

// The observation without the tax text a previous approval wrote in front of it.
std::string ObservacaoSemTributos(const std::string& observacao);

// "Trib Aprox R$ ..." for the non-zero amounts; empty when all are 0.
std::string TextoTributos(double federal, double estadual, double municipal);

// The observation an approval writes: the tax text and its source before
// the previous observation (cleaned of an earlier tax text and trimmed).
std::string ObservacaoAprovada(const std::string& observacao, double federal, double estadual,
                               double municipal);

}  // namespace proposal
}  // namespace veiculo
