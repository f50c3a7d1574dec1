// The statements that store a vehicle's cost, and the profitability figures
// the bands of the next line see.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "costing/vehicle_cost.h"
#include "support/expect_error.h"
#include "veiculo/error.h"

namespace veiculo::costing {
namespace {

LinhaGravada Linha(double percentual, double historico, double presente,
                   const std::string& cliente = "") {
  LinhaGravada l;
  l.empresa = 1;
  l.veiculo = "V1";
  l.formula = "F1";
  l.linha = 3;
  l.percentual = percentual;
  l.historico = historico;
  l.presente = presente;
  l.cliente_fi = cliente;
  return l;
}

struct NumberCase {
  double value;
  const char* percentual;
  const char* valor;
};

TEST(VehicleCostSqlTest, NumbersAreWrittenWithAPointAndFixedDecimals) {
  const NumberCase cases[] = {
      {12.5, "12.5000", "12.50"},
      {1234.5, "1234.5000", "1234.50"},
      {1234567.891, "1234567.8910", "1234567.89"},  // no thousands grouping
      {-809.905, "-809.9050", "-809.91"},           // halves away from zero
      {0, "0.0000", "0.00"},
      {0.00004, "0.0000", "0.00"},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(PercentualSql(c.value), c.percentual) << c.value;
    EXPECT_EQ(ValorSql(c.value), c.valor) << c.value;
  }
  EXPECT_EQ(PercentualSql(kNaoInformado), "NULL");
}

TEST(VehicleCostSqlTest, CostingLine) {
  EXPECT_EQ(InsertCusteio(Linha(12.5, 1234.5, -0.5)),
            "INSERT INTO VEI_VEICULO_CUSTEIO(EMPRESA,VEICULO,FORMULA,LINHA_FORMULA,PERCENTUAL,"
            "VAL_HISTORICO,VAL_PRESENTE,CLIENTE_FI) VALUES(1,'V1','F1',3,12.5000,1234.50,-0.50,"
            "NULL)");
  EXPECT_EQ(InsertCusteio(Linha(kNaoInformado, 0, 3, "4321")),
            "INSERT INTO VEI_VEICULO_CUSTEIO(EMPRESA,VEICULO,FORMULA,LINHA_FORMULA,PERCENTUAL,"
            "VAL_HISTORICO,VAL_PRESENTE,CLIENTE_FI) VALUES(1,'V1','F1',3,NULL,0.00,3.00,4321)");
}

TEST(VehicleCostSqlTest, TextsHaveTheirQuotesDoubled) {
  LinhaGravada l = Linha(1, 2, 3);
  l.veiculo = "V'1";
  l.formula = "F'";
  EXPECT_NE(InsertCusteio(l).find("VALUES(1,'V''1','F''',3,"), std::string::npos);
  EXPECT_EQ(DeleteCusteio(1, "V'1"),
            "DELETE FROM VEI_VEICULO_CUSTEIO WHERE EMPRESA = 1   AND VEICULO = 'V''1'");
  EXPECT_EQ(UpdateValorVeiculo("VAL_PRESENTE_VENDA", 93000, 1, "V'1"),
            "UPDATE VEI_VEICULO SET VAL_PRESENTE_VENDA=93000.00 WHERE EMPRESA = 1   AND "
            "VEICULO = 'V''1'");
  EXPECT_EQ(DeleteCusteioHistorico(1, 2, 7),
            "DELETE FROM VEI_VEICULO_CUSTEIO_HISTORICO WHERE EMPRESA  = 1   AND REVENDA  = 2   "
            "AND PROPOSTA = 7");
}

TEST(VehicleCostSqlTest, AnFiCustomerThatIsNotANumberIsRefused) {
  // The customer goes into the statement unquoted.
  for (const char* cliente : {"12 OR 1=1", "4a", "-", "1.5"}) {
    EXPECT_VEICULO_ERROR(InsertCusteio(Linha(1, 2, 3, cliente)), ErrorCategory::Validation,
                         std::string("CalculoCustoVeiculo: the F&I customer '") + cliente +
                             "' of line 3 is not a number");
  }
  EXPECT_NE(InsertCusteio(Linha(1, 2, 3, "-7")).find(",-7)"), std::string::npos);
}

TEST(VehicleCostSqlTest, BandFiguresArePercentagesOfTheSale) {
  // Sale 90,000; cost 73,740 | 76,310.50; gross-profit total 60,500 | 61,710;
  // margin 0 | -100.
  double custo_h = 73740, custo_p = 76310.5, lb_h = 60500, lb_p = 61710, m_h = 0, m_p = -100;
  const TotaisCusteio totais{custo_h, custo_p, lb_h, lb_p, m_h, m_p};
  const PercentuaisCusto p = PercentuaisVenda(90000, totais, {});
  EXPECT_DOUBLE_EQ(p.historico, 18.07);      // 16,260 / 900 = 18.0666...
  EXPECT_DOUBLE_EQ(p.presente, 15.21);       // 13,689.50 / 900 = 15.2105...
  EXPECT_DOUBLE_EQ(p.lucro_bruto_h, 32.78);  // 29,500 / 900 = 32.777...
  EXPECT_DOUBLE_EQ(p.lucro_bruto_p, 31.43);  // 28,290 / 900 = 31.4333...
  EXPECT_DOUBLE_EQ(p.margem_h, 100);
  EXPECT_DOUBLE_EQ(p.margem_p, 100.11);  // 90,100 / 900 = 100.111...
}

TEST(VehicleCostSqlTest, BandFiguresRoundHalvesToEven) {
  // Sale 800: (800 - 799) / 800 x 100 = 0.125 -> 0.12 and (800 - 797) / 800 x
  // 100 = 0.375 -> 0.38, both ties going to the even cent.
  double h = 799, p = 797, z = 0;
  const PercentuaisCusto r = PercentuaisVenda(800, {h, p, z, z, z, z}, {});
  EXPECT_DOUBLE_EQ(r.historico, 0.12);
  EXPECT_DOUBLE_EQ(r.presente, 0.38);
}

TEST(VehicleCostSqlTest, ASaleOfZeroCountsAsOneCent) {
  // (0.01 - 2) / 0.01 x 100 = -19,900.
  double h = 2, z = 0;
  const PercentuaisCusto r = PercentuaisVenda(0, {h, z, z, z, z, z}, {});
  EXPECT_DOUBLE_EQ(r.historico, -19900);
  EXPECT_DOUBLE_EQ(r.presente, 100);
}

TEST(VehicleCostSqlTest, AFigureThatIsNotANumberKeepsTheOnesBefore) {
  // The present cost overflowed: the historic figure is computed, the rest
  // stay as they were.
  double h = 500, p = std::numeric_limits<double>::infinity(), z = 0;
  PercentuaisCusto antes;
  antes.presente = 7;
  antes.margem_p = 8;
  const PercentuaisCusto r = PercentuaisVenda(1000, {h, p, z, z, z, z}, antes);
  EXPECT_DOUBLE_EQ(r.historico, 50);
  EXPECT_DOUBLE_EQ(r.presente, 7);
  EXPECT_DOUBLE_EQ(r.lucro_bruto_h, 0);
  EXPECT_DOUBLE_EQ(r.margem_p, 8);
}

}  // namespace
}  // namespace veiculo::costing
