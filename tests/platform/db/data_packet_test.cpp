#include "veiculo/data_packet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/format/date_time.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using platform::EncodeDate;
using platform::EncodeDateTime;

DataPacket EveryTypePacket() {
  DataPacket packet;
  packet.fields = {{"EMPRESA", FieldType::Integer, 0},
                   {"VALOR", FieldType::Float, 0},
                   {"NOME", FieldType::Text, 40},
                   {"DTA", FieldType::DateTime, 0},
                   {"FOTO", FieldType::Blob, 0}};
  std::string every_byte;
  for (int i = 0; i < 256; ++i) every_byte += static_cast<char>(i);
  packet.rows = {
      {Value::Integer(1), Value::Float(1234.5), Value::Text("Centro"),
       Value::DateTime(EncodeDateTime(2024, 1, 31, 18, 30, 15, 250)),
       Value::Blob(std::string("\x00\x01\xff", 3))},
      {Value::Null(), Value::Null(), Value::Null(), Value::Null(), Value::Null()},
      // Extremes and values that are easy to lose: an integral float, empty
      // (not null) text and blob, the no-date serial 0.
      {Value::Integer(std::numeric_limits<int64_t>::min()), Value::Float(2.0), Value::Text(""),
       Value::DateTime(0), Value::Blob("")},
      {Value::Integer(std::numeric_limits<int64_t>::max()), Value::Float(0.1 + 0.2),
       Value::Text("aspas \" barra \\ / S\xC3\xA3o Jos\xC3\xA9\n"),
       Value::DateTime(EncodeDate(2024, 2, 29)), Value::Blob(every_byte)},
      {Value::Integer(-7), Value::Float(-1e-300), Value::Text("x"),
       Value::DateTime(EncodeDate(1850, 6, 15)), Value::Null()},
  };
  return packet;
}

TEST(DataPacket, RoundTripKeepsEveryTypeAndNull) {
  const DataPacket packet = EveryTypePacket();
  const DataPacket back = DataPacket::FromJson(packet.ToJson());
  EXPECT_EQ(back.fields, packet.fields);
  ASSERT_EQ(back.rows.size(), packet.rows.size());
  for (size_t r = 0; r < packet.rows.size(); ++r) {
    for (size_t f = 0; f < packet.fields.size(); ++f) {
      EXPECT_TRUE(back.rows[r][f] == packet.rows[r][f]) << "row " << r << " field " << f;
      EXPECT_EQ(back.rows[r][f].IsNull(), packet.rows[r][f].IsNull());
    }
  }
  EXPECT_EQ(back, packet);
  // 2.0 comes back a float, not an integer, because the field says float.
  EXPECT_EQ(back.rows[2][1].type(), FieldType::Float);
  // 0.1 + 0.2 is 0.30000000000000004: only an exact round trip keeps it apart from 0.3.
  EXPECT_NE(back.rows[3][1].AsFloat(), 0.3);
}

TEST(DataPacket, WritesTheDocumentedJsonForm) {
  DataPacket packet;
  packet.fields = {{"EMPRESA", FieldType::Integer, 0},
                   {"NOME", FieldType::Text, 40},
                   {"DTA", FieldType::DateTime, 0},
                   {"VALOR", FieldType::Float, 0},
                   {"FOTO", FieldType::Blob, 0}};
  packet.rows = {{Value::Integer(1), Value::Text("Centro"),
                  Value::DateTime(EncodeDate(2024, 1, 31)), Value::Float(2.0), Value::Blob("foo")},
                 {Value::Null(), Value::Text("D'Avila"),
                  Value::DateTime(EncodeDateTime(2024, 1, 31, 18, 0, 0, 5)), Value::Float(0.5),
                  Value::Null()}};
  // Keys in field order; "size" only where it is not 0; "foo" is "Zm9v" in base64.
  EXPECT_EQ(packet.ToJson(), R"({"fields":[{"name":"EMPRESA","type":"integer"},)"
                             R"({"name":"NOME","type":"text","size":40},)"
                             R"({"name":"DTA","type":"datetime"},)"
                             R"({"name":"VALOR","type":"float"},)"
                             R"({"name":"FOTO","type":"blob"}],)"
                             R"("rows":[{"EMPRESA":1,"NOME":"Centro","DTA":"2024-01-31T00:00:00",)"
                             R"("VALOR":2.0,"FOTO":"Zm9v"},)"
                             R"({"EMPRESA":null,"NOME":"D'Avila","DTA":"2024-01-31T18:00:00.005",)"
                             R"("VALOR":0.5,"FOTO":null}]})");
}

