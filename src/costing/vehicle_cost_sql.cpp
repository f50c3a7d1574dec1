// The vehicle query of the costing and the statements that store a vehicle's
// cost: its costing lines, the proposal's costing history and the two values
// kept on the vehicle.

#include <string>

#include "costing/vehicle_cost.h"
#include "platform/format/format_float.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::costing {
namespace {

std::string Quoted(const std::string& text) {
  return "'" + platform::QuoteDoubled(text) + "'";
}

// The F&I customer is a customer code: digits, possibly signed.
bool IsInteger(const std::string& text) {
  size_t at = (!text.empty() && text[0] == '-') ? 1 : 0;
  if (at == text.size()) return false;
  for (; at < text.size(); ++at)
    if (text[at] < '0' || text[at] > '9') return false;
  return true;
}

// "'vehicle','formula',line,percentage,historic,present,customer"
std::string ValoresLinha(const LinhaGravada& linha) {
  if (!linha.cliente_fi.empty() && !IsInteger(linha.cliente_fi))
    throw Error(ErrorCategory::Validation, "CalculoCustoVeiculo: the F&I customer '" +
                                               linha.cliente_fi + "' of line " +
                                               std::to_string(linha.linha) + " is not a number");
  return Quoted(linha.veiculo) + "," + Quoted(linha.formula) + "," + std::to_string(linha.linha) +
         "," + PercentualSql(linha.percentual) + "," + ValorSql(linha.historico) + "," +
         ValorSql(linha.presente) + "," + (linha.cliente_fi.empty() ? "NULL" : linha.cliente_fi);
}

}  // namespace

const char kSqlVeiculoEdicao[] =
    "select v.*, v.FORMULA FORMULA_CUSTEIO, case f.tipo_pintura when 'S' then "
    "coalesce(e.preco_publico, m.preco_publico, 0) + coalesce(e.val_pintura_s, "
    "m.val_pintura_s, 0) when 'M' then coalesce(e.preco_publico, m.preco_publico, 0) + "
    "coalesce(e.val_pintura_m, m.val_pintura_m, 0) when 'P' then coalesce(e.preco_publico, "
    "m.preco_publico, 0) + coalesce(e.val_pintura_p, m.val_pintura_p, 0) when 'E' then "
    "coalesce(e.preco_publico, m.preco_publico, 0) + coalesce(e.val_pintura_e, "
    "m.val_pintura_e, 0) else coalesce(e.preco_publico, m.preco_publico, 0) end "
    "PRECO_PUBLICO, m.*, f.ANO_FABRICACAO, f.ANO_MODELO, f.PACOTE, f.PORTAS, f.TIPO_PINTURA, "
    "f.EDICAO EDICAO_MODELO from VEI_VEICULO v inner join VEI_MODELO m on (v.EMPRESA = "
    "m.EMPRESA and v.MODELO = m.MODELO) inner join OFI_FICHA_SEGUIMENTO f on (v.CHASSI = "
    "f.CHASSI) left outer join VEI_MODELO_EDICAO e on (e.EMPRESA = m.EMPRESA and e.MODELO = "
    "m.MODELO and e.EDICAO = f.EDICAO and e.ANO_MODELO = f.ANO_MODELO) where v.EMPRESA = "
    ":Empresa and v.VEICULO = :Veiculo";

std::string PercentualSql(double percentual) {
  if (percentual == kNaoInformado) return "NULL";
  return platform::FormatFloat("##0.0000", percentual, platform::SqlFormatSettings());
}

std::string ValorSql(double valor) {
  return platform::FormatFloat("########0.00", valor, platform::SqlFormatSettings());
}

std::string InsertCusteio(const LinhaGravada& linha) {
  return "INSERT INTO VEI_VEICULO_CUSTEIO(EMPRESA,VEICULO,FORMULA,LINHA_FORMULA,PERCENTUAL,"
         "VAL_HISTORICO,VAL_PRESENTE,CLIENTE_FI) VALUES(" +
         std::to_string(linha.empresa) + "," + ValoresLinha(linha) + ")";
}

std::string InsertCusteioHistorico(const LinhaGravada& linha, int32_t revenda, int32_t proposta,
                                   const std::string& dta_custo) {
  return "INSERT INTO VEI_VEICULO_CUSTEIO_HISTORICO (EMPRESA,REVENDA,PROPOSTA,VEICULO,FORMULA,"
         "LINHA_FORMULA,PERCENTUAL,VAL_HISTORICO,VAL_PRESENTE,CLIENTE_FI,DTA_CUSTO) VALUES(" +
         std::to_string(linha.empresa) + "," + std::to_string(revenda) + "," +
         std::to_string(proposta) + "," + ValoresLinha(linha) + "," + dta_custo + ")";
}

std::string DeleteCusteio(int32_t empresa, const std::string& veiculo) {
  return "DELETE FROM VEI_VEICULO_CUSTEIO WHERE EMPRESA = " + std::to_string(empresa) +
         "   AND VEICULO = " + Quoted(veiculo);
}

std::string DeleteCusteioHistorico(int32_t empresa, int32_t revenda, int32_t proposta) {
  return "DELETE FROM VEI_VEICULO_CUSTEIO_HISTORICO WHERE EMPRESA  = " + std::to_string(empresa) +
         "   AND REVENDA  = " + std::to_string(revenda) +
         "   AND PROPOSTA = " + std::to_string(proposta);
}

std::string UpdateValorVeiculo(const std::string& coluna, double valor, int32_t empresa,
                               const std::string& veiculo) {
  return "UPDATE VEI_VEICULO SET " + coluna + "=" + ValorSql(valor) +
         " WHERE EMPRESA = " + std::to_string(empresa) + "   AND VEICULO = " + Quoted(veiculo);
}

}  // namespace veiculo::costing
