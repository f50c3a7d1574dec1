// The registry sale value of a vehicle (BuscaValorCadastroModelos): the sum of
// its pieces under each flag, the Nissan colour price and its fallbacks, the
// dealer parameter that decides whether optionals count, and a vehicle that is
// not loaded.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/db/client_dataset.h"
#include "support/test_database.h"
#include "value_sources/registry_seed.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo {
namespace {

using testing::SeedRegistryWorld;

class RegistryValueTest : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
    SeedRegistryWorld(connection());
  }

  // Loads V1 (chassis CH1) as the current vehicle and dealer 1's parameters.
  void LoadV1() {
    ASSERT_TRUE(dm.LerVeiculo(1, "V1", true));
    ASSERT_TRUE(dm.LerParametro(1, 1));
  }

  TddmVeiculoCompartilhadoBD dm;
};

// Figures of the world (registry_seed.h): PRECO_PUBLICO 51200 (50000 + paint M
// 1200), edition ED1/2024 53500 (52000 + its paint M 1500), freight 800,
// insurance 300, optionals 3450, package year price 3700 (newest "PP").
struct SumCase {
  const char* name;
  bool edicao;
  bool pacote;
  double expected;
};

TEST_F(RegistryValueTest, SumsBaseFreightInsuranceOptionalsAndPackage) {
  const SumCase cases[] = {
      // 51200 + 800 + 300 + 3450
      {"public price", false, false, 55750},
      // 53500 + 800 + 300 + 3450
      {"edition price", true, false, 58050},
      // 51200 + 800 + 300 + 3450 + 3700
      {"public price and package", false, true, 59450},
      // 53500 + 800 + 300 + 3450 + 3700
      {"edition price and package", true, true, 61750},
  };
  LoadV1();
  for (const SumCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, c.edicao, c.pacote, 1), c.expected);
  }
}

TEST_F(RegistryValueTest, EditionWithoutARowForTheModelYearFallsBackToThePublicPrice) {
  // V2's record is of model year 2025: ED1 has rows for 2023 and 2024 only.
  testing::SeedFichaRegistro(connection(), {.chassi = "CH2", .ano_modelo = 2025});
  testing::SeedVeiculoRegistro(connection(), "V2", "CH2", "N", "ES");
  ASSERT_TRUE(dm.LerVeiculo(1, "V2", true));
  // 51200 + 800 + 300 (no optionals on CH2), the same with and without editions.
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, true, false, 1), 52300);
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 1), 52300);
}

TEST_F(RegistryValueTest, VehicleWithoutEditionTakesThePublicPrice) {
  testing::SeedFichaRegistro(connection(), {.chassi = "CH2", .edicao = ""});
  // An edition row with an empty code must not be taken for "no edition".
  testing::SeedEdicao(connection(), "", 2024, 70000);
  testing::SeedVeiculoRegistro(connection(), "V2", "CH2", "N", "ES");
  ASSERT_TRUE(dm.LerVeiculo(1, "V2", true));
  // 51200 + 800 + 300 + package 3700 (PK1, 2024, paint M)
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, true, true, 1), 56000);
}

// The Nissan colour price applies only to a dealer with UTILIZA_NISSAN_DI 1,
// a new vehicle and a situation in stock available for sale, and only when it
// is positive; otherwise the ordinary value (here 55750 without edition and
// package) stands.
struct NissanCase {
  const char* name;
  std::optional<int> utiliza;  // nullopt: no NIS_PARAMETRO row
  std::string novo_usado;
  std::string situacao;
  double preco_cor;
  double expected;
};

