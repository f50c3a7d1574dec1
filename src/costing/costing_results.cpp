// The profits and percentages a costing evaluation recomputes after each
// line, so that the bands of the next line see the profitability of the lines
// evaluated so far.
//
// Figures that cannot be computed (an overflow, a result that is not a
// number) end the step quietly: the figures already assigned keep their new
// values and the rest keep their previous ones, and the evaluation goes on.

#include <cmath>

#include "costing/costing_evaluation.h"

namespace veiculo::costing {
namespace {

struct FalhaAritmetica {};

void Atribui(double& destino, double valor) {
  if (!std::isfinite(valor)) throw FalhaAritmetica{};
  destino = valor;
}

// `parte` as a percentage of `todo`; 0 when `todo` is 0.
double Percentual(double parte, double todo) {
  return todo == 0 ? 0 : parte / todo * 100;
}

}  // namespace

void CalculaResultados(VariaveisCusteio& v, double valor_venda, double preco_a_vista) {
  try {
    Atribui(v.Valor_PV, preco_a_vista);
    Atribui(v.LucroHistorico, valor_venda - v.CustoHistorico);
    Atribui(v.LucroPresente, v.ValorPresente - v.CustoPresente);
    Atribui(v.LucroBrutoH, valor_venda - v.LucroBrutoH);
    Atribui(v.LucroBrutoP, v.ValorPresente - v.LucroBrutoP);
    Atribui(v.MargemH, valor_venda - v.MargemH);
    Atribui(v.MargemP, v.ValorPresente - v.MargemP);

    Atribui(v.PercHistorico, Percentual(v.LucroHistorico, valor_venda));
    Atribui(v.PercLucroBrutoH, Percentual(v.LucroBrutoH, valor_venda));
    Atribui(v.PercMargemH, Percentual(v.MargemH, valor_venda));

    Atribui(v.PercPresente, Percentual(v.LucroPresente, v.ValorPresente));
    Atribui(v.PercLucroBrutoP, Percentual(v.LucroBrutoP, v.ValorPresente));
    Atribui(v.PercMargemP, Percentual(v.MargemP, v.ValorPresente));

    Atribui(v.PercHistoricoPV, Percentual(v.LucroHistorico, v.Valor_PV));
    Atribui(v.PercPresentePV, Percentual(v.LucroPresente, v.Valor_PV));
  } catch (const FalhaAritmetica&) {
    // Left as far as it got: the running figures only steer the next line's bands.
  }
}

}  // namespace veiculo::costing
