// One value of the current vehicle's entry (purchase) invoice, selected by
// the incidence code of a costing-formula line.
//
// Header codes ("C", "F", "(", ")", "[") read the invoice header and are
// shared out per vehicle when the invoice covers several; the other codes read
// the vehicle's line of the invoice. Tax and total codes add the amounts of the
// vehicle's purchase invoices (modality 'C'), which complement the entry
// invoice. Freight codes are 0 while the freight invoice lies after the
// processing date. Codes are compared exactly, without trimming.
//
// Queries are sent only when the code reads their result: the entry dealer
// and freight date for freight codes and the sums, the purchase invoices for
// the codes that add them, the header of a line code only for "!".

#include <cmath>
#include <string>

#include "costing/kept_rows.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "value_sources/current_vehicle.h"
#include "value_sources/entry_invoice_sql.h"
#include "value_sources/invoice_datasets.h"

namespace veiculo {
namespace {

using platform::ClientDataSet;
using platform::SqlDataSet;
using value_sources::CurrentVehicleValue;

// Sums over the vehicle's purchase invoices (header and vehicle-line amounts).
struct PurchaseSums {
  double frete_pf = 0, tot_nota_fiscal = 0, valdesconto = 0;
  double pis = 0, cofins = 0, pis_subtributaria = 0, cofins_subtributaria = 0;
  double ipi = 0, icms = 0, icms_retido = 0, icmsret_arecolher = 0;
};

bool IsHeaderCode(const std::string& code) {
  return code == "C" || code == "F" || code == "(" || code == ")" || code == "[";
}

bool IsFreightCode(const std::string& code) {
  return code == "F" || code == "3" || code == "\\";
}

// Codes whose value adds the purchase-invoice sums.
bool AddsPurchaseSums(const std::string& code) {
  return code == "C" || code == "F" || code == "S" || code == "9" || code == "A" || code == "1" ||
         code == "2" || code == "]";
}

struct EntryDealer {
  int32_t revenda_nfentrada = 0;
  bool freight_after_processing = false;
};

EntryDealer ReadEntryDealer(SqlDataSet& aux, const std::string& veiculo, int32_t empresa,
                            double data_processamento) {
  EntryDealer result;
  aux.Close();
  aux.SetCommandText(value_sources::EntryDealerAndFreightDateSql(veiculo, empresa));
  // Several lines of a formula read the same entry dealer: a batch keeps the
  // row until the vehicle or its invoices are written.
  const costing::KeptRows kept(aux);
  aux.Open();
  if (!aux.IsEmpty()) {
    result.revenda_nfentrada =
        static_cast<int32_t>(aux.FieldByName("REVENDA_NFENTRADA").AsInteger());
    const platform::Field frete = aux.FieldByName("DTA_FRETE");
    result.freight_after_processing = !frete.IsNull() && frete.AsDateTime() > data_processamento;
  }
  aux.Close();
  return result;
}

PurchaseSums SumPurchaseInvoices(SqlDataSet& aux, const std::string& veiculo, int32_t empresa,
                                 int32_t revenda, int32_t revenda_nfentrada) {
  PurchaseSums s;
  aux.Close();
  aux.SetCommandText(
      value_sources::PurchaseInvoicesSql(veiculo, empresa, revenda, revenda_nfentrada));
  const costing::KeptRows kept(aux);  // read by several lines, as the entry dealer
  aux.Open();
  auto f = [&aux](const char* name) { return aux.FieldByName(name).AsFloat(); };
  for (; !aux.Eof(); aux.Next()) {
    s.frete_pf += f("VAL_FRETE_PF");
    s.tot_nota_fiscal += f("TOT_NOTA_FISCAL");
    s.valdesconto += f("VALDESCONTO");
    s.pis += f("VAL_PIS");
    s.cofins += f("VAL_COFINS");
    s.pis_subtributaria += f("VAL_PIS_SUBTRIBUTARIA");
    s.cofins_subtributaria += f("VAL_COFINS_SUBTRIBUTARIA");
    s.ipi += f("VAL_IPI");
    s.icms += f("VAL_ICMS");
    s.icms_retido += f("VAL_ICMS_RETIDO");
    s.icmsret_arecolher += f("VALOR_ICMSRET_ARECOLHER");
  }
  aux.Close();
  return s;
}

// The value of a line code from the vehicle's line of the entry invoice.
double LineValue(const std::string& code, ClientDataSet& mv, const PurchaseSums& s,
                 bool icms_desonerado_descontado) {
  auto f = [&mv](const char* name) { return mv.FieldByName(name).AsFloat(); };
  if (code == "S") {
    return f("VAL_PIS_SUBTRIBUTARIA") + s.pis_subtributaria + f("VAL_COFINS_SUBTRIBUTARIA") +
           s.cofins_subtributaria;
  }
  if (code == "9") return f("VAL_PIS") + s.pis + f("VAL_COFINS") + s.cofins;
  if (code == "A") return f("VAL_IPI") + s.ipi;
  if (code == "1") return f("VAL_ICMS") + s.icms;
  if (code == "2") return f("VAL_ICMS_RETIDO") + s.icms_retido;
  if (code == "]") return f("VALOR_ICMSRET_ARECOLHER") + s.icmsret_arecolher;
  if (code == "3") return f("VAL_ICMS_FRETE_SEGURO_CALC") + f("VAL_ICMS_FRETE_PF");
  if (code == "W") return f("VAL_DESP_ADUANEIRA");
  if (code == "&") return f("VAL_SERVICO_COMANDER");
  if (code == "?") return f("VAL_MAJORACAO_COFINS");
  if (code == "!") return icms_desonerado_descontado ? f("ICMS_DESONERADO") : 0;
  if (code == "\\") return f("VAL_PIS_FRETE_PF") + f("VAL_COFINS_FRETE_PF");
  if (code == "IFP") return f("VAL_ICMS_COMB_POBREZA");
  if (code == "|") return f("VAL_ICMS_RETIDO_FRETE_PF");
  return 0;
}

double HeaderValue(const std::string& code, ClientDataSet& mc, const PurchaseSums& s) {
  auto f = [&mc](const char* name) { return mc.FieldByName(name).AsFloat(); };
  if (code == "F") return f("VAL_FRETE_PF") + s.frete_pf;
  if (code == "C") {
    return (f("TOT_NOTA_FISCAL") + s.tot_nota_fiscal) - (f("VALDESCONTO") + s.valdesconto);
  }
  if (code == "(") return f("VAL_FUNDO_RESERVA");
  if (code == ")") return f("VAL_DESC_INCONDICIONAL");
  return f("VALDESCONTO");  // "["
}

// The vehicle's own value on a multi-vehicle invoice: the line's amounts, with
// the PIS/COFINS substitution only when the header adds it to the total.
double VehicleLineAmount(ClientDataSet& mv, bool soma_pis_cofins) {
  auto f = [&mv](const char* name) { return mv.FieldByName(name).AsFloat(); };
  double amount =
      f("VAL_TOTAL") + f("VAL_OPCIONAIS") + f("VAL_IPI") + f("VAL_FRETE") + f("VAL_SEGURO");
  if (soma_pis_cofins) amount += f("VAL_PIS_SUBTRIBUTARIA") + f("VAL_COFINS_SUBTRIBUTARIA");
  return amount + f("VAL_ICMS_RETIDO") - f("VAL_DESCONTO");
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaValorNotaEntrada(int32_t pfEmpresa, int32_t pfRevenda,
                                                             const std::string& pfIncidencia,
                                                             DateTime PDataProcessamento) {
  const std::string& code = pfIncidencia;
  const std::string veiculo = CurrentVehicleValue(*cdsVeiculo, "VEICULO").AsText();
  double result = 0;
  if (code == "C") {
    // Vehicles of these sale types cost what was paid for them, whatever the invoices say.
    const std::string tipo_venda = CurrentVehicleValue(*cdsVeiculo, "TIPO_VENDA").AsText();
    const double val_compra = CurrentVehicleValue(*cdsVeiculo, "VAL_COMPRA").AsFloat();
    if (tipo_venda == "F" || tipo_venda == "D") return val_compra;
    result = val_compra;  // kept when the entry invoice has no header
  }

  PurchaseSums sums;
  if (IsFreightCode(code) || AddsPurchaseSums(code)) {
    const EntryDealer dealer = ReadEntryDealer(*sdsAux, veiculo, pfEmpresa, PDataProcessamento);
    // Freight not yet received by the processing date costs nothing yet.
    if (IsFreightCode(code) && dealer.freight_after_processing) return 0;
    if (AddsPurchaseSums(code)) {
      sums = SumPurchaseInvoices(*sdsAux, veiculo, pfEmpresa, pfRevenda, dealer.revenda_nfentrada);
    }
  }

  const value_sources::InvoiceKey key = value_sources::EntryInvoiceKey(*cdsVeiculo);
  if (!IsHeaderCode(code)) {
    bool icms_desonerado_descontado = false;
    if (code == "!") {
      value_sources::OpenInvoiceHeader(*cdsMovimento, key);
      icms_desonerado_descontado =
          !cdsMovimento->IsEmpty() &&
          cdsMovimento->FieldByName("ICMSDESONERADO_DESCONTADONOTA").AsText() == "S";
      cdsMovimento->Close();
    }
    value_sources::OpenInvoiceVehicleLine(*cdsMovimentoVeiculo, key, veiculo);
    if (!cdsMovimentoVeiculo->IsEmpty()) {
      result = LineValue(code, *cdsMovimentoVeiculo, sums, icms_desonerado_descontado);
    }
    cdsMovimentoVeiculo->Close();
    return result;
  }

  value_sources::OpenInvoiceHeader(*cdsMovimento, key);
  if (cdsMovimento->IsEmpty()) {
    cdsMovimento->Close();
    return result;
  }
  result = HeaderValue(code, *cdsMovimento, sums);
  const int64_t quantidades = cdsMovimento->FieldByName("TOT_QUANTIDADES").AsInteger();
  const bool soma_pis_cofins = cdsMovimento->FieldByName("SOMA_PIS_COFINS").AsText() == "S";
  cdsMovimento->Close();

  bool own_line_value = false;
  if (quantidades > 1 && code == "C") {
    // The purchase value of one vehicle of several is its own line's value,
    // taken as a share of the invoice total.
    value_sources::OpenInvoiceVehicleLine(*cdsMovimentoVeiculo, key, veiculo);
    if (!cdsMovimentoVeiculo->IsEmpty()) {
      own_line_value = true;
      if (std::fabs(result) > 0.001) {
        const double share =
            VehicleLineAmount(*cdsMovimentoVeiculo, soma_pis_cofins) / result * 100;
        result = (share * result) / 100;
      }
    }
    cdsMovimentoVeiculo->Close();
  }
  // Without the vehicle's own line the invoice is shared out evenly.
  if (!own_line_value && quantidades > 0 && result > 0) result = result / quantidades;
  return result;
}

}  // namespace veiculo
