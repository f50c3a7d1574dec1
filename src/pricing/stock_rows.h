#pragma once
// What the stock valuations share: the columns a packet must carry, the
// price source of a row and the bonus of a row.

#include <initializer_list>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"

namespace veiculo::platform {
class ClientDataSet;
}

namespace veiculo::pricing {

// Throws veiculo::Error (validation) naming the operation and every column
// of `colunas` the dataset lacks.
void VerificaColunas(const platform::ClientDataSet& dados, const char* operacao,
                     std::initializer_list<const char*> colunas);

// The sale-value source of a row: the stock list's VCR for a new vehicle,
// the dealer price ("2") for any other.
std::string FonteVenda(platform::ClientDataSet& dados);

// Whether a VCR is one of the sources the pricing knows ("1", "2", "3").
bool FontePrecificavel(const std::string& vcr);

// The maker's bonuses of the row's vehicle: bought on its factory invoice
// date and sold on its sale date, each the processing date when not set.
double BonusLinha(TddmVeiculoCompartilhadoBD& dm, platform::ClientDataSet& dados,
                  const char* coluna_edicao, double data_processamento);

}  // namespace veiculo::pricing
