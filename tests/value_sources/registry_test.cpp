// The registry sale value of a vehicle (BuscaValorCadastroModelos) and its
// pieces: edition and package prices, the optionals sum, the Nissan colour
// price with its fallbacks, and the dealer parameter deciding optionals.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "platform/db/client_dataset.h"
#include "value_sources/seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

void SeedFicha(Connection& c, const std::string& chassi, const Columns& extra = {}) {
  Insert(c, "OFI_FICHA_SEGUIMENTO",
         Overridden(Cols("EMPRESA CHASSI ANO_FABRICACAO ANO_MODELO PACOTE TIPO_PINTURA EDICAO "
                         "CODIGO_SEMI_CLARO MODELO",
                         {I(1), T(chassi), I(2023), I(2024), T("PK1"), T("M"), T("ED1"), T("SC1"),
                          T("M1")}),
                    extra));
}
void SeedVeiculoReg(Connection& c, const std::string& v, const std::string& chassi,
                    const std::string& novo_usado = "N", const std::string& situacao = "ES") {
  Insert(c, "VEI_VEICULO",
         "EMPRESA VEICULO MODELO CHASSI REVENDA_ORIGEM SITUACAO NOVO_USADO FORMULA",
         {I(1), T(v), T("M1"), T(chassi), I(1), T(situacao), T(novo_usado), T("F1")});
}
void Edicao(Connection& c, const std::string& ed, int ano, double publico,
            std::optional<double> pintura_m = std::nullopt) {
  Insert(c, "VEI_MODELO_EDICAO", "EMPRESA MODELO EDICAO ANO_MODELO PRECO_PUBLICO VAL_PINTURA_M",
         {I(1), T("M1"), T(ed), I(ano), F(publico), Money(pintura_m)});
}
void PacoteAno(Connection& c, const std::string& pk, const std::string& tipo_preco, double emissao,
               double valor) {
  Insert(c, "VEI_PACOTE_ANO",
         "EMPRESA PACOTE ANO_MODELO TIPO_PINTURA TIPO_PRECO DTA_EMISSAO VAL_PACOTE",
         {I(1), T(pk), I(2024), T("M"), T(tipo_preco), D(emissao), F(valor)});
}
void OpcionalFicha(Connection& c, int empresa, const std::string& chassi, const std::string& opc,
                   std::optional<double> congelado) {
  Insert(c, "OFI_FICHA_OPCIONAL", "EMPRESA CHASSI MODELO OPCIONAL VAL_OPCIONAL",
         {I(empresa), T(chassi), T("M1"), T(opc), Money(congelado)});
}
void SemiClaro(Connection& c, const std::string& codigo, const std::string& cor,
               int ano_fab = 2023) {
  Insert(c, "VEI_MODELO_SEMI_CLARO",
         "EMPRESA MODELO CODIGO_SEMI_CLARO ANO_FABRICACAO ANO_MODELO COR",
         {I(1), T("M1"), T(codigo), I(ano_fab), I(2024), T(cor)});
}
void SeedCor(Connection& c, const std::string& cor, double preco, int ano_fab = 2023) {
  Insert(c, "VEI_MODELO_COR", "EMPRESA MODELO COR ANO_FABRICACAO ANO_MODELO PRECO_PUBLICO",
         {I(1), T("M1"), T(cor), I(ano_fab), I(2024), F(preco)});
}
void Nissan(Connection& c, int revenda, std::optional<int> utiliza) {
  Insert(c, "NIS_PARAMETRO", "EMPRESA REVENDA UTILIZA_NISSAN_DI",
         {I(1), I(revenda), IntOrNull(utiliza)});
}
void Parametro(Connection& c, int revenda, const char* imprime) {
  Insert(c, "VEI_PARAMETRO", "EMPRESA REVENDA IMPRIME_VALOR_OPCIONAIS_REL",
         {I(1), I(revenda), T(imprime)});
}

