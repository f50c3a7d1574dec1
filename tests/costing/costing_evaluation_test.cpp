// CalculaCusteio on the local (what-if) path: line amounts from the registry
// packet, the profit line "K", the present value and its legs, totals by sign.

#include <gtest/gtest.h>

#include "costing/costing_evaluation_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

TEST_F(CusteioTest, ProfitLineIsTheSaleValueLeftOverTheCostSoFar) {
  v.ValorPresente = 1900;
  const DataPacket p = Custeio(
      {Linha(1, "C").Custo("+"), Linha(2, "F").Custo("+"), Linha(3, "K"), Linha(4, "K").Pct(10)},
      CadastroPacket(2000, {{"PRECO_REPOSICAO", 1000}, {"FRETE_ENTRADA", 500}}));
  // No index: the present value of lines 1 and 2 is their historic amount.
  EXPECT_DOUBLE_EQ(Row(p, 0).historico, 1000);
  EXPECT_DOUBLE_EQ(Row(p, 1).presente, 500);
  // 2000 - (1000 + 500) = 500; present 1900 - 1500 = 400.
  EXPECT_DOUBLE_EQ(Row(p, 2).historico, 500);
  EXPECT_DOUBLE_EQ(Row(p, 2).presente, 400);
  // The same at 10 %: 50 and 40.
  EXPECT_DOUBLE_EQ(Row(p, 3).historico, 50);
  EXPECT_DOUBLE_EQ(Row(p, 3).presente, 40);

  EXPECT_DOUBLE_EQ(v.CustoHistorico, 1500);
  EXPECT_DOUBLE_EQ(v.CustoPresente, 1500);
  EXPECT_DOUBLE_EQ(v.LucroHistorico, 500);
  EXPECT_DOUBLE_EQ(v.LucroPresente, 400);
  EXPECT_DOUBLE_EQ(v.PercHistorico, 25);  // 500 / 2000
  EXPECT_DOUBLE_EQ(v.PercPresente, 400.0 / 1900 * 100);
}

TEST_F(CusteioTest, LocalAmountsTakeTheLinePercentageAndFixedAmount) {
  const DataPacket p = Custeio(
      {Linha(1, "V").Pct(12.5), Linha(2, "O").Fixo(300).Historico(7),
       Linha(3, "*").Fixo(300).Alterar("S").Historico(450), Linha(4, "*").Fixo(300).Historico(450)},
      CadastroPacket(80000, {}));
  EXPECT_DOUBLE_EQ(Row(p, 0).historico, 10000);  // 80000 x 12.5 %
  EXPECT_DOUBLE_EQ(Row(p, 1).historico, 300);    // no column for "O": the fixed amount
  EXPECT_DOUBLE_EQ(Row(p, 2).historico, 450);    // "*" kept as the user edited it
  EXPECT_DOUBLE_EQ(Row(p, 3).historico, 300);    // not editable: the fixed amount
}

// Index 7 (daily levels): 100 on 10/01/2024, 103 on 10/03/2024 (D1), 110 on 10/04/2024.
class PresentValueTest : public CusteioTest {
 protected:
  void SetUp() override {
    CusteioTest::SetUp();
    AddIndex(connection(), 7, "D",
             {{Day(2024, 1, 10), 100}, {Day(2024, 3, 10), 103}, {Day(2024, 4, 10), 110}});
  }
};

TEST_F(PresentValueTest, TypeELineKeepsOnlyItsFinancialEffect) {
  Datas d;
  d.d3 = Day(2024, 1, 10);
  const DataPacket p = Custeio({Linha(1, "M").Tipo("E").Ref("R").Indice(7),
                                Linha(2, "J").Tipo("E").Ref("R").Indice(7).Fixo(100),
                                Linha(3, "M").Tipo("N").Ref("R").Indice(7)},
                               CadastroPacket(0, {{"VALOR_REVISAO", 100}}), d);
  // 100 carried from 10/01 to 10/03: 100 / 100 x 103 = 103; the line keeps 103 - 100.
  EXPECT_DOUBLE_EQ(Row(p, 0).historico, 0);
  EXPECT_NEAR(Row(p, 0).presente, 3, 1e-9);
  // A subsidy keeps its whole historic amount in the present column.
  EXPECT_DOUBLE_EQ(Row(p, 1).historico, 0);
  EXPECT_DOUBLE_EQ(Row(p, 1).presente, 100);
  // A normal line keeps both.
  EXPECT_DOUBLE_EQ(Row(p, 2).historico, 100);
  EXPECT_NEAR(Row(p, 2).presente, 103, 1e-9);
}

