// The internal-sales statement: a sum over a UNION ALL of one branch per kind
// of internal sale.

#include "value_sources/internal_sales_sql.h"

#include <string>

namespace veiculo::value_sources {
namespace {

// Join of a detail table (items, services) to its invoice header.
std::string InvoiceJoin(const std::string& detail, const std::string& header) {
  std::string sql;
  for (const char* column : {"EMPRESA", "REVENDA", "NUMERO_NOTA_FISCAL", "SERIE_NOTA_FISCAL",
                             "TIPO_TRANSACAO", "CONTADOR"}) {
    sql += (sql.empty() ? "" : " AND ") + detail + "." + column + " = " + header + "." + column;
  }
  return sql;
}

// Join of two tables on (EMPRESA, REVENDA, CONTATO).
std::string ContactJoin(const std::string& a, const std::string& b) {
  return " AND " + a + ".EMPRESA = " + b + ".EMPRESA AND " + a + ".REVENDA = " + b +
         ".REVENDA AND " + a + ".CONTATO = " + b + ".CONTATO";
}

std::string CompanyFilter(const InternalSaleQuery& q) {
  return q.empresa.empty() ? "" : "     AND ATE.EMPRESA             = " + q.empresa;
}

std::string PeriodFilter(const InternalSaleQuery& q, const std::string& invoice_date) {
  return (q.periodo_pela_nota ? " AND " + invoice_date : std::string(" AND CCO.DTA_CONTATO")) +
         " between " + q.inicio + " AND " + q.fim;
}

std::string ChassisFilter(const InternalSaleQuery& q) {
  return "     AND ATE.CHASSI              = " + q.chassi;
}

// Parts (FMI) or services (FMS) sold on finished sale invoices of the chassis.
std::string SoldBranch(const InternalSaleQuery& q, const std::string& value,
                       const std::string& detail_table, const std::string& detail) {
  return " SELECT SUM(" + value + ") VALOR" + "   FROM " + detail_table + " " + detail +
         ", FAT_MOVIMENTO_CAPA FMC1, OFI_ATENDIMENTO ATE, FAT_TIPO_TRANSACAO TT, CAC_CONTATO CCO" +
         "  WHERE " + InvoiceJoin(detail, "FMC1") + ContactJoin("FMC1", "ATE") +
         ContactJoin("FMC1", "CCO") + CompanyFilter(q) + PeriodFilter(q, "FMC1.DTA_ENTRADA_SAIDA") +
         ChassisFilter(q) + "     AND FMC1.TIPO_TRANSACAO = TT.TIPO_TRANSACAO" +
         "     AND FMC1.STATUS = 'F'" + "     AND TT.TIPO = 'S'" +
         "     AND TT.TIPO_TRANSACAO IN (" + q.transacoes + ")";
}

// Returned parts: one negative total per return invoice of an internal sale
// of the chassis. Each return counts once however many rows the joins give,
// and two returns of the same amount count twice.
std::string ReturnedPartsBranch(const InternalSaleQuery& q) {
  return std::string("  SELECT DEV.VALOR FROM (") +
         "  SELECT distinct FMC_NFDEV.EMPRESA, FMC_NFDEV.REVENDA, FMC_NFDEV.NUMERO_NOTA_FISCAL,"
         " FMC_NFDEV.SERIE_NOTA_FISCAL, FMC_NFDEV.TIPO_TRANSACAO, FMC_NFDEV.CONTADOR,"
         " FMI_NFDEV.VALOR" +
         "    FROM FAT_MOVIMENTO_CAPA FMC_NFDEV," +
         "         (SELECT FMI.EMPRESA, FMI.REVENDA, FMI.NUMERO_NOTA_FISCAL, FMI.SERIE_NOTA_FISCAL,"
         " FMI.TIPO_TRANSACAO, FMI.CONTADOR," +
         " sum(coalesce(FMI.VAL_TOTAL_REAL_ITEM, 0) - coalesce(FMI.VAL_DESCONTO, 0) +"
         " coalesce(FMI.VAL_FRETE, 0)) * -1 VALOR" +
         "            FROM FAT_MOVIMENTO_ITEM FMI" +
         "           GROUP BY FMI.EMPRESA, FMI.REVENDA, FMI.NUMERO_NOTA_FISCAL,"
         " FMI.SERIE_NOTA_FISCAL, FMI.TIPO_TRANSACAO, FMI.CONTADOR) FMI_NFDEV," +
         "         CAC_CONTATO CCO, FAT_MOVIMENTO_CAPA FMC_NFORI, OFI_ATENDIMENTO OA,"
         " FAT_TIPO_TRANSACAO FTT" +
         "   WHERE " + InvoiceJoin("FMI_NFDEV", "FMC_NFDEV") +
         "     AND FMC_NFDEV.FATOPERACAO_ORIGINAL is not null" + "     AND FMC_NFDEV.STATUS = 'F'" +
         ContactJoin("CCO", "FMC_NFDEV") + "     AND CCO.DTA_CONTATO between " + q.inicio +
         " AND " + q.fim + "     AND FMC_NFORI.EMPRESA = FMC_NFDEV.EMPRESA" +
         "     AND FMC_NFORI.REVENDA = FMC_NFDEV.REVENDA" +
         "     AND FMC_NFORI.FATOPERACAO = FMC_NFDEV.FATOPERACAO_ORIGINAL" +
         "     AND FMC_NFORI.STATUS = 'F'" + "     AND FMC_NFORI.TIPO_TRANSACAO IN (" +
         q.transacoes + ")" + ContactJoin("OA", "FMC_NFORI") + "     AND OA.CHASSI = " + q.chassi +
         (q.empresa.empty() ? ""
                            : "                 AND OA.EMPRESA                = " + q.empresa) +
         "     AND FTT.TIPO_TRANSACAO = FMC_NFDEV.TIPO_TRANSACAO" + "     AND FTT.TIPO = 'E'" +
         "     AND FTT.SUBTIPO_TRANSACAO = 'D') DEV";
}

// Returned services: the return invoice (FMC1) of a source invoice (FMCORI)
// whose contact is the chassis's; the period runs on the return.
std::string ReturnedServicesBranch(const InternalSaleQuery& q) {
  return std::string(
             " SELECT SUM(COALESCE(FMS.VAL_REAL_TOTAL,0) - COALESCE(FMS.VAL_DESCONTO,0))"
             " * -1 VALOR") +
         "   FROM FAT_MOVIMENTO_SERVICO FMS, FAT_MOVIMENTO_CAPA FMC1, FAT_MOVIMENTO_CAPA FMCORI,"
         " OFI_ATENDIMENTO ATE, FAT_TIPO_TRANSACAO TT, CAC_CONTATO CCO" +
         "  WHERE " + InvoiceJoin("FMS", "FMC1") + "     AND FMCORI.EMPRESA = FMC1.EMPRESA" +
         "     AND FMCORI.REVENDA = FMC1.REVENDA" +
         "     AND FMC1.FATOPERACAO_ORIGINAL = FMCORI.FATOPERACAO" + ContactJoin("ATE", "FMCORI") +
         ContactJoin("CCO", "FMC1") + PeriodFilter(q, "FMC1.DTA_ENTRADA_SAIDA") + CompanyFilter(q) +
         ChassisFilter(q) + "     AND FMC1.FATOPERACAO_ORIGINAL IS NOT NULL" +
         "     AND FMC1.STATUS = 'F'" + "     AND FMC1.TIPO_TRANSACAO = TT.TIPO_TRANSACAO" +
         "     AND TT.TIPO = 'E'" + "     AND TT.SUBTIPO_TRANSACAO = 'D'";
}

// A sum over the service lines of the work order whose request is internal ('I').
std::string WorkOrderLineSum(const std::string& value) {
  return "COALESCE((SELECT SUM(" + value + ") FROM OFI_SERVICO_OS SOS" +
         "  WHERE SOS.EMPRESA = OS.EMPRESA AND SOS.REVENDA = OS.REVENDA"
         " AND SOS.CONTATO = OS.CONTATO" +
         "    AND SOS.NRO_SOLICITACAO IN (SELECT SOL.NRO_SOLICITACAO FROM OFI_SOLICITACAO SOL" +
         "  WHERE SOL.EMPRESA = OS.EMPRESA AND SOL.REVENDA = OS.REVENDA"
         " AND SOL.CONTATO = OS.CONTATO AND SOL.TIPO_SERVICO_OS = 'I')),0)";
}

// Closed internal work orders of the chassis that no production order covers.
std::string WorkOrdersBranch(const InternalSaleQuery& q) {
  return " SELECT " + WorkOrderLineSum("SOS.VAL_SERVICO * SOS.QUANTIDADE") + " - " +
         WorkOrderLineSum("SOS.VAL_DESCONTO") + " VALOR" +
         "   FROM OFI_ORDEM_SERVICO OS, CAC_CONTATO CCO, OFI_ATENDIMENTO ATE" +
         "  WHERE OS.EMPRESA = CCO.EMPRESA AND OS.REVENDA = CCO.REVENDA"
         " AND OS.CONTATO = CCO.CONTATO" +
         ContactJoin("OS", "ATE") + ChassisFilter(q) + "     and OS.SITUACAO_OS = 9     " +
         "     and OS.SERVICO_INTERNO = 9 " + "     and OS.ORDEM_PRODUCAO is null" +
         "     and OS.TRANSACAO_INTERNA in (" + q.transacoes + ")" +
         PeriodFilter(q, "OS.DTA_ENCERRAMENTO");
}

}  // namespace

std::string InternalSalesSql(const InternalSaleQuery& q) {
  std::string branches =
      SoldBranch(q,
                 "COALESCE(FMI.VAL_TOTAL_REAL_ITEM,0) - COALESCE(FMI.VAL_DESCONTO,0) + "
                 "COALESCE(FMI.VAL_FRETE,0)",
                 "FAT_MOVIMENTO_ITEM", "FMI") +
      " UNION ALL " + ReturnedPartsBranch(q);
  if (q.soma_servicos) {
    branches += " UNION ALL " +
                SoldBranch(q, "COALESCE(FMS.VAL_REAL_TOTAL,0) - COALESCE(FMS.VAL_DESCONTO,0)",
                           "FAT_MOVIMENTO_SERVICO", "FMS") +
                " UNION ALL " + ReturnedServicesBranch(q);
    if (!q.servico_interno) branches += " UNION ALL " + WorkOrdersBranch(q);
  }
  return " SELECT SUM(VALOR) VAL_INTERNA FROM (" + branches + ") CONSULTA";
}

}  // namespace veiculo::value_sources
