#include "veiculo/value.h"
#include "support/expect_error.h"

#include <gtest/gtest.h>

#include "platform/format/format_settings.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using platform::FormatSettings;
using platform::ScopedFormatSettings;

// 2024-01-31 is day 45322; 18:00 is 0.75 of a day.
constexpr double k31Jan2024 = 45322;

class ValueTest : public ::testing::Test {
 protected:
  ScopedFormatSettings brazilian_{FormatSettings::Brazilian()};
};

TEST_F(ValueTest, NullReadsAsZeroAndEmptyButIsNotEmptyText) {
  const Value null;
  EXPECT_TRUE(null.IsNull());
  EXPECT_EQ(null.AsInteger(), 0);
  EXPECT_FALSE(null.AsBoolean());
  EXPECT_FALSE(Value::Null() == Value::Text(""));
  EXPECT_FALSE(Value::Text("").IsNull());
  EXPECT_FALSE(Value::Integer(1) == Value::Float(1));  // equality needs the same kind
  EXPECT_FALSE(Value::Blob("a") == Value::Text("a"));
}

TEST_F(ValueTest, ConversionsBetweenKinds) {
  const std::pair<double, int64_t> halves[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-2.6, -3}};
  for (const auto& [value, expected] : halves)
    EXPECT_EQ(Value::Float(value).AsInteger(), expected) << value;  // halves to even
  EXPECT_EQ(Value::Float(0.1 + 0.2).AsText(), "0,3");
  EXPECT_EQ(Value::DateTime(k31Jan2024 + 0.75).AsInteger(), 45322);  // the day, time cut off
  EXPECT_EQ(Value::DateTime(k31Jan2024 + 0.75).AsText(), "31/01/2024 18:00:00");
  EXPECT_EQ(Value::Text("31/01/2024 18:00").AsDateTime(), k31Jan2024 + 0.75);
  EXPECT_EQ(Value::Text("12,5").AsFloat(), 12.5);
  // An integer field reads integers only.
  EXPECT_VEICULO_ERROR(Value::Text("12,5").AsInteger(), ErrorCategory::Validation,
                       "'12,5' is not a valid integer value");
  EXPECT_THROW(Value::Text("").AsFloat(), Error);  // empty text is not null
  EXPECT_THROW(Value::Text("31/13/2024").AsDateTime(), Error);
  EXPECT_THROW(Value::Blob("1").AsInteger(), Error);
  ScopedFormatSettings english(FormatSettings::English());
  EXPECT_EQ(Value::Float(1234.5).AsText(), "1234.5");
  EXPECT_EQ(Value::Text("01/31/2024").AsDateTime(), k31Jan2024);
}

TEST_F(ValueTest, TextAsBoolean) {
  for (const char* yes : {"T", "t", "True", "TRUE", "S", "s", "1"})
    EXPECT_TRUE(Value::Text(yes).AsBoolean()) << yes;
  for (const char* no : {"F", "N", "0", "", "yes", "Tr", "TRUEX", " T"})
    EXPECT_FALSE(Value::Text(no).AsBoolean()) << no;
}

}  // namespace
}  // namespace veiculo
