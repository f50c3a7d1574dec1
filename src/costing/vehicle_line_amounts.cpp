// The historic and present amounts of one line of a vehicle's own formula
// (see vehicle_line.h for the rules by incidence).

#include "costing/vehicle_line.h"
#include "platform/format/rounding.h"

namespace veiculo {

void TddmVeiculoCompartilhadoBDImpl::ValoraLinhaVeiculo(const costing::ValoracaoLinha& pDados,
                                                        costing::LinhaCusteio& pLinha,
                                                        double pPercentual) {
  const std::string& codigo = pLinha.INCIDENCIA;
  const bool com_percentual = pPercentual != costing::kNaoInformado;
  if (codigo == "K") {
    pLinha.VAL_HISTORICO = pDados.venda_h - pDados.custo_h;
    pLinha.VAL_PRESENTE = pDados.venda_p - pDados.custo_p;
    if (com_percentual) {
      pLinha.VAL_HISTORICO = platform::RoundTo(pLinha.VAL_HISTORICO * pPercentual / 100, -2);
      pLinha.VAL_PRESENTE = platform::RoundTo(pLinha.VAL_PRESENTE * pPercentual / 100, -2);
    }
    return;
  }
  if (codigo == "8") {
    pLinha.VAL_HISTORICO = 0;
    pLinha.VAL_PRESENTE =
        BuscaIncidencia(pDados.veiculo, pDados.formula, pDados.empresa, pDados.revenda,
                        pLinha.LINHA_FORMULA, pPercentual, pDados.datas.D5, false, "");
    if (com_percentual) pLinha.VAL_PRESENTE = platform::RoundTo(pLinha.VAL_PRESENTE, -2);
    return;
  }
  // The cost ("C") includes the formula's base lines here.
  pLinha.VAL_HISTORICO = BuscaIncidencia(pDados.veiculo, pDados.formula, pDados.empresa,
                                         pDados.revenda, pLinha.LINHA_FORMULA, pPercentual,
                                         pDados.datas.D5, false, codigo == "C" ? "$" : "");
  pLinha.VAL_PRESENTE = ValorPresenteLinha(pDados.empresa, pDados.revenda, pDados.veiculo,
                                           pDados.formula, pDados.datas, pLinha);
  costing::AplicaEfeitoFinanceiro(pLinha);
}

}  // namespace veiculo
