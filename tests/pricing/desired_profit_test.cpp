// The desired-profit solver on the formula of pricing_world.h. Each pass
// values the lines at S and moves S by the missing percentage:
// S' = S + (desired - reached) x S / 100, reached = (S - total cost) / S x 100
// rounded to cents.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pricing/pricing_world.h"

namespace veiculo::testing {
namespace {

using Figuras = std::vector<double>;

// At the starting price 10,000.00 (M1's public price):
//   historic cost 8,050 - 500 + 500 (5 %) + 195 (10 % of 10,000 - 8,050)
//   = 8,245.00, profit 1,755.00 = 17.55 %; present cost + 20 = 8,265.00,
//   profit 1,735.00 = 17.35 %.
const Figuras kPrimeiroPasso = {8245, 1755, 17.55, 8265, 1735, 17.35,
                                8245, 1755, 17.55, 8265, 1735, 17.35};

TEST_F(PricingTest, DesiredProfitSolverCases) {
  struct Caso {
    const char* nome;
    double desejado;
    const char* rentabilidade;
    const char* valorizacao;
    double preco;
    double valor_venda;  // dPbValorVenda, unrounded
    int passos;
    Figuras holders;
    size_t mensagens;
  };
  const Caso casos[] = {
      {"percentage met by the starting price", 17.35, "L", "P", 10000, 10000, 1, kPrimeiroPasso, 0},
      // No line signs LUCRO_BRUTO: gross profit cannot be measured, the first
      // pass ends the solution and the starting price stands, missing 10 %.
      {"gross profit without signed lines", 10, "B", "P", 10000, 10000, 1, kPrimeiroPasso, 1},
      {"contribution margin without signed lines", 10, "M", "H", 10000, 10000, 1, kPrimeiroPasso,
       1},
      // Present basis, 10 %: S and the reached present % pass by pass
      //   10,000.00 17.35 | 9,265.00 11.94 | 9,085.259 10.49 | 9,040.7412309 10.12
      //   9,029.89234142 10.03 | 9,027.18337372 10.01 | 9,026.28065538 10.00
      // e.g. pass 2: K = (9,265 - 7,550 - 463.25) x 10 % = 125.175 -> 125.17
      // (the binary 125.17499...), cost H 8,138.42, P 8,158.42, 11.94 %.
      // Last pass: cost H 7,550 + 451.314 + 102.50 = 8,103.814; P 8,123.814.
      {"converges on the present basis", 10, "L", "P", 9026, 9026.28065538312, 7,
       Figuras{8104, 922, 10.22, 8124, 902, 10.00, 8103.81, 922.47, 10.22, 8123.81, 902.47, 10.00},
       0},
      // Historic basis: the exact solution 7,550 x 0.9 / 0.755 = 9,000 is
      // approached as 10,000 | 9,245 | 9,060.10 | 9,014.7995 | 9,003.98174 |
      // 9,001.28055 | 9,000.38042 (10.00 %).
      {"converges on the historic basis", 10, "L", "H", 9000, 9000.380418023213, 7,
       Figuras{8100, 900, 10.00, 8120, 880, 9.78, 8100.06, 900.32, 10.00, 8120.06, 880.32, 9.78},
       0},
      // 99 % cannot be reached (the reached % tends to 85.5): 16 passes, the
      // last at S = 353,706.147 (cost 58,082.387, 83.58 %; P 58,102.387,
      // 83.57 %), then S moves once more to 408,283.0057.
      {"stops after 16 passes", 99, "L", "P", 408283, 408283.0057056701, 16,
       Figuras{58082, 295624, 83.58, 58102, 295604, 83.57, 58082.39, 295623.76, 83.58, 58102.39,
               295603.76, 83.57},
       1},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    mensagens.clear();
    EXPECT_EQ(Preco(c.desejado, c.rentabilidade, c.valorizacao), c.preco);
    EXPECT_DOUBLE_EQ(module().GetdPbValorVenda(), c.valor_venda);
    EXPECT_EQ(module().PassosLucroDesejado(), c.passos);
    EXPECT_EQ(Holders(), c.holders);
    ASSERT_EQ(mensagens.size(), c.mensagens);
    if (c.mensagens > 0) {
      EXPECT_EQ(mensagens.front(),
                "mtError#$#[Erro 2301] Não foi possível calcular um valor de venda para alcançar "
                "o lucro desejado. Verifique a configuração da fórmula de custeio.");
    }
  }
}

// The starting price: public price + freight + insurance (+ optionals when the
// dealer counts them), else the purchase value. Under the empty formula F2
// every price has 100 % of profit, so asking for 100 % returns it at once.
TEST_F(PricingTest, StartingPrice) {
  Connection& c = connection();
  AddDealer(c, 2);
  AddParameters(c, 2, Cols("IMPRIME_VALOR_OPCIONAIS_REL", {T("S")}));
  AddModel(c, "M3", Cols("PRECO_PUBLICO FRETE_VENDA VAL_SEGURO", {F(10000), F(300), F(200)}));
  AddModel(c, "M4");
  Insert(c, "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL VAL_OPCIONAL",
         {I(1), T("M3"), T("AR"), F(1500)});
  Insert(c, "OFI_FICHA_OPCIONAL", "EMPRESA CHASSI MODELO OPCIONAL",
         {I(1), T("CH3"), T("M3"), T("AR")});
  AddVehicle(c, "V3", "CH3", Cols("MODELO FORMULA VAL_COMPRA", {T("M3"), T("F2"), F(7000)}));
  AddVehicle(c, "V4", "CH4", Cols("MODELO FORMULA VAL_COMPRA", {T("M4"), T("F2"), F(9000)}));
  AddVehicle(c, "V5", "CH5", Cols("MODELO FORMULA", {T("M4"), T("F2")}));

  struct Caso {
    const char* veiculo;
    int revenda;
    double preco;
    size_t mensagens;
  } const casos[] = {
      {"V3", 1, 10500, 0},  // 10,000 + 300 + 200, the dealer counts no optionals
      {"V3", 2, 12000, 0},  // + the 1,500.00 optional of its chassis
      {"V4", 1, 9000, 0},   // no price of its own: the purchase value
      // Nothing at all: S = 0 stays 0 and the desired 100 % is given up.
      {"V5", 1, 0, 1},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(std::string(caso.veiculo) + " at dealer " + std::to_string(caso.revenda));
    mensagens.clear();
    EXPECT_EQ(Preco(100, "L", "H", caso.veiculo, {}, false, caso.revenda), caso.preco);
    EXPECT_EQ(mensagens.size(), caso.mensagens);
  }

  // V4 under F1 at its purchase value 9,000: cost 7,550 + 450 + 100 (10 % of
  // 9,000 - 8,000) = 8,100, which is 10 % of profit already.
  Exec("update VEI_VEICULO set FORMULA = 'F1' where VEICULO = 'V4'");
  EXPECT_EQ(Preco(10, "L", "H", "V4"), 9000);
  EXPECT_EQ(module().PassosLucroDesejado(), 1);
}

// Altered lines replace the percentage and signs of the formula's own lines.
// Each case asks for the historic % the alteration gives at 10,000.00, so
// that one pass reaches it; without the alteration it would be 17.55 %.
TEST_F(PricingTest, AlteredLines) {
  auto alteradas = [](int linha, Value percentual, const std::string& custo_total) {
    DataPacket p;
    p.fields = Fields("FORMULA:t20 LINHA_FORMULA:i PERCENTUAL:f CUSTO_TOTAL:t1");
    p.rows = {{T("F1"), I(linha), percentual, T(custo_total)}};
    return p;
  };
  struct Caso {
    const char* nome;
    DataPacket alteradas;
    double percentual;  // the historic % reached at 10,000.00
    double custo;       // the historic total cost
  } const casos[] = {
      // 10 % of the sale: 1,000; K = (10,000 - 8,550) x 10 % = 145.
      {"a percentage", alteradas(3, F(10), "+"), 13.05, 8695},
      // K without a percentage is all the profit left: 10,000 - 8,050.
      {"a null percentage", alteradas(4, Null(), "+"), 0, 10000},
      // The credit counted as a cost: 9,050 + K 95.
      {"a sign", alteradas(2, Null(), "+"), 8.55, 9145},
      {"a line of no formula line", alteradas(9, F(50), "-"), 17.55, 8245},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(Preco(c.percentual, "L", "H", "V1", c.alteradas, true), 10000);
    EXPECT_EQ(module().PassosLucroDesejado(), 1);
    EXPECT_EQ(module().GetCVd_Custo_Total_H(), c.custo);
  }
  // The same packet is ignored when the caller says none was passed.
  EXPECT_EQ(Preco(17.55, "L", "H", "V1", alteradas(3, F(10), "+"), false), 10000);
  EXPECT_EQ(module().PassosLucroDesejado(), 1);
}

TEST_F(PricingTest, DesiredProfitRefusals) {
  DataPacket sem_percentual;
  sem_percentual.fields = {{"FORMULA", FieldType::Text, 20}, {"LINHA_FORMULA", FieldType::Integer}};
  EXPECT_VEICULO_ERROR(Preco(10, "L", "H", "V1", sem_percentual, true), ErrorCategory::Validation,
                       "altered formula lines: missing fields PERCENTUAL");
  EXPECT_VEICULO_ERROR(Preco(10, "X"), ErrorCategory::Validation,
                       "PRentabilidade must be \"L\", \"B\" or \"M\", not \"X\"");
  EXPECT_VEICULO_ERROR(Preco(10, "L", ""), ErrorCategory::Validation,
                       "PValorizacao must be \"H\" or \"P\", not \"\"");
  EXPECT_VEICULO_ERROR(Preco(10, "L", "P", "NOPE"), ErrorCategory::NotFound,
                       "vehicle 'NOPE' of company 1 not found");
}

}  // namespace
}  // namespace veiculo::testing
