#include "veiculo/data_packet.h"
#include "support/expect_error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

#include "platform/db/base64.h"
#include "platform/format/date_time.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using platform::Base64Decode;
using platform::Base64Encode;
using platform::EncodeDate;
using platform::EncodeDateTime;

TEST(DataPacket, RoundTripKeepsEveryTypeAndNull) {
  DataPacket packet;
  packet.fields = {{"EMPRESA", FieldType::Integer, 0},
                   {"VALOR", FieldType::Float, 0},
                   {"NOME", FieldType::Text, 40},
                   {"DTA", FieldType::DateTime, 0},
                   {"FOTO", FieldType::Blob, 0}};
  std::string every_byte;
  for (int i = 0; i < 256; ++i) every_byte += static_cast<char>(i);
  packet.rows = {
      {Value::Null(), Value::Null(), Value::Null(), Value::Null(), Value::Null()},
      // Easy to lose: an integral float, empty (not null) text and blob, the serial 0.
      {Value::Integer(std::numeric_limits<int64_t>::min()), Value::Float(2.0), Value::Text(""),
       Value::DateTime(0), Value::Blob("")},
      {Value::Integer(std::numeric_limits<int64_t>::max()), Value::Float(0.1 + 0.2),
       Value::Text("aspas \" barra \\ / S\xC3\xA3o Jos\xC3\xA9\n"),
       Value::DateTime(EncodeDateTime(2024, 1, 31, 18, 30, 15, 250)), Value::Blob(every_byte)},
      {Value::Integer(-7), Value::Float(-1e-300), Value::Text("x"),
       Value::DateTime(EncodeDate(1850, 6, 15)), Value::Null()},
  };
  const DataPacket back = DataPacket::FromJson(packet.ToJson());
  EXPECT_EQ(back, packet);
  for (size_t r = 0; r < packet.rows.size(); ++r)
    for (size_t f = 0; f < packet.fields.size(); ++f)
      EXPECT_EQ(back.rows[r][f].IsNull(), packet.rows[r][f].IsNull()) << r << " " << f;
  EXPECT_EQ(back.rows[1][1].type(), FieldType::Float);  // 2.0 stays a float
  // 0.1 + 0.2 is 0.30000000000000004: only an exact round trip keeps it apart from 0.3.
  EXPECT_NE(back.rows[2][1].AsFloat(), 0.3);
}

TEST(DataPacket, WritesTheDocumentedJsonForm) {
  DataPacket packet;
  packet.fields = {{"EMPRESA", FieldType::Integer, 0},
                   {"NOME", FieldType::Text, 40},
                   {"DTA", FieldType::DateTime, 0},
                   {"VALOR", FieldType::Float, 0},
                   {"FOTO", FieldType::Blob, 0}};
  packet.rows = {{Value::Null(), Value::Text("D'Avila"),
                  Value::DateTime(EncodeDateTime(2024, 1, 31, 18, 0, 0, 5)), Value::Float(2.0),
                  Value::Blob("foo")}};
  // Keys in field order; "size" only where it is not 0; "foo" is "Zm9v" in base64.
  EXPECT_EQ(packet.ToJson(), R"({"fields":[{"name":"EMPRESA","type":"integer"},)"
                             R"({"name":"NOME","type":"text","size":40},)"
                             R"({"name":"DTA","type":"datetime"},)"
                             R"({"name":"VALOR","type":"float"},)"
                             R"({"name":"FOTO","type":"blob"}],)"
                             R"("rows":[{"EMPRESA":null,"NOME":"D'Avila",)"
                             R"("DTA":"2024-01-31T18:00:00.005","VALOR":2.0,"FOTO":"Zm9v"}]})");
}

TEST(DataPacket, ReadsLooseButValidInput) {
  // Rows may leave fields out (null), name them in any letter case, give an
  // integer to a float field.
  const DataPacket packet = DataPacket::FromJson(R"({
      "fields": [{"name": "EMPRESA", "type": "integer"}, {"name": "VALOR", "type": "float"},
                 {"name": "DTA", "type": "datetime"}],
      "rows": [{"empresa": 3, "VALOR": 5}, {"DTA": "2024-01-31 18:00:00"}]})");
  ASSERT_EQ(packet.rows.size(), 2u);
  EXPECT_TRUE(packet.rows[0][0] == Value::Integer(3));
  EXPECT_TRUE(packet.rows[0][1] == Value::Float(5.0));
  EXPECT_TRUE(packet.rows[1][0].IsNull());
  // 18:00 is three quarters of a day: 45322 + 0.75.
  EXPECT_TRUE(packet.rows[1][2] == Value::DateTime(45322.75));
  EXPECT_EQ(packet.FieldIndex("valor"), 1);
}

