// Present value of an amount through a financial index (BuscaValorPresente).
//
// PresentValue/Monthly24: a monthly-rate index over 24 months (15/03/2022 ->
//   15/03/2024). The walk touches 25 months (March 2022 through March 2024);
//   the goal is at most one lookup per month plus the index read, and the
//   vehicle's end-of-correction query. Counters: "statements" per call and
//   "months" touched by the walk.
// PresentValue/DailyLevels: the same amount through an index of daily levels
//   (two lookups), for scale.
// Time per iteration is the microseconds per call.

#include <benchmark/benchmark.h>

#include "bench_database.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"

namespace veiculo::bench {
namespace {

constexpr int kMensal = 1;
constexpr int kDiario = 2;

BenchDatabase& Database() {
  static BenchDatabase* db = [] {
    auto* created = new BenchDatabase();
    Connection& c = created->connection();
    c.ExecuteDirect(
        "insert into FIN_INDICE_FINANCEIRO (EMPRESA, INDICE, PERIODO) values (1, 1, 'M')");
    c.ExecuteDirect(
        "insert into FIN_INDICE_FINANCEIRO (EMPRESA, INDICE, PERIODO) values (1, 2, 'D')");
    c.ExecuteDirect("insert into VEI_VEICULO (EMPRESA, VEICULO) values (1, 'V1')");
    platform::SqlDataSet insert("sdsExecuta", &c);
    insert.SetCommandText(
        "insert into FIN_VALOR_INDICE (EMPRESA, INDICE, DTA_INDICE, VAL_INDICE) "
        "values (1, :Indice, :Data, :Valor)");
    // Three years of monthly rates, 0.5 % to 1.0 %, dated on the first day.
    insert.ParamByName("Indice").SetAsInteger(kMensal);
    for (int year = 2022; year <= 2024; ++year)
      for (int month = 1; month <= 12; ++month) {
        insert.ParamByName("Data").SetAsDateTime(platform::EncodeDate(year, month, 1));
        insert.ParamByName("Valor").SetAsFloat(0.5 + month / 24.0);
        insert.ExecSQL();
      }
    insert.ParamByName("Indice").SetAsInteger(kDiario);
    insert.ParamByName("Data").SetAsDateTime(platform::EncodeDate(2022, 3, 15));
    insert.ParamByName("Valor").SetAsFloat(100);
    insert.ExecSQL();
    insert.ParamByName("Data").SetAsDateTime(platform::EncodeDate(2024, 3, 15));
    insert.ParamByName("Valor").SetAsFloat(115);
    insert.ExecSQL();
    c.Commit();
    return created;
  }();
  return *db;
}

void RunPresentValue(benchmark::State& state, int indice) {
  Connection& connection = Database().connection();
  TddmVeiculoCompartilhadoBDImpl dm;
  dm.InicializaDM();
  dm.AtribuiConexao(&connection);
  const double data1 = platform::EncodeDate(2022, 3, 15);
  const double data2 = platform::EncodeDate(2024, 3, 15);
  // One call outside the timing: a result equal to the amount would mean
  // that nothing was corrected and the figures measure the wrong path.
  if (dm.BuscaValorPresente(1, indice, 1000, data1, data2, "", "V1") == 1000) {
    state.SkipWithError("the index did not correct the value");
    return;
  }
  const long before = connection.StatementCount();
  for (auto _ : state)
    benchmark::DoNotOptimize(dm.BuscaValorPresente(1, indice, 1000, data1, data2, "", "V1"));
  state.counters["statements"] =
      benchmark::Counter(static_cast<double>(connection.StatementCount() - before),
                         benchmark::Counter::kAvgIterations);
  if (connection.InTransaction()) connection.Rollback();
}

void Monthly24(benchmark::State& state) {
  RunPresentValue(state, kMensal);
  state.counters["months"] = 25;  // March 2022 .. March 2024
}
BENCHMARK(Monthly24)->Name("PresentValue/Monthly24")->Unit(benchmark::kMicrosecond);

void DailyLevels(benchmark::State& state) {
  RunPresentValue(state, kDiario);
}
BENCHMARK(DailyLevels)->Name("PresentValue/DailyLevels")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
