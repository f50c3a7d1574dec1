// The rows the cost value sources read, for the fixed demo vehicles and for
// synthetic ones.

#include <string>

#include "demo/demo_rows.h"
#include "demo/value_source_rows.h"
#include "veiculo/connection.h"

namespace veiculo::demo {
namespace {

// The synthetic vehicles that have no entry invoice yet, so that a second
// load only completes the vehicles it added. Their serial is the number after
// the leading "S" of the code.
const std::string kWithoutInvoice = " where EMPRESA = " + std::to_string(kEmpresa) +
                                    " and VEICULO starting with 'S' and "
                                    "NUMERO_NOTA_NFENTRADA is null";
const std::string kFromWithoutInvoice = " from VEI_VEICULO" + kWithoutInvoice;
const std::string kInvoiceNumber = "600000 + cast(substring(VEICULO from 2) as integer)";

}  // namespace

void LoadValueSources(Connection& connection) {
  LoadInvoices(connection);
  LoadExpenses(connection);
  LoadIndexValues(connection);
  LoadCalendar(connection);
  LoadConditions(connection);
  LoadRegistryValues(connection);
}

// Each synthetic vehicle gets the maker's invoice E10 numbered 600000 + its
// serial, issued three days before its entry date and received on it, with
// the terms of ComposeMakerInvoice: goods at its purchase value, IPI 7 %,
// ICMS 12 %, PIS 2 %, COFINS 9,6 %, freight 1.180,00 (ICMS 141,60) and
// insurance 96,50 (ICMS 11,58), nothing withheld, no discount; and a delivery
// inspection of 480,00 two days after its entry.
//
// One statement per table rather than one per row: thousands of vehicles
// cost four statements, which keeps `init-db --vehicles` fast.
void LoadSyntheticValueSources(Connection& connection) {
  connection.ExecuteDirect(
      "insert into FAT_MOVIMENTO_CAPA (EMPRESA, REVENDA, NUMERO_NOTA_FISCAL, SERIE_NOTA_FISCAL, "
      "TIPO_TRANSACAO, CONTADOR, STATUS, MODALIDADE, DTA_DOCUMENTO, DTA_ENTRADA_SAIDA, "
      "TOT_NOTA_FISCAL, VALDESCONTO, VAL_FRETE_PF, VAL_ICMS_FRETE, VAL_ICMS_SEGURO, TOT_IPI, "
      "CALCULAR_IPI, VAL_PIS, VAL_COFINS, TOT_QUANTIDADES, SOMA_PIS_COFINS, "
      "ICMSDESONERADO_DESCONTADONOTA) select EMPRESA, REVENDA_ORIGEM, " +
      kInvoiceNumber +
      ", '1', 'E10', 1, 'F', 'N', DTA_ENTRADA - 3, DTA_ENTRADA, VAL_COMPRA + "
      "cast(VAL_COMPRA * 0.07 as numeric(15,2)) + 1180 + 96.50, 0, 1180, 141.60, 11.58, "
      "cast(VAL_COMPRA * 0.07 as numeric(15,2)), 'S', cast(VAL_COMPRA * 0.02 as numeric(15,2)), "
      "cast(VAL_COMPRA * 0.096 as numeric(15,2)), 1, 'N', 'N'" +
      kFromWithoutInvoice);
  connection.ExecuteDirect(
      "insert into FAT_MOVIMENTO_VEICULO (EMPRESA, REVENDA, NUMERO_NOTA_FISCAL, "
      "SERIE_NOTA_FISCAL, TIPO_TRANSACAO, CONTADOR, VEICULO, VAL_TOTAL, VAL_OPCIONAIS, VAL_IPI, "
      "VAL_FRETE, VAL_SEGURO, VAL_ICMS, VAL_ICMS_RETIDO, VAL_PIS, VAL_COFINS, VAL_DESCONTO) "
      "select EMPRESA, REVENDA_ORIGEM, " +
      kInvoiceNumber +
      ", '1', 'E10', 1, VEICULO, VAL_COMPRA, 0, cast(VAL_COMPRA * 0.07 as numeric(15,2)), 1180, "
      "96.50, cast(VAL_COMPRA * 0.12 as numeric(15,2)), 0, cast(VAL_COMPRA * 0.02 as "
      "numeric(15,2)), cast(VAL_COMPRA * 0.096 as numeric(15,2)), 0" +
      kFromWithoutInvoice);
  connection.ExecuteDirect(
      "insert into VEI_DESPESA_VEICULO (EMPRESA, VEICULO, DESPESA, DOCUMENTO, CONTADOR, TIPO, "
      "DTA_DESPESA_VEICULO, VAL_DESPESA_VEICULO, COMPOE_CUSTO_CONTABIL) select EMPRESA, "
      "VEICULO, " +
      std::to_string(kDespesaRevisao) + ", 700000 + cast(substring(VEICULO from 2) as integer), " +
      "1, 'OS', cast(DTA_ENTRADA + 2 as date), 480, 'S'" + kFromWithoutInvoice);
  // Last: the key is what marks a vehicle as done.
  connection.ExecuteDirect(
      "update VEI_VEICULO set EMPRESA_NFENTRADA = EMPRESA, REVENDA_NFENTRADA = REVENDA_ORIGEM, "
      "TIPO_TRANSACAO_NFENTRADA = 'E10', SERIE_NOTA_NFENTRADA = '1', CONTADOR_NFENTRADA = 1, "
      "NUMERO_NOTA_NFENTRADA = " +
      kInvoiceNumber + kWithoutInvoice);
}

}  // namespace veiculo::demo
