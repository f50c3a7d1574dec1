// CalculoCustoVeiculo end to end: V1 costed on 15/03/2024 under a formula of
// twelve lines, the stored lines worked out by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "costing/vehicle_cost_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

// The formula F1. Signs: CUSTO_TOTAL unless said otherwise.
void SeedFormula(Connection& c) {
  // 1 the vehicle's cost with the formula's base lines ("$"), on index 1
  //   from the factory invoice (reference "F").
  SeedLine(c, 1, "C",
           {{"TIPO", T("C")},
            {"REFERENCIA", T("F")},
            {"INDICE", I(1)},
            {"LUCRO_BRUTO", T("-")},
            {"CUSTO_TOTAL", T("+")},
            {"CUSTO_CONTABIL", T("+")}});
  // 2 the sale value, in no total.
  SeedLine(c, 2, "V");
  // 3 IPI of the entry invoice, referenced to day 10 of the factory
  //   invoice's month ("H").
  SeedLine(c, 3, "A",
           {{"REFERENCIA", T("H")},
            {"DIA", I(10)},
            {"INDICE", I(1)},
            {"CUSTO_TOTAL", T("+")},
            {"CUSTO_CONTABIL", T("+")}});
  // 4 the expenses; they come signed negative, so "-" adds them to the cost.
  SeedLine(c, 4, "O", {{"CUSTO_TOTAL", T("-")}, {"CUSTO_CONTABIL", T("-")}});
  // 5 PIS/COFINS estimated on the sale.
  SeedLine(c, 5, "I", {{"CUSTO_TOTAL", T("+")}});
  // 6 the financing return of type "R", which lowers the cost and names the
  //   F&I customer.
  SeedLine(c, 6, "5",
           {{"TIPO_RETORNO", T("R")}, {"GERAR_TITULO_PARA_FI", T("S")}, {"CUSTO_TOTAL", T("-")}});
  // 7 the revision, carried in two legs from the start of correction.
  SeedLine(c, 7, "M", {{"REFERENCIA", T("R")}, {"INDICE", I(1)}, {"CUSTO_TOTAL", T("+")}});
  // 8 the financial cost of the stock: type "E" over the vehicle's cost.
  SeedLine(c, 8, "C",
           {{"TIPO", T("E")}, {"REFERENCIA", T("F")}, {"INDICE", I(1)}, {"CUSTO_TOTAL", T("+")}});
  // 9 a sales prize whose percentage varies with the historic profit so far;
  //   it is also the whole financial base.
  SeedLine(c, 9, "V", {{"BASE_FINANCEIRO", T("+")}, {"CUSTO_TOTAL", T("+")}});
  SeedBand(c, 9, -100, 10, "L", "H", 3);
  SeedBand(c, 9, 10.01, 20, "L", "H", 1);
  SeedBand(c, 9, 20.01, 100, "L", "H", 2);
  // 10 the management's share: 10.5 % of the profit so far.
  SeedLine(c, 10, "K", {{"PERCENTUAL", F(10.5)}, {"CUSTO_TOTAL", T("+")}});
  // 11 deleted; 12 a base line of the entry invoice's reserve fund.
  SeedLine(c, 11, "V", {{"STATUS", T("D")}, {"CUSTO_TOTAL", T("+")}});
  SeedLine(c, 12, "(", {{"TIPO", T("B")}});
}

