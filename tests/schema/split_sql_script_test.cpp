// Splitting a schema script into statements: a ";" ends a statement only at
// the end of a line and outside quotes and comments.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/schema_loader.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

using ::testing::HasSubstr;

struct SplitCase {
  const char* name;
  std::string script;
  std::vector<std::string> statements;
};

class SplitSqlScriptTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitSqlScriptTest, SplitsAtLineEndSemicolons) {
  EXPECT_EQ(SplitSqlScript(GetParam().script), GetParam().statements);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, SplitSqlScriptTest,
    ::testing::Values(
        SplitCase{"TwoStatements",
                  "CREATE TABLE A (X INTEGER);\nCREATE TABLE B (Y INTEGER);\n",
                  {"CREATE TABLE A (X INTEGER)", "CREATE TABLE B (Y INTEGER)"}},
        SplitCase{"StatementOverSeveralLines",
                  "CREATE TABLE A (\n  X INTEGER,\n  Y INTEGER\n);\n",
                  {"CREATE TABLE A (\n  X INTEGER,\n  Y INTEGER\n)"}},
        SplitCase{"SemicolonInsideALineStaysInTheStatement",
                  "SELECT 1 FROM T; SELECT 2 FROM T;\n",
                  {"SELECT 1 FROM T; SELECT 2 FROM T"}},
        SplitCase{"BlanksAndACommentMayFollowTheSemicolon",
                  "CREATE TABLE A (X INTEGER);  -- the A table\nCREATE TABLE B (Y INTEGER);\t\n",
                  {"CREATE TABLE A (X INTEGER)", "CREATE TABLE B (Y INTEGER)"}},
        SplitCase{"WindowsLineEnds",
                  "CREATE TABLE A (X INTEGER);\r\nCREATE TABLE B (Y INTEGER);\r\n",
                  {"CREATE TABLE A (X INTEGER)", "CREATE TABLE B (Y INTEGER)"}},
        SplitCase{"SemicolonAtLineEndInsideALiteral",
                  "INSERT INTO T VALUES ('a;\nb');\nSELECT 1 FROM T;\n",
                  {"INSERT INTO T VALUES ('a;\nb')", "SELECT 1 FROM T"}},
        SplitCase{"DoubledQuoteStaysInsideTheLiteral",
                  "INSERT INTO T VALUES ('it''s;\n');\n",
                  {"INSERT INTO T VALUES ('it''s;\n')"}},
        SplitCase{"SemicolonAtLineEndInsideAQuotedName",
                  "CREATE TABLE \"A;\n\" (X INTEGER);\n",
                  {"CREATE TABLE \"A;\n\" (X INTEGER)"}},
        // The line comment goes; its line end stays.
        SplitCase{"SemicolonInsideALineComment",
                  "SELECT 1 -- not the end;\nFROM T;\n",
                  {"SELECT 1 \nFROM T"}},
        // "SELECT 1 " + one blank for the comment + " FROM T".
        SplitCase{"SemicolonInsideABlockComment",
                  "SELECT 1 /* not the end;\n */ FROM T;\n",
                  {"SELECT 1   FROM T"}},
        SplitCase{
            "QuoteInsideACommentOpensNoLiteral",
            "-- the proposal's table\nCREATE TABLE A (X INTEGER);\nCREATE TABLE B (Y INTEGER);\n",
            {"CREATE TABLE A (X INTEGER)", "CREATE TABLE B (Y INTEGER)"}},
        SplitCase{"LastStatementWithoutSemicolon",
                  "CREATE TABLE A (X INTEGER);\nCREATE TABLE B (Y INTEGER)\n",
                  {"CREATE TABLE A (X INTEGER)", "CREATE TABLE B (Y INTEGER)"}},
        SplitCase{"OnlyCommentsAndBlanks", "-- header\n\n/* nothing */\n  ;\n", {}},
        SplitCase{"EmptyScript", "", {}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(SplitSqlScriptErrorTest, RejectsAnUnterminatedLiteral) {
  try {
    SplitSqlScript("INSERT INTO T VALUES ('open;\n");
    FAIL() << "an unterminated literal should be rejected";
  } catch (const Error& error) {
    EXPECT_EQ(error.category(), ErrorCategory::Validation);
    EXPECT_THAT(error.what(), HasSubstr("quoted literal"));
  }
}

TEST(SplitSqlScriptErrorTest, RejectsAnUnterminatedBlockComment) {
  try {
    SplitSqlScript("CREATE TABLE A (X INTEGER);\n/* open\n");
    FAIL() << "an unterminated comment should be rejected";
  } catch (const Error& error) {
    EXPECT_EQ(error.category(), ErrorCategory::Validation);
    EXPECT_THAT(error.what(), HasSubstr("comment"));
  }
}

}  // namespace
}  // namespace veiculo::platform
