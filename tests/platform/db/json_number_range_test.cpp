// A data packet holding a number beyond the range of a double is a malformed
// packet: it raises veiculo::Error (validation) like any other malformed JSON,
// wherever the number stands.

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "support/expect_error.h"
#include "veiculo/data_packet.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

TEST(DataPacketNumberRange, ANumberBeyondADoubleIsAValidationError) {
  const std::string float_field = R"({"fields":[{"name":"V","type":"float"}],"rows":)";
  const std::string cases[] = {
      float_field + R"([{"V":1e400}]})",
      float_field + R"([{"V":-1.5e1300}]})",
      // In a place the reader never looks at as a cell: still unreadable JSON.
      R"({"fields":[{"name":"V","type":"text","size":1e999}],"rows":[]})",
      R"({"fields":[],"rows":[],"extra":[2e308]})",
  };
  for (const std::string& json : cases)
    EXPECT_VEICULO_ERROR(DataPacket::FromJson(json), ErrorCategory::Validation,
                         "data packet: not valid JSON (a number out of range)")
        << json;
}

TEST(DataPacketNumberRange, TheLargestDoubleAndTheSmallestSubnormalStillRead) {
  const DataPacket packet = DataPacket::FromJson(
      R"({"fields":[{"name":"V","type":"float"}],)"
      R"("rows":[{"V":1.7976931348623157e308},{"V":-4.9406564584124654e-324}]})");
  ASSERT_EQ(packet.rows.size(), 2u);
  EXPECT_EQ(packet.rows[0][0].AsFloat(), DBL_MAX);
  EXPECT_EQ(packet.rows[1][0].AsFloat(), -DBL_TRUE_MIN);
}

}  // namespace
}  // namespace veiculo
