#pragma once
// The demo dealer: a small, plausible dealer database that `veiculo init-db
// --demo` loads so that every operation of the module has something to work
// on, and `make demo` something to show.
//
// One company (1) with two dealers of the same brand: the head office (1) and
// a branch (2), with their parameters and tax rates, users and function
// rights, financial indices, five models with prices, editions and paint
// values, a costing formula for new and one for used vehicles, and vehicles
// in stock with their workshop follow-up records. Rows are written through
// the platform's SQL datasets inside the caller's transaction; the caller
// commits.

#include <cstdint>

namespace veiculo {
class Connection;
}

namespace veiculo::demo {

inline constexpr int32_t kEmpresa = 1;
inline constexpr int32_t kRevendaMatriz = 1;
inline constexpr int32_t kRevendaFilial = 2;
// The vehicle the demo shows: a new hatch at the head office, metallic paint,
// priced by the head office's price row.
inline constexpr const char* kDemoVehicle = "V1001";

// Loads the demo dealer into an empty dealer database. Throws veiculo::Error
// (database) when a row is refused, for instance when the data is already there.
void LoadDemoDealer(Connection& connection);

// Adds `count` synthetic new vehicles (codes "S000001", ...) spread over the
// demo models, both dealers and the four paint types, each with its follow-up
// record; numbering continues after synthetic vehicles already present. Needs
// the demo dealer's models and formulas.
void LoadSyntheticVehicles(Connection& connection, int count);

}  // namespace veiculo::demo
