// The registry's closest-name suggestions, its listing and the JSON of a call.

#include <gtest/gtest.h>

#include <cmath>

#include "input_error.h"
#include "operations/closest_names.h"
#include "operations/json_output.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

TEST(EditDistance, CountsInsertionsDeletionsAndSubstitutionsWithoutCase) {
  const std::tuple<const char*, const char*, size_t> cases[] = {
      {"kitten", "sitting", 3},  // k->s, e->i, +g
      {"", "abc", 3},           {"abc", "", 3},
      {"abc", "abc", 0},        {"LerVeiculo", "lerveiculo", 0},
      {"GetUB", "GetUF", 1},    {"LerVeiclo", "LerVeiculo", 1},  // one insertion
      {"ab", "ba", 2},  // no transpositions: two substitutions
  };
  for (const auto& [a, b, distance] : cases) {
    SCOPED_TRACE(std::string(a) + " / " + b);
    EXPECT_EQ(EditDistance(a, b), distance);
  }
}

TEST(ClosestNames, ClosestFirstTiesByNameAtMostTheLimit) {
  const std::vector<std::string> names = {"SetUB", "GetUF", "GetUB", "SetUF", "GetPis_Cofins"};
  // GetUB 0 (case ignored); GetUF and SetUB 1, in name order; SetUF 2 is cut by the limit.
  EXPECT_EQ(ClosestNames("GetUb", names), (std::vector<std::string>{"GetUB", "GetUF", "SetUB"}));
  EXPECT_EQ(ClosestNames("GetUb", names, 1), (std::vector<std::string>{"GetUB"}));
}

TEST(ClosestNames, TakesNamesThatContainTheTypedOne) {
  const std::vector<std::string> names = {"LerParametro", "LerVeiculoServer", "LerVeiculo"};
  // "Veiculo" is 3 edits from LerVeiculo (tolerance 2 for 7 letters) but inside both names.
  EXPECT_EQ(ClosestNames("veiculo", names),
            (std::vector<std::string>{"LerVeiculo", "LerVeiculoServer"}));
  EXPECT_EQ(ClosestNames("LerVeiclo", names), (std::vector<std::string>{"LerVeiculo"}));
}

TEST(ClosestNames, NothingWhenNothingIsClose) {
  EXPECT_TRUE(ClosestNames("Xyzzy", {"LerVeiculo", "BuscaMarca"}).empty());
  // Two letters are too few to count as contained.
  EXPECT_TRUE(ClosestNames("ab", {"xxxxabxxxx"}).empty());
  EXPECT_EQ(ClosestNames("ab", {"abc"}), (std::vector<std::string>{"abc"}));
}

Operation NoOp(std::string name, std::vector<ParamSpec> params = {}) {
  return Operation{
      std::move(name), std::move(params), {}, [](CallContext&) -> TypedValue { return {}; }};
}

TEST(Registry, RefusesARepeatedOperationOrParameter) {
  Registry r;
  r.Add(NoOp("A"));
  EXPECT_THROW(r.Add(NoOp("A")), Error);
  EXPECT_THROW(r.Add(NoOp("B", {{"pX", ParamType::Integer}, {"PX", ParamType::Text}})), Error);
  EXPECT_EQ(r.Operations().size(), 1u);
}

TEST(Registry, AnUnknownOperationIsNotFoundWithTheClosestNames) {
  Registry r;
  r.Add(NoOp("LerVeiculo"));
  r.Add(NoOp("LerVeiculoServer"));
  r.Add(NoOp("LerParametro"));
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
  EXPECT_EQ(&r.Get("LerVeiculo"), &r.Operations()[0]);
}

TEST(Describe, WritesParametersDirectionsTypesAndResult) {
  Operation op{"Op",
               {{"pfConexao", ParamType::Connection},
                {"pfData", ParamType::DateTime},
                {"pcds", ParamType::DataPacket, Direction::Var},
                {"pOk", ParamType::Boolean, Direction::Out}},
               {ParamType::DataPacket, ParamType::Integer},
               {}};
  EXPECT_EQ(Describe(op),
            "Op(pfConexao: connection (host), pfData: datetime, var pcds: datapacket, "
            "out pOk: boolean): datapacket | integer");
  EXPECT_EQ(Describe(NoOp("P")), "P(): none");
}

