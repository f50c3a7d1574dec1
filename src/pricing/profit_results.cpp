// The twelve profit holders the pricing operations leave for the host: total
// cost, profit (sale value - total cost) and profit percentage, historic and
// present; the CV_ holders with cost and profit in whole units, the CVd_
// holders with everything in cents.

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/format/rounding.h"

namespace veiculo {

void TddmVeiculoCompartilhadoBDImpl::GravaResultadosLucro(double pVendaH, double pCustoH,
                                                          double pPerH, double pVendaP,
                                                          double pCustoP, double pPerP) {
  using platform::RoundTo;
  CV_Custo_Total_H = RoundTo(pCustoH, 0);
  CV_Custo_Total_P = RoundTo(pCustoP, 0);
  CV_Lucro_H = RoundTo(pVendaH - pCustoH, 0);
  CV_Lucro_P = RoundTo(pVendaP - pCustoP, 0);
  CV_Per_Lucro_H = RoundTo(pPerH, -2);
  CV_Per_Lucro_P = RoundTo(pPerP, -2);
  CVd_Custo_Total_H = RoundTo(pCustoH, -2);
  CVd_Custo_Total_P = RoundTo(pCustoP, -2);
  CVd_Lucro_H = RoundTo(pVendaH - pCustoH, -2);
  CVd_Lucro_P = RoundTo(pVendaP - pCustoP, -2);
  CVd_Per_Lucro_H = RoundTo(pPerH, -2);
  CVd_Per_Lucro_P = RoundTo(pPerP, -2);
}

}  // namespace veiculo
