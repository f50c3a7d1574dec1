// The numbers and quoting of the statements that store a vehicle's cost (the
// stored rows themselves are checked end to end in vehicle_cost_test), and the
// profitability figures the bands of the next line see.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "costing/vehicle_cost.h"
#include "support/expect_error.h"
#include "veiculo/error.h"

namespace veiculo::costing {
namespace {

LinhaGravada Linha(const std::string& cliente, const std::string& veiculo = "V1") {
  return {1, veiculo, "F1", 3, 1, 2, 3, cliente};
}

TEST(VehicleCostSqlTest, NumbersAreWrittenWithAPointAndFixedDecimals) {
  const struct {
    double value;
    const char *percentual, *valor;
  } cases[] = {
      {12.5, "12.5000", "12.50"},
      {1234567.891, "1234567.8910", "1234567.89"},  // no thousands grouping
      {-809.905, "-809.9050", "-809.91"},           // halves away from zero
      {0.00004, "0.0000", "0.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PercentualSql(c.value), c.percentual) << c.value;
    EXPECT_EQ(ValorSql(c.value), c.valor) << c.value;
  }
  EXPECT_EQ(PercentualSql(kNaoInformado), "NULL");
}

TEST(VehicleCostSqlTest, TextsHaveTheirQuotesDoubledAndTheFiCustomerMustBeANumber) {
  LinhaGravada l = Linha("", "V'1");
  l.formula = "F'";
  EXPECT_NE(InsertCusteio(l).find("VALUES(1,'V''1','F''',3,"), std::string::npos);
  EXPECT_NE(DeleteCusteio(1, "V'1").find("VEICULO = 'V''1'"), std::string::npos);
  EXPECT_NE(UpdateValorVeiculo("VAL_PRESENTE_VENDA", 93000, 1, "V'1").find("VEICULO = 'V''1'"),
            std::string::npos);
  // The customer goes into the statement unquoted.
  for (const char* cliente : {"12 OR 1=1", "4a", "-", "1.5"})
    EXPECT_VEICULO_ERROR(InsertCusteio(Linha(cliente)), ErrorCategory::Validation,
                         std::string("CalculoCustoVeiculo: the F&I customer '") + cliente +
                             "' of line 3 is not a number");
  EXPECT_NE(InsertCusteio(Linha("-7")).find(",-7)"), std::string::npos);
}

TEST(VehicleCostSqlTest, BandFiguresArePercentagesOfTheSale) {
  const double inf = std::numeric_limits<double>::infinity();
  PercentuaisCusto antes;  // what a figure that is not a number leaves
  antes.presente = 7;
  antes.margem_p = 8;
  const struct {
    const char* name;
    double venda, custo_h, custo_p, lb_h, lb_p, m_h, m_p;
    PercentuaisCusto expected;  // historico presente margem_h margem_p lucro_bruto_h _p
  } cases[] = {
      // 16,260 / 900 = 18.0666; 13,689.50 / 900 = 15.2105; 90,100 / 900 =
      // 100.111; 29,500 / 900 = 32.777; 28,290 / 900 = 31.4333.
      {"of 90000",
       90000,
       73740,
       76310.5,
       60500,
       61710,
       0,
       -100,
       {18.07, 15.21, 100, 100.11, 32.78, 31.43}},
      // (800 - 799) / 8 = 0.125 and (800 - 797) / 8 = 0.375: ties to the even cent.
      {"halves to even", 800, 799, 797, 0, 0, 0, 0, {0.12, 0.38, 100, 100, 100, 100}},
      // A sale of 0 counts as 0.01: (0.01 - 2) / 0.01 x 100 = -19,900.
      {"sale of zero", 0, 2, 0, 0, 0, 0, 0, {-19900, 100, 100, 100, 100, 100}},
      // The present cost overflowed: the historic figure is computed, the rest
      // stay as they were.
      {"not a number", 1000, 500, inf, 0, 0, 0, 0, {50, 7, 0, 8, 0, 0}},
  };
  for (auto c : cases) {
    SCOPED_TRACE(c.name);
    const PercentuaisCusto r =
        PercentuaisVenda(c.venda, {c.custo_h, c.custo_p, c.lb_h, c.lb_p, c.m_h, c.m_p}, antes);
    const PercentuaisCusto& e = c.expected;
    EXPECT_DOUBLE_EQ(r.historico, e.historico);
    EXPECT_DOUBLE_EQ(r.presente, e.presente);
    EXPECT_DOUBLE_EQ(r.margem_h, e.margem_h);
    EXPECT_DOUBLE_EQ(r.margem_p, e.margem_p);
    EXPECT_DOUBLE_EQ(r.lucro_bruto_h, e.lucro_bruto_h);
    EXPECT_DOUBLE_EQ(r.lucro_bruto_p, e.lucro_bruto_p);
  }
}

}  // namespace
}  // namespace veiculo::costing
