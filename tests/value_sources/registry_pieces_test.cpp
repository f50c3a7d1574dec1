// The pieces of the registry value: edition price with paint, package price
// with its year price, the optionals sum (query and cache), the Nissan price
// list flag, the situations available for sale and the colour price.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/db/client_dataset.h"
#include "support/test_database.h"
#include "value_sources/registry_seed.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using testing::SeedRegistryWorld;

class RegistryPiecesTest : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
    SeedRegistryWorld(connection());
  }

  TddmVeiculoCompartilhadoBD dm;
};

// Model paint values: S 900, M 1200, P 2000, E none. ED1/2024: 52000 with its
// own paint M 1500 (no paint E). ED1/2023: 47000. ED2/2024: 60000.
struct EditionCase {
  const char* edicao;
  int ano_modelo;
  const char* tipo_pintura;
  double expected;
};

TEST_F(RegistryPiecesTest, EditionPriceOfTheModelYearWithPaint) {
  testing::SeedEdicao(connection(), "ED'3", 2024, 61000);
  const EditionCase cases[] = {
      {"ED1", 2024, "S", 52900},                             // 52000 + model paint S 900
      {"ED1", 2024, "M", 53500},                             // 52000 + edition paint M 1500
      {"ED1", 2024, "P", 54000},                             // 52000 + model paint P 2000
      {"ED1", 2024, "E", 52000},                             // no paint E anywhere: + 0
      {"ED1", 2024, "X", 52000},                             // other paint types add nothing
      {"ED1", 2024, "", 52000},  {"ED1", 2023, "S", 47900},  // 47000 + 900
      {"ED2", 2024, "M", 61200},                             // 60000 + model paint M 1200
      {"ED'3", 2024, "", 61000},                             // a quote in the edition code
      {"ED1", 2025, "M", 0},                                 // no row for the model year
      {"ED9", 2024, "M", 0},                                 // unknown edition
  };
  for (const EditionCase& c : cases) {
    SCOPED_TRACE(std::string(c.edicao) + "/" + std::to_string(c.ano_modelo) + "/" + c.tipo_pintura);
    EXPECT_DOUBLE_EQ(dm.BuscaValorEdicao(1, "M1", c.tipo_pintura, c.edicao, c.ano_modelo),
                     c.expected);
  }
  // The model's editions stay loaded, no longer restricted to the last one asked.
  EXPECT_TRUE(dm.cdsEdicao->Active());
  EXPECT_EQ(dm.cdsEdicao->RecordCount(), 4);
}

TEST_F(RegistryPiecesTest, EditionOfAnotherModelIsNotTaken) {
  EXPECT_DOUBLE_EQ(dm.BuscaValorEdicao(1, "M2", "M", "ED1", 2024), 0);
  EXPECT_DOUBLE_EQ(dm.BuscaValorEdicao(2, "M1", "M", "ED1", 2024), 0);
}

// PK1: general 3000; year prices of 2024 paint M: "PP" 3500 (10/01/2024),
// "PP" 3700 (01/03/2024, newest "PP"), "PF" 9999 (01/06/2024, another type).
// PK2: only a year price ("PP" 800 for 2024 paint M). P'K: general 1234.
struct PackageCase {
  const char* pacote;
  int ano_modelo;
  const char* tipo_pintura;
  double expected;
};

TEST_F(RegistryPiecesTest, PackageYearPriceReplacesTheGeneralPrice) {
  testing::SeedPacoteAnoPintura(connection(), "PK2", "M", "PP", 45301, 800);
  testing::SeedPacote(connection(), "P'K", 1234);
  const PackageCase cases[] = {
      {"PK1", 2024, "M", 3700},  // newest "PP" replaces 3000 (not 3000 + 3700)
      {"PK1", 0, "M", 3000},     // no model year: general price only
      {"PK1", 2024, "", 3000},   // no paint type: general price only
      {"PK1", 2023, "M", 3000},  // no year price for 2023
      {"PK1", 2024, "S", 3000},  // no year price for paint S
      {"PK2", 2024, "M", 800},   // year price without a general one
      {"PK2", 0, "M", 0},       {"P'K", 0, "", 1234},  // a quote in the package code
      {"ZZ", 2024, "M", 0},                            // unknown package
  };
  for (const PackageCase& c : cases) {
    SCOPED_TRACE(std::string(c.pacote) + "/" + std::to_string(c.ano_modelo) + "/" + c.tipo_pintura);
    EXPECT_DOUBLE_EQ(dm.BuscaValorPacote(1, c.pacote, c.ano_modelo, c.tipo_pintura), c.expected);
  }
  EXPECT_DOUBLE_EQ(dm.BuscaValorPacote(2, "PK1", 2024, "M"), 0);  // another company
}