TEST(HostOperations, EveryOperationCanBeInvokedAndTheOddSpellingIsThere) {
  const Registry& r = HostOperations();
  for (const Operation& op : r.Operations()) {
    SCOPED_TRACE(op.name);
    EXPECT_TRUE(static_cast<bool>(op.invoke));
  }
  ASSERT_NE(r.Find("getrPbDeflacaoPagamento"), nullptr);
  ASSERT_NE(r.Find("setrPbDeflacaoPagamento"), nullptr);
  EXPECT_EQ(r.Find("GetPis_Cofins_Usados"), nullptr);  // a holder without accessors
  EXPECT_EQ(Describe(*r.Find("SettPvDataProcessamento")),
            "SettPvDataProcessamento(value: datetime): none");
}

TEST(ToJson, PrintsEachKindAsTheHostDocuments) {
  EXPECT_EQ(ToJson(std::monostate{}).dump(), "null");
  EXPECT_EQ(ToJson(int32_t{-3}).dump(), "-3");
  EXPECT_EQ(ToJson(9.25).dump(), "9.25");
  EXPECT_EQ(ToJson(std::nan("")).dump(), "null");
  EXPECT_EQ(ToJson(std::string("Sedã")).dump(), "\"Sedã\"");
  EXPECT_EQ(ToJson(true).dump(), "true");
  // 45723 is 2025-03-07; 0.5 of a day is noon; 250 ms more are dropped.
  EXPECT_EQ(ToJson(DateTimeValue{45723.5 + 0.25 / 86400}).dump(), "\"2025-03-07T12:00:00\"");
  DataPacket packet;
  packet.fields = {{"A", FieldType::Integer, 0}};
  packet.rows = {{Value::Integer(1)}};
  EXPECT_EQ(ToJson(packet).dump(),
            R"({"fields":[{"name":"A","type":"integer"}],"rows":[{"A":1}]})");
}

TEST(JsonText, ReplacesBytesThatAreNotUtf8InsteadOfFailing) {
  // 0xFF never occurs in UTF-8; U+FFFD is EF BF BD.
  EXPECT_EQ(JsonText(Json(std::string("Jo\xff"))), "\"Jo\xef\xbf\xbd\"");
  EXPECT_EQ(JsonText(Json::parse(R"({"a":[1,2.5]})")), R"({"a":[1,2.5]})");
}

TEST(WithDistinctNames, RenamesLaterFieldsOfARepeatedName) {
  DataPacket packet;
  packet.fields = {{"EMPRESA", FieldType::Integer, 0},   {"PRECO_PUBLICO", FieldType::Float, 0},
                   {"empresa", FieldType::Integer, 0},   {"PRECO_PUBLICO", FieldType::Float, 0},
                   {"EMPRESA_1", FieldType::Integer, 0}, {"EMPRESA", FieldType::Integer, 0}};
  packet.rows = {{Value::Integer(1), Value::Float(83240), Value::Integer(2), Value::Float(79990),
                  Value::Integer(3), Value::Integer(4)}};
  const DataPacket distinct = WithDistinctNames(packet);
  std::vector<std::string> names;
  for (const FieldDef& f : distinct.fields) names.push_back(f.name);
  // "empresa" repeats EMPRESA; _1 is the native fifth field's, so it takes _2.
  // The native EMPRESA_1 stays; the last EMPRESA finds _1 and _2 taken: _3.
  EXPECT_EQ(names, (std::vector<std::string>{"EMPRESA", "PRECO_PUBLICO", "empresa_2",
                                             "PRECO_PUBLICO_1", "EMPRESA_1", "EMPRESA_3"}));
  // Every value survives the JSON form and reads back.
  const DataPacket back = DataPacket::FromJson(distinct.ToJson());
  EXPECT_EQ(back.rows, packet.rows);
}

TEST(CallResultJson, OperationResultOutAndEveryHolderInOrder) {
  TddmVeiculoCompartilhadoBD module;
  module.SetUB(4);
  module.SettPvDataProcessamento(45723);
  const Json call = CallResultJson("GetUB", int32_t{4}, {{"pX", 1.5}}, module);
  EXPECT_EQ(call.dump().rfind(R"({"operation":"GetUB","result":4,"out":{"pX":1.5},"holders":{)", 0),
            0u);
  const Json& holders = call["holders"];
  EXPECT_EQ(holders["UB"], 4);
  EXPECT_EQ(holders["tPvDataProcessamento"], "2025-03-07T00:00:00");
  EXPECT_EQ(holders.size(), module.ValueHolders().size());
  EXPECT_EQ(holders.begin().key(), "dPbValorVenda");
}

}  // namespace
}  // namespace veiculo::cli
