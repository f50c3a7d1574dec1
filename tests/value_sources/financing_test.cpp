// The salesperson's commission, the rebate of the financial base, financing
// returns net of commission and tax, and the maker's financing subsidy.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "value_sources/seed.h"

namespace veiculo::testing {
namespace {

TEST_F(ValueSourceTest, CommissionOfTheProposalsSalespersonAtItsDealer) {
  Connection& c = connection();
  Insert(c, "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO", {I(1), T("EST"), T("E")});
  for (const char* v : {"V1", "V2", "V3"})
    Insert(c, "VEI_VEICULO", "EMPRESA VEICULO SITUACAO", {I(1), T(v), T("EST")});
  Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO", {I(1), I(2), I(50)});
  // V1 sold by salesperson 5 of dealer 2, V3 by 6 (no percentage); V2 has no proposal.
  for (auto [proposta, v, vendedor] : {std::tuple{300, "V1", 5}, {301, "V3", 6}})
    Insert(c, "VEI_PROPOSTA", "EMPRESA REVENDA PROPOSTA SITUACAO VEICULO CONTATO VENDEDOR",
           {I(1), I(2), I(proposta), T("3"), T(v), I(50), I(vendedor)});
  for (auto [revenda, vendedor, comissao] :
       {std::tuple{2, 5, F(1.5)}, {1, 5, F(3)}, {2, 6, Value::Null()}})
    Insert(c, "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR COMISSAO",
           {I(1), I(revenda), I(vendedor), comissao});
  module().SetBaseComissaoVendedor(80000);
  EXPECT_DOUBLE_EQ(module().BuscaComissaoVendedor(1, 1, "V1"),
                   1200);  // dealer 2's 1,5 %: 80000 * 1,5 / 100
  EXPECT_DOUBLE_EQ(module().BuscaComissaoVendedor(1, 1, "V2"), 0);
  EXPECT_DOUBLE_EQ(module().BuscaComissaoVendedor(1, 2, "V3"), 0);
}

TEST_F(ValueSourceTest, RebateOfTheShortenedTermNeverNegative) {
  AddIndex(connection(), 7, "D",
           {{Day(2025, 3, 1), 100},
            {Day(2025, 3, 31), 102},
            {Day(2025, 4, 15), 103},
            {Day(2025, 4, 30), 104}});
  module().SetBase_Financeiro(10000);
  // 45 days after 01/03 is 15/04: 10000 / 100 * 103 = 10300, less 10200 to 31/03.
  EXPECT_DOUBLE_EQ(module().BuscaRebate(1, 99, 7, 45, Day(2025, 3, 1), Day(2025, 3, 31)), 100);
  // 10300 - 10400 (30/04) is below 0.
  EXPECT_DOUBLE_EQ(module().BuscaRebate(1, 1, 7, 45, Day(2025, 3, 1), Day(2025, 4, 30)), 0);
  // No level on 20/03: that leg stays 10000.
  EXPECT_DOUBLE_EQ(module().BuscaRebate(1, 1, 7, 45, Day(2025, 3, 1), Day(2025, 3, 20)), 300);
}

TEST_F(ValueSourceTest, ReturnsNetOfCommissionAndTax) {
  // Proposal 10, negotiation 2 of dealer 1; then another negotiation and proposal.
  for (auto [prop, neg, seq, tipo, ret, com, irrf, cliente] :
       {std::tuple{10, 2, 1, "FIN", F(1000), F(100), F(15), I(77)},
        {10, 2, 2, "TAC", F(300), Value::Null(), Value::Null(), Value::Null()},
        {10, 2, 3, "FIN", F(200), F(20), Value::Null(), I(0)},
        {10, 1, 1, "FIN", F(999), F(0), F(0), I(55)},
        {11, 2, 1, "FIN", F(888), F(0), F(0), I(66)}})
    Insert(connection(), "VEI_RETORNO",
           "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA TIPO_RETORNO VAL_RETORNO VAL_COMISSAO "
           "VAL_IRRF CLIENTE",
           {I(1), I(1), I(prop), I(neg), I(seq), T(tipo), ret, com, irrf, cliente});
  module().SetiPvProposta(10);
  module().SetiPvNegociacao(2);
  // (1000 - 100 - 15) + 300 + (200 - 20) = 885 + 300 + 180
  EXPECT_DOUBLE_EQ(module().BuscaRetorno(1, 1, "ignored"), 1365);
  EXPECT_DOUBLE_EQ(module().BuscaRetorno(1, 2, "ignored"), 0);  // another dealer
  // One type: 885 + 180, its customer 77 kept (sequence 3 has 0); TAC has none.
  EXPECT_DOUBLE_EQ(module().BuscaRetornoLinha(1, 1, "V1", "FIN"), 1065);
  EXPECT_EQ(peer().ClienteFI(), "77");
  EXPECT_DOUBLE_EQ(module().BuscaRetornoLinha(1, 1, "V1", "TAC"), 300);
  EXPECT_EQ(peer().ClienteFI(), "77");
  EXPECT_DOUBLE_EQ(module().BuscaRetornoLinha(1, 1, "V1", "SEGURO"), 0);
}

// V1 was invoiced by the factory on R = 01/03/2025, the reference ("F") of
// formula line 3; index 7: 100 on R, 102 on R+30, 104 on R+60, 106 on R+90,
// 108 on R+120, 105 on the processing date 15/05. Base 100000: 1000 units.
TEST_F(ValueSourceTest, SubsidyPeriodsWithinTheElapsedDaysCutAtThem) {
  Connection& c = connection();
  Insert(c, "VEI_MODELO", "EMPRESA MODELO", {I(1), T("M1")});
  AddVehicle(c, "V1", "CH1", {{"DTA_FAT_FABRICA", D(Day(2025, 3, 1))}});
  Insert(c, "VEI_FORMULA_LINHA", "EMPRESA FORMULA LINHA_FORMULA INCIDENCIA REFERENCIA INDICE",
         {I(1), T("F1"), I(3), T("J"), T("F"), I(7)});
  AddIndex(c, 7, "D",
           {{Day(2025, 3, 1), 100},
            {Day(2025, 3, 31), 102},
            {Day(2025, 4, 30), 104},
            {Day(2025, 5, 30), 106},
            {Day(2025, 6, 29), 108},
            {Day(2025, 5, 15), 105}});
  for (auto [sub, per, ini, fim, pct] : {std::tuple{"SUB1", 1, 1, 30, 50.0},
                                         {"SUB1", 2, 31, 90, 25.0},
                                         {"SUB1", 3, 61, 120, 80.0},
                                         {"SUB2", 1, 1, 30, 100.0},
                                         {"SUB3", 1, 1, 10, 50.0},
                                         {"SUB4", 1, 31, 60, 50.0}}) {
    if (per == 1) Insert(c, "VEI_SUBSIDIO", "EMPRESA SUBSIDIO", {I(1), T(sub)});
    Insert(c, "VEI_SUBSIDIO_PERIODO", "EMPRESA SUBSIDIO PERIODO INICIO FINAL PER_SUBSIDIO",
           {I(1), T(sub), I(per), I(ini), I(fim), F(pct)});
  }
  Load("V1");
  module().SetBase_Financeiro(100000);
  auto subsidio = [&](const char* s, int dias) {
    return module().BuscaSubsidios(1, dias, 3, 7, "F1", "V1", s, Day(2025, 5, 15));
  };
  // N = 60. Period 1: 50 * (1000 * 102 - 1000 * 100) / 100 / 102 = 9,8039 -> 9,80.
  // Period 2 cut at 60 (index 104, not 106): 25 * 2000 / 100 / 104 = 4,8077 -> 4,81.
  // Period 3 begins on day 61. (9,80 + 4,81) * 105 = 1534,05.
  EXPECT_DOUBLE_EQ(subsidio("SUB1", 60), 1534.05);
  // N = 90, the period keeps its end 30: 100 * 2000 / 100 / 102 -> 19,61; * 105.
  EXPECT_DOUBLE_EQ(subsidio("SUB2", 90), 2059.05);
  EXPECT_DOUBLE_EQ(subsidio("NONE", 60), 0);  // no periods
  EXPECT_DOUBLE_EQ(subsidio("SUB3", 60), 0);  // no level on R+10: skipped
  EXPECT_DOUBLE_EQ(subsidio("SUB4", 20), 0);  // begins after N
}

}  // namespace
}  // namespace veiculo::testing
