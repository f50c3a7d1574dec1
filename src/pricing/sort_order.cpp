// MontaClassificacaoVeiculo: the sort fields of a vehicle list from the
// dealer parameter ORDEM_CLASSIFICACAO, one digit per field in the dealer's
// order ("31": days in stock, then model). Unknown digits are skipped; the
// list always ends with SEQUENCIA, and a dealer without an order (or without
// parameters loaded) gets the default one.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"

namespace veiculo {
namespace {

const char* CampoOrdem(char digito) {
  switch (digito) {
    case '1':
      return "DES_MODELO;";
    case '2':
      return "DES_COR;";
    case '3':
      return "DIAS_EST;";
    case '4':
      return "ANO_FABRICACAO;";
    case '5':
      return "ANO_MODELO;";
    case '6':
      return "NOVO_USADO;";
    default:
      return "";
  }
}

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::MontaClassificacaoVeiculo() {
  std::string ordem;
  if (cdsParametro->Active() && !cdsParametro->IsEmpty())
    ordem = cdsParametro->FieldByName("ORDEM_CLASSIFICACAO").AsText();
  std::string campos;
  for (char digito : ordem) campos += CampoOrdem(digito);
  if (campos.empty())
    return "DES_MODELO;DES_COR;DIAS_EST;ANO_FABRICACAO;ANO_MODELO;NOVO_USADO;SEQUENCIA";
  return campos + "SEQUENCIA";
}

}  // namespace veiculo
