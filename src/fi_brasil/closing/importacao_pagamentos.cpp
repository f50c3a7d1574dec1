// The closing import's payments: the used car, the financing, the cash down
// payment and the change, written under the dealer's update or replace
// setting. A negotiation imported before keeps its other payments: only the
// financing is brought up to date.

#include <vector>

#include "fi_brasil/closing/importacao_fechamento.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/format_float.h"

namespace veiculo::fi_brasil {

struct ImportacaoFechamento::Pagamento {
  bool financiamento;
  int32_t condicao;
  std::string descricao;
  double valor;
  std::string identificacao;
};

void ImportacaoFechamento::GravaPagamentos() {
  const ParametrosFechamento& p = parametros_;
  const ValoresFechamento& a = valores_;
  const std::string usado =
      avaliacao_ > 0 ? "AV." + platform::FormatFloat("0000000", avaliacao_) : "AUT";
  const Pagamento todos[] = {
      {false, p.condicao_usado, p.des_usado, a.usado, usado},
      {true, p.condicao_financiamento, p.des_financiamento, a.financiado, "AUT"},
      {false, p.condicao_especie, p.des_especie, a.especie, "AUT"},
      {false, p.condicao_troco, p.des_troco, -a.troco, "AUT"},  // change: a negative payment
  };
  // A kind without an amount is left alone; one without its condition was
  // reported and is not written (a payment without a condition cannot be settled).
  std::vector<Pagamento> tipos;
  for (const Pagamento& pagamento : todos)
    if (pagamento.valor != 0 && pagamento.condicao != 0) tipos.push_back(pagamento);

  if (p.atualizar_condpagto)
    for (const Pagamento& pagamento : tipos)
      if (!integrada_antes_ || pagamento.financiamento) AtualizaOuInserePagamento(pagamento);

  if (p.sobrepor_condpagto) {
    if (!integrada_antes_) {
      Executa("DELETE FROM VEI_PAGAMENTO  WHERE " + ChaveNegociacao());
      for (const Pagamento& pagamento : tipos) InserePagamento(pagamento);
    } else {
      for (const Pagamento& pagamento : tipos) {
        if (!pagamento.financiamento) continue;
        const int32_t numero = BuscaPagamento(pagamento);
        if (numero != 0)
          Executa("DELETE FROM VEI_PAGAMENTO  WHERE " + ChaveNegociacao() +
                  "   AND NUMERO_PAGAMENTO = " + std::to_string(numero));
        InserePagamento(pagamento);
      }
    }
  }
}

int32_t ImportacaoFechamento::BuscaPagamento(const Pagamento& pagamento) {
  const std::string condicao = std::to_string(pagamento.condicao);
  std::string sql =
      "SELECT PAG.NUMERO_PAGAMENTO, PAG.CONDICAO   FROM VEI_PAGAMENTO PAG  WHERE PAG.EMPRESA    "
      "= " +
      std::to_string(empresa_) + "   AND PAG.REVENDA    = " + std::to_string(revenda_) +
      "   AND PAG.PROPOSTA   = " + std::to_string(proposta_) +
      "   AND PAG.NEGOCIACAO = " + std::to_string(negociacao_);
  if (pagamento.financiamento)
    sql += "   AND (PAG.CONDICAO   = " + condicao +
           "        OR EXISTS (SELECT 1 FROM FAT_CONDICAO_PAGAMENTO C"
           "                    WHERE C.EMPRESA = PAG.EMPRESA AND C.CONDICAO = PAG.CONDICAO"
           "                      AND C.FINANCIAMENTO_VEICULO = 'S'))";
  else
    sql += "   AND PAG.CONDICAO   = " + condicao;
  platform::SqlDataSet& ds = Consulta(sql + " ORDER BY PAG.NUMERO_PAGAMENTO");
  const int32_t numero =
      ds.IsEmpty() ? 0 : static_cast<int32_t>(ds.FieldByName("NUMERO_PAGAMENTO").AsInteger());
  ds.Close();
  return numero;
}

std::string ImportacaoFechamento::ColunasPagamento(const Pagamento& pagamento) {
  const double vencimento = dm_.CalculaDataVencimento(empresa_, pagamento.condicao, data_);
  return "CONDICAO = " + std::to_string(pagamento.condicao) +
         ", IDENTIFICACAO = " + TextoSql(pagamento.identificacao) +
         ", VAL_PAGAMENTO = " + ValorSql(pagamento.valor) + ", SITUACAO = 'N', FI_INTEGRADO = 'S'" +
         ", DTA_VENCIMENTO = " + maker::DataPSql(vencimento, dm_.sPvBancoDados) +
         ", DES_PAGAMENTO = " +
         (pagamento.descricao.empty() ? "NULL" : TextoSql(pagamento.descricao));
}

void ImportacaoFechamento::AtualizaOuInserePagamento(const Pagamento& pagamento) {
  const int32_t numero = BuscaPagamento(pagamento);
  if (numero == 0) return InserePagamento(pagamento);
  Executa("UPDATE VEI_PAGAMENTO SET " + ColunasPagamento(pagamento) + " WHERE " +
          ChaveNegociacao() + "   AND NUMERO_PAGAMENTO = " + std::to_string(numero));
}

void ImportacaoFechamento::InserePagamento(const Pagamento& pagamento) {
  platform::SqlDataSet& ds =
      Consulta("SELECT MAX(NUMERO_PAGAMENTO) NUMERO_PAGAMENTO FROM VEI_PAGAMENTO  WHERE " +
               ChaveNegociacao());
  const int64_t numero = ds.FieldByName("NUMERO_PAGAMENTO").AsInteger() + 1;
  ds.Close();
  const double vencimento = dm_.CalculaDataVencimento(empresa_, pagamento.condicao, data_);
  Executa(
      "INSERT INTO VEI_PAGAMENTO (EMPRESA, REVENDA, PROPOSTA, NEGOCIACAO, NUMERO_PAGAMENTO, "
      "CONDICAO, IDENTIFICACAO, VAL_PAGAMENTO, SITUACAO, FI_INTEGRADO, DTA_VENCIMENTO, "
      "DES_PAGAMENTO) VALUES (" +
      std::to_string(empresa_) + ", " + std::to_string(revenda_) + ", " +
      std::to_string(proposta_) + ", " + std::to_string(negociacao_) + ", " +
      std::to_string(numero) + ", " + std::to_string(pagamento.condicao) + ", " +
      TextoSql(pagamento.identificacao) + ", " + ValorSql(pagamento.valor) + ", 'N', 'S', " +
      maker::DataPSql(vencimento, dm_.sPvBancoDados) + ", " +
      (pagamento.descricao.empty() ? "NULL" : TextoSql(pagamento.descricao)) + ")");
}

}  // namespace veiculo::fi_brasil
