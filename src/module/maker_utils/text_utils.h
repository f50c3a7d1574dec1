#pragma once
// Small text helpers of the maker's utilities: value lists, fixed-width
// alignment and "code-description" splitting.
//
// Widths count characters, not bytes (text is UTF-8; "João" is 4 wide), so
// that fixed-layout records keep their columns with accented names.

#include <string>

namespace veiculo::maker {

// Removes the final comma of a value list built element by element ("1,2," ->
// "1,2"); blanks after that comma go with it. A list whose last non-blank
// character is not a comma is returned unchanged.
std::string FiltroVirgula(const std::string& list);

// The text padded with blanks on the right (AlinhaEsq) or on the left
// (AlinhaDir) to `width` characters. A longer text is cut to its first `width`
// characters in both cases, so that a fixed-layout field never overflows into
// the next one. A negative width raises veiculo::Error (validation).
std::string AlinhaEsq(const std::string& text, int width);
std::string AlinhaDir(const std::string& text, int width);

// Part 1 (before) or 2 (after) the first "-" of a "code-description" text:
// "2-SOLTEIRO" gives "2" and "SOLTEIRO". Without a "-", part 1 is the whole
// text and part 2 is empty. With `trim`, blanks around the part are removed
// ("2 - SOLTEIRO" gives "2" and "SOLTEIRO"). Another part number raises
// veiculo::Error (validation).
std::string SeparaCampos(const std::string& text, int part, bool trim = true);

// Characters (UTF-8 code points) in `text`.
size_t CharacterCount(const std::string& text);

}  // namespace veiculo::maker