// CH1: AR 2600 (edition of 2024) + VT 700 (model: its edition row is of 2023)
// + RD 150 (frozen) = 3450. CH2 (model year 2023): VT 9999 (edition of 2023).
// CH'3: RD 400 (model).
struct OptionalsCase {
  const char* name;
  const char* considera;
  const char* chassi;
  double expected;
};

TEST_F(RegistryPiecesTest, OptionalsValuedFrozenThenEditionThenModel) {
  testing::SeedFichaRegistro(connection(), {.chassi = "CH2", .ano_modelo = 2023});
  testing::SeedOpcionalFicha(connection(), 1, "CH2", "VT", std::nullopt);
  testing::SeedFichaRegistro(connection(), {.chassi = "CH'3"});
  testing::SeedOpcionalFicha(connection(), 1, "CH'3", "RD", std::nullopt);
  ASSERT_TRUE(dm.LerVeiculo(1, "V1", true));
  const OptionalsCase cases[] = {
      {"current vehicle", "S", "", 3450},
      {"chassis given", "S", "CH1", 3450},
      {"edition of the record's year", "S", "CH2", 9999},
      {"quote in the chassis", "S", "CH'3", 400},
      {"chassis without optionals", "S", "NOPE", 0},
      {"not asked", "N", "CH1", 0},
      {"lower-case s", "s", "CH1", 0},
      {"empty setting", "", "CH1", 0},
  };
  for (const OptionalsCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(dm.SomaOpcionais(1, c.considera, c.chassi), c.expected);
  }
  // The company does not restrict the sum.
  EXPECT_DOUBLE_EQ(dm.SomaOpcionais(99, "S", "CH1"), 3450);
}

TEST_F(RegistryPiecesTest, OptionalSumsCacheAnswersWithoutQueries) {
  ASSERT_TRUE(dm.LerVeiculo(1, "V1", true));
  platform::ClientDataSet& cache = *dm.cdsPvOpcionais;
  cache.SetFieldDefs({{"CHASSI", FieldType::Text, 30}, {"VAL_OPC", FieldType::Float, 0}});
  cache.CreateDataSet();
  for (const auto& [chassi, valor] : {std::pair{"CH1", 111.5}, std::pair{"CH9", 42.0}}) {
    cache.Append();
    cache.FieldByName("CHASSI").SetAsText(chassi);
    cache.FieldByName("VAL_OPC").SetAsFloat(valor);
    cache.Post();
  }
  const long before = connection().StatementCount();
  EXPECT_DOUBLE_EQ(dm.SomaOpcionais(1, "S", ""), 111.5);    // current vehicle CH1
  EXPECT_DOUBLE_EQ(dm.SomaOpcionais(1, "S", "CH9"), 42.0);  // not in the database
  EXPECT_DOUBLE_EQ(dm.SomaOpcionais(1, "S", "CH2"), 0);     // not in the cache
  EXPECT_DOUBLE_EQ(dm.SomaOpcionais(1, "N", "CH1"), 0);
  EXPECT_EQ(connection().StatementCount(), before);
}

TEST_F(RegistryPiecesTest, NissanPriceListFlag) {
  testing::SeedNissanDI(connection(), 1, 1);
  testing::SeedNissanDI(connection(), 2, 0);
  testing::SeedNissanDI(connection(), 3, std::nullopt);
  testing::SeedNissanDI(connection(), 4, 2);
  EXPECT_TRUE(dm.UtilizaNissanDI("1", "1"));
  EXPECT_TRUE(dm.UtilizaNissanDI(" 1 ", "1"));
  EXPECT_FALSE(dm.UtilizaNissanDI("1", "2"));
  EXPECT_FALSE(dm.UtilizaNissanDI("1", "3"));
  EXPECT_FALSE(dm.UtilizaNissanDI("1", "4"));
  EXPECT_FALSE(dm.UtilizaNissanDI("1", "5"));  // no row
  EXPECT_FALSE(dm.UtilizaNissanDI("2", "1"));
}

TEST_F(RegistryPiecesTest, NissanFlagRefusesKeysThatAreNotIntegers) {
  testing::SeedNissanDI(connection(), 1, 1);
  const char* bad[] = {"1 or 1=1", "", "abc", "1.0", "-", "99999999999", "$1"};
  for (const char* text : bad) {
    SCOPED_TRACE(text);
    try {
      dm.UtilizaNissanDI(text, "1");
      ADD_FAILURE() << "accepted a company that is not an integer";
    } catch (const Error& e) {
      EXPECT_EQ(e.category(), ErrorCategory::Validation);
      EXPECT_EQ(e.message(),
                std::string("UtilizaNissanDI: the company '") + text + "' is not an integer");
    }
    EXPECT_THROW(dm.UtilizaNissanDI("1", text), Error);
  }
}

