// The rules around a line's amount: auxiliary value, fixed amounts, percentage,
// ISSQN, the tolerance of "L" and the PIS/COFINS estimate ("I").

#include <gtest/gtest.h>

#include <string>

#include "costing/incidence_seed.h"

namespace veiculo::testing {
namespace {

// Dealer 1: ISSQN 5 %, used vehicles taxed on the margin. Dealer 2: ISSQN
// 2.5 %, used vehicles taxed on the sale. Dealer 9 has no dealer row.
class IncidenceRulesTest : public IncidenceTest {
 protected:
  void SetUp() override {
    IncidenceTest::SetUp();
    Connection& c = connection();
    SeedDealer(c, 1, F(5), {{"BPISCOFINS_VUSADO_DIFERENTE", T("S")}});
    SeedDealer(c, 2, F(2.5), {{"BPISCOFINS_VUSADO_DIFERENTE", T("N")}});
    AddModel(c, "M1");
  }

  // A vehicle without invoices: its entry cost is its purchase value.
  void SeedVehicle(const std::string& veiculo, const Columns& columns) {
    AddVehicle(connection(), veiculo, "CH" + veiculo, Columns{{"VAL_COMPRA", F(60000)}} + columns);
  }

  void Prepare(int revenda, const std::string& veiculo) {
    module().LerParametro(1, revenda);
    Load(veiculo);
  }
};

TEST_F(IncidenceRulesTest, PercentageFixedAmountAndAuxiliaryValue) {
  SeedVehicle("V1", {});
  SeedLine(connection(), 1, "V");
  SeedLine(connection(), 2, "V", {{"VALOR_FIXO", F(300)}});
  SeedLine(connection(), 3, "ZZ", {{"VALOR_FIXO", F(500)}});
  Prepare(1, "V1");
  module().SetdPbValorVenda(80000);
  // No percentage or a negative one leaves the amount whole; 0 gives 0.
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, kSemPercentual), 80000);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, -1), 80000);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, 0), 0);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, 1.2), 960);  // 80000 x 1.2 %
  // An unknown code draws on nothing, the fixed 500 replaces it, 10 % of it.
  EXPECT_DOUBLE_EQ(Incidencia("V1", 3, 10), 50);
  // The auxiliary value replaces the code's amount but not the fixed amount.
  module().SetdPbValorAuxiliar(1234);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, kSemPercentual, "", true), 1234);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, 10, "", true), 123.4);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, 10, "", false), 8000);  // the sale value again
  EXPECT_DOUBLE_EQ(Incidencia("V1", 2, kSemPercentual, "", true), 300);
}

TEST_F(IncidenceRulesTest, BandFixedAmountAfterTheVariablePercentage) {
  Connection& c = connection();
  SeedVehicle("V1", {});
  SeedLine(c, 1, "V", {{"PERCENTUAL", F(50)}});
  SeedLine(c, 2, "V", {{"PERCENTUAL", F(50)}, {"VALOR_FIXO", F(300)}});
  // A band of profit 0 % to 10 % at historic value that gives 800 and no percentage.
  for (int linha : {1, 2}) SeedBand(c, linha, 0, 10, "L", "H", std::nullopt, 800);
  Prepare(1, "V1");
  module().SetdPbValorVenda(80000);

  bool variavel = false;
  const double pct = module().BuscaPercentualVariavel(1, 1, "F1", 4, 0, 0, 0, 0, 0, variavel);
  EXPECT_TRUE(variavel);
  EXPECT_DOUBLE_EQ(pct, 50);  // the band has no percentage: the line's stays
  EXPECT_DOUBLE_EQ(module().GetdPvValorFixo(), 800);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, pct), 400);  // 800 instead of 80000, at 50 %

  // The line's own fixed amount comes before the band's.
  module().BuscaPercentualVariavel(1, 2, "F1", 4, 0, 0, 0, 0, 0, variavel);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 2, pct), 150);  // 300 at 50 %

  // Outside the band the mark is back and the sale value counts.
  module().BuscaPercentualVariavel(1, 1, "F1", 40, 0, 0, 0, 0, 0, variavel);
  EXPECT_DOUBLE_EQ(module().GetdPvValorFixo(), kSemPercentual);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, pct), 40000);
}

