// The module's entry points of the CRM staging: each translates a host event
// (invoice issued or cancelled, stock change, reservation, order change,
// initial load) into the calls of one TSalesForce object, made on the
// connection bound to the module.

#include <memory>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/text.h"
#include "veiculo/error.h"
#include "veiculo/sales_force.h"

namespace veiculo {
namespace {

// A processing date given as local date text ("10/03/2024 [14:30:00]");
// empty means now.
double DataTexto(const std::string& texto, const char* parametro, double agora) {
  if (platform::Trim(texto).empty()) return agora;
  double data = 0;
  if (!platform::TryStrToDateTime(platform::Trim(texto), data))
    throw Error(ErrorCategory::Validation,
                std::string(parametro) + " '" + texto + "' is not a date");
  return data;
}

TOperacaoEstoque OperacaoEstoque(const std::string& texto) {
  static const struct {
    const char* nome;
    TOperacaoEstoque operacao;
  } kNomes[] = {{"Transito", TOperacaoEstoque::Transito},
                {"Transferencia", TOperacaoEstoque::Transferencia},
                {"Faturado", TOperacaoEstoque::Faturado},
                {"Reservado", TOperacaoEstoque::Reservado},
                {"Alocado", TOperacaoEstoque::Alocado},
                {"Inclusao", TOperacaoEstoque::Inclusao},
                {"BloqQualidade", TOperacaoEstoque::BloqQualidade},
                {"BloqComercial", TOperacaoEstoque::BloqComercial},
                {"Devolvido", TOperacaoEstoque::Devolvido},
                {"Imobilizado", TOperacaoEstoque::Imobilizado}};
  for (const auto& n : kNomes)
    if (texto == n.nome) return n.operacao;
  return TOperacaoEstoque::Estoque;
}

}  // namespace

std::unique_ptr<TSalesForce> TddmVeiculoCompartilhadoBDImpl::NovoSalesForce(
    DateTime pDataProcessamento, const std::string& pBancoDados) {
  if (Conexao == nullptr)
    throw Error(ErrorCategory::Validation, "no database connection bound to the module");
  auto sf = std::make_unique<TSalesForce>();
  sf->DataProcessamento = pDataProcessamento;
  sf->BancoDados = pBancoDados;
  sf->Agora = [this] { return Agora(); };
  return sf;
}

int32_t TddmVeiculoCompartilhadoBDImpl::PropostaFaturadaVeiculo(int32_t pfEmpresa,
                                                                int32_t pfRevenda,
                                                                const std::string& pfVeiculo) {
  sdsConsulta->Close();
  sdsConsulta->SetCommandText(
      "select PROPOSTA from VEI_PROPOSTA where EMPRESA = :EMPRESA and REVENDA = :REVENDA and "
      "SITUACAO IN ('7','9') and VEICULO = :VEICULO order by DTA_EMISSAO desc");
  sdsConsulta->ParamByName("EMPRESA").SetAsInteger(pfEmpresa);
  sdsConsulta->ParamByName("REVENDA").SetAsInteger(pfRevenda);
  sdsConsulta->ParamByName("VEICULO").SetAsText(pfVeiculo);
  sdsConsulta->Open();
  const auto proposta =
      sdsConsulta->IsEmpty()
          ? 0
          : static_cast<int32_t>(sdsConsulta->FieldByName("PROPOSTA").AsInteger());
  sdsConsulta->Close();
  return proposta;
}

void TddmVeiculoCompartilhadoBDImpl::AtualizaSalesforce(int32_t iPfEmpresa, int32_t iPfRevenda,
                                                        const std::string& sPfVeiculo,
                                                        const std::string& sPfSubTipo,
                                                        const std::string& pMarca,
                                                        const std::string& pDataProcessamento) {
  if (pMarca != "RENA") return;
  auto sf =
      NovoSalesForce(DataTexto(pDataProcessamento, "pDataProcessamento", Agora()), sPvBancoDados);
  if (sPfSubTipo != "D") return;
  const int32_t proposta = PropostaFaturadaVeiculo(iPfEmpresa, iPfRevenda, sPfVeiculo);
  if (proposta < 1)
    sf->AtualizaEstoque(Conexao, iPfEmpresa, iPfRevenda, sPfVeiculo, TOperacaoEstoque::Estoque);
  else
    sf->AtualizaPedido(Conexao, iPfEmpresa, iPfRevenda, proposta, TOperacaoPedido::Cancelar);
}

void TddmVeiculoCompartilhadoBDImpl::ProcessaSalesForce(
    const std::string& pDataProcessamento, const std::string& pTipo, const std::string& pSub_Tipo,
    const std::string& pVeiculo, int32_t pEmpresa, int32_t pRevenda, int32_t pProposta) {
  auto sf =
      NovoSalesForce(DataTexto(pDataProcessamento, "pDataProcessamento", Agora()), sPvBancoDados);
  Connection* c = Conexao;
  // The other maker's orders, by the vehicle's chassis.
  if (pTipo == "E" && pSub_Tipo == "D") {
    if (PropostaFaturadaVeiculo(pEmpresa, pRevenda, pVeiculo) > 0)
      sf->AtualizaPedidoFord(c, pEmpresa, pRevenda, pVeiculo, TOperacaoPedido::Cancelar);
  } else if (pTipo == "S" && pSub_Tipo == "N") {
    sf->AtualizaPedidoFord(c, pEmpresa, pRevenda, pVeiculo, TOperacaoPedido::Faturar);
  }

  if (pTipo == "E") {
    if (pSub_Tipo == "D") {
      // A returned sale cancels its order; whatever fails, the vehicle is
      // back in stock.
      try {
        const int32_t proposta = PropostaFaturadaVeiculo(pEmpresa, pRevenda, pVeiculo);
        if (proposta > 0)
          sf->AtualizaPedido(c, pEmpresa, pRevenda, proposta, TOperacaoPedido::Cancelar);
        else
          sf->AtualizaEstoque(c, pEmpresa, pRevenda, pVeiculo, TOperacaoEstoque::Estoque);
      } catch (const Error&) {
        sf->AtualizaEstoque(c, pEmpresa, pRevenda, pVeiculo, TOperacaoEstoque::Estoque);
      }
    } else if (pSub_Tipo == "T") {
      // A transferred vehicle that is reserved or promised stays blocked.
      TOperacaoEstoque operacao = TOperacaoEstoque::Estoque;
      try {
        sdsConsulta->Close();
        sdsConsulta->SetCommandText(
            "select case when VV.DTA_FIM_RESERVA > :DATA then VV.DTA_FIM_RESERVA else null end "
            "DTA_FIM_RESERVA, (select max(PR.PROPOSTA) from VEI_PROPOSTA PR where PR.EMPRESA = "
            "VV.EMPRESA and PR.VEICULO = VV.VEICULO and PR.SITUACAO in ('2', '5')) PROPOSTA from "
            "VEI_VEICULO VV where VV.EMPRESA = :EMPRESA and VV.VEICULO = :VEICULO");
        sdsConsulta->ParamByName("DATA").SetAsDateTime(sf->DataProcessamento);
        sdsConsulta->ParamByName("EMPRESA").SetAsInteger(pEmpresa);
        sdsConsulta->ParamByName("VEICULO").SetAsText(pVeiculo);
        sdsConsulta->Open();
        if (!sdsConsulta->IsEmpty() && (!sdsConsulta->FieldByName("DTA_FIM_RESERVA").IsNull() ||
                                        sdsConsulta->FieldByName("PROPOSTA").AsInteger() > 0))
          operacao = TOperacaoEstoque::BloqComercial;
        sdsConsulta->Close();
      } catch (const Error&) {
        sdsConsulta->Close();
        operacao = TOperacaoEstoque::Estoque;
      }
      sf->AtualizaEstoque(c, pEmpresa, pRevenda, pVeiculo, operacao);
    }
  } else if (pTipo == "S") {
    if (pSub_Tipo == "N")
      sf->AtualizaPedido(c, pEmpresa, pRevenda, pProposta, TOperacaoPedido::Faturar);
    else if (pSub_Tipo == "T")
      sf->AtualizaEstoque(c, pEmpresa, pRevenda, pVeiculo, TOperacaoEstoque::Transferencia);
    else if (pSub_Tipo == "D")
      sf->AtualizaEstoque(c, pEmpresa, pRevenda, pVeiculo, TOperacaoEstoque::Devolvido);
  }
}

void TddmVeiculoCompartilhadoBDImpl::ProcCanSalesForce(const std::string& pDataProcessamento,
                                                       const std::string& pTipo,
                                                       const std::string& pSubTipo,
                                                       const std::string& pVeiculo,
                                                       int32_t pEmpresa, int32_t pRevenda) {
  auto sf =
      NovoSalesForce(DataTexto(pDataProcessamento, "pDataProcessamento", Agora()), sPvBancoDados);
  Connection* c = Conexao;
  if (pTipo == "S" && pSubTipo == "N")
    sf->AtualizaPedidoFord(c, pEmpresa, pRevenda, pVeiculo, TOperacaoPedido::Cancelar);
  else if (pTipo == "E" && pSubTipo == "D")
    sf->AtualizaEstoque(c, pEmpresa, pRevenda, pVeiculo, TOperacaoEstoque::Faturado);
  else if (pTipo == "E" && pSubTipo == "T")
    sf->AtualizaEstoque(c, pEmpresa, pRevenda, pVeiculo, TOperacaoEstoque::Transferencia);
  else if (pTipo == "S" && (pSubTipo == "T" || pSubTipo == "D"))
    sf->AtualizaEstoque(c, pEmpresa, pRevenda, pVeiculo, TOperacaoEstoque::Estoque);
}

void TddmVeiculoCompartilhadoBDImpl::SalesAtualizaEstoque(int32_t Empresa, int32_t Revenda,
                                                          const std::string& Veiculo,
                                                          const std::string& Operacao,
                                                          DateTime DataProcessamento) {
  auto sf = NovoSalesForce(DataProcessamento, sPvBancoDados);
  sf->AtualizaEstoque(Conexao, Empresa, Revenda, Veiculo, OperacaoEstoque(Operacao));
}

void TddmVeiculoCompartilhadoBDImpl::SalesAtualizaPedido(int32_t Empresa, int32_t Revenda,
                                                         int32_t Proposta,
                                                         const std::string& Operacao) {
  // A cancellation releases the vehicle's reservation: it is made only when
  // asked for by name, never for a misspelt operation.
  TOperacaoPedido operacao;
  if (Operacao == "Faturar")
    operacao = TOperacaoPedido::Faturar;
  else if (Operacao == "Enviado")
    operacao = TOperacaoPedido::Enviado;
  else if (Operacao == "Cancelar")
    operacao = TOperacaoPedido::Cancelar;
  else
    throw Error(ErrorCategory::Validation,
                "Operacao '" + Operacao + "' is not Faturar, Enviado or Cancelar");
  auto sf = NovoSalesForce(Agora(), sPvBancoDados);
  sf->AtualizaPedido(Conexao, Empresa, Revenda, Proposta, operacao);
}

void TddmVeiculoCompartilhadoBDImpl::SalesAtualizaReserva(int32_t Empresa, int32_t Revenda,
                                                          const std::string& Veiculo,
                                                          const std::string& Operacao) {
  auto sf = NovoSalesForce(Agora(), sPvBancoDados);
  sf->AtualizaReserva(
      Conexao, Empresa, Revenda, Veiculo,
      Operacao == "Reserva" ? TOperacaoReserva::Reserva : TOperacaoReserva::Disponivel);
}

void TddmVeiculoCompartilhadoBDImpl::SalesGeraCargaEstoqueOnline(bool UsaPrecoEdicao,
                                                                 bool UsaPrecoPacote,
                                                                 int32_t Empresa, int32_t Revenda,
                                                                 const std::string& pfBancoDados,
                                                                 DateTime DataProcessamento) {
  auto sf = NovoSalesForce(DataProcessamento, pfBancoDados);
  sf->GeraCargaEstoqueOnline(Conexao, UsaPrecoEdicao, UsaPrecoPacote, Empresa, Revenda);
}

}  // namespace veiculo
