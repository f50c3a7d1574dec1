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
  // No index: lines 1 and 2 keep their historic amount at present. "K": 2000 -
  // (1000 + 500) = 500, present 1900 - 1500 = 400; at 10 %: 50 and 40.
  ExpectAmounts(p, {{1000, 1000}, {500, 500}, {500, 400}, {50, 40}});
  v.Expect({{"CustoHistorico", 1500},
            {"CustoPresente", 1500},
            {"LucroHistorico", 500},
            {"LucroPresente", 400},
            {"PercHistorico", 25},  // 500 / 2000
            {"PercPresente", 400.0 / 1900 * 100}});
}

TEST_F(CusteioTest, LocalAmountsTakeTheLinePercentageAndFixedAmount) {
  const DataPacket p = Custeio(
      {Linha(1, "V").Pct(12.5), Linha(2, "O").Fixo(300).Historico(7),
       Linha(3, "*").Fixo(300).Alterar("S").Historico(450), Linha(4, "*").Fixo(300).Historico(450)},
      CadastroPacket(80000, {}));
  // 80000 x 12.5 %; no column for "O": the fixed amount; "*" kept as the user
  // edited it; not editable: the fixed amount.
  const double historico[] = {10000, 300, 450, 300};
  for (size_t i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(Row(p, i).historico, historico[i]) << i;
}

// Index 7 (daily levels): 100 on 10/01/2024, 103 on 10/03/2024 (D1), 110 on
// 10/04/2024. Every case costs 100 of VALOR_REVISAO (or PRECO_REPOSICAO for
// "B" and "C") referenced ("R") to D3 = 10/01 unless it says otherwise.
TEST_F(CusteioTest, PresentValueOfEachKindOfLine) {
  AddIndex(connection(), 7, "D",
           {{Day(2024, 1, 10), 100}, {Day(2024, 3, 10), 103}, {Day(2024, 4, 10), 110}});
  AddIndexValues(connection(), 7, {{Day(2024, 2, 10), 110}});
  AddIndex(connection(), 8, "D",
           {{Day(2024, 2, 10), 200}, {Day(2024, 3, 10), 210}, {Day(2024, 3, 15), 220}});
  const CusteioRow m = Linha(1, "M").Ref("R").Indice(7);
  Datas d2;  // base lines end at D2
  d2.d1 = Day(2024, 4, 10);
  d2.d2 = Day(2024, 3, 10);
  d2.d3 = Day(2024, 1, 10);
  auto dates = [](double d3, double d4 = 0) {
    Datas d;
    d.d3 = d3;
    d.d4 = d4;
    return d;
  };
  const struct {
    const char* name;
    CusteioRow line;
    Datas datas;
    double historico, presente;
  } cases[] = {
      // 100 carried from 10/01 to 10/03 on index 7: 100 / 100 x 103 = 103.
      {"normal line: both", m, dates(Day(2024, 1, 10)), 100, 103},
      {"reference before D1: corrected", m.Deflacao("N"), dates(Day(2024, 1, 10)), 100, 103},
      {"type E: only the financial effect", m.Tipo("E"), dates(Day(2024, 1, 10)), 0, 3},
      // A subsidy keeps its whole historic amount in the present column.
      {"type E subsidy", Linha(1, "J").Tipo("E").Ref("R").Indice(7).Fixo(100),
       dates(Day(2024, 1, 10)), 0, 100},
      {"reference on D1", m.Deflacao("N"), dates(Day(2024, 3, 10)), 100, 100},
      {"reference after D1", m.Deflacao(""), dates(Day(2024, 4, 10)), 100, 100},
      {"after D1, deflated back", m.Deflacao("S"), dates(Day(2024, 4, 10)), 100, 100.0 / 110 * 103},
      // Two legs: 100 x 110/100 (10/01 -> 10/02 on UB 7) = 110, then x 210/200
      // (10/02 -> 10/03 on UF 8); the line's own index 99 is not used.
      {"repurchase, two legs", m.Indice(99), dates(Day(2024, 1, 10), Day(2024, 2, 10)), 100, 115.5},
      // The additional 5 days extend the second leg to 15/03: 110 x 220/200.
      {"two legs plus 5 days", m.Indice(99).Dias(5), dates(Day(2024, 1, 10), Day(2024, 2, 10)), 100,
       121},
      // No second-leg start, or one after D1: one leg on 7 to D1, 100 x 103/100.
      {"no second leg", m.Indice(99), dates(Day(2024, 1, 10)), 100, 103},
      {"second leg after D1", m.Indice(99), dates(Day(2024, 1, 10), Day(2024, 4, 10)), 100, 103},
      // Base lines end at D2 (10/03, 103); other lines at D1 (10/04, 110).
      {"base line to D2", Linha(1, "B").Ref("R").Indice(7), d2, 100, 103},
      {"base line E to D2", Linha(1, "B").Tipo("E").Ref("R").Indice(7), d2, 0, 3},
      {"not a base line: to D1", Linha(1, "C").Ref("R").Indice(7), d2, 100, 110},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    v = {};
    // The dealer's two-leg indices only where a case travels in two legs.
    const bool legs = c.line.indice == 99;
    module().SetUB(legs ? 7 : 0);
    module().SetUF(legs ? 8 : 0);
    ExpectAmounts(
        Custeio({c.line}, CadastroPacket(0, {{"VALOR_REVISAO", 100}, {"PRECO_REPOSICAO", 100}}),
                c.datas),
        {{c.historico, c.presente}});
  }
  // Totals add each line's own historic and present amounts: 100 | 103 in
  // every total, so 1000 - 100 = 900 (90 %) and 1000 - 103 = 897 (89.7 %).
  v = {};
  v.ValorPresente = 1000;
  Custeio({m.Deflacao("N").Custo("+").Lucro("+").Margem("+")},
          CadastroPacket(1000, {{"VALOR_REVISAO", 100}}), dates(Day(2024, 1, 10)));
  v.Expect({{"CustoHistorico", 100},
            {"CustoPresente", 103},
            {"LucroBrutoH", 900},
            {"LucroBrutoP", 897},
            {"MargemH", 900},
            {"MargemP", 897},
            {"PercMargemH", 90},
            {"PercMargemP", 89.7},
            {"PercLucroBrutoP", 89.7}});
}

TEST_F(CusteioTest, WithoutSaleValueTheHistoricPercentagesAreZero) {
  v.ValorPresente = 2000;
  Custeio({Linha(1, "C").Custo("+").Lucro("+").Margem("+")},
          CadastroPacket(0, {{"PRECO_REPOSICAO", 1000}}));
  // 0 - 1000 on each historic result, with no percentage of it; the present
  // figures still have their base: 2000 - 1000 = 1000, 50 %. No cash price
  // (no formula lines loaded): no percentages of it.
  v.Expect({{"LucroHistorico", -1000},
            {"LucroBrutoH", -1000},
            {"MargemH", -1000},
            {"PercHistorico", 0},
            {"PercLucroBrutoH", 0},
            {"PercMargemH", 0},
            {"PercPresente", 50},
            {"PercLucroBrutoP", 50},
            {"PercMargemP", 50},
            {"Valor_PV", 0},
            {"PercHistoricoPV", 0},
            {"PercPresentePV", 0}});
}

TEST_F(CusteioTest, TotalsFollowEachSignAndAddToWhatTheCallerPassed) {
  v.CustoHistorico = 10;  // the caller's totals are added to
  v.ValorPresente = 5000;
  Custeio({Linha(1, "V").Custo("+").Lucro("-").Margem("+"),
           Linha(2, "C").Custo("-").Lucro("+").Margem("x"),
           Linha(3, "F").Custo("+").Lucro("+").Margem("+")},
          CadastroPacket(4000, {{"PRECO_REPOSICAO", 1000}, {"FRETE_ENTRADA", 200}}));
  // Cost: 10 + 4000 - 1000 + 200 = 3210; profit 4000 - 3210 = 790, present
  // 5000 - 3200. Gross-profit total -4000 + 1000 + 200 = -2800: profit 4000 +
  // 2800 = 6800 (170 %), present 5000 + 2800. Margin total 4000 + 200 = 4200:
  // 4000 - 4200 = -200 (-5 %), present 5000 - 4200.
  v.Expect({{"CustoHistorico", 3210},
            {"CustoPresente", 3200},
            {"LucroHistorico", 790},
            {"LucroPresente", 1800},
            {"LucroBrutoH", 6800},
            {"PercLucroBrutoH", 170},
            {"LucroBrutoP", 7800},
            {"MargemH", -200},
            {"PercMargemH", -5},
            {"MargemP", 800}});
}

TEST_F(CusteioTest, FailedArithmeticOfTheResultsDoesNotStopTheEvaluation) {
  v.LucroHistorico = 7;
  v.PercHistorico = 9;
  const DataPacket p = Custeio({Linha(1, "V").Custo("-"), Linha(2, "C").Custo("+")},
                               CadastroPacket(1.7e308, {{"PRECO_REPOSICAO", 10}}));
  // 1.7e308 - (-1.7e308 + 10) overflows: the profit and what follows it keep
  // their values, and the second line is still evaluated.
  EXPECT_DOUBLE_EQ(Row(p, 1).historico, 10);
  v.Expect({{"LucroHistorico", 7}, {"PercHistorico", 9}, {"CustoHistorico", -1.7e308 + 10}});
}

TEST_F(CusteioTest, RebateAndVehicleLinesAreResolvedFromTheDatabase) {
  // The rebate takes its percentage once: 400 x 50 %, not x 50 % again.
  SeedLine(connection(), 1, "8", {{"VALOR_FIXO", F(400)}});
  ExpectAmounts(Custeio({Linha(1, "8").Pct(50)}, CadastroPacket(0, {})), {{0, 200}});
  // Line 2 of the vehicle V1: 2000 x 10 %.
  SeedLine(connection(), 2, "V", {{"PERCENTUAL", F(10)}});
  LoadFormulaF1();
  module().SetdPbValorVenda(2000);
  ExpectAmounts(Custeio({Linha(2, "V").Pct(10)}, CadastroPacket(0, {}), {}, "V1"), {{200, 200}});
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