// Model M1: public 50000, paint S 900, M 1200, P 2000 (E none), freight 800,
// insurance 300. V1/CH1: made 2023, model year 2024, PK1, paint M, ED1, SC1
// (PRATA), new, situation ES: PRECO_PUBLICO 50000 + 1200 = 51200. Editions:
// ED1/2024 52000 with paint M 1500 -> 53500, ED1/2023 47000, ED2/2024 60000.
// PK1 3000; year prices 2024/M: "PP" 3500 (10/01), 3700 (01/03, newest), "PF"
// 9999. CH1's optionals: AR 2600 (edition 2024; model 2500), VT 700 (model;
// edition row only 2023), RD frozen 150, XX frozen 9000 not in the model's
// list, an AR row of company 2: 2600 + 700 + 150 = 3450. Situations: ES stock
// for sale, RS stock not for sale, TR transit for sale. Dealer 1 counts
// optionals ("S"), dealer 2 not ("N").
class RegistryTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    Insert(c, "VEI_MODELO",
           "EMPRESA MODELO PRECO_PUBLICO VAL_PINTURA_S VAL_PINTURA_M VAL_PINTURA_P FRETE_VENDA "
           "VAL_SEGURO",
           {I(1), T("M1"), F(50000), F(900), F(1200), F(2000), F(800), F(300)});
    SeedFicha(c, "CH1");
    SeedVeiculoReg(c, "V1", "CH1");
    Edicao(c, "ED1", 2024, 52000, 1500);
    Edicao(c, "ED1", 2023, 47000);
    Edicao(c, "ED2", 2024, 60000);
    Insert(c, "VEI_PACOTE", "EMPRESA PACOTE VAL_PACOTE", {I(1), T("PK1"), F(3000)});
    PacoteAno(c, "PK1", "PP", Day(2024, 1, 10), 3500);
    PacoteAno(c, "PK1", "PP", Day(2024, 3, 1), 3700);
    PacoteAno(c, "PK1", "PF", Day(2024, 6, 1), 9999);
    for (auto [empresa, opc, valor] :
         {std::tuple{1, "AR", 2500.0}, {1, "VT", 700.0}, {1, "RD", 400.0}, {2, "AR", 5000.0}})
      Insert(c, "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL VAL_OPCIONAL",
             {I(empresa), T("M1"), T(opc), F(valor)});
    for (auto [opc, ano, valor] : {std::tuple{"AR", 2024, 2600.0}, {"VT", 2023, 9999.0}})
      Insert(c, "VEI_OPCIONAL_MODELO_EDICAO",
             "EMPRESA MODELO OPCIONAL ANO_MODELO EDICAO VAL_OPCIONAL",
             {I(1), T("M1"), T(opc), I(ano), T("ED1"), F(valor)});
    Optionals("CH1");
    OpcionalFicha(c, 1, "CH1", "XX", 9000);
    OpcionalFicha(c, 2, "CH1", "AR", std::nullopt);
    for (auto [sit, loc, disp] : {std::tuple{"ES", "E", "S"}, {"RS", "E", "N"}, {"TR", "T", "S"}})
      Insert(c, "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO DISP_VENDA",
             {I(1), T(sit), T(loc), T(disp)});
    SemiClaro(c, "SC1", "PRATA");
    Parametro(c, 1, "S");
    Parametro(c, 2, "N");
  }
  void Optionals(const std::string& chassi) {  // AR 2600 + VT 700 + RD 150 = 3450
    OpcionalFicha(connection(), 1, chassi, "AR", std::nullopt);
    OpcionalFicha(connection(), 1, chassi, "VT", std::nullopt);
    OpcionalFicha(connection(), 1, chassi, "RD", 150);
  }
  void FillOptionalsCache() {
    platform::ClientDataSet& cache = *module().cdsPvOpcionais;
    cache.SetFieldDefs({{"CHASSI", FieldType::Text, 30}, {"VAL_OPC", FieldType::Float, 0}});
    cache.CreateDataSet();
    for (const auto& [chassi, valor] : {std::pair{"CH1", 111.5}, std::pair{"CH9", 42.0}}) {
      cache.Append();
      cache.FieldByName("CHASSI").SetAsText(chassi);
      cache.FieldByName("VAL_OPC").SetAsFloat(valor);
      cache.Post();
    }
  }
  double Valor(bool edicao, bool pacote, int revenda = 1) {
    return module().BuscaValorCadastroModelos(1, edicao, pacote, revenda);
  }
};

