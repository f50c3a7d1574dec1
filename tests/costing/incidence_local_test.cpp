// The what-if amount of a line from a client's packet row.

#include <gtest/gtest.h>

#include <string>

#include "costing/costing_evaluation_seed.h"
#include "platform/db/client_dataset.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

// One row of the packet the costing evaluation's what-if path sends.
void OpenPacketRow(platform::ClientDataSet& dados) {
  dados.SetData(CadastroPacket(80000, {{"PRECO_REPOSICAO", 60000},
                                       {"PLANO_CAPITALIZACAO", 1200},
                                       {"VAL_BONUS", 1500},
                                       {"SUBTOTAL", 76500},
                                       {"FRETE_ENTRADA", 800},
                                       {"FRETE_VENDA", 1100},
                                       {"VALOR_REVISAO", 350},
                                       {"VAL_ICMS", 7200},
                                       {"VAL_ICMS_RETIDO", 1500},
                                       {"CUSTO", 61000}}));
}

TEST_F(IncidenceTest, LocalAmountOfEachCode) {
  SeedDealer(connection(), 1, F(5), {});
  module().LerParametro(1, 1);  // PIS 1.65 + COFINS 7.6
  platform::ClientDataSet dados("cdsLocal");
  OpenPacketRow(dados);
  const std::pair<const char*, double>
      cases[] = {{"V", 80000}, {"C", 60000}, {"B", 60000}, {"P", 1200}, {"U", 1500},
                 {"L", 20000},               // 80000 - 60000
                 {"T", 76500}, {"I", 7400},  // 80000 x 9.25 %
                 {"F", 800},   {"E", 1100},  {"M", 350},   {"1", 7200}, {"2", 1500},
                 {"4", 61000}, {"O", 0},     {"R", 0},     {"S", 0},    {"3", 0},
                 {"5", 0},     {"6", 0},     {"7", 0},     {"!", 0},    {"(", 0},
                 {")", 0},     {"v", 0},     {"*", 0}};
  for (const auto& [code, expected] : cases) {
    SCOPED_TRACE(code);
    EXPECT_NEAR(peer().BuscaIncidenciaLocal(dados, code, false, 0, -1, 0), expected, 1e-9);
  }
}

TEST_F(IncidenceTest, LocalFixedAmountEditedAmountAndPercentage) {
  platform::ClientDataSet dados("cdsLocal");
  OpenPacketRow(dados);
  // The fixed amount replaces the code's; the percentage applies after it.
  EXPECT_DOUBLE_EQ(peer().BuscaIncidenciaLocal(dados, "V", false, 500, 10, 0), 50);
  EXPECT_DOUBLE_EQ(peer().BuscaIncidenciaLocal(dados, "V", false, 0, 10, 0), 8000);
  EXPECT_DOUBLE_EQ(peer().BuscaIncidenciaLocal(dados, "V", false, 0, 0, 0), 0);
  // "*" keeps the edited amount when the line allows editing...
  EXPECT_DOUBLE_EQ(peer().BuscaIncidenciaLocal(dados, "*", true, 500, -1, 1234), 1234);
  EXPECT_DOUBLE_EQ(peer().BuscaIncidenciaLocal(dados, "*", true, 500, 50, 1234), 617);
  // ...otherwise its fixed amount stands; another code never keeps it.
  EXPECT_DOUBLE_EQ(peer().BuscaIncidenciaLocal(dados, "*", false, 500, -1, 1234), 500);
  EXPECT_DOUBLE_EQ(peer().BuscaIncidenciaLocal(dados, "V", true, 0, -1, 1234), 80000);
}

TEST_F(IncidenceTest, LocalPacketWithoutTheCodesColumnIsRefused) {
  platform::ClientDataSet dados("cdsLocal");
  dados.SetData(CadastroPacket(1, {}));
  // A missing PRECO_REPOSICAO is not read as a value.
  EXPECT_VEICULO_ERROR(peer().BuscaIncidenciaLocal(dados, "C", false, 0, -1, 0),
                       ErrorCategory::NotFound, "PRECO_REPOSICAO");
}

}  // namespace
}  // namespace veiculo::testing
