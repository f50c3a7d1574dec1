// Holiday minutes (NroFeriados) and due dates (CalculaDataVencimento).

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "value_sources/seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

constexpr int kSemParametro = 1;   // no CAC_PARAMETRO row
constexpr int kTodosFeriados = 2;  // FERIADO_NACIONAL "N"
constexpr int kSoNacionais = 3;    // FERIADO_NACIONAL "S"

// 14:30 on 10/01 leaves 9:29:59 to 23:59:59: 569 whole minutes.
double FimTarde() {
  return Day(2024, 1, 10) + (14 * 60 + 30) / 1440.0;
}

class CalendarTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    for (int revenda : {kSemParametro, kTodosFeriados, kSoNacionais}) {
      // 01/01 national holiday, 05/01 working day, 07/01 regional holiday,
      // 09/01 day off, 15/01 after every range.
      for (auto [dia, tipo, feriado] :
           {std::tuple{1, "F", "N"}, {5, "N", ""}, {7, "F", "R"}, {9, "D", ""}, {15, "F", "N"}})
        Insert(c, "GER_CALENDARIO", "EMPRESA REVENDA DTA_CALENDARIO TIPO_DA_DATA TIPO_FERIADO",
               {I(1), I(revenda), D(Day(2024, 1, dia)), T(tipo),
                *feriado ? T(feriado) : Value::Null()});
    }
    Insert(c, "CAC_PARAMETRO", "EMPRESA REVENDA FERIADO_NACIONAL",
           {I(1), I(kTodosFeriados), T("N")});
    Insert(c, "CAC_PARAMETRO", "EMPRESA REVENDA FERIADO_NACIONAL", {I(1), I(kSoNacionais), T("S")});
  }
};

TEST_F(CalendarTest, CountsMinutesOfDaysOff) {
  const struct {
    const char* name;
    int revenda;
    double marcado, inicio, fim;
    int32_t expected;
  } cases[] = {
      // 01/01, 07/01, 09/01: 3 * 1440; the marked 05/01 is a working day.
      {"no parameter: every holiday", kSemParametro, Day(2024, 1, 5), Day(2024, 1, 1), FimTarde(),
       4320},
      {"parameter N: regional counts", kTodosFeriados, Day(2024, 1, 5), Day(2024, 1, 1), FimTarde(),
       4320},
      {"parameter S: regional out", kSoNacionais, Day(2024, 1, 5), Day(2024, 1, 1), FimTarde(),
       2880},
      // Marked 07/01: 4320 - 569.
      {"marked day less the end day's rest", kSemParametro, Day(2024, 1, 7), Day(2024, 1, 1),
       FimTarde(), 3751},
      {"marked regional day left out", kSoNacionais, Day(2024, 1, 7), Day(2024, 1, 1), FimTarde(),
       2880},
      // End at midnight: 1439 whole minutes to 23:59:59; 4320 - 1439.
      {"marked day, end at midnight", kSemParametro, Day(2024, 1, 1), Day(2024, 1, 1),
       Day(2024, 1, 10), 2881},
      {"range start excludes 01/01", kSemParametro, 0, Day(2024, 1, 2), FimTarde(), 2880},
      {"range end date included", kSemParametro, 0, Day(2024, 1, 8), Day(2024, 1, 9) + 0.75, 1440},
      {"dealer without calendar", 7, 0, Day(2024, 1, 1), FimTarde(), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(peer().NroFeriados("INTERBASE", 1, c.revenda, c.marcado, c.inicio, c.fim),
              c.expected);
  }
}

TEST_F(CalendarTest, DatabaseKindShapesTheDateLiterals) {
  std::vector<std::string> sent;
  connection().SetStatementLog([&](const std::string& sql) { sent.push_back(sql); });
  // SQL Server's literal '20240101' reaches Firebird, which refuses it for a DATE.
  EXPECT_THROW(peer().NroFeriados("SQLSERVER", 1, kSemParametro, 0, Day(2024, 1, 1), FimTarde()),
               Error);
  connection().SetStatementLog(nullptr);
  ASSERT_FALSE(sent.empty());
  EXPECT_NE(sent.back().find("between '20240101'    and '20240110'"), std::string::npos)
      << sent.back();
  // An unknown kind is refused before any query.
  const long before = connection().StatementCount();
  EXPECT_VEICULO_ERROR(peer().NroFeriados("DB2", 1, kSemParametro, 0, Day(2024, 1, 1), FimTarde()),
                       ErrorCategory::Validation, "DB2");
  EXPECT_EQ(connection().StatementCount(), before);
}

TEST_F(CalendarTest, DueDateAddsTheShortestTerm) {
  for (int condicao : {10, 11})
    Insert(connection(), "FAT_CONDICAO_PAGAMENTO", "EMPRESA CONDICAO TIPO_PAGTO",
           {I(1), I(condicao), T("P")});
  for (int dias : {30, 15, 60})
    Insert(connection(), "FAT_CONDICAO_DIAS", "EMPRESA CONDICAO QUANTIDADE_DIAS",
           {I(1), I(10), I(dias)});
  // min(30, 15, 60) = 15 days, the time of day kept: 01/03 10:00 -> 16/03 10:00.
  const double dez = 10 / 24.0;
  EXPECT_DOUBLE_EQ(peer().CalculaDataVencimento(1, 10, Day(2024, 3, 1) + dez),
                   Day(2024, 3, 16) + dez);
  // Condition 11 has no terms, 99 does not exist: the date stays.
  EXPECT_DOUBLE_EQ(peer().CalculaDataVencimento(1, 11, Day(2024, 3, 1)), Day(2024, 3, 1));
  EXPECT_DOUBLE_EQ(peer().CalculaDataVencimento(1, 99, Day(2024, 3, 1)), Day(2024, 3, 1));
}

}  // namespace
}  // namespace veiculo::testing
