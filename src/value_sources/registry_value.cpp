// The registry sale value of the current vehicle: for a dealer on the Nissan
// price list, the colour price of a new vehicle in sale stock; otherwise the
// public price (or the edition price of the model year) plus freight,
// insurance, optionals and, when asked, the package.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/text.h"
#include "value_sources/current_vehicle.h"

namespace veiculo {

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

  // IMPRIME_VALOR_OPCIONAIS_REL of the dealer's parameters ("S": optionals
  // count); a dealer without parameters counts none.
  const std::string opcionais =
      platform::Trim(ColunaParametro(PEmpresa, PRevenda, "IMPRIME_VALOR_OPCIONAIS_REL"));
  double value = base + vehicle("FRETE_VENDA").AsFloat() + vehicle("VAL_SEGURO").AsFloat() +
                 SomaOpcionais(PEmpresa, opcionais, "");
  if (PUsaPrecoPacote)
    value += BuscaValorPacote(PEmpresa, vehicle("PACOTE").AsText(), ano_modelo, tipo_pintura);
  return value;
}

}  // namespace veiculo