// Sale value V = PV = 50,000 + 40,000 = 90,000 (the payments). Line by line
// (historic | present; running cost historic | present after the line):
//  1 C: entry 60,000 + reserve fund 500 = 60,500; from 05/01 (100) to 15/03
//       (102): 60,500 / 100 x 102 = 61,710.                 60,500 | 61,710
//  2 V: 90,000; no index, so 90,000.                          (no total)
//  3 A: IPI 3,000 from 10/01 (101.5): 3,000 / 101.5 x 102 = 3,014.778325
//       -> 3,014.78.                                  63,500 | 64,724.778325
//  4 O: -1,000 + 200 = -800; at present the 1,000 from 01/02 (100.5):
//       1,000 / 100.5 x 102 = 1,014.925373, so -814.925373 -> -814.93;
//       "-" adds 800 | 814.925373.                    64,300 | 65,539.703698
//  5 I: no exit invoice: 90,000 x 9.25 % = 8,325.       72,625 | 73,864.703698
//  6 5: 1,000 - 100 - 15 = 885, customer 4321; "-".     71,740 | 72,979.703698
//  7 M: revision 2,000 from 15/01 to the buy-back 15/02 on UB = index 2:
//       2,000 / 200 x 210 = 2,100; then to 15/03 on the line's index 1 (no
//       UF): 2,100 / 101 x 102 = 2,120.792079 -> 2,120.79.
//                                                     73,740 | 75,100.495777
//  8 C, type E: 60,500 | 61,710 keeps 0 | 61,710 - 60,500 = 1,210.
//                                                     73,740 | 76,310.495777
//  9 V with bands: historic profit so far (90,000 - 73,740) / 90,000 =
//       18.07 % falls in 10.01..20: 1 %, so 900 | 900.  74,640 | 77,210.495777
// 10 K 10.5 %: (90,000 - 74,640) x 10.5 % = 1,612.80 and
//       (90,000 - 77,210.495777) x 10.5 % = 1,342.897943 -> 1,342.90 (rounded,
//       not cut to 1,342.89).
// 11 deleted and 12 "(" write nothing.
const std::vector<std::string> kLinhas = {
    "1|NULL|60500.00|61710.00|NULL", "2|NULL|90000.00|90000.00|NULL",
    "3|NULL|3000.00|3014.78|NULL",   "4|NULL|-800.00|-814.93|NULL",
    "5|NULL|8325.00|8325.00|NULL",   "6|NULL|885.00|885.00|4321",
    "7|NULL|2000.00|2120.79|NULL",   "8|NULL|0.00|1210.00|NULL",
    "9|1.0000|900.00|900.00|NULL",   "10|10.5000|1612.80|1342.90|NULL",
};

// Accounting cost: lines 1 (+60,000, the entry invoice alone), 3 (+3,000)
// and 4 ("-" of the accounting expenses, -1,000) = 64,000; adjustments 250 in
// - 50 out (the one after 15/03 and the cancelled one do not count) = 200.
const char kCustoContabil[] = "64200.00";

class CalculoCustoVeiculoTest : public VehicleCostTest {
 protected:
  void SeedAll(const std::string& historico) {
    SeedWorld({{"ATUALIZA_CUSTEIO_HISTORICO", T(historico)}});
    SeedFormula(connection());
    SeedAdjustmentTypes();
    SeedAjuste(connection(), 200, "AJE", "F", Day(2024, 3, 1), 250);
    SeedAjuste(connection(), 201, "AJS", "A", Day(2024, 3, 10), 50);
    SeedAjuste(connection(), 202, "AJE", "F", Day(2024, 3, 20), 999);
    SeedAjuste(connection(), 203, "AJE", "C", Day(2024, 3, 1), 777);
    // What an earlier costing left: replaced for V1 and proposal 7 only.
    const std::string custeio = "EMPRESA VEICULO FORMULA LINHA_FORMULA VAL_HISTORICO";
    Insert(connection(), "VEI_VEICULO_CUSTEIO", custeio, {I(1), T("V1"), T("F1"), I(99), F(1)});
    Insert(connection(), "VEI_VEICULO_CUSTEIO", custeio, {I(1), T("V2"), T("F1"), I(1), F(2)});
    const std::string hist = "EMPRESA REVENDA PROPOSTA VEICULO LINHA_FORMULA";
    Insert(connection(), "VEI_VEICULO_CUSTEIO_HISTORICO", hist, {I(1), I(1), I(7), T("V1"), I(99)});
    Insert(connection(), "VEI_VEICULO_CUSTEIO_HISTORICO", hist, {I(1), I(1), I(8), T("V9"), I(1)});
  }
};

TEST_F(CalculoCustoVeiculoTest, StoresEveryEvaluatedLineWithTheHistory) {
  SeedAll("S");
  EXPECT_EQ(Calcula(), "OK|");

  EXPECT_EQ(Custeio(), kLinhas);
  EXPECT_EQ(Custeio("V2"), std::vector<std::string>{"1|NULL|2.00|NULL|NULL"});
  EXPECT_EQ(Veiculo("VAL_PRESENTE_VENDA"), "90000.00");
  EXPECT_EQ(Veiculo("VAL_CUSTO_CONTABIL"), kCustoContabil);

  // The history of proposal 7 holds the same lines, stamped with the
  // module's clock; proposal 8 is left alone.
  std::vector<std::string> historico;
  for (const std::string& linha : kLinhas)
    historico.push_back("1|7|" + linha + "|2024-03-20 10:30:00.0000");
  EXPECT_EQ(Historico(7), historico);
  EXPECT_EQ(Historico(8).size(), 1u);

  EXPECT_DOUBLE_EQ(module().GetdPbValorVenda(), 90000);
  // The band's 1 % of line 9 is posted and the base recomputed: 900.
  EXPECT_DOUBLE_EQ(module().GetBase_Financeiro(), 900);
}

