// CalculaValorCfeLucroDesejado: the sale value at which the vehicle's costing
// formula yields the desired profit percentage.
//
// From a starting price (public price, freight, insurance, optionals and
// perhaps the package; the purchase value when those are 0) the lines are
// valued pass by pass, and after each pass S moves by the missing percentage
// of itself: S + (desired - reached) x S / 100. The passes stop when the
// percentage is reached (within 0.001), after 16 passes, or after the first
// one when the chosen measure has no line signed for it: gross profit ("B")
// or contribution margin ("M") cannot be measured then, and S is left where
// it started. A price that misses the percentage is still returned, and the
// caller's progress callback is told once.

#include <string>

#include "platform/db/client_dataset.h"
#include "platform/format/rounding.h"
#include "pricing/desired_profit.h"
#include "veiculo/error.h"

namespace veiculo {

const char TddmVeiculoCompartilhadoBD::kMensagemLucroNaoAlcancado[] =
    "mtError#$#[Erro 2301] Não foi possível calcular um valor de venda para alcançar o lucro "
    "desejado. Verifique a configuração da fórmula de custeio.";

namespace {

constexpr int kMaximoPassos = 16;
// The pass count that ends the passes at once.
constexpr int kParaPassos = 17;

void VerificaEscolha(const std::string& rentabilidade, const std::string& valorizacao) {
  if (rentabilidade != "L" && rentabilidade != "B" && rentabilidade != "M")
    throw Error(
        ErrorCategory::Validation,
        "CalculaValorCfeLucroDesejado: PRentabilidade must be \"L\", \"B\" or \"M\", not \"" +
            rentabilidade + "\"");
  if (valorizacao != "H" && valorizacao != "P")
    throw Error(ErrorCategory::Validation,
                "CalculaValorCfeLucroDesejado: PValorizacao must be \"H\" or \"P\", not \"" +
                    valorizacao + "\"");
}

// The percentage the caller chose: measure by PRentabilidade, basis by PValorizacao.
double PercentualEscolhido(const pricing::SolucaoLucro& s, char rentabilidade, char valorizacao) {
  const costing::PercentuaisCusto& p = s.percentuais;
  const bool h = valorizacao == 'H';
  if (rentabilidade == 'B') return h ? p.lucro_bruto_h : p.lucro_bruto_p;
  if (rentabilidade == 'M') return h ? p.margem_h : p.margem_p;
  return h ? p.historico : p.presente;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::CalculaValorCfeLucroDesejado(
    int32_t PEmpresa, int32_t PRevenda, const std::string& PVeiculo,
    const std::string& PRentabilidade, const std::string& PValorizacao, double PPercentual,
    DateTime PDataProcessamento, bool /*PUsaPrecoEdicao*/, bool PUsaPrecoPacote,
    const CallbackMensagem& cbPfMensagem, const DataPacket& cdsFormulaAlterada, bool pPassouCds) {
  VerificaEscolha(PRentabilidade, PValorizacao);
  platform::ClientDataSet alteradas("cdsFormulaAlterada");
  if (pPassouCds) {
    alteradas.SetData(cdsFormulaAlterada);
    pricing::VerificaLinhasAlteradas(alteradas);
  }
  LerParametro(PEmpresa, PRevenda);
  if (!LerVeiculo(PEmpresa, PVeiculo, true))
    throw Error(ErrorCategory::NotFound, "CalculaValorCfeLucroDesejado: vehicle '" + PVeiculo +
                                             "' of company " + std::to_string(PEmpresa) +
                                             " not found");

  GravaResultadosLucro(0, 0, 0, 0, 0, 0);
  platform::ClientDataSet& veiculo = *cdsVeiculo;
  const std::string formula = veiculo.FieldByName("FORMULA_CUSTEIO").AsText();
  Base_Financeiro =
      CalculaBaseFinanceiro(PEmpresa, PRevenda, PVeiculo, formula, PDataProcessamento);

  pricing::SolucaoLucro s;
  s.valoracao.veiculo = PVeiculo;
  s.valoracao.formula = formula;
  s.valoracao.empresa = PEmpresa;
  s.valoracao.revenda = PRevenda;
  s.valoracao.datas = pricing::DatasVeiculo(veiculo, PDataProcessamento);

  // The starting price.
  const std::string opcionais =
      cdsParametro->Active() && !cdsParametro->IsEmpty()
          ? cdsParametro->FieldByName("IMPRIME_VALOR_OPCIONAIS_REL").AsText()
          : std::string();
  s.venda = veiculo.FieldByName("PRECO_PUBLICO").AsFloat() +
            veiculo.FieldByName("FRETE_VENDA").AsFloat() +
            veiculo.FieldByName("VAL_SEGURO").AsFloat() + SomaOpcionais(PEmpresa, opcionais, "");
  if (PUsaPrecoPacote)
    s.venda += BuscaValorPacote(PEmpresa, veiculo.FieldByName("PACOTE").AsText(), 0, "");
  if (s.venda == 0) s.venda = veiculo.FieldByName("VAL_COMPRA").AsFloat();

  s.linhas =
      pricing::LinhasPreco(*cdsFormulaLinha, PEmpresa, formula, pPassouCds ? &alteradas : nullptr);

  const char rentabilidade = PRentabilidade[0];
  const char valorizacao = PValorizacao[0];
  double desejado = PPercentual;
  double alcancado = -1;
  double venda_passo = 0;  // the S the last pass valued the lines at
  iPvPassosLucro = 0;
  do {
    venda_passo = s.venda;
    PassoLucroDesejado(s);
    ++iPvPassosLucro;
    if (s.venda > 0) s.percentuais = costing::PercentuaisVenda(s.venda, s.Totais(), s.percentuais);
    alcancado = PercentualEscolhido(s, rentabilidade, valorizacao);
    const bool sem_medida =
        (rentabilidade == 'B' && !s.sinal_lucro_bruto) || (rentabilidade == 'M' && !s.sinal_margem);
    if (sem_medida) {
      s.passes = kParaPassos;
    } else if (!pricing::MesmoPercentual(alcancado, desejado)) {
      s.venda += (desejado - alcancado) * s.venda / 100;
      if (s.venda == 0) {
        alcancado = 0;
        desejado = 0;
      }
    }
  } while (!pricing::MesmoPercentual(alcancado, desejado) && s.passes < kMaximoPassos);

  GravaResultadosLucro(venda_passo, s.custo_h, s.percentuais.historico, venda_passo, s.custo_p,
                       s.percentuais.presente);
  dPbValorVenda = s.venda;
  if (!pricing::MesmoPercentual(alcancado, PPercentual) && cbPfMensagem)
    cbPfMensagem(kMensagemLucroNaoAlcancado);
  return platform::RoundTo(s.venda, 0);
}

}  // namespace veiculo
