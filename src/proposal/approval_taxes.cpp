// The approximate taxes of a sale under approval (federal, state and
// municipal, from the rates of the vehicle's tax classification) and the
// text the approval writes in front of the proposal's observation, with
// the source of the rates.

#include <string>

#include "module/maker_utils/number_utils.h"
#include "platform/format/format_float.h"
#include "platform/text.h"
#include "proposal/approval.h"

namespace veiculo {
namespace {

constexpr const char* kFonte = " Fonte: IBPT";
// The marker and the line break that follows it.
constexpr size_t kFonteComQuebra = 14;
constexpr double kTolerancia = 0.005;

std::string Valor(double valor) {
  return platform::FormatFloat("#####0.00", valor);
}

}  // namespace

namespace proposal {

std::string ObservacaoSemTributos(const std::string& observacao) {
  const size_t marca = observacao.find(kFonte);
  if (marca == std::string::npos) return observacao;
  const size_t inicio = marca + kFonteComQuebra;
  return inicio < observacao.size() ? observacao.substr(inicio) : std::string();
}

std::string TextoTributos(double federal, double estadual, double municipal) {
  if (!(federal > 0 || estadual > 0 || municipal > 0)) return "";
  std::string texto = "Trib Aprox R$ ";
  if (federal > 0) texto += Valor(federal) + " Federal";
  if (estadual > 0) {
    // ", " when the municipal amount follows, " e " when the state one is last.
    if (federal > 0) texto += municipal > 0 ? ", " : " e ";
    texto += Valor(estadual) + " Estadual ";
  }
  if (municipal > 0) {
    if (federal > 0 || estadual > 0) texto += " e ";
    texto += Valor(municipal) + " Municipal ";
  }
  return texto;
}

std::string ObservacaoAprovada(const std::string& observacao, double federal, double estadual,
                               double municipal) {
  const std::string limpa = ObservacaoSemTributos(observacao);
  const std::string tributos = TextoTributos(federal, estadual, municipal);
  if (tributos.empty()) return limpa;
  return tributos + kFonte + "\r\n" + platform::Trim(limpa);
}

}  // namespace proposal

void TddmVeiculoCompartilhadoBDImpl::CalculaTributosAproximados(Aprovacao& a) {
  double base = a.val_venda + a.val_frete + a.val_seguro + a.val_opcional - a.val_desconto;
  // A used vehicle may be taxed on its margin only.
  if (a.novo_usado == "U" && a.calculo_tributos == "D" && LerVeiculo(a.empresa, a.veiculo, true))
    base -= CalculaCustoContabil(a.empresa, a.revenda, a.veiculo, a.formula, a.data, "I");
  const auto tributo = [base](double aliquota) {
    if (aliquota > kTolerancia && base > kTolerancia)
      return maker::RoundToBrel(aliquota / 100 * base, -2);
    return 0.0;
  };
  a.tributo_federal = tributo(a.aliquota_nacional);
  a.tributo_estadual = tributo(a.aliquota_estadual);
  a.tributo_municipal = tributo(a.aliquota_municipal);
}

}  // namespace veiculo
