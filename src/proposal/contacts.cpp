// What happened to a proposal, recorded on its customer contact: the contact
// is closed on a cancellation and reopened on a reopening, and every event is
// logged as an action (CAC_PROVIDENCIA) of the contact. For dealers of the
// "RENA" brand the contact also carries the lead status that the brand's
// lead follow-up reads.

#include <cmath>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "platform/text.h"
#include "proposal/proposal_sql.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using proposal::Executa;
using proposal::Quoted;

std::string Num(int64_t value) {
  return std::to_string(value);
}

// The contact form is spliced into SQL unquoted, so it must be a whole number.
bool IsInteger(const std::string& text) {
  size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

// Whole minutes between two moments, whatever their order.
int64_t MinutosEntre(double a, double b) {
  return std::llround(std::fabs(a - b) * 86400000.0) / 60000;
}

struct Acao {
  const char* tipo;    // TIPO_PROVIDENCIA
  const char* agenda;  // AGENDA_TIPO_PROV
};

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::AtualizaContato(int32_t pfEmpresa, int32_t pfRevenda,
                                                     int32_t pfContato, int32_t pfProposta,
                                                     const std::string& pfSituacao,
                                                     const std::string& pfFormaContato) {
  // Everything is checked before the first statement: nothing is written for
  // an action the contact log does not know.
  Acao acao{};
  if (pfSituacao == "CANCELAR")
    acao = {"F", "T"};
  else if (pfSituacao == "REABRIR" || pfSituacao == "APROVAR")
    acao = {"C", "M"};
  else
    throw Error(ErrorCategory::Validation, "AtualizaContato: unknown action '" + pfSituacao +
                                               "' (expected CANCELAR, REABRIR or APROVAR)");
  // The action is stamped with the processing date: without one it would be
  // dated 30/12/1899.
  if (tPvDataProcessamento == 0)
    throw Error(ErrorCategory::Validation,
                "AtualizaContato: the processing date is not set (set tPvDataProcessamento)");
  // The dealer's default contact form, read without disturbing the
  // parameters the caller has loaded (they may be another dealer's).
  const std::string forma =
      pfFormaContato.empty()
          ? platform::Trim(ColunaParametro(pfEmpresa, pfRevenda, "FORMA_CONTATO"))
          : pfFormaContato;
  if (!forma.empty() && !IsInteger(forma))
    throw Error(ErrorCategory::Validation,
                "AtualizaContato: contact form '" + forma + "' is not a number");

  const std::string chave = " where EMPRESA = " + Num(pfEmpresa) +
                            " and REVENDA = " + Num(pfRevenda) + " and CONTATO = " + Num(pfContato);
  sdsAux->Close();
  sdsAux->SetCommandText("select max(PROVIDENCIA) PROVIDENCIA from CAC_PROVIDENCIA" + chave);
  sdsAux->Open();
  const int64_t providencia = sdsAux->FieldByName("PROVIDENCIA").AsInteger() + 1;
  sdsAux->Close();

  sdsAux->SetCommandText("select * from CAC_CONTATO" + chave);
  sdsAux->Open();
  // An action of a contact that does not exist would be an orphan row.
  if (sdsAux->IsEmpty()) {
    sdsAux->Close();
    throw Error(ErrorCategory::NotFound, "AtualizaContato: contact " + Num(pfContato) +
                                             " of dealer " + Num(pfEmpresa) + "/" + Num(pfRevenda) +
                                             " does not exist");
  }
  const Value dta_contato = sdsAux->FieldByName("DTA_CONTATO").AsValue();
  const Value encaminhado = sdsAux->FieldByName("USUARIO_ENCAMINHADO_ORIGINAL").AsValue();
  sdsAux->Close();

  const DateTime agora = proposal::AgoraNoDia(tPvDataProcessamento, Agora());
  const std::string agora_sql = maker::DataHoraPSql(agora, sPvBancoDados);
  const bool renault = sPvMarca == "RENA";
  std::string sub_tipo = "N";
  std::string descricao;
  if (pfSituacao == "CANCELAR") {
    Executa(*sdsExecuta, "update CAC_CONTATO set SITUACAO = 'F', RESULTADO = 'P', " +
                             std::string(renault ? "STATUS_LEADS = 6, " : "") +
                             "DTA_FECHAMENTO = " + agora_sql + chave);
    sub_tipo = "P";
    descricao = "CANCELAMENTO DA PROPOSTA NR.[" + Num(pfProposta) + "]";
  } else if (pfSituacao == "REABRIR") {
    std::string leads;
    if (renault) {
      // A reopened lead still inside the alert window's start is told apart (4).
      const int32_t status =
          BuscaStatusLeads(pfEmpresa, pfRevenda, dta_contato.AsDateTime(), 1, agora);
      leads = ", STATUS_LEADS = " + Num(status == 1 ? 4 : status);
    }
    Executa(*sdsExecuta,
            "update CAC_CONTATO set SITUACAO = 'A', RESULTADO = NULL, DTA_FECHAMENTO = NULL" +
                leads + chave);
    descricao = "REABERTURA DA PROPOSTA NR.[" + Num(pfProposta) + "]";
  } else {
    descricao = "APROVACAO GERENCIAL. " + Mens_Assunto + ". " + Mens_Mensagem;
  }

  Executa(*sdsExecuta,
          "insert into CAC_PROVIDENCIA (EMPRESA, REVENDA, CONTATO, PROVIDENCIA, USUARIO, "
          "FORMA_CONTATO, SUB_TIPO_PROVIDENCIA, ATIVO_PASSIVO, USUARIO_ENCAMINHADO, "
          "TIPO_PROVIDENCIA, AGENDA_TIPO_PROV, DTA_PROVIDENCIA, DES_PROVIDENCIA, "
          "POSSIBILIDADE_FECHAR) values (" +
              Num(pfEmpresa) + ", " + Num(pfRevenda) + ", " + Num(pfContato) + ", " +
              Num(providencia) + ", " + Num(iPvUsuario) + ", " + (forma.empty() ? "NULL" : forma) +
              ", " + Quoted(sub_tipo) + ", 'P', " +
              (encaminhado.IsNull() ? "NULL" : Num(encaminhado.AsInteger())) + ", " +
              Quoted(acao.tipo) + ", " + Quoted(acao.agenda) + ", " + agora_sql + ", " +
              Quoted(descricao) + ", 0)");
}

int32_t TddmVeiculoCompartilhadoBDImpl::BuscaStatusLeads(int32_t pfEmpresa, int32_t pfRevenda,
                                                         DateTime pfDataContato,
                                                         int32_t pfStatusAtual,
                                                         DateTime pfDataReferencia) {
  // Days off between the contact and the reference do not count as waiting.
  // The range runs from the contact to the reference (the other way round it
  // holds no day at all); on the processing day only the part of the day up
  // to the reference counts.
  const int64_t minutos = MinutosEntre(pfDataContato, pfDataReferencia) -
                          NroFeriados(sPvBancoDados, pfEmpresa, pfRevenda, tPvDataProcessamento,
                                      pfDataContato, pfDataReferencia);
  const double horas = static_cast<double>(minutos) / 60.0;

  sdsAux->Close();
  sdsAux->SetCommandText(
      "select HORA_ALERTA_INI, HORA_ALERTA_FIM from CAC_PARAMETRO where EMPRESA = " +
      Num(pfEmpresa) + " and REVENDA = " + Num(pfRevenda));
  sdsAux->Open();
  double inicio = 0;
  double fim = 0;
  if (!sdsAux->IsEmpty()) {
    inicio = sdsAux->FieldByName("HORA_ALERTA_INI").AsFloat();
    fim = sdsAux->FieldByName("HORA_ALERTA_FIM").AsFloat();
  }
  sdsAux->Close();

  if (pfStatusAtual != 1 && pfStatusAtual != 2) return pfStatusAtual;
  if (inicio >= horas) return 1;
  if (fim >= horas) return 2;
  return 3;
}

}  // namespace veiculo
