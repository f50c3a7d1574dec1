// The maker's subsidy of a vehicle's financing (BuscaSubsidios).
//
// A subsidy is a list of periods in days (INICIO to FINAL) with the share of
// the financing cost the maker bears in each. Counted from the line's
// reference date R, the financial base is expressed in units of the index at
// R; each period that began within the first N days (N = days from the
// factory invoice to the sale) contributes its share of what those units gain
// between the period's first day and its end, cut at N, in units of the index
// at that end. The total is brought to money by the index at the processing
// date. Every period is rounded to cents, and so is the result.

#include <string>
#include <vector>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/format/rounding.h"

namespace veiculo {
namespace {

struct Period {
  int64_t inicio = 0;
  int64_t final = 0;
  double percentual = 0;
};

std::vector<Period> ReadPeriods(platform::ClientDataSet& periodos, int32_t empresa,
                                const std::string& subsidio) {
  periodos.Close();
  periodos.ParamByName("Empresa").SetAsInteger(empresa);
  periodos.ParamByName("Subsidio").SetAsText(subsidio);
  periodos.Open();
  std::vector<Period> result;
  for (periodos.First(); !periodos.Eof(); periodos.Next()) {
    result.push_back({periodos.FieldByName("INICIO").AsInteger(),
                      periodos.FieldByName("FINAL").AsInteger(),
                      periodos.FieldByName("PER_SUBSIDIO").AsFloat()});
  }
  periodos.Close();
  return result;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaSubsidios(int32_t pfEmpresa, int32_t pfDias,
                                                      int32_t pfLinha, int32_t pfIndice,
                                                      const std::string& pfFormula,
                                                      const std::string& pfVeiculo,
                                                      const std::string& pfSubsidio,
                                                      DateTime pfDataProcessamento) {
  const std::vector<Period> periods = ReadPeriods(*cdsSubsidioPeriodo, pfEmpresa, pfSubsidio);
  if (periods.empty()) return 0;

  const DateTime referencia =
      BuscaReferencia(pfVeiculo, pfFormula, pfEmpresa, pfLinha, pfDataProcessamento);
  const double indice_referencia = BuscaIndice(pfEmpresa, pfIndice, referencia);
  const double unidades = indice_referencia == 0 ? 0 : Base_Financeiro / indice_referencia;

  double total = 0;
  for (const Period& p : periods) {
    if (p.inicio > pfDias) continue;  // begins after the elapsed days
    const int64_t fim = p.final < pfDias ? p.final : pfDias;
    const double indice_inicio =
        BuscaIndice(pfEmpresa, pfIndice, referencia + static_cast<double>(p.inicio - 1));
    const double indice_fim =
        BuscaIndice(pfEmpresa, pfIndice, referencia + static_cast<double>(fim));
    if (indice_referencia == 0 || indice_inicio == 0 || indice_fim == 0) continue;
    total += platform::RoundTo(
        p.percentual * (unidades * indice_fim - unidades * indice_inicio) / 100 / indice_fim, -2);
  }
  if (total == 0) return 0;  // no index lookup needed to scale nothing
  return platform::RoundTo(BuscaIndice(pfEmpresa, pfIndice, pfDataProcessamento) * total, -2);
}

}  // namespace veiculo
