// Edition and package prices of the model registry.
//
// The edition price of a model year comes from cdsEdicao (the edition rows of
// one model, their paint values already falling back to the model's). The
// package price is the general one of VEI_PACOTE unless the package has a
// price of the model year and paint type, which then takes its place.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"

namespace veiculo {
namespace {

// Price type of the package year prices that apply to a sale.
constexpr char kTipoPrecoPacote[] = "PP";

// The paint value column of a paint type; nullptr for a type without one.
const char* PaintColumn(const std::string& tipo_pintura) {
  if (tipo_pintura == "S") return "VAL_PINTURA_S1";
  if (tipo_pintura == "M") return "VAL_PINTURA_M1";
  if (tipo_pintura == "P") return "VAL_PINTURA_P1";
  if (tipo_pintura == "E") return "VAL_PINTURA_E1";
  return nullptr;
}

// Runs a package query whose parameters are set and reads VAL_PACOTE of its
// first row (the newest issue for year prices); false when there is none.
bool ReadPackagePrice(platform::SqlDataSet& query, double& price) {
  query.Open();
  const bool found = !query.IsEmpty();
  if (found) price = query.FieldByName("VAL_PACOTE").AsFloat();
  query.Close();
  return found;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaValorEdicao(int32_t PEmpresa,
                                                        const std::string& PModelo,
                                                        const std::string& PTipoPintura,
                                                        const std::string& PEdicao,
                                                        int32_t PAnoModelo) {
  // Reopened on every call: edition prices are maintained while the module lives.
  cdsEdicao->Close();
  cdsEdicao->ParamByName("Empresa").SetAsInteger(PEmpresa);
  cdsEdicao->ParamByName("Modelo").SetAsText(PModelo);
  cdsEdicao->Open();
  cdsEdicao->SetFiltered(false);
  cdsEdicao->SetFilter("EDICAO = '" + platform::QuoteDoubled(PEdicao) +
                       "' AND ANO_MODELO = " + std::to_string(PAnoModelo));
  cdsEdicao->SetFiltered(true);

  double value = 0;
  if (!cdsEdicao->IsEmpty()) {
    value = cdsEdicao->FieldByName("PRECO_PUBLICO").AsFloat();
    if (const char* paint = PaintColumn(PTipoPintura))
      value += cdsEdicao->FieldByName(paint).AsFloat();
  }
  // The rows of the model stay loaded, but no longer restricted to one edition.
  cdsEdicao->SetFiltered(false);
  return value;
}

double TddmVeiculoCompartilhadoBDImpl::BuscaValorPacote(int32_t PEmpresa,
                                                        const std::string& PPacote,
                                                        int32_t pAnomodelo,
                                                        const std::string& pTipoPintura) {
  double value = 0;
  sdsPacote->Close();
  sdsPacote->ParamByName("Empresa").SetAsInteger(PEmpresa);
  sdsPacote->ParamByName("Pacote").SetAsText(PPacote);
  ReadPackagePrice(*sdsPacote, value);

  // A year price replaces the general price; it is not added to it.
  if (pAnomodelo != 0 && !pTipoPintura.empty()) {
    sdsPacoteAno->Close();
    sdsPacoteAno->ParamByName("Empresa").SetAsInteger(PEmpresa);
    sdsPacoteAno->ParamByName("Pacote").SetAsText(PPacote);
    sdsPacoteAno->ParamByName("AnoModelo").SetAsInteger(pAnomodelo);
    sdsPacoteAno->ParamByName("TipoPintura").SetAsText(pTipoPintura);
    sdsPacoteAno->ParamByName("TipoPreco").SetAsText(kTipoPrecoPacote);
    ReadPackagePrice(*sdsPacoteAno, value);
  }
  return value;
}

}  // namespace veiculo
