#pragma once
// The cost of one vehicle as CalculoCustoVeiculo computes and stores it: the
// state it carries from step to step, the vehicle query it reads with, and the
// texts of the statements that write the result.
//
// Numbers in the statements: percentages "##0.0000" and amounts
// "########0.00", always with "." as decimal separator and no grouping
// ("12.5000", "1234.50", "-809.90"); an absent percentage (the sentinel
// -999999999.0) is written NULL. Texts are quoted with their single quotes
// doubled.

#include <cstdint>
#include <string>

#include "costing/costing_line.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"

namespace veiculo {

namespace costing {

// The vehicle query of the costing: the catalogue's vehicle query whose public
// price comes from the model edition of the vehicle's follow-up record (edition
// and model year), falling back to the model's, plus the surcharge of the paint
// type ("S", "M", "P", "E") from the edition or else the model.
extern const char kSqlVeiculoEdicao[];

std::string PercentualSql(double percentual);
std::string ValorSql(double valor);

// One stored costing line: a row of VEI_VEICULO_CUSTEIO.
struct LinhaGravada {
  int32_t empresa = 0;
  std::string veiculo;
  std::string formula;
  int32_t linha = 0;
  double percentual = kNaoInformado;
  double historico = 0;
  double presente = 0;
  // The F&I customer code, written unquoted; empty writes NULL.
  std::string cliente_fi;
};

// Throws veiculo::Error (validation) when the F&I customer is not an integer:
// it is spliced into the statement without quotes.
std::string InsertCusteio(const LinhaGravada& linha);
std::string InsertCusteioHistorico(const LinhaGravada& linha, int32_t revenda, int32_t proposta,
                                   const std::string& dta_custo);
std::string DeleteCusteio(int32_t empresa, const std::string& veiculo);
std::string DeleteCusteioHistorico(int32_t empresa, int32_t revenda, int32_t proposta);
// UPDATE VEI_VEICULO SET <coluna>=<valor> for one vehicle.
std::string UpdateValorVeiculo(const std::string& coluna, double valor, int32_t empresa,
                               const std::string& veiculo);

// The six profitability figures the bands of the next line are looked up
// with, in percent of the sale value, rounded to 2 decimals (halves to even).
struct PercentuaisCusto {
  double historico = 0;  // profit: sale - total cost
  double presente = 0;
  double margem_h = 0;  // sale - contribution-margin total
  double margem_p = 0;
  double lucro_bruto_h = 0;  // sale - gross-profit total
  double lucro_bruto_p = 0;
};

// All figures are taken against the one sale value `venda` (historic and
// present alike); a sale value of 0 counts as 0.01, so that an unsold vehicle
// still gets figures. A figure that does not come out as a finite number
// stops the computation and leaves it and the figures after it as `antes` had
// them.
PercentuaisCusto PercentuaisVenda(double venda, const TotaisCusteio& totais,
                                  const PercentuaisCusto& antes);

}  // namespace costing

struct TddmVeiculoCompartilhadoBDImpl::CustoVeiculo {
  // The call. `revenda` becomes the dealer of the vehicle's proposal once
  // BuscaProposta finds one, so that the proposal's negotiation, returns and
  // costing history are read and written under the proposal's own key.
  std::string veiculo;
  int32_t empresa = 0;
  int32_t revenda = 0;
  int32_t proposta = 0;  // the negotiation that prices the sale (0: none)
  int32_t negociacao = 0;
  // The reference date: the call's, or the exit invoice's date.
  DateTime data_referencia = 0;

  // Columns of the vehicle.
  std::string formula;
  std::string chassi;
  DateTime dta_fim_correcao = 0;
  DateTime dta_inicio_correcao = 0;  // DTA_FAT_FABRICA when null
  DateTime dta_recompra = 0;         // 0 when null
  int32_t empresa_nfsaida = 0;
  int32_t revenda_nfsaida = 0;
  std::string serie_nfsaida;
  int32_t numero_nfsaida = 0;
  std::string tipo_transacao_nfsaida;
  int32_t contador_nfsaida = 0;
  std::string notificacao_credito;
  std::string novo_usado;
  double val_compra = 0;
  double val_comissao_concessionaria = 0;
  double preco_concessionaria = 0;
  double preco_publico = 0;
  double frete_venda = 0;
  double val_seguro = 0;

  // The dealer: whether the proposal's costing history is kept, and where the
  // sale value of an unsold vehicle comes from ("2": the dealer price).
  bool historico = false;
  std::string val_veiculo_c_r;

  int32_t indice_pagamento = 0;
  double valor_presente_venda = 0;  // the sale value at present value
  // The date-time literal of the history rows: one for the whole costing.
  std::string dta_custo;

  // Running totals of the lines evaluated so far and the figures of the bands.
  double custo_h = 0, custo_p = 0;
  double lucro_bruto_h = 0, lucro_bruto_p = 0;
  double margem_h = 0, margem_p = 0;
  costing::PercentuaisCusto percentuais;

  costing::TotaisCusteio Totais() {
    return {custo_h, custo_p, lucro_bruto_h, lucro_bruto_p, margem_h, margem_p};
  }
  // D1 to D5 of the line evaluation, from the vehicle's own dates.
  costing::DatasCusteio Datas() const;
};

}  // namespace veiculo
