// The managerial approval of a proposal. The host rolls the transaction back
// on a "NOK|" result, so a refused or failed approval leaves nothing behind.

#include "operations/define.h"

namespace veiculo::cli {

void RegisterApprovalOperations(Registry& r) {
  r.Add(Op("AprovacaoGerencialProposta",
           "The manager approves a proposal's negotiation and rejects its rivals; "
           "OK| with warnings or NOK| with the refusal")
            .Writes()
            .Calls(&Module::AprovacaoGerencialProposta, "pfConexao",
                   Text("pfBancoDados", "SQLSERVER, ORACLE or INTERBASE"), "pfEmpresa", "pfRevenda",
                   "pfProposta", "pfNegociacao", "pfUsuario", Date("pfDataProcessamento"),
                   "pfIntegracaoFI"));
}

}  // namespace veiculo::cli
