// The closing import's financial returns: the integration's earlier returns
// of the negotiation are removed and the sale's returns written again, one
// line per account, so that a repeated import leaves one set of them.

#include <vector>

#include "fi_brasil/closing/importacao_fechamento.h"
#include "fi_brasil/closing/valores_servico.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {
namespace {

struct TipoReceita {
  int32_t tipo;
  const char* descricao;
};
// The kinds that become return lines, in the order they are written; kinds
// 0, 5, 7 and 8 become none.
const TipoReceita kTipos[] = {
    {1, "RETORNO FINANCIAMENTO"},  {2, "RETORNO FIN. PLUS"}, {3, "RETORNO FIN. TAC"},
    {4, "RETORNO FIN. PLUS META"}, {6, "CORTESIA"},          {9, "REBATE"}};

// One return line to write: the account, its customer, the amount and the
// description of the first kind that uses the account.
struct LinhaRetorno {
  int32_t conta;
  int32_t cliente;
  std::string descricao;
  double valor;
};

}  // namespace

void ImportacaoFechamento::RegravaRetornos() {
  Executa("DELETE FROM VEI_RETORNO_CONTA  WHERE " + ChaveNegociacao() +
          "   AND EXISTS (SELECT 1 FROM VEI_RETORNO R          WHERE R.EMPRESA    = "
          "VEI_RETORNO_CONTA.EMPRESA            AND R.REVENDA    = VEI_RETORNO_CONTA.REVENDA"
          "            AND R.PROPOSTA   = VEI_RETORNO_CONTA.PROPOSTA            AND R.NEGOCIACAO = "
          "VEI_RETORNO_CONTA.NEGOCIACAO            AND R.SEQUENCIA  = VEI_RETORNO_CONTA.SEQUENCIA"
          "          AND FIB_INTEGRADO = 'S')");
  Executa("DELETE FROM VEI_RETORNO  WHERE " + ChaveNegociacao() + "   AND FIB_INTEGRADO = 'S'");

  const int32_t contas[] = {dm_.iPvContaRetorno,         dm_.iPvContaRetornoPLUS,
                            dm_.iPvContaRetornoTAC,      dm_.iPvContaRetornoPlusMeta,
                            dm_.iPvContaRetornoCortesia, dm_.iPvContaRetornoRebate};
  // The sale may carry several amounts of one kind (and the dealer may give
  // two kinds one account): they are summed per account and customer, since
  // a second line on the same account entry would replace the first.
  std::vector<LinhaRetorno> linhas;
  int32_t fornecedor = 0;  // looked up once, for the first courtesy
  for (size_t i = 0; i < std::size(kTipos); ++i) {
    if (contas[i] == 0) continue;
    for (const ReceitaFinanceiraOut& receita : venda_->receitasFinanceiras) {
      if (receita.tipo != kTipos[i].tipo) continue;
      int32_t cliente = valores_.financeira;
      if (kTipos[i].tipo == 6) {
        if (fornecedor == 0) fornecedor = dm_.BuscaFornecedor(empresa_, revenda_, proposta_, "1");
        cliente = fornecedor;
      }
      const double valor = ValorServico(receita.valor, "valor");
      LinhaRetorno* linha = nullptr;
      for (LinhaRetorno& l : linhas)
        if (l.conta == contas[i] && l.cliente == cliente) linha = &l;
      if (linha == nullptr)
        linhas.push_back({contas[i], cliente, kTipos[i].descricao, valor});
      else
        linha->valor += valor;
    }
  }
  for (const LinhaRetorno& linha : linhas)
    GravaRetorno(linha.conta, linha.descricao, linha.valor, linha.cliente);
}

void ImportacaoFechamento::GravaRetorno(int32_t conta, const std::string& descricao, double valor,
                                        int32_t cliente) {
  std::string sql = "FI_INTEGRACAO";
  std::string mensagem;
  // The import's own commission is not known to the service: none is written.
  if (!dm_.GravaRetornoFin(empresa_, revenda_, proposta_, negociacao_, cliente, conta, descricao,
                           valor, 0.0, data_, sql, mensagem)) {
    Error erro(ErrorCategory::Database, mensagem);
    erro.AddContext("while executing: " + sql);
    throw erro;
  }
}

}  // namespace veiculo::fi_brasil
