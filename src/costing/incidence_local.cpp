// BuscaIncidenciaLocal: a line's amount from the current row of a packet the
// client sends (the costing's what-if evaluation), with no database read.
// Codes without a column of their own in the packet give 0, and the fixed
// amount may still give them a value. Code "*" keeps the amount the user
// edited when the line allows editing.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/dataset.h"

namespace veiculo {
namespace {

double ValorDoPacote(platform::DataSet& dados, const std::string& codigo, double pis_cofins) {
  auto f = [&dados](const char* field) { return dados.FieldByName(field).AsFloat(); };
  if (codigo == "V") return f("VALOR_VENDA");
  if (codigo == "C" || codigo == "B") return f("PRECO_REPOSICAO");
  if (codigo == "P") return f("PLANO_CAPITALIZACAO");
  if (codigo == "U") return f("VAL_BONUS");
  if (codigo == "L") return f("VALOR_VENDA") - f("PRECO_REPOSICAO");
  if (codigo == "T") return f("SUBTOTAL");
  if (codigo == "I") return f("VALOR_VENDA") * pis_cofins / 100;
  if (codigo == "F") return f("FRETE_ENTRADA");
  if (codigo == "E") return f("FRETE_VENDA");
  if (codigo == "M") return f("VALOR_REVISAO");
  if (codigo == "1") return f("VAL_ICMS");
  if (codigo == "2") return f("VAL_ICMS_RETIDO");
  if (codigo == "4") return f("CUSTO");
  return 0;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaIncidenciaLocal(platform::DataSet& pfDados,
                                                            const std::string& pfIncidencia,
                                                            bool pfMantemAlterado,
                                                            double pfValorFixo, double pfPercentual,
                                                            double pfValorAlterado) {
  double valor = ValorDoPacote(pfDados, pfIncidencia, Pis_Cofins);
  double fixo = pfValorFixo;
  if (pfIncidencia == "*" && pfMantemAlterado) fixo = pfValorAlterado;
  if (fixo > 0) valor = fixo;
  if (pfPercentual >= 0) valor = valor * pfPercentual / 100;
  return valor;
}

}  // namespace veiculo
