// Costing the whole stock of the demo dealer with 5,000 synthetic vehicles
// (both dealers, each vehicle under its origin dealer), the way
// `veiculo custo --todos` runs it (vehicle_batch.h), on a database with
// forced writes on, as a dealer's own database is. Eight ways, in one run
// (bound: literals bound as parameters; every: vehicles per commit, each
// under a savepoint when more than one; index: the index of invoice items by
// vehicle; kept: the connection keeps the rows a costing reads again and
// never writes (a formula and its lines, indices and their values, invoice
// headers and the entry invoice's sums, the vehicle's expenses, end of
// correction and proposal, the dealer's brand) for the transaction, until a
// table they read is written; memo: dialect translations and marker parses
// kept by text, text_memo.h; across: kept rows outlive each vehicle's
// savepoint, so the next vehicle of the batch reads the shared ones again
// without a statement):
//
//   bound:0/every:1/index:0/kept:0/memo:0/across:0     the costing as it was (before)
//   bound:0/every:1/index:1/kept:0/memo:0/across:0     the index alone
//   bound:0/every:100/index:1/kept:0/memo:0/across:0   the index and the batch commits
//   bound:1/every:1/index:1/kept:0/memo:0/across:0     the index and bound literals
//   bound:1/every:100/index:1/kept:0/memo:0/across:0   the three
//   bound:1/every:100/index:1/kept:1/memo:0/across:0   the four
//   bound:1/every:100/index:1/kept:1/memo:1/across:0   the five
//   bound:1/every:100/index:1/kept:1/memo:1/across:1   all six (custo --todos today)
//
// The rows after the first cost vehicles costed before (as a daily
// `custo --todos` does): their earlier costing rows are deleted and the
// vehicles' rows carry an older version. The first row costs them afresh.
//
// Each costs the same vehicles: every 10th of the fleet (500), or all 5,000
// with VEICULO_BENCH_FULL=1. Counters:
//   seconds                 the whole run;
//   seconds_5000            ms_per_vehicle x 5,000 (the goal is 20 s);
//   ms_per_vehicle          seconds / vehicles;
//   statements_per_vehicle  SQL statements sent per vehicle (savepoints and
//                           commits, transaction control, are not counted);
//   prepares_per_vehicle    texts prepared anew per vehicle;
//   kb_written_per_vehicle  bytes the process wrote (the database file's pages), per vehicle;
//   writes_per_vehicle      write calls (one per page with forced writes), per vehicle;
//   floor_us                a prepared single-row select re-executed;
//   floor_ratio             ms_per_vehicle / (statements_per_vehicle x floor)
//                           (the goal is 1.5 or less).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench_database.h"
#include "demo/demo_dealer.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/connection_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "platform/text_memo.h"
#include "synthetic_fleet.h"
#include "vehicle_batch.h"

