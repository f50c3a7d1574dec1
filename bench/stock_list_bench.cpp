// The intermediate stock list of the demo dealer with 5,000 synthetic
// vehicles, valued, with the vehicles spread over the three sale-value
// sources: the head office values from the model registry ("1"), the branch
// from the dealer price ("2") and a third dealer from the desired-profit
// price ("3"); a third of the vehicles belongs to each.
//
// StockList/Query     the list without valuation (one statement): seconds.
// StockList/Valued    the whole list valued (BuscaEstoqueIntermediario with
//                     pCalcEstoque) and reports:
//   seconds                 the whole call;
//   rows                    rows listed;
//   statements_per_vehicle  SQL statements sent per row;
//   ms_per_vehicle          milliseconds per row;
//   passes_per_priced       solver passes per vehicle of source "3" (measured
//                           again on a sample of 100 of them after the run);
//   passes_per_vehicle      the same spread over every row.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench_database.h"
#include "demo/demo_dealer.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/connection_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"

namespace veiculo::bench {
namespace {

constexpr int kVehicles = 5000;
constexpr int kPassSample = 100;

// The columns of a table other than REVENDA, for copying a dealer's row.
std::string OtherColumns(Connection& connection, const std::string& table) {
  platform::SqlDataSet columns("sdsColunas", &connection);
  columns.SetCommandText(
      "select trim(RDB$FIELD_NAME) NOME from RDB$RELATION_FIELDS where RDB$RELATION_NAME = '" +
      table + "' and RDB$FIELD_NAME <> 'REVENDA' order by RDB$FIELD_POSITION");
  std::string list;
  for (columns.Open(); !columns.Eof(); columns.Next())
    list += (list.empty() ? "" : ", ") + columns.FieldByName("NOME").AsText();
  return list;
}

void CopyDealer(Connection& connection, const std::string& table, int from, int to) {
  const std::string columns = OtherColumns(connection, table);
  connection.ExecuteDirect("insert into " + table + " (REVENDA, " + columns + ") select " +
                           std::to_string(to) + ", " + columns + " from " + table +
                           " where EMPRESA = 1 and REVENDA = " + std::to_string(from));
}

BenchDatabase& Dealer() {
  static BenchDatabase* database = [] {
    auto* created = new BenchDatabase();
    Connection& connection = created->connection();
    demo::LoadDemoDealer(connection);
    demo::LoadSyntheticVehicles(connection, kVehicles);
    for (const char* table : {"GER_REVENDA", "VEI_PARAMETRO", "REN_PARAMETRO"})
      CopyDealer(connection, table, demo::kRevendaMatriz, 3);
    connection.ExecuteDirect(
        "update VEI_PARAMETRO set VAL_VEICULO_C_R = case REVENDA when 1 then '1' when 2 then '2' "
        "else '3' end where EMPRESA = 1");
    // Every third synthetic vehicle moves to dealer 3; the branch's used-car
    // price stands in as the dealer price of its vehicles.
    connection.ExecuteDirect(
        "update VEI_VEICULO set REVENDA_ORIGEM = 3, PERCENTUAL_LUCRO = 8 where EMPRESA = 1 and "
        "VEICULO starting with 'S' and mod(cast(substring(VEICULO from 2) as integer), 3) = 0");
    connection.ExecuteDirect(
        "update VEI_VEICULO set PRECO_CONCESSIONARIA = VAL_COMPRA * 1.12 where EMPRESA = 1 and "
        "REVENDA_ORIGEM = 2");
    connection.Commit();
    return created;
  }();
  return *database;
}

DataPacket List(TddmVeiculoCompartilhadoBD& dm, Connection& connection, bool valorizar) {
  return dm.BuscaEstoqueIntermediario(&connection, "INTERBASE", "30/06/2025 12:00:00", "", "", "",
                                      "", "", "", "", "", "", "", "", "", "", 2, 0, nullptr, false,
                                      false, false, false, false, false, valorizar, false);
}

void Query(benchmark::State& state) {
  Connection& connection = Dealer().connection();
  TddmVeiculoCompartilhadoBDImpl dm;
  dm.InicializaDM();
  size_t rows = 0;
  for (auto _ : state) rows = List(dm, connection, false).rows.size();
  connection.Rollback();
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(Query)->Name("StockList/Query")->Iterations(3)->Unit(benchmark::kSecond);

void Valued(benchmark::State& state) {
  Connection& connection = Dealer().connection();
  TddmVeiculoCompartilhadoBDImpl dm;
  dm.InicializaDM();
  const double data = platform::EncodeDateTime(2025, 6, 30, 12, 0, 0);
  // As `veiculo estoque --valorizar`: the rows every vehicle reads again are
  // kept for the transaction.
  platform::ImplOf(connection).Rows().SetEnabled(true);
  DataPacket lista;
  long statements = 0;
  double seconds = 0;
  for (auto _ : state) {
    const long before = connection.StatementCount();
    const auto start = std::chrono::steady_clock::now();
    lista = List(dm, connection, true);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    statements = connection.StatementCount() - before;
  }
  // Solver passes on a sample of the vehicles priced by the desired profit.
  const int revenda = lista.FieldIndex("REVENDA"), veiculo = lista.FieldIndex("VEICULO");
  long passes = 0, sampled = 0, priced = 0;
  for (const auto& row : lista.rows) {
    if (row[static_cast<size_t>(revenda)].AsInteger() != 3) continue;
    ++priced;
    if (sampled == kPassSample) continue;
    const std::string code = row[static_cast<size_t>(veiculo)].AsText();
    dm.CalculoValorVenda(1, 3, "3", code, data, false, false, nullptr);
    passes += dm.PassosLucroDesejado();
    ++sampled;
  }
  connection.Rollback();
  const double n = static_cast<double>(lista.rows.size());
  const double per_priced =
      sampled ? static_cast<double>(passes) / static_cast<double>(sampled) : 0;
  state.counters["seconds"] = seconds;
  state.counters["rows"] = n;
  state.counters["statements_per_vehicle"] = n > 0 ? static_cast<double>(statements) / n : 0;
  state.counters["ms_per_vehicle"] = n > 0 ? seconds * 1000 / n : 0;
  state.counters["passes_per_priced"] = per_priced;
  state.counters["passes_per_vehicle"] = n > 0 ? per_priced * static_cast<double>(priced) / n : 0;
}
BENCHMARK(Valued)->Name("StockList/Valued")->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