TEST(DataPacket, MalformedJsonIsRejectedNamingWhatIsWrong) {
  // Packets of one field A of the type given, with the rows given.
  auto one_field = [](const char* type, const char* rows) {
    return std::string(R"({"fields":[{"name":"A","type":")") + type + R"("}],"rows":)" + rows + "}";
  };
  const std::pair<std::string, std::string> cases[] = {
      // nlohmann counts bytes read: the error is found on the second byte of "{]".
      {"{]", "data packet: not valid JSON (error at byte 2)"},
      {R"({"fields":[]})", R"(data packet: missing "rows")"},
      {R"({"fields":[{"name":"","type":"integer"}],"rows":[]})",
       "data packet: fields[0] has no name"},
      {R"({"fields":[{"name":"A","type":"integer"},{"name":"B","type":"txt"}],"rows":[]})",
       "data packet: fields[1] (B) has an unknown type 'txt'"},
      {R"({"fields":[{"name":"A","type":"text"},{"name":"a","type":"text"}],"rows":[]})",
       "data packet: fields[1] repeats the field a"},
      {one_field("integer", R"([{},{"B":1}])"), "data packet: rows[1] has an unknown field B"},
      // Object keys come in byte order: "A" before "a".
      {one_field("integer", R"([{"a":1,"A":2}])"), "data packet: rows[0] gives the field a twice"},
      {one_field("integer", R"([{"A":1.5}])"),
       "data packet: rows[0].A: expected an integer, found a float"},
      {one_field("integer", R"([{"A":18446744073709551615}])"),
       "data packet: rows[0].A: integer out of range"},
      {one_field("datetime", R"([{"A":"31/01/2024"}])"),
       "data packet: rows[0].A: '31/01/2024' is not an ISO date-time"},
      {one_field("blob", R"([{"A":"Zm9"}])"),
       "data packet: rows[0].A: base64: length 3 is not a multiple of 4"},
      // A number beyond a double, in a cell or where no cell is read.
      {one_field("float", R"([{"A":-1.5e1300}])"),
       "data packet: not valid JSON (a number out of range)"},
      {R"({"fields":[{"name":"V","type":"text","size":1e999}],"rows":[]})",
       "data packet: not valid JSON (a number out of range)"},
      {R"({"fields":[],"rows":[],"extra":[2e308]})",
       "data packet: not valid JSON (a number out of range)"},
  };
  for (const auto& [json, message] : cases)
    EXPECT_VEICULO_ERROR(DataPacket::FromJson(json), ErrorCategory::Validation, message) << json;
}

TEST(DataPacket, TheLargestDoubleAndTheSmallestSubnormalStillRead) {
  const DataPacket packet = DataPacket::FromJson(
      R"({"fields":[{"name":"V","type":"float"}],)"
      R"("rows":[{"V":1.7976931348623157e308},{"V":-4.9406564584124654e-324}]})");
  ASSERT_EQ(packet.rows.size(), 2u);
  EXPECT_EQ(packet.rows[0][0].AsFloat(), DBL_MAX);
  EXPECT_EQ(packet.rows[1][0].AsFloat(), -DBL_TRUE_MIN);
}

TEST(DataPacket, RefusesToWriteCellsItCouldNotReadBack) {
  DataPacket packet;
  packet.fields = {{"EMPRESA", FieldType::Integer, 0}, {"VALOR", FieldType::Float, 0}};
  const std::pair<DataPacket::Row, std::string> cases[] = {
      {{Value::Integer(1)}, "data packet: rows[0] has 1 values for 2 fields"},
      {{Value::Text("1"), Value::Float(1)},
       "data packet: rows[0].EMPRESA: value of type text in a field of type integer"},
      // JSON has no NaN or infinity (nlohmann would write null).
      {{Value::Integer(1), Value::Float(-HUGE_VAL)},
       "data packet: rows[0].VALOR: not a finite number"},
  };
  for (const auto& [row, message] : cases) {
    packet.rows = {row};
    EXPECT_VEICULO_ERROR(packet.ToJson(), ErrorCategory::Validation, message);
  }
}

TEST(Base64, Rfc4648VectorsAndBinaryBytes) {
  // RFC 4648, section 10; 00 FF FE -> 000000 001111 111111 111110 = 0, 15, 63, 62 = "AP/+".
  const std::pair<std::string, std::string> cases[] = {{"", ""},
                                                       {"f", "Zg=="},
                                                       {"fo", "Zm8="},
                                                       {"foobar", "Zm9vYmFy"},
                                                       {{"\x00\xff\xfe", 3}, "AP/+"}};
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(Base64Encode(bytes), text) << text;
    EXPECT_EQ(Base64Decode(text), bytes) << text;
  }
}

TEST(Base64, MalformedTextIsRejectedWithItsPosition) {
  const std::pair<std::string, std::string> cases[] = {
      {"Zm9v\nZg==", "base64: length 9 is not a multiple of 4"},
      {"Zm9 ", "base64: invalid character ' ' at position 4"},
      {"Zg=a", "base64: invalid character '=' at position 3"},      // padding before a letter
      {"Zg==Zm8=", "base64: invalid character '=' at position 3"},  // padding mid-text
      {"====", "base64: invalid character '=' at position 1"},
      {"Zm-_", "base64: invalid character '-' at position 3"},  // the URL alphabet is not ours
  };
  for (const auto& [text, message] : cases) {
    EXPECT_VEICULO_ERROR(Base64Decode(text), ErrorCategory::Validation, message);
  }
}

}  // namespace
}  // namespace veiculo
