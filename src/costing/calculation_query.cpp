// The calculation query: a vehicle's stored costing lines (written by
// CalculoCustoVeiculo into VEI_VEICULO_CUSTEIO) put into the client's dataset,
// and the summary of cost and profits for a sale value the client gives.

#include <cmath>
#include <string>

#include "costing/calculation_summary.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using platform::ClientDataSet;
using platform::SqlDataSet;

// Closes the dataset however the query ends.
class ClosesOnExit {
 public:
  explicit ClosesOnExit(SqlDataSet& dataset) : dataset_(dataset) {}
  ~ClosesOnExit() { dataset_.Close(); }
  ClosesOnExit(const ClosesOnExit&) = delete;
  ClosesOnExit& operator=(const ClosesOnExit&) = delete;

 private:
  SqlDataSet& dataset_;
};

// The client's dataset, rebuilt empty with the fields of the costing lines
// and ordered by SEQUENCIA.
void RebuildLinesDataSet(ClientDataSet& lines) {
  lines.Close();
  lines.SetFieldDefs({{"SEQUENCIA", FieldType::Integer, 0},
                      {"CUSTO_TOTAL", FieldType::Text, 1},
                      {"LUCRO_BRUTO", FieldType::Text, 1},
                      {"MARGEM_CONTRIBUICAO", FieldType::Text, 1},
                      {"DES_LINHA_FORMULA", FieldType::Text, 40},
                      {"PERCENTUAL", FieldType::Float, 0},
                      {"VAL_HISTORICO", FieldType::Float, 0},
                      {"VAL_PRESENTE", FieldType::Float, 0}});
  lines.IndexDefs = {{"idxSequencia", "SEQUENCIA"}};
  lines.SetIndexName("idxSequencia");
  lines.CreateDataSet();
}

std::string Quoted(const std::string& text) {
  return "'" + platform::QuoteDoubled(text) + "'";
}

double PresentSaleValue(SqlDataSet& query, int32_t empresa, const std::string& veiculo) {
  query.Close();
  query.SetCommandText("select VAL_PRESENTE_VENDA  from VEI_VEICULO where EMPRESA = " +
                       std::to_string(empresa) + "   and VEICULO = " + Quoted(veiculo));
  query.Open();
  const double valor = query.IsEmpty() ? 0 : query.FieldByName("VAL_PRESENTE_VENDA").AsFloat();
  query.Close();
  return valor;
}

void OpenStoredLines(SqlDataSet& query, int32_t empresa, const std::string& veiculo) {
  query.Close();
  query.SetCommandText(
      "select FL.CUSTO_TOTAL, FL.LUCRO_BRUTO, FL.MARGEM_CONTRIBUICAO,       "
      "FL.DES_LINHA_FORMULA, FL.PERCENTUAL, FL.STATUS,       VC.VAL_HISTORICO, "
      "VC.VAL_PRESENTE, FL.INCIDENCIA,       FL.VALOR_FIXO, FL.TIPO, FL.PRECO_VISTA  "
      "from VEI_VEICULO_CUSTEIO VC, VEI_FORMULA_LINHA FL where VC.EMPRESA =" +
      std::to_string(empresa) + "   and VC.VEICULO =" + Quoted(veiculo) +
      "   and VC.EMPRESA = FL.EMPRESA" + "   and VC.FORMULA = FL.FORMULA" +
      "   and VC.LINHA_FORMULA = FL.LINHA_FORMULA" + " order by FL.LINHA_FORMULA");
  query.Open();
}

// Posts the query's current line as row `sequencia` of the client's dataset
// and counts its amounts in the totals by its signs. A line of a fixed amount
// ("*") shows that amount as its historic value, and counts it so.
void PostLine(SqlDataSet& query, ClientDataSet& lines, int sequencia,
              costing::TotaisCalculo& totais) {
  lines.Append();
  lines.FieldByName("SEQUENCIA").SetAsInteger(sequencia);
  for (const char* field : {"DES_LINHA_FORMULA", "CUSTO_TOTAL", "LUCRO_BRUTO",
                            "MARGEM_CONTRIBUICAO", "PERCENTUAL", "VAL_HISTORICO", "VAL_PRESENTE"})
    lines.FieldByName(field).SetValue(query.FieldByName(field).AsValue());
  if (query.FieldByName("INCIDENCIA").AsText() == "*")
    lines.FieldByName("VAL_HISTORICO").SetValue(query.FieldByName("VALOR_FIXO").AsValue());
  lines.Post();

  const double historico = lines.FieldByName("VAL_HISTORICO").AsFloat();
  const double presente = lines.FieldByName("VAL_PRESENTE").AsFloat();
  totais.lucro_bruto.Soma(lines.FieldByName("LUCRO_BRUTO").AsText(), historico, presente);
  totais.margem.Soma(lines.FieldByName("MARGEM_CONTRIBUICAO").AsText(), historico, presente);
  totais.custo.Soma(lines.FieldByName("CUSTO_TOTAL").AsText(), historico, presente);
}

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::BuscaCalculoVeiculo(Connection* pfConexao,
                                                                ClientDataSet& pfCDSFormula,
                                                                int32_t pfEmpresa,
                                                                const std::string& pfVeiculo,
                                                                double pfValVenda) {
  // Checked before sdsAux is touched: a null connection would leave it detached.
  if (pfConexao == nullptr)
    throw Error(ErrorCategory::Validation, "BuscaCalculoVeiculo: no database connection");
  if (!std::isfinite(pfValVenda))
    throw Error(ErrorCategory::Validation,
                "BuscaCalculoVeiculo: the sale value pfValVenda is not a number");

  sdsAux->SetConnection(pfConexao);
  ClosesOnExit closes(*sdsAux);
  RebuildLinesDataSet(pfCDSFormula);

  double valor_presente = PresentSaleValue(*sdsAux, pfEmpresa, pfVeiculo);

  costing::TotaisCalculo totais;
  int sequencia = 0;
  OpenStoredLines(*sdsAux, pfEmpresa, pfVeiculo);
  for (; !sdsAux->Eof(); sdsAux->Next()) {
    if (sdsAux->FieldByName("STATUS").AsText() != "A") continue;
    // Payment-index ("C") and base ("B") lines are not shown, but keep their
    // number: the client sees the gap.
    ++sequencia;
    const std::string tipo = sdsAux->FieldByName("TIPO").AsText();
    if (tipo == "C" || tipo == "B") continue;
    PostLine(*sdsAux, pfCDSFormula, sequencia, totais);
  }
  pfCDSFormula.First();

  if (valor_presente == 0) valor_presente = pfValVenda;
  return costing::TextoResumoCalculo(totais, pfValVenda, valor_presente);
}

std::string TddmVeiculoCompartilhadoBDImpl::BuscaCalculoVeiculo(Connection* pfConexao,
                                                                DataPacket& pfCDSFormula,
                                                                int32_t pfEmpresa,
                                                                const std::string& pfVeiculo,
                                                                double pfValVenda) {
  // The lines go into a client dataset of the call's, which the packet then
  // receives: what the packet held is replaced either way.
  ClientDataSet lines("cdsFormula");
  std::string resumo = BuscaCalculoVeiculo(pfConexao, lines, pfEmpresa, pfVeiculo, pfValVenda);
  pfCDSFormula = lines.Data();
  return resumo;
}

}  // namespace veiculo
