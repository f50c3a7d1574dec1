// The checks of a proposal rejection, run before anything is written: the
// proposal's situation, the maker's online-sale order and the receivable
// titles. Each refusal is the "NOK|" text the salesperson sees.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/text.h"
#include "proposal/proposal_sql.h"
#include "proposal/rejection.h"

namespace veiculo {
namespace proposal {

std::optional<std::string> PrimeiroValor(platform::SqlDataSet& ds, const std::string& sql) {
  ds.Close();
  ds.SetCommandText(sql);
  ds.Open();
  std::optional<std::string> valor;
  if (!ds.IsEmpty()) valor = platform::Trim(ds.Fields(0).AsText());
  ds.Close();
  return valor;
}

std::string TextoSituacaoImpeditiva(const std::string& descricao) {
  return "Proposta com situação [" + descricao +
         "] não pode ser cancelada.\r\n\r\nSolicite ao responsável pela aprovação que reprove a "
         "solicitação para que seja possível o cancelamento da proposta. \r\n\r\nSe estiver com "
         "aprovação financeira no menu: [Veículos - Atendimento - Aprovação Financeira "
         "Propostas]. \r\n\r\nSe estiver com aprovação gerencial no menu: [Veículos - "
         "Atendimento - Aprovação Gerencial Propostas]. ";
}

}  // namespace proposal

namespace {

using proposal::PrimeiroValor;
using proposal::Quoted;

constexpr const char* kRecusaAdiantamento =
    "NOK|Para cancelar proposta com Titulo a Receber vinculado, o Adiantamento deve estar "
    "totalmente pago.;";
constexpr const char* kRecusaTituloAberto =
    "NOK|Proposta com Título a Receber vinculado. Para cancelar a proposta o mesmo deve ser "
    "baixado contra o adiantamento.;";

std::string Num(int64_t value) {
  return std::to_string(value);
}

std::string Maiusculas(std::string text) {
  return platform::UpperCase(text);
}

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::RecusaRejeicao(RejeicaoProposta& r) {
  const std::string chave = " where EMPRESA = " + Num(r.empresa) +
                            " and REVENDA = " + Num(r.revenda) +
                            " and PROPOSTA = " + Num(r.proposta);
  // Situations past the point where the dealer may cancel.
  if (r.situacao == "F") return "NOK|" + proposal::TextoSituacaoImpeditiva(r.descricao) + ";";
  if (r.situacao == "5")
    return "NOK|" + proposal::TextoSituacaoImpeditiva("Aprovada (Financeiro)") + ";";

  // An order of the maker's online sale is cancelled through the maker.
  sdsAux->Close();
  sdsAux->SetCommandText(
      "select RSP.FASE_OPORTUNIDADE, RSP.SUB_ORIGEM_OPORTUNIDADE from REN_SALES_PEDIDO RSP, "
      "REN_PARAMETRO RP where RSP.NUMERO_DN = 7600000 + RP.NUMERO_DN and RP.EMPRESA = " +
      Num(r.empresa) + " and RP.REVENDA = " + Num(r.revenda) +
      " and RSP.NUMERO_PEDIDO_DMS = " + Num(r.proposta) + " and RP.INTEGRA_KCOMMERCE = 'S'");
  sdsAux->Open();
  bool online = false;
  for (sdsAux->First(); !sdsAux->Eof(); sdsAux->Next()) {
    const std::string fase = Maiusculas(platform::Trim(sdsAux->Fields(0).AsText()));
    const std::string origem = Maiusculas(platform::Trim(sdsAux->Fields(1).AsText()));
    if (fase != "CANCELADO" && fase != "CANCELED" && origem == "KCOMMERCE") online = true;
  }
  sdsAux->Close();
  if (online)
    return "NOK|O cancelamento de propostas do K-Commerce deve ser realizado via SAC Renault.;";

  // What the rest of the rejection needs to know.
  r.enviada_analise = PrimeiroValor(*sdsAux, "select count(*) from VEI_NEGOCIACAO" + chave +
                                                 " and DTA_ENVIO_ANALISE is not null")
                          .value_or("0") != "0";
  sdsAux->Close();
  sdsAux->SetCommandText("select CHASSI, NUMERO_NOTA_NFENTRADA from VEI_VEICULO where EMPRESA = " +
                         Num(r.empresa) + " and VEICULO = " + Quoted(r.veiculo));
  sdsAux->Open();
  if (!sdsAux->IsEmpty()) {
    r.chassi = platform::Trim(sdsAux->FieldByName("CHASSI").AsText());
    r.nota_entrada = sdsAux->FieldByName("NUMERO_NOTA_NFENTRADA").AsInteger();
  }
  sdsAux->Close();
  const std::string devolver =
      PrimeiroValor(*sdsAux,
                    "select DEVOLVER_PROPOSTA_COM_TITULOS from VEI_PARAMETRO where "
                    "EMPRESA = " +
                        Num(r.empresa) + " and REVENDA = " + Num(r.revenda))
          .value_or("");
  const std::string situacao_contato =
      PrimeiroValor(*sdsAux, "select SITUACAO from CAC_CONTATO where EMPRESA = " + Num(r.empresa) +
                                 " and REVENDA = " + Num(r.revenda) +
                                 " and CONTATO = " + Num(r.contato))
          .value_or("");
  // A proposal returned with its titles open: allowed by the dealer, for a
  // live contact, when no cancellation is logged on it.
  r.isencao_titulos = devolver == "S" && situacao_contato == "A" && !r.gerar_providencia;

  // Receivable titles: the first status in order counts.
  const auto titulo = [&](const char* tipo) {
    return PrimeiroValor(*sdsAux, "select STATUS from FIN_TITULO" + chave + " and TIPO = '" + tipo +
                                      "' order by STATUS");
  };
  const std::optional<std::string> receber = titulo("CR");
  if (!receber) return "";
  if (*receber == "PT") {
    const std::optional<std::string> adiantamento = titulo("AD");
    if (!adiantamento || *adiantamento == "PT" || r.isencao_titulos) return "";
    return kRecusaAdiantamento;
  }
  if (r.isencao_titulos) return "";
  if (*receber != "CA") return kRecusaTituloAberto;
  const std::optional<std::string> adiantamento = titulo("AD");
  if (!adiantamento || *adiantamento == "CA") return "";
  return kRecusaAdiantamento;
}

}  // namespace veiculo
