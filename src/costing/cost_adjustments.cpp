// BuscaAjustes: the cost adjustments posted on a vehicle up to a date, the
// vehicle lines of authorised or invoiced invoices whose transaction is an
// adjustment (subtype "A"); outgoing adjustments (transaction type "S")
// lower the cost.
//
// Vehicle codes are unique per company only: the accounting cost reads the
// adjustments of the vehicle's own company (BuscaAjustesEmpresa). BuscaAjustes,
// which is given no company, sums the code's adjustments in every company.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"

namespace veiculo {

double TddmVeiculoCompartilhadoBDImpl::BuscaAjustes(const std::string& pfVeiculo,
                                                    DateTime pfDataProcessamento) {
  return SomaAjustes(pfVeiculo, pfDataProcessamento, "");
}

double TddmVeiculoCompartilhadoBDImpl::BuscaAjustesEmpresa(int32_t pfEmpresa,
                                                           const std::string& pfVeiculo,
                                                           DateTime pfDataProcessamento) {
  return SomaAjustes(pfVeiculo, pfDataProcessamento,
                     "    and MV.EMPRESA = " + std::to_string(pfEmpresa));
}

double TddmVeiculoCompartilhadoBDImpl::SomaAjustes(const std::string& pfVeiculo,
                                                   DateTime pfDataProcessamento,
                                                   const std::string& pfFiltroEmpresa) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "select SUM(MV.VAL_CUSTO*CASE WHEN TT.TIPO = 'S' THEN -1 ELSE 1 END) AS VALOR_AJUSTE   "
      "from FAT_MOVIMENTO_VEICULO MV, FAT_MOVIMENTO_CAPA MC, FAT_TIPO_TRANSACAO TT  where "
      "MV.VEICULO = '" +
      platform::QuoteDoubled(pfVeiculo) +
      "'   and MV.TIPO_TRANSACAO = TT.TIPO_TRANSACAO    and TT.SUBTIPO_TRANSACAO = 'A'    and "
      "MC.STATUS IN ('F', 'A')    and MC.EMPRESA = MV.EMPRESA    and MC.REVENDA = MV.REVENDA    "
      "and MC.NUMERO_NOTA_FISCAL = MV.NUMERO_NOTA_FISCAL    and MC.SERIE_NOTA_FISCAL = "
      "MV.SERIE_NOTA_FISCAL    and MC.TIPO_TRANSACAO = MV.TIPO_TRANSACAO    and "
      "MC.DTA_DOCUMENTO <= :PDTA_DOCUMENTO    and MC.CONTADOR = MV.CONTADOR " +
      pfFiltroEmpresa);
  sdsAux->ParamByName("PDTA_DOCUMENTO").SetAsDateTime(pfDataProcessamento);
  sdsAux->Open();
  const double ajuste = sdsAux->IsEmpty() ? 0 : sdsAux->FieldByName("VALOR_AJUSTE").AsFloat();
  sdsAux->Close();
  return ajuste;
}

}  // namespace veiculo
