// What a costing line adds to the vehicle's totals: its amounts by the signs
// of its LUCRO_BRUTO, MARGEM_CONTRIBUICAO and CUSTO_TOTAL columns, and its
// share of the control sum the client compares to tell whether a stored
// costing still matches its formula.

#include "costing/costing_evaluation.h"
#include "costing/costing_line.h"
#include "platform/db/client_dataset.h"
#include "platform/db/dataset.h"
#include "platform/text.h"

namespace veiculo::costing {

int Sinal(const std::string& sinal) {
  if (sinal.empty()) return 0;
  if (sinal[0] == '+') return 1;
  if (sinal[0] == '-') return -1;
  return 0;
}

bool LinhaDaFormula(platform::ClientDataSet& linhas, int32_t empresa, const std::string& formula) {
  if (!linhas.GetParams().Empty()) return true;
  return linhas.FieldByName("EMPRESA").AsInteger() == empresa &&
         platform::Trim(linhas.FieldByName("FORMULA").AsText()) == formula;
}

LinhaCusteio LeLinhaCusteio(platform::DataSet& linha) {
  auto text = [&linha](const char* field) { return linha.FieldByName(field).AsText(); };
  auto integer = [&linha](const char* field) {
    return static_cast<int32_t>(linha.FieldByName(field).AsInteger());
  };
  LinhaCusteio l;
  l.LINHA_FORMULA = integer("LINHA_FORMULA");
  l.INCIDENCIA = text("INCIDENCIA");
  l.TIPO = text("TIPO");
  l.REFERENCIA = text("REFERENCIA");
  l.CONSIDERAR_DEFLACAO = text("CONSIDERAR_DEFLACAO");
  l.INDICE = integer("INDICE");
  l.DIAS_ADICIONAIS_VENDA = integer("DIAS_ADICIONAIS_VENDA");
  l.LUCRO_BRUTO = text("LUCRO_BRUTO");
  l.MARGEM_CONTRIBUICAO = text("MARGEM_CONTRIBUICAO");
  l.CUSTO_TOTAL = text("CUSTO_TOTAL");
  return l;
}

void SomaTotaisLinha(const LinhaCusteio& linha, TotaisCusteio& totais) {
  auto soma = [&linha](const std::string& sinal, double& historico, double& presente) {
    const int s = Sinal(sinal);
    historico += s * linha.VAL_HISTORICO;
    presente += s * linha.VAL_PRESENTE;
  };
  soma(linha.LUCRO_BRUTO, totais.LucroBrutoH, totais.LucroBrutoP);
  soma(linha.MARGEM_CONTRIBUICAO, totais.MargemH, totais.MargemP);
  soma(linha.CUSTO_TOTAL, totais.CustoHistorico, totais.CustoPresente);
}

double ParcelaControle(const LinhaCusteio& linha, double sequencia, double percentual) {
  const int vezes =
      Sinal(linha.CUSTO_TOTAL) + Sinal(linha.LUCRO_BRUTO) + Sinal(linha.MARGEM_CONTRIBUICAO);
  return vezes * (sequencia + percentual);
}

}  // namespace veiculo::costing
