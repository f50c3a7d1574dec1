// Present value: an amount of one date carried to another, by the vehicle's
// financing-plan tiers (incidence "6") or by a financial index.

#include <cmath>
#include <cstdint>
#include <string>

#include "costing/kept_rows.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/number_utils.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "platform/text.h"
#include "value_sources/index_values.h"

namespace veiculo {
namespace {

constexpr int kFinancingTiers = 5;

// Interest of the financing plan of the current vehicle (cdsVeiculo) over
// `dias` days. Tier i charges its monthly rate FP_JUROSi, spread over 30
// days, from the end of the previous tier to its own end FP_DIASi (or to
// `dias`), always on the original amount; the interests add up, each rounded
// to cents. Without a current vehicle there is no plan and nothing to charge.
double FinancingPlanInterest(platform::ClientDataSet& vehicles, double valor, double dias) {
  if (!vehicles.Active() || vehicles.IsEmpty()) return 0;
  double interest = 0;
  double lower = 0;
  for (int tier = 1; tier <= kFinancingTiers; ++tier) {
    const std::string n = std::to_string(tier);
    const double rate = vehicles.FieldByName("FP_JUROS" + n).AsFloat();
    // Tier ends are kept in 16 bits, unsigned.
    const double upper = static_cast<uint16_t>(vehicles.FieldByName("FP_DIAS" + n).AsInteger());
    const double begin = lower;
    lower = upper;
    if (rate == 0 || upper == 0 || begin > dias) continue;
    const double end = upper <= dias ? upper : dias;
    const double factor = std::pow(std::pow(1 + rate / 100, 1.0 / 30), end - begin);
    interest += maker::RoundToBrel(factor * valor - valor, -2);
  }
  return interest;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaValorPresente(int32_t pfEmpresa, int32_t pfIndice,
                                                          double pfValor, DateTime pfData1,
                                                          DateTime pfData2,
                                                          const std::string& pfIncidencia,
                                                          const std::string& veiculo) {
  if (pfIncidencia == "6")
    return pfValor + FinancingPlanInterest(*cdsVeiculo, pfValor, pfData2 - pfData1);

  cdsIndice1->Close();
  cdsIndice1->ParamByName("Empresa").SetAsInteger(pfEmpresa);
  cdsIndice1->ParamByName("Indice").SetAsInteger(pfIndice);
  cdsIndice1->Open();
  if (cdsIndice1->IsEmpty()) return pfValor;
  const std::string periodo = platform::Trim(cdsIndice1->FieldByName("PERIODO").AsText());
  const bool indexador_ford =
      !platform::Trim(cdsIndice1->FieldByName("INDEXADOR_FORD").AsText()).empty();

  // A vehicle whose correction ended is carried only up to that date.
  sdsConsultaLoc->Close();
  sdsConsultaLoc->SetCommandText(
      "select DTA_FIM_CORRECAO   from VEI_VEICULO       where EMPRESA = " +
      std::to_string(pfEmpresa) + "   and VEICULO = '" + platform::QuoteDoubled(veiculo) + "'");
  {
    // Each line of a vehicle's formula carried by an index asks again: a
    // batch keeps the row until the vehicle is written.
    const costing::KeptRows kept(*sdsConsultaLoc);
    sdsConsultaLoc->Open();
  }
  if (!sdsConsultaLoc->IsEmpty()) {
    // Null and 30/12/1899 (day 0) both mean that the correction never ends.
    const double fim = sdsConsultaLoc->FieldByName("DTA_FIM_CORRECAO").AsDateTime();
    if (fim != 0) pfData2 = fim;
  }
  sdsConsultaLoc->Close();

  value_sources::IndexSeries series(*cdsValorIndice, *sdsConsultaLoc, BancoDados(), pfEmpresa,
                                    pfIndice);
  value_sources::IndexRatio ratio;
  if (periodo == "D")
    ratio = value_sources::RatioByDailyLevels(series, pfData1, pfData2,
                                              sPvMarca == "FORD" && indexador_ford);
  else if (periodo == "M")
    ratio = value_sources::RatioByMonthlyRates(series, pfData1, pfData2);

  double result = pfValor;
  if (ratio.i1 != 0 && ratio.i2 != 0) result = pfValor / ratio.i1 * ratio.i2;
  if (ratio.compound_from > 0)
    result = series.CompoundDailyRates(result, ratio.compound_from, pfData2);
  return result;
}

double TddmVeiculoCompartilhadoBDImpl::CalculaValorPresente(
    int32_t pfEmpresa, int32_t pfRevenda, int32_t pfIndice, const std::string& pfIncidencia,
    const std::string& pfVeiculo, double pfValor, DateTime pfData1, DateTime pfData2) {
  // "O": the vehicle's expenses, each carried to its present value at pfData2;
  // the value, index and first date given do not take part.
  if (pfIncidencia == "O")
    return BuscaValorDespesas(pfEmpresa, pfRevenda, pfVeiculo, "P", pfData2, "");
  return BuscaValorPresente(pfEmpresa, pfIndice, pfValor, pfData1, pfData2, pfIncidencia,
                            pfVeiculo);
}

}  // namespace veiculo
