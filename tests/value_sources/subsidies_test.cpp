// The maker's financing subsidy: the periods that begin within the elapsed
// days, each cut at them, valued by the index from the line's reference date.
//
// The vehicle V1 was invoiced by the factory on 01/03/2025; formula line 3 of
// F1 refers to that date (reference "F"), so R = 01/03/2025. Index 7 has the
// levels 100 on R, 102 on R+30 (31/03), 104 on R+60 (30/04), 106 on R+90
// (30/05), 108 on R+120 (29/06) and 105 on the processing date 15/05/2025.
// The financial base is 100000: U = 100000 / 100 = 1000 units.

#include <gtest/gtest.h>

#include "value_sources/bonus_seed.h"
#include "value_sources/present_value_fixture.h"
#include "value_sources/present_value_seed.h"

namespace veiculo::testing {
namespace {

class SubsidiesTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    InsertRow(connection(), "VEI_MODELO",
              {{"EMPRESA", Value::Integer(1)}, {"MODELO", Value::Text("M1")}});
    InsertRow(connection(), "OFI_FICHA_SEGUIMENTO",
              {{"CHASSI", Value::Text("CH1")}, {"EMPRESA", Value::Integer(1)}});
    InsertRow(connection(), "VEI_VEICULO",
              {{"EMPRESA", Value::Integer(1)},
               {"VEICULO", Value::Text("V1")},
               {"MODELO", Value::Text("M1")},
               {"CHASSI", Value::Text("CH1")},
               {"FORMULA", Value::Text("F1")},
               {"DTA_FAT_FABRICA", Value::DateTime(Dia(2025, 3, 1))}});
    InsertRow(connection(), "VEI_FORMULA_LINHA",
              {{"EMPRESA", Value::Integer(1)},
               {"FORMULA", Value::Text("F1")},
               {"LINHA_FORMULA", Value::Integer(3)},
               {"INCIDENCIA", Value::Text("J")},
               {"REFERENCIA", Value::Text("F")},
               {"INDICE", Value::Integer(7)}});
    SeedIndice(connection(), 7, "D");
    const struct {
      int month, day;
      double level;
    } levels[] = {{3, 1, 100},  {3, 31, 102}, {4, 30, 104},
                  {5, 30, 106}, {6, 29, 108}, {5, 15, 105}};
    for (const auto& l : levels)
      SeedValorIndice(connection(), 7, Dia(2025, l.month, l.day), l.level);
    ASSERT_TRUE(dm.LerVeiculo(1, "V1", true));
    dm.SetBase_Financeiro(100000);
  }

  double Subsidio(const std::string& subsidio, int dias) {
    return dm.BuscaSubsidios(1, dias, 3, 7, "F1", "V1", subsidio, Dia(2025, 5, 15));
  }
};

TEST_F(SubsidiesTest, PeriodsWithinTheElapsedDaysCutAtThem) {
  SeedSubsidio(connection(), "SUB1", {{1, 1, 30, 50}, {2, 31, 90, 25}, {3, 61, 120, 80}});
  // N = 60.
  // Period 1, days 1-30: Is = index at R+0 = 100, Ie = index at R+30 = 102;
  //   50 * (1000 * 102 - 1000 * 100) / 100 / 102 = 1000 / 102 = 9,8039 -> 9,80.
  // Period 2, days 31-90 cut at 60: Is = index at R+30 = 102, Ie = index at R+60 = 104
  //   (not R+90, 106); 25 * (1000 * 104 - 1000 * 102) / 100 / 104 = 500 / 104 = 4,8077 -> 4,81.
  // Period 3 begins on day 61, after N: nothing (it would add 80 * 4000 / 100 / 108).
  // Total 9,80 + 4,81 = 14,61; at the processing date 105 * 14,61 = 1534,05.
  EXPECT_DOUBLE_EQ(Subsidio("SUB1", 60), 1534.05);
}

TEST_F(SubsidiesTest, PeriodEndingBeforeTheElapsedDaysKeepsItsEnd) {
  SeedSubsidio(connection(), "SUB2", {{1, 1, 30, 100}});
  // N = 90: the period ends on day 30 < 90. 100 * 2000 / 100 / 102 = 19,6078 -> 19,61;
  // 105 * 19,61 = 2059,05.
  EXPECT_DOUBLE_EQ(Subsidio("SUB2", 90), 2059.05);
}

TEST_F(SubsidiesTest, NothingWithoutPeriodsOrIndexValues) {
  EXPECT_DOUBLE_EQ(Subsidio("NONE", 60), 0);  // no periods
  // Days 1-10: no level on R+10 (11/03): the period is skipped.
  SeedSubsidio(connection(), "SUB3", {{1, 1, 10, 50}});
  EXPECT_DOUBLE_EQ(Subsidio("SUB3", 60), 0);
  // Every period begins after N = 20.
  SeedSubsidio(connection(), "SUB4", {{1, 31, 60, 50}});
  EXPECT_DOUBLE_EQ(Subsidio("SUB4", 20), 0);
}

}  // namespace
}  // namespace veiculo::testing
