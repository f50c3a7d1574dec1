// The historic and present amounts of one line of a vehicle's own formula
// (see vehicle_line.h for the rules by incidence, and for what a line's
// memory of its solution keeps).

#include <algorithm>

#include "costing/vehicle_line.h"
#include "platform/format/rounding.h"

namespace veiculo {

void TddmVeiculoCompartilhadoBDImpl::ValoraLinhaVeiculo(const costing::ValoracaoLinha& pDados,
                                                        costing::LinhaCusteio& pLinha,
                                                        double pPercentual,
                                                        costing::MemoriaLinha* pMemoria) {
  const std::string& codigo = pLinha.INCIDENCIA;
  const bool com_percentual = pPercentual != costing::kNaoInformado;

  // BuscaIncidencia, or the amount it gave on an earlier pass with the same
  // percentage and band fixed amount when the code does not move with the sale.
  auto incidencia = [&](const std::string& tipo) {
    auto resolve = [&] {
      return BuscaIncidencia(pDados.veiculo, pDados.formula, pDados.empresa, pDados.revenda,
                             pLinha.LINHA_FORMULA, pPercentual, pDados.datas.D5, false, tipo);
    };
    if (pMemoria == nullptr || costing::IncidenciaDependeDaVenda(codigo)) return resolve();
    auto& r = pMemoria->resolucoes;
    const double fixo = dPvValorFixo;
    const auto hit = std::find_if(r.begin(), r.end(), [&](const auto& e) {
      return e.percentual == pPercentual && e.valor_fixo == fixo;
    });
    if (hit != r.end()) return hit->valor;
    const double valor = resolve();
    r.push_back({pPercentual, fixo, valor});
    return valor;
  };

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
    pLinha.VAL_PRESENTE = incidencia("");
    if (com_percentual) pLinha.VAL_PRESENTE = platform::RoundTo(pLinha.VAL_PRESENTE, -2);
    return;
  }
  // The cost ("C") includes the formula's base lines here.
  pLinha.VAL_HISTORICO = incidencia(codigo == "C" ? "$" : "");

  // The present value, or the one an earlier pass found for the same historic amount.
  auto presente = [&] {
    return ValorPresenteLinha(pDados.empresa, pDados.revenda, pDados.veiculo, pDados.formula,
                              pDados.datas, pLinha);
  };
  if (pMemoria == nullptr) {
    pLinha.VAL_PRESENTE = presente();
  } else {
    auto& p = pMemoria->presentes;
    const auto hit = std::find_if(
        p.begin(), p.end(), [&](const auto& e) { return e.historico == pLinha.VAL_HISTORICO; });
    if (hit != p.end()) {
      pLinha.VAL_PRESENTE = hit->presente;
    } else {
      pLinha.VAL_PRESENTE = presente();
      p.push_back({pLinha.VAL_HISTORICO, pLinha.VAL_PRESENTE});
    }
  }
  costing::AplicaEfeitoFinanceiro(pLinha);
}

}  // namespace veiculo