TEST_F(RegistryValueTest, NissanColourPriceAndItsFallbacks) {
  const NissanCase cases[] = {
      {"colour price", 1, "N", "ES", 64000, 64000},
      {"colour price 0 falls back", 1, "N", "ES", 0, 55750},
      {"no Nissan parameters", std::nullopt, "N", "ES", 64000, 55750},
      {"Nissan flag 0", 0, "N", "ES", 64000, 55750},
      {"Nissan flag 2", 2, "N", "ES", 64000, 55750},
      {"used vehicle", 1, "U", "ES", 64000, 55750},
      {"stock not for sale", 1, "N", "RS", 64000, 55750},
      {"for sale but in transit", 1, "N", "TR", 64000, 55750},
  };
  int n = 0;
  for (const NissanCase& c : cases) {
    SCOPED_TRACE(c.name);
    // Each case on its own dealer and vehicle, whose optionals count ("S").
    const int revenda = 10 + n;
    const std::string chassi = "CHN" + std::to_string(n);
    const std::string veiculo = "VN" + std::to_string(n);
    const std::string cor = "COR" + std::to_string(n);
    const std::string semi_claro = "SCN" + std::to_string(n);
    ++n;
    testing::SeedParametroOpcionais(connection(), revenda, "S");
    if (c.utiliza) testing::SeedNissanDI(connection(), revenda, *c.utiliza);
    testing::SeedFichaRegistro(connection(), {.chassi = chassi, .codigo_semi_claro = semi_claro});
    testing::SeedVeiculoRegistro(connection(), veiculo, chassi, c.novo_usado, c.situacao);
    testing::SeedSemiClaro(connection(), semi_claro, cor);
    testing::SeedModeloCor(connection(), cor, c.preco_cor);
    // The chassis carries CH1's optionals: AR 2600 + VT 700 + RD 150 = 3450.
    testing::SeedOpcionalFicha(connection(), 1, chassi, "AR", std::nullopt);
    testing::SeedOpcionalFicha(connection(), 1, chassi, "VT", std::nullopt);
    testing::SeedOpcionalFicha(connection(), 1, chassi, "RD", 150);
    ASSERT_TRUE(dm.LerVeiculo(1, veiculo, true));
    EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, revenda), c.expected);
  }
}

TEST_F(RegistryValueTest, ColourPriceIgnoresEditionAndPackageFlags) {
  testing::SeedNissanDI(connection(), 1, 1);
  testing::SeedModeloCor(connection(), "PRATA", 64000);
  LoadV1();
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, true, true, 1), 64000);
}

TEST_F(RegistryValueTest, OptionalsCountByTheDealersOwnParameter) {
  ASSERT_TRUE(dm.LerVeiculo(1, "V1", true));
  // Parameters never read: the call reads dealer 1's ("S"): 51200 + 800 + 300 + 3450.
  ASSERT_FALSE(dm.cdsParametro->Active());
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 1), 55750);
  // Dealer 2's parameters say "N": 51200 + 800 + 300.
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 2), 52300);
  // Dealer 2's parameters loaded, but the value asked for dealer 1 counts them.
  ASSERT_TRUE(dm.LerParametro(1, 2));
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 1), 55750);
  // A dealer without parameters counts no optionals.
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 7), 52300);
}

TEST_F(RegistryValueTest, ParametersClosedAfterTheCacheReadThemAreReadAgain) {
  LoadV1();
  dm.cdsParametro->Close();  // LerParametro(1, 1) would answer from its cache
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 1), 55750);
}

TEST_F(RegistryValueTest, OptionalSumsCacheReplacesTheQuery) {
  LoadV1();
  platform::ClientDataSet& cache = *dm.cdsPvOpcionais;
  cache.SetFieldDefs({{"CHASSI", FieldType::Text, 30}, {"VAL_OPC", FieldType::Float, 0}});
  cache.CreateDataSet();
  cache.Append();
  cache.FieldByName("CHASSI").SetAsText("CH1");
  cache.FieldByName("VAL_OPC").SetAsFloat(111.5);
  cache.Post();
  // 51200 + 800 + 300 + 111.5 (cached) instead of + 3450
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 1), 52411.5);
  cache.Close();
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, false, false, 1), 55750);
}

TEST_F(RegistryValueTest, VehicleNotLoadedValuesNothingWithoutFailing) {
  // cdsVeiculo never opened, then opened on a vehicle that does not exist.
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, true, true, 1), 0);
  ASSERT_FALSE(dm.LerVeiculo(1, "NOPE", true));
  EXPECT_DOUBLE_EQ(dm.BuscaValorCadastroModelos(1, true, true, 1), 0);
}

}  // namespace
}  // namespace veiculo
