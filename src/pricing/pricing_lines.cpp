// The formula lines the sale pricing values: the vehicle's active lines of
// TIPO "N" (normal) and "E" (financial effect only), with the caller's
// altered percentages and signs, and the dates they are valued with.

#include <cmath>
#include <string>

#include "platform/db/client_dataset.h"
#include "platform/text.h"
#include "pricing/desired_profit.h"
#include "veiculo/error.h"

namespace veiculo::pricing {
namespace {

// Puts a client dataset's filter back as it was when the scope ends.
class FiltroTemporario {
 public:
  FiltroTemporario(platform::ClientDataSet& dataset, const std::string& filtro)
      : dataset_(dataset), texto_(dataset.Filter()), ligado_(dataset.Filtered()) {
    dataset_.SetFiltered(false);
    dataset_.SetFilter(filtro);
    dataset_.SetFiltered(true);
  }
  ~FiltroTemporario() {
    dataset_.SetFiltered(false);
    dataset_.SetFilter(texto_);
    dataset_.SetFiltered(ligado_);
  }
  FiltroTemporario(const FiltroTemporario&) = delete;
  FiltroTemporario& operator=(const FiltroTemporario&) = delete;

 private:
  platform::ClientDataSet& dataset_;
  std::string texto_;
  bool ligado_;
};

// An altered sign replaces the line's only when the altered lines carry that column.
void SinalAlterado(platform::ClientDataSet& alteradas, const char* coluna, std::string& sinal) {
  if (alteradas.HasField(coluna)) sinal = alteradas.FieldByName(coluna).AsText();
}

}  // namespace

bool MesmoPercentual(double a, double b) {
  return std::fabs(a - b) <= 0.001;
}

void VerificaLinhasAlteradas(const platform::ClientDataSet& alteradas) {
  std::string faltam;
  for (const char* campo : {"FORMULA", "LINHA_FORMULA", "PERCENTUAL"})
    if (!alteradas.HasField(campo)) faltam += (faltam.empty() ? "" : ", ") + std::string(campo);
  if (!faltam.empty())
    throw Error(ErrorCategory::Validation, "altered formula lines: missing fields " + faltam);
}

std::vector<LinhaPreco> LinhasPreco(platform::ClientDataSet& linhas, int32_t empresa,
                                    const std::string& formula,
                                    platform::ClientDataSet* alteradas) {
  std::vector<LinhaPreco> resultado;
  {
    const FiltroTemporario filtro(linhas, " EMPRESA = " + std::to_string(empresa) +
                                              " and FORMULA = '" + platform::QuoteDoubled(formula) +
                                              "'" +
                                              " and STATUS = 'A' and (TIPO = 'N' or TIPO = 'E')");
    for (linhas.First(); !linhas.Eof(); linhas.Next())
      resultado.push_back({costing::LeLinhaCusteio(linhas)});
  }
  if (alteradas == nullptr) return resultado;

  for (LinhaPreco& l : resultado) {
    l.alterada = alteradas->Locate("FORMULA;LINHA_FORMULA",
                                   {Value::Text(formula), Value::Integer(l.linha.LINHA_FORMULA)});
    if (!l.alterada) continue;
    const Value percentual = alteradas->FieldByName("PERCENTUAL").AsValue();
    l.percentual_alterado = percentual.IsNull() ? costing::kNaoInformado : percentual.AsFloat();
    SinalAlterado(*alteradas, "LUCRO_BRUTO", l.linha.LUCRO_BRUTO);
    SinalAlterado(*alteradas, "MARGEM_CONTRIBUICAO", l.linha.MARGEM_CONTRIBUICAO);
    SinalAlterado(*alteradas, "CUSTO_TOTAL", l.linha.CUSTO_TOTAL);
  }
  return resultado;
}

costing::DatasCusteio DatasVeiculo(platform::ClientDataSet& veiculo, double data_processamento) {
  auto data = [&veiculo](const char* campo) { return veiculo.FieldByName(campo).AsDateTime(); };
  auto nula = [&veiculo](const char* campo) { return veiculo.FieldByName(campo).IsNull(); };
  costing::DatasCusteio d;
  d.D1 = nula("DTA_VENDA") ? data_processamento : data("DTA_VENDA");
  d.D2 = data("DTA_FIM_CORRECAO");
  d.D3 = nula("DTA_INICIO_CORRECAO") ? data("DTA_FAT_FABRICA") : data("DTA_INICIO_CORRECAO");
  d.D4 = nula("DTA_RECOMPRA") ? d.D1 : data("DTA_RECOMPRA");
  d.D5 = data_processamento;
  return d;
}

}  // namespace veiculo::pricing
