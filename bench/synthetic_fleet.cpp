// The shared fleet and floor of the per-vehicle benchmarks.

#include "synthetic_fleet.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "demo/demo_dealer.h"
#include "platform/db/sql_dataset.h"

namespace veiculo::bench {

std::vector<Vehicle> LoadFleet(Connection& connection, bool synthetic_only) {
  demo::LoadDemoDealer(connection);
  demo::LoadSyntheticVehicles(connection, kFleetVehicles);
  connection.Commit();
  platform::SqlDataSet codes("sdsAux", &connection);
  codes.SetCommandText(
      std::string("select VEICULO, REVENDA_ORIGEM from VEI_VEICULO where EMPRESA = 1") +
      (synthetic_only ? " and VEICULO starting with 'S'" : "") + " order by VEICULO");
  std::vector<Vehicle> vehicles;
  for (codes.Open(); !codes.Eof(); codes.Next())
    vehicles.push_back({codes.FieldByName("VEICULO").AsText(),
                        static_cast<int32_t>(codes.FieldByName("REVENDA_ORIGEM").AsInteger())});
  connection.Commit();
  return vehicles;
}

Fleet& SyntheticFleet() {
  static Fleet* fleet = [] {
    auto* created = new Fleet();
    created->vehicles = LoadFleet(created->database.connection(), true);
    return created;
  }();
  return *fleet;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::vector<double> FloorSamples(Connection& connection, int samples) {
  platform::SqlDataSet select("sdsPiso", &connection);
  select.SetCommandText(
      "select * from VEI_PARAMETRO where EMPRESA = :Empresa and REVENDA = :Revenda");
  select.ParamByName("Empresa").SetAsInteger(demo::kEmpresa);
  select.ParamByName("Revenda").SetAsInteger(demo::kRevendaMatriz);
  select.Open();  // prepares the text
  std::vector<double> us;
  us.reserve(static_cast<size_t>(samples));
  for (int i = 0; i < samples; ++i) {
    const auto start = std::chrono::steady_clock::now();
    select.Close();
    select.Open();
    benchmark::DoNotOptimize(select.FieldByName("UB_PADRAO").AsInteger());
    us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  select.Close();
  return us;
}

}  // namespace veiculo::bench
