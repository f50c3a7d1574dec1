// CongelaValoresDaProposta: fixes the optional-equipment values of a vehicle
// for a proposal, so that later price changes of the model do not alter what
// was sold.
//
// The vehicle's optionals without a value take the proposal's own frozen
// value, else the model edition's for the vehicle's model year and edition,
// else the model's; optionals that already have a value keep it. The
// proposal's frozen list is then rebuilt from the vehicle's optionals.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "proposal/proposal_sql.h"

namespace veiculo {

void TddmVeiculoCompartilhadoBDImpl::CongelaValoresDaProposta(const std::string& pfChassi,
                                                              int32_t pfEmpresa, int32_t pfRevenda,
                                                              int32_t pfProposta) {
  const std::string chassi = proposal::Quoted(pfChassi);
  const std::string e = std::to_string(pfEmpresa);
  const std::string r = std::to_string(pfRevenda);
  const std::string p = std::to_string(pfProposta);

  proposal::Executa(
      *sdsExecuta,
      "update OFI_FICHA_OPCIONAL set VAL_OPCIONAL = (SELECT COALESCE(P.VAL_OPCIONAL, "
      "E.VAL_OPCIONAL, M.VAL_OPCIONAL) FROM VEI_OPCIONAL_MODELO M INNER JOIN "
      "OFI_FICHA_SEGUIMENTO F ON (F.CHASSI = " +
          chassi +
          ") LEFT OUTER JOIN VEI_OPCIONAL_MODELO_EDICAO E ON (E.EMPRESA = M.EMPRESA AND "
          "E.MODELO = M.MODELO AND E.OPCIONAL = M.OPCIONAL AND E.ANO_MODELO = F.ANO_MODELO AND "
          "E.EDICAO = F.EDICAO) LEFT OUTER JOIN VEI_PROPOSTA_OPCIONAL P ON (P.EMPRESA = " +
          e + " AND P.REVENDA = " + r + " AND P.PROPOSTA = " + p +
          " AND P.OPCIONAL = M.OPCIONAL) WHERE M.EMPRESA = OFI_FICHA_OPCIONAL.EMPRESA AND "
          "M.MODELO = OFI_FICHA_OPCIONAL.MODELO AND M.OPCIONAL = OFI_FICHA_OPCIONAL.OPCIONAL) "
          "where CHASSI = " +
          chassi + " and VAL_OPCIONAL IS NULL");
  proposal::Executa(*sdsExecuta, "delete from VEI_PROPOSTA_OPCIONAL where EMPRESA = " + e +
                                     " and REVENDA = " + r + " and PROPOSTA = " + p);
  proposal::Executa(
      *sdsExecuta,
      "INSERT INTO VEI_PROPOSTA_OPCIONAL (EMPRESA, REVENDA, PROPOSTA, OPCIONAL, "
      "VAL_OPCIONAL) SELECT " +
          e + ", " + r + ", " + p +
          ", OPCIONAL, VAL_OPCIONAL FROM OFI_FICHA_OPCIONAL where CHASSI = " + chassi);
}

}  // namespace veiculo