TEST_F(RegistryTest, SumsBaseFreightInsuranceOptionalsAndPackage) {
  Load("V1");
  ASSERT_TRUE(module().LerParametro(1, 1));
  EXPECT_DOUBLE_EQ(Valor(false, false), 55750);  // 51200 + 800 + 300 + 3450
  EXPECT_DOUBLE_EQ(Valor(true, false), 58050);   // 53500 + 800 + 300 + 3450
  EXPECT_DOUBLE_EQ(Valor(false, true), 59450);   // 55750 + package 3700
  EXPECT_DOUBLE_EQ(Valor(true, true), 61750);    // 58050 + 3700
  // Parameters closed after the cache read them are read again.
  module().cdsParametro->Close();
  EXPECT_DOUBLE_EQ(Valor(false, false), 55750);
}

TEST_F(RegistryTest, EditionFallsBackToThePublicPrice) {
  // CH2 is of model year 2025 (ED1 has 2023 and 2024 only); CH3 has no edition,
  // and an edition row with an empty code must not be taken for it.
  SeedFicha(connection(), "CH2", {{"ANO_MODELO", I(2025)}});
  SeedVeiculoReg(connection(), "V2", "CH2");
  SeedFicha(connection(), "CH3", {{"EDICAO", T("")}});
  SeedVeiculoReg(connection(), "V3", "CH3");
  Edicao(connection(), "", 2024, 70000);
  Load("V2");
  EXPECT_DOUBLE_EQ(Valor(true, false), 52300);  // 51200 + 800 + 300, no optionals
  Load("V3");
  EXPECT_DOUBLE_EQ(Valor(true, true), 56000);  // 52300 + package 3700
}

struct NissanCase {
  const char* name;
  std::optional<int> utiliza;  // nullopt: no NIS_PARAMETRO row
  const char* novo_usado;
  const char* situacao;
  double preco_cor, expected;
};

// The colour price applies only with UTILIZA_NISSAN_DI 1, a new vehicle in a
// stock situation for sale, and when positive; otherwise 55750 stands.
TEST_F(RegistryTest, NissanColourPriceAndItsFallbacks) {
  const NissanCase cases[] = {
      {"colour price", 1, "N", "ES", 64000, 64000},
      {"colour price 0", 1, "N", "ES", 0, 55750},
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
    const int revenda = 10 + n;
    const std::string k = std::to_string(n++), chassi = "CHN" + k, veiculo = "VN" + k;
    Parametro(connection(), revenda, "S");
    if (c.utiliza) Nissan(connection(), revenda, *c.utiliza);
    SeedFicha(connection(), chassi, {{"CODIGO_SEMI_CLARO", T("SCN" + k)}});
    SeedVeiculoReg(connection(), veiculo, chassi, c.novo_usado, c.situacao);
    SemiClaro(connection(), "SCN" + k, "COR" + k);
    SeedCor(connection(), "COR" + k, c.preco_cor);
    Optionals(chassi);
    Load(veiculo);
    EXPECT_DOUBLE_EQ(Valor(false, false, revenda), c.expected);
  }
  // The colour price ignores the edition and package flags.
  Nissan(connection(), 1, 1);
  SeedCor(connection(), "PRATA", 64000);
  Load("V1");
  EXPECT_DOUBLE_EQ(Valor(true, true), 64000);
}

