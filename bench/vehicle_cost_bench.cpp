// Costing vehicles (CalculoCustoVeiculo) on the demo dealer with 5,000
// synthetic vehicles, each with its entry invoice, an expense and the demo
// formula NOVOS, against the database's round-trip floor measured in the same
// run.
//
// VehicleCost/PerVehicle costs 400 different vehicles spread over the fleet,
// each under its origin dealer and committed on its own as `veiculo custo`
// does (the commit is not timed), and reports:
//   ms_per_vehicle        median milliseconds of one CalculoCustoVeiculo;
//   statements_per_vehicle SQL statements sent per vehicle;
//   floor_us              median microseconds of one prepared single-row
//                          select re-executed (a dealer's parameter row by
//                          key), measured before and after the costing;
//   floor_ratio           ms_per_vehicle / (statements_per_vehicle x floor):
//                          how far a vehicle's costing is from the cost of
//                          its round trips alone.
// Floor/PreparedSelect reports the floor alone, in microseconds.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "demo/demo_dealer.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "synthetic_fleet.h"

namespace veiculo::bench {
namespace {

constexpr int kCosted = 400;
constexpr int kFloorSamples = 2000;

void PerVehicle(benchmark::State& state) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  TddmVeiculoCompartilhadoBDImpl dm;
  dm.InicializaDM();
  dm.AtribuiConexao(&connection);
  // The synthetic vehicles entered between January and June 2025.
  const double data = platform::EncodeDate(2025, 6, 30);

  std::vector<double> floor = FloorSamples(connection, kFloorSamples);
  std::vector<double> ms;
  long statements = 0;
  size_t next = 0;
  const size_t step = std::max<size_t>(1, fleet.vehicles.size() / kCosted);
  for (auto _ : state) {
    const Vehicle& v = fleet.vehicles[(next++ * step) % fleet.vehicles.size()];
    const long before = connection.StatementCount();
    const auto start = std::chrono::steady_clock::now();
    const std::string result = dm.CalculoCustoVeiculo(&connection, "INTERBASE", v.code, data,
                                                      demo::kEmpresa, v.revenda, 0, 0);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    statements += connection.StatementCount() - before;
    state.SetIterationTime(elapsed.count());
    ms.push_back(elapsed.count() * 1000);
    connection.Commit();
    if (result != "OK|") {
      state.SkipWithError(("costing " + v.code + " answered " + result).c_str());
      break;
    }
  }
  const std::vector<double> after = FloorSamples(connection, kFloorSamples);
  floor.insert(floor.end(), after.begin(), after.end());

  const double ms_median = Median(ms);
  const double per_vehicle = ms.empty() ? 0 : static_cast<double>(statements) / ms.size();
  const double floor_us = Median(floor);
  state.counters["ms_per_vehicle"] = ms_median;
  state.counters["statements_per_vehicle"] = per_vehicle;
  state.counters["floor_us"] = floor_us;
  state.counters["floor_ratio"] =
      per_vehicle * floor_us > 0 ? ms_median * 1000 / (per_vehicle * floor_us) : 0;
  state.counters["vehicles_in_db"] = static_cast<double>(fleet.vehicles.size());
}
BENCHMARK(PerVehicle)
    ->Name("VehicleCost/PerVehicle")
    ->Iterations(kCosted)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void Floor(benchmark::State& state) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  platform::SqlDataSet select("sdsPiso", &connection);
  select.SetCommandText(
      "select * from VEI_PARAMETRO where EMPRESA = :Empresa and REVENDA = :Revenda");
  select.ParamByName("Empresa").SetAsInteger(demo::kEmpresa);
  select.ParamByName("Revenda").SetAsInteger(demo::kRevendaMatriz);
  select.Open();
  for (auto _ : state) {
    select.Close();
    select.Open();
    benchmark::DoNotOptimize(select.FieldByName("UB_PADRAO").AsInteger());
  }
}
BENCHMARK(Floor)->Name("Floor/PreparedSelect")->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
