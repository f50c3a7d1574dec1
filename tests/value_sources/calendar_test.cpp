// Holiday minutes (NroFeriados) and due dates (CalculaDataVencimento).

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "present_value_fixture.h"
#include "present_value_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

constexpr int kSemParametro = 1;   // no CAC_PARAMETRO row
constexpr int kTodosFeriados = 2;  // FERIADO_NACIONAL "N"
constexpr int kSoNacionais = 3;    // FERIADO_NACIONAL "S"

// 14:30:00 leaves 9:29:59 to 23:59:59, that is 569 whole minutes.
// (A function, not a constant: the date arithmetic must not run during static
// initialisation.)
double FimTarde() {
  return Dia(2024, 1, 10) + (14 * 60 + 30) / 1440.0;
}

class NroFeriadosTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    Connection& c = connection();
    for (int revenda : {kSemParametro, kTodosFeriados, kSoNacionais}) {
      SeedCalendario(c, revenda, Dia(2024, 1, 1), "F", "N");           // national holiday
      SeedCalendario(c, revenda, Dia(2024, 1, 5), "N", std::nullopt);  // working day
      SeedCalendario(c, revenda, Dia(2024, 1, 7), "F", "R");           // regional holiday
      SeedCalendario(c, revenda, Dia(2024, 1, 9), "D", std::nullopt);  // day off
      SeedCalendario(c, revenda, Dia(2024, 1, 15), "F", "N");          // after every range
    }
    SeedFeriadoNacional(c, kTodosFeriados, "N");
    SeedFeriadoNacional(c, kSoNacionais, "S");
  }
};

struct FeriadoCase {
  const char* name;
  int revenda;
  double dia_marcado;
  double inicio;
  double fim;
  int32_t expected;
};

void PrintTo(const FeriadoCase& c, std::ostream* os) {
  *os << c.name;
}

class NroFeriadosCasesTest : public NroFeriadosTest,
                             public ::testing::WithParamInterface<FeriadoCase> {};

TEST_P(NroFeriadosCasesTest, CountsMinutesOfDaysOff) {
  const FeriadoCase& c = GetParam();
  EXPECT_EQ(peer.NroFeriados("INTERBASE", 1, c.revenda, c.dia_marcado, c.inicio, c.fim),
            c.expected);
}

// Days off in 01/01..10/01: 01/01, 07/01 (regional), 09/01; 05/01 is a working day.
INSTANTIATE_TEST_SUITE_P(
    Cases, NroFeriadosCasesTest,
    ::testing::Values(
        // 3 * 1440; the marked day 05/01 is a working day and takes nothing off.
        FeriadoCase{"WithoutParameterEveryHolidayCounts", kSemParametro, Dia(2024, 1, 5),
                    Dia(2024, 1, 1), FimTarde(), 4320},
        FeriadoCase{"ParameterNCountsRegionalHolidays", kTodosFeriados, Dia(2024, 1, 5),
                    Dia(2024, 1, 1), FimTarde(), 4320},
        // 07/01 is regional: 2 * 1440.
        FeriadoCase{"ParameterSLeavesRegionalHolidaysOut", kSoNacionais, Dia(2024, 1, 5),
                    Dia(2024, 1, 1), FimTarde(), 2880},
        // Marked 07/01: 4320 - 569.
        FeriadoCase{"MarkedDaySubtractsTheRestOfTheEndDay", kSemParametro, Dia(2024, 1, 7),
                    Dia(2024, 1, 1), FimTarde(), 3751},
        // Marked 07/01 is not counted at all when regional days are out: 2880.
        FeriadoCase{"MarkedRegionalDayLeftOut", kSoNacionais, Dia(2024, 1, 7), Dia(2024, 1, 1),
                    FimTarde(), 2880},
        // End at midnight: 23:59:59 is 1439 whole minutes away; 4320 - 1439.
        FeriadoCase{"MarkedDayWithEndAtMidnight", kSemParametro, Dia(2024, 1, 1), Dia(2024, 1, 1),
                    Dia(2024, 1, 10), 2881},
        // The range starts after 01/01: 07/01 and 09/01.
        FeriadoCase{"RangeStartExcludesEarlierDays", kSemParametro, 0, Dia(2024, 1, 2), FimTarde(),
                    2880},
        // A range end with a time of day still takes in its whole date (09/01).
        FeriadoCase{"RangeEndDateIsIncluded", kSemParametro, 0, Dia(2024, 1, 8),
                    Dia(2024, 1, 9) + 0.75, 1440},
        FeriadoCase{"OtherDealerHasNoCalendar", 7, 0, Dia(2024, 1, 1), FimTarde(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NroFeriadosTest, DateLiteralsFollowTheDatabaseKindGiven) {
  std::vector<std::string> sent;
  connection().SetStatementLog([&](const std::string& sql) { sent.push_back(sql); });
  // The module is bound to Firebird, but the kind given is SQL Server: its
  // literal '20240101' reaches the engine, which refuses it for a DATE.
  EXPECT_THROW(peer.NroFeriados("SQLSERVER", 1, kSemParametro, 0, Dia(2024, 1, 1), FimTarde()),
               Error);
  connection().SetStatementLog(nullptr);
  ASSERT_FALSE(sent.empty());
  EXPECT_NE(sent.back().find("between '20240101'    and '20240110'"), std::string::npos)
      << sent.back();
}

TEST_F(NroFeriadosTest, UnknownDatabaseKindIsRefusedBeforeAnyQuery) {
  long statements = 0;
  try {
    statements = StatementsOf(
        [&] { peer.NroFeriados("DB2", 1, kSemParametro, 0, Dia(2024, 1, 1), FimTarde()); });
    FAIL() << "an unknown database kind was accepted";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_NE(std::string(e.what()).find("DB2"), std::string::npos) << e.what();
  }
  EXPECT_EQ(statements, 0);
}

class DueDateTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    SeedCondicao(connection(), 10);
    for (int dias : {30, 15, 60}) SeedCondicaoDias(connection(), 10, dias);
    SeedCondicao(connection(), 11);  // a condition without terms
  }
};

TEST_F(DueDateTest, AddsTheShortestTermOfTheCondition) {
  // min(30, 15, 60) = 15 days: 01/03/2024 -> 16/03/2024.
  EXPECT_DOUBLE_EQ(peer.CalculaDataVencimento(1, 10, Dia(2024, 3, 1)), Dia(2024, 3, 16));
  // The time of day goes along: 10:00 stays 10:00.
  const double dez_horas = 10 / 24.0;
  EXPECT_DOUBLE_EQ(peer.CalculaDataVencimento(1, 10, Dia(2024, 3, 1) + dez_horas),
                   Dia(2024, 3, 16) + dez_horas);
}

TEST_F(DueDateTest, ConditionWithoutTermsOrUnknownKeepsTheDate) {
  EXPECT_DOUBLE_EQ(peer.CalculaDataVencimento(1, 11, Dia(2024, 3, 1)), Dia(2024, 3, 1));
  EXPECT_DOUBLE_EQ(peer.CalculaDataVencimento(1, 99, Dia(2024, 3, 1)), Dia(2024, 3, 1));
}

}  // namespace
}  // namespace veiculo::testing
