// RejeitarProposta and RejeitarPropostaStr: a sales proposal cancelled (or
// returned) by the salesperson. Refusals change nothing; once the checks pass
// the proposal, its negotiations, payments, reservation, contact and
// schedule are updated, the F&I provider is told, and a vehicle that existed
// for this sale alone is deleted.
//
// Any error turns into "NOK|Erro no cancelamento da proposta;" with the
// statements already executed left in the host's transaction, which the host
// rolls back on a "NOK|" result.

#include <exception>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/format/convert.h"
#include "platform/text.h"
#include "proposal/rejection.h"
#include "veiculo/error.h"

namespace veiculo {

std::string TddmVeiculoCompartilhadoBDImpl::RejeitarProposta(
    Connection* pfConexao, const std::string& pfBancoDados, int32_t pfEmpresa, int32_t pfRevenda,
    int32_t pfProposta, int32_t pfUsuario, DateTime pfDataProcessamento, int32_t pfIntegracaoFI,
    const std::string& pfMotivo, const std::string& pfConcessionaria,
    const std::string& pfFormaContato, bool pGerarProvidencia, const std::string& pfAcaoRejeicao) {
  try {
    // As in the other operations that receive a connection, the connection's
    // driver has the last word on the dialect.
    sPvBancoDados = pfBancoDados;
    AtribuiConexao(pfConexao);
    tPvDataProcessamento = pfDataProcessamento;
    iPvUsuario = pfUsuario;

    RejeicaoProposta r;
    r.empresa = pfEmpresa;
    r.revenda = pfRevenda;
    r.proposta = pfProposta;
    r.usuario = pfUsuario;
    r.data_processamento = pfDataProcessamento;
    r.integracao_fi = pfIntegracaoFI;
    r.motivo = pfMotivo;
    r.concessionaria = pfConcessionaria;
    r.forma_contato = pfFormaContato;
    r.gerar_providencia = pGerarProvidencia;
    r.acao_rejeicao = pfAcaoRejeicao;

    // A proposal that does not exist is not reported as cancelled.
    if (!proposal::PrimeiroValor(*sdsAux, "select PROPOSTA from VEI_PROPOSTA where EMPRESA = " +
                                              std::to_string(pfEmpresa) +
                                              " and REVENDA = " + std::to_string(pfRevenda) +
                                              " and PROPOSTA = " + std::to_string(pfProposta)))
      return "NOK|Proposta [" + std::to_string(pfProposta) + "] não encontrada.;";
    r.situacao = BuscaSituacaoProposta(pfEmpresa, pfRevenda, pfProposta, r.descricao);
    BuscaDadosProposta(pfEmpresa, pfRevenda, pfProposta, r.contato, r.cliente, r.veiculo,
                       r.proposta_fib, r.tipo_venda);

    const std::string recusa = RecusaRejeicao(r);
    if (!recusa.empty()) return recusa;

    // A vehicle that already came in on an entry invoice is stock like any other.
    if (r.nota_entrada > 0) r.tipo_venda = "N";
    BuscaMarca(pfEmpresa, pfRevenda);

    GravaRejeicao(r);
    std::string resultado = "OK|";
    const std::string falha_fi = CancelaFIRejeicao(r);
    if (!falha_fi.empty()) resultado = falha_fi;
    if (r.VeiculoDaVenda()) ExcluiVeiculoDaVenda(pfEmpresa, r.veiculo);
    return resultado;
  } catch (const std::exception&) {
    return "NOK|Erro no cancelamento da proposta;";
  }
}

std::string TddmVeiculoCompartilhadoBDImpl::RejeitarPropostaStr(
    Connection* pfConexao, const std::string& pfBancoDados, int32_t pfEmpresa, int32_t pfRevenda,
    int32_t pfProposta, int32_t pfUsuario, const std::string& pfDataProcessamento,
    DataPacket& pAgenda, int32_t pfIntegracaoFI, const std::string& pfMotivo,
    const std::string& pfConcessionaria, const std::string& pfFormaContato, bool pGerarProvidencia,
    const std::string& pfAcaoRejeicao) {
  // The date is the server's local form ("14/03/2025" or "14/03/2025 10:30:00").
  double data = 0;
  if (!platform::TryStrToDateTime(pfDataProcessamento, data))
    throw Error(ErrorCategory::Validation, "RejeitarPropostaStr: pfDataProcessamento '" +
                                               pfDataProcessamento +
                                               "' is not a local date (dd/mm/yyyy [hh:mm:ss])");
  oPvAgenda = pAgenda;
  const std::string resultado = RejeitarProposta(
      pfConexao, pfBancoDados, pfEmpresa, pfRevenda, pfProposta, pfUsuario, data, pfIntegracaoFI,
      pfMotivo, pfConcessionaria, pfFormaContato, pGerarProvidencia, pfAcaoRejeicao);
  pAgenda = oPvAgenda;
  return resultado;
}

}  // namespace veiculo