TEST_F(RegistryTest, OptionalsCountByTheDealersOwnParameter) {
  Load("V1");
  EXPECT_DOUBLE_EQ(Valor(false, false, 2), 52300);  // dealer 2 says "N"
  ASSERT_TRUE(module().LerParametro(1, 2));         // dealer 2's loaded, dealer 1 asked
  EXPECT_DOUBLE_EQ(Valor(false, false, 1), 55750);
  EXPECT_DOUBLE_EQ(Valor(false, false, 7), 52300);  // no parameters: no optionals
}

TEST_F(RegistryTest, VehicleNotLoadedValuesNothing) {
  EXPECT_DOUBLE_EQ(Valor(true, true), 0);
  ASSERT_FALSE(module().LerVeiculo(1, "NOPE", true));
  EXPECT_DOUBLE_EQ(Valor(true, true), 0);
}

TEST_F(RegistryTest, EditionPriceOfTheModelYearWithPaint) {
  Edicao(connection(), "ED'3", 2024, 61000);
  const struct {
    const char* edicao;
    int ano;
    const char* pintura;
    double expected;
  } cases[] = {
      {"ED1", 2024, "S", 52900},                             // 52000 + model paint S 900
      {"ED1", 2024, "M", 53500},                             // 52000 + edition paint M 1500
      {"ED1", 2024, "P", 54000},                             // 52000 + model paint P 2000
      {"ED1", 2024, "E", 52000},                             // no paint E anywhere
      {"ED1", 2024, "", 52000},  {"ED1", 2023, "S", 47900},  // 47000 + 900
      {"ED2", 2024, "M", 61200},                             // 60000 + model paint M 1200
      {"ED'3", 2024, "", 61000}, {"ED1", 2025, "M", 0},     {"ED9", 2024, "M", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.edicao) + "/" + std::to_string(c.ano) + "/" + c.pintura);
    EXPECT_DOUBLE_EQ(module().BuscaValorEdicao(1, "M1", c.pintura, c.edicao, c.ano), c.expected);
  }
  EXPECT_EQ(module().cdsEdicao->RecordCount(), 4);  // the model's editions, not only the last asked
  EXPECT_DOUBLE_EQ(module().BuscaValorEdicao(1, "M2", "M", "ED1", 2024), 0);
}

TEST_F(RegistryTest, PackageYearPriceReplacesTheGeneralPrice) {
  PacoteAno(connection(), "PK2", "PP", Day(2024, 1, 10), 800);
  Insert(connection(), "VEI_PACOTE", "EMPRESA PACOTE VAL_PACOTE", {I(1), T("P'K"), F(1234)});
  const struct {
    const char* pacote;
    int ano;
    const char* pintura;
    double expected;
  } cases[] = {
      {"PK1", 2024, "M", 3700},  // newest "PP" replaces 3000 (not 3000 + 3700)
      {"PK1", 0, "M", 3000},    {"PK1", 2024, "", 3000}, {"PK1", 2023, "M", 3000},
      {"PK1", 2024, "S", 3000}, {"PK2", 2024, "M", 800},  // year price alone
      {"P'K", 0, "", 1234},     {"ZZ", 2024, "M", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pacote) + "/" + std::to_string(c.ano) + "/" + c.pintura);
    EXPECT_DOUBLE_EQ(module().BuscaValorPacote(1, c.pacote, c.ano, c.pintura), c.expected);
  }
  EXPECT_DOUBLE_EQ(module().BuscaValorPacote(2, "PK1", 2024, "M"), 0);
}

