// Proposal and negotiation rejection: a proposal cancelled or returned with
// everything that hangs on it, and one negotiation rejected. Each answers
// "OK|" or "NOK|..." (refusals and failures alike, rolled back: exit 3).

#include "operations/define.h"

namespace veiculo::cli {

void RegisterRejectionOperations(Registry& r) {
  r.Add(Op("RejeitarProposta",
           "Cancels a proposal: negotiations, payments, reservation, contact, schedule, the F&I "
           "provider and a vehicle created for a direct sale")
            .Writes()
            .Calls(&Module::RejeitarProposta, "pfConexao",
                   Text("pfBancoDados", "INTERBASE, ORACLE or SQLSERVER"), "pfEmpresa", "pfRevenda",
                   "pfProposta", "pfUsuario", Date("pfDataProcessamento"), "pfIntegracaoFI",
                   "pfMotivo", "pfConcessionaria",
                   Text("pfFormaContato", "a contact form number, or empty"), "pGerarProvidencia",
                   Text("pfAcaoRejeicao", "DEVOLVER to return, else any")));
  r.Add(Op("RejeitarPropostaStr",
           "RejeitarProposta with the date as local text; pAgenda receives the removed delivery "
           "schedule")
            .Writes()
            .Calls(&Module::RejeitarPropostaStr, "pfConexao",
                   Text("pfBancoDados", "INTERBASE, ORACLE or SQLSERVER"), "pfEmpresa", "pfRevenda",
                   "pfProposta", "pfUsuario",
                   Text("pfDataProcessamento", "a local date, dd/mm/yyyy [hh:mm:ss]"), "pAgenda",
                   "pfIntegracaoFI", "pfMotivo", "pfConcessionaria",
                   Text("pfFormaContato", "a contact form number, or empty"), "pGerarProvidencia",
                   Text("pfAcaoRejeicao", "DEVOLVER to return, else any")));
  r.Add(Op("RejeitarNegociacao", "Rejects one negotiation of a proposal and tells the salesperson")
            .Writes()
            .Calls(&Module::RejeitarNegociacao, "pfConexao",
                   Text("pfBancoDados", "INTERBASE, ORACLE or SQLSERVER"), "pfEmpresa", "pfRevenda",
                   "pfProposta", "pfNegociacao", "pfUsuario", Date("pfDataProcessamento"),
                   "pfIntegracaoFI"));
}

}  // namespace veiculo::cli
