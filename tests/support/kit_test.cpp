// The kit's own guarantees: the row writer refuses a row whose names and
// values disagree instead of writing part of it, binds texts as values (a
// quote is data, not SQL), and the error check fails on each way an error
// can differ from the one expected.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "support/database_dump.h"
#include "support/kit.h"

namespace veiculo::testing {
namespace {

class KitTest : public ModuleTest {};

TEST_F(KitTest, InsertRefusesACountMismatchNamingTheTable) {
  for (const std::vector<Value>& values : {std::vector<Value>{I(1)}, {I(1), T("M1"), F(2)}}) {
    try {
      Insert(connection(), "VEI_MODELO", "EMPRESA MODELO", values);
      ADD_FAILURE() << values.size() << " values accepted for 2 names";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find("VEI_MODELO"), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(One("select count(*) from VEI_MODELO"), "0");
}

TEST_F(KitTest, InsertBindsTextsAsValues) {
  AddModel(connection(), "M'1", {{"DES_MODELO", T("it's; drop table VEI_MODELO")}});
  EXPECT_EQ(Rows("select MODELO, DES_MODELO from VEI_MODELO"),
            (TextRows{{"M'1", "it's; drop table VEI_MODELO"}}));
}

TEST_F(KitTest, BuildersLetTheCallerReplaceADefault) {
  AddVehicle(connection(), "V1", "CH1", {{"MODELO", T("M2")}});
  EXPECT_EQ(Rows("select EMPRESA, VEICULO, MODELO, CHASSI, FORMULA from VEI_VEICULO"),
            (TextRows{{"1", "V1", "M2", "CH1", "F1"}}));
}

TEST_F(KitTest, DumpHasEveryRowOrderedWhateverTheInsertOrder) {
  EXPECT_EQ(DumpDatabase(connection()), "");  // the schema alone
  AddModel(connection(), "M2");
  AddModel(connection(), "M1");
  const std::string dump = DumpDatabase(connection());
  const size_t m1 = dump.find("VEI_MODELO|1|M1|"), m2 = dump.find("VEI_MODELO|1|M2|");
  ASSERT_NE(m1, std::string::npos) << dump;
  ASSERT_NE(m2, std::string::npos) << dump;
  EXPECT_LT(m1, m2);
  EXPECT_EQ(std::count(dump.begin(), dump.end(), '\n'), 2);
}

TEST(ExpectVeiculoErrorTest, FailsOnEveryDifference) {
  const auto throws = [](ErrorCategory c, const char* m) { throw Error(c, m); };
  EXPECT_VEICULO_ERROR(throws(ErrorCategory::Validation, "bad code 'X9'"),
                       ErrorCategory::Validation, "'X9'");
  EXPECT_FALSE(ThrowsVeiculoError([] {}, ErrorCategory::Validation, ""));
  EXPECT_FALSE(ThrowsVeiculoError([&] { throws(ErrorCategory::NotFound, "bad code 'X9'"); },
                                  ErrorCategory::Validation, "'X9'"));
  EXPECT_FALSE(ThrowsVeiculoError([&] { throws(ErrorCategory::Validation, "bad code 'X8'"); },
                                  ErrorCategory::Validation, "'X9'"));
  EXPECT_FALSE(ThrowsVeiculoError([] { throw std::runtime_error("other"); },
                                  ErrorCategory::Validation, "other"));
}

}  // namespace
}  // namespace veiculo::testing
