// What the host prints for errors: masked secrets, quoted SQL cut short, the
// column a text does not fit, and the UTF-8 check of its arguments.

#include <gtest/gtest.h>

#include "messages.h"

namespace veiculo::cli {
namespace {

TEST(MaskSecrets, HidesPasswordsOfConnectionStringsAndGivenSecrets) {
  RegisterSecret("s3gr3d0");
  const std::pair<const char*, const char*> cases[] = {
      {"cannot open ODBC data source DSN=loja;UID=sa;PWD=Abc123;: login failed",
       "cannot open ODBC data source DSN=loja;UID=sa;PWD=***;: login failed"},
      {"Driver={ODBC Driver 18};pwd={a;b}", "Driver={ODBC Driver 18};pwd=***"},
      {"service=x user=SYSDBA password=masterkey charset=UTF8",
       "service=x user=SYSDBA password=*** charset=UTF8"},
      {"login of SYSDBA with s3gr3d0 refused", "login of SYSDBA with *** refused"},
      {"no secret here", "no secret here"},
  };
  for (const auto& [text, masked] : cases) EXPECT_EQ(MaskSecrets(text), masked) << text;
}

TEST(Shorten, CutsAtACharacterAndSaysHowMuchIsLeft) {
  EXPECT_EQ(Shorten("select 1", 300), "select 1");
  // "ção" is 3 characters in 5 bytes: the cut keeps "çã" whole.
  EXPECT_EQ(Shorten("\xc3\xa7\xc3\xa3o", 2), "\xc3\xa7\xc3\xa3 ... (1 more characters)");
  EXPECT_EQ(Shorten(std::string(1000, 'x'), 300),
            std::string(300, 'x') + " ... (700 more characters)");
}

TEST(TruncationHint, NamesTheColumnOfTheTextThatDoesNotFit) {
  // The engine's "actual" is what it read before giving up (40 bytes of UTF-8
  // for a column of 10 characters), not the text's length.
  const std::string message =
      "arithmetic exception, numeric overflow, or string truncation\nstring right truncation\n"
      "expected length 10, actual 40";
  const std::pair<std::string, std::string> cases[] = {
      {"insert into GER_REVENDA (EMPRESA, REVENDA, MARCA) values (1, f(2, 3), 'ABCDEFGHIJKL')",
       "column GER_REVENDA.MARCA (given 12) takes 10 characters at most"},
      // '' is one quote: 'O''BRIEN-XY' stands for 10 characters and fits.
      {"update GER_REVENDA set NOME = 'O''BRIEN-XY', MARCA = 'ABCDEFGHIJKL' where EMPRESA = 1",
       "column MARCA (given 12) takes 10 characters at most"},
      {"update T set A = 'ABCDEFGHIJK', B = 'ABCDEFGHIJKLM'",
       "the column that takes 10 characters at most is one of A (given 11), B (given 13)"},
      {"insert into T (A) values (:A)", ""},  // a bound value: the SQL cannot tell
  };
  for (const auto& [sql, hint] : cases) EXPECT_EQ(TruncationHint(message, sql), hint) << sql;
  EXPECT_EQ(TruncationHint("lock conflict on no wait transaction", cases[0].first), "");
}

TEST(ErrorText, QuotesAtMostAFewHundredCharactersOfTheStatement) {
  EXPECT_EQ(CutQuotedValue("Value \"" + std::string(100, 'v') +
                           "\" is too long (100 bytes) to be stored in column of size 40 bytes"),
            "Value \"" + std::string(60, 'v') +
                " ... (40 more characters)\" is too long (100 bytes) to be stored in column of "
                "size 40 bytes");
  Error error(ErrorCategory::Database, "expected length 10, actual 40");
  error.AddContext(
      "while executing: insert into GER_REVENDA (MARCA, NOME) values ('ABCDEFGHIJKL', '" +
      std::string(5000, 'n') + "')");
  // 63 characters before the 5,000 n's and 2 after: 5,065, of which 300 are quoted.
  error.AddContext("in dataset sdsExecuta");
  const std::string text = ErrorText(error);
  EXPECT_LT(text.size(), 700u);
  EXPECT_NE(text.find("(4765 more characters)"), std::string::npos) << text;
  EXPECT_NE(text.find("one of GER_REVENDA.MARCA (given 12), GER_REVENDA.NOME (given 5000)"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n  in dataset sdsExecuta"), std::string::npos) << text;
}

TEST(IsValidUtf8, AcceptsUtf8Only) {
  const std::pair<std::string, bool> cases[] = {
      {"Jo\xc3\xa3o", true},
      {"Jo\xe3o", false},  // Latin-1 "ã"
      {"\xc3", false},
      {"\xc0\xaf", false},  // cut short; overlong "/"
      {"\xed\xa0\x80", false},
      {"\xf0\x9f\x9a\x97", true},  // surrogate; a car
      {"", true},
  };
  for (const auto& [text, valid] : cases) EXPECT_EQ(IsValidUtf8(text), valid) << text;
}

}  // namespace
}  // namespace veiculo::cli
