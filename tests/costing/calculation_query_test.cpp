// The calculation query on stored costing lines: the lines shown (with the gaps
// hidden "C" and "B" lines leave), the totals by sign and the summary.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "costing/incidence_seed.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/format_settings.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

using platform::ClientDataSet;

// One stored costing line: its formula line (formula F1) and the amounts
// CalculoCustoVeiculo wrote for it.
// Its number, description, historic and present amounts come first.
struct Line {
  int n = 0;
  std::string desc{};
  double h = 0;
  double p = 0;
  std::string tipo = "N";
  std::string status = "A";
  std::optional<std::string> custo_total = "+";
  std::optional<std::string> lucro_bruto = std::nullopt;
  std::optional<std::string> margem = std::nullopt;
  std::optional<double> percentual = std::nullopt;
  std::string incidencia = "1";
  std::optional<double> valor_fixo = std::nullopt;
};

class CalculationQueryTest : public IncidenceTest {
 protected:
  void Vehicle(const std::string& veiculo, std::optional<double> presente_venda, int empresa = 1) {
    Insert(connection(), "VEI_VEICULO", "EMPRESA VEICULO FORMULA VAL_PRESENTE_VENDA",
           {I(empresa), T(veiculo), T("F1"), Money(presente_venda)});
  }

  void FormulaLine(const Line& l, int empresa = 1) {
    Insert(connection(), "VEI_FORMULA_LINHA",
           "EMPRESA FORMULA LINHA_FORMULA TIPO STATUS INCIDENCIA PERCENTUAL VALOR_FIXO CUSTO_TOTAL "
           "LUCRO_BRUTO MARGEM_CONTRIBUICAO DES_LINHA_FORMULA",
           {I(empresa), T("F1"), I(l.n), T(l.tipo), T(l.status), T(l.incidencia),
            Money(l.percentual), Money(l.valor_fixo), TextOrNull(l.custo_total),
            TextOrNull(l.lucro_bruto), TextOrNull(l.margem), T(l.desc)});
  }

  void Stored(const std::string& veiculo, const Line& l, int empresa = 1,
              std::optional<double> percentual = std::nullopt) {
    Insert(connection(), "VEI_VEICULO_CUSTEIO",
           "EMPRESA VEICULO FORMULA LINHA_FORMULA PERCENTUAL VAL_HISTORICO VAL_PRESENTE",
           {I(empresa), T(veiculo), T("F1"), I(l.n), Money(percentual), F(l.h), F(l.p)});
  }

  // A formula line with its stored costing for vehicle V1.
  void Costed(const Line& l) {
    FormulaLine(l);
    Stored("V1", l);
  }

  std::string Query(const std::string& veiculo, double valor_venda, int empresa = 1) {
    return module().BuscaCalculoVeiculo(&connection(), formula, empresa, veiculo, valor_venda);
  }

  std::vector<int64_t> Sequences() {
    std::vector<int64_t> result;
    for (formula.First(); !formula.Eof(); formula.Next())
      result.push_back(formula.FieldByName("SEQUENCIA").AsInteger());
    return result;
  }

  platform::ScopedFormatSettings brazilian{platform::FormatSettings::Brazilian()};
  ClientDataSet formula{"cdsFormula"};
};

TEST_F(CalculationQueryTest, CostOf80000On100000WithoutStoredPresentSaleValue) {
  Vehicle("V1", std::nullopt);
  Line custo{.n = 1, .desc = "Custo do veiculo", .h = 80000, .p = 80000, .percentual = 12.5};
  custo.lucro_bruto = custo.margem = "+";
  FormulaLine(custo);
  Stored("V1", custo, 1, 7);  // the percentage shown is the formula line's, not the stored one

  // No present sale value: the present basis is the sale value too.
  // 100000 - 80000 = 20000, 20 % of 100000, on every total and basis.
  EXPECT_EQ(Query("V1", 100000),
            "Custo;80.000,00 ;80.000,00 |"
            "Lucro (%);20,00 ;20.000,00 ;20,00 ;20.000,00 |"
            "Lucro Bruto;20,00 ;20.000,00 ;20,00 ;20.000,00 |"
            "Lucro Gerencial;20,00 ;20.000,00 ;20,00 ;20.000,00 |");

  ASSERT_EQ(formula.RecordCount(), 1);
  formula.First();
  EXPECT_EQ(formula.FieldByName("DES_LINHA_FORMULA").AsText(), "Custo do veiculo");
  EXPECT_DOUBLE_EQ(formula.FieldByName("PERCENTUAL").AsFloat(), 12.5);
}