TEST_F(PresentValueTest, TotalsAddEachLinesOwnHistoricAndPresentAmounts) {
  Datas d;
  d.d3 = Day(2024, 1, 10);
  v.ValorPresente = 1000;
  Custeio({Linha(1, "M").Ref("R").Deflacao("N").Indice(7).Custo("+").Lucro("+").Margem("+")},
          CadastroPacket(1000, {{"VALOR_REVISAO", 100}}), d);
  // 100 carried from 10/01 to 10/03 is 103 at present: every total takes 100
  // historic and 103 present, so each result is 1000 - 100 = 900 (90 %) and
  // 1000 - 103 = 897 (89.7 %).
  EXPECT_DOUBLE_EQ(v.CustoHistorico, 100);
  EXPECT_NEAR(v.CustoPresente, 103, 1e-9);
  EXPECT_DOUBLE_EQ(v.LucroBrutoH, 900);
  EXPECT_NEAR(v.LucroBrutoP, 897, 1e-9);
  EXPECT_DOUBLE_EQ(v.MargemH, 900);
  EXPECT_NEAR(v.MargemP, 897, 1e-9);
  EXPECT_DOUBLE_EQ(v.PercMargemH, 90);
  EXPECT_NEAR(v.PercMargemP, 89.7, 1e-9);
  EXPECT_NEAR(v.PercLucroBrutoP, 89.7, 1e-9);
}

TEST_F(PresentValueTest, ReferenceOnOrAfterTheEndIsNotCorrectedUnlessDeflated) {
  struct Case {
    double referencia;
    const char* deflacao;
    double presente;
  } cases[] = {
      {Day(2024, 3, 10), "N", 100},                // on D1
      {Day(2024, 4, 10), "", 100},                 // after D1
      {Day(2024, 4, 10), "S", 100.0 / 110 * 103},  // deflated back to D1
      {Day(2024, 1, 10), "N", 103},                // before D1: corrected
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.referencia);
    Datas d;
    d.d3 = c.referencia;
    const DataPacket p = Custeio({Linha(1, "M").Ref("R").Deflacao(c.deflacao).Indice(7)},
                                 CadastroPacket(0, {{"VALOR_REVISAO", 100}}), d);
    EXPECT_DOUBLE_EQ(Row(p, 0).historico, 100);
    EXPECT_NEAR(Row(p, 0).presente, c.presente, 1e-9);
  }
}

// Index 8 for the second leg: 200 on 10/02/2024, 210 on 10/03/2024, 220 on 15/03/2024.
TEST_F(PresentValueTest, RepurchaseLinesTravelInTwoLegsOnTheDealersIndices) {
  AddIndexValues(connection(), 7, {{Day(2024, 2, 10), 110}});
  AddIndex(connection(), 8, "D",
           {{Day(2024, 2, 10), 200}, {Day(2024, 3, 10), 210}, {Day(2024, 3, 15), 220}});
  module().SetUB(7);
  module().SetUF(8);
  struct Case {
    double d4;
    int dias;
    double presente;
  } cases[] = {
      // 100 x 110/100 (10/01 -> 10/02 on 7) = 110, then x 210/200 (10/02 -> 10/03 on 8).
      {Day(2024, 2, 10), 0, 115.5},
      // The additional 5 days extend the second leg to 15/03: 110 x 220/200.
      {Day(2024, 2, 10), 5, 121},
      // No second-leg start: one leg on 7 to D1, 100 x 103/100.
      {0, 0, 103},
      // A start after D1 is brought back to D1: one leg.
      {Day(2024, 4, 10), 0, 103},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.d4);
    Datas d;
    d.d3 = Day(2024, 1, 10);
    d.d4 = c.d4;
    const DataPacket p = Custeio({Linha(1, "M").Ref("R").Indice(99).Dias(c.dias)},
                                 CadastroPacket(0, {{"VALOR_REVISAO", 100}}), d);
    EXPECT_NEAR(Row(p, 0).presente, c.presente, 1e-9);
  }
}

