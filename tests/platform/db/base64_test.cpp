#include "platform/db/base64.h"

#include <gtest/gtest.h>

#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

TEST(Base64, Rfc4648TestVectors) {
  struct Case {
    std::string bytes, text;
  };
  // RFC 4648, section 10.
  const Case cases[] = {{"", ""},
                        {"f", "Zg=="},
                        {"fo", "Zm8="},
                        {"foo", "Zm9v"},
                        {"foob", "Zm9vYg=="},
                        {"fooba", "Zm9vYmE="},
                        {"foobar", "Zm9vYmFy"}};
  for (const auto& c : cases) {
    EXPECT_EQ(Base64Encode(c.bytes), c.text) << c.bytes;
    EXPECT_EQ(Base64Decode(c.text), c.bytes) << c.text;
  }
}

TEST(Base64, BinaryBytesUseTheLastTwoLettersOfTheAlphabet) {
  // 00000000 11111111 11111110 -> 000000 001111 111111 111110 = 0, 15, 63, 62 = "AP/+".
  const std::string bytes("\x00\xff\xfe", 3);
  EXPECT_EQ(Base64Encode(bytes), "AP/+");
  EXPECT_EQ(Base64Decode("AP/+"), bytes);
}

TEST(Base64, EveryByteValueRoundTrips) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  for (size_t length : {size_t{254}, size_t{255}, size_t{256}}) {
    const std::string part = bytes.substr(0, length);
    const std::string text = Base64Encode(part);
    EXPECT_EQ(text.size(), (length + 2) / 3 * 4);
    EXPECT_EQ(Base64Decode(text), part);
  }
}

TEST(Base64, MalformedTextIsRejectedWithItsPosition) {
  struct Case {
    std::string text, message;
  };
  const Case cases[] = {
      {"Zm9", "base64: length 3 is not a multiple of 4"},
      {"Zm9v\nZg==", "base64: length 9 is not a multiple of 4"},
      {"Zm9v#A==", "base64: invalid character '#' at position 5"},
      {"Zm9 ", "base64: invalid character ' ' at position 4"},
      {"Zg=a", "base64: invalid character '=' at position 3"},      // padding before a letter
      {"Zg==Zm8=", "base64: invalid character '=' at position 3"},  // padding mid-text
      {"====", "base64: invalid character '=' at position 1"},      // a group of padding alone
      {"Zm-_", "base64: invalid character '-' at position 3"},      // URL alphabet is not ours
  };
  for (const auto& c : cases) {
    try {
      Base64Decode(c.text);
      ADD_FAILURE() << "accepted " << c.text;
    } catch (const Error& error) {
      EXPECT_EQ(error.category(), ErrorCategory::Validation);
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
}

}  // namespace
}  // namespace veiculo::platform
