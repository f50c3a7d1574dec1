#include "veiculo/value.h"

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

TEST_F(ValueTest, NullReadsAsZeroAndEmpty) {
  const Value null;
  EXPECT_TRUE(null.IsNull());
  EXPECT_EQ(null.type(), FieldType::Text);
  EXPECT_EQ(null.AsInteger(), 0);
  EXPECT_EQ(null.AsFloat(), 0);
  EXPECT_EQ(null.AsText(), "");
  EXPECT_EQ(null.AsDateTime(), 0);
  EXPECT_FALSE(null.AsBoolean());
  EXPECT_EQ(Value::Null(), Value());
  EXPECT_FALSE(Value::Null() == Value::Text(""));
  EXPECT_FALSE(Value::Text("").IsNull());
}

TEST_F(ValueTest, KindsReportTheirType) {
  EXPECT_EQ(Value::Integer(1).type(), FieldType::Integer);
  EXPECT_EQ(Value::Float(1).type(), FieldType::Float);
  EXPECT_EQ(Value::Text("1").type(), FieldType::Text);
  EXPECT_EQ(Value::DateTime(1).type(), FieldType::DateTime);
  EXPECT_EQ(Value::Blob("1").type(), FieldType::Blob);
}

TEST_F(ValueTest, IntegerConversions) {
  const Value v = Value::Integer(42);
  EXPECT_EQ(v.AsInteger(), 42);
  EXPECT_EQ(v.AsFloat(), 42);
  EXPECT_EQ(v.AsText(), "42");
  EXPECT_EQ(v.AsDateTime(), 42);
  EXPECT_TRUE(v.AsBoolean());
  EXPECT_FALSE(Value::Integer(0).AsBoolean());
  EXPECT_EQ(Value::Integer(-7).AsText(), "-7");
}

TEST_F(ValueTest, FloatRoundsHalvesToEvenAsInteger) {
  struct Case {
    double value;
    int64_t expected;
  };
  const Case cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.6, 3}, {-2.6, -3}};
  for (const Case& c : cases) EXPECT_EQ(Value::Float(c.value).AsInteger(), c.expected) << c.value;
  EXPECT_EQ(Value::Float(1234.5).AsText(), "1234,5");
  EXPECT_EQ(Value::Float(0.1 + 0.2).AsText(), "0,3");
  EXPECT_EQ(Value::Float(45322.75).AsDateTime(), 45322.75);
  EXPECT_FALSE(Value::Float(0).AsBoolean());
  EXPECT_TRUE(Value::Float(0.5).AsBoolean());
  ScopedFormatSettings english(FormatSettings::English());
  EXPECT_EQ(Value::Float(1234.5).AsText(), "1234.5");
}

TEST_F(ValueTest, TextIsParsedInTheLocalForm) {
  EXPECT_EQ(Value::Text("123").AsInteger(), 123);
  EXPECT_EQ(Value::Text("12,5").AsFloat(), 12.5);
  EXPECT_EQ(Value::Text("31/01/2024").AsDateTime(), k31Jan2024);
  EXPECT_EQ(Value::Text("31/01/2024 18:00").AsDateTime(), k31Jan2024 + 0.75);
  try {
    Value::Text("12,5").AsInteger();  // an integer field reads integers only
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_EQ(e.message(), "'12,5' is not a valid integer value");
  }
  EXPECT_THROW(Value::Text("x").AsFloat(), Error);
  EXPECT_THROW(Value::Text("").AsFloat(), Error);  // empty text is not null
  EXPECT_THROW(Value::Text("31/13/2024").AsDateTime(), Error);
  ScopedFormatSettings english(FormatSettings::English());
  EXPECT_EQ(Value::Text("12.5").AsFloat(), 12.5);
  EXPECT_EQ(Value::Text("01/31/2024").AsDateTime(), k31Jan2024);
}

TEST_F(ValueTest, TextAsBoolean) {
  for (const char* yes : {"T", "t", "True", "TRUE", "S", "s", "1"})
    EXPECT_TRUE(Value::Text(yes).AsBoolean()) << yes;
  for (const char* no : {"F", "N", "0", "", "yes", "Tr", "TRUEX", " T"})
    EXPECT_FALSE(Value::Text(no).AsBoolean()) << no;
}

TEST_F(ValueTest, DateTimeConversions) {
  const Value v = Value::DateTime(k31Jan2024 + 0.75);
  EXPECT_EQ(v.AsInteger(), 45322);  // the day, time cut off
  EXPECT_EQ(v.AsFloat(), k31Jan2024 + 0.75);
  EXPECT_EQ(v.AsDateTime(), k31Jan2024 + 0.75);
  EXPECT_EQ(v.AsText(), "31/01/2024 18:00:00");
  EXPECT_EQ(Value::DateTime(k31Jan2024).AsText(), "31/01/2024");
  EXPECT_TRUE(v.AsBoolean());
  EXPECT_FALSE(Value::DateTime(0).AsBoolean());
}

TEST_F(ValueTest, BlobIsBytes) {
  const Value v = Value::Blob(std::string("a\0b", 3));
  EXPECT_EQ(v.AsText(), std::string("a\0b", 3));
  EXPECT_THROW(v.AsInteger(), Error);
  EXPECT_THROW(v.AsFloat(), Error);
  EXPECT_THROW(v.AsDateTime(), Error);
  EXPECT_THROW(v.AsBoolean(), Error);
}

TEST_F(ValueTest, EqualityNeedsSameKindAndValue) {
  EXPECT_EQ(Value::Integer(1), Value::Integer(1));
  EXPECT_FALSE(Value::Integer(1) == Value::Integer(2));
  EXPECT_FALSE(Value::Integer(1) == Value::Float(1));
  EXPECT_FALSE(Value::DateTime(1) == Value::Float(1));
  EXPECT_FALSE(Value::Blob("a") == Value::Text("a"));
  EXPECT_EQ(Value::Text("a"), Value::Text("a"));
  EXPECT_EQ(Value::DateTime(2.5), Value::DateTime(2.5));
  EXPECT_FALSE(Value::Integer(0) == Value::Null());
}

TEST(FieldTypeNames, RoundTripAndUnknown) {
  struct Case {
    FieldType type;
    const char* name;
  };
  const Case cases[] = {{FieldType::Integer, "integer"},
                        {FieldType::Float, "float"},
                        {FieldType::Text, "text"},
                        {FieldType::DateTime, "datetime"},
                        {FieldType::Blob, "blob"}};
  for (const Case& c : cases) {
    EXPECT_STREQ(ToString(c.type), c.name);
    EXPECT_EQ(FieldTypeFromString(c.name), c.type);
  }
  try {
    FieldTypeFromString("money");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_NE(e.message().find("'money'"), std::string::npos) << e.message();
  }
  EXPECT_THROW(FieldTypeFromString("Integer"), Error);  // names are lower case
}

}  // namespace
}  // namespace veiculo
