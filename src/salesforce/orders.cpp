// The order rows of the makers' integrations: the brand's REN_SALES_PEDIDO
// (status, and on invoicing the sale values and customer data) and the other
// maker's FOR_SALES_PEDIDO (cancelled or billed).

#include <string>

#include "salesforce/sales_force_internal.h"

namespace veiculo {

using salesforce::Inteiro;
using salesforce::Texto;

void TSalesForce::AtualizaPedido(Connection* pConexao, int32_t pEmpresa, int32_t pRevenda,
                                 int32_t pProposta, TOperacaoPedido pOperacao) {
  CriaDataSets(pConexao);
  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select PROP.VEICULO, CAC.CLIENTE from VEI_PROPOSTA PROP, CAC_CONTATO CAC where "
      "CAC.EMPRESA = PROP.EMPRESA and CAC.REVENDA = PROP.REVENDA and CAC.CONTATO = PROP.CONTATO "
      "and PROP.EMPRESA = :EMPRESA and PROP.REVENDA = :REVENDA and PROP.PROPOSTA = :PROPOSTA");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.ParamByName("PROPOSTA").SetAsInteger(pProposta);
  q.Open();
  const std::string veiculo = q.IsEmpty() ? "" : q.FieldByName("VEICULO").AsText();
  const int32_t cliente = q.IsEmpty() ? 0 : Inteiro(q, "CLIENTE");
  q.Close();
  if (veiculo.empty() || !VeiculoNovo(pEmpresa, veiculo)) return;

  const std::string dn = BuscaNumeroDN(pEmpresa, pRevenda);
  if (pOperacao == TOperacaoPedido::Faturar)
    GravaDadosVenda(pEmpresa, pRevenda, pProposta, dn, cliente);

  const char* status = pOperacao == TOperacaoPedido::Cancelar  ? "C"
                       : pOperacao == TOperacaoPedido::Enviado ? "E"
                                                               : "F";
  auto& x = c_->sdsExecuta;
  x.Close();
  x.SetCommandText(
      "update REN_SALES_PEDIDO set METODO = 'A', STATUS_ENVIO = 'P', STATUS = :STATUS, "
      "DATA_ULTIMA_ATUALIZACAO = :DATA where NUMERO_DN = :NUMERO_DN and NUMERO_PEDIDO_DMS = "
      ":PROPOSTA");
  x.ParamByName("STATUS").SetAsText(status);
  x.ParamByName("DATA").SetAsDateTime(Now());
  x.ParamByName("NUMERO_DN").value = salesforce::NumeroDNValor(dn);
  x.ParamByName("PROPOSTA").SetAsInteger(pProposta);
  x.ExecSQL();
  x.Close();

  if (pOperacao == TOperacaoPedido::Cancelar) {
    x.SetCommandText(
        "update VEI_VEICULO set CLIENTE_RESERVA = null, EMPRESA_VENDEDOR_RESERVA = null, "
        "REVENDA_VENDEDOR_RESERVA = null, VENDEDOR_RESERVA = null, DTA_FIM_RESERVA = null, "
        "DTA_RESERVA = null, RESERVADO = 'N', OBSERVACAO_RESERVA = null where EMPRESA = :EMPRESA "
        "and VEICULO = :VEICULO");
    x.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
    x.ParamByName("VEICULO").SetAsText(veiculo);
    x.ExecSQL();
    x.Close();

    q.SetCommandText(
        "select VV.REVENDA_ORIGEM, RP.UTILIZA_SALES_FORCE_FULL from VEI_VEICULO VV inner join "
        "REN_PARAMETRO RP on (RP.EMPRESA = VV.EMPRESA and RP.REVENDA = VV.REVENDA_ORIGEM) where "
        "VV.EMPRESA = :EMPRESA and VV.VEICULO = :VEICULO");
    q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
    q.ParamByName("VEICULO").SetAsText(veiculo);
    q.Open();
    const bool full = !q.IsEmpty() && Texto(q, "UTILIZA_SALES_FORCE_FULL") == "S";
    const int32_t origem = full ? Inteiro(q, "REVENDA_ORIGEM") : 0;
    q.Close();
    if (full) AtualizaEstoque(pConexao, pEmpresa, origem, veiculo, TOperacaoEstoque::Estoque);
  } else if (pOperacao == TOperacaoPedido::Faturar) {
    AtualizaEstoque(pConexao, pEmpresa, pRevenda, veiculo, TOperacaoEstoque::Faturado);
  }
}

namespace {

const char* StatusFord(TOperacaoPedido operacao) {
  switch (operacao) {
    case TOperacaoPedido::Cancelar:
      return "Canceled";
    case TOperacaoPedido::Faturar:
      return "Billed";
    default:
      return nullptr;
  }
}

}  // namespace

void TSalesForce::AtualizaPedidoFord(Connection* pConexao, int32_t pEmpresa, int32_t /*pRevenda*/,
                                     const std::string& pVeiculo, TOperacaoPedido pOperacao) {
  const char* status = StatusFord(pOperacao);
  if (status == nullptr) return;
  CriaDataSets(pConexao);
  // The vehicle code is unique only within a company: the chassis is taken
  // from this company's vehicle, never from a namesake of another company.
  auto& x = c_->sdsExecuta;
  x.Close();
  x.SetCommandText(
      "UPDATE FOR_SALES_PEDIDO SET STATUS_ENVIO = 'A', STATUS = :STATUS WHERE CHASSI in (SELECT "
      "VEI.CHASSI FROM VEI_VEICULO VEI WHERE VEI.EMPRESA = :EMPRESA and VEI.VEICULO = :VEICULO)");
  x.ParamByName("STATUS").SetAsText(status);
  x.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  x.ParamByName("VEICULO").SetAsText(pVeiculo);
  x.ExecSQL();
  x.Close();
}

void TSalesForce::AtualizaPedidoFord(Connection* pConexao, int32_t /*pEmpresa*/,
                                     int32_t /*pRevenda*/, int32_t pProposta,
                                     TOperacaoPedido pOperacao) {
  const char* status = StatusFord(pOperacao);
  if (status == nullptr) return;
  CriaDataSets(pConexao);
  auto& x = c_->sdsExecuta;
  x.Close();
  x.SetCommandText(
      "UPDATE FOR_SALES_PEDIDO SET STATUS_ENVIO = 'A', STATUS = :STATUS WHERE NUMERO_PEDIDO_DMS = "
      ":PROPOSTA");
  x.ParamByName("STATUS").SetAsText(status);
  x.ParamByName("PROPOSTA").SetAsInteger(pProposta);
  x.ExecSQL();
  x.Close();
}

}  // namespace veiculo
