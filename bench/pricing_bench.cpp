// The desired-profit price (CalculaValorCfeLucroDesejado) on the demo dealer
// with 5,000 synthetic vehicles under the demo formula NOVOS, against the
// database's round-trip floor measured in the same run.
//
// DesiredProfit/PerVehicle prices 400 different vehicles spread over the
// fleet for 10 % of profit on total cost at present value ("L", "P"), each
// under its origin dealer, and reports:
//   ms_per_vehicle         median milliseconds of one solution;
//   passes_per_vehicle     solver passes per vehicle (at most 16);
//   statements_per_vehicle SQL statements sent per vehicle;
//   statements_per_pass    the same per pass;
//   floor_us               median microseconds of one prepared single-row
//                          select re-executed, measured before and after;
//   floor_ratio            ms_per_vehicle / (statements_per_vehicle x floor).

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

constexpr int kPriced = 400;
constexpr int kFloorSamples = 2000;
constexpr double kDesiredPercentage = 10;

void PerVehicle(benchmark::State& state) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  TddmVeiculoCompartilhadoBDImpl dm;
  dm.InicializaDM();
  dm.AtribuiConexao(&connection);
  const double data = platform::EncodeDate(2025, 6, 30);
  const DataPacket sem_alteracoes;

  std::vector<double> floor = FloorSamples(connection, kFloorSamples);
  std::vector<double> ms;
  long statements = 0, passes = 0;
  size_t next = 0;
  const size_t step = std::max<size_t>(1, fleet.vehicles.size() / kPriced);
  for (auto _ : state) {
    const Vehicle& v = fleet.vehicles[(next++ * step) % fleet.vehicles.size()];
    const long before = connection.StatementCount();
    const auto start = std::chrono::steady_clock::now();
    const double price = dm.CalculaValorCfeLucroDesejado(demo::kEmpresa, v.revenda, v.code, "L",
                                                         "P", kDesiredPercentage, data, false,
                                                         false, nullptr, sem_alteracoes, false);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    statements += connection.StatementCount() - before;
    passes += dm.PassosLucroDesejado();
    state.SetIterationTime(elapsed.count());
    ms.push_back(elapsed.count() * 1000);
    if (!(price > 0)) {
      state.SkipWithError(("no price for " + v.code).c_str());
      break;
    }
  }
  connection.Rollback();
  const std::vector<double> after = FloorSamples(connection, kFloorSamples);
  floor.insert(floor.end(), after.begin(), after.end());

  const double n = static_cast<double>(ms.size());
  const double ms_median = Median(ms);
  const double per_vehicle = ms.empty() ? 0 : static_cast<double>(statements) / n;
  const double floor_us = Median(floor);
  state.counters["ms_per_vehicle"] = ms_median;
  state.counters["passes_per_vehicle"] = ms.empty() ? 0 : static_cast<double>(passes) / n;
  state.counters["statements_per_vehicle"] = per_vehicle;
  state.counters["statements_per_pass"] =
      passes > 0 ? static_cast<double>(statements) / static_cast<double>(passes) : 0;
  state.counters["floor_us"] = floor_us;
  state.counters["floor_ratio"] =
      per_vehicle * floor_us > 0 ? ms_median * 1000 / (per_vehicle * floor_us) : 0;
}
BENCHMARK(PerVehicle)
    ->Name("DesiredProfit/PerVehicle")
    ->Iterations(kPriced)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
