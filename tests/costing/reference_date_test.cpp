// The reference date of a formula line: each reference code, the day clamped
// to the month's end, the roll into January, and lines or dates that give none.

#include <gtest/gtest.h>

#include <string>

#include "costing/incidence_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

class ReferenceDateTest : public IncidenceTest {
 protected:
  void SetUp() override {
    IncidenceTest::SetUp();
    AddModel(connection(), "M1");
  }
};

struct Case {
  const char* name;
  Columns dates;
  const char* referencia;
  Value dia;
  double expected;
};

Columns SoldOn(int year, int month, int day) {
  return {{"DTA_VENDA", D(Day(year, month, day))}};
}

TEST_F(ReferenceDateTest, EachCode) {
  const Columns all = {{"DTA_VENDA", D(Day(2024, 5, 20))},
                       {"DTA_FAT_FABRICA", D(Day(2024, 1, 31))},
                       {"DTA_INICIO_CORRECAO", D(Day(2024, 2, 3))},
                       {"DTA_FIM_CORRECAO", D(Day(2024, 6, 4))},
                       {"DTA_RECOMPRA", D(Day(2024, 7, 5))}};
  const Case cases[] = {
      {"S: month after the sale, day 10", all, "S", I(10), Day(2024, 6, 10)},
      {"C: month of the sale, day 10", all, "C", I(10), Day(2024, 5, 10)},
      {"S without a day: the sale's own day", all, "S", Value(), Day(2024, 6, 20)},
      {"C, day 31 in a 31-day month", all, "C", I(31), Day(2024, 5, 31)},
      {"G: month after the factory invoice, day 31 -> 29/02", all, "G", I(31), Day(2024, 2, 29)},
      {"H: month of the factory invoice, day 15", all, "H", I(15), Day(2024, 1, 15)},
      {"G without a day: 31 clamped to 29/02", all, "G", Value(), Day(2024, 2, 29)},
      {"I: start of correction", all, "I", Value(), Day(2024, 2, 3)},
      {"B: end of correction", all, "B", Value(), Day(2024, 6, 4)},
      {"R: buy-back", all, "R", Value(), Day(2024, 7, 5)},
      {"V: sale", all, "V", Value(), Day(2024, 5, 20)},
      {"F: factory invoice", all, "F", Value(), Day(2024, 1, 31)},
      {"another code: none", all, "X", I(10), 0},
      {"no code: none", all, "", I(10), 0},
      {"S unsold: month after the processing date (15/03)", {}, "S", I(5), Day(2024, 4, 5)},
      {"C unsold: month of the processing date, its own day", {}, "C", Value(), Day(2024, 3, 15)},
      {"B without end of correction", {}, "B", Value(), 0},
      {"R without buy-back", {}, "R", Value(), 0},
      {"V unsold", {}, "V", Value(), 0},
      {"F without factory invoice", {}, "F", Value(), 0},
      {"I without start of correction", {}, "I", Value(), 0},
      // Without a factory invoice there is no month to count from (rather
      // than a day of January 1900).
      {"G without factory invoice", {}, "G", I(10), 0},
      {"H without factory invoice", {}, "H", I(10), 0},
      {"sale 31/01/2024, day 31: leap February", SoldOn(2024, 1, 31), "S", I(31), Day(2024, 2, 29)},
      {"sale 31/01/2023, day 31: common February", SoldOn(2023, 1, 31), "S", I(31),
       Day(2023, 2, 28)},
      {"December rolls to January", SoldOn(2023, 12, 15), "S", I(31), Day(2024, 1, 31)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Exec("delete from VEI_FORMULA_LINHA");
    Exec("delete from VEI_VEICULO");
    Exec("delete from OFI_FICHA_SEGUIMENTO");
    ModuleUnderTest module;
    Attach(module);
    AddVehicle(connection(), "V1", "CH1", c.dates);
    SeedLine(connection(), 1, "V", {{"REFERENCIA", T(c.referencia)}, {"DIA", c.dia}});
    ASSERT_TRUE(module.LerVeiculo(1, "V1", true));
    EXPECT_EQ(module.BuscaReferencia("V1", "F1", 1, 1, kProcessamento), c.expected);
  }
}

TEST_F(ReferenceDateTest, AMissingLineGivesNoDateADayThatIsNoDayOfAMonthIsRefused) {
  AddVehicle(connection(), "V1", "CH1", SoldOn(2024, 1, 31));
  SeedLine(connection(), 4, "V", {{"REFERENCIA", T("S")}, {"DIA", I(0)}});
  Load("V1");
  EXPECT_EQ(module().BuscaReferencia("V1", "F1", 1, 7, kProcessamento), 0);
  EXPECT_VEICULO_ERROR(module().BuscaReferencia("V1", "F1", 1, 4, kProcessamento),
                       ErrorCategory::Validation, "formula line 4");
}

}  // namespace
}  // namespace veiculo::testing
