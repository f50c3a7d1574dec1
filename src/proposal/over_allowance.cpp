// GravaDiferencaAvaliacaoSaida: books, as an expense of the vehicle sold, the
// amount by which the trade-ins of a negotiation were paid above their
// appraisal.
//
// A trade-in payment is identified "AV." followed by the 7-character
// appraisal number. The expense row is keyed by the vehicle, the proposal (as
// the document), counter 0 and the expense code, so it is replaced rather
// than repeated when the negotiation is booked again. Every failure is
// swallowed and reported as false; rows already written stay written.

#include <exception>
#include <map>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/format/format_float.h"
#include "proposal/proposal_sql.h"

namespace veiculo {

bool TddmVeiculoCompartilhadoBDImpl::GravaDiferencaAvaliacaoSaida(
    const std::string& pfBancoDados, const std::string& pfDataProcessamento, int32_t pfEmpresa,
    int32_t pfRevenda, int32_t pfProposta, int32_t pfNegociacao, int32_t pfDifAvaliacaoSaida) {
  try {
    const DateTime data = platform::StrToDate(pfDataProcessamento);
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

    for (const auto& [veiculo, diferenca] : diferencas) {
      const std::string chave = proposal::Quoted(veiculo);
      proposal::Executa(*sdsExecuta, "delete from VEI_DESPESA_VEICULO where EMPRESA = " + e +
                                         " and VEICULO = " + chave + " and DOCUMENTO = " + p +
                                         " and CONTADOR = 0 and DESPESA = " +
                                         std::to_string(pfDifAvaliacaoSaida));
      std::string valor = platform::FormatFloat("########0.00", diferenca);
      for (char& c : valor)
        if (c == ',') c = '.';
      proposal::Executa(
          *sdsExecuta,
          "insert into VEI_DESPESA_VEICULO (EMPRESA, VEICULO, DOCUMENTO, CONTADOR, DESPESA, TIPO, "
          "DTA_DESPESA_VEICULO, VAL_DESPESA_VEICULO, COMPOE_CUSTO_CONTABIL) values (" +
              e + ", " + chave + ", " + p + ", 0, " + std::to_string(pfDifAvaliacaoSaida) +
              ", 'NF', " + maker::DataPSql(data, pfBancoDados) + ", " + valor + ", 'N')");
    }
    return true;
  } catch (const std::exception&) {
    sdsAux->Close();
    sdsExecuta->Close();
    return false;
  }
}

}  // namespace veiculo
