// The registry sale value of the current vehicle: for a dealer on the Nissan
// price list, the colour price of a new vehicle in sale stock; otherwise the
// public price (or the edition price of the model year) plus freight,
// insurance, optionals and, when asked, the package.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "value_sources/current_vehicle.h"

namespace veiculo {
namespace {

bool HoldsDealer(platform::ClientDataSet& parameters, int32_t empresa, int32_t revenda) {
  if (!parameters.Active()) return false;
  const Value& e = parameters.ParamByName("Empresa").value;
  const Value& r = parameters.ParamByName("Revenda").value;
  return !e.IsNull() && !r.IsNull() && e.AsInteger() == empresa && r.AsInteger() == revenda;
}

// IMPRIME_VALOR_OPCIONAIS_REL of the dealer's parameters ("S": optionals count).
// Read from cdsParametro when it holds this dealer; otherwise the dealer's
// parameters are read first (LerParametro, or a direct reopen when its cache
// believes them loaded). A dealer without parameters counts no optionals.
std::string ImprimeValorOpcionais(TddmVeiculoCompartilhadoBDImpl& dm, int32_t empresa,
                                  int32_t revenda) {
  platform::ClientDataSet& parameters = *dm.cdsParametro;
  if (!HoldsDealer(parameters, empresa, revenda)) dm.LerParametro(empresa, revenda);
  if (!HoldsDealer(parameters, empresa, revenda)) {
    parameters.Close();
    parameters.ParamByName("Empresa").SetAsInteger(empresa);
    parameters.ParamByName("Revenda").SetAsInteger(revenda);
    parameters.Open();
  }
  if (parameters.IsEmpty()) return std::string();
  return parameters.FieldByName("IMPRIME_VALOR_OPCIONAIS_REL").AsText();
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaValorCadastroModelos(int32_t PEmpresa,
                                                                 bool PUsaPrecoEdicao,
                                                                 bool PUsaPrecoPacote,
                                                                 int32_t PRevenda) {
  auto vehicle = [this](const char* field) {
    return value_sources::CurrentVehicleValue(*cdsVeiculo, field);
  };
  const std::string modelo = vehicle("MODELO").AsText();
  const std::string tipo_pintura = vehicle("TIPO_PINTURA").AsText();
  const auto ano_modelo = static_cast<int32_t>(vehicle("ANO_MODELO").AsInteger());

  // The new-vehicle test comes first: it costs no query.
  if (vehicle("NOVO_USADO").AsText() == "N" &&
      UtilizaNissanDI(std::to_string(PEmpresa), std::to_string(PRevenda)) &&
      SituacoesVeiculoEstoqueDisponivelVenda(vehicle("SITUACAO").AsText())) {
    const double colour_price = BuscarValorFichaGama(PEmpresa, modelo, vehicle("CHASSI").AsText());
    if (colour_price > 0) return colour_price;
  }

  // PRECO_PUBLICO already carries the paint value of the vehicle's paint type.
  const double preco_publico = vehicle("PRECO_PUBLICO").AsFloat();
  double base = preco_publico;
  const std::string edicao = vehicle("EDICAO_MODELO").AsText();
  if (PUsaPrecoEdicao && !edicao.empty()) {
    base = BuscaValorEdicao(PEmpresa, modelo, tipo_pintura, edicao, ano_modelo);
    if (base == 0) base = preco_publico;  // no edition price for the model year
  }

  double value = base + vehicle("FRETE_VENDA").AsFloat() + vehicle("VAL_SEGURO").AsFloat() +
                 SomaOpcionais(PEmpresa, ImprimeValorOpcionais(*this, PEmpresa, PRevenda), "");
  if (PUsaPrecoPacote)
    value += BuscaValorPacote(PEmpresa, vehicle("PACOTE").AsText(), ano_modelo, tipo_pintura);
  return value;
}

}  // namespace veiculo
