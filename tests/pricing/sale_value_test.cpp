// The suggested sale value by source, the profitability of a given price and
// the minimum price of a model, in the dealer of pricing_world.h.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pricing/pricing_world.h"

namespace veiculo::testing {
namespace {

TEST_F(PricingTest, SaleValueBySource) {
  struct Caso {
    const char* fonte;
    const char* veiculo;
    double valor;
  } const casos[] = {
      {"1", "V1", 10000},  // M1's public price, no freight, insurance or optionals
      {"2", "V1", 9500},   // the dealer price of the vehicle
      {"3", "V1", 9026},   // 10 % (its PERCENTUAL_LUCRO) on present total cost, see
                           // the solver's present-basis case
      {"", "V1", 9500},    // the dealer's source, "2"
      {"7", "V1", 0},
      {"1", "NOPE", 0},  // no vehicle, no price
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string("source '") + c.fonte + "' " + c.veiculo);
    mensagens.clear();
    EXPECT_EQ(module().CalculoValorVenda(1, 1, c.fonte, c.veiculo, kProcessamento, false, false,
                                         [this](const std::string& m) { mensagens.push_back(m); }),
              c.valor);
    EXPECT_TRUE(mensagens.empty());
  }
}

TEST_F(PricingTest, Profitability) {
  // Historic cost 7,550 + 450 + 100 (10 % of 9,000 - 8,000) = 8,100, profit
  // 900 = 10 %; present cost 8,120 against 9,500: 1,380 = 14.526... %.
  const std::vector<double> custo = {8100, 900, 10, 8120, 1380, 14.53,
                                     8100, 900, 10, 8120, 1380, 14.53};
  // Both sale values 0 count as 0.01: cost 7,550.0005 + K (0.01 -
  // 7,550.0005) x 10 % = -755.00 gives 6,795.0005; present 6,815.0005;
  // profit 0.01 - 6,815.0005 = -6,814.9905 = -68,149,905 %.
  const std::vector<double> zero = {6795, -6795,    -67949905, 6815, -6815,    -68149905,
                                    6795, -6794.99, -67949905, 6815, -6814.99, -68149905};
  struct Caso {
    const char* nome;
    double venda, venda_presente;
    const char* retorno;
    double resultado;
    std::vector<double> holders;
  } const casos[] = {
      {"cost", 9000, 9500, "C", 8120, custo},          {"profit", 9000, 9500, "L", 1380, {}},
      {"percentage", 9000, 9500, "P", 14.53, {}},      {"anything else", 9000, 9500, "X", 0, {}},
      {"zero sale value", 0, 0, "P", -68149905, zero},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    module().SetdPbValorVenda(c.venda);
    module().SetValor_Venda_presente(c.venda_presente);
    EXPECT_EQ(module().CalculaRentabilidade(1, 1, "V1", c.retorno, kProcessamento), c.resultado);
    if (!c.holders.empty()) {
      EXPECT_EQ(Holders(), c.holders);
    }
  }
  EXPECT_EQ(module().GetdPbValorVenda(), 0.01);
  EXPECT_EQ(module().GetValor_Venda_presente(), 0.01);
}

// Only new vehicles of the model in a stock situation take the minimum price.
TEST_F(PricingTest, MinimumPrice) {
  Connection& c = connection();
  AddModel(c, "M'2");
  const char* colunas = "MODELO SITUACAO NOVO_USADO PRECO_MINIMO_COMERCIALIZACAO";
  AddVehicle(c, "N1", "C-N1", Cols(colunas, {T("M1"), T("E1"), T("N"), F(1)}));
  AddVehicle(c, "U1", "C-U1", Cols(colunas, {T("M1"), T("E1"), T("U"), F(1)}));
  AddVehicle(c, "S1", "C-S1", Cols(colunas, {T("M1"), T("V1"), T("N"), F(1)}));
  AddVehicle(c, "X1", "C-X1", Cols(colunas, {T("M1"), T("XX"), T("N"), F(1)}));  // no situation row
  AddVehicle(c, "Q1", "C-Q1", Cols(colunas, {T("M'2"), T("E1"), T("N"), F(1)}));

  EXPECT_EQ(module().AtualizaPrecoMinimo(&connection(), "INTERBASE", 1, "M1", 12345.6),
            "OK|Preço mínimo de comercialização atualizado com sucesso.");
  // V1 is a new M1 in stock as well.
  EXPECT_EQ(QueryLines(connection(),
                       "select VEICULO, PRECO_MINIMO_COMERCIALIZACAO from "
                       "VEI_VEICULO order by VEICULO"),
            (std::vector<std::string>{"N1|12345.60", "Q1|1.00", "S1|1.00", "U1|1.00", "V1|12345.60",
                                      "X1|1.00"}));

  // A model holding a quote stays inside its literal.
  EXPECT_EQ(module().AtualizaPrecoMinimo(&connection(), "INTERBASE", 1, "M'2", 500),
            "OK|Preço mínimo de comercialização atualizado com sucesso.");
  EXPECT_EQ(One("select PRECO_MINIMO_COMERCIALIZACAO from VEI_VEICULO where VEICULO = 'Q1'"),
            "500.00");

  const std::string falha = "NOK|Erro na atualização do preço mínimo de comercialização.";
  EXPECT_EQ(module().AtualizaPrecoMinimo(nullptr, "INTERBASE", 1, "M1", 1), falha);
  // NUMERIC(15,2) cannot hold it: the engine refuses, nothing is raised.
  EXPECT_EQ(module().AtualizaPrecoMinimo(&connection(), "INTERBASE", 1, "M1", 1e18), falha);
}

}  // namespace
}  // namespace veiculo::testing