TEST_F(RegistryTest, OptionalsValuedFrozenThenEditionThenModel) {
  SeedFicha(connection(), "CH2", {{"ANO_MODELO", I(2023)}});
  OpcionalFicha(connection(), 1, "CH2", "VT", std::nullopt);  // edition of 2023: 9999
  SeedFicha(connection(), "CH'3");
  OpcionalFicha(connection(), 1, "CH'3", "RD", std::nullopt);  // model: 400
  Load("V1");
  EXPECT_DOUBLE_EQ(module().SomaOpcionais(1, "S", ""), 3450);      // current vehicle
  EXPECT_DOUBLE_EQ(module().SomaOpcionais(99, "S", "CH1"), 3450);  // the company does not restrict
  EXPECT_DOUBLE_EQ(module().SomaOpcionais(1, "S", "CH2"), 9999);
  EXPECT_DOUBLE_EQ(module().SomaOpcionais(1, "S", "CH'3"), 400);
  EXPECT_DOUBLE_EQ(module().SomaOpcionais(1, "S", "NOPE"), 0);
  for (const char* considera : {"N", "s", ""})
    EXPECT_DOUBLE_EQ(module().SomaOpcionais(1, considera, "CH1"), 0);
  // The cache of sums answers without queries, also in the full value.
  FillOptionalsCache();
  EXPECT_EQ(StatementsOf([&] {
              EXPECT_DOUBLE_EQ(module().SomaOpcionais(1, "S", ""), 111.5);
              EXPECT_DOUBLE_EQ(module().SomaOpcionais(1, "S", "CH9"), 42.0);
              EXPECT_DOUBLE_EQ(module().SomaOpcionais(1, "S", "CH2"), 0);  // not cached
            }),
            0);
  EXPECT_DOUBLE_EQ(Valor(false, false), 52411.5);  // 52300 + 111.5
}

TEST_F(RegistryTest, NissanFlagAndSituations) {
  Nissan(connection(), 1, 1);
  Nissan(connection(), 2, 0);
  Nissan(connection(), 3, std::nullopt);
  EXPECT_TRUE(module().UtilizaNissanDI(" 1 ", "1"));
  for (const char* revenda : {"2", "3", "5"}) EXPECT_FALSE(module().UtilizaNissanDI("1", revenda));
  for (const char* text : {"1 or 1=1", "", "abc", "1.0", "99999999999"}) {
    SCOPED_TRACE(text);
    EXPECT_VEICULO_ERROR(
        module().UtilizaNissanDI(text, "1"), ErrorCategory::Validation,
        std::string("UtilizaNissanDI: the company '") + text + "' is not an integer");
    EXPECT_THROW(module().UtilizaNissanDI("1", text), Error);
  }
  EXPECT_TRUE(module().SituacoesVeiculoEstoqueDisponivelVenda("ES"));
  for (const char* s : {"RS", "TR", "es", ""})
    EXPECT_FALSE(module().SituacoesVeiculoEstoqueDisponivelVenda(s));
}

TEST_F(RegistryTest, ColourPriceByTheRecordsSemiClearCode) {
  SeedCor(connection(), "PRATA", 64000);
  SeedCor(connection(), "O'NIX", 65000);
  SeedCor(connection(), "", 1);                                       // would match an empty colour
  SeedCor(connection(), "AZUL", 70000, 0);                            // would match a zero year
  SeedFicha(connection(), "CH2", {{"CODIGO_SEMI_CLARO", T("SC9")}});  // no colour row
  SeedFicha(connection(), "CH3", {{"CODIGO_SEMI_CLARO", T("SC3")}});
  SemiClaro(connection(), "SC3", "O'NIX");
  SeedFicha(connection(), "CHV", {{"CODIGO_SEMI_CLARO", T("SCV")}});
  SemiClaro(connection(), "SCV", "");
  SeedFicha(connection(), "CH0", {{"ANO_FABRICACAO", I(0)}, {"CODIGO_SEMI_CLARO", T("SC0")}});
  SemiClaro(connection(), "SC0", "AZUL", 0);
  EXPECT_DOUBLE_EQ(module().BuscarValorFichaGama(1, "M1", "CH1"), 64000);
  EXPECT_DOUBLE_EQ(module().BuscarValorFichaGama(1, "M1", "CH3"), 65000);
  for (const char* chassi : {"CH2", "CHV", "CH0", "NO'PE"})
    EXPECT_DOUBLE_EQ(module().BuscarValorFichaGama(1, "M1", chassi), 0) << chassi;
  EXPECT_DOUBLE_EQ(module().BuscarValorFichaGama(1, "M2", "CH1"), 0);
}

}  // namespace
}  // namespace veiculo::testing
