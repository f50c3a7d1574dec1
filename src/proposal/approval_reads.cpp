// The reads of a managerial approval: the manager's name, the dealer's
// parameters, the proposal, the uniqueness of the approval with the tax
// rates of the vehicle, and the negotiation with its sale and optional
// values.

#include <string>

#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "proposal/approval.h"
#include "proposal/proposal_sql.h"

namespace veiculo {
namespace {

using proposal::Codigo;
using proposal::Quoted;

std::string Num(int64_t value) {
  return std::to_string(value);
}

std::string Texto(platform::SqlDataSet& ds, const char* campo) {
  return Codigo(ds.FieldByName(campo).AsText());
}
double Valor(platform::SqlDataSet& ds, const char* campo) {
  return ds.FieldByName(campo).AsFloat();  // null reads as 0
}

// The classification's rate of one column, 0 without a row.
std::string Aliquota(const std::string& coluna, const std::string& uf, const std::string& ncm) {
  return "coalesce((select max(" + coluna +
         ") from FAT_IMPOSTO_NCM_NBS I where I.UF = " + Quoted(uf) +
         " and I.TABELA = 0 and I.CODIGO = cast(" + ncm + " as char(10))), 0)";
}

}  // namespace

namespace proposal {

std::string EscopoProposta(const std::string& veiculo, int32_t pedido, int32_t revenda,
                           int32_t proposta) {
  if (!veiculo.empty()) return "P.VEICULO = " + Quoted(veiculo);
  if (pedido != 0) return "P.PEDIDO = " + Num(pedido);
  return "P.REVENDA = " + Num(revenda) + " and P.PROPOSTA = " + Num(proposta);
}

}  // namespace proposal

std::string TddmVeiculoCompartilhadoBDImpl::LeDadosAprovacao(Aprovacao& a) {
  platform::SqlDataSet& ds = *sdsConsulta;
  ds.Close();
  ds.SetCommandText("select NOME from GER_USUARIO where USUARIO = " + Num(a.usuario));
  ds.Open();
  a.nome_gerente = ds.IsEmpty() ? "" : platform::Trim(ds.FieldByName("NOME").AsText());
  ds.Close();

  ds.SetCommandText(
      "select VALIDA_VALVEICULO_PRECO_MINIMO, UTILIZA_PRECO_PACOTE, UTILIZA_PRECO_EDICAO, "
      "TEMPO_MAXIMO_RESERVA, DIF_AVALIACAO_SAIDA, CALCULO_TRIBUTOS from VEI_PARAMETRO "
      "where EMPRESA = " +
      Num(a.empresa) + " and REVENDA = " + Num(a.revenda));
  ds.Open();
  if (!ds.IsEmpty()) {
    a.valida_valor_veiculo = Texto(ds, "VALIDA_VALVEICULO_PRECO_MINIMO") == "S";
    a.usa_preco_pacote = Texto(ds, "UTILIZA_PRECO_PACOTE") == "S";
    a.usa_preco_edicao = Texto(ds, "UTILIZA_PRECO_EDICAO") == "S";
    a.tempo_maximo_reserva =
        static_cast<int32_t>(ds.FieldByName("TEMPO_MAXIMO_RESERVA").AsInteger());
    a.dif_avaliacao_saida = Texto(ds, "DIF_AVALIACAO_SAIDA");
    a.calculo_tributos = Texto(ds, "CALCULO_TRIBUTOS");
  }
  ds.Close();

  ds.SetCommandText(
      "select VPR.VEICULO, VPR.PEDIDO, CON.CLIENTE, case when CLI.ENDERECO_MALA = 1 then "
      "CLI.UF_ENTREGA else CLI.UF_COBRANCA end UF_CLIENTE from VEI_PROPOSTA VPR left join "
      "CAC_CONTATO CON on (CON.EMPRESA = VPR.EMPRESA and CON.REVENDA = VPR.REVENDA and "
      "CON.CONTATO = VPR.CONTATO) left join FAT_CLIENTE CLI on (CLI.CLIENTE = CON.CLIENTE) "
      "where VPR.EMPRESA = " +
      Num(a.empresa) + " and VPR.REVENDA = " + Num(a.revenda) +
      " and VPR.PROPOSTA = " + Num(a.proposta));
  ds.Open();
  const bool achou = !ds.IsEmpty();
  if (achou) {
    a.veiculo = Texto(ds, "VEICULO");
    a.pedido = static_cast<int32_t>(ds.FieldByName("PEDIDO").AsInteger());
    a.uf_cliente = Texto(ds, "UF_CLIENTE");
  }
  ds.Close();
  return achou ? "" : "NOK|Proposta de compra de veículo inexistente.;";
}

std::string TddmVeiculoCompartilhadoBDImpl::VerificaUnicidade(Aprovacao& a) {
  // The vehicle's tax classification: the first 8 characters of its fiscal position.
  const std::string ncm = a.banco_dados == "SQLSERVER" ? "SUBSTRING(VV.POSICAO_FISCAL, 1, 8)"
                                                       : "SUBSTR(VV.POSICAO_FISCAL, 1, 8)";
  platform::SqlDataSet& ds = *sdsConsulta;
  ds.Close();
  ds.SetCommandText(
      "select P.REVENDA, P.PROPOSTA, P.SITUACAO, N.APR_GERENCIAL, VV.NUMERO_NOTA_NFSAIDA, " +
      Aliquota("case when TRIB.ORIGEM in (1, 2, 6, 7) then I.PCT_ALIQ_IMPORTA else "
               "I.PCT_ALIQ_NACIONAL end",
               a.uf_cliente, ncm) +
      " ALIQUOTA_NACIONAL, " + Aliquota("I.PCT_ALIQ_ESTADUAL", a.uf_cliente, ncm) +
      " ALIQUOTA_ESTADUAL, " + Aliquota("I.PCT_ALIQ_MUNICIPAL", a.uf_cliente, ncm) +
      " ALIQUOTA_MUNICIPAL from VEI_PROPOSTA P left join VEI_NEGOCIACAO N on (N.EMPRESA = "
      "P.EMPRESA and N.REVENDA = P.REVENDA and N.PROPOSTA = P.PROPOSTA) left join VEI_VEICULO "
      "VV on (VV.EMPRESA = P.EMPRESA_VEICULO and VV.VEICULO = P.VEICULO) left join "
      "GER_CODIGO_TRIBUTACAO TRIB on (TRIB.EMPRESA = P.EMPRESA and TRIB.CODIGO_TRIBUTACAO = "
      "VV.TRIBUTA_VEICULO) where P.EMPRESA = " +
      Num(a.empresa) + " and " +
      proposal::EscopoProposta(a.veiculo, a.pedido, a.revenda, a.proposta) +
      " order by P.REVENDA, P.PROPOSTA, N.NEGOCIACAO");
  ds.Open();
  int32_t conflito = 0;
  for (ds.First(); !ds.Eof(); ds.Next()) {
    const std::string situacao = Texto(ds, "SITUACAO");
    const int32_t proposta = static_cast<int32_t>(ds.FieldByName("PROPOSTA").AsInteger());
    const bool faturada = (situacao == "7" || situacao == "9") &&
                          ds.FieldByName("NUMERO_NOTA_NFSAIDA").AsInteger() != 0;
    if (faturada || Texto(ds, "APR_GERENCIAL") == "A") conflito = proposta;
    // The rates are the vehicle's for this proposal's customer.
    if (proposta == a.proposta && ds.FieldByName("REVENDA").AsInteger() == a.revenda) {
      a.aliquota_nacional = Valor(ds, "ALIQUOTA_NACIONAL");
      a.aliquota_estadual = Valor(ds, "ALIQUOTA_ESTADUAL");
      a.aliquota_municipal = Valor(ds, "ALIQUOTA_MUNICIPAL");
    }
  }
  ds.Close();
  if (conflito == 0) return "";
  return "NOK|Já existe uma proposta aprovada para este veículo.[" + Num(conflito) + "];";
}

std::string TddmVeiculoCompartilhadoBDImpl::LeNegociacaoAprovacao(Aprovacao& a) {
  // An optional's value: its own, else the model edition's, else the model's.
  const std::string opcionais =
      "(select sum(coalesce(FO.VAL_OPCIONAL, E.VAL_OPCIONAL, M.VAL_OPCIONAL)) from "
      "OFI_FICHA_OPCIONAL FO left join OFI_FICHA_SEGUIMENTO F on (F.CHASSI = FO.CHASSI) left "
      "join VEI_OPCIONAL_MODELO_EDICAO E on (E.EMPRESA = FO.EMPRESA and E.MODELO = FO.MODELO "
      "and E.OPCIONAL = FO.OPCIONAL and E.ANO_MODELO = F.ANO_MODELO and E.EDICAO = F.EDICAO) "
      "left join VEI_OPCIONAL_MODELO M on (M.EMPRESA = FO.EMPRESA and M.MODELO = FO.MODELO and "
      "M.OPCIONAL = FO.OPCIONAL) where FO.CHASSI = V.CHASSI) VAL_OPCIONAL";
  const std::string opcionais_proposta =
      "(select sum(coalesce(PO.VAL_OPCIONAL, E.VAL_OPCIONAL, M.VAL_OPCIONAL)) from "
      "VEI_PROPOSTA_OPC_VEIC PO inner join VEI_PROPOSTA_VEICULO PV on (PV.EMPRESA = PO.EMPRESA "
      "and PV.REVENDA = PO.REVENDA and PV.PROPOSTA = PO.PROPOSTA) left join "
      "VEI_OPCIONAL_MODELO_EDICAO E on (E.EMPRESA = PO.EMPRESA and E.MODELO = PV.MODELO and "
      "E.OPCIONAL = PO.OPCIONAL and E.ANO_MODELO = PV.ANO_MODELO and E.EDICAO = PV.EDICAO) left "
      "join VEI_OPCIONAL_MODELO M on (M.EMPRESA = PO.EMPRESA and M.MODELO = PV.MODELO and "
      "M.OPCIONAL = PO.OPCIONAL) where PO.EMPRESA = P.EMPRESA and PO.REVENDA = P.REVENDA and "
      "PO.PROPOSTA = P.PROPOSTA) VAL_OPCIONAL_VD";
  platform::SqlDataSet& ds = *sdsConsulta;
  ds.Close();
  ds.SetCommandText(
      "select P.VEICULO, P.SITUACAO, N.STATUS, N.ACEITE_CLIENTE, N.ALIENACAO, P.OBSERVACAO, "
      "N.FINANCEIRA, N.VAL_FINANCIADO, N.APR_FINANCIAMENTO, V.FORMULA, N.VAL_VEICULO, "
      "N.VAL_DESCONTO, N.VAL_FRETE, N.VAL_SEGURO, V.NOVO_USADO, V.CHASSI, (select "
      "sum(PG.VAL_PAGAMENTO) from VEI_PAGAMENTO PG where PG.EMPRESA = N.EMPRESA and PG.REVENDA "
      "= N.REVENDA and PG.PROPOSTA = N.PROPOSTA and PG.NEGOCIACAO = N.NEGOCIACAO) VAL_VENDA, " +
      opcionais + ", " + opcionais_proposta +
      " from VEI_PROPOSTA P inner join VEI_NEGOCIACAO N on (N.EMPRESA = P.EMPRESA and "
      "N.REVENDA = P.REVENDA and N.PROPOSTA = P.PROPOSTA) left join VEI_VEICULO V on "
      "(V.EMPRESA = P.EMPRESA and V.VEICULO = P.VEICULO) where P.EMPRESA = " +
      Num(a.empresa) + " and P.REVENDA = " + Num(a.revenda) +
      " and P.PROPOSTA = " + Num(a.proposta) + " and N.NEGOCIACAO = " + Num(a.negociacao));
  ds.Open();
  if (ds.IsEmpty()) {
    ds.Close();
    return "NOK|Negociação não encontrada.;";
  }
  a.situacao = Texto(ds, "SITUACAO");
  a.status = Texto(ds, "STATUS");
  a.aceite_cliente = Texto(ds, "ACEITE_CLIENTE");
  a.alienacao = Texto(ds, "ALIENACAO");
  a.observacao = ds.FieldByName("OBSERVACAO").AsText();
  a.sem_financeira = ds.FieldByName("FINANCEIRA").IsNull();
  a.val_financiado = Valor(ds, "VAL_FINANCIADO");
  a.apr_financiamento = Texto(ds, "APR_FINANCIAMENTO");
  a.formula = Texto(ds, "FORMULA");
  a.val_veiculo = Valor(ds, "VAL_VEICULO");
  a.val_desconto = Valor(ds, "VAL_DESCONTO");
  a.val_frete = Valor(ds, "VAL_FRETE");
  a.val_seguro = Valor(ds, "VAL_SEGURO");
  a.novo_usado = Texto(ds, "NOVO_USADO");
  a.chassi = Texto(ds, "CHASSI");
  a.val_venda = Valor(ds, "VAL_VENDA");
  // A proposal without a stock vehicle counts the optionals chosen in it.
  a.val_opcional = a.veiculo.empty() ? Valor(ds, "VAL_OPCIONAL_VD") : Valor(ds, "VAL_OPCIONAL");
  ds.Close();

  // A cancelled, invoiced or closed proposal is no longer live: approving it
  // would reject its live rivals and approve nothing.
  if (a.situacao == "7" || a.situacao == "8" || a.situacao == "9")
    return "NOK|Proposta [" + Num(a.proposta) + "] cancelada ou encerrada não pode ser aprovada.;";
  return "";
}

}  // namespace veiculo
