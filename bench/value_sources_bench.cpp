// The entry-invoice purchase value ("C"), as the costing asks for it once per
// vehicle and formula line: SQL statements and microseconds per call.
//
// EntryInvoiceC/OneVehicle: an entry invoice of one vehicle and three
//   purchase invoices, the vehicle entered through another dealer (so the
//   purchase invoices of both dealers are read): the entry dealer with the
//   freight date, the purchase invoices, the header (3 statements).
// EntryInvoiceC/OneOfThree: the vehicle is one of three on its invoice, so
//   its own line is read too (4 statements).
// Each reports "statements" per call; the vehicle is loaded once beforehand.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_database.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"

namespace veiculo::bench {
namespace {

void Exec(Connection& c, const std::string& sql) {
  c.ExecuteDirect(sql);
}

std::string InvoiceKey(int revenda, int numero) {
  return "1, " + std::to_string(revenda) + ", " + std::to_string(numero) + ", 'U', 'E51', 1";
}

// A vehicle with its follow-up record, pointing at entry invoice `numero` of `revenda`.
void SeedVehicle(Connection& c, const std::string& veiculo, int revenda, int numero) {
  Exec(c, "insert into OFI_FICHA_SEGUIMENTO (CHASSI, EMPRESA) values ('CH" + veiculo + "', 1)");
  Exec(c,
       "insert into VEI_VEICULO (EMPRESA, VEICULO, MODELO, CHASSI, FORMULA, TIPO_VENDA, "
       "VAL_COMPRA, EMPRESA_NFENTRADA, REVENDA_NFENTRADA, NUMERO_NOTA_NFENTRADA, "
       "SERIE_NOTA_NFENTRADA, TIPO_TRANSACAO_NFENTRADA, CONTADOR_NFENTRADA) values (1, '" +
           veiculo + "', 'M1', 'CH" + veiculo + "', 'F1', 'N', 40000, " +
           InvoiceKey(revenda, numero) + ")");
}

void SeedHeader(Connection& c, int revenda, int numero, const std::string& modalidade,
                int quantidades, double total) {
  Exec(c,
       "insert into FAT_MOVIMENTO_CAPA (EMPRESA, REVENDA, NUMERO_NOTA_FISCAL, SERIE_NOTA_FISCAL, "
       "TIPO_TRANSACAO, CONTADOR, MODALIDADE, STATUS, TOT_NOTA_FISCAL, VALDESCONTO, "
       "VAL_FRETE_PF, TOT_QUANTIDADES, SOMA_PIS_COFINS) values (" +
           InvoiceKey(revenda, numero) + ", '" + modalidade + "', 'F', " + std::to_string(total) +
           ", 100, 50, " + std::to_string(quantidades) + ", 'S')");
}

void SeedLine(Connection& c, int revenda, int numero, const std::string& veiculo) {
  Exec(c,
       "insert into FAT_MOVIMENTO_VEICULO (EMPRESA, REVENDA, NUMERO_NOTA_FISCAL, "
       "SERIE_NOTA_FISCAL, TIPO_TRANSACAO, CONTADOR, VEICULO, VAL_TOTAL, VAL_PIS, VAL_COFINS) "
       "values (" +
           InvoiceKey(revenda, numero) + ", '" + veiculo + "', 40000, 10, 46)");
}

BenchDatabase& Database() {
  static BenchDatabase* db = [] {
    auto* created = new BenchDatabase();
    Connection& c = created->connection();
    Exec(c, "insert into VEI_MODELO (EMPRESA, MODELO) values (1, 'M1')");
    // V1: entry invoice at dealer 2, purchase invoices at dealers 1 and 2.
    SeedVehicle(c, "V1", 2, 100);
    SeedHeader(c, 2, 100, "N", 1, 45000);
    SeedLine(c, 2, 100, "V1");
    for (int i = 0; i < 3; ++i) {
      const int revenda = i == 2 ? 2 : 1;
      SeedHeader(c, revenda, 200 + i, "C", 1, 1000);
      SeedLine(c, revenda, 200 + i, "V1");
    }
    // V3: one of three vehicles on its entry invoice.
    SeedVehicle(c, "V3", 1, 110);
    SeedHeader(c, 1, 110, "N", 3, 135000);
    for (const char* v : {"V3", "V4", "V5"}) SeedLine(c, 1, 110, v);
    c.Commit();
    return created;
  }();
  return *db;
}

void EntryInvoiceC(benchmark::State& state, const std::string& veiculo) {
  Connection& connection = Database().connection();
  TddmVeiculoCompartilhadoBDImpl dm;
  dm.InicializaDM();
  dm.AtribuiConexao(&connection);
  if (!dm.LerVeiculo(1, veiculo, true)) {
    state.SkipWithError("vehicle not seeded");
    return;
  }
  const double processamento = platform::EncodeDate(2024, 3, 15);
  const long before = connection.StatementCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(dm.BuscaValorNotaEntrada(1, 1, "C", processamento));
  }
  state.counters["statements"] =
      benchmark::Counter(static_cast<double>(connection.StatementCount() - before),
                         benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(EntryInvoiceC, OneVehicle, std::string("V1"))
    ->Name("EntryInvoiceC/OneVehicle")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EntryInvoiceC, OneOfThree, std::string("V3"))
    ->Name("EntryInvoiceC/OneOfThree")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
