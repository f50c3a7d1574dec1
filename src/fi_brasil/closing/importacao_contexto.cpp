// The closing import's first steps: the proposal's customer, the link to the
// service's sale, the dealer's settings, the sale's amounts, the
// observation, and the finance company and product checks with their notices.

#include <cmath>

#include "fi_brasil/closing/importacao_fechamento.h"
#include "fi_brasil/closing/valores_servico.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/number_utils.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/text.h"

namespace veiculo::fi_brasil {
namespace {

const char kAvisoFinanceira[] =
    "* O código da financeira informado no F&I System não existe equivalente no Mivo DMS. Favor "
    "altere o código no F&I System, através do Menu Cadastros, opção Bancos da Loja. Escolha o "
    "banco e informe o campo \"Código no DMS\".";
const char kAvisoProdutos[] =
    "* Os códigos dos produtos informados no F&I System não existem equivalentes no Mivo DMS. "
    "Favor informe os códigos no F&I System, através do Menu Produtos, opções Acessório, Serviço "
    "Estético, Documentação, Seguro Auto e Produto F&I. Informe o campo \"Código no DMS\". Segue "
    "lista de produtos:";

int32_t Inteiro(platform::SqlDataSet& ds, const char* campo) {
  return static_cast<int32_t>(ds.FieldByName(campo).AsInteger());  // null reads as 0
}
std::string Texto(platform::SqlDataSet& ds, const char* campo) {
  return platform::Trim(ds.FieldByName(campo).AsText());
}

}  // namespace

void ImportacaoFechamento::LeCliente() {
  platform::SqlDataSet& ds = Consulta(
      "select C.CLIENTE   from VEI_PROPOSTA P, CAC_CONTATO C where P.EMPRESA  = C.EMPRESA   and "
      "P.REVENDA  = C.REVENDA   and P.CONTATO  = C.CONTATO   and P.EMPRESA  = " +
      std::to_string(empresa_) + "   and P.REVENDA  = " + std::to_string(revenda_) +
      "   and P.PROPOSTA = " + std::to_string(proposta_));
  cliente_ = ds.IsEmpty() ? 0 : Inteiro(ds, "CLIENTE");
  ds.Close();
}

void ImportacaoFechamento::VinculaProposta() {
  Executa("UPDATE VEI_PROPOSTA SET    PROPOSTA_FIB = " + std::to_string(venda_->codigoProposta) +
          " WHERE " + ChaveProposta());
}

void ImportacaoFechamento::LeContexto() {
  // The optionals' value of the vehicle, read as the dealer's desk reads it.
  platform::SqlDataSet& opcionais = Consulta(
      "select sum(coalesce(F.VAL_OPCIONAL, E.VAL_OPCIONAL, M.VAL_OPCIONAL)) VAL_OPCIONAL  from "
      "OFI_FICHA_OPCIONAL F inner join OFI_FICHA_SEGUIMENTO S   on (S.CHASSI = F.CHASSI) inner "
      "join VEI_OPCIONAL_MODELO M   on (M.EMPRESA  = F.EMPRESA  and       M.MODELO   = F.MODELO  "
      " and       M.OPCIONAL = F.OPCIONAL) left outer join VEI_OPCIONAL_MODELO_EDICAO E   on "
      "(E.EMPRESA  = F.EMPRESA  and       E.MODELO   = F.MODELO   and       E.OPCIONAL = "
      "F.OPCIONAL and       E.ANO_MODELO = S.ANO_MODELO and       E.EDICAO   = S.EDICAO)   where "
      "F.EMPRESA  = S.EMPRESA     and F.CHASSI   = " +
      TextoSql(chassi_));
  valor_opcionais_ = opcionais.IsEmpty() ? 0 : opcionais.FieldByName("VAL_OPCIONAL").AsFloat();
  opcionais.Close();

  platform::SqlDataSet& avaliacao = Consulta(
      "select A.AVALIACAO  from VEI_AVALIACAO_PROPOSTA P,       VEI_AVALIACAO A where P.EMPRESA "
      "  = A.EMPRESA   and P.AVALIACAO = A.AVALIACAO   and P.EMPRESA   = " +
      std::to_string(empresa_) + "   and P.REVENDA  = " + std::to_string(revenda_) +
      "   and P.PROPOSTA = " + std::to_string(proposta_));
  avaliacao_ = avaliacao.IsEmpty() ? 0 : Inteiro(avaliacao, "AVALIACAO");
  avaliacao.Close();

  platform::SqlDataSet& ds = Consulta(
      "select P.CONDICAO_ENTRADA_ESPECIE,       P.CONDICAO_ENTRADA_USADO,       P.CONDICAO_TROCO, "
      "      P.CONDICAO_FINANCIAMENTO,      (select C.DES_CONDICAO from FAT_CONDICAO_PAGAMENTO C "
      "       where C.EMPRESA  = P.EMPRESA          and C.CONDICAO = P.CONDICAO_ENTRADA_ESPECIE) "
      "DES_CONDICAO_ESPECIE,      (select C.DES_CONDICAO from FAT_CONDICAO_PAGAMENTO C        "
      "where C.EMPRESA  = P.EMPRESA          and C.CONDICAO = P.CONDICAO_ENTRADA_USADO) "
      "DES_CONDICAO_USADO,      (select C.DES_CONDICAO from FAT_CONDICAO_PAGAMENTO C        where "
      "C.EMPRESA  = P.EMPRESA          and C.CONDICAO = P.CONDICAO_TROCO) DES_CONDICAO_TROCO,      "
      "(select C.DES_CONDICAO from FAT_CONDICAO_PAGAMENTO C        where C.EMPRESA  = P.EMPRESA   "
      "       and C.CONDICAO = P.CONDICAO_FINANCIAMENTO) DES_CONDICAO_FINANCIAMENTO,       "
      "P.ENVIAR_TODAS_VENDAS_FIB,       P.SOBREPOR_OBSERVACOES_FIB,       "
      "P.IMPORTAR_AGREGADOS_FIB,       P.ATUALIZAR_CONDPAGTO_FIB,       P.SOBREPOR_CONDPAGTO_FIB  "
      "from VEI_PARAMETRO P  where P.EMPRESA = " +
      std::to_string(empresa_) + "   and P.REVENDA = " + std::to_string(revenda_));
  ParametrosFechamento& p = parametros_;
  if (!ds.IsEmpty()) {
    p.condicao_especie = Inteiro(ds, "CONDICAO_ENTRADA_ESPECIE");
    p.condicao_usado = Inteiro(ds, "CONDICAO_ENTRADA_USADO");
    p.condicao_troco = Inteiro(ds, "CONDICAO_TROCO");
    p.condicao_financiamento = Inteiro(ds, "CONDICAO_FINANCIAMENTO");
    p.des_especie = Texto(ds, "DES_CONDICAO_ESPECIE");
    p.des_usado = Texto(ds, "DES_CONDICAO_USADO");
    p.des_troco = Texto(ds, "DES_CONDICAO_TROCO");
    p.des_financiamento = Texto(ds, "DES_CONDICAO_FINANCIAMENTO");
    p.sobrepor_observacoes = Texto(ds, "SOBREPOR_OBSERVACOES_FIB") == "S";
    p.importar_agregados = Texto(ds, "IMPORTAR_AGREGADOS_FIB") == "S";
    p.atualizar_condpagto = Texto(ds, "ATUALIZAR_CONDPAGTO_FIB") == "S";
    p.sobrepor_condpagto = Texto(ds, "SOBREPOR_CONDPAGTO_FIB") == "S";
  }
  ds.Close();
}

void ImportacaoFechamento::CalculaValores() {
  const VendaCompletaOut& v = *venda_;
  ValoresFechamento& a = valores_;
  a.especie = ValorServico(v.valorEntradaEspecie, "valorEntradaEspecie");
  a.usado = ValorServico(v.valorEntradaVU, "valorEntradaVU");
  a.troco = ValorServico(v.valorTroco, "valorTroco");
  a.veiculo = ValorServico(v.valorVeiculo, "valorVeiculo");
  a.financiado = ValorServico(v.valorNotaFiscal, "valorNotaFiscal") - a.especie - a.usado + a.troco;
  const PropostaCreditoOut* credito = v.ultimaPropostaCredito.get();
  if (v.fonteFinanciamento == 1) {
    // Financed through the F&I desk: the bank pays what the credit proposal
    // says, and the down payment is what is left of its entry.
    a.financiado = credito ? ValorServico(credito->valorReceberBanco, "valorReceberBanco") : 0;
    const double entrada = credito ? ValorServico(credito->valorEntrada, "valorEntrada") : 0;
    a.especie = entrada + a.troco - a.usado;
    if (a.especie < 0) a.usado += a.especie, a.especie = 0;
    if (a.usado < 0) a.troco += a.usado, a.usado = 0;
    if (a.troco < 0) a.troco = 0;
  }
  if (a.financiado < 0.01) a.financiado = 0;
  if (credito != nullptr) {
    a.tem_credito = true;
    a.financeira = InteiroOuZero(credito->codigoBanco);
    a.parcelas = credito->numeroParcelas;
    a.tabela_retorno = credito->fator;
    a.tipo_financiamento = credito->tipoFinanciamento;
    a.taxa = credito->taxaMes;
    a.coeficiente = credito->coeficiente;
    a.plano = credito->codigoPlano;
    a.valor_banco = ValorServico(credito->valorFinanciado, "valorFinanciado");
  }
  const double fator =
      ValorServico(platform::ReplaceAll(a.coeficiente, ".", ",", false), "coeficiente");
  a.valor_parcela = maker::RoundToBrel(fator * a.valor_banco, -2);

  // Each payment kind the sale uses needs the dealer's condition for it.
  const ParametrosFechamento& p = parametros_;
  const auto falta = [&](double valor, int32_t condicao, const char* tipo, const char* aba) {
    if (valor != 0 && condicao == 0)
      lista_.Adiciona(std::string("Condição Pagamento utilizada para ") + tipo +
                      " não informada nos parâmetros de veículos aba \"" + aba + "\".");
  };
  falta(a.especie, p.condicao_especie, "Entrada Espécie", "F&I Brasil");
  falta(a.usado, p.condicao_usado, "Veículo Usado", "F&I Brasil");
  falta(a.troco, p.condicao_troco, "Troco", "F&I Brasil");
  falta(a.financiado, p.condicao_financiamento, "Financiamento", "Financiamento");
}

void ImportacaoFechamento::AtualizaObservacao() {
  const PropostaCreditoOut* credito = venda_->ultimaPropostaCredito.get();
  if (!parametros_.sobrepor_observacoes || credito == nullptr ||
      platform::Trim(credito->observacao).empty())
    return;
  platform::SqlDataSet& ds = Consulta(
      "select GO.OBSERVACAO  from GER_OBSERVACAO_PADRAO GO inner join VEI_PARAMETRO PA   on "
      "(PA.EMPRESA = GO.EMPRESA and       PA.REVENDA = GO.REVENDA) where GO.OBSERVACAO_PADRAO = "
      "PA.OBSERVACAO_PROPOSTA   and GO.EMPRESA = " +
      std::to_string(empresa_) + "   and GO.REVENDA = " + std::to_string(revenda_));
  const std::string padrao = ds.IsEmpty() ? "" : ds.FieldByName("OBSERVACAO").AsText();
  ds.Close();
  Executa("UPDATE VEI_PROPOSTA SET    OBSERVACAO   = " + TextoSql(padrao + credito->observacao) +
          " WHERE " + ChaveProposta());
}

void ImportacaoFechamento::ConfereFinanceira() {
  if (!valores_.tem_credito) return;
  const std::string& codigo = venda_->ultimaPropostaCredito->codigoBanco;
  // The bank code is looked up as the integer it stands for, never spliced as sent.
  platform::SqlDataSet& ds =
      Consulta("select CLIENTE, USUARIO_OPERADOR  from FAT_FINANCEIRA  where CLIENTE = " +
               std::to_string(valores_.financeira));
  const bool existe = !ds.IsEmpty();
  if (existe && !ds.FieldByName("USUARIO_OPERADOR").IsNull())
    valores_.usuario_financiamento = Inteiro(ds, "USUARIO_OPERADOR");
  ds.Close();
  if (!existe) {
    lista_.Adiciona("Financeira [" + codigo + "]");
    lista_.Adiciona(kAvisoFinanceira);
  }
}

void ImportacaoFechamento::ConfereProdutos() {
  std::vector<std::string> sem_equivalente;
  for (const ItemAgregadoOut& item : venda_->itensAgregados) {
    // A code that is not a number cannot be an accessory of the dealer.
    int64_t codigo = 0;
    bool existe = false;
    if (platform::TryStrToInt(platform::Trim(item.codigo), codigo)) {
      platform::SqlDataSet& ds = Consulta(
          "select ACESSORIO  from VEI_ACESSORIO where EMPRESA = " + std::to_string(empresa_) +
          "   and ACESSORIO = " + std::to_string(codigo));
      existe = !ds.IsEmpty();
      ds.Close();
    }
    if (existe)
      acessorios_.insert(codigo);
    else
      sem_equivalente.push_back("[" + item.codigo + "-" + item.descricao + "]");
  }
  if (sem_equivalente.empty()) return;
  lista_.Adiciona(kAvisoProdutos);
  for (const std::string& linha : sem_equivalente) lista_.Adiciona(linha);
}

}  // namespace veiculo::fi_brasil
