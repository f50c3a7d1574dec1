// The checks of a managerial approval, in their order: the customer's
// acceptance, the lien's financing company, the financing's approval, the
// minimum price, the trade-in appraisals and the maximum discount. A check
// returns its "NOK|" refusal, or adds a warning when the user's function
// right lets the approval go on.

#include <string>
#include <vector>

#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "proposal/approval.h"
#include "proposal/proposal_sql.h"

namespace veiculo {
namespace {

using proposal::Codigo;
using proposal::Quoted;

// May approve below the minimum price; may grant more than the maximum discount.
constexpr int32_t kFuncaoPrecoMinimo = 322;
constexpr int32_t kFuncaoDesconto = 91;

std::string Num(int64_t value) {
  return std::to_string(value);
}

std::string Percentual(double valor) {
  return platform::FormatFloat("##0.00%", valor);
}

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::VerificaCondicoesAprovacao(Aprovacao& a) {
  if (a.status == "R" && a.aceite_cliente != "S")
    return "NOK|Proposta [" + Num(a.proposta) + "] Sem o Aceite do Cliente.;";
  if (a.alienacao == "S" && a.sem_financeira)
    return "NOK|Veículo com Alienação Necessita uma Financeira.;";
  if (a.integracao_fi != 0 && a.val_financiado > 0 && a.apr_financiamento != "A")
    return "NOK|O Financiamento ainda não foi aprovado.;";
  return "";
}

std::string TddmVeiculoCompartilhadoBDImpl::VerificaPrecoMinimo(Aprovacao& a) {
  if (a.veiculo.empty()) return "";
  platform::SqlDataSet& ds = *sdsConsulta;
  ds.Close();
  ds.SetCommandText(
      "select V.PRECO_MINIMO_COMERCIALIZACAO, V.NOVO_USADO, M.PRECO_MINIMO_COMERCIALIZACAO "
      "PRECO_MINIMO_MODELO, M.PER_PRECO_MINIMO, M.DESCONTO_MAXIMO, V.MODELO, V.COR, OFS.PACOTE, "
      "V.OPCIONAIS, OFS.ANO_FABRICACAO, OFS.ANO_MODELO, V.DTA_COMPRA_FABRICA from VEI_VEICULO V "
      "inner join VEI_MODELO M on (M.EMPRESA = V.EMPRESA and M.MODELO = V.MODELO) left join "
      "OFI_FICHA_SEGUIMENTO OFS on (OFS.CHASSI = V.CHASSI) where V.EMPRESA = " +
      Num(a.empresa) + " and V.VEICULO = " + Quoted(a.veiculo));
  ds.Open();
  if (ds.IsEmpty()) {
    ds.Close();
    return "";
  }
  a.veiculo_lido = true;
  double minimo = ds.FieldByName("PRECO_MINIMO_COMERCIALIZACAO").AsFloat();
  if (minimo == 0 && Codigo(ds.FieldByName("NOVO_USADO").AsText()) == "N")
    minimo = ds.FieldByName("PRECO_MINIMO_MODELO").AsFloat();
  const double percentual = ds.FieldByName("PER_PRECO_MINIMO").AsFloat();
  if (!ds.FieldByName("DESCONTO_MAXIMO").IsNull())
    a.desconto_maximo = ds.FieldByName("DESCONTO_MAXIMO").AsFloat();
  const auto texto = [&ds](const char* campo) { return Codigo(ds.FieldByName(campo).AsText()); };
  a.modelo = texto("MODELO");
  a.cor = texto("COR");
  a.pacote = texto("PACOTE");
  a.opcionais = texto("OPCIONAIS");
  a.ano_fabricacao = texto("ANO_FABRICACAO");
  a.ano_modelo = texto("ANO_MODELO");
  a.dta_compra_fabrica = ds.FieldByName("DTA_COMPRA_FABRICA").AsFloat();
  ds.Close();

  // The model may ask for the price that yields a minimum profit instead.
  if (percentual != 0)
    minimo = CalculaValorCfeLucroDesejado(a.empresa, a.revenda, a.veiculo, "L", "P", percentual,
                                          a.data, a.usa_preco_edicao, a.usa_preco_pacote, nullptr,
                                          DataPacket(), false);
  const double comparado = a.valida_valor_veiculo ? a.val_veiculo : a.val_venda;
  if (minimo == 0 || !(minimo > comparado)) return "";
  const std::string rotulo = a.valida_valor_veiculo ? "valor base do veículo na proposta"
                                                    : "valor total do veículo na proposta";
  const bool permitido = PermissaoFuncao(a.usuario, kFuncaoPrecoMinimo);
  const std::string nao = permitido ? "" : " não";
  const std::string texto_minimo =
      "Veículo [" + a.veiculo + "] possui preço mínimo superior ao " + rotulo + ".\r\nA proposta" +
      nao + " pode ser aprovada, pois o usuário" + nao + " tem a função 322.;";
  if (!permitido) return "NOK|" + texto_minimo;
  a.avisos += texto_minimo;
  return "";
}

std::string TddmVeiculoCompartilhadoBDImpl::VerificaAvaliacoes(Aprovacao& a) {
  platform::SqlDataSet& ds = *sdsConsulta;
  ds.Close();
  ds.SetCommandText(
      "select A.AVALIACAO, A.SITUACAO, A.DTA_VALIDADE from VEI_AVALIACAO_PROPOSTA AP inner join "
      "VEI_AVALIACAO A on (A.EMPRESA = AP.EMPRESA and A.AVALIACAO = AP.AVALIACAO) where "
      "AP.EMPRESA = " +
      Num(a.empresa) + " and AP.REVENDA = " + Num(a.revenda) +
      " and AP.PROPOSTA = " + Num(a.proposta) + " order by A.AVALIACAO");
  ds.Open();
  std::string lista;
  const double dia = platform::DateOf(a.data);
  for (ds.First(); !ds.Eof(); ds.Next()) {
    // An appraisal without a validity date counts as expired.
    const bool vencida = ds.FieldByName("DTA_VALIDADE").AsFloat() < dia;
    if (Codigo(ds.FieldByName("SITUACAO").AsText()) == "A" && !vencida) continue;
    lista += (lista.empty() ? "" : ", ") + Num(ds.FieldByName("AVALIACAO").AsInteger());
  }
  ds.Close();
  if (lista.empty()) return "";
  return "NOK|Avaliação(ões) com data de validade vencida ou não aprovada: " + lista + ";";
}

std::string TddmVeiculoCompartilhadoBDImpl::VerificaDesconto(Aprovacao& a) {
  const double total = a.val_veiculo + a.val_opcional + a.val_frete + a.val_seguro;
  if (!(a.val_desconto > 0) || !(total > 0)) return "";
  const double percentual = a.val_desconto / total * 100;
  if (!(percentual > a.desconto_maximo)) return "";
  const std::string texto = "Desconto concedido [" + Percentual(percentual) +
                            "] maior que o permitido [" + Percentual(a.desconto_maximo) + "].;";
  if (!PermissaoFuncao(a.usuario, kFuncaoDesconto))
    return "NOK|" + texto + "Usuário não possui permissão para esta função.\r\nFunção [" +
           Num(kFuncaoDesconto) + "].;";
  a.avisos += texto;
  return "";
}

}  // namespace veiculo
