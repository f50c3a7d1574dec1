// Reading vehicles into the module, on the demo dealer with 5,000 synthetic
// vehicles.
//
// LerVeiculo/DifferentVehicle: a different vehicle on every call, the
//   keyed query re-opened each time (the figure the vehicle reading costs).
// LerVeiculo/SameVehicle: the same vehicle again, answered from the loaded
//   datasets (the floor: no SQL).
// LerVeiculo/AllLoaded: the host's query without parameters loads every
//   vehicle once; each call positions by key.
// Each reports microseconds per call and "statements", the SQL statements sent
// per call.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_database.h"
#include "demo/demo_dealer.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"

namespace veiculo::bench {
namespace {

constexpr int kVehicles = 5000;

struct Fleet {
  BenchDatabase database;
  std::vector<std::string> codes;  // the synthetic vehicles, in code order
};

Fleet& SyntheticFleet() {
  static Fleet* fleet = [] {
    auto* created = new Fleet();
    Connection& connection = created->database.connection();
    demo::LoadDemoDealer(connection);
    demo::LoadSyntheticVehicles(connection, kVehicles);
    connection.Commit();
    platform::SqlDataSet codes("sdsAux", &connection);
    codes.SetCommandText(
        "select VEICULO from VEI_VEICULO where EMPRESA = " + std::to_string(demo::kEmpresa) +
        " and VEICULO starting with 'S' order by VEICULO");
    for (codes.Open(); !codes.Eof(); codes.Next())
      created->codes.push_back(codes.FieldByName("VEICULO").AsText());
    return created;
  }();
  return *fleet;
}

// A module bound to the fleet's database, as a host prepares it.
struct BoundModule {
  explicit BoundModule(Connection& connection) {
    dm.InicializaDM();
    dm.AtribuiConexao(&connection);
  }
  TddmVeiculoCompartilhadoBDImpl dm;
};

void ReportStatements(benchmark::State& state, const Connection& connection, long before) {
  state.counters["statements"] =
      benchmark::Counter(static_cast<double>(connection.StatementCount() - before),
                         benchmark::Counter::kAvgIterations);
  state.counters["vehicles"] = static_cast<double>(SyntheticFleet().codes.size());
}

void DifferentVehicle(benchmark::State& state) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  BoundModule module(connection);
  size_t next = 0;
  const long before = connection.StatementCount();
  for (auto _ : state) {
    const std::string& code = fleet.codes[next++ % fleet.codes.size()];
    if (!module.dm.LerVeiculo(demo::kEmpresa, code, true)) {
      state.SkipWithError(("vehicle not found: " + code).c_str());
      break;
    }
  }
  ReportStatements(state, connection, before);
}
BENCHMARK(DifferentVehicle)->Name("LerVeiculo/DifferentVehicle")->Unit(benchmark::kMicrosecond);

void SameVehicle(benchmark::State& state) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  BoundModule module(connection);
  module.dm.LerVeiculo(demo::kEmpresa, fleet.codes.front(), true);
  const long before = connection.StatementCount();
  for (auto _ : state)
    benchmark::DoNotOptimize(module.dm.LerVeiculo(demo::kEmpresa, fleet.codes.front(), true));
  ReportStatements(state, connection, before);
}
BENCHMARK(SameVehicle)->Name("LerVeiculo/SameVehicle")->Unit(benchmark::kMicrosecond);

void AllLoaded(benchmark::State& state) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  BoundModule module(connection);
  const std::string& keyed = module.dm.sdsVeiculo->CommandText();
  module.dm.AlteraCommandText("cdsVeiculo", keyed.substr(0, keyed.find(" where v.EMPRESA")));
  module.dm.LerVeiculo(demo::kEmpresa, fleet.codes.front(), true);  // loads every vehicle
  size_t next = 0;
  const long before = connection.StatementCount();
  for (auto _ : state) {
    const std::string& code = fleet.codes[next++ % fleet.codes.size()];
    if (!module.dm.LerVeiculo(demo::kEmpresa, code, true)) {
      state.SkipWithError(("vehicle not found: " + code).c_str());
      break;
    }
  }
  ReportStatements(state, connection, before);
}
BENCHMARK(AllLoaded)->Name("LerVeiculo/AllLoaded")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
