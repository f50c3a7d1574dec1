#pragma once
// What the line-by-line costing evaluation carries from line to line: the
// five dates it works with, the formula line being evaluated (codes, index,
// signs, amounts) and the running totals the line's signs add to.
//
// The vehicle cost calculation evaluates its lines the same way: it fills
// these structures from the vehicle's own dates and its formula lines and
// uses the same present value (ValorPresenteLinha), "E" rule and totals.

#include <cstdint>
#include <string>

#include "costing/incidence_line.h"  // kNaoInformado
#include "module/ddm_veiculo_compartilhado_bd_impl.h"

namespace veiculo::platform {
class DataSet;
class ClientDataSet;
}  // namespace veiculo::platform

namespace veiculo::costing {

using DateTime = TddmVeiculoCompartilhadoBDImpl::DateTime;

struct DatasCusteio {
  DateTime D1 = 0;  // end of the present-value period
  DateTime D2 = 0;  // end for base lines ("B" of TIPO "N", or "E" not referenced to "B"), when > 0
  DateTime D3 = 0;  // reference date of lines whose REFERENCIA is "R"
  DateTime D4 = 0;  // start of the second leg of "R" lines, when > 0
  DateTime D5 = 0;  // processing date handed to every value source
};

struct LinhaCusteio {
  int32_t LINHA_FORMULA = 0;
  std::string INCIDENCIA;
  std::string TIPO;
  std::string REFERENCIA;
  std::string CONSIDERAR_DEFLACAO;
  int32_t INDICE = 0;
  int32_t DIAS_ADICIONAIS_VENDA = 0;
  // Sign texts: a first character "+" adds the line to that total, "-" subtracts it.
  std::string LUCRO_BRUTO;
  std::string MARGEM_CONTRIBUICAO;
  std::string CUSTO_TOTAL;
  // The line's amounts, historic and at present value.
  double VAL_HISTORICO = 0;
  double VAL_PRESENTE = 0;
};

// Reads the descriptive columns above (not the amounts) from the current row
// of a costing packet or of cdsFormulaLinha; null columns read as 0 or "".
LinhaCusteio LeLinhaCusteio(platform::DataSet& linha);

// The running totals, bound to the caller's variables so that they are added
// to in place.
struct TotaisCusteio {
  double& CustoHistorico;
  double& CustoPresente;
  double& LucroBrutoH;
  double& LucroBrutoP;
  double& MargemH;
  double& MargemP;
};

// +1 for a sign text beginning with "+", -1 for "-", 0 for anything else.
int Sinal(const std::string& sinal);

// Whether the current row of the formula lines (cdsFormulaLinha) is a line of
// company `empresa`'s formula `formula`. With parameters the dataset holds the
// lines of one formula, all of which count; the host's query without
// parameters loads every formula's lines, of which only the evaluated
// formula's count.
bool LinhaDaFormula(platform::ClientDataSet& linhas, int32_t empresa, const std::string& formula);

// Sets a variable for the scope and puts its value back when the scope ends,
// also on an error. The band fixed amount left by the last band lookup
// (dPvValorFixo) belongs to the line whose bands set it: lines resolved apart
// from that line's evaluation are resolved without it.
class Restaura {
 public:
  Restaura(double& variavel, double provisorio) : variavel_(variavel), original_(variavel) {
    variavel_ = provisorio;
  }
  ~Restaura() { variavel_ = original_; }
  Restaura(const Restaura&) = delete;
  Restaura& operator=(const Restaura&) = delete;

 private:
  double& variavel_;
  double original_;
};

// TIPO "E": the line keeps only its financial effect (present - historic; the
// whole historic for "J") and no historic amount. Other types are untouched.
void AplicaEfeitoFinanceiro(LinhaCusteio& linha);

// Adds or subtracts the line's historic and present amounts to the totals
// its LUCRO_BRUTO, MARGEM_CONTRIBUICAO and CUSTO_TOTAL signs name.
void SomaTotaisLinha(const LinhaCusteio& linha, TotaisCusteio& totais);

}  // namespace veiculo::costing
