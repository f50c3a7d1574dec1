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

// A calendar date of the demo data.
struct DemoDate {
  int year, month, day;
};
// The demo vehicle was invoiced to a customer on this day (its exit invoice);
// the demo carries its purchase cost to it.
inline constexpr DemoDate kDemoVehicleSaleDate{2025, 3, 14};
// The financial index of daily levels (2025, every calendar day); indices 2
// and 3 hold monthly rates on the first day of each month of 2025.
inline constexpr int32_t kIndiceDiario = 1;

// Loads the demo dealer into an empty dealer database. Throws veiculo::Error
// (database) when a row is refused, for instance when the data is already there.
void LoadDemoDealer(Connection& connection);

// Adds `count` synthetic new vehicles (codes "S000001", ...) spread over the
// demo models, both dealers and the four paint types, each with its follow-up
// record; numbering continues after synthetic vehicles already present. Needs
// the demo dealer's models and formulas.
void LoadSyntheticVehicles(Connection& connection, int count);

}  // namespace veiculo::demo
