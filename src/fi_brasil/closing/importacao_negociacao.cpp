// The closing import's accessories and negotiation: the sale's aggregated
// items become the negotiation's accessories, and the negotiation takes the
// sale's values, its financing and the financing approval.

#include <map>

#include "fi_brasil/closing/importacao_fechamento.h"
#include "fi_brasil/closing/valores_servico.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {
namespace {

// A text column of the negotiation: quoted, or NULL when empty.
std::string TextoOuNulo(const std::string& texto) {
  return texto.empty() ? "NULL" : TextoSql(texto);
}

}  // namespace

void ImportacaoFechamento::GravaAcessorios() {
  if (!parametros_.importar_agregados) return;
  Executa("DELETE FROM VEI_ACESSORIO_NEGOCIACAO  WHERE " + ChaveNegociacao() +
          "   AND FIB_INTEGRADO = 'S'");
  for (const ItemAgregadoOut& item : venda_->itensAgregados) {
    // Only items the dealer has as accessories are written; the others were
    // listed in the result for the F&I desk to map.
    const int64_t codigo = InteiroOuZero(item.codigo);
    if (acessorios_.count(codigo) == 0 || platform::Trim(item.codigo).empty()) continue;
    const double valor = ValorServico(item.valorUnitario, "valorUnitario") * item.quantidade;
    Executa(
        "INSERT INTO VEI_ACESSORIO_NEGOCIACAO   (EMPRESA, REVENDA, PROPOSTA, NEGOCIACAO, "
        "ACESSORIO,    VAL_ACESSORIO, FIB_INTEGRADO, SOMAR) VALUES (" +
        std::to_string(empresa_) + ", " + std::to_string(revenda_) + ", " +
        std::to_string(proposta_) + ", " + std::to_string(negociacao_) + ", " +
        std::to_string(codigo) + ", " + ValorSql(valor) + ", 'S', " +
        (platform::Trim(item.embutidoFinanciamento) == "3" ? "'S'" : "'N'") + ")");
  }
}

void ImportacaoFechamento::AtualizaNegociacao() {
  platform::SqlDataSet& ds = Consulta(
      "SELECT FIB_INTEGRADO, APR_FINANCIAMENTO FROM VEI_NEGOCIACAO  WHERE " + ChaveNegociacao());
  if (ds.IsEmpty()) {
    ds.Close();
    throw Error(ErrorCategory::NotFound, "Negociação " + std::to_string(negociacao_) +
                                             " da proposta " + std::to_string(proposta_) +
                                             " não encontrada.");
  }
  integrada_antes_ = platform::Trim(ds.FieldByName("FIB_INTEGRADO").AsText()) == "S";
  aprovada_antes_ = platform::Trim(ds.FieldByName("APR_FINANCIAMENTO").AsText()) == "A";
  ds.Close();

  std::map<int32_t, double> por_tipo;
  for (const ReceitaFinanceiraOut& receita : venda_->receitasFinanceiras)
    por_tipo[receita.tipo] += ValorServico(receita.valor, "valor");
  const ValoresFechamento& a = valores_;
  std::string sql =
      "UPDATE VEI_NEGOCIACAO SET  STATUS = 'N', DTA_NEGOCIACAO = " +
      maker::DataPSql(data_, dm_.sPvBancoDados) + ", VAL_VEICULO = coalesce(VAL_DESCONTO,0) + " +
      ValorSql(a.veiculo) + "," + " VAL_FRETE = 0.00," + " VAL_SEGURO = 0.00," +
      " VAL_DESCONTO = coalesce(VAL_DESCONTO,0)," +
      " QTD_PARCELAS = " + std::to_string(a.parcelas) + "," +
      " VAL_FINANCIADO = " + ValorSql(a.financiado) + "," +
      " VAL_PARCELAS = " + ValorSql(a.valor_parcela) + "," +
      " VAL_RETORNO_FINANC = " + ValorSql(por_tipo[1]) + "," + " VAL_OUTROS_RET_FIN = 0.00," +
      " VAL_COMISSAO_FIN = 0.00," + " VAL_RET_TAC_FIN = " + ValorSql(por_tipo[3]) + "," +
      " VAL_PLUS_FIN = " + ValorSql(por_tipo[2]) + "," + " VAL_SEGURO_FIN = 0.00," +
      " TABELA_RETORNO = " + TextoSql(std::to_string(a.tabela_retorno)) + "," +
      " TAXA_FINANC = " + TextoOuNulo(a.taxa) + "," +
      " FATOR_PARCELA = " + TextoOuNulo(platform::ReplaceAll(a.coeficiente, ".", ",", false)) +
      "," + " COD_TABELA_FIN = " + TextoOuNulo(a.plano) + "," + " FIB_INTEGRADO = 'S'," +
      " TAXA_RETORNO = NULL,";
  if (a.financeira != -1) sql += " FINANCEIRA = " + std::to_string(a.financeira) + ",";
  bool aprovada = false;
  sql += BlocoAprovacao(aprovada);
  Executa(sql + " WHERE " + ChaveNegociacao());
  // The reservation is extended when the financing becomes approved, not
  // again on every later import of the same approval.
  if (aprovada && !aprovada_antes_)
    dm_.ProrrogaReservaAprovacaoFI(empresa_, revenda_, proposta_, data_);
}

std::string ImportacaoFechamento::BlocoAprovacao(bool& aprovada) {
  const std::string agora = maker::DataHoraPSql(dm_.Agora(), dm_.sPvBancoDados);
  const ValoresFechamento& a = valores_;
  if (!a.tem_credito || a.valor_banco == 0) {
    aprovada = true;
    return " APR_FINANCIAMENTO = 'A', DTA_APR_FINANCIAMENTO = " + agora +
           ", USU_FINANCIAMENTO = NULL, ALIENACAO = 'N'";
  }
  std::string bloco;
  if (a.usuario_financiamento != -1)
    bloco += " USU_FINANCIAMENTO = " + std::to_string(a.usuario_financiamento) + ",";
  aprovada = !platform::Trim(venda_->dataAutorizacaoFaturamento).empty();
  bloco += aprovada ? " APR_FINANCIAMENTO = 'A'," : " APR_FINANCIAMENTO = 'N',";
  bloco += " DTA_APR_FINANCIAMENTO = " + agora + ",";
  bloco += a.tipo_financiamento == 1 ? " ALIENACAO = 'S'" : " ALIENACAO = 'N'";
  return bloco;
}

}  // namespace veiculo::fi_brasil
