// CRM staging: the module's entry points that turn invoice, stock, order
// and reservation events into the makers' staging rows, and the online stock
// load. They write to the database and return nothing; texts that are dates
// are local date(-time) texts ("10/03/2025", empty: now).

#include "operations/define.h"

namespace veiculo::cli {

void RegisterSalesforceOperations(Registry& r) {
  r.Add(Op("AtualizaSalesforce",
           "A returned vehicle of a RENA dealer: cancels its order or puts it back in stock")
            .Writes()
            .Calls(&Module::AtualizaSalesforce, "iPfEmpresa", "iPfRevenda", "sPfVeiculo",
                   Text("sPfSubTipo", "N, T or D"), "pMarca",
                   Text("pDataProcessamento", "dd/mm/yyyy")));
  r.Add(Op("ProcessaSalesForce", "The staging rows an issued invoice means")
            .Writes()
            .Calls(&Module::ProcessaSalesForce, Text("pDataProcessamento", "dd/mm/yyyy"),
                   Text("pTipo", "E or S"), Text("pSub_Tipo", "N, T or D"), "pVeiculo", "pEmpresa",
                   "pRevenda", "pProposta"));
  r.Add(Op("ProcCanSalesForce", "The staging rows a cancelled invoice means")
            .Writes()
            .Calls(&Module::ProcCanSalesForce, Text("pDataProcessamento", "dd/mm/yyyy"),
                   Text("pTipo", "E or S"), Text("pSubTipo", "N, T or D"), "pVeiculo", "pEmpresa",
                   "pRevenda"));
  r.Add(Op("SalesAtualizaEstoque", "One stock staging row of a vehicle")
            .Writes()
            .Calls(&Module::SalesAtualizaEstoque, "Empresa", "Revenda", "Veiculo",
                   Text("Operacao", "Transito, Faturado, Reservado, ... (else Estoque)"),
                   Date("DataProcessamento")));
  r.Add(Op("SalesAtualizaPedido", "The status of a proposal's order for the maker")
            .Writes()
            .Calls(&Module::SalesAtualizaPedido, "Empresa", "Revenda", "Proposta",
                   Text("Operacao", "Faturar, Enviado or Cancelar")));
  r.Add(Op("SalesAtualizaReserva", "One reservation staging row of a vehicle")
            .Writes()
            .Calls(&Module::SalesAtualizaReserva, "Empresa", "Revenda", "Veiculo",
                   Text("Operacao", "Reserva (else released)")));
  r.Add(Op("SalesGeraCargaEstoqueOnline", "The online stock load of a dealer's new vehicles")
            .Writes()
            .Calls(&Module::SalesGeraCargaEstoqueOnline, "UsaPrecoEdicao", "UsaPrecoPacote",
                   "Empresa", "Revenda", Text("BancoDados", "ORACLE, INTERBASE, SQLSERVER, ..."),
                   Date("DataProcessamento")));
}

}  // namespace veiculo::cli
