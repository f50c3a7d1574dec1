#pragma once
// The parts of the demo dealer, one per table group, and what the fixed and
// the synthetic vehicles share. Private to the demo library.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "demo/table_writer.h"

namespace veiculo::demo {

void LoadDealers(Connection& connection);   // dealers, parameters, users, rights, indices
void LoadModels(Connection& connection);    // models, dealer prices, editions
void LoadFormulas(Connection& connection);  // costing formulas and their lines
void LoadVehicles(Connection& connection);  // the fixed demo vehicles
// More lines of the formula NOVOS with their bands, the imported bonus sheet and
// the rebate title of the demo vehicle (incidence_rows.cpp); needs the
// formulas, the fixed vehicles and their invoices.
void LoadIncidences(Connection& connection);
// Customers, contacts, salespeople and proposals with their negotiations and
// payments (proposal_rows.cpp); needs the dealers and the fixed vehicles.
void LoadProposals(Connection& connection);
// The proposal the demo rejects (rejection_rows.cpp); needs the proposals.
void LoadRejectionDemo(Connection& connection);
// The maker's bonus catalogue with its criteria and the financing subsidies
// (bonus_rows.cpp); needs the fixed vehicles.
void LoadBonuses(Connection& connection);
// Financing returns of the financed proposals and the salespeople's
// commission percentages (bonus_rows.cpp); needs the proposals.
void LoadReturnsAndCommissions(Connection& connection);
// Invoices, expenses, index values, calendars, payment conditions, packages
// and optionals (value_source_rows.cpp); needs the fixed vehicles.
void LoadValueSources(Connection& connection);
// The model families with their stock-age bands and a maker order, for the
// intermediate stock list (stock_rows.cpp); needs the models.
void LoadStockList(Connection& connection);
// The entry invoice and an expense of every synthetic vehicle that has none.
void LoadSyntheticValueSources(Connection& connection);

// A demo model as the vehicles need it.
struct DemoModel {
  const char* modelo;
  const char* vds;  // characters 4-8 of its chassis numbers
  int portas;
  const char* edicao;
};
const std::vector<DemoModel>& DemoModels();

// One vehicle with its workshop follow-up record.
struct VehicleSpec {
  std::string veiculo;
  std::string modelo;
  std::string chassi;
  int32_t revenda_origem = 1;
  char novo_usado = 'N';
  std::string formula = "NOVOS";
  std::string cor;
  char tipo_pintura = 'S';
  int ano_fabricacao = 2024;
  int ano_modelo = 2025;
  int portas = 4;
  std::string edicao;
  std::string placa;
  double val_compra = 0;
  double preco_concessionaria = 0;
  Value dta_entrada;
  Value dta_fat_fabrica;
};

// A 17-character chassis number: maker prefix, model part, check digit
// placeholder, model-year letter, plant letter and a six-digit serial.
std::string Chassis(const std::string& vds, int ano_modelo, char plant, int serial);

// Writes vehicles and their follow-up records with two kept statements.
class VehicleWriter {
 public:
  explicit VehicleWriter(Connection& connection);
  void Write(const VehicleSpec& vehicle);

 private:
  TableWriter vehicles_;
  TableWriter records_;
};

}  // namespace veiculo::demo