TEST_F(RegistryPiecesTest, SituationsInStockAvailableForSale) {
  EXPECT_TRUE(dm.SituacoesVeiculoEstoqueDisponivelVenda("ES"));
  EXPECT_FALSE(dm.SituacoesVeiculoEstoqueDisponivelVenda("RS"));  // not for sale
  EXPECT_FALSE(dm.SituacoesVeiculoEstoqueDisponivelVenda("TR"));  // not in stock
  EXPECT_FALSE(dm.SituacoesVeiculoEstoqueDisponivelVenda("es"));  // exact match
  EXPECT_FALSE(dm.SituacoesVeiculoEstoqueDisponivelVenda(""));
  // A second situation for sale is found after the first.
  testing::SeedSituacao(connection(), "ZZ", "E", "S");
  EXPECT_TRUE(dm.SituacoesVeiculoEstoqueDisponivelVenda("ZZ"));
  EXPECT_TRUE(dm.SituacoesVeiculoEstoqueDisponivelVenda("ES"));
}

TEST_F(RegistryPiecesTest, ColourPriceByTheRecordsSemiClearCode) {
  testing::SeedModeloCor(connection(), "PRATA", 64000);
  testing::SeedModeloCor(connection(), "O'NIX", 65000);
  // CH2: a semi-clear code with no colour row; CH3: its code resolves to a
  // colour with a quote; CH4: a record of another company.
  testing::SeedFichaRegistro(connection(), {.chassi = "CH2", .codigo_semi_claro = "SC9"});
  testing::SeedFichaRegistro(connection(), {.chassi = "CH3", .codigo_semi_claro = "SC3"});
  testing::SeedSemiClaro(connection(), "SC3", "O'NIX");
  testing::SeedFichaRegistro(connection(), {.chassi = "CH4", .empresa = 2});
  EXPECT_DOUBLE_EQ(dm.BuscarValorFichaGama(1, "M1", "CH1"), 64000);
  EXPECT_DOUBLE_EQ(dm.BuscarValorFichaGama(1, "M1", "CH3"), 65000);
  EXPECT_DOUBLE_EQ(dm.BuscarValorFichaGama(1, "M1", "CH2"), 0);
  EXPECT_DOUBLE_EQ(dm.BuscarValorFichaGama(1, "M1", "CH4"), 0);
  EXPECT_DOUBLE_EQ(dm.BuscarValorFichaGama(1, "M2", "CH1"), 0);  // no price for model M2
  EXPECT_DOUBLE_EQ(dm.BuscarValorFichaGama(1, "M1", "NO'PE"), 0);
}

TEST_F(RegistryPiecesTest, ColourPriceNeedsAColourAndPositiveYears) {
  // A semi-clear code with an empty colour, and colour rows that would match
  // empty colour or zero years if they were looked up.
  testing::SeedModeloCor(connection(), "", 1);
  testing::SeedFichaRegistro(connection(), {.chassi = "CH2", .codigo_semi_claro = "SCV"});
  testing::SeedSemiClaro(connection(), "SCV", "");
  EXPECT_DOUBLE_EQ(dm.BuscarValorFichaGama(1, "M1", "CH2"), 0);

  testing::InsertRow(connection(), "VEI_MODELO_SEMI_CLARO",
                     {{"EMPRESA", Value::Integer(1)},
                      {"MODELO", Value::Text("M1")},
                      {"CODIGO_SEMI_CLARO", Value::Text("SC0")},
                      {"ANO_FABRICACAO", Value::Integer(0)},
                      {"ANO_MODELO", Value::Integer(2024)},
                      {"COR", Value::Text("AZUL")}});
  testing::InsertRow(connection(), "VEI_MODELO_COR",
                     {{"EMPRESA", Value::Integer(1)},
                      {"MODELO", Value::Text("M1")},
                      {"COR", Value::Text("AZUL")},
                      {"ANO_FABRICACAO", Value::Integer(0)},
                      {"ANO_MODELO", Value::Integer(2024)},
                      {"PRECO_PUBLICO", Value::Float(70000)}});
  testing::SeedFichaRegistro(connection(),
                             {.chassi = "CH0", .ano_fabricacao = 0, .codigo_semi_claro = "SC0"});
  EXPECT_DOUBLE_EQ(dm.BuscarValorFichaGama(1, "M1", "CH0"), 0);
}

}  // namespace
}  // namespace veiculo
