#include "platform/db/sql_markers.h"

#include <gtest/gtest.h>

namespace veiculo::platform {
namespace {

TEST(SqlMarkers, FindsMarkersOutsideLiteralsAndComments) {
  struct Case {
    std::string sql, positional;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"select 'it''s :no' from T where X=:X1", "select 'it''s :no' from T where X=?", {"X1"}},
      {"select 1 /* hora 10:30 :p */ from T -- :q\nwhere A = :A",
       "select 1 /* hora 10 30  p */ from T --  q\nwhere A = ?",
       {"A"}},
      {"select \"A:B\", x::integer from T", "select \"A:B\", x::integer from T", {}},
      {"(:DataCompra between a and b)", "(? between a and b)", {"DataCompra"}},
  };
  for (const Case& c : cases) {
    const MarkedSql marked = ParseMarkers(c.sql);
    EXPECT_EQ(marked.positional, c.positional) << c.sql;
    EXPECT_EQ(marked.names, c.names) << c.sql;
  }
  EXPECT_EQ(DistinctMarkerNames("where A = :Empresa and B = :EMPRESA and C = :Veiculo"),
            (std::vector<std::string>{"Empresa", "Veiculo"}));
}

}  // namespace
}  // namespace veiculo::platform
