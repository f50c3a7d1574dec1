#include "module/maker_utils/text_utils.h"

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first `count` characters of `text`.
std::string FirstCharacters(const std::string& text, size_t count) {
  size_t seen = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsContinuationByte(text[i])) continue;
    if (seen == count) return text.substr(0, i);
    ++seen;
  }
  return text;
}

std::string Fit(const std::string& text, int width, bool left, const char* function) {
  if (width < 0)
    throw Error(ErrorCategory::Validation,
                std::string(function) + ": negative width " + std::to_string(width));
  const size_t w = static_cast<size_t>(width);
  const size_t n = CharacterCount(text);
  if (n >= w) return FirstCharacters(text, w);
  const std::string pad(w - n, ' ');
  return left ? text + pad : pad + text;
}

std::string TrimBlanks(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

}  // namespace

size_t CharacterCount(const std::string& text) {
  size_t n = 0;
  for (char c : text)
    if (!IsContinuationByte(c)) ++n;
  return n;
}

std::string FiltroVirgula(const std::string& list) {
  const size_t last = list.find_last_not_of(" \t\r\n");
  if (last == std::string::npos || list[last] != ',') return list;
  return list.substr(0, last);
}

std::string AlinhaEsq(const std::string& text, int width) {
  return Fit(text, width, true, "AlinhaEsq");
}

std::string AlinhaDir(const std::string& text, int width) {
  return Fit(text, width, false, "AlinhaDir");
}

std::string SeparaCampos(const std::string& text, int part, bool trim) {
  if (part != 1 && part != 2)
    throw Error(ErrorCategory::Validation,
                "SeparaCampos: part " + std::to_string(part) + " is not 1 or 2");
  const size_t dash = text.find('-');
  std::string piece;
  if (dash == std::string::npos)
    piece = part == 1 ? text : std::string();
  else
    piece = part == 1 ? text.substr(0, dash) : text.substr(dash + 1);
  return trim ? TrimBlanks(piece) : piece;
}

}  // namespace veiculo::maker