TEST(DataPacket, ReadsLooseButValidInput) {
  // Rows may leave fields out (null), name them in any letter case, give an
  // integer to a float field; "size" may be absent.
  const DataPacket packet = DataPacket::FromJson(R"({
      "fields": [{"name": "EMPRESA", "type": "integer"},
                 {"name": "VALOR", "type": "float"},
                 {"name": "DTA", "type": "datetime"}],
      "rows": [{"empresa": 3, "VALOR": 5},
               {"DTA": "2024-01-31 18:00:00"},
               {}]})");
  ASSERT_EQ(packet.rows.size(), 3u);
  EXPECT_TRUE(packet.rows[0][0] == Value::Integer(3));
  EXPECT_TRUE(packet.rows[0][1] == Value::Float(5.0));
  EXPECT_TRUE(packet.rows[0][2].IsNull());
  EXPECT_TRUE(packet.rows[1][0].IsNull());
  // 18:00 is three quarters of a day: 45322 + 0.75.
  EXPECT_TRUE(packet.rows[1][2] == Value::DateTime(45322.75));
  for (const auto& cell : packet.rows[2]) EXPECT_TRUE(cell.IsNull());
  EXPECT_EQ(packet.fields[1].size, 0);

  const DataPacket empty = DataPacket::FromJson(R"({"fields": [], "rows": []})");
  EXPECT_TRUE(empty.fields.empty());
  EXPECT_TRUE(empty.rows.empty());
  EXPECT_EQ(empty.ToJson(), R"({"fields":[],"rows":[]})");
}

TEST(DataPacket, FieldIndexIgnoresLetterCase) {
  const DataPacket packet = EveryTypePacket();
  EXPECT_EQ(packet.FieldIndex("EMPRESA"), 0);
  EXPECT_EQ(packet.FieldIndex("nome"), 2);
  EXPECT_EQ(packet.FieldIndex("Foto"), 4);
  EXPECT_EQ(packet.FieldIndex("FOTOS"), -1);
  EXPECT_EQ(packet.FieldIndex(""), -1);
}

std::string ValidationMessage(const std::function<void()>& call) {
  try {
    call();
  } catch (const Error& error) {
    EXPECT_EQ(error.category(), ErrorCategory::Validation) << error.what();
    return error.what();
  }
  return "";
}

