// The database layer's cost over the database library it stands on.
//
// SelectByKey/DataSet vs SelectByKey/PreparedSoci: one-row select by key,
//   the same text re-opened with new parameter values through an SQL dataset,
//   against a statement prepared once with the library and re-executed
//   (goal: the dataset within 25 % of the prepared statement).
// LiteralText/SecondOpen: a text with literals opened again (the statement
//   cache serves it), to compare with PreparedSoci (goal: at most 1.5 times).
// ClientDataSet/Open30: a client dataset opened through its provider, 30 rows.
// Each iteration reports the engine statements it sent ("statements").

#include <benchmark/benchmark.h>
#include <soci/firebird/soci-firebird.h>
#include <soci/soci.h>

#include "bench_database.h"
#include "platform/db/client_dataset.h"
#include "platform/db/connection_impl.h"
#include "platform/db/provider.h"
#include "platform/db/sql_dataset.h"

namespace veiculo::bench {
namespace {

constexpr int kDealers = 30;

BenchDatabase& Database() {
  static BenchDatabase* db = [] {
    auto* created = new BenchDatabase();
    platform::SqlDataSet insert("sdsExecuta", &created->connection());
    insert.SetCommandText(
        "insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO, UF_PADRAO) "
        "values (1, :Revenda, :Ub, :Uf)");
    for (int revenda = 1; revenda <= kDealers; ++revenda) {
      insert.ParamByName("Revenda").SetAsInteger(revenda);
      insert.ParamByName("Ub").SetAsInteger(revenda * 10);
      insert.ParamByName("Uf").SetAsInteger(revenda * 100);
      insert.ExecSQL();
    }
    created->connection().Commit();
    return created;
  }();
  return *db;
}

const char* kByKey = "select * from VEI_PARAMETRO where EMPRESA = :Empresa and REVENDA = :Revenda";

void SelectByKeyDataSet(benchmark::State& state) {
  Connection& connection = Database().connection();
  platform::SqlDataSet ds("sdsParametro", &connection);
  ds.SetCommandText(kByKey);
  ds.ParamByName("Empresa").SetAsInteger(1);
  int revenda = 0;
  const long before = connection.StatementCount();
  for (auto _ : state) {
    ds.Close();
    ds.ParamByName("Revenda").SetAsInteger(revenda++ % kDealers + 1);
    ds.Open();
    benchmark::DoNotOptimize(ds.FieldByName("UB_PADRAO").AsInteger());
  }
  state.counters["statements"] = benchmark::Counter(
      static_cast<double>(connection.StatementCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(SelectByKeyDataSet)->Name("SelectByKey/DataSet");

void SelectByKeyPreparedSoci(benchmark::State& state) {
  // The baseline: what a hand-written prepared statement costs.
  soci::session session(*soci::factory_firebird(), "service=" + Database().path() + " user=SYSDBA charset=UTF8");
  soci::row row;
  std::string empresa = "1", revenda_text;
  soci::indicator ie = soci::i_ok, ir = soci::i_ok;
  soci::statement st(session);
  st.exchange(soci::into(row));
  st.exchange(soci::use(empresa, ie));
  st.exchange(soci::use(revenda_text, ir));
  st.alloc();
  st.prepare("select * from VEI_PARAMETRO where EMPRESA = ? and REVENDA = ?");
  st.define_and_bind();
  int revenda = 0;
  for (auto _ : state) {
    revenda_text = std::to_string(revenda++ % kDealers + 1);
    st.execute(true);
    benchmark::DoNotOptimize(row.get<int>(2));
  }
  session.rollback();
}
BENCHMARK(SelectByKeyPreparedSoci)->Name("SelectByKey/PreparedSoci");

void LiteralTextSecondOpen(benchmark::State& state) {
  platform::SqlDataSet ds("sdsAux", &Database().connection());
  ds.SetCommandText("select * from VEI_PARAMETRO where EMPRESA = 1 and REVENDA = 7");
  ds.Open();  // the first open prepares the text
  for (auto _ : state) {
    ds.Close();
    ds.Open();
    benchmark::DoNotOptimize(ds.FieldByName("UB_PADRAO").AsInteger());
  }
}
BENCHMARK(LiteralTextSecondOpen)->Name("LiteralText/SecondOpen");

void ClientDataSetOpen30(benchmark::State& state) {
  platform::SqlDataSet sds("sdsParametro", &Database().connection());
  sds.SetCommandText("select * from VEI_PARAMETRO where EMPRESA = :Empresa order by REVENDA");
  platform::Provider dsp("dspParametro", &sds);
  platform::ClientDataSet cds("cdsParametro", &dsp);
  cds.FetchParams();
  cds.ParamByName("Empresa").SetAsInteger(1);
  for (auto _ : state) {
    cds.Close();
    cds.Open();
    benchmark::DoNotOptimize(cds.RecordCount());
  }
  state.counters["rows"] = cds.RecordCount();
}
BENCHMARK(ClientDataSetOpen30)->Name("ClientDataSet/Open30");

void SqlDataSetOpen30(benchmark::State& state) {
  // The same 30 rows read by the SQL dataset alone: the engine's share.
  platform::SqlDataSet sds("sdsParametro", &Database().connection());
  sds.SetCommandText("select * from VEI_PARAMETRO where EMPRESA = :Empresa order by REVENDA");
  sds.ParamByName("Empresa").SetAsInteger(1);
  for (auto _ : state) {
    sds.Close();
    sds.Open();
    benchmark::DoNotOptimize(sds.RecordCount());
  }
}
BENCHMARK(SqlDataSetOpen30)->Name("SqlDataSet/Open30");

}  // namespace
}  // namespace veiculo::bench

BENCHMARK_MAIN();
