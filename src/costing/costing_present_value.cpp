// The present value of a costing line: its historic amount carried from the
// line's reference date to the end of the period with the line's financial
// index, and the rule of lines of TIPO "E", which keep only that financial
// effect.
//
// Lines referenced to the repurchase ("R") travel in two legs: from the
// reference date to the start of the second leg on the dealer's first default
// index (UB), then on to the end on its second (UF); each falls back to the
// line's own index when the dealer has none.

#include "costing/costing_line.h"

namespace veiculo {

using costing::DatasCusteio;
using costing::LinhaCusteio;

double TddmVeiculoCompartilhadoBDImpl::ValorPresenteLinha(int32_t pE, int32_t pR,
                                                          const std::string& pV,
                                                          const std::string& pF,
                                                          const DatasCusteio& pDatas,
                                                          const LinhaCusteio& pLinha) {
  const std::string& codigo = pLinha.INCIDENCIA;

  // Base lines stop at the vehicle's own end of correction when there is one.
  DateTime fim = pDatas.D1;
  const bool linha_base =
      codigo == "B" && (pLinha.TIPO == "N" || (pLinha.TIPO == "E" && pLinha.REFERENCIA != "B"));
  if (linha_base && pDatas.D2 > 0) fim = pDatas.D2;

  const bool dois_trechos = pLinha.REFERENCIA == "R";
  const DateTime referencia =
      dois_trechos ? pDatas.D3 : BuscaReferencia(pV, pF, pE, pLinha.LINHA_FORMULA, pDatas.D5);

  // Nothing to carry forward, unless the line asks for deflation too.
  if (referencia >= fim && pLinha.CONSIDERAR_DEFLACAO != "S") return pLinha.VAL_HISTORICO;

  if (!dois_trechos) {
    return CalculaValorPresente(pE, pR, pLinha.INDICE, codigo, pV, pLinha.VAL_HISTORICO, referencia,
                                fim + pLinha.DIAS_ADICIONAIS_VENDA);
  }

  DateTime inicio = pDatas.D4 > 0 ? pDatas.D4 : fim;
  if (inicio > fim) inicio = fim;
  const int32_t indice1 = UB != 0 ? UB : pLinha.INDICE;
  // With a single leg the additional days extend the first one.
  const DateTime fim1 = fim > inicio ? inicio : inicio + pLinha.DIAS_ADICIONAIS_VENDA;
  double valor =
      CalculaValorPresente(pE, pR, indice1, codigo, pV, pLinha.VAL_HISTORICO, referencia, fim1);
  if (fim > inicio) {
    const int32_t indice2 = UF != 0 ? UF : pLinha.INDICE;
    valor = CalculaValorPresente(pE, pR, indice2, codigo, pV, valor, inicio,
                                 fim + pLinha.DIAS_ADICIONAIS_VENDA);
  }
  return valor;
}

namespace costing {

void AplicaEfeitoFinanceiro(LinhaCusteio& linha) {
  if (linha.TIPO != "E") return;
  // A subsidy ("J") is itself a financial effect: all of it moves to the present column.
  linha.VAL_PRESENTE =
      linha.INCIDENCIA == "J" ? linha.VAL_HISTORICO : linha.VAL_PRESENTE - linha.VAL_HISTORICO;
  linha.VAL_HISTORICO = 0;
}

}  // namespace costing
}  // namespace veiculo
