// GravaDiferencaAvaliacaoSaida: books, as an expense of the vehicle sold, the
// amount by which the trade-ins of a negotiation were paid above their
// appraisal.
//
// A trade-in payment is identified "AV." followed by the 7-character
// appraisal number. The expense row is keyed by the vehicle, the proposal (as
// the document), counter 0 and the expense code, so it is replaced rather
// than repeated when the negotiation is booked again.
//
// The database kind and the processing date are checked before any
// statement (veiculo::Error, validation), and both statements of a booking
// are written out before its delete runs: a booking is never deleted for an
// input its insert could not take. Database failures are swallowed and
// reported as false; the caller rolls back what was written.

#include <exception>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_dialect.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "proposal/proposal_sql.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

constexpr char kOperacao[] = "GravaDiferencaAvaliacaoSaida: ";

// The processing date as the host sends it ("2025-03-14" or
// "2025-03-14T10:00:00") or in the local form ("14/03/2025"); its day.
double DataProcessamento(const std::string& texto) {
  double data = 0;
  if (platform::TryStrToDate(texto, data)) return data;
  const bool iso = (texto.size() == 10 || (texto.size() == 19 && texto[10] == 'T')) &&
                   texto[4] == '-' && texto[7] == '-';
  if (iso) {
    try {
      return platform::DateOf(platform::IsoToDateTime(texto));
    } catch (const Error&) {
      // not a date: refused below
    }
  }
  throw Error(ErrorCategory::Validation,
              std::string(kOperacao) + "pfDataProcessamento '" + texto +
                  "' is not a date (dd/mm/yyyy, YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)");
}

}  // namespace

bool TddmVeiculoCompartilhadoBDImpl::GravaDiferencaAvaliacaoSaida(
    const std::string& pfBancoDados, const std::string& pfDataProcessamento, int32_t pfEmpresa,
    int32_t pfRevenda, int32_t pfProposta, int32_t pfNegociacao, int32_t pfDifAvaliacaoSaida) {
  if (maker::DialectFromName(pfBancoDados) == maker::SqlDialect::Unknown)
    throw Error(ErrorCategory::Validation,
                std::string(kOperacao) + "pfBancoDados '" + pfBancoDados +
                    "' is not a database kind (ORACLE, INTERBASE or SQLSERVER)");
  const std::string data = maker::DataPSql(DataProcessamento(pfDataProcessamento), pfBancoDados);
  try {
    const std::string e = std::to_string(pfEmpresa);
    const std::string p = std::to_string(pfProposta);

    // The appraisal number is read only from trade-in payments: the engine may
    // compare the join before it filters the payments, and the text of a cash
    // payment ("DINHEIRO") is no number.
    sdsAux->Close();
    sdsAux->SetCommandText(
        "select VPR.VEICULO, VPA.VAL_PAGAMENTO, VAV.VAL_AVALIACAO, (VPA.VAL_PAGAMENTO - "
        "VAV.VAL_AVALIACAO) DIFERENCA from VEI_PAGAMENTO VPA inner join VEI_AVALIACAO VAV on "
        "(VAV.EMPRESA = VPA.EMPRESA and VAV.AVALIACAO = case when VPA.IDENTIFICACAO like 'AV.%' "
        "then SubStr(VPA.IDENTIFICACAO,4,7) end and "
        "VAV.VAL_AVALIACAO < VPA.VAL_PAGAMENTO) inner join VEI_PROPOSTA VPR on (VPR.EMPRESA = "
        "VPA.EMPRESA and VPR.REVENDA = VPA.REVENDA and VPR.PROPOSTA = VPA.PROPOSTA) where "
        "VPA.EMPRESA = " +
        e + " and VPA.REVENDA = " + std::to_string(pfRevenda) +
        " and VPA.NEGOCIACAO = " + std::to_string(pfNegociacao) + " and VPA.PROPOSTA = " + p +
        " and VPA.IDENTIFICACAO like 'AV.%'");
    sdsAux->Open();
    // Two trade-ins of one negotiation share the expense key: their
    // differences are booked together instead of the last one replacing the
    // first. A proposal without a vehicle has nothing to book on.
    std::map<std::string, double> diferencas;
    for (; !sdsAux->Eof(); sdsAux->Next()) {
      const double diferenca = sdsAux->FieldByName("DIFERENCA").AsFloat();
      const std::string veiculo = sdsAux->FieldByName("VEICULO").AsText();
      if (diferenca > 0 && !veiculo.empty()) diferencas[veiculo] += diferenca;
    }
    sdsAux->Close();

    // Every statement is written out first: nothing is deleted for a booking
    // whose insert could not be built.
    std::vector<std::pair<std::string, std::string>> lancamentos;  // delete, insert
    for (const auto& [veiculo, diferenca] : diferencas) {
      const std::string chave = proposal::Quoted(veiculo);
      std::string valor = platform::FormatFloat("########0.00", diferenca);
      for (char& c : valor)
        if (c == ',') c = '.';
      lancamentos.emplace_back(
          "delete from VEI_DESPESA_VEICULO where EMPRESA = " + e + " and VEICULO = " + chave +
              " and DOCUMENTO = " + p +
              " and CONTADOR = 0 and DESPESA = " + std::to_string(pfDifAvaliacaoSaida),
          "insert into VEI_DESPESA_VEICULO (EMPRESA, VEICULO, DOCUMENTO, CONTADOR, DESPESA, TIPO, "
          "DTA_DESPESA_VEICULO, VAL_DESPESA_VEICULO, COMPOE_CUSTO_CONTABIL) values (" +
              e + ", " + chave + ", " + p + ", 0, " + std::to_string(pfDifAvaliacaoSaida) +
              ", 'NF', " + data + ", " + valor + ", 'N')");
    }
    for (const auto& [apaga, insere] : lancamentos) {
      proposal::Executa(*sdsExecuta, apaga);
      proposal::Executa(*sdsExecuta, insere);
    }
    return true;
  } catch (const std::exception&) {
    sdsAux->Close();
    sdsExecuta->Close();
    return false;
  }
}

}  // namespace veiculo
