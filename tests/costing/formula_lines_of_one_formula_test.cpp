// With the host's query that loads every formula's lines into cdsFormulaLinha
// (no parameters), the financial base, the accounting cost and the costing
// evaluation count only the lines of the formula they evaluate.

#include <gtest/gtest.h>

#include "costing/costing_evaluation_seed.h"

namespace veiculo::testing {
namespace {

class FormulaLinesOfOneFormulaTest : public CusteioTest {
 protected:
  void SetUp() override {
    CusteioTest::SetUp();
    Connection& c = connection();
    // The sale value (2,000) in the financial base and the accounting cost, in
    // company 1's F1 (the one evaluated), company 1's F2 and company 2's F1.
    const Columns signs = Cols("BASE_FINANCEIRO CUSTO_CONTABIL", {T("+"), T("+")});
    SeedLine(c, 1, "V", signs);
    SeedLine(c, 1, "V", signs, "F2");
    Insert(c, "VEI_FORMULA_LINHA",
           Cols("EMPRESA FORMULA LINHA_FORMULA TIPO STATUS INCIDENCIA",
                {I(2), T("F1"), I(1), T("N"), T("A"), T("V")}) +
               signs);
    module().SetdPbValorVenda(2000);
    module().AlteraCommandText("cdsFormulaLinha",
                               "select * from VEI_FORMULA_LINHA order by EMPRESA, FORMULA, "
                               "LINHA_FORMULA");
    LoadFormulaF1();
    ASSERT_EQ(module().cdsFormulaLinha->RecordCount(), 3);  // every formula's lines stay loaded
  }
};

TEST_F(FormulaLinesOfOneFormulaTest, FinancialBaseAccountingCostAndEvaluationCountTheirFormula) {
  EXPECT_DOUBLE_EQ(module().CalculaBaseFinanceiro(1, 1, "V1", "F1", kProcessamento), 2000);
  EXPECT_DOUBLE_EQ(module().CalculaCustoContabil(1, 1, "V1", "F1", kProcessamento, "C"), 2000);
  Custeio({Linha(1, "V")}, CadastroPacket(2000, {}), {}, "V1");
  EXPECT_DOUBLE_EQ(module().GetBase_Financeiro(), 2000);
}

}  // namespace
}  // namespace veiculo::testing
