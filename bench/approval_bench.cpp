// The managerial approval (AprovacaoGerencialProposta) on the demo dealer
// with 5,000 synthetic vehicles, F&I off.
//
// Approval/TenRivals approves, for 100 different synthetic vehicles, a
// proposal of salesperson 11 while ten live proposals of ten other
// salespeople (five at the head office, five at the branch) want the same
// vehicle: every rival is rejected and its salesperson gets a message and a
// contact action. The manager (user 1) may approve below the minimum price,
// so the minimum-price valuation (the desired-profit solver) runs in full.
// The proposals are written before the clock starts and rolled back after
// each approval. Reports:
//   ms_per_approval          median milliseconds of one approval (goal < 200);
//   statements_per_approval  SQL statements sent per approval;
//   floor_us                 median microseconds of one prepared single-row
//                            select re-executed, measured before and after.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "demo/demo_dealer.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/format/date_time.h"
#include "synthetic_fleet.h"

namespace veiculo::bench {
namespace {

constexpr int kApprovals = 100;
constexpr int kRivals = 10;
constexpr int kFloorSamples = 2000;
constexpr int kProposta = 9000;

std::string Num(int value) {
  return std::to_string(value);
}

// The ten other salespeople (21..30, users of the same numbers), committed once.
void AddSalespeople(Connection& connection) {
  for (int i = 1; i <= kRivals; ++i) {
    const int vendedor = 20 + i;
    const int revenda = i % 2 == 0 ? demo::kRevendaFilial : demo::kRevendaMatriz;
    connection.ExecuteDirect("insert into GER_USUARIO (USUARIO, NOME) values (" + Num(vendedor) +
                             ", 'Vendedor " + Num(vendedor) + "')");
    connection.ExecuteDirect(
        "insert into FAT_VENDEDOR (EMPRESA, REVENDA, VENDEDOR, NOME, USUARIO) values (1, " +
        Num(revenda) + ", " + Num(vendedor) + ", 'Vendedor " + Num(vendedor) + "', " +
        Num(vendedor) + ")");
  }
  connection.Commit();
}

// A proposal of `vendedor` for the vehicle, with its contact and one
// negotiation of 100.000,00 paid in one payment.
void AddProposal(Connection& connection, int revenda, int proposta, int vendedor,
                 const std::string& veiculo) {
  const std::string chave = "1, " + Num(revenda) + ", " + Num(proposta);
  connection.ExecuteDirect(
      "insert into CAC_CONTATO (EMPRESA, REVENDA, CONTATO, CLIENTE, SITUACAO) values (" + chave +
      ", 30001, 'A')");
  connection.ExecuteDirect(
      "insert into VEI_PROPOSTA (EMPRESA, REVENDA, PROPOSTA, SITUACAO, VENDEDOR, VEICULO, "
      "EMPRESA_VEICULO, CONTATO) values (" +
      chave + ", '1', " + Num(vendedor) + ", '" + veiculo + "', 1, " + Num(proposta) + ")");
  connection.ExecuteDirect(
      "insert into VEI_NEGOCIACAO (EMPRESA, REVENDA, PROPOSTA, NEGOCIACAO, VAL_VEICULO, "
      "VAL_DESCONTO, VAL_FRETE, VAL_SEGURO, STATUS) values (" +
      chave + ", 1, 100000, 0, 0, 0, 'N')");
  connection.ExecuteDirect(
      "insert into VEI_PAGAMENTO (EMPRESA, REVENDA, PROPOSTA, NEGOCIACAO, NUMERO_PAGAMENTO, "
      "VAL_PAGAMENTO) values (" +
      chave + ", 1, 1, 100000)");
}

void TenRivals(benchmark::State& state) {
  Fleet& fleet = SyntheticFleet();
  Connection& connection = fleet.database.connection();
  static const bool salespeople = (AddSalespeople(connection), true);
  (void)salespeople;
  TddmVeiculoCompartilhadoBDImpl dm;
  dm.InicializaDM();
  dm.AtribuiConexao(&connection);
  const double data = platform::EncodeDate(2025, 6, 30);

  std::vector<double> floor = FloorSamples(connection, kFloorSamples);
  std::vector<double> ms;
  long statements = 0;
  size_t next = 0;
  const size_t step = std::max<size_t>(1, fleet.vehicles.size() / kApprovals);
  for (auto _ : state) {
    const std::string& veiculo = fleet.vehicles[(next++ * step) % fleet.vehicles.size()].code;
    AddProposal(connection, demo::kRevendaMatriz, kProposta, 11, veiculo);
    for (int i = 1; i <= kRivals; ++i)
      AddProposal(connection, i % 2 == 0 ? demo::kRevendaFilial : demo::kRevendaMatriz,
                  kProposta + i, 20 + i, veiculo);

    const long before = connection.StatementCount();
    const auto start = std::chrono::steady_clock::now();
    const std::string result = dm.AprovacaoGerencialProposta(
        &connection, "INTERBASE", 1, demo::kRevendaMatriz, kProposta, 1, 1, data, 0);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    statements += connection.StatementCount() - before;
    state.SetIterationTime(elapsed.count());
    ms.push_back(elapsed.count() * 1000);
    connection.Rollback();
    if (result.rfind("OK|", 0) != 0) {
      state.SkipWithError((veiculo + ": " + result).c_str());
      break;
    }
  }
  const std::vector<double> after = FloorSamples(connection, kFloorSamples);
  floor.insert(floor.end(), after.begin(), after.end());

  const double n = static_cast<double>(ms.size());
  state.counters["ms_per_approval"] = Median(ms);
  state.counters["statements_per_approval"] = ms.empty() ? 0 : static_cast<double>(statements) / n;
  state.counters["floor_us"] = Median(floor);
}
BENCHMARK(TenRivals)
    ->Name("Approval/TenRivals")
    ->Iterations(kApprovals)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
