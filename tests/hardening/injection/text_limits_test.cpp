// The host's text limits are the lengths of the columns they name: a limit
// longer than its column lets the engine's truncation error through again; a
// shorter one refuses texts the column holds.

#include <gtest/gtest.h>

#include <string>

#include "operations/text_limits.h"
#include "support/query.h"
#include "support/test_database.h"

namespace veiculo::cli {
namespace {

TEST(TextLimits, EachIsTheLengthOfTheColumnItNames) {
  Connection& c = testing::TestDatabase::Instance().connection();
  int checked = 0;
  for (const TextLimit& limit : AllTextLimits()) {
    const std::string column = limit.column;
    const size_t dot = column.find('.');
    if (dot == std::string::npos) continue;  // a limit of the host's own (list filters)
    const auto rows = testing::QueryRows(
        c,
        "select f.RDB$CHARACTER_LENGTH from RDB$RELATION_FIELDS rf "
        "join RDB$FIELDS f on f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
        "where rf.RDB$RELATION_NAME = '" +
            column.substr(0, dot) + "' and rf.RDB$FIELD_NAME = '" + column.substr(dot + 1) + "'");
    ASSERT_EQ(rows.size(), 1u) << column << " is not a column of the schema";
    EXPECT_EQ(rows[0][0], std::to_string(limit.length)) << column;
    ++checked;
  }
  EXPECT_GT(checked, 10);
}

}  // namespace
}  // namespace veiculo::cli
