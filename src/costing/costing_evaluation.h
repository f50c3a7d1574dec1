#pragma once
// The state of one CalculaCusteio call: its arguments, its private copies of
// the three packets, the dates read from them, the caller's variables, and the
// arithmetic that turns the totals into profits and percentages after each
// line.

#include <cstdint>
#include <string>

#include "costing/costing_line.h"
#include "platform/db/client_dataset.h"

namespace veiculo::costing {

// The caller's var doubles, bound by reference: the operation adds to the
// totals and overwrites the results in place.
struct VariaveisCusteio {
  double& ControleNovo;
  double& Valor_PV;
  double& LucroHistorico;
  double& LucroPresente;
  double& ValorPresente;  // input: the sale value at present value
  double& PercHistoricoPV;
  double& PercPresentePV;
  double& PercLucroBrutoP;
  double& PercLucroBrutoH;
  double& PercMargemP;
  double& PercMargemH;
  double& PercPresente;
  double& PercHistorico;
  double& CustoPresente;
  double& CustoHistorico;
  double& MargemP;
  double& MargemH;
  double& LucroBrutoP;
  double& LucroBrutoH;

  TotaisCusteio Totais() {
    return {CustoHistorico, CustoPresente, LucroBrutoH, LucroBrutoP, MargemH, MargemP};
  }
};

struct AvaliacaoCusteio {
  explicit AvaliacaoCusteio(VariaveisCusteio& variaveis) : vars(variaveis) {}

  VariaveisCusteio& vars;
  int32_t empresa = 0;  // company of the bands and of cdsFormulaLinha
  int32_t e = 0;        // company and dealer of the value sources
  int32_t r = 0;
  std::string veiculo;  // empty: local evaluation from the registry packet
  std::string formula;
  DatasCusteio datas;
  double valor_venda = 0;  // VALOR_VENDA of the registry packet's first row

  platform::ClientDataSet custeio{"cdsCusteio"};
  platform::ClientDataSet datas_pacote{"cdsDatas"};
  platform::ClientDataSet local{"cdsLocalCadastro"};

  bool Local() const { return veiculo.empty(); }
};

// Reads D1 to D5 from the first field of the packet's five rows. Throws
// veiculo::Error (validation) when the packet has fewer than five rows or no
// fields.
DatasCusteio LeDatasCusteio(platform::ClientDataSet& datas);

// Throws veiculo::Error (validation) naming every field the evaluation reads
// or writes that the costing packet lacks (ALTERAR and VALOR_FIXO only for a
// local evaluation).
void VerificaCamposCusteio(const platform::ClientDataSet& custeio, bool local);

// What a row adds to the control sum: SEQUENCIA + PERCENTUAL once for each of
// CUSTO_TOTAL, LUCRO_BRUTO and MARGEM_CONTRIBUICAO that carries "+",
// subtracted for each that carries "-".
double ParcelaControle(const LinhaCusteio& linha, double sequencia, double percentual);

// The profits and percentages after a line, from the totals so far. The
// gross-profit and margin totals are replaced by the profits they give. An
// arithmetic failure (a result that overflows or is not a number) stops the
// step and leaves what was computed before it.
void CalculaResultados(VariaveisCusteio& v, double valor_venda, double preco_a_vista);

}  // namespace veiculo::costing
