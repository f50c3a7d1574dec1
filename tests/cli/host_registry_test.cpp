// The registry's closest-name suggestions, its listing and the JSON of a call.

#include <gtest/gtest.h>

#include <cmath>

#include "host_session.h"
#include "input_error.h"
#include "operations/closest_names.h"
#include "operations/define.h"
#include "operations/json_output.h"
#include "operations/registry.h"

namespace veiculo::cli {
namespace {

TEST(ClosestNames, ByEditDistanceWithoutCaseOrByContainingTheTypedName) {
  const std::tuple<const char*, const char*, size_t> distances[] = {
      {"kitten", "sitting", 3},  // k->s, e->i, +g
      {"LerVeiculo", "lerveiculo", 0},
      {"ab", "ba", 2},  // no transpositions: two substitutions
  };
  for (const auto& [a, b, distance] : distances) EXPECT_EQ(EditDistance(a, b), distance) << a;
  // GetUB 0 (case ignored); GetUF and SetUB 1, in name order; SetUF 2 is cut by the limit.
  EXPECT_EQ(ClosestNames("GetUb", {"SetUB", "GetUF", "GetUB", "SetUF"}),
            (std::vector<std::string>{"GetUB", "GetUF", "SetUB"}));
  // "Veiculo" is 3 edits from LerVeiculo (tolerance 2 for 7 letters) but inside both names.
  EXPECT_EQ(ClosestNames("veiculo", {"LerParametro", "LerVeiculoServer", "LerVeiculo"}),
            (std::vector<std::string>{"LerVeiculo", "LerVeiculoServer"}));
  EXPECT_TRUE(ClosestNames("ab", {"xxxxabxxxx"}).empty());  // two letters are too few to contain
}

Operation NoOp(std::string name, std::vector<ParamSpec> params = {}) {
  Operation op;
  op.name = std::move(name);
  op.params = std::move(params);
  op.invoke = [](CallContext&) -> TypedValue { return {}; };
  op.purpose = "does nothing";
  return op;
}

TEST(Registry, RefusesRepeatsAndSuggestsTheClosestNames) {
  Registry r;
  r.Add(NoOp("LerVeiculo"));
  r.Add(NoOp("LerVeiculoServer"));
  EXPECT_THROW(r.Add(NoOp("LerVeiculo")), Error);
  EXPECT_THROW(r.Add(NoOp("B", {{"pX", ParamType::Integer}, {"PX", ParamType::Text}})), Error);
  Operation silent = NoOp("C");
  silent.purpose.clear();
  EXPECT_THROW(r.Add(silent), Error);
  Operation reads = NoOp("D");
  reads.reads = {"dPbValorVenda", "dPbValorVendas"};  // the second is no holder
  EXPECT_THROW(r.Add(reads), Error);
  try {
    r.Get("LerVeiculos");
    ADD_FAILURE() << "found";
  } catch (const InputError& e) {
    EXPECT_EQ(e.category(), ErrorCategory::NotFound);
    // LerVeiculo is 1 away; LerVeiculoServer is 5 away, past the tolerance of
    // 11 / 3 = 3, but holds "lerveiculos" when case is ignored.
    EXPECT_EQ(e.message(),
              "unknown operation 'LerVeiculos'; did you mean LerVeiculo, LerVeiculoServer?");
  }
  EXPECT_EQ(r.Find("lerveiculo"), nullptr);  // names are exact
}

TEST(Op, DeducesTypesAndDirectionsFromTheFunctionAndNamesEachParameterOnce) {
  const Operation op = Op("Op", "an operation of every kind of parameter")
                           .Writes()
                           .Reads({"iPvUsuario"})
                           .Calls([](CallContext&, Connection*, DataPacket&, int32_t&, double,
                                     double, const std::string&, bool) { return true; },
                                  "pfConexao", "pcds", Out("pN"), Date("pData"), "pValor",
                                  Text("pFlag", "S or N"), "pSim");
  EXPECT_EQ(Describe(op),
            "Op(pfConexao: connection (host), var pcds: datapacket, out pN: integer, "
            "pData: datetime, pValor: double, pFlag: text, pSim: boolean): boolean");
  EXPECT_TRUE(op.writes);
  EXPECT_EQ(op.reads, std::vector<std::string>{"iPvUsuario"});
  EXPECT_EQ(op.params[5].format, "S or N");
  // A member function: the result and a const reference parameter.
  const Operation member = Op("LerVeiculo", "x").Calls(&Module::LerVeiculo, "a", "b", "c");
  EXPECT_EQ(Describe(member), "LerVeiculo(a: integer, b: text, c: boolean): boolean");
  // What the signature contradicts is refused when the operation is declared.
  auto text = [](CallContext&, const std::string&) {};
  auto value = [](CallContext&, int32_t) {};
  EXPECT_THROW(Op("A", "x").Calls(text, Date("pData")), std::logic_error);
  EXPECT_THROW(Op("B", "x").Calls(value, Out("pN")), std::logic_error);
  EXPECT_THROW(Op("C", "x").Calls(value, Text("pN", "digits")), std::logic_error);
}

TEST(ReportsFailure, FalseFromAWriterOrANokStatus) {
  Operation reader = NoOp("Reader");
  Operation writer = NoOp("Writer");
  writer.writes = true;
  const std::tuple<const Operation*, TypedValue, bool> cases[] = {
      {&writer, false, true},
      {&writer, true, false},
      {&reader, false, false},  // a lookup's false is an answer, not a failure
      {&reader, std::string("NOK|vehicle without formula"), true},
      {&writer, std::string("OK|"), false},
      {&reader, std::string("NOK"), false},  // only the status form "NOK|..."
      {&writer, int32_t{0}, false},
  };
  for (const auto& [op, result, failed] : cases)
    EXPECT_EQ(ReportsFailure(*op, result), failed) << op->name << " " << ToJson(result).dump();
}

// The help and the Markdown reference are checked through the built host
// (veiculo_host_test.sh).
TEST(HostOperations, EveryOperationIsCallableAndHoldersWithoutAccessorsAreNone) {
  for (const Operation& op : HostOperations().Operations())
    EXPECT_TRUE(static_cast<bool>(op.invoke)) << op.name;
  EXPECT_EQ(HostOperations().Find("GetPis_Cofins_Usados"), nullptr);
}

TEST(ToJson, PrintsEachKindAsTheHostDocuments) {
  EXPECT_EQ(ToJson(std::nan("")).dump(), "null");
  // 45723 is 2025-03-07; 0.5 of a day is noon; 250 ms more are dropped.
  EXPECT_EQ(ToJson(DateTimeValue{45723.5 + 0.25 / 86400}).dump(), "\"2025-03-07T12:00:00\"");
  // 0xFF never occurs in UTF-8; U+FFFD is EF BF BD.
  EXPECT_EQ(JsonText(Json(std::string("Jo\xff"))), "\"Jo\xef\xbf\xbd\"");
}

TEST(WithDistinctNames, RenamesLaterFieldsOfARepeatedName) {
  DataPacket packet;
  packet.fields = {{"EMPRESA", FieldType::Integer, 0},
                   {"empresa", FieldType::Integer, 0},
                   {"EMPRESA_1", FieldType::Integer, 0},
                   {"EMPRESA", FieldType::Integer, 0}};
  packet.rows = {{Value::Integer(1), Value::Integer(2), Value::Integer(3), Value::Integer(4)}};
  const DataPacket distinct = WithDistinctNames(packet);
  std::vector<std::string> names;
  for (const FieldDef& f : distinct.fields) names.push_back(f.name);
  // "empresa" repeats EMPRESA; _1 is the native third field's, so it takes _2.
  // The last EMPRESA finds _1 and _2 taken: _3.
  EXPECT_EQ(names, (std::vector<std::string>{"EMPRESA", "empresa_2", "EMPRESA_1", "EMPRESA_3"}));
  EXPECT_EQ(DataPacket::FromJson(distinct.ToJson()).rows, packet.rows);
}

}  // namespace
}  // namespace veiculo::cli
