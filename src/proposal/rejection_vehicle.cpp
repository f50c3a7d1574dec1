// The vehicle record of a direct sale ('D' or 'F' without entry invoice)
// existed for that sale alone: rejecting the proposal deletes it with every
// row that hangs on it, the dependent rows first.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "proposal/proposal_sql.h"

namespace veiculo {
namespace {

// The tables in deletion order, with the column that names the company
// (CAC_VEICULO_SEL twice: as the vehicle's company and as its origin).
struct TabelaDoVeiculo {
  const char* tabela;
  const char* empresa;
};
constexpr TabelaDoVeiculo kTabelas[] = {
    {"CAC_VEICULO_SEL", "EMPRESA"},
    {"VEI_VEICULO_CUSTEIO", "EMPRESA"},
    {"VEI_VEICULO_CUSTEIO_HISTORICO", "EMPRESA"},
    {"VEI_AGENDA_ENTREGA", "EMPRESA"},
    {"REN_DADO_ADICIONAL", "EMPRESA"},
    {"CAC_VEICULO_SEL", "EMPRESA_ORIGEM"},
    {"FAT_CHECK_RESPOSTA", "EMPRESA"},
    {"FOR_BOLSA_VEICULO", "EMPRESA"},
    {"FOR_INF_VENDA_VEICULO", "EMPRESA"},
    {"GMC_AVISO_VENDA", "EMPRESA"},
    {"GMC_SIGA_VEICULO", "EMPRESA"},
    {"VWB_VEICULO_USADO", "EMPRESA"},
    {"VWB_VEICULO_VENDIDO", "EMPRESA"},
    {"VWB_VEI_NOVO_INTERNET", "EMPRESA"},
    {"CIT_AVISO_VENDA", "EMPRESA"},
    {"KIA_AVISO_VENDA", "EMPRESA"},
    {"VEI_FICHA_INDIVIDUAL_VEICULO", "EMPRESA"},
    {"VEI_DESPESA_VEICULO", "EMPRESA"},
    {"VEI_VEICULO", "EMPRESA"},
};

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::ExcluiVeiculoDaVenda(int32_t pfEmpresa,
                                                          const std::string& pfVeiculo) {
  // A proposal without a vehicle has nothing to delete.
  if (pfVeiculo.empty()) return;
  for (const TabelaDoVeiculo& t : kTabelas)
    proposal::Executa(*sdsExecuta, std::string("delete from ") + t.tabela + " where " + t.empresa +
                                       " = " + std::to_string(pfEmpresa) +
                                       " and VEICULO = " + proposal::Quoted(pfVeiculo));
}

}  // namespace veiculo