TEST_F(IncidenceRulesTest, IssqnOfTheDealerRoundedToCents) {
  SeedVehicle("V1", {});
  SeedLine(connection(), 1, "ZZ", {{"VALOR_FIXO", F(1234.56)}, {"CALCULA_ISSQN", T("S")}});
  SeedLine(connection(), 2, "ZZ", {{"VALOR_FIXO", F(1000)}, {"CALCULA_ISSQN", T("S")}});
  Prepare(1, "V1");
  // 1234.56 x 5 % = 61.728 -> 61.73.
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1), 61.73);
  // 10 % first: 123.456 x 5 % = 6.1728 -> 6.17.
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1, 10), 6.17);
  // Dealer 2 charges 2.5 %: 1000 x 2.5 % = 25, the rate's fraction kept.
  EXPECT_DOUBLE_EQ(Incidencia("V1", 2, kSemPercentual, "", false, 2), 25);
  // Dealer 9 has no row: 1234.56 x 10 % = 123.456, no ISSQN and no rounding.
  EXPECT_NEAR(Incidencia("V1", 1, 10, "", false, 9), 123.456, 1e-9);
}

TEST_F(IncidenceRulesTest, MarginAHairBelowCostStaysNegative) {
  SeedVehicle("V1", {});
  SeedLine(connection(), 1, "L");
  Prepare(1, "V1");
  // Cost 60000 (purchase value, no entry invoice).
  module().SetdPbValorVenda(60000 - 0.0005);
  const double margem = Incidencia("V1", 1);
  EXPECT_LT(margem, 0);
  EXPECT_NEAR(margem, -0.0005, 1e-9);
  module().SetdPbValorVenda(60000 - 0.002);  // beyond the tolerance of 0.001
  EXPECT_EQ(Incidencia("V1", 1), 0);
  module().SetdPbValorVenda(61000);
  EXPECT_DOUBLE_EQ(Incidencia("V1", 1), 1000);
}

TEST_F(IncidenceRulesTest, PisCofinsEstimatedWithoutExitInvoice) {
  // Dealer rates: new 1.65 + 7.6 = 9.25 %, used 0.65 + 3 = 3.65 %. Entry cost 60000.
  const Columns used = {{"NOVO_USADO", T("U")}};
  const Columns imported = {{"PCT_PIS_IMPORTA", F(2.1)}, {"PCT_COFINS_IMPORTA", F(9.65)}};
  const Columns reduced = imported + Columns{{"PCT_BASE_PIS", F(10)}};
  const struct {
    int revenda;
    Columns vehicle;
    double venda, expected, pis_cofins_after;
  } cases[] = {
      {1, {}, 100000, 9250, 9.25},          // new: sale x 9.25 %
      {1, used, 62000, 73, 9.25},           // used, on the margin: (62000 - 60000) x 3.65 %
      {1, used, 58000, 0, 9.25},            // used sold below cost: no margin, no tax
      {2, used, 58000, 2117, 9.25},         // dealer taxing the sale: 58000 x 3.65 %
      {1, reduced, 100000, 10575, 11.75},   // base less 10 %: 90000 x (2.1 + 9.65) %
      {1, imported, 100000, 11750, 11.75},  // imported: 100000 x 11.75 %
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(n + 1);
    const std::string veiculo = "V" + std::to_string(++n);
    SeedVehicle(veiculo, c.vehicle);
    SeedLine(connection(), n, "I");
    ModuleUnderTest module;  // a fresh module: the rates are read anew
    Attach(module);
    module.LerParametro(1, c.revenda);
    ASSERT_TRUE(module.LerVeiculo(1, veiculo, true));
    module.SetdPbValorVenda(c.venda);
    EXPECT_NEAR(module.BuscaIncidencia(veiculo, "F1", 1, c.revenda, n, kSemPercentual,
                                       kProcessamento, false, ""),
                c.expected, 1e-6);
    EXPECT_DOUBLE_EQ(module.GetPis_Cofins(), c.pis_cofins_after);
  }
}

