// CalculaBaseFinanceiro: the financial base of a vehicle and the two bases
// computed alongside it (the salesperson's commission base and the cash
// price), each the signed sum of the active formula lines whose
// BASE_FINANCEIRO, COMISSAO or PRECO_VISTA column carries "+" or "-".
//
// A line's amount is its incidence at its own percentage. A band fixed amount
// left by the last band lookup (dPvValorFixo) belongs to the line whose bands
// set it, so the base lines are resolved without it and it is put back after.
// Only the lines of the formula evaluated count, also when the host has
// loaded every formula's lines.

#include <string>

#include "costing/costing_line.h"
#include "platform/db/client_dataset.h"

namespace veiculo {

double TddmVeiculoCompartilhadoBDImpl::CalculaBaseFinanceiro(int32_t pfEmpresa, int32_t pfRevenda,
                                                             const std::string& pfVeiculo,
                                                             const std::string& pfFormula,
                                                             DateTime pfDataProcessamento) {
  BaseComissaoVendedor = 0;
  PrecoAVista = 0;
  double base = 0;
  const costing::Restaura sem_valor_fixo(dPvValorFixo, costing::kNaoInformado);

  platform::ClientDataSet& linhas = *cdsFormulaLinha;
  for (linhas.First(); !linhas.Eof(); linhas.Next()) {
    if (linhas.FieldByName("STATUS").AsText() != "A") continue;
    if (!costing::LinhaDaFormula(linhas, pfEmpresa, pfFormula)) continue;
    const int sinal_base = costing::Sinal(linhas.FieldByName("BASE_FINANCEIRO").AsText());
    const int sinal_comissao = costing::Sinal(linhas.FieldByName("COMISSAO").AsText());
    const int sinal_vista = costing::Sinal(linhas.FieldByName("PRECO_VISTA").AsText());
    if (sinal_base == 0 && sinal_comissao == 0 && sinal_vista == 0) continue;

    const int32_t linha = static_cast<int32_t>(linhas.FieldByName("LINHA_FORMULA").AsInteger());
    const Value percentual = linhas.FieldByName("PERCENTUAL").AsValue();
    auto valor_linha = [&] {
      return BuscaIncidencia(pfVeiculo, pfFormula, pfEmpresa, pfRevenda, linha,
                             percentual.IsNull() ? costing::kNaoInformado : percentual.AsFloat(),
                             pfDataProcessamento, false, "");
    };

    // One resolution serves the three columns: nothing it reads changes in
    // between, except the commission base that a commission line ("X") reads
    // once its own COMISSAO sign has moved it.
    double valor = valor_linha();
    base += sinal_base * valor;
    BaseComissaoVendedor += sinal_comissao * valor;
    if (sinal_vista != 0) {
      if (sinal_comissao != 0 && linhas.FieldByName("INCIDENCIA").AsText() == "X")
        valor = valor_linha();
      PrecoAVista += sinal_vista * valor;
    }
  }
  return base;
}

}  // namespace veiculo
