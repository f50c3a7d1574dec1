// The outcome of a managerial approval, once every check has passed: the
// chosen negotiation is approved, its proposal gets the tax text and the
// approved situation, the vehicle is reserved for the customer, the optional
// values are frozen and the salesperson is told; every other live proposal
// of the same vehicle (or order) and every other negotiation is rejected,
// and the rivals' salespeople are told.
//
// A rival proposal is handled once, whatever number of negotiations it has:
// one message, one contact action and one F&I cancellation each.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "module/maker_utils/sql_literals.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "proposal/approval.h"
#include "proposal/proposal_sql.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using proposal::Executa;
using proposal::Quoted;

std::string Num(int64_t value) {
  return std::to_string(value);
}

// One row of the live proposals in scope, with one of their negotiations.
struct LinhaEscopo {
  int32_t empresa = 0, revenda = 0, proposta = 0;
  bool tem_negociacao = false;
  int32_t negociacao = 0;
  std::string vendedor;  // NULL when the proposal names none
  int32_t usuario_vendedor = 0;
  bool tem_contato = false;
  int32_t contato = 0;
  std::string cliente;  // NULL without a contact's customer
  int32_t proposta_fib = 0;
};

std::string NumOuNull(platform::SqlDataSet& ds, const char* campo) {
  return ds.FieldByName(campo).IsNull() ? "NULL" : Num(ds.FieldByName(campo).AsInteger());
}

std::vector<LinhaEscopo> LeEscopo(platform::SqlDataSet& ds, int32_t empresa,
                                  const std::string& escopo) {
  ds.Close();
  ds.SetCommandText(
      "select P.EMPRESA, P.REVENDA, P.PROPOSTA, N.NEGOCIACAO, N.STATUS, N.APR_GERENCIAL, "
      "P.VENDEDOR, FV.USUARIO, P.SITUACAO, C.CONTATO, C.CLIENTE, P.PROPOSTA_FIB from "
      "VEI_PROPOSTA P left join CAC_CONTATO C on (C.EMPRESA = P.EMPRESA and C.REVENDA = "
      "P.REVENDA and C.CONTATO = P.CONTATO) left join FAT_VENDEDOR FV on (FV.EMPRESA = "
      "P.EMPRESA and FV.REVENDA = P.REVENDA and FV.VENDEDOR = P.VENDEDOR) left join "
      "VEI_NEGOCIACAO N on (N.EMPRESA = P.EMPRESA and N.REVENDA = P.REVENDA and N.PROPOSTA = "
      "P.PROPOSTA) where P.EMPRESA = " +
      Num(empresa) + " and " + escopo +
      " and coalesce(P.SITUACAO, '0') not in ('7', '8', '9') order by P.REVENDA, P.PROPOSTA, "
      "N.NEGOCIACAO");
  ds.Open();
  std::vector<LinhaEscopo> linhas;
  for (ds.First(); !ds.Eof(); ds.Next()) {
    LinhaEscopo l;
    l.empresa = static_cast<int32_t>(ds.FieldByName("EMPRESA").AsInteger());
    l.revenda = static_cast<int32_t>(ds.FieldByName("REVENDA").AsInteger());
    l.proposta = static_cast<int32_t>(ds.FieldByName("PROPOSTA").AsInteger());
    l.tem_negociacao = !ds.FieldByName("NEGOCIACAO").IsNull();
    l.negociacao = static_cast<int32_t>(ds.FieldByName("NEGOCIACAO").AsInteger());
    l.vendedor = NumOuNull(ds, "VENDEDOR");
    l.usuario_vendedor = static_cast<int32_t>(ds.FieldByName("USUARIO").AsInteger());
    l.tem_contato = !ds.FieldByName("CONTATO").IsNull();
    l.contato = static_cast<int32_t>(ds.FieldByName("CONTATO").AsInteger());
    l.cliente = NumOuNull(ds, "CLIENTE");
    l.proposta_fib = static_cast<int32_t>(ds.FieldByName("PROPOSTA_FIB").AsInteger());
    linhas.push_back(l);
  }
  ds.Close();
  return linhas;
}

