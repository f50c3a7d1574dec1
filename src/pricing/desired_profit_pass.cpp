// One pass of the sale pricing over the vehicle's lines at the sale value S:
// every line's percentage (its bands', looked up with the percentages of the
// previous pass, or the caller's altered one), its amounts by the costing's
// own line valuation, and the sums of the three measures by the line's signs.
//
// The lines' bands are read on the first pass and chosen again on every
// pass; the amounts that do not move with S are resolved once per solution
// (SolucaoLucro::memoria).
//
// S is the module's sale value (dPbValorVenda) while the lines are valued,
// since the sale-based incidences read it. The profit line "K" is taken
// from S on both bases; a "K" line of TIPO "E" keeps only its financial
// effect, as every other line of that type does.

#include <cstddef>

#include "costing/line_bands.h"
#include "platform/db/client_dataset.h"
#include "pricing/desired_profit.h"

namespace veiculo {

void TddmVeiculoCompartilhadoBDImpl::PassoLucroDesejado(pricing::SolucaoLucro& pSolucao) {
  pricing::SolucaoLucro& s = pSolucao;
  ++s.passes;
  s.custo_h = s.custo_p = 0;
  s.lucro_bruto_h = s.lucro_bruto_p = 0;
  s.margem_h = s.margem_p = 0;
  s.sinal_lucro_bruto = s.sinal_margem = false;
  dPbValorVenda = s.venda;

  costing::ValoracaoLinha& dados = s.valoracao;
  dados.venda_h = s.venda;
  dados.venda_p = s.venda;
  const costing::PercentuaisCusto& p = s.percentuais;
  costing::TotaisCusteio totais = s.Totais();

  if (s.memoria.size() != s.linhas.size()) s.memoria.assign(s.linhas.size(), {});
  for (size_t i = 0; i < s.linhas.size(); ++i) {
    const pricing::LinhaPreco& linha_preco = s.linhas[i];
    costing::MemoriaLinha& memoria = s.memoria[i];
    costing::LinhaCusteio linha = linha_preco.linha;
    if (!memoria.faixas)
      memoria.faixas = LeFaixasLinha(dados.empresa, linha.LINHA_FORMULA, dados.formula);
    // As BuscaPercentualVariavel: the band fixed amount is left for BuscaIncidencia.
    const costing::EscolhaFaixa faixa = costing::EscolheFaixa(
        *memoria.faixas,
        {p.historico, p.presente, p.margem_p, p.margem_h, p.lucro_bruto_p, p.lucro_bruto_h});
    dPvValorFixo = faixa.valor_fixo;
    double percentual = faixa.percentual;
    if (!faixa.variavel && linha_preco.alterada) percentual = linha_preco.percentual_alterado;

    dados.custo_h = s.custo_h;
    dados.custo_p = s.custo_p;
    ValoraLinhaVeiculo(dados, linha, percentual, &memoria);
    if (linha.INCIDENCIA == "K") costing::AplicaEfeitoFinanceiro(linha);

    costing::SomaTotaisLinha(linha, totais);
    if (costing::Sinal(linha.LUCRO_BRUTO) != 0) s.sinal_lucro_bruto = true;
    if (costing::Sinal(linha.MARGEM_CONTRIBUICAO) != 0) s.sinal_margem = true;
  }
}

}  // namespace veiculo
