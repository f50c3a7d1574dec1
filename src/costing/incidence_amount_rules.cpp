// What happens to a line's amount after its incidence code has given it: the
// host's auxiliary value, the line's fixed amount or the band fixed amount
// (set by BuscaPercentualVariavel), the line's percentage, and the service
// tax (ISSQN) for lines that ask for it.

#include <string>

#include "costing/incidence_line.h"
#include "costing/kept_rows.h"
#include "module/maker_utils/number_utils.h"
#include "platform/db/sql_dataset.h"

namespace veiculo {
namespace {

// The dealer's ISSQN rate; false when the dealer has no row.
bool TaxaIssqn(platform::SqlDataSet& aux, int32_t empresa, int32_t revenda, double& taxa) {
  const costing::KeptRows kept(aux);  // the dealer's row
  aux.Close();
  aux.SetCommandText("select PCT_ISSQN   from GER_REVENDA GR where GR.EMPRESA  = " +
                     std::to_string(empresa) + "   and GR.REVENDA = " + std::to_string(revenda));
  aux.Open();
  const bool found = !aux.IsEmpty();
  // The rate is kept as it is stored (2.5 stays 2.5): turning it into a whole
  // number would tax a 2.5 % municipality at 2 % or 3 %.
  if (found) taxa = aux.FieldByName("PCT_ISSQN").AsFloat();
  aux.Close();
  return found;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::AplicaRegrasValor(const LinhaIncidencia& pfLinha,
                                                         double pfValor) {
  double valor = pfValor;
  if (pfLinha.aux) valor = dPbValorAuxiliar;

  if (pfLinha.valor_fixo > 0) {
    valor = pfLinha.valor_fixo;
  } else if (dPvValorFixo != costing::kNaoInformado && dPvValorFixo != 0) {
    valor = dPvValorFixo;
  }

  // A negative percentage (the not-set mark among them) applies none; 0 gives 0.
  if (pfLinha.percentual >= 0) valor = valor * pfLinha.percentual / 100;

  double taxa = 0;
  if (pfLinha.calcula_issqn == "S" && TaxaIssqn(*sdsAux, pfLinha.empresa, pfLinha.revenda, taxa))
    valor = maker::RoundToBrel(valor * taxa / 100, -2);
  return valor;
}

}  // namespace veiculo
