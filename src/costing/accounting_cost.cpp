// CalculaCustoContabil: the accounting cost of a vehicle, the lines of its
// formula that CUSTO_CONTABIL signs plus the cost adjustments posted on it in
// its company.
//
// The lines are those loaded in cdsFormulaLinha (LerVeiculo), with the
// percentages they hold there: a costing that posted band percentages values
// the accounting cost with them. Lines without a sign are not resolved, since
// they cannot change the total. Only the lines of the formula evaluated count,
// also when the host has loaded every formula's lines; and they are resolved
// without the band fixed amount the costing's last line may have left
// (dPvValorFixo), which belongs to that line alone.

#include <string>
#include <vector>

#include "costing/costing_line.h"
#include "costing/incidence_line.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/text.h"

namespace veiculo {
namespace {

struct LinhaContabil {
  int32_t linha = 0;
  double percentual = costing::kNaoInformado;
  int sinal = 0;
};

int SinalContabil(const std::string& sinal) {
  if (!sinal.empty() && sinal[0] == '+') return 1;
  if (!sinal.empty() && sinal[0] == '-') return -1;
  return 0;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::CalculaCustoContabil(int32_t PEmpresa, int32_t PRevenda,
                                                            const std::string& PVeiculo,
                                                            const std::string& PFormula,
                                                            DateTime PDataProcessamento,
                                                            const std::string& PTipo) {
  LerParametro(PEmpresa, PRevenda);
  platform::ClientDataSet& linhas = *cdsFormulaLinha;
  if (!linhas.Active() || linhas.IsEmpty()) return 0;

  // The lines are listed first, so that resolving them cannot move the cursor
  // under the walk.
  std::vector<LinhaContabil> contabeis;
  for (linhas.First(); !linhas.Eof(); linhas.Next()) {
    if (platform::Trim(linhas.FieldByName("STATUS").AsText()) != "A") continue;
    if (!costing::LinhaDaFormula(linhas, PEmpresa, PFormula)) continue;
    LinhaContabil l;
    l.linha = static_cast<int32_t>(linhas.FieldByName("LINHA_FORMULA").AsInteger());
    l.sinal = SinalContabil(linhas.FieldByName("CUSTO_CONTABIL").AsText());
    if (!linhas.FieldByName("PERCENTUAL").IsNull())
      l.percentual = linhas.FieldByName("PERCENTUAL").AsFloat();
    if (l.sinal != 0) contabeis.push_back(l);
  }

  double total = 0;
  const costing::Restaura sem_valor_fixo(dPvValorFixo, costing::kNaoInformado);
  for (const LinhaContabil& l : contabeis)
    total += l.sinal * BuscaIncidencia(PVeiculo, PFormula, PEmpresa, PRevenda, l.linha,
                                       l.percentual, PDataProcessamento, false, PTipo);
  return total + BuscaAjustesEmpresa(PEmpresa, PVeiculo, PDataProcessamento);
}

}  // namespace veiculo
