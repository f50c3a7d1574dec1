// The module's components by name, and the fixed SQL adapted to each dialect
// against the reviewed golden files.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "module/maker_utils/compat_banco.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "support/module_under_test.h"

namespace veiculo {
namespace {

TEST(Catalogue, FindComponentFindsEveryNameInAnyLetterCase) {
  testing::ModuleUnderTest dm;
  // 14 free components + 25 queries as sds/dsp/cds + 2 packages as sds/dsp = 14 + 75 + 4.
  ASSERT_EQ(dm.Components().size(), 93u);
  for (const auto& component : dm.Components()) {
    const std::string& name = component->Name();
    EXPECT_EQ(dm.FindComponent(platform::UpperCase(name)), component.get()) << name;
    EXPECT_EQ(dm.FindComponent(platform::LowerCase(name)), component.get()) << name;
  }
  EXPECT_EQ(dm.FindComponent("sdsNaoExiste"), nullptr);
  EXPECT_EQ(dm.FindComponent("cdsPacote"), nullptr);  // packages have no client dataset
}

using Blocks = std::vector<std::pair<std::string, std::string>>;

// Blocks of a golden file: a "-- sdsName" line, then the text up to the next
// such line (blank lines between blocks are not part of the text).
Blocks ReadGolden(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  Blocks blocks;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("-- ", 0) == 0) {
      blocks.push_back({line.substr(3), ""});
    } else if (!blocks.empty() && !line.empty()) {
      std::string& text = blocks.back().second;
      text += (text.empty() ? "" : "\n") + line;
    }
  }
  return blocks;
}

class CatalogueGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(CatalogueGolden, AdaptedTextsMatchTheReviewedFile) {
  const std::string dialect = GetParam();
  const Blocks golden =
      ReadGolden(std::string(VEICULO_GOLDEN_DIR) + "/catalogue_" + dialect + ".sql");
  testing::ModuleUnderTest dm;
  Blocks actual;
  for (const auto& component : dm.Components()) {
    const auto* sds = dynamic_cast<const platform::SqlDataSet*>(component.get());
    if (sds == nullptr || sds->CommandText().empty()) continue;
    actual.push_back({sds->Name(), maker::CompatBanco(sds->CommandText(), dialect, 1, false)});
  }
  ASSERT_EQ(actual.size(), 27u);  // every fixed query has its SQL dataset
  ASSERT_EQ(actual.size(), golden.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].first, golden[i].first) << "position " << i;
    EXPECT_TRUE(actual[i].second == golden[i].second)
        << actual[i].first << " (" << dialect << ")\n  expected: " << golden[i].second
        << "\n  actual:   " << actual[i].second;
  }
}

INSTANTIATE_TEST_SUITE_P(Dialects, CatalogueGolden, ::testing::Values("ORACLE", "SQLSERVER"));

}  // namespace
}  // namespace veiculo