TEST_F(CalculationQueryTest, PaymentAndBaseLinesAreHiddenLeavingGapsAndNotCounted) {
  Vehicle("V1", 61000);
  Costed({.n = 1, .desc = "Nota de entrada", .h = 50000, .p = 51000, .margem = "+"});
  Costed({.n = 2, .desc = "Indice", .h = 999, .p = 999, .tipo = "C"});
  Costed({.n = 3, .desc = "Frete", .h = 2000, .p = 2100, .lucro_bruto = "+"});
  Costed({.n = 4, .desc = "Base", .h = 777, .p = 777, .tipo = "B"});
  Costed({.n = 5, .desc = "Excluida", .h = 5, .p = 5, .status = "D"});
  Costed({.n = 6, .desc = "Bonus", .h = 1000, .p = 1000, .custo_total = "-"});
  // Another vehicle and another company's same vehicle code do not mix in.
  Stored("V2", {.n = 1, .h = 3, .p = 3});
  FormulaLine({.n = 1, .desc = "Outra empresa", .h = 4, .p = 4}, 2);
  Stored("V1", {.n = 1, .h = 4, .p = 4}, 2);

  // Lines 1, 3 and 6 shown; 2 and 4 (C, B) take numbers 2 and 4; the deleted
  // line 5 takes none, so line 6 is 5.
  // Cost h 50000 + 2000 - 1000 = 51000; p 51000 + 2100 - 1000 = 52100.
  // Profit h 60000 - 51000 = 9000 = 15 %; p 61000 - 52100 = 8900, 8900 / 61000 = 14.59 %.
  // Gross h 60000 - 2000 = 58000, 96.666 %; p 61000 - 2100 = 58900, 96.557 %.
  // Margin (line 1) h 60000 - 50000 = 10000, 16.666 %; p 61000 - 51000 =
  // 10000, 16.393 %.
  EXPECT_EQ(Query("V1", 60000),
            "Custo;51.000,00 ;52.100,00 |"
            "Lucro (%);15,00 ;9.000,00 ;14,59 ;8.900,00 |"
            "Lucro Bruto;96,67 ;58.000,00 ;96,56 ;58.900,00 |"
            "Lucro Gerencial;16,67 ;10.000,00 ;16,39 ;10.000,00 |");
  EXPECT_EQ(Sequences(), (std::vector<int64_t>{1, 3, 5}));
  ASSERT_TRUE(formula.Locate("SEQUENCIA", {Value::Integer(5)}));
  EXPECT_EQ(formula.FieldByName("DES_LINHA_FORMULA").AsText(), "Bonus");
  EXPECT_EQ(formula.FieldByName("CUSTO_TOTAL").AsText(), "-");
}

TEST_F(CalculationQueryTest, FixedAmountLineShowsAndCountsItsFixedValue) {
  Vehicle("V1", std::nullopt);
  // Stored 250 historic, but the line is a fixed amount of 300.
  Costed({.n = 1, .desc = "Taxa fixa", .h = 250, .p = 310, .incidencia = "*", .valor_fixo = 300});
  // Cost 300 / 310 of 1000: profit 700 (70 %) and 690 (69 %).
  EXPECT_EQ(Query("V1", 1000),
            "Custo;300,00 ;310,00 |"
            "Lucro (%);70,00 ;700,00 ;69,00 ;690,00 |"
            "Lucro Bruto;100,00 ;1.000,00 ;100,00 ;1.000,00 |"
            "Lucro Gerencial;100,00 ;1.000,00 ;100,00 ;1.000,00 |");
  formula.First();
  EXPECT_DOUBLE_EQ(formula.FieldByName("VAL_HISTORICO").AsFloat(), 300);
  EXPECT_DOUBLE_EQ(formula.FieldByName("VAL_PRESENTE").AsFloat(), 310);
}

TEST_F(CalculationQueryTest, NoStoredLinesGiveZeroCostAndTheWholeSaleAsProfit) {
  Vehicle("V1", std::nullopt);
  const std::string whole =
      "Custo;0,00 ;0,00 |"
      "Lucro (%);100,00 ;45.000,00 ;100,00 ;45.000,00 |"
      "Lucro Bruto;100,00 ;45.000,00 ;100,00 ;45.000,00 |"
      "Lucro Gerencial;100,00 ;45.000,00 ;100,00 ;45.000,00 |";
  EXPECT_EQ(Query("V1", 45000), whole);
  EXPECT_TRUE(formula.Active());
  EXPECT_EQ(formula.RecordCount(), 0);
  // A vehicle that does not exist reads the same.
  EXPECT_EQ(Query("V404", 45000), whole);
}

