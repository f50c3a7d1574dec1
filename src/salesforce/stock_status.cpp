// The stock status letters and states of the staging rows, the load's status
// of a vehicle, and the date literals of the load queries per database kind.

#include <array>
#include <string>

#include <fmt/format.h>

#include "platform/format/date_time.h"
#include "platform/text.h"
#include "salesforce/sales_force_internal.h"
#include "veiculo/error.h"

namespace veiculo {
namespace salesforce {
namespace {

// One line per event, in the enumeration's order: simple status, full
// status, full state ('?' = by the entry invoice).
struct Letras {
  char simples, full, estado;
};
constexpr std::array<Letras, 11> kTabela{{
    {'T', 'D', 'T'},  // Transito
    {'D', 'D', 'E'},  // Estoque
    {'B', 'B', 'E'},  // Transferencia
    {'F', 'F', 'E'},  // Faturado
    {'R', 'R', '?'},  // Reservado
    {'A', 'D', 'E'},  // Alocado
    {'I', 'I', 'E'},  // Inclusao
    {'Q', 'Q', '?'},  // BloqQualidade
    {'C', 'C', '?'},  // BloqComercial
    {'V', 'V', 'E'},  // Devolvido
    {'M', 'M', 'E'},  // Imobilizado
}};

const Letras& LetrasDe(TOperacaoEstoque operacao) {
  return kTabela.at(static_cast<size_t>(operacao));
}

}  // namespace

std::string StatusEstoque(TOperacaoEstoque operacao, bool full) {
  return std::string(1, full ? LetrasDe(operacao).full : LetrasDe(operacao).simples);
}

std::string EstadoEstoque(TOperacaoEstoque operacao, const std::string& status_nf_entrada) {
  const char estado = LetrasDe(operacao).estado;
  if (estado != '?') return std::string(1, estado);
  return status_nf_entrada == "A" ? "T" : "E";
}

TOperacaoEstoque OperacaoDoStatus(const std::string& status) {
  switch (status.empty() ? ' ' : status[0]) {
    case 'A':
      return TOperacaoEstoque::Alocado;
    case 'R':
      return TOperacaoEstoque::Reservado;
    case 'T':
      return TOperacaoEstoque::Transito;
    case 'Q':
      return TOperacaoEstoque::BloqQualidade;
    case 'C':
      return TOperacaoEstoque::BloqComercial;
    case 'V':
      return TOperacaoEstoque::Devolvido;
    case 'M':
      return TOperacaoEstoque::Imobilizado;
    default:
      return TOperacaoEstoque::Estoque;
  }
}

bool NaLista(const std::string& situacao, const std::string& lista) {
  if (situacao.empty()) return false;
  size_t inicio = 0;
  while (inicio <= lista.size()) {
    size_t fim = lista.find(',', inicio);
    if (fim == std::string::npos) fim = lista.size();
    if (platform::Trim(lista.substr(inicio, fim - inicio)) == situacao) return true;
    inicio = fim + 1;
  }
  return false;
}

}  // namespace salesforce

std::string TSalesForce::MontaStatusVeiculo(double pFimReserva, const std::string& pSituacao,
                                            const std::string& pSituacaoTransito,
                                            const std::string& pBloqQualidade,
                                            const std::string& pBloqComercial,
                                            int32_t pProposta) const {
  std::string status = "D";
  if (!pSituacao.empty() && pSituacao == pSituacaoTransito) status = "T";
  if (salesforce::NaLista(pSituacao, pBloqQualidade)) status = "Q";
  if (salesforce::NaLista(pSituacao, pBloqComercial)) status = "C";
  if (pFimReserva > DataProcessamento) status = "R";
  if (pProposta > 0) status = "A";
  if (pSituacao == "IM") status = "M";
  return status;
}

std::string TSalesForce::DataSql(double pData, bool pComHora) const {
  if (pData == 0) return "0";
  const platform::TimeOfDay hora = platform::DecodeTime(pData);
  const platform::CivilDate dia = platform::DecodeDate(pData);
  if (dia.year < 1 || dia.year > 9999)
    throw Error(ErrorCategory::Validation, "TSalesForce: date out of range");
  const std::string ymd = fmt::format("{:04}-{:02}-{:02}", dia.year, dia.month, dia.day);
  const std::string hms = fmt::format("{:02}:{:02}:{:02}", hora.hour, hora.minute, hora.second);
  const std::string& kind = BancoDados;
  if (kind == "ORACLE" || kind == "OR") {
    const std::string dmy = fmt::format("{:02}/{:02}/{:04}", dia.day, dia.month, dia.year);
    return pComHora ? "TO_DATE('" + dmy + " " + hms + "','dd/mm/yyyy HH24:MI:SS')"
                    : "TO_DATE('" + dmy + "','dd/mm/yyyy')";
  }
  if (kind == "SQLSERVER")
    // The "T" form is read the same under every session language and date
    // format; with a blank, some languages read year-day-month.
    return "CAST('" + ymd + "T" + hms + "' AS DATETIME)";
  if (kind == "INFORMIX") {
    if (pComHora) return "TO_DATE('" + ymd + " " + hms + "', '%Y-%m-%d %H:%M:%S')";
    return fmt::format("to_date('{:04}.{:02}.{:02}', '%Y.%m.%d')", dia.year, dia.month, dia.day);
  }
  return pComHora ? "CAST('" + ymd + " " + hms + "' AS TIMESTAMP)" : "CAST('" + ymd + "' AS DATE)";
}

}  // namespace veiculo