TEST(DataPacket, MalformedJsonIsRejectedNamingWhatIsWrong) {
  struct Case {
    std::string json;
    std::string message;
  };
  // Packets of one field A of the type given, with the rows given.
  auto one_field = [](const char* type, const char* rows) {
    return std::string(R"({"fields":[{"name":"A","type":")") + type + R"("}],"rows":)" + rows + "}";
  };
  const Case cases[] = {
      // nlohmann counts bytes read: the error is found on reading the first
      // byte of "" and the second byte of "{]".
      {"", "data packet: not valid JSON (error at byte 1)"},
      {"{]", "data packet: not valid JSON (error at byte 2)"},
      {"[]", "data packet: expected a JSON object"},
      {R"({"rows":[]})", R"(data packet: missing "fields")"},
      {R"({"fields":[]})", R"(data packet: missing "rows")"},
      {R"({"fields":{},"rows":[]})", R"(data packet: "fields" is not an array)"},
      {R"({"fields":[],"rows":{}})", R"(data packet: "rows" is not an array)"},
      {R"({"fields":[1],"rows":[]})", "data packet: fields[0] is not an object"},
      {R"({"fields":[{"type":"integer"}],"rows":[]})", "data packet: fields[0] has no name"},
      {R"({"fields":[{"name":"","type":"integer"}],"rows":[]})",
       "data packet: fields[0] has no name"},
      {R"({"fields":[{"name":"A"}],"rows":[]})", "data packet: fields[0] (A) has no type"},
      {R"({"fields":[{"name":"A","type":"integer"},{"name":"B","type":"txt"}],"rows":[]})",
       "data packet: fields[1] (B) has an unknown type 'txt'"},
      {R"({"fields":[{"name":"A","type":"text","size":-1}],"rows":[]})",
       "data packet: fields[0] (A) has an invalid size"},
      {R"({"fields":[{"name":"A","type":"text","size":"40"}],"rows":[]})",
       "data packet: fields[0] (A) has an invalid size"},
      {R"({"fields":[{"name":"A","type":"text"},{"name":"a","type":"text"}],"rows":[]})",
       "data packet: fields[1] repeats the field a"},
      {one_field("integer", "[1]"), "data packet: rows[0] is not an object"},
      {one_field("integer", R"([{},{"B":1}])"), "data packet: rows[1] has an unknown field B"},
      // Object keys come in byte order: "A" before "a".
      {one_field("integer", R"([{"a":1,"A":2}])"), "data packet: rows[0] gives the field a twice"},
      {one_field("integer", R"([{"A":"1"}])"),
       "data packet: rows[0].A: expected an integer, found text"},
      {one_field("integer", R"([{"A":1.5}])"),
       "data packet: rows[0].A: expected an integer, found a float"},
      {one_field("integer", R"([{"A":18446744073709551615}])"),
       "data packet: rows[0].A: integer out of range"},
      {one_field("float", R"([{"A":1},{"A":"1,5"}])"),
       "data packet: rows[1].A: expected a number, found text"},
      {one_field("text", R"([{"A":1}])"),
       "data packet: rows[0].A: expected text, found an integer"},
      {one_field("text", R"([{"A":true}])"),
       "data packet: rows[0].A: expected text, found a boolean"},
      {one_field("text", R"([{"A":["x"]}])"),
       "data packet: rows[0].A: expected text, found an array"},
      {one_field("datetime", R"([{"A":45322}])"),
       "data packet: rows[0].A: expected an ISO date-time text, found an integer"},
      {one_field("datetime", R"([{"A":"31/01/2024"}])"),
       "data packet: rows[0].A: '31/01/2024' is not an ISO date-time"},
      {one_field("blob", R"([{"A":{}}])"),
       "data packet: rows[0].A: expected base64 text, found an object"},
      {one_field("blob", R"([{"A":"Zm9"}])"),
       "data packet: rows[0].A: base64: length 3 is not a multiple of 4"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValidationMessage([&] { DataPacket::FromJson(c.json); }), c.message) << c.json;
  }
}

TEST(DataPacket, RefusesToWriteCellsItCouldNotReadBack) {
  DataPacket packet;
  packet.fields = {{"EMPRESA", FieldType::Integer, 0}, {"VALOR", FieldType::Float, 0}};
  struct Case {
    DataPacket::Row row;
    std::string message;
  };
  const Case cases[] = {
      {{Value::Integer(1)}, "data packet: rows[0] has 1 values for 2 fields"},
      {{Value::Text("1"), Value::Float(1)},
       "data packet: rows[0].EMPRESA: value of type text in a field of type integer"},
      {{Value::Integer(1), Value::DateTime(1)},
       "data packet: rows[0].VALOR: value of type datetime in a field of type float"},
      // JSON has no NaN or infinity (nlohmann would write null).
      {{Value::Integer(1), Value::Float(std::nan(""))},
       "data packet: rows[0].VALOR: not a finite number"},
      {{Value::Integer(1), Value::Float(-HUGE_VAL)},
       "data packet: rows[0].VALOR: not a finite number"},
  };
  for (const auto& c : cases) {
    packet.rows = {c.row};
    EXPECT_EQ(ValidationMessage([&] { packet.ToJson(); }), c.message);
  }
  // An integer in a float field is written as a number and read back as a float.
  packet.rows = {{Value::Integer(1), Value::Integer(5)}};
  const DataPacket back = DataPacket::FromJson(packet.ToJson());
  EXPECT_TRUE(back.rows[0][1] == Value::Float(5.0));
}

}  // namespace
}  // namespace veiculo
