// One value of the current vehicle's exit (sale) invoice, selected by an
// identification code compared without surrounding blanks.
//
// "N" and "D" read the vehicle's line of the invoice; every other code reads
// the invoice header. The company and dealer arguments are not read: the exit
// invoice is the one keyed in the vehicle row.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/text.h"
#include "value_sources/current_vehicle.h"
#include "value_sources/invoice_datasets.h"

namespace veiculo {
namespace {

using platform::ClientDataSet;

// "D": the ICMS of the sale, with the interstate shares of the sender's and the
// recipient's states when the caller asks for them.
double IcmsOfSale(ClientDataSet& mv, bool somar_partilha) {
  double value = mv.FieldByName("VAL_ICMS").AsFloat();
  if (somar_partilha) {
    value += mv.FieldByName("VAL_ICMS_PARTIL_UF_REM").AsFloat() +
             mv.FieldByName("VAL_ICMS_PARTIL_UF_DEST").AsFloat();
  }
  return value;
}

// "N": how far the sale value lies from what the invoice should have carried;
// 0 unless both are known.
double DifferenceFromExpected(ClientDataSet& mv, double valor_venda) {
  const double deveria = mv.FieldByName("VAL_DEVERIA").AsFloat();
  if (valor_venda != 0 && deveria != 0) return valor_venda - deveria;
  return 0;
}

double HeaderValue(const std::string& code, ClientDataSet& mc) {
  auto f = [&mc](const char* name) { return mc.FieldByName(name).AsFloat(); };
  if (code == "T") return f("TOT_NOTA_FISCAL") - f("VALDESCONTO");
  if (code == "Z") return f("VAL_FRETE_PF");
  if (code == "$") return mc.FieldByName("CALCULAR_IPI").AsText() == "S" ? f("TOT_IPI") : 0;
  if (code == "I") return f("VAL_PIS") + f("VAL_COFINS");
  return 0;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaValorNotaSaida(
    int32_t /*pfEmpresa*/, int32_t /*pfRevenda*/, const std::string& pfIdentificacao,
    const std::string& pfSomarICMSPartRemeDest) {
  // Codes are at most three characters wide; aligning them to that width
  // before trimming would change nothing, so only the blanks go.
  const std::string code = platform::Trim(pfIdentificacao);

  if (code == "T") {
    // Vehicles of these sale types are worth their purchase plus the dealer's commission.
    const std::string tipo_venda =
        value_sources::CurrentVehicleValue(*cdsVeiculo, "TIPO_VENDA").AsText();
    if (tipo_venda == "F" || tipo_venda == "D") {
      return value_sources::CurrentVehicleValue(*cdsVeiculo, "VAL_COMPRA").AsFloat() +
             value_sources::CurrentVehicleValue(*cdsVeiculo, "VAL_COMISSAO_CONCESSIONARIA")
                 .AsFloat();
    }
  }

  const value_sources::InvoiceKey key = value_sources::ExitInvoiceKey(*cdsVeiculo);
  double result = 0;
  if (code == "N" || code == "D") {
    const std::string veiculo = value_sources::CurrentVehicleValue(*cdsVeiculo, "VEICULO").AsText();
    value_sources::OpenInvoiceVehicleLine(*cdsMovimentoVeiculo, key, veiculo);
    if (!cdsMovimentoVeiculo->IsEmpty()) {
      result = code == "D" ? IcmsOfSale(*cdsMovimentoVeiculo, pfSomarICMSPartRemeDest == "S")
                           : DifferenceFromExpected(*cdsMovimentoVeiculo, dPbValorVenda);
    }
    cdsMovimentoVeiculo->Close();
    return result;
  }

  value_sources::OpenInvoiceHeader(*cdsMovimento, key);
  if (cdsMovimento->IsEmpty()) {
    // Callers tell "no exit invoice yet" from a zero PIS/COFINS by the -1.
    result = code == "I" ? -1 : 0;
  } else {
    result = HeaderValue(code, *cdsMovimento);
  }
  cdsMovimento->Close();
  return result;
}

}  // namespace veiculo
