#include "platform/db/base64.h"

#include <array>
#include <cstdint>

#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Maps a character to its 6-bit value; -1 for characters outside the alphabet.
constexpr std::array<int8_t, 256> MakeDecodeTable() {
  std::array<int8_t, 256> table{};
  for (auto& entry : table) entry = -1;
  for (int i = 0; i < 64; ++i)
    table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int8_t>(i);
  return table;
}
constexpr std::array<int8_t, 256> kDecode = MakeDecodeTable();

[[noreturn]] void Fail(const std::string& problem) {
  throw Error(ErrorCategory::Validation, "base64: " + problem);
}

}  // namespace

std::string Base64Encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16 |
                           static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[group >> 18 & 63];
    out += kAlphabet[group >> 12 & 63];
    out += kAlphabet[group >> 6 & 63];
    out += kAlphabet[group & 63];
  }
  const size_t rest = bytes.size() - i;
  if (rest > 0) {
    uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (rest == 2) group |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    out += kAlphabet[group >> 18 & 63];
    out += kAlphabet[group >> 12 & 63];
    out += rest == 2 ? kAlphabet[group >> 6 & 63] : '=';
    out += '=';
  }
  return out;
}

std::string Base64Decode(std::string_view text) {
  if (text.size() % 4 != 0) {
    Fail("length " + std::to_string(text.size()) + " is not a multiple of 4");
  }
  std::string out;
  out.reserve(text.size() / 4 * 3);
  for (size_t i = 0; i < text.size(); i += 4) {
    const bool last_group = i + 4 == text.size();
    // Up to two "=" close the last group; they stand for missing bytes.
    int padding = 0;
    if (last_group) {
      if (text[i + 3] == '=') ++padding;
      if (padding == 1 && text[i + 2] == '=') ++padding;
    }
    uint32_t group = 0;
    for (int k = 0; k < 4; ++k) {
      const size_t pos = i + k;
      if (k >= 4 - padding) {
        group <<= 6;
        continue;
      }
      const int8_t bits = kDecode[static_cast<unsigned char>(text[pos])];
      if (bits < 0) {
        Fail("invalid character '" + std::string(1, text[pos]) + "' at position " +
             std::to_string(pos + 1));
      }
      group = group << 6 | static_cast<uint32_t>(bits);
    }
    out += static_cast<char>(group >> 16 & 0xFF);
    if (padding < 2) out += static_cast<char>(group >> 8 & 0xFF);
    if (padding < 1) out += static_cast<char>(group & 0xFF);
  }
  return out;
}

}  // namespace veiculo::platform
