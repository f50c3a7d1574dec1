// SQL texts of the entry-invoice values.

#include "value_sources/entry_invoice_sql.h"

#include "platform/text.h"

namespace veiculo::value_sources {
namespace {

std::string Quoted(const std::string& text) {
  return "'" + platform::QuoteDoubled(text) + "'";
}

// One select of purchase invoices of the vehicle at one dealer; `status` is
// the status condition that follows "MC.STATUS".
std::string PurchaseSelect(const std::string& veiculo, int32_t empresa, int32_t revenda,
                           const std::string& status) {
  return "select MC.VAL_FRETE_PF, MC.TOT_NOTA_FISCAL, MC.VALDESCONTO, "
         "      MV.VAL_PIS_SUBTRIBUTARIA, MV.VAL_COFINS_SUBTRIBUTARIA, "
         "      MV.VAL_PIS, MV.VAL_COFINS, "
         "      MV.VAL_ICMS, MV.VAL_ICMS_RETIDO, MV.VAL_IPI, "
         "      MV.VAL_MAJORACAO_COFINS, MV.VALOR_ICMSRET_ARECOLHER "
         "  from FAT_MOVIMENTO_VEICULO MV, FAT_MOVIMENTO_CAPA MC"
         " where MV.VEICULO = " +
         Quoted(veiculo) + "   and MC.EMPRESA = " + std::to_string(empresa) +
         "   and MC.REVENDA = " + std::to_string(revenda) + "   and MC.MODALIDADE = 'C'" +
         "   and MC.STATUS " + status + "   and MC.EMPRESA = MV.EMPRESA" +
         "   and MC.REVENDA = MV.REVENDA" + "   and MC.NUMERO_NOTA_FISCAL = MV.NUMERO_NOTA_FISCAL" +
         "   and MC.SERIE_NOTA_FISCAL = MV.SERIE_NOTA_FISCAL" +
         "   and MC.TIPO_TRANSACAO = MV.TIPO_TRANSACAO" + "   and MC.CONTADOR = MV.CONTADOR";
}

}  // namespace

std::string EntryDealerAndFreightDateSql(const std::string& veiculo, int32_t empresa) {
  return "select v.REVENDA_NFENTRADA, f.DTA_ENTRADA_SAIDA DTA_FRETE "
         "  from VEI_VEICULO v "
         "  left outer join FAT_MOVIMENTO_CAPA f "
         "   on (f.EMPRESA = v.EMPRESA_NFFRETE and "
         "       f.REVENDA = v.REVENDA_NFFRETE and "
         "       f.NUMERO_NOTA_FISCAL = v.NUMERO_NOTA_FISCAL_NFFRETE and "
         "       f.SERIE_NOTA_FISCAL = v.SERIE_NOTA_FISCAL_NFFRETE and "
         "       f.TIPO_TRANSACAO = v.TIPO_TRANSACAO_NFFRETE and "
         "       f.CONTADOR = v.CONTADOR_NFFRETE) "
         " where v.VEICULO = " +
         Quoted(veiculo) + "   and v.EMPRESA = " + std::to_string(empresa);
}

std::string PurchaseInvoicesSql(const std::string& veiculo, int32_t empresa, int32_t revenda,
                                int32_t revenda_nfentrada) {
  std::string sql = PurchaseSelect(veiculo, empresa, revenda, "IN ('F', 'A')");
  // "union all": a plain union would merge two purchase invoices whose
  // amounts happen to be equal and count them once.
  if (revenda_nfentrada != revenda) {
    sql += " union all " + PurchaseSelect(veiculo, empresa, revenda_nfentrada, "= 'F'");
  }
  return sql;
}

}  // namespace veiculo::value_sources
