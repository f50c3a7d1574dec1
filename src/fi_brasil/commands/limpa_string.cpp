#include "fi_brasil/commands/limpa_string.h"

#include <cstdint>

#include "platform/text.h"

namespace veiculo::fi_brasil {
namespace {

// The plain letter a code point folds to; 0 when it stays as it is.
char Folded(uint32_t cp) {
  if (cp >= 192 && cp <= 196) return 'A';
  if (cp == 199) return 'C';
  if (cp >= 200 && cp <= 203) return 'E';
  if (cp >= 204 && cp <= 207) return 'I';
  if (cp == 209) return 'N';
  if (cp >= 210 && cp <= 214) return 'O';
  if (cp >= 217 && cp <= 220) return 'U';
  if (cp >= 224 && cp <= 228) return 'a';
  if (cp == 231) return 'c';
  if (cp >= 232 && cp <= 235) return 'e';
  if (cp >= 236 && cp <= 239) return 'i';
  if (cp == 241) return 'n';
  if (cp >= 242 && cp <= 246) return 'o';
  if (cp >= 249 && cp <= 252) return 'u';
  if (cp == 186) return 'o';
  if (cp == 38) return 'e';
  if (cp == 39) return '"';
  return 0;
}

constexpr uint32_t kInvalid = 0xFFFFFFFF;

// Length of the UTF-8 sequence at `i` and its code point; 1 and kInvalid for
// a byte that does not start a valid sequence (it is kept as it is).
size_t Decode(std::string_view s, size_t i, uint32_t& cp) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  size_t length = b < 0x80           ? 1
                  : (b >> 5) == 0x6  ? 2
                  : (b >> 4) == 0xE  ? 3
                  : (b >> 3) == 0x1E ? 4
                                     : 0;
  if (length == 0 || i + length > s.size()) {
    cp = kInvalid;
    return 1;
  }
  cp = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      cp = kInvalid;
      return 1;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  return length;
}

bool Blank(unsigned char c) {
  return c <= ' ';
}

}  // namespace

std::string LimpaString(std::string_view text) {
  std::string repaired = platform::ReplaceAll(text, "\xC3\x83\xC2\xA7", "\xC3\xA7", false);
  repaired = platform::ReplaceAll(repaired, "\xC3\x83\xC2\xA3", "\xC3\xA3", false);

  std::string cleaned;
  cleaned.reserve(repaired.size());
  for (size_t i = 0; i < repaired.size();) {
    uint32_t cp = 0;
    const size_t length = Decode(repaired, i, cp);
    const char folded = Folded(cp);
    if (folded != 0)
      cleaned += folded;
    else
      cleaned.append(repaired, i, length);
    i += length;
  }

  size_t begin = 0, end = cleaned.size();
  while (begin < end && Blank(cleaned[begin])) ++begin;
  while (end > begin && Blank(cleaned[end - 1])) --end;
  return cleaned.substr(begin, end - begin);
}

}  // namespace veiculo::fi_brasil
