// GravaMensagem: a message from one user to another (GER_MENSAGEM), also
// filed under its proposal (VEI_MENSAGEM_PROPOSTA) when it concerns one.
//
// Messages are told apart by their time stamp, so two messages written one
// after the other by one module instance must be at least a second apart. The
// stamp is the processing date with the clock's time of day, moved forward to
// one second after this instance's previous stamp of the same day when it
// would not be later: an approval that notifies ten salespeople takes no ten
// seconds, and a message of an earlier processing date stays on its day.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/text_utils.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "proposal/proposal_sql.h"

namespace veiculo {
namespace {

using proposal::Executa;

constexpr double kSecondsPerDay = 86400;

// Whole seconds since day 0 (the database keeps no fraction of a second).
// Before day 0 the fraction of a serial still counts forward from midnight.
int64_t SegundosDe(double moment) {
  const platform::TimeOfDay t = platform::DecodeTime(moment);
  const int64_t dia = static_cast<int64_t>(platform::DateOf(moment));
  return dia * 86400 + (t.hour * 60 + t.minute) * 60 + t.second;
}

// The day a count of seconds since day 0 falls on.
int64_t DiaDe(int64_t segundos) {
  return segundos >= 0 ? segundos / 86400 : -((-segundos + 86399) / 86400);
}

double MomentoDe(int64_t segundos) {
  const int64_t dia = DiaDe(segundos);
  const double fracao = static_cast<double>(segundos - dia * 86400) / kSecondsPerDay;
  return dia >= 0 ? static_cast<double>(dia) + fracao : static_cast<double>(dia) - fracao;
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::GravaMensagem(DateTime pfDataProcessamento, int32_t pfEmpresa,
                                                   int32_t pfRevenda, int32_t pfUsuarioOri,
                                                   int32_t pfUsuarioDes, int32_t pfProposta,
                                                   const std::string& pfAssunto,
                                                   const std::string& pfMensagem) {
  int64_t segundos = SegundosDe(proposal::AgoraNoDia(pfDataProcessamento, Agora()));
  // The floor holds within the previous stamp's day: a message of an
  // earlier processing date keeps its own day.
  if (tPvUltimaMensagem != 0 && DiaDe(SegundosDe(tPvUltimaMensagem)) == DiaDe(segundos)) {
    const int64_t minimo = SegundosDe(tPvUltimaMensagem) + 1;
    if (segundos < minimo) segundos = minimo;
  }
  const DateTime carimbo = MomentoDe(segundos);
  tPvUltimaMensagem = carimbo;
  // The value lists take the stamp in local form, as AddSQL reads it back.
  const std::string data = platform::DateTimeToStr(carimbo);

  Executa(
      *sdsExecuta,
      "insert into GER_MENSAGEM (DTA_MENSAGEM, USUARIO_ORIGEM, USUARIO_DESTINO, ASSUNTO, "
      "MENSAGEM, SITUACAO) values (" +
          maker::FiltroVirgula(AddSQL(data, "H") + AddSQL(std::to_string(pfUsuarioOri), "N") +
                               AddSQL(std::to_string(pfUsuarioDes), "N") + AddSQL(pfAssunto, "A") +
                               AddSQL(pfMensagem, "A") + AddSQL("N", "A")) +
          ")");
  if (pfProposta > 0) {
    Executa(*sdsExecuta,
            "insert into VEI_MENSAGEM_PROPOSTA (EMPRESA, REVENDA, PROPOSTA, DTA_MENSAGEM, "
            "USUARIO_ORIGEM, USUARIO_DESTINO) values (" +
                maker::FiltroVirgula(AddSQL(std::to_string(pfEmpresa), "N") +
                                     AddSQL(std::to_string(pfRevenda), "N") +
                                     AddSQL(std::to_string(pfProposta), "N") + AddSQL(data, "H") +
                                     AddSQL(std::to_string(pfUsuarioOri), "N") +
                                     AddSQL(std::to_string(pfUsuarioDes), "N")) +
                ")");
  }
}

}  // namespace veiculo
