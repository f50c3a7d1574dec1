// RejeitarNegociacao: one negotiation of a proposal rejected by the manager;
// the proposal stays open and the salesperson is told. Any error turns into
// "NOK|Erro na rejeição da negociação;" (the host rolls back).

#include <exception>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "proposal/proposal_sql.h"
#include "proposal/rejection.h"

namespace veiculo {

std::string TddmVeiculoCompartilhadoBDImpl::RejeitarNegociacao(
    Connection* pfConexao, const std::string& pfBancoDados, int32_t pfEmpresa, int32_t pfRevenda,
    int32_t pfProposta, int32_t pfNegociacao, int32_t pfUsuario, DateTime pfDataProcessamento,
    int32_t /*pfIntegracaoFI*/) {
  try {
    sPvBancoDados = pfBancoDados;
    AtribuiConexao(pfConexao);
    tPvDataProcessamento = pfDataProcessamento;

    std::string descricao;
    if (BuscaSituacaoProposta(pfEmpresa, pfRevenda, pfProposta, descricao) == "F")
      return "NOK|" + proposal::TextoSituacaoImpeditiva(descricao) + ";";

    const std::string proposta = std::to_string(pfProposta);
    const std::string negociacao = std::to_string(pfNegociacao);
    proposal::Executa(
        *sdsExecuta, "update VEI_NEGOCIACAO set USU_GERENCIAL = " + std::to_string(pfUsuario) +
                         ", APR_GERENCIAL = 'R', DTA_APR_GERENCIAL = NULL where EMPRESA = " +
                         std::to_string(pfEmpresa) + " and REVENDA = " + std::to_string(pfRevenda) +
                         " and PROPOSTA = " + proposta + " and NEGOCIACAO = " + negociacao +
                         // A negotiation still pending (no decision yet) is rejected too.
                         " and (APR_GERENCIAL <> 'R' or APR_GERENCIAL is null)");

    Mens_Proposta = pfProposta;
    Mens_UsuarioDestino = BuscaUsuarioVendedor(pfEmpresa, pfRevenda, pfProposta);
    Mens_Assunto = "Proposta/Negociação [" + proposta + "/" + negociacao + "] Rejeitada";
    Mens_Mensagem = Mens_Assunto;
    GravaMensagem(pfDataProcessamento, pfEmpresa, pfRevenda, pfUsuario, Mens_UsuarioDestino,
                  Mens_Proposta, Mens_Assunto, Mens_Mensagem);
    return "OK|";
  } catch (const std::exception&) {
    return "NOK|Erro na rejeição da negociação;";
  }
}

}  // namespace veiculo
