#pragma once
// What the host's costing commands (`veiculo custo`, `veiculo demo`) share:
// the vehicles to cost, one vehicle costed by the module, and a vehicle's
// stored costing shown as a person reads it (the lines with their signs,
// percentage and amounts, then the summary of cost and profits).
//
// Amounts and percentages are shown in the local number format (Brazilian by
// default: "90.000,00").

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace veiculo {
class Connection;
class TddmVeiculoCompartilhadoBD;
}  // namespace veiculo

namespace veiculo::cli {

struct VehicleToCost {
  std::string veiculo;
  int32_t revenda = 0;  // the dealer it is costed under (its origin dealer)
};

// The vehicles of a company in code order: those of one origin dealer
// (revenda > 0) or of all, and with `only_stock` those whose situation does
// not place them as sold (LOCALIZACAO "V"; a vehicle without a known
// situation counts as in stock).
std::vector<VehicleToCost> ListVehicles(Connection& connection, int32_t empresa, int32_t revenda,
                                        bool only_stock);

bool VehicleExists(Connection& connection, int32_t empresa, const std::string& veiculo);
bool DealerExists(Connection& connection, int32_t empresa, int32_t revenda);

// Costs one vehicle (CalculoCustoVeiculo with no negotiation, in the dialect
// the module is bound to) and returns the sale value it was costed against.
// Errors of the module propagate.
double CostVehicle(TddmVeiculoCompartilhadoBD& module, Connection& connection, int32_t empresa,
                   int32_t revenda, const std::string& veiculo, double data);

// Prints the stored costing of a vehicle (BuscaCalculoVeiculo for the sale
// value given) and its summary.
void PrintCosting(std::ostream& out, TddmVeiculoCompartilhadoBD& module, Connection& connection,
                  int32_t empresa, const std::string& veiculo, double venda);

}  // namespace veiculo::cli
