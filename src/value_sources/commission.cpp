// The salesperson's commission on a vehicle: the commission percentage of the
// salesperson of the vehicle's proposal applied to the commission base the
// financial-base evaluation left in BaseComissaoVendedor.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"

namespace veiculo {

double TddmVeiculoCompartilhadoBDImpl::BuscaComissaoVendedor(int32_t pfEmpresa, int32_t pfRevenda,
                                                             const std::string& pfVeiculo) {
  // The proposal may belong to another dealer of the company: BuscaProposta
  // moves the dealer to the proposal's.
  int32_t revenda = pfRevenda;
  const int32_t proposta = BuscaProposta(pfEmpresa, revenda, pfVeiculo, -1);

  sdsAux->Close();
  sdsAux->SetCommandText(
      "SELECT V.COMISSAO FROM VEI_PROPOSTA P, FAT_VENDEDOR V WHERE P.EMPRESA = " +
      std::to_string(pfEmpresa) + " AND P.REVENDA = " + std::to_string(revenda) +
      " AND P.PROPOSTA = " + std::to_string(proposta) + " AND P.EMPRESA = V.EMPRESA" +
      " AND P.REVENDA = V.REVENDA" + " AND P.VENDEDOR = V.VENDEDOR");
  sdsAux->Open();
  const double comissao = sdsAux->IsEmpty() ? 0 : sdsAux->FieldByName("COMISSAO").AsFloat();
  sdsAux->Close();
  return BaseComissaoVendedor * comissao / 100;
}

}  // namespace veiculo
