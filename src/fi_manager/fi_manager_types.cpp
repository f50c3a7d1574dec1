#include "fi_manager/fi_manager_types.h"

#include "veiculo/error.h"

namespace veiculo::fi_manager {

const std::vector<TipoRegistrado>& TiposRegistrados() {
  static const std::vector<TipoRegistrado> tipos = {
      {"Documento", "Documento"},
      {"CartaoCredito", "CartaoCredito"},
      {"Modelo", "Modelo"},
      {"Endereco", "Endereco"},
      {"CNH", "CNH"},
      {"Opcional", "Opcional"},
      {"TabelaFinanceira", "TabelaFinanceira"},
      {"Operacao", "Operacao"},
      {"decimal", "decimal"},
      {"Taxa", "Taxa"},
      {"ClientePF", "ClientePF"},
      {"Profissao", "Profissao"},
      {"ReferenciaBancaria", "ReferenciaBancaria"},
      {"Patrimonio", "Patrimonio"},
      {"Referencia", "Referencia"},
      {"PontoVenda", "PontoVenda"},
      {"OperacaoFinanciada", "OperacaoFinanciada"},
      {"Recebimento", "Recebimento"},
      {"ClientesList", "ClientesList"},
      {"Observacao", "Observacao"},
      {"OperacaoOpcional", "OperacaoOpcional"},
      {"OperacaoVeiculo", "OperacaoVeiculo"},
      {"Faturamento", "Faturamento"},
      {"ClientePJ", "ClientePJ"},
      {"Mensagem", "Mensagem"},
      {"AvalistaAcionista", "AvalistaAcionista"},
      {"RespostaSucessoTaxa", "RespostaSucessoTaxa"},
      {"SucessoRecebimento", "SucessoRecebimento"},
      {"RespostaTaxa2", "RespostaTaxa"},
      {"RespostaTaxa", "RespostaTaxa"},
      {"RespostaClientePJ", "RespostaClientePJ"},
      {"RespostaClientePF", "RespostaClientePF"},
      {"SucessoTaxa", "SucessoTaxa"},
      {"RespostaOfRecebimento", "RespostaOfRecebimento"},
      {"RespostaRecebimento2", "RespostaRecebimento"},
      {"RespostaRecebimento", "RespostaRecebimento"},
      {"SucessoOperacao", "SucessoOperacao"},
      {"RespostaSucessoOperacao", "RespostaSucessoOperacao"},
      {"RespostaSucessoRecebimento", "RespostaSucessoRecebimento"},
      {"RespostaCliente2", "RespostaCliente"},
      {"RespostaCliente", "RespostaCliente"},
      {"RespostaSucessoCliente", "RespostaSucessoCliente"},
      {"RespostaOfOpcional", "RespostaOfOpcional"},
      {"RespostaOpcional", "RespostaOpcional"},
      {"SucessoCliente", "SucessoCliente"},
      {"RespostaOperacao2", "RespostaOperacao"},
      {"RespostaOperacao", "RespostaOperacao"},
      {"File_", "File"},
      {"OperacaoFaturamento", "OperacaoFaturamento"},
      {"OperacaoAvaliacao", "OperacaoAvaliacao"},
      {"FormaPagamentoEntrada", "FormaPagamentoEntrada"},
      {"OperacaoVendaFuturaProduto", "OperacaoVendaFuturaProduto"},
      {"OperacaoVendaFutura", "OperacaoVendaFutura"},
      {"TipoMensagem", "TipoMensagem"},
      {"string_", "string"},
      {"char", "char"},
  };
  return tipos;
}

const std::vector<const char*>& OperacoesFiManager() {
  static const std::vector<const char*> operacoes = {
      "InsereAtualizaPreOperacao",
      "InsereAtualizaPreOperacaoTipado",
      "InsereAtualizaPreOperacoes",
      "InsereAtualizaPreOperacoesTipado",
      "ObterOperacao",
      "ObterCliente",
      "AtualizarFaturamento",
      "AtualizarFaturamentoTipado",
      "CancelarPropostaTipado",
      "AtualizarCodigoERPNaOperacao",
      "ObterOperacaoTipado",
      "ObterOperacaoesPendInteg",
      "ObterOperacaoesPendIntegTipado",
      "AtualizarIntegOperacaoSucesso",
      "AtualizarIntegOperacaoSucessoTipado",
      "AlterarSituacaoProposta",
      "RecebimentoAlterarParaPago",
      "RecebimentoAlterarParaPagoTipado",
      "ObterRecebimentosPendInteg",
      "ObterRecebimentosPendIntegTipado",
      "AtualizarIntegRecebimentoSucesso",
      "AtualizarIntegRecebimentoSucessoTipado",
      "ObterRecebimentos",
      "ObterTaxas",
      "ObterTaxasDaOperacao",
      "ObterTaxasPendentesInteg",
      "ObterTaxasPendentesIntegTipado",
      "AtualizarTaxasIntegSucesso",
      "AtualizarTaxasIntegSucessoTipado",
      "InserirClientePF",
      "InserirClientePFTipado",
      "InserirClientePJ",
      "InserirClientePJTipado",
      "InserirClientesTipado",
      "InserirClientes",
      "ObterClientesPendentesInteg",
      "ObterClientesPendentesIntegTipado",
      "AtualizarClienteIntegSucesso",
      "AtualizarClienteIntegSucessoTipado",
      "InsereAtualizaProdutos",
      "InsereAtualizaProdutosTipado",
      "ObterValorTotalFI",
      "IncluirFinanceira",
  };
  return operacoes;
}

const char* XmlTipoMensagem(TipoMensagem tipo) {
  switch (tipo) {
    case TipoMensagem::Ok:
      return "Ok";
    case TipoMensagem::Erro:
      return "Erro";
    case TipoMensagem::Indisponivel:
      return "Indisponível";
    case TipoMensagem::Aviso:
      return "Aviso";
  }
  return "";
}

TipoMensagem TipoMensagemDeXml(const std::string& texto) {
  if (texto == "Ok") return TipoMensagem::Ok;
  if (texto == "Erro") return TipoMensagem::Erro;
  // The service's description spells the value with its accent; an
  // unaccented spelling is read as the same value.
  if (texto == "Indisponível" || texto == "Indisponivel") return TipoMensagem::Indisponivel;
  if (texto == "Aviso") return TipoMensagem::Aviso;
  throw Error(ErrorCategory::Service, "TipoResposta '" + texto + "' is not a TipoMensagem value");
}

}  // namespace veiculo::fi_manager
