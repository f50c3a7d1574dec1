// The online stock load of the CRM staging (GeraCargaEstoqueOnline) on the
// demo dealer with 5,000 synthetic vehicles, and what keeping the pricing
// module warm across vehicles is worth.
//
// SalesforceLoad/Online loads both demo dealers (every synthetic vehicle is
// new, of the brand and in stock) and reports:
//   seconds                 wall time of the two loads;
//   vehicles                vehicles read (and priced);
//   rows                    staging rows written;
//   ms_per_vehicle          seconds x 1000 / vehicles;
//   statements_per_vehicle  SQL statements sent per vehicle.
// SalesforceLoad/PricingFreshModule and /PricingWarmModule price the same
// 200 vehicles, one with a new module initialised and bound per vehicle
// (the original design), the other with one module for all of them (what
// the load does): ms and statements per vehicle of each, compared in one run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "demo/demo_dealer.h"
#include "platform/format/date_time.h"
#include "synthetic_fleet.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/sales_force.h"

namespace veiculo::bench {
namespace {

constexpr int kPriced = 200;
const double kData = platform::EncodeDate(2025, 6, 30);

// The maker settings the demo dealer lacks: dealer numbers, simple integration.
void SalesParameters(Connection& connection) {
  for (int revenda : {demo::kRevendaMatriz, demo::kRevendaFilial})
    connection.ExecuteDirect(
        "update or insert into REN_PARAMETRO (EMPRESA, REVENDA, NUMERO_DN, "
        "UTILIZA_SALES_FORCE_FULL) values (1, " +
        std::to_string(revenda) + ", " + std::to_string(10000 + revenda) +
        ", 'N') matching (EMPRESA, REVENDA)");
}

void Online(benchmark::State& state) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  int vehicles = 0, rows = 0;
  long statements = 0;
  double seconds = 0;
  for (auto _ : state) {
    SalesParameters(connection);
    const long before = connection.StatementCount();
    const auto start = std::chrono::steady_clock::now();
    for (int revenda : {demo::kRevendaMatriz, demo::kRevendaFilial}) {
      TSalesForce sales;
      sales.DataProcessamento = kData;
      sales.BancoDados = "INTERBASE";
      int read = 0;
      sales.Progresso = [&read](int, int total) { read = total; };
      rows += sales.GeraCargaEstoqueOnline(&connection, false, false, demo::kEmpresa, revenda);
      vehicles += read;
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    statements = connection.StatementCount() - before;
    state.SetIterationTime(seconds);
    connection.Rollback();
  }
  state.counters["seconds"] = seconds;
  state.counters["vehicles"] = vehicles;
  state.counters["rows"] = rows;
  state.counters["ms_per_vehicle"] = vehicles > 0 ? seconds * 1000 / vehicles : 0;
  state.counters["statements_per_vehicle"] =
      vehicles > 0 ? static_cast<double>(statements) / vehicles : 0;
}
BENCHMARK(Online)
    ->Name("SalesforceLoad/Online")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// Prices kPriced vehicles spread over the fleet, with a module per vehicle
// or one for all.
void Pricing(benchmark::State& state, bool fresh) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  const size_t step = std::max<size_t>(1, fleet.vehicles.size() / kPriced);
  std::unique_ptr<TddmVeiculoCompartilhadoBD> warm;
  std::vector<double> ms;
  long statements = 0;
  size_t next = 0;
  for (auto _ : state) {
    const Vehicle& v = fleet.vehicles[(next++ * step) % fleet.vehicles.size()];
    const long before = connection.StatementCount();
    const auto start = std::chrono::steady_clock::now();
    if (fresh || !warm) {
      warm = TddmVeiculoCompartilhadoBD::Cria();
      warm->InicializaDM();
      warm->AtribuiConexao(&connection);
    }
    const double price = warm->CalculoValorVenda(demo::kEmpresa, v.revenda, "", v.code, kData,
                                                 false, false, nullptr);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    statements += connection.StatementCount() - before;
    state.SetIterationTime(elapsed.count());
    ms.push_back(elapsed.count() * 1000);
    benchmark::DoNotOptimize(price);
  }
  connection.Rollback();
  const double n = static_cast<double>(ms.size());
  state.counters["ms_per_vehicle"] = Median(ms);
  state.counters["statements_per_vehicle"] = n > 0 ? static_cast<double>(statements) / n : 0;
}
BENCHMARK_CAPTURE(Pricing, FreshModule, true)
    ->Name("SalesforceLoad/PricingFreshModule")
    ->Iterations(kPriced)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Pricing, WarmModule, false)
    ->Name("SalesforceLoad/PricingWarmModule")
    ->Iterations(kPriced)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
