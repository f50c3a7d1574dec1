// Proposal support: proposal lookups, user messages, frozen optional values,
// the trade-in over-allowance and contact updates.

#include "operations/define.h"

namespace veiculo::cli {

void RegisterProposalOperations(Registry& r) {
  r.Add(Op("GravaMensagem",
           "Stores a message from one user to another, filed under the proposal when one is given")
            .Writes()
            .Calls(&Module::GravaMensagem, Date("pfDataProcessamento"), "pfEmpresa", "pfRevenda",
                   "pfUsuarioOri", "pfUsuarioDes", "pfProposta", "pfAssunto", "pfMensagem"));
  r.Add(Op("BuscaProposta",
           "The proposal that holds a vehicle (pfCliente -1: any customer); 0 when none")
            .Calls(&Module::BuscaProposta, "pfEmpresa", "pfRevenda", "pfVeiculo", "pfCliente"));
  r.Add(Op("BuscaDadosProposta",
           "A proposal's contact, customer, vehicle, F&I proposal and sale kind")
            .Calls(&Module::BuscaDadosProposta, "pfEmpresa", "pfRevenda", "pfProposta",
                   Out("pfContato"), Out("pfCliente"), Out("pfVeiculo"), Out("pfPropostaFIB"),
                   Out("pfTipoVenda")));
  r.Add(Op("BuscaSituacaoProposta",
           "A proposal's situation code, with its description in pfDescricao")
            .Calls(&Module::BuscaSituacaoProposta, "pfEmpresa", "pfRevenda", "pfProposta",
                   "pfDescricao"));
  r.Add(Op("BuscaNegociacao", "The negotiation of a proposal; 1 when it has none")
            .Calls(&Module::BuscaNegociacao, "pfEmpresa", "pfRevenda", "pfProposta"));
  r.Add(Op("BuscaRevendaProposta", "The dealer of a proposal for a vehicle")
            .Calls(&Module::BuscaRevendaProposta, "pfEmpresa", "pfProposta", "pfVeiculo"));
  r.Add(Op("BuscaAcessoriosProposta",
           "The accessories of a negotiation, as code;description;value;adds| each")
            .Calls(&Module::BuscaAcessoriosProposta, "pfConexao", "pfEmpresa", "pfRevenda",
                   "pfProposta", "pfNegociacao"));
  r.Add(Op("BuscaUsuarioVendedor", "The salesperson (user) of a proposal")
            .Calls(&Module::BuscaUsuarioVendedor, "pfEmpresa", "pfRevenda", "pfProposta"));
  r.Add(Op("BuscaFornecedor", "The customer that supplies a courtesy of a proposal; -1 when none")
            .Calls(&Module::BuscaFornecedor, "pfEmpresa", "pfRevenda", "pfProposta",
                   Text("pfTipo", "1 the salesperson (else the dealer), any other the dealer")));
  r.Add(Op("CongelaValoresDaProposta", "Freezes the optionals' values of a proposal's vehicle")
            .Writes()
            .Calls(&Module::CongelaValoresDaProposta, "pfChassi", "pfEmpresa", "pfRevenda",
                   "pfProposta"));
  r.Add(Op("GravaDiferencaAvaliacaoSaida",
           "Books what a negotiation's trade-ins were paid above their appraisal as an expense "
           "of the vehicle sold; false on failure")
            .Writes()
            .Calls(&Module::GravaDiferencaAvaliacaoSaida,
                   Text("pfBancoDados", "INTERBASE, ORACLE or SQLSERVER"),
                   Text("pfDataProcessamento", "a local date, dd/mm/yyyy"), "pfEmpresa",
                   "pfRevenda", "pfProposta", "pfNegociacao", "pfDifAvaliacaoSaida"));
  r.Add(Op("AtualizaContato", "Cancels, reopens or approves a proposal's contact and logs it")
            .Writes()
            .Reads({"iPvUsuario", "tPvDataProcessamento", "Mens_Assunto", "Mens_Mensagem"})
            .Calls(&Module::AtualizaContato, "pfEmpresa", "pfRevenda", "pfContato", "pfProposta",
                   Text("pfSituacao", "CANCELAR, REABRIR or APROVAR"),
                   Text("pfFormaContato", "a contact form number, or empty")));
  r.Add(Op("BuscaStatusLeads", "The lead band of a contact by its age in working days")
            .Calls(&Module::BuscaStatusLeads, "pfEmpresa", "pfRevenda", Date("pfDataContato"),
                   "pfStatusAtual", Date("pfDataReferencia")));
}

}  // namespace veiculo::cli
