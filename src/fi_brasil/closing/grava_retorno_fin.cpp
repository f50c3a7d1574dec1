// GravaRetornoFin: one financial return line of a negotiation. The amount
// goes on the account's entry (credit or debit) of a return of the account's
// type, found or created, and the return's value becomes its credits minus
// its debits.

#include <cmath>

#include "fi_brasil/closing/importacao_fechamento.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "module/maker_utils/text_utils.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo {

using fi_brasil::TextoSql;
using fi_brasil::ValorSql;

bool TddmVeiculoCompartilhadoBDImpl::GravaRetornoFin(
    int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta, int32_t pfNegociacao,
    int32_t pfFinanceira, int32_t pfContaFI, const std::string& pfDescricaoFI, double pfValorFI,
    double pfComissao, DateTime pfDataProcessamento, std::string& pfSQLText,
    std::string& pfSQLEMessage) {
  const std::string integrado = pfSQLText == "FI_INTEGRACAO" ? "S" : "N";
  pfSQLText.clear();
  pfSQLEMessage.clear();
  const std::string lcto = pfValorFI >= 0 ? "C" : "D";
  const double valor = std::fabs(pfValorFI);
  const std::string e = std::to_string(pfEmpresa), r = std::to_string(pfRevenda),
                    p = std::to_string(pfProposta), n = std::to_string(pfNegociacao),
                    conta = std::to_string(pfContaFI);
  const std::string chave = "EMPRESA    = " + e + "   AND REVENDA    = " + r +
                            "   AND PROPOSTA   = " + p + "   AND NEGOCIACAO = " + n;
  const auto consulta = [&](const std::string& sql) -> platform::SqlDataSet& {
    pfSQLText = sql;
    sdsConsulta->Close();
    sdsConsulta->SetCommandText(sql);
    sdsConsulta->Open();
    return *sdsConsulta;
  };
  const auto executa = [&](const std::string& sql) {
    pfSQLText = sql;
    sdsExecuta->Close();
    sdsExecuta->SetCommandText(sql);
    sdsExecuta->ExecSQL();
    sdsExecuta->Close();
  };
  try {
    platform::SqlDataSet& tipo_ds =
        consulta("SELECT TIPO_RETORNO   FROM VEI_CONTA_FI  WHERE EMPRESA = " + e +
                 "   AND CONTA = " + conta);
    const std::string tipo = tipo_ds.IsEmpty() ? "" : platform::Trim(tipo_ds.Fields(0).AsText());
    sdsConsulta->Close();
    // Without the account's type the line could never be found or valued again.
    if (tipo.empty())
      throw Error(ErrorCategory::NotFound,
                  "Conta FI " + conta + " sem tipo de retorno cadastrado (VEI_CONTA_FI).");

    // A card fee is added to the return that holds the same account's entry;
    // any other line to the return of the same type and customer.
    std::string busca;
    if (tipo == "TAXA CARTAO")
      busca =
          "SELECT VRT.SEQUENCIA, VRT.FIB_INTEGRADO FROM VEI_RETORNO VRT, VEI_RETORNO_CONTA VRC "
          " WHERE VRT.EMPRESA    = " +
          e + "   AND VRT.REVENDA    = " + r + "   AND VRT.PROPOSTA   = " + p +
          "   AND VRT.NEGOCIACAO = " + n + "   AND VRT.TIPO_RETORNO = " + TextoSql(tipo) +
          "   AND VRC.EMPRESA    = VRT.EMPRESA   AND VRC.REVENDA    = VRT.REVENDA"
          "   AND VRC.PROPOSTA   = VRT.PROPOSTA   AND VRC.NEGOCIACAO = VRT.NEGOCIACAO"
          "   AND VRC.SEQUENCIA  = VRT.SEQUENCIA   AND VRC.TIPO_LCTO    = '" +
          lcto + "'   AND VRC.CONTA        = " + conta;
    else
      // Only a customer above 0 is ever written on a return: any other is none.
      busca = "SELECT SEQUENCIA FROM VEI_RETORNO  WHERE " + chave +
              "   AND TIPO_RETORNO = " + TextoSql(tipo) +
              (pfFinanceira > 0 ? "   AND CLIENTE    = " + std::to_string(pfFinanceira)
                                : std::string("   AND CLIENTE IS NULL "));
    platform::SqlDataSet& achado = consulta(busca + " ORDER BY 1");
    int64_t sequencia = achado.IsEmpty() ? 0 : achado.Fields(0).AsInteger();
    sdsConsulta->Close();

    if (sequencia == 0) {
      platform::SqlDataSet& maximo =
          consulta("SELECT MAX(SEQUENCIA) SEQUENCIA FROM VEI_RETORNO WHERE " + chave);
      sequencia = maximo.Fields(0).AsInteger() + 1;
      sdsConsulta->Close();
      const std::string vazio;
      executa(
          "INSERT INTO VEI_RETORNO (EMPRESA, REVENDA, PROPOSTA,       NEGOCIACAO, SEQUENCIA, "
          "TIPO_RETORNO,        VAL_REFERENCIA, VAL_ADIANTAMENTO, VAL_RETORNO,       VAL_COMISSAO, "
          "DTA_VENCIMENTO, DTA_RECEBIMENTO,       VAL_RECEBIDO, NUMERO_NOTA_FISCAL, "
          "SERIE_NOTA_FISCAL,       TIPO_TRANSACAO, CONTADOR, PER_IRRF, VAL_IRRF,       "
          "PER_RETORNO, PER_COMISSAO, CONTROLE, VAL_TAC,       VAL_TAC_REC, DTA_TAC_REC, "
          "NUMERO_NOTA_FISCAL_TAC,       SERIE_NOTA_FISCAL_TAC, TIPO_TRANSACAO_TAC,       "
          "CONTADOR_TAC, OBSERVACAO, SITUACAO, MOTIVO,       FIB_INTEGRADO, DTA_LANCAMENTO) "
          "VALUES (" +
          maker::FiltroVirgula(
              AddSQL(e, "N") + AddSQL(r, "N") + AddSQL(p, "N") + AddSQL(n, "N") +
              AddSQL(std::to_string(sequencia), "N") + AddSQL(tipo, "A") + AddSQL(vazio, "F") +
              AddSQL(vazio, "F") + AddSQL(vazio, "F") + AddSQL(ValorSql(pfComissao), "N") +
              AddSQL(vazio, "D") + AddSQL(vazio, "D") + AddSQL(vazio, "F") + AddSQL(vazio, "N") +
              AddSQL(vazio, "A") + AddSQL(vazio, "A") + AddSQL(vazio, "N") + AddSQL(vazio, "F") +
              AddSQL(vazio, "F") + AddSQL(vazio, "F") + AddSQL(vazio, "F") + AddSQL(vazio, "A") +
              AddSQL(vazio, "F") + AddSQL(vazio, "F") + AddSQL(vazio, "D") + AddSQL(vazio, "N") +
              AddSQL(vazio, "A") + AddSQL(vazio, "A") + AddSQL(vazio, "N") +
              AddSQL(pfDescricaoFI, "A") + AddSQL("A", "A") + AddSQL(vazio, "N") +
              AddSQL(integrado, "A")) +
          ", " + maker::DataHoraPSql(pfDataProcessamento, sPvBancoDados) + ")");
    }

    const std::string seq = std::to_string(sequencia);
    const std::string entrada = " WHERE EMPRESA = " + e + "   AND REVENDA = " + r +
                                "   AND PROPOSTA = " + p + "   AND NEGOCIACAO = " + n +
                                "   AND SEQUENCIA = " + seq + "   AND CONTA = " + conta +
                                "   AND TIPO_LCTO = '" + lcto + "'";
    platform::SqlDataSet& lancamento = consulta("SELECT VALOR FROM VEI_RETORNO_CONTA" + entrada);
    const bool existe = !lancamento.IsEmpty();
    sdsConsulta->Close();
    if (existe)
      executa("UPDATE VEI_RETORNO_CONTA    SET VALOR = " + ValorSql(valor) + entrada);
    else
      executa(
          "INSERT INTO VEI_RETORNO_CONTA (EMPRESA, REVENDA, PROPOSTA,       NEGOCIACAO, "
          "SEQUENCIA, CONTA, TIPO_LCTO, VALOR) VALUES (" +
          e + ", " + r + ", " + p + ", " + n + ", " + seq + ", " + conta + ", '" + lcto + "', " +
          ValorSql(valor) + ")");

    // The value of this return only: every key column restricts the update.
    std::string recalcula =
        "update vei_retorno set vei_retorno.val_retorno = (select sum(case when tipo_lcto = 'C' "
        "then valor else valor*-1 end)                               from vei_retorno_conta       "
        "                       where empresa = vei_retorno.empresa                                "
        "and revenda = vei_retorno.revenda                                and proposta = "
        "vei_retorno.proposta                                and negociacao = "
        "vei_retorno.negociacao                                and sequencia = "
        "vei_retorno.sequencia) ";
    if (pfFinanceira > 0) recalcula += " ,vei_retorno.cliente = " + std::to_string(pfFinanceira);
    if (pfComissao != 0) recalcula += " ,vei_retorno.val_comissao = " + ValorSql(pfComissao);
    executa(recalcula + "     where vei_retorno.empresa = " + e +
            "       and vei_retorno.revenda = " + r + "       and vei_retorno.proposta = " + p +
            "       and vei_retorno.negociacao = " + n + "       and vei_retorno.sequencia = " +
            seq + "       and vei_retorno.tipo_retorno = " + TextoSql(tipo));
    return true;
  } catch (const std::exception& erro) {
    sdsConsulta->Close();
    sdsExecuta->Close();
    const auto* proprio = dynamic_cast<const Error*>(&erro);
    pfSQLEMessage = proprio != nullptr ? proprio->message() : erro.what();
    return false;
  }
}

}  // namespace veiculo
