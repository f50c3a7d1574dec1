// Resolving the lines of a costing formula: every line of the demo formula
// NOVOS (19 lines, most incidence families: invoices, expenses, bonuses and
// the bonus sheet, rebate, subsidy, returns, commission, ISSQN, bands) for the
// demo vehicle V1001, as the costing asks for them once per line.
//
// Incidence/WholeFormula: all lines, one after the other; reports
//   microseconds per formula, "us_per_line" and "statements_per_line".
// Incidence/Line/N: line N alone, to see which incidences cost most; reports
//   "statements" per call.
// The vehicle and the dealer parameters are read once beforehand; the sale
// value and the financial base are set as the costing sets them.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench_database.h"
#include "demo/demo_dealer.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"

namespace veiculo::bench {
namespace {

constexpr const char* kFormula = "NOVOS";

struct Demo {
  BenchDatabase database;
  std::vector<int> lines;  // LINHA_FORMULA of NOVOS, in order
};

Demo& DemoDatabase() {
  static Demo* demo = [] {
    auto* created = new Demo();
    Connection& connection = created->database.connection();
    demo::LoadDemoDealer(connection);
    connection.Commit();
    platform::SqlDataSet lines("sdsAux", &connection);
    lines.SetCommandText(
        "select LINHA_FORMULA from VEI_FORMULA_LINHA where EMPRESA = 1 and "
        "FORMULA = 'NOVOS' order by LINHA_FORMULA");
    for (lines.Open(); !lines.Eof(); lines.Next())
      created->lines.push_back(static_cast<int>(lines.FieldByName("LINHA_FORMULA").AsInteger()));
    return created;
  }();
  return *demo;
}

// A module with the demo vehicle current, as the costing prepares it.
struct PreparedModule {
  explicit PreparedModule(Connection& connection) {
    dm.InicializaDM();
    dm.AtribuiConexao(&connection);
    dm.LerParametro(demo::kEmpresa, demo::kRevendaMatriz);
    dm.LerVeiculo(demo::kEmpresa, demo::kDemoVehicle, true);
    dm.SetdPbValorVenda(86490);
    dm.SetBase_Financeiro(60000);
    dm.SetBaseComissaoVendedor(60000);
  }
  double Resolve(int linha) {
    return dm.BuscaIncidencia(demo::kDemoVehicle, kFormula, demo::kEmpresa, demo::kRevendaMatriz,
                              linha, -1, kProcessamento, false, "");
  }
  TddmVeiculoCompartilhadoBDImpl dm;
  const double kProcessamento = platform::EncodeDate(2025, 3, 20);
};

void WholeFormula(benchmark::State& state) {
  Demo& demo = DemoDatabase();
  Connection& connection = demo.database.connection();
  PreparedModule module(connection);
  const long before = connection.StatementCount();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    for (int linha : demo.lines) benchmark::DoNotOptimize(module.Resolve(linha));
  }
  const std::chrono::duration<double, std::micro> elapsed =
      std::chrono::steady_clock::now() - start;
  const double lines = static_cast<double>(demo.lines.size());
  const double resolved = lines * static_cast<double>(state.iterations());
  state.counters["lines"] = lines;
  state.counters["statements_per_line"] =
      static_cast<double>(connection.StatementCount() - before) / resolved;
  state.counters["us_per_line"] = elapsed.count() / resolved;
}
BENCHMARK(WholeFormula)
    ->Name("Incidence/WholeFormula")
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void Line(benchmark::State& state) {
  Demo& demo = DemoDatabase();
  Connection& connection = demo.database.connection();
  PreparedModule module(connection);
  const int linha = static_cast<int>(state.range(0));
  const long before = connection.StatementCount();
  for (auto _ : state) benchmark::DoNotOptimize(module.Resolve(linha));
  state.counters["statements"] =
      benchmark::Counter(static_cast<double>(connection.StatementCount() - before),
                         benchmark::Counter::kAvgIterations);
}
BENCHMARK(Line)
    ->Name("Incidence/Line")
    ->DenseRange(1, 19)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
