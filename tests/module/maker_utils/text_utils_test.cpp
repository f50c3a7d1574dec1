#include "module/maker_utils/text_utils.h"

#include <gtest/gtest.h>

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

TEST(FiltroVirgula, RemovesOnlyTheFinalComma) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"1,'A',NULL,", "1,'A',NULL"},
      {"1,2", "1,2"},
      {"'a','b', ", "'a','b'"},
      {",", ""},
      {"", ""},
      {"'x,'", "'x,'"},
  };
  for (const Case& c : cases) EXPECT_EQ(FiltroVirgula(c.in), c.out) << c.in;
}

TEST(Alinha, PadsAndCutsToTheWidthInCharacters) {
  struct Case {
    const char* text;
    int width;
    const char* left;
    const char* right;
  };
  const Case cases[] = {
      {"AB", 5, "AB   ", "   AB"},
      {"ABCDEF", 3, "ABC", "ABC"},  // longer text keeps its first characters
      {"ABC", 3, "ABC", "ABC"},
      {"João", 6, "João  ", "  João"},  // 4 characters, 5 bytes
      {"Conceição", 5, "Conce", "Conce"},
      {"çã", 1, "ç", "ç"},  // never cuts inside a character
      {"X", 0, "", ""},
      {"", 2, "  ", "  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AlinhaEsq(c.text, c.width), c.left) << c.text << " " << c.width;
    EXPECT_EQ(AlinhaDir(c.text, c.width), c.right) << c.text << " " << c.width;
  }
  EXPECT_THROW(AlinhaEsq("A", -1), Error);
  EXPECT_THROW(AlinhaDir("A", -1), Error);
}

TEST(SeparaCampos, SplitsAtTheFirstDash) {
  struct Case {
    const char* text;
    int part;
    bool trim;
    const char* out;
  };
  const Case cases[] = {
      {"2-SOLTEIRO", 1, true, "2"},
      {"2-SOLTEIRO", 2, true, "SOLTEIRO"},
      {"2 - SOLTEIRO", 2, true, "SOLTEIRO"},
      {"2 - SOLTEIRO", 2, false, " SOLTEIRO"},
      {"2 - SOLTEIRO", 1, false, "2 "},
      {"A-B-C", 2, true, "B-C"},
      {"ABC", 1, true, "ABC"},
      {"ABC", 2, true, ""},
      {"-X", 1, true, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SeparaCampos(c.text, c.part, c.trim), c.out) << c.text << " part " << c.part;
  EXPECT_THROW(SeparaCampos("A-B", 3, true), Error);
}

}  // namespace
}  // namespace veiculo::maker