TEST_F(IncidenceRulesTest, AnExitInvoiceWithoutPisCofinsIsNotEstimated) {
  const Invoice saida{1, 900, "S51"};
  AddInvoice(connection(), saida, {{"VAL_PIS", F(0)}, {"VAL_COFINS", F(0)}});
  SeedVehicle("V1", ExitInvoiceOf(saida));
  SeedLine(connection(), 1, "I");
  Prepare(1, "V1");
  module().SetdPbValorVenda(100000);
  EXPECT_EQ(Incidencia("V1", 1), 0);
}

TEST_F(IncidenceRulesTest, RebateOfAVehicleWithoutEntryInvoiceCountsToTheSale) {
  Connection& c = connection();
  // Without an entry invoice no title is found and the rebate runs from the
  // factory invoice (05/01) to the sale (10/03) instead of failing on the
  // invoice's empty company and dealer.
  SeedVehicle("V1", {{"DTA_FAT_FABRICA", Value::DateTime(kFatFabrica)},
                     {"DTA_VENDA", Value::DateTime(kVenda)}});
  SeedLine(c, 1, "8", {{"INDICE", I(5)}, {"DIA", I(30)}});
  AddIndex(c, 5, "D", {{kFatFabrica, 100}, {Day(2024, 2, 4), 103}, {kVenda, 104}});
  Prepare(1, "V1");
  module().SetBase_Financeiro(50000);
  // 30 days: 50000 / 100 x 103 = 51500; to the sale: 50000 / 100 x 104 = 52000;
  // the difference is negative, so no rebate.
  EXPECT_EQ(Incidencia("V1", 1), 0);
  // Paid later than the 30 days would have it, the base loses: still 0. Paid
  // earlier, it gains: with the sale on 20/01 (index 101) 51500 - 50500.
  AddIndexValues(c, 5, {{Day(2024, 1, 20), 101}});
  Exec("update VEI_VEICULO set DTA_VENDA = '2024-01-20' where VEICULO = 'V1'");
  ModuleUnderTest module;
  Attach(module);
  ASSERT_TRUE(module.LerVeiculo(1, "V1", true));
  module.SetBase_Financeiro(50000);
  EXPECT_DOUBLE_EQ(
      module.BuscaIncidencia("V1", "F1", 1, 1, 1, kSemPercentual, kProcessamento, false, ""), 1000);
}

TEST_F(IncidenceRulesTest, AHolderCodeReadsOnlyItsLine) {
  SeedVehicle("V1", {});
  SeedLine(connection(), 1, "V");
  Prepare(1, "V1");
  EXPECT_EQ(StatementsOf([&] { Incidencia("V1", 1); }), 1);
}

TEST_F(IncidenceRulesTest, QuotesInTheBonusSheetCodesAreText) {
  Connection& c = connection();
  SeedVehicle("V'1", {});
  SeedLine(c, 1, "BP", {{"COD_BONUS", T("B'7")}});
  Insert(c, "VEI_PLANILHA_BONUS",
         {{"EMPRESA", I(1)},
          {"VEICULO", T("V'1")},
          {"COD_BONUS", T("B'7")},
          {"DTA_IMPORTACAO", D(Day(2024, 3, 1))},
          {"VALOR_BONUS", F(321)}});
  Prepare(1, "V'1");
  EXPECT_DOUBLE_EQ(Incidencia("V'1", 1), 321);
}

}  // namespace
}  // namespace veiculo::testing
