// The registry's closest-name suggestions, its listing and the JSON of a call.

#include <gtest/gtest.h>

#include <cmath>

#include "input_error.h"
#include "operations/closest_names.h"
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
  return Operation{
      std::move(name), std::move(params), {}, [](CallContext&) -> TypedValue { return {}; }};
}

TEST(Registry, RefusesRepeatsAndSuggestsTheClosestNames) {
  Registry r;
  r.Add(NoOp("LerVeiculo"));
  r.Add(NoOp("LerVeiculoServer"));
  EXPECT_THROW(r.Add(NoOp("LerVeiculo")), Error);
  EXPECT_THROW(r.Add(NoOp("B", {{"pX", ParamType::Integer}, {"PX", ParamType::Text}})), Error);
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

TEST(HostOperations, EveryOperationCanBeInvokedAndIsDescribed) {
  for (const Operation& op : HostOperations().Operations())
    EXPECT_TRUE(static_cast<bool>(op.invoke)) << op.name;
  EXPECT_EQ(HostOperations().Find("GetPis_Cofins_Usados"), nullptr);  // a holder without accessors
  Operation op{"Op",
               {{"pfConexao", ParamType::Connection},
                {"pcds", ParamType::DataPacket, Direction::Var},
                {"pOk", ParamType::Boolean, Direction::Out}},
               {ParamType::DataPacket, ParamType::Integer},
               {}};
  EXPECT_EQ(Describe(op),
            "Op(pfConexao: connection (host), var pcds: datapacket, out pOk: boolean): "
            "datapacket | integer");
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