TEST_F(PresentValueTest, BaseLinesEndAtD2) {
  Datas d;
  d.d1 = Day(2024, 4, 10);
  d.d2 = Day(2024, 3, 10);
  d.d3 = Day(2024, 1, 10);
  const DataPacket p = Custeio(
      {Linha(1, "B").Tipo("N").Ref("R").Indice(7), Linha(2, "B").Tipo("E").Ref("R").Indice(7),
       Linha(3, "C").Tipo("N").Ref("R").Indice(7)},
      CadastroPacket(0, {{"PRECO_REPOSICAO", 100}}), d);
  EXPECT_NEAR(Row(p, 0).presente, 103, 1e-9);  // 100 x 103/100, to D2
  EXPECT_NEAR(Row(p, 1).presente, 3, 1e-9);    // the same, "E": only the effect
  EXPECT_NEAR(Row(p, 2).presente, 110, 1e-9);  // not a base line: to D1, 100 x 110/100
}

TEST_F(CusteioTest, WithoutSaleValueTheHistoricPercentagesAreZero) {
  v.ValorPresente = 2000;
  Custeio({Linha(1, "C").Custo("+").Lucro("+").Margem("+")},
          CadastroPacket(0, {{"PRECO_REPOSICAO", 1000}}));
  EXPECT_DOUBLE_EQ(v.LucroHistorico, -1000);  // 0 - 1000
  EXPECT_DOUBLE_EQ(v.LucroBrutoH, -1000);
  EXPECT_DOUBLE_EQ(v.MargemH, -1000);
  EXPECT_DOUBLE_EQ(v.PercHistorico, 0);
  EXPECT_DOUBLE_EQ(v.PercLucroBrutoH, 0);
  EXPECT_DOUBLE_EQ(v.PercMargemH, 0);
  // The present figures still have their base: 2000 - 1000 = 1000, 50 %.
  EXPECT_DOUBLE_EQ(v.PercPresente, 50);
  EXPECT_DOUBLE_EQ(v.PercLucroBrutoP, 50);
  EXPECT_DOUBLE_EQ(v.PercMargemP, 50);
  // No cash price (no formula lines loaded): no percentages of it.
  EXPECT_DOUBLE_EQ(v.Valor_PV, 0);
  EXPECT_DOUBLE_EQ(v.PercHistoricoPV, 0);
  EXPECT_DOUBLE_EQ(v.PercPresentePV, 0);
}

TEST_F(CusteioTest, TotalsFollowEachSignAndAddToWhatTheCallerPassed) {
  v.CustoHistorico = 10;  // the caller's totals are added to
  v.ValorPresente = 5000;
  Custeio({Linha(1, "V").Custo("+").Lucro("-").Margem("+"),
           Linha(2, "C").Custo("-").Lucro("+").Margem("x"),
           Linha(3, "F").Custo("+").Lucro("+").Margem("+")},
          CadastroPacket(4000, {{"PRECO_REPOSICAO", 1000}, {"FRETE_ENTRADA", 200}}));
  // Cost: 10 + 4000 - 1000 + 200 = 3210; profit 4000 - 3210 = 790, present 5000 - 3200.
  EXPECT_DOUBLE_EQ(v.CustoHistorico, 3210);
  EXPECT_DOUBLE_EQ(v.CustoPresente, 3200);
  EXPECT_DOUBLE_EQ(v.LucroHistorico, 790);
  EXPECT_DOUBLE_EQ(v.LucroPresente, 1800);
  // Gross profit total -4000 + 1000 + 200 = -2800: profit 4000 + 2800 = 6800 (170 %).
  EXPECT_DOUBLE_EQ(v.LucroBrutoH, 6800);
  EXPECT_DOUBLE_EQ(v.PercLucroBrutoH, 170);
  EXPECT_DOUBLE_EQ(v.LucroBrutoP, 7800);  // 5000 + 2800
  // Margin total 4000 + 200 = 4200: 4000 - 4200 = -200 (-5 %).
  EXPECT_DOUBLE_EQ(v.MargemH, -200);
  EXPECT_DOUBLE_EQ(v.PercMargemH, -5);
  EXPECT_DOUBLE_EQ(v.MargemP, 800);
}