TEST_F(CalculoCustoVeiculoTest, CostingAgainGivesTheSameRows) {
  // The band percentage posted in memory by the first costing must not leak
  // into the second one (the formula's lines are read again).
  SeedAll("S");
  ASSERT_EQ(Calcula(), "OK|");
  ASSERT_EQ(Calcula(), "OK|");
  EXPECT_EQ(Custeio(), kLinhas);
  EXPECT_EQ(Historico(7).size(), kLinhas.size());
  EXPECT_EQ(Veiculo("VAL_CUSTO_CONTABIL"), kCustoContabil);
}

TEST_F(CalculoCustoVeiculoTest, AnUnknownVehicleRaisesBeforeWriting) {
  SeedAll("S");
  EXPECT_VEICULO_ERROR(Calcula("V404"), ErrorCategory::NotFound,
                       "CalculoCustoVeiculo: vehicle 'V404' of company 1 not found");
  EXPECT_EQ(Custeio().size(), 1u);  // the earlier line 99 is still there
}

TEST_F(CalculoCustoVeiculoTest, TheFiCustomerIsTheOneOfTheLinesOwnReturn) {
  // V3 has no proposal and so no return: its line 6 must not take the
  // customer 4321 that V1's costing left in the module.
  SeedAll("N");
  AddVehicle(connection(), "V3", "CH3",
             {{"SITUACAO", T("E1")}, {"DTA_FAT_FABRICA", D(Day(2024, 1, 5))}},
             {{"EDICAO", T("ED1")}, {"ANO_MODELO", I(2024)}});
  ASSERT_EQ(Calcula(), "OK|");
  ASSERT_EQ(Calcula("V3", 0, 0), "OK|");
  EXPECT_EQ(Custeio("V1")[5], "6|NULL|885.00|885.00|4321");
  EXPECT_EQ(Custeio("V3")[5], "6|NULL|0.00|0.00|NULL");
  // Without ATUALIZA_CUSTEIO_HISTORICO the history is not touched.
  EXPECT_EQ(Historico(7), std::vector<std::string>{"1|7|99|NULL|NULL|NULL|NULL|NULL"});
}

TEST_F(CalculoCustoVeiculoTest, TheProposalOfAnotherDealerKeysTheHistory) {
  // V1's proposal 31 belongs to dealer 2 (no negotiation named by the
  // caller): the history is filed under dealer 2, where that proposal lives,
  // and its return is found under that key.
  SeedWorld({{"ATUALIZA_CUSTEIO_HISTORICO", T("S")}});
  Exec("delete from VEI_PROPOSTA");
  SeedProposal(2, 31, 1);
  SeedLine(connection(), 6, "5",
           {{"TIPO_RETORNO", T("R")}, {"GERAR_TITULO_PARA_FI", T("S")}, {"CUSTO_TOTAL", T("-")}});
  ASSERT_EQ(Calcula("V1", 0, 0), "OK|");
  EXPECT_EQ(Historico(31),
            std::vector<std::string>{"2|31|6|NULL|885.00|885.00|4321|2024-03-20 10:30:00.0000"});
}

TEST_F(CalculoCustoVeiculoTest, TheRebateTakesItsPercentageOnce) {
  // 1 the sale at 10 % is the financial base: 90,000 x 10 % = 9,000.
  // 2 the rebate on index 1 with 80 days from the factory invoice (05/01,
  //   level 100) to 25/03 (102.5) rather than to the payment on 15/03 (102;
  //   no title, no sale date: the costing date): 9,000 x 1.025 - 9,000 x
  //   1.02 = 45, at the line's 33.33 % once = 14.9985 -> 15.00 (rounded to
  //   cents, not cut to 14.99), present value only.
  SeedWorld();
  AddIndexValues(connection(), 1, {{Day(2024, 3, 25), 102.5}});
  SeedLine(connection(), 1, "V", {{"PERCENTUAL", F(10)}, {"BASE_FINANCEIRO", T("+")}});
  SeedLine(connection(), 2, "8", {{"INDICE", I(1)}, {"DIA", I(80)}, {"PERCENTUAL", F(33.33)}});
  ASSERT_EQ(Calcula(), "OK|");
  EXPECT_EQ(Custeio(), (std::vector<std::string>{"1|10.0000|9000.00|9000.00|NULL",
                                                 "2|33.3300|0.00|15.00|NULL"}));
}

}  // namespace
}  // namespace veiculo::testing
