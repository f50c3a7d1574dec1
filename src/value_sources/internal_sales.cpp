// The internal sales billed against a vehicle's chassis in a period (parts
// and, when the current formula line asks for them, services and internal
// work orders, less their returns), returned negated: they lower the cost
// line that draws on them.
//
// The dealer settings that shape the query are always those of dealer 1 of
// the company. The database-kind argument is not read: date literals follow
// the dialect of the bound connection.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "platform/text.h"
#include "value_sources/internal_sales_sql.h"
#include "value_sources/transaction_list.h"

namespace veiculo {
namespace {

// The first column of a one-row query, as text; empty without a row.
std::string ReadSetting(platform::SqlDataSet& aux, const std::string& sql) {
  aux.Close();
  aux.SetCommandText(sql);
  aux.Open();
  const std::string value = aux.IsEmpty() ? std::string() : aux.Fields(0).AsText();
  aux.Close();
  return value;
}

bool LineSumsServices(platform::ClientDataSet& linha) {
  return linha.Active() && !linha.IsEmpty() &&
         linha.FieldByName("SOMA_SERVICOS_VENDA_INTERNA").AsText() == "S";
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaVendaInterna(
    const std::string& /*pfBancoDados*/, int32_t pfEmpresa, const std::string& pfChassi,
    const std::string& pfTransacoes, DateTime pfDataInicial, DateTime pfDataFinal) {
  value_sources::InternalSaleQuery query;
  // Checked before any query runs: the list goes into the SQL as written.
  query.transacoes = value_sources::TransactionListForSql(pfTransacoes);

  const std::string empresa = std::to_string(pfEmpresa);
  query.servico_interno =
      ReadSetting(*sdsAux, " SELECT SERVICO_INTERNO FROM OFI_PARAMETRO WHERE EMPRESA = " + empresa +
                               "   AND REVENDA = 1") == "S";
  const std::string busca_despesa_empresas = ReadSetting(
      *sdsAux,
      "SELECT COALESCE(BUSCA_DESPESA_EMPRESAS,'N') BUSCA_DESPESA_EMPRESAS   FROM VEI_PARAMETRO "
      " WHERE EMPRESA = " +
          empresa + "   AND REVENDA = 1");
  const std::string dta_inventario = ReadSetting(
      *sdsAux, "SELECT DTA_INVENTARIO_VEICULO   FROM VEI_PARAMETRO  WHERE EMPRESA = " + empresa +
                   "   AND REVENDA = 1");

  if (busca_despesa_empresas == "N") query.empresa = empresa;
  query.periodo_pela_nota = dta_inventario == "N";
  query.chassi = "'" + platform::QuoteDoubled(pfChassi) + "'";
  query.inicio = maker::DataHoraPSql(platform::DateOf(pfDataInicial), sPvBancoDados);
  query.fim = maker::DataHoraPSql(platform::DateOf(pfDataFinal) + platform::EncodeTime(23, 59, 0),
                                  sPvBancoDados);
  query.soma_servicos = LineSumsServices(*cdsLinha);

  sdsAux->Close();
  sdsAux->SetCommandText(value_sources::InternalSalesSql(query));
  sdsAux->Open();
  double total = 0;
  for (; !sdsAux->Eof(); sdsAux->Next()) total += sdsAux->FieldByName("VAL_INTERNA").AsFloat();
  sdsAux->Close();
  return total == 0 ? 0 : -total;  // no "-0" for a vehicle without internal sales
}

}  // namespace veiculo
