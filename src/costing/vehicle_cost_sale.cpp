// The sale value a vehicle is costed against (dPbValorVenda), that value at
// present value, and the proposal and negotiation in context.
//
// A vehicle without an exit invoice is valued by its credit notice (purchase
// plus the dealer's commission), by the dealer price (used vehicles, or
// dealers that value stock that way) or by its registry price with freight,
// insurance and optionals; a negotiation named by the caller replaces that by
// what its payments add up to. An invoiced vehicle is valued by its invoice
// total less discount, at present value through the payment conditions of the
// invoice's operation (the invoicing dealer's), and is costed as of the
// invoice's date.

#include <string>
#include <utility>
#include <vector>

#include "costing/vehicle_cost.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"

namespace veiculo {
namespace {

std::string Num(int32_t value) {
  return std::to_string(value);
}

// Opens a query on a scratch dataset.
platform::SqlDataSet& Consulta(platform::SqlDataSet& dataset, const std::string& sql) {
  dataset.Close();
  dataset.SetCommandText(sql);
  dataset.Open();
  return dataset;
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::ValorVendaCusto(CustoVeiculo& pCusto) {
  if (pCusto.numero_nfsaida == 0)
    ValorVendaCadastro(pCusto);
  else
    ValorVendaNotaSaida(pCusto);
}

void TddmVeiculoCompartilhadoBDImpl::ValorVendaCadastro(CustoVeiculo& pCusto) {
  if (!pCusto.notificacao_credito.empty()) {
    dPbValorVenda = pCusto.val_compra + pCusto.val_comissao_concessionaria;
  } else if (pCusto.val_veiculo_c_r == "2" || pCusto.novo_usado == "U") {
    dPvPrecoPublico = pCusto.preco_concessionaria;
    dPvPrecoPublicoOri = pCusto.preco_concessionaria;
    dPbValorVenda = pCusto.preco_concessionaria;
    dPvFreteVenda = 0;
    dPvValorSeguro = 0;
  } else {
    dPvPrecoPublico = pCusto.preco_publico;
    dPvPrecoPublicoOri = pCusto.preco_publico;
    dPvFreteVenda = pCusto.frete_venda;
    dPvValorSeguro = pCusto.val_seguro;
    platform::SqlDataSet& opcionais = Consulta(
        *sdsAux,
        "SELECT SUM(COALESCE(F.VAL_OPCIONAL, E.VAL_OPCIONAL, O.VAL_OPCIONAL)) VAL_OPCIONAL  FROM "
        "OFI_FICHA_OPCIONAL F INNER JOIN OFI_FICHA_SEGUIMENTO S   ON (S.CHASSI = F.CHASSI) "
        "INNER JOIN VEI_OPCIONAL_MODELO O   ON (O.EMPRESA  = F.EMPRESA  AND       O.MODELO   = "
        "F.MODELO   AND       O.OPCIONAL = F.OPCIONAL) LEFT OUTER JOIN "
        "VEI_OPCIONAL_MODELO_EDICAO E   ON (E.EMPRESA  = F.EMPRESA  AND       E.MODELO   = "
        "F.MODELO   AND       E.OPCIONAL = F.OPCIONAL AND       E.ANO_MODELO = S.ANO_MODELO AND "
        "      E.EDICAO   = S.EDICAO)   WHERE F.CHASSI = '" +
            platform::QuoteDoubled(pCusto.chassi) + "'");
    const double valor_opcionais =
        opcionais.IsEmpty() ? 0 : opcionais.FieldByName("VAL_OPCIONAL").AsFloat();
    opcionais.Close();
    dPbValorVenda = dPvPrecoPublico + dPvFreteVenda + dPvValorSeguro + valor_opcionais;
  }

  // A negotiation named by the caller prices the sale: the vehicle, freight
  // and insurance it agreed, and the sum of its payments as the sale value.
  if (pCusto.empresa != 0 && pCusto.revenda != 0 && pCusto.proposta != 0 &&
      pCusto.negociacao != 0) {
    const std::string chave = Num(pCusto.empresa) + "   and REVENDA    = " + Num(pCusto.revenda) +
                              "   and PROPOSTA   = " + Num(pCusto.proposta) +
                              "   and NEGOCIACAO = " + Num(pCusto.negociacao);
    platform::SqlDataSet& negociacao = Consulta(
        *sdsAux,
        "select VAL_VEICULO, VAL_FRETE, VAL_SEGURO  from VEI_NEGOCIACAO where EMPRESA    = " +
            chave);
    if (!negociacao.IsEmpty()) {
      dPvPrecoPublico = negociacao.FieldByName("VAL_VEICULO").AsFloat();
      dPvPrecoPublicoOri = dPvPrecoPublico;
      dPvFreteVenda = negociacao.FieldByName("VAL_FRETE").AsFloat();
      dPvValorSeguro = negociacao.FieldByName("VAL_SEGURO").AsFloat();
    }
    // The sum comes back as one row even without payments; a negotiation
    // whose payments are not entered yet keeps the value found above rather
    // than being sold for nothing.
    platform::SqlDataSet& pagamentos = Consulta(
        *sdsAux,
        "select sum(VAL_PAGAMENTO) VAL_PAGAMENTO  from VEI_PAGAMENTO where EMPRESA    = " + chave);
    if (!pagamentos.IsEmpty() && !pagamentos.FieldByName("VAL_PAGAMENTO").IsNull())
      dPbValorVenda = pagamentos.FieldByName("VAL_PAGAMENTO").AsFloat();
    pagamentos.Close();
  }

  pCusto.valor_presente_venda = dPbValorVenda;
  PropostaCusto(pCusto);
}

void TddmVeiculoCompartilhadoBDImpl::ValorVendaNotaSaida(CustoVeiculo& pCusto) {
  dPvPrecoPublicoOri = pCusto.preco_publico;
  dPvFreteVenda = pCusto.frete_venda;
  dPvValorSeguro = pCusto.val_seguro;

  platform::SqlDataSet& capa = Consulta(
      *sdsConsulta,
      "SELECT TOT_NOTA_FISCAL, VALDESCONTO, DTA_ENTRADA_SAIDA,       FATOPERACAO  FROM "
      "FAT_MOVIMENTO_CAPA WHERE EMPRESA = " +
          Num(pCusto.empresa_nfsaida) + "   AND REVENDA = " + Num(pCusto.revenda_nfsaida) +
          "   AND SERIE_NOTA_FISCAL = '" + platform::QuoteDoubled(pCusto.serie_nfsaida) + "'" +
          "   AND NUMERO_NOTA_FISCAL = " + Num(pCusto.numero_nfsaida) +
          "   AND TIPO_TRANSACAO = '" + platform::QuoteDoubled(pCusto.tipo_transacao_nfsaida) +
          "'" + "   AND CONTADOR = " + Num(pCusto.contador_nfsaida));
  // Without its header the invoiced vehicle is costed with no sale value and
  // no proposal in context.
  if (capa.IsEmpty()) {
    capa.Close();
    return;
  }
  dPvPrecoPublico =
      capa.FieldByName("TOT_NOTA_FISCAL").AsFloat() - capa.FieldByName("VALDESCONTO").AsFloat();
  dPbValorVenda = dPvPrecoPublico;
  // An invoice without its date leaves the costing at the caller's date
  // instead of carrying every value back to 1899.
  if (!capa.FieldByName("DTA_ENTRADA_SAIDA").IsNull())
    pCusto.data_referencia = capa.FieldByName("DTA_ENTRADA_SAIDA").AsDateTime();
  const int32_t operacao = static_cast<int32_t>(capa.FieldByName("FATOPERACAO").AsInteger());
  capa.Close();

  PropostaCusto(pCusto);

  // The payment conditions are read first: the present value opens datasets
  // of its own. Operations are numbered per company and dealer, so the
  // operation is the invoicing dealer's, not the caller's nor the proposal's.
  std::vector<std::pair<double, DateTime>> condicoes;
  platform::SqlDataSet& linhas = Consulta(
      *sdsConsulta,
      "SELECT * FROM FAT_OPERACAO_CONDICAO WHERE EMPRESA  = " + Num(pCusto.empresa_nfsaida) +
          "   AND REVENDA  = " + Num(pCusto.revenda_nfsaida) +
          "   AND OPERACAO = " + Num(operacao));
  for (; !linhas.Eof(); linhas.Next())
    condicoes.emplace_back(linhas.FieldByName("VAL_OPERACAO_CONDICAO").AsFloat(),
                           linhas.FieldByName("DTA_VENCIMENTO_CHEQUE").AsDateTime());
  linhas.Close();

  double presente = 0;
  for (const auto& [valor, vencimento] : condicoes)
    presente += CalculaValorPresente(pCusto.empresa, pCusto.revenda, pCusto.indice_pagamento, " ",
                                     " ", valor, vencimento, pCusto.data_referencia);
  pCusto.valor_presente_venda = presente == 0 ? dPbValorVenda : presente;
}

void TddmVeiculoCompartilhadoBDImpl::PropostaCusto(CustoVeiculo& pCusto) {
  // BuscaProposta hands back the dealer of the proposal it finds, which keys
  // the proposal's negotiation, returns and history from here on.
  iPvProposta = BuscaProposta(pCusto.empresa, pCusto.revenda, pCusto.veiculo, -1);
  iPvNegociacao = BuscaNegociacao(pCusto.empresa, pCusto.revenda, iPvProposta);
}

}  // namespace veiculo