namespace veiculo::bench {
namespace {

constexpr size_t kStride = 10;

struct Stock {
  BenchDatabase database{true};
  std::vector<Vehicle> vehicles;
};

Stock& WholeStock() {
  static Stock* stock = [] {
    auto* created = new Stock();
    created->vehicles = LoadFleet(created->database.connection(), false);
    return created;
  }();
  return *stock;
}

// What this process has written so far: bytes and write calls (the
// database file's pages, each one write with forced writes). The kernel's
// own "write_bytes" is not used: it counts every page-cache folio a write
// dirties in whole, and this kernel's folios run to 64 KB and more, so an
// 8 KB page written counted ten times its size.
struct Written {
  double bytes = 0, calls = 0;
};
Written WrittenSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  double value = 0;
  Written written;
  while (io >> key >> value) {
    if (key == "wchar:") written.bytes = value;
    if (key == "syscw:") written.calls = value;
  }
  return written;
}

// The index of invoice items by vehicle, dropped to measure the costing as
// it ran before the schema had it.
void InvoiceItemIndex(Connection& connection, bool wanted) {
  platform::SqlDataSet present("sdsIndice", &connection);
  present.SetCommandText(
      "select count(*) N from RDB$INDICES where RDB$INDEX_NAME = 'IX_FAT_MOVIMENTO_VEICULO_VEIC'");
  present.Open();
  const bool exists = present.FieldByName("N").AsInteger() > 0;
  present.Close();
  connection.Commit();
  if (exists == wanted) return;
  connection.ExecuteDirect(wanted ? "create index IX_FAT_MOVIMENTO_VEICULO_VEIC on "
                                    "FAT_MOVIMENTO_VEICULO (VEICULO)"
                                  : "drop index IX_FAT_MOVIMENTO_VEICULO_VEIC");
  connection.Commit();
}

void Cost(benchmark::State& state) {
  const bool bound = state.range(0) != 0;
  const size_t every = static_cast<size_t>(state.range(1));
  Stock& stock = WholeStock();
  Connection& connection = stock.database.connection();
  InvoiceItemIndex(connection, state.range(2) != 0);
  connection.SetParameterizeLiterals(bound);
  platform::ImplOf(connection).Rows().SetEnabled(state.range(3) != 0);
  platform::SetTextMemosEnabled(state.range(4) != 0);
  const bool across = state.range(5) != 0;
  TddmVeiculoCompartilhadoBDImpl dm;
  dm.InicializaDM();
  dm.AtribuiConexao(&connection);
  const double data = platform::EncodeDate(2025, 6, 30);
  const bool full = std::getenv("VEICULO_BENCH_FULL") != nullptr;
  std::vector<Vehicle> vehicles;
  for (size_t i = 0; i < stock.vehicles.size(); i += full ? 1 : kStride)
    vehicles.push_back(stock.vehicles[i]);

  std::vector<double> floor = FloorSamples(connection, 1000);
  connection.Commit();
  cli::VehicleBatch batch;
  batch.dialect = "INTERBASE";
  batch.commit_every = every;
  batch.work = [&](size_t i) {
    // The kept rows as they were before savepoints kept them: gone at each vehicle.
    if (!across) platform::ImplOf(connection).Rows().Clear();
    dm.CalculoCustoVeiculo(&connection, "INTERBASE", vehicles[i].code, data, demo::kEmpresa,
                           vehicles[i].revenda, 0, 0);
  };
  size_t failed = 0;
  batch.failed = [&](size_t, const Error&) { ++failed; };
  double seconds = 0, statements = 0, prepares = 0, written = 0, writes = 0;
  for (auto _ : state) {
    const long statements_before = connection.StatementCount();
    const long prepares_before = platform::ImplOf(connection).PrepareCount();
    const Written written_before = WrittenSoFar();
    const auto start = std::chrono::steady_clock::now();
    cli::RunVehicleBatch(connection, vehicles.size(), batch);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Written written_after = WrittenSoFar();
    written = written_after.bytes - written_before.bytes;
    writes = written_after.calls - written_before.calls;
    statements = static_cast<double>(connection.StatementCount() - statements_before);
    prepares = static_cast<double>(platform::ImplOf(connection).PrepareCount() - prepares_before);
  }
  if (failed > 0) state.SkipWithError((std::to_string(failed) + " vehicles failed").c_str());
  const std::vector<double> after = FloorSamples(connection, 1000);
  connection.Commit();
  floor.insert(floor.end(), after.begin(), after.end());
  connection.SetParameterizeLiterals(true);
  platform::ImplOf(connection).Rows().SetEnabled(false);
  platform::SetTextMemosEnabled(true);

  const double n = static_cast<double>(vehicles.size());
  const double ms = seconds * 1000 / n, floor_us = Median(floor);
  state.counters["vehicles"] = n;
  state.counters["seconds"] = seconds;
  state.counters["seconds_5000"] = ms * 5000 / 1000;
  state.counters["ms_per_vehicle"] = ms;
  state.counters["statements_per_vehicle"] = statements / n;
  state.counters["prepares_per_vehicle"] = prepares / n;
  state.counters["kb_written_per_vehicle"] = written / n / 1024;
  state.counters["writes_per_vehicle"] = writes / n;
  state.counters["floor_us"] = floor_us;
  state.counters["floor_ratio"] = ms * 1000 / (statements / n * floor_us);
}
BENCHMARK(Cost)
    ->Name("WholeStock")
    ->ArgNames({"bound", "every", "index", "kept", "memo", "across"})
    ->Args({0, 1, 0, 0, 0, 0})
    ->Args({0, 1, 1, 0, 0, 0})
    ->Args({0, cli::kVehiclesPerCommit, 1, 0, 0, 0})
    ->Args({1, 1, 1, 0, 0, 0})
    ->Args({1, cli::kVehiclesPerCommit, 1, 0, 0, 0})
    ->Args({1, cli::kVehiclesPerCommit, 1, 1, 0, 0})
    ->Args({1, cli::kVehiclesPerCommit, 1, 1, 1, 0})
    ->Args({1, cli::kVehiclesPerCommit, 1, 1, 1, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
