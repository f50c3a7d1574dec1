// The stock list's SQL for the other dialects, against reviewed golden files:
// every branch and every filter piece, adapted as the dataset adapts it when
// it opens. One branch per line of the file.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "module/maker_utils/compat_banco.h"
#include "platform/format/date_time.h"
#include "platform/text.h"
#include "pricing/stock_list_sql.h"

namespace veiculo::pricing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line.rfind("--", 0) != 0) lines.push_back(line);
  return lines;
}

// The statement with every piece present: sales, orders, lists of each kind.
FiltrosEstoque EveryPiece(const std::string& dialect) {
  FiltrosEstoque f;
  f.banco_dados = dialect;
  f.data_ref = platform::EncodeDateTime(2025, 3, 10, 12, 0, 0);
  f.inicio_venda = platform::EncodeDate(2025, 3, 1);
  f.fim_venda = platform::EncodeDate(2025, 3, 31);
  f.chassi = "9BW'";
  f.codigo_veiculo = "V1";
  f.ano_modelo = "2025";
  f.revendas = "1.1,1.2";
  f.familias = "1.10";
  f.pacotes = "PK1,PK2";
  f.departamentos = "3";
  f.situacoes = "EST";
  f.revendas_vendas = "1.2";
  f.modelos = "1.M1";
  f.novo_usado_todos = 1;
  f.considerar_revenda = 1;
  f.listar_venda = true;
  f.listar_pedido = true;
  f.icarros = true;
  return f;
}

class StockListGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(StockListGolden, AdaptedTextMatchesTheReviewedFile) {
  const std::string dialect = GetParam();
  std::ifstream in(std::string(VEICULO_GOLDEN_DIR) + "/stock_list_" + dialect + ".sql");
  ASSERT_TRUE(in.good()) << dialect;
  std::stringstream golden;
  golden << in.rdbuf();
  const std::string adapted =
      maker::CompatBanco(SqlEstoqueIntermediario(EveryPiece(dialect)), dialect, 1, false);
  const std::vector<std::string> actual =
      Lines(platform::ReplaceAll(adapted, " UNION ALL ", "\n", false));
  const std::vector<std::string> expected = Lines(golden.str());
  ASSERT_EQ(actual.size(), 5u);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i)
    EXPECT_TRUE(actual[i] == expected[i])
        << "branch " << i + 1 << " (" << dialect << ")\n  expected: " << expected[i]
        << "\n  actual:   " << actual[i];
}

INSTANTIATE_TEST_SUITE_P(Dialects, StockListGolden, ::testing::Values("ORACLE", "SQLSERVER"));

}  // namespace
}  // namespace veiculo::pricing
