// BuscaIncidencia: one line of a costing formula turned into its amount.
//
// The line is read through cdsLinha and left open on it (the internal-sale
// source reads the line's SOMA_SERVICOS_VENDA_INTERNA from there). The
// incidence code picks the base amount (incidence_codes.cpp); the amount rules
// then apply the auxiliary value, the fixed amounts, the percentage and the
// ISSQN (incidence_amount_rules.cpp).

#include <string>

#include "costing/incidence_line.h"
#include "platform/db/client_dataset.h"
#include "value_sources/current_vehicle.h"

namespace veiculo {

namespace costing {

bool AbreLinha(platform::ClientDataSet& linha, int32_t empresa, const std::string& formula,
               int32_t numero) {
  linha.Close();
  linha.ParamByName("Empresa").SetAsInteger(empresa);
  linha.ParamByName("Formula").SetAsText(formula);
  linha.ParamByName("Linha").SetAsInteger(numero);
  linha.Open();
  return !linha.IsEmpty();
}

}  // namespace costing

void TddmVeiculoCompartilhadoBDImpl::LinhaIncidencia::LerColunas(platform::ClientDataSet& linha) {
  auto text = [&linha](const char* field) { return linha.FieldByName(field).AsText(); };
  auto integer = [&linha](const char* field) {
    return static_cast<int32_t>(linha.FieldByName(field).AsInteger());
  };
  empresa_linha = integer("EMPRESA");
  incidencia = text("INCIDENCIA");
  valor_fixo = linha.FieldByName("VALOR_FIXO").AsFloat();
  calcula_issqn = text("CALCULA_ISSQN");
  indice = integer("INDICE");
  dia = integer("DIA");
  cod_bonus = text("COD_BONUS");
  grupo_bonus = text("GRUPO_BONUS");
  tipo_retorno = text("TIPO_RETORNO");
  trans_venda_interna = text("TRANS_VENDA_INTERNA");
  soma_icms_partilha = text("SOMA_ICMS_PARTILHA");
  nao_considerar_icms_seg_cont = text("NAO_CONSIDERAR_ICMS_SEG_CONT");
}

double TddmVeiculoCompartilhadoBDImpl::BuscaIncidencia(const std::string& pfVeiculo,
                                                       const std::string& pfFormula,
                                                       int32_t pfEmpresa, int32_t pfRevenda,
                                                       int32_t pfLinha, double pfPercentual,
                                                       DateTime pfDataProcessamento, bool pfAux,
                                                       const std::string& pfTipo) {
  LinhaIncidencia linha;
  linha.veiculo = pfVeiculo;
  linha.formula = pfFormula;
  linha.empresa = pfEmpresa;
  linha.revenda = pfRevenda;
  linha.linha = pfLinha;
  linha.percentual = pfPercentual;
  linha.data_processamento = pfDataProcessamento;
  linha.aux = pfAux;
  linha.tipo = pfTipo;

  // An unsold vehicle, or one not yet invoiced by the factory, is valued as of
  // the processing date.
  const Value dta_venda = value_sources::CurrentVehicleValue(*cdsVeiculo, "DTA_VENDA");
  const Value dta_fat = value_sources::CurrentVehicleValue(*cdsVeiculo, "DTA_FAT_FABRICA");
  linha.data_venda = dta_venda.IsNull() ? pfDataProcessamento : dta_venda.AsDateTime();
  linha.data_fat_fabrica = dta_fat.IsNull() ? pfDataProcessamento : dta_fat.AsDateTime();

  if (!costing::AbreLinha(*cdsLinha, pfEmpresa, pfFormula, pfLinha)) return 0;
  linha.LerColunas(*cdsLinha);

  return AplicaRegrasValor(linha, ValorCodigoIncidencia(linha));
}

}  // namespace veiculo