TEST_F(CalculationQueryTest, ZeroSaleValueDividesByNothing) {
  Costed({.n = 1, .desc = "Custo", .h = 500, .p = 510});
  Vehicle("V1", std::nullopt);
  Vehicle("V1", 1000, 2);
  FormulaLine({.n = 1, .desc = "Custo"}, 2);
  Stored("V1", {.n = 1, .h = 500, .p = 510}, 2);

  // Company 1: no sale value on either basis, every percentage 0.
  EXPECT_EQ(Query("V1", 0),
            "Custo;500,00 ;510,00 |"
            "Lucro (%);0,00 ;-500,00 ;0,00 ;-510,00 |"
            "Lucro Bruto;0,00 ;0,00 ;0,00 ;0,00 |"
            "Lucro Gerencial;0,00 ;0,00 ;0,00 ;0,00 |");
  // Company 2 stored a present sale value of 1000: (1000 - 510) / 1000 = 49 %.
  EXPECT_EQ(Query("V1", 0, 2),
            "Custo;500,00 ;510,00 |"
            "Lucro (%);0,00 ;-500,00 ;49,00 ;490,00 |"
            "Lucro Bruto;0,00 ;0,00 ;100,00 ;1.000,00 |"
            "Lucro Gerencial;0,00 ;0,00 ;100,00 ;1.000,00 |");
}

TEST_F(CalculationQueryTest, RebuildsTheCallersDataSetOnEveryCall) {
  Vehicle("V1", std::nullopt);
  Costed({.n = 1, .desc = "Custo", .h = 10, .p = 10});
  formula.SetFieldDefs({{"OUTRO", FieldType::Text, 5}});
  formula.CreateDataSet();
  formula.Append();
  formula.FieldByName("OUTRO").SetAsText("velho");
  formula.Post();
  formula.SetIndexFieldNames("OUTRO");
  Query("V1", 100);
  Query("V1", 100);

  const std::vector<FieldDef> expected = Fields(
      "SEQUENCIA:i CUSTO_TOTAL:t1 LUCRO_BRUTO:t1 MARGEM_CONTRIBUICAO:t1 "
      "DES_LINHA_FORMULA:t40 PERCENTUAL:f VAL_HISTORICO:f VAL_PRESENTE:f");
  EXPECT_EQ(formula.FieldDefs(), expected);
  EXPECT_EQ(Sequences(), (std::vector<int64_t>{1}));
  ASSERT_EQ(formula.IndexDefs.size(), 1u);
  EXPECT_EQ(formula.IndexDefs[0].fields, "SEQUENCIA");
}

TEST_F(CalculationQueryTest, VehicleCodeWithAQuoteIsQuotedInTheQueries) {
  Vehicle("V'1", 2000);
  FormulaLine({.n = 1, .desc = "Custo"});
  Stored("V'1", {.n = 1, .h = 1500, .p = 1500});
  // 2000 - 1500 = 500, 25 % of 2000 on both bases.
  EXPECT_EQ(Query("V'1", 2000),
            "Custo;1.500,00 ;1.500,00 |"
            "Lucro (%);25,00 ;500,00 ;25,00 ;500,00 |"
            "Lucro Bruto;100,00 ;2.000,00 ;100,00 ;2.000,00 |"
            "Lucro Gerencial;100,00 ;2.000,00 ;100,00 ;2.000,00 |");
}

TEST_F(CalculationQueryTest, BadInputIsRefusedBeforeAnythingChanges) {
  EXPECT_VEICULO_ERROR(module().BuscaCalculoVeiculo(nullptr, formula, 1, "V1", 100),
                       ErrorCategory::Validation, "BuscaCalculoVeiculo: no database connection");
  EXPECT_VEICULO_ERROR(module().BuscaCalculoVeiculo(&connection(), formula, 1, "V1", std::nan("")),
                       ErrorCategory::Validation,
                       "BuscaCalculoVeiculo: the sale value pfValVenda is not a number");
  // The module's scratch query still runs on its own connection.
  EXPECT_EQ(module().sdsAux->GetConnection(), &connection());
  EXPECT_FALSE(formula.Active());
}

}  // namespace
}  // namespace veiculo::testing