std::string ChaveNegociacao(const LinhaEscopo& l) {
  return " where EMPRESA = " + Num(l.empresa) + " and REVENDA = " + Num(l.revenda) +
         " and PROPOSTA = " + Num(l.proposta) + " and NEGOCIACAO = " + Num(l.negociacao);
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::AprovaERejeitaPropostas(Aprovacao& a) {
  const std::vector<LinhaEscopo> linhas =
      LeEscopo(*sdsConsulta, a.empresa,
               proposal::EscopoProposta(a.veiculo, a.pedido, a.revenda, a.proposta));
  const DateTime agora = proposal::AgoraNoDia(a.data, Agora());
  bool aprovada = false;
  std::set<std::pair<int32_t, int32_t>> rejeitadas;  // (dealer, proposal) already handled

  for (const LinhaEscopo& l : linhas) {
    const bool esta = l.empresa == a.empresa && l.revenda == a.revenda && l.proposta == a.proposta;
    if (esta && l.tem_negociacao && l.negociacao == a.negociacao) {
      Executa(*sdsExecuta, "update VEI_NEGOCIACAO set USU_GERENCIAL = " + Num(a.usuario) +
                               ", APR_GERENCIAL = 'A', DTA_APR_GERENCIAL = " +
                               maker::DataHoraPSql(agora, sPvBancoDados) + ChaveNegociacao(l));
      if (!a.dif_avaliacao_saida.empty())
        GravaDiferencaAvaliacaoSaida(
            sPvBancoDados, platform::DateToStr(a.data), l.empresa, l.revenda, l.proposta,
            l.negociacao, static_cast<int32_t>(platform::StrToInt(a.dif_avaliacao_saida)));

      platform::ClientDataSet& proposta = *cdsProposta;
      proposta.Close();
      proposta.ParamByName("EMPRESA").SetAsFloat(l.empresa);
      proposta.ParamByName("REVENDA").SetAsFloat(l.revenda);
      proposta.ParamByName("PROPOSTA").SetAsFloat(l.proposta);
      proposta.Open();
      if (!proposta.IsEmpty()) {
        proposta.Edit();
        proposta.FieldByName("NEGOCIACAO_FINAL").SetAsInteger(a.negociacao);
        proposta.FieldByName("SITUACAO").SetAsText("2");
        proposta.FieldByName("OBSERVACAO")
            .SetAsText(proposal::ObservacaoAprovada(a.observacao, a.tributo_federal,
                                                    a.tributo_estadual, a.tributo_municipal));
        proposta.Post();
      }
      proposta.Close();

      Mens_UsuarioDestino = l.usuario_vendedor;
      Mens_Proposta = a.proposta;
      Mens_Assunto = "Proposta Nr.[" + Num(a.proposta) + "/" + Num(a.negociacao) + "] Aprovada";
      Mens_Mensagem = "Aprovada pelo gerente [" + a.nome_gerente + "]";
      if (l.usuario_vendedor > 0)
        GravaMensagem(a.data, l.empresa, l.revenda, a.usuario, Mens_UsuarioDestino, Mens_Proposta,
                      Mens_Assunto, Mens_Mensagem);
      if (l.tem_contato)
        AtualizaContato(l.empresa, l.revenda, l.contato, l.proposta, "APROVAR", "");

      if (!a.veiculo.empty()) {
        const DateTime fim = agora + a.tempo_maximo_reserva / 24.0;
        Executa(*sdsExecuta, "update VEI_VEICULO set CLIENTE_RESERVA = " + l.cliente +
                                 ", EMPRESA_VENDEDOR_RESERVA = " + Num(l.empresa) +
                                 ", REVENDA_VENDEDOR_RESERVA = " + Num(l.revenda) +
                                 ", VENDEDOR_RESERVA = " + l.vendedor +
                                 ", DTA_RESERVA = " + maker::DataPSql(a.data, sPvBancoDados) +
                                 ", DTA_FIM_RESERVA = " + maker::DataHoraPSql(fim, sPvBancoDados) +
                                 ", OBSERVACAO_RESERVA = NULL, RESERVADO = 'S' where EMPRESA = " +
                                 Num(a.empresa) + " and VEICULO = " + Quoted(a.veiculo));
        // Without a chassis there is nothing to freeze, and the proposal's
        // frozen list stays as it is.
        if (!a.chassi.empty()) CongelaValoresDaProposta(a.chassi, l.empresa, l.revenda, l.proposta);
      }
      aprovada = true;
      continue;
    }

    // Any other negotiation in scope is rejected (one still undecided too).
    if (l.tem_negociacao)
      Executa(*sdsExecuta, "update VEI_NEGOCIACAO set USU_GERENCIAL = " + Num(a.usuario) +
                               ", APR_GERENCIAL = 'R', DTA_APR_GERENCIAL = NULL" +
                               ChaveNegociacao(l) +
                               " and (APR_GERENCIAL is null or APR_GERENCIAL <> 'R')");
    if (esta || !rejeitadas.insert({l.revenda, l.proposta}).second) continue;

    Executa(*sdsExecuta,
            "update VEI_PROPOSTA set NEGOCIACAO_FINAL = NULL, SITUACAO = '8' "
            "where EMPRESA = " +
                Num(l.empresa) + " and REVENDA = " + Num(l.revenda) +
                " and PROPOSTA = " + Num(l.proposta));
    Mens_Proposta = l.proposta;
    Mens_UsuarioDestino = l.usuario_vendedor;
    Mens_Assunto = "Proposta Nr.[" + Num(l.proposta) + "] Rejeitada";
    Mens_Mensagem = "Nr. da proposta aprovada [" + Num(a.proposta) + "]";
    if (l.usuario_vendedor > 0)
      GravaMensagem(a.data, l.empresa, l.revenda, a.usuario, Mens_UsuarioDestino, Mens_Proposta,
                    Mens_Assunto, Mens_Mensagem);
    if (l.tem_contato) AtualizaContato(l.empresa, l.revenda, l.contato, l.proposta, "CANCELAR", "");
    if (a.integracao_fi == 2 && l.proposta_fib > 0 && !CancelaVendaRival(a, l.proposta))
      a.avisos_fi +=
          "Não foi possível cancelar a proposta [" + Num(l.proposta) + "] no F&I System.;";
  }
  // The proposal was read live before; not finding it now means it changed
  // under the approval.
  if (!aprovada)
    throw Error(ErrorCategory::NotFound, "AprovacaoGerencialProposta: negotiation " +
                                             Num(a.negociacao) + " of proposal " + Num(a.proposta) +
                                             " is no longer live");
}

}  // namespace veiculo
