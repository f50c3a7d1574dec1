// The closing import's frame: the steps in order and what they share.

#include "fi_brasil/closing/importacao_fechamento.h"

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/format_float.h"
#include "platform/text.h"

namespace veiculo::fi_brasil {

std::string TextoSql(const std::string& texto) {
  return "'" + platform::QuoteDoubled(texto) + "'";
}

std::string ValorSql(double valor) {
  return platform::FormatFloat("########0.00", valor, platform::SqlFormatSettings());
}

ImportacaoFechamento::ImportacaoFechamento(TddmVeiculoCompartilhadoBDImpl& dm, int32_t empresa,
                                           int32_t revenda, int32_t proposta, int32_t negociacao,
                                           const std::string& chassi, double data_processamento,
                                           ListaResultado& lista)
    : dm_(dm),
      empresa_(empresa),
      revenda_(revenda),
      proposta_(proposta),
      negociacao_(negociacao),
      chassi_(chassi),
      data_(data_processamento),
      lista_(lista) {}

void ImportacaoFechamento::Importa(const VendaCompletaOut& venda,
                                   const std::function<void()>& vinculada) {
  venda_ = &venda;
  LeCliente();
  VinculaProposta();
  vinculada();
  LeContexto();
  CalculaValores();
  AtualizaObservacao();
  ConfereFinanceira();
  ConfereProdutos();
  AtualizaCliente();
  GravaAcessorios();
  AtualizaNegociacao();
  GravaPagamentos();
  RegravaRetornos();
}

void ImportacaoFechamento::Executa(const std::string& sql) {
  platform::SqlDataSet& ds = *dm_.sdsExecuta;
  ds.Close();
  ds.SetCommandText(sql);
  ds.ExecSQL();
  ds.Close();
}

platform::SqlDataSet& ImportacaoFechamento::Consulta(const std::string& sql) {
  platform::SqlDataSet& ds = *dm_.sdsConsulta;
  ds.Close();
  ds.SetCommandText(sql);
  ds.Open();
  return ds;
}

std::string ImportacaoFechamento::ChaveProposta() const {
  return "EMPRESA  = " + std::to_string(empresa_) +
         "   AND REVENDA  = " + std::to_string(revenda_) +
         "   AND PROPOSTA = " + std::to_string(proposta_);
}

std::string ImportacaoFechamento::ChaveNegociacao() const {
  return "EMPRESA    = " + std::to_string(empresa_) +
         "   AND REVENDA    = " + std::to_string(revenda_) +
         "   AND PROPOSTA   = " + std::to_string(proposta_) +
         "   AND NEGOCIACAO = " + std::to_string(negociacao_);
}

}  // namespace veiculo::fi_brasil
