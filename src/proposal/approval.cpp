// AprovacaoGerencialProposta: the manager's approval of one negotiation of a
// sales proposal.
//
// The steps run in a fixed order: the reads (manager, parameters, proposal,
// uniqueness and tax rates, negotiation), the approximate taxes, the checks
// (acceptance, lien, financing, minimum price, similar vehicles, appraisals,
// discount) and, when every check passes, the approval of the chosen
// negotiation with the rejection of every rival. The first refusal is the
// result and nothing has been written by then. Any error afterwards returns
// the generic error text; the statements executed stay in the host's
// transaction, which the host rolls back on a "NOK|" result.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "proposal/approval.h"

namespace veiculo {
namespace {

constexpr const char* kErroAprovacao = "NOK|Erro durante a aprovação da proposta;";

// Closes the scratch datasets a failed step may have left open.
void FechaConsultas(std::initializer_list<platform::SqlDataSet*> datasets) {
  for (platform::SqlDataSet* d : datasets) {
    try {
      if (d != nullptr) d->Close();
    } catch (...) {
    }
  }
}

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::AprovacaoGerencialProposta(
    Connection* pfConexao, const std::string& pfBancoDados, int32_t pfEmpresa, int32_t pfRevenda,
    int32_t pfProposta, int32_t pfNegociacao, int32_t pfUsuario, DateTime pfDataProcessamento,
    int32_t pfIntegracaoFI) {
  Aprovacao a;
  a.banco_dados = pfBancoDados;
  a.empresa = pfEmpresa;
  a.revenda = pfRevenda;
  a.proposta = pfProposta;
  a.negociacao = pfNegociacao;
  a.usuario = pfUsuario;
  a.data = pfDataProcessamento;
  a.integracao_fi = pfIntegracaoFI;
  try {
    // The connection's driver has the last word on the dialect.
    sPvBancoDados = pfBancoDados;
    AtribuiConexao(pfConexao);
    iPvUsuario = pfUsuario;
    tPvDataProcessamento = pfDataProcessamento;
    BuscaMarca(pfEmpresa, pfRevenda);

    std::string recusa = LeDadosAprovacao(a);
    if (recusa.empty()) recusa = VerificaUnicidade(a);
    if (recusa.empty()) recusa = LeNegociacaoAprovacao(a);
    if (!recusa.empty()) return recusa;
    CalculaTributosAproximados(a);
    if (recusa.empty()) recusa = VerificaCondicoesAprovacao(a);
    if (recusa.empty()) recusa = VerificaPrecoMinimo(a);
    if (recusa.empty()) AvisaVeiculosSemelhantes(a);
    if (recusa.empty()) recusa = VerificaAvaliacoes(a);
    if (recusa.empty()) recusa = VerificaDesconto(a);
    if (!recusa.empty()) return recusa;

    AprovaERejeitaPropostas(a);
    return "OK|" + a.avisos + a.avisos_fi;
  } catch (...) {
    FechaConsultas({sdsAux, sdsConsulta, sdsConsultaLoc, sdsExecuta});
    return kErroAprovacao;
  }
}

}  // namespace veiculo
