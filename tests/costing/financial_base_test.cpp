// CalculaBaseFinanceiro: the signed sums of the active formula lines into the
// financial base, the salesperson commission base and the cash price.

#include <gtest/gtest.h>

#include "costing/costing_evaluation_seed.h"

namespace veiculo::testing {
namespace {

class BaseFinanceiroTest : public CusteioTest {
 protected:
  double Base() { return module().CalculaBaseFinanceiro(1, 1, "V1", "F1", kProcessamento); }
};

TEST_F(BaseFinanceiroTest, SignedSumsOfTheActiveLines) {
  module().SetdPbValorVenda(2000);
  SeedLine(connection(), 1, "V",
           {{"BASE_FINANCEIRO", T("+")}, {"COMISSAO", T("+")}, {"PRECO_VISTA", T("-")}});
  SeedLine(connection(), 2, "V", {{"PERCENTUAL", F(10)}, {"BASE_FINANCEIRO", T("-")}});
  SeedLine(connection(), 3, "V", {{"STATUS", T("D")}, {"BASE_FINANCEIRO", T("+")}});
  SeedLine(connection(), 4, "V", {{"STATUS", Value()}, {"COMISSAO", T("+")}});
  // The cash price line takes the cash price summed so far (-2000) and adds it.
  SeedLine(connection(), 5, "Y", {{"PRECO_VISTA", T("+")}});
  SeedLine(connection(), 6, "V", {{"BASE_FINANCEIRO", T("x")}, {"COMISSAO", T("*")}});
  LoadFormulaF1();
  module().SetBaseComissaoVendedor(99);
  module().SetPrecoAVista(99);

  // Base 2000 - 2000 x 10 %; deleted (3), statusless (4) and unsigned (6) lines count nothing.
  EXPECT_DOUBLE_EQ(Base(), 1800);
  EXPECT_DOUBLE_EQ(module().GetBaseComissaoVendedor(), 2000);
  EXPECT_DOUBLE_EQ(module().GetPrecoAVista(), -4000);  // -2000 + (-2000)
}

TEST_F(BaseFinanceiroTest, OneResolutionPerLineWhateverItsSigns) {
  module().SetdPbValorVenda(2000);
  SeedLine(connection(), 1, "V",
           {{"BASE_FINANCEIRO", T("+")}, {"COMISSAO", T("+")}, {"PRECO_VISTA", T("+")}});
  SeedLine(connection(), 2, "V", {{"BASE_FINANCEIRO", T("+")}});
  LoadFormulaF1();
  // Each line is read once (cdsLinha): two lines, two statements.
  EXPECT_EQ(StatementsOf([&] { EXPECT_DOUBLE_EQ(Base(), 4000); }), 2);
}

}  // namespace
}  // namespace veiculo::testing