TEST_F(CusteioTest, FailedArithmeticOfTheResultsDoesNotStopTheEvaluation) {
  v.LucroHistorico = 7;
  v.PercHistorico = 9;
  const DataPacket p = Custeio({Linha(1, "V").Custo("-"), Linha(2, "C").Custo("+")},
                               CadastroPacket(1.7e308, {{"PRECO_REPOSICAO", 10}}));
  // 1.7e308 - (-1.7e308 + 10) overflows: the profit and what follows it keep
  // their values, and the second line is still evaluated.
  EXPECT_DOUBLE_EQ(Row(p, 1).historico, 10);
  EXPECT_DOUBLE_EQ(v.LucroHistorico, 7);
  EXPECT_DOUBLE_EQ(v.PercHistorico, 9);
  EXPECT_DOUBLE_EQ(v.CustoHistorico, -1.7e308 + 10);
}

TEST_F(CusteioTest, RebatePercentageIsAppliedOnce) {
  SeedLine(connection(), 1, "8", {{"VALOR_FIXO", F(400)}});
  const DataPacket p = Custeio({Linha(1, "8").Pct(50)}, CadastroPacket(0, {}));
  EXPECT_DOUBLE_EQ(Row(p, 0).historico, 0);
  EXPECT_DOUBLE_EQ(Row(p, 0).presente, 200);  // 400 x 50 %, not x 50 % again
}

TEST_F(CusteioTest, VehicleLinesAreResolvedFromTheDatabase) {
  SeedLine(connection(), 1, "V", {{"PERCENTUAL", F(10)}});
  LoadFormulaF1();
  module().SetdPbValorVenda(2000);
  const DataPacket p = Custeio({Linha(1, "V").Pct(10)}, CadastroPacket(0, {}), {}, "V1");
  EXPECT_DOUBLE_EQ(Row(p, 0).historico, 200);  // 2000 x 10 %
  EXPECT_DOUBLE_EQ(Row(p, 0).presente, 200);
}

TEST_F(CusteioTest, MalformedPacketsAreRefusedBeforeAnythingIsEvaluated) {
  DataPacket custeio = CusteioPacket({Linha(1, "V")});
  DataPacket sem_presente = custeio;
  const int i = sem_presente.FieldIndex("VAL_PRESENTE");
  sem_presente.fields.erase(sem_presente.fields.begin() + i);
  sem_presente.rows[0].erase(sem_presente.rows[0].begin() + i);
  DataPacket quatro_datas = DatasPacket({});
  quatro_datas.rows.pop_back();
  DataPacket sem_venda;
  sem_venda.fields = {{"PRECO_REPOSICAO", FieldType::Float}};

  struct Case {
    DataPacket custeio, datas, cadastro;
    const char* message;
  } cases[] = {
      {sem_presente, DatasPacket({}), CadastroPacket(1, {}),
       "costing packet: missing fields VAL_PRESENTE"},
      {custeio, quatro_datas, CadastroPacket(1, {}),
       "costing dates: five rows (D1 to D5) with a date in their first field are needed, the "
       "packet has 4 rows and 1 fields"},
      {custeio, DatasPacket({}), sem_venda, "registry packet: missing field VALOR_VENDA"},
  };
  for (const Case& c : cases) {
    EXPECT_VEICULO_ERROR(Evaluate(c.custeio, c.datas, c.cadastro), ErrorCategory::Validation,
                         c.message);
  }
}

}  // namespace
}  // namespace veiculo::testing
