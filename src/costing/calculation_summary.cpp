// The summary text of the calculation query; see calculation_summary.h.

#include "costing/calculation_summary.h"

#include "platform/format/format_float.h"

namespace veiculo::costing {
namespace {

constexpr const char* kValor = "##,###,##0.00 ";
constexpr const char* kPercentual = "##0.00 ";

// The share of the sale value, in percent; 0 when there is no sale value,
// so that an unsold vehicle shows 0 % rather than an infinite one.
double Percentual(double figura, double valor_venda) {
  return valor_venda == 0 ? 0 : figura / valor_venda * 100;
}

// "<% h>;<h>;<% p>;<p>" of what is left of the sale value after a total.
std::string Resultado(const TotalCalculo& total, double valor_venda, double valor_presente) {
  const double historico = valor_venda - total.historico;
  const double presente = valor_presente - total.presente;
  return platform::FormatFloat(kPercentual, Percentual(historico, valor_venda)) + ";" +
         platform::FormatFloat(kValor, historico) + ";" +
         platform::FormatFloat(kPercentual, Percentual(presente, valor_presente)) + ";" +
         platform::FormatFloat(kValor, presente);
}

}  // namespace

void TotalCalculo::Soma(const std::string& sinal, double valor_historico, double valor_presente) {
  if (sinal.empty()) return;
  if (sinal.front() == '+') {
    historico += valor_historico;
    presente += valor_presente;
  } else if (sinal.front() == '-') {
    historico -= valor_historico;
    presente -= valor_presente;
  }
}

std::string TextoResumoCalculo(const TotaisCalculo& totais, double valor_venda,
                               double valor_presente) {
  return "Custo;" + platform::FormatFloat(kValor, totais.custo.historico) + ";" +
         platform::FormatFloat(kValor, totais.custo.presente) + "|" + "Lucro (%);" +
         Resultado(totais.custo, valor_venda, valor_presente) + "|" + "Lucro Bruto;" +
         Resultado(totais.lucro_bruto, valor_venda, valor_presente) + "|" + "Lucro Gerencial;" +
         Resultado(totais.margem, valor_venda, valor_presente) + "|";
}

}  // namespace veiculo::costing
