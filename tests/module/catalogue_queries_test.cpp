// The fixed queries of the module run on the embedded Firebird database: every
// one opens with its text adapted for INTERBASE, and the queries with logic of
// their own (public price, invoice tax, bonus window, ordering, read-only and
// lower-case parameters) give the rows their readers expect.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "module/catalogue_seed.h"
#include "module/maker_utils/compat_banco.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/db/sql_markers.h"
#include "platform/format/date_time.h"
#include "platform/text.h"
#include "support/test_database.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using platform::EncodeDate;
using testing::Bonus;
using testing::Ficha;
using testing::Prices;
using testing::SeedBonus;
using testing::SeedFichaOpcional;
using testing::SeedFichaSeguimento;
using testing::SeedModelo;
using testing::SeedModeloPreco;
using testing::SeedMovimentoCapa;
using testing::SeedMovimentoVeiculo;
using testing::SeedPacoteAno;
using testing::SeedVeiculo;

class CatalogueDb : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm_.InicializaDM();
    dm_.AtribuiConexao(&connection());
  }
  TddmVeiculoCompartilhadoBD dm_;
};

// A value of the right kind for every parameter name of the catalogue.
Value PlausibleValue(const std::string& name) {
  static const std::map<std::string, Value> values = {
      {"EMPRESA", Value::Integer(1)},
      {"REVENDA", Value::Integer(1)},
      {"VEICULO", Value::Text("V1")},
      {"FORMULA", Value::Text("F1")},
      {"LINHA", Value::Integer(1)},
      {"INDICE", Value::Integer(1)},
      {"DATA", Value::DateTime(EncodeDate(2024, 3, 1))},
      {"TIPO", Value::Text("E")},
      {"NUMERO", Value::Integer(100)},
      {"SERIE", Value::Text("U")},
      {"CONTADOR", Value::Integer(1)},
      {"MODELO", Value::Text("M1")},
      {"DATACOMPRA", Value::DateTime(EncodeDate(2024, 1, 15))},
      {"DATAVENDA", Value::DateTime(EncodeDate(2024, 2, 1))},
      {"DATAPRODUCAO", Value::DateTime(EncodeDate(2023, 12, 1))},
      {"BONUS", Value::Integer(1)},
      {"CHASSI", Value::Text("CH1")},
      {"PROPOSTA", Value::Integer(1)},
      {"NEGOCIACAO", Value::Integer(1)},
      {"SUBSIDIO", Value::Text("S1")},
      {"PACOTE", Value::Text("P1")},
      {"ANOMODELO", Value::Integer(2024)},
      {"TIPOPINTURA", Value::Text("M")},
      {"TIPOPRECO", Value::Text("N")},
  };
  const auto it = values.find(platform::UpperCase(name));
  EXPECT_NE(it, values.end()) << "no value for parameter " << name;
  return it == values.end() ? Value() : it->second;
}

TEST_F(CatalogueDb, EverySqlDatasetOpensWithItsTextAdaptedForInterbase) {
  int opened = 0;
  for (const auto& component : dm_.Components()) {
    auto* sds = dynamic_cast<platform::SqlDataSet*>(component.get());
    if (sds == nullptr || sds->CommandText().empty()) continue;
    SCOPED_TRACE(sds->Name());
    const std::string text = sds->CommandText();
    // A query that declares no parameters gets them from its client dataset;
    // here they are supplied the same way, one per marker.
    if (sds->GetParams().Empty())
      for (const std::string& name : platform::DistinctMarkerNames(text))
        sds->GetParams().Add(name);
    for (platform::Param& param : sds->GetParams()) param.value = PlausibleValue(param.name);
    EXPECT_NO_THROW(sds->Open());
    EXPECT_TRUE(sds->Active());
    EXPECT_EQ(sds->CommandText(), maker::CompatBanco(text, "INTERBASE", 1, false));
    sds->Close();
    ++opened;
  }
  EXPECT_EQ(opened, 27);
}

TEST_F(CatalogueDb, EveryClientDatasetOpensThroughItsProviderWithItsOwnParameters) {
  int opened = 0;
  for (const auto& component : dm_.Components()) {
    auto* cds = dynamic_cast<platform::ClientDataSet*>(component.get());
    if (cds == nullptr || cds->GetParams().Empty()) continue;  // free ones have no SQL yet
    SCOPED_TRACE(cds->Name());
    for (platform::Param& param : cds->GetParams()) param.value = PlausibleValue(param.name);
    EXPECT_NO_THROW(cds->Open());
    EXPECT_TRUE(cds->Active());
    EXPECT_EQ(cds->RecordCount(), 0);  // nothing seeded
    cds->Close();
    ++opened;
  }
  EXPECT_EQ(opened, 25);
}

TEST_F(CatalogueDb, LowerCaseParametersBindToTheMixedCaseMarkers) {
  SeedFichaSeguimento(connection(), Ficha{.chassi = "CH1"});
  SeedFichaSeguimento(connection(), Ficha{.chassi = "CH2"});
  SeedFichaOpcional(connection(), 1, "CH1", "M1", "TETO");
  SeedFichaOpcional(connection(), 1, "CH1", "M2", "RODA");   // another model
  SeedFichaOpcional(connection(), 1, "CH2", "M1", "SOM");    // another chassis
  SeedFichaOpcional(connection(), 2, "CH1", "M1", "BANCO");  // not the record's company

  ASSERT_EQ(dm_.sdsBonusOpcVei->GetParams()[0].name, "chassi");
  dm_.sdsBonusOpcVei->ParamByName("chassi").SetAsText("CH1");
  dm_.sdsBonusOpcVei->ParamByName("modelo").SetAsText("M1");
  dm_.sdsBonusOpcVei->Open();
  ASSERT_EQ(dm_.sdsBonusOpcVei->RecordCount(), 1);
  EXPECT_EQ(dm_.sdsBonusOpcVei->FieldByName("OPCIONAL").AsText(), "TETO");
  dm_.sdsBonusOpcVei->Close();

  // The same through the client dataset, whose parameters pass through the provider.
  dm_.cdsBonusOpcVei->ParamByName("chassi").SetAsText("CH1");
  dm_.cdsBonusOpcVei->ParamByName("modelo").SetAsText("M2");
  dm_.cdsBonusOpcVei->Open();
  ASSERT_EQ(dm_.cdsBonusOpcVei->RecordCount(), 1);
  EXPECT_EQ(dm_.cdsBonusOpcVei->FieldByName("OPCIONAL").AsText(), "RODA");
}

// Model M1: public price 80000, paint S 500, M 1200, P 2000, E 3500.
// Price rows of M1: dealer 2 (79000; S 450, M 1100, P 1900, E 3400), dealer 4
// (78000, no paint values), dealer 3 (99000, paints 9000: no vehicle comes
// from dealer 3, so it must never be picked). Model M0 has no public price and
// only an M paint value of 1200, and no price rows.
void SeedPriceCatalogue(Connection& c) {
  SeedModelo(c, 1, "M1", Prices{80000, 500, 1200, 2000, 3500});
  SeedModeloPreco(c, 1, "M1", 2, Prices{79000, 450, 1100, 1900, 3400});
  SeedModeloPreco(c, 1, "M1", 4, Prices{78000, {}, {}, {}, {}});
  SeedModeloPreco(c, 1, "M1", 3, Prices{99000, 9000, 9000, 9000, 9000});
  SeedModelo(c, 1, "M0", Prices{{}, {}, 1200, {}, {}});
}

TEST_F(CatalogueDb, VehiclePublicPriceByOriginDealerAndPaintType) {
  SeedPriceCatalogue(connection());
  const struct {
    const char* modelo;
    int origem;
    std::optional<std::string> pintura;
    double preco;  // expected PRECO_PUBLICO
  } cases[] = {
      // Price row at the origin dealer (2): dealer price + dealer paint.
      {"M1", 2, "S", 79450},  // 79000 + 450
      {"M1", 2, "M", 80100},  // 79000 + 1100
      {"M1", 2, "P", 80900},  // 79000 + 1900
      {"M1", 2, "E", 82400},  // 79000 + 3400
      {"M1", 2, "X", 79000},  // other paint type: no surcharge
      {"M1", 2, std::nullopt, 79000},
      // No price row at the origin dealer (5): model price + model paint.
      {"M1", 5, "S", 80500},  // 80000 + 500
      {"M1", 5, "M", 81200},  // 80000 + 1200
      {"M1", 5, "P", 82000},  // 80000 + 2000
      {"M1", 5, "E", 83500},  // 80000 + 3500
      {"M1", 5, "X", 80000},
      // Dealer price without dealer paint (4): paint falls back to the model's.
      {"M1", 4, "S", 78500},  // 78000 + 500
      {"M1", 4, "M", 79200},  // 78000 + 1200
      {"M1", 4, "P", 80000},  // 78000 + 2000
      {"M1", 4, "E", 81500},  // 78000 + 3500
      {"M1", 4, "X", 78000},
      // Neither price: 0 + the model's paint, itself 0 when absent.
      {"M0", 2, "M", 1200},  // 0 + 1200
      {"M0", 2, "S", 0},     // 0 + 0
      {"M0", 2, "X", 0},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string veiculo = "V" + std::to_string(++n);
    const std::string chassi = "CH" + std::to_string(n);
    SeedFichaSeguimento(connection(), Ficha{.chassi = chassi, .tipo_pintura = c.pintura});
    SeedVeiculo(
        connection(),
        testing::Veiculo{
            .veiculo = veiculo, .modelo = c.modelo, .chassi = chassi, .revenda_origem = c.origem});
  }
  n = 0;
  for (const auto& c : cases) {
    const std::string veiculo = "V" + std::to_string(++n);
    SCOPED_TRACE(std::string(c.modelo) + " from dealer " + std::to_string(c.origem) + ", paint " +
                 c.pintura.value_or("(null)"));
    dm_.cdsVeiculo->ParamByName("Empresa").SetAsInteger(1);
    dm_.cdsVeiculo->ParamByName("Veiculo").SetAsText(veiculo);
    dm_.cdsVeiculo->Open();
    ASSERT_EQ(dm_.cdsVeiculo->RecordCount(), 1);
    EXPECT_DOUBLE_EQ(dm_.cdsVeiculo->FieldByName("PRECO_PUBLICO").AsFloat(), c.preco);
    dm_.cdsVeiculo->Close();
  }
}

TEST_F(CatalogueDb, VehicleRowCarriesFormulaAndFollowUpColumns) {
  SeedModelo(connection(), 1, "M1", Prices{80000, 500, 1200, 2000, 3500});
  SeedFichaSeguimento(
      connection(),
      Ficha{.chassi = "CH9", .tipo_pintura = "M", .edicao = "ED7", .ano_modelo = 2025});
  SeedVeiculo(connection(),
              testing::Veiculo{.veiculo = "V9", .modelo = "M1", .chassi = "CH9", .formula = "F9"});
  dm_.cdsVeiculo->ParamByName("Empresa").SetAsInteger(1);
  dm_.cdsVeiculo->ParamByName("Veiculo").SetAsText("V9");
  dm_.cdsVeiculo->Open();
  ASSERT_EQ(dm_.cdsVeiculo->RecordCount(), 1);
  EXPECT_EQ(dm_.cdsVeiculo->FieldByName("FORMULA_CUSTEIO").AsText(), "F9");
  EXPECT_EQ(dm_.cdsVeiculo->FieldByName("EDICAO_MODELO").AsText(), "ED7");
  EXPECT_EQ(dm_.cdsVeiculo->FieldByName("ANO_MODELO").AsInteger(), 2025);
  EXPECT_EQ(dm_.cdsVeiculo->FieldByName("TIPO_PINTURA").AsText(), "M");
  // The computed price comes before the model's own column of the same name.
  EXPECT_DOUBLE_EQ(dm_.cdsVeiculo->FieldByName("PRECO_PUBLICO").AsFloat(), 81200);  // 80000 + 1200
}

TEST_F(CatalogueDb, OpeningTheVehicleTwiceForTheSameKeyYieldsOneRow) {
  SeedModelo(connection(), 1, "M1", Prices{80000, 500, 1200, 2000, 3500});
  SeedFichaSeguimento(connection(), Ficha{.chassi = "CH1", .tipo_pintura = "S"});
  SeedVeiculo(connection(), testing::Veiculo{.veiculo = "V1", .modelo = "M1", .chassi = "CH1"});
  platform::ClientDataSet& cds = *dm_.cdsVeiculo;
  cds.ParamByName("Empresa").SetAsInteger(1);
  cds.ParamByName("Veiculo").SetAsText("V1");
  cds.Open();
  cds.Open();  // already open: nothing is added
  EXPECT_EQ(cds.RecordCount(), 1);
  cds.Close();
  cds.Open();
  EXPECT_EQ(cds.RecordCount(), 1);
  EXPECT_EQ(cds.IndexName(), "cdsVeiculoIndex1");
  EXPECT_TRUE(cds.FindKey({Value::Integer(1), Value::Text("V1")}));
  EXPECT_FALSE(cds.FindKey({Value::Integer(1), Value::Text("V2")}));
}

TEST_F(CatalogueDb, PackageYearReturnsTheMostRecentIssueFirst) {
  SeedPacoteAno(connection(), "P1", "N", EncodeDate(2023, 1, 10), 1500);
  SeedPacoteAno(connection(), "P1", "N", EncodeDate(2024, 6, 1), 1700);
  SeedPacoteAno(connection(), "P1", "N", EncodeDate(2022, 12, 31), 1400);
  SeedPacoteAno(connection(), "P1", "F", EncodeDate(2025, 1, 1), 9999);  // another price type
  platform::SqlDataSet& sds = *dm_.sdsPacoteAno;
  for (platform::Param& param : sds.GetParams()) param.value = PlausibleValue(param.name);
  sds.ParamByName("TipoPreco").SetAsText("N");
  sds.Open();
  ASSERT_EQ(sds.RecordCount(), 3);
  const double expected[] = {EncodeDate(2024, 6, 1), EncodeDate(2023, 1, 10),
                             EncodeDate(2022, 12, 31)};
  for (double date : expected) {
    EXPECT_DOUBLE_EQ(sds.FieldByName("DTA_EMISSAO").AsDateTime(), date);
    sds.Next();
  }
  sds.First();
  EXPECT_DOUBLE_EQ(sds.FieldByName("VAL_PACOTE").AsFloat(), 1700);
}

TEST_F(CatalogueDb, BonusesOfThePurchaseWindowInGroupOrderAndReadOnly) {
  const double jan1 = EncodeDate(2024, 1, 1), jan31 = EncodeDate(2024, 1, 31);
  SeedBonus(connection(), Bonus{.bonus = 1, .modelo = "M1", .grupo = "G2"});  // no window
  SeedBonus(connection(), Bonus{2, "M1", "G1", jan1, jan31});                 // 15/01 inside
  SeedBonus(connection(), Bonus{3, "M1", "G0", EncodeDate(2023, 1, 1), EncodeDate(2023, 12, 31)});
  SeedBonus(connection(), Bonus{.bonus = 4, .modelo = "M2", .grupo = "G0"});  // another model
  platform::ClientDataSet& cds = *dm_.cdsBonus;
  for (platform::Param& param : cds.GetParams()) param.value = PlausibleValue(param.name);
  cds.Open();  // purchase 15/01/2024, model M1
  ASSERT_EQ(cds.RecordCount(), 2);
  EXPECT_EQ(cds.FieldByName("BONUS").AsInteger(), 2);  // G1 before G2
  cds.Next();
  EXPECT_EQ(cds.FieldByName("BONUS").AsInteger(), 1);

  EXPECT_THROW(cds.Edit(), Error);
  EXPECT_THROW(cds.Insert(), Error);
  EXPECT_THROW(cds.Delete(), Error);
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 2);
}

TEST_F(CatalogueDb, InvoiceLineTaxOnFreightAndInsurance) {
  const struct {
    int numero;
    std::optional<double> frete, seguro;
    double expected;
  } cases[] = {
      {1, 150, 50, 200},          // header sum 150 + 50 = 200 > 0: the header's
      {2, 0, 0, 80},              // header sum 0: the line's own 80
      {3, 30, -50, 80},           // header sum -20 is not positive: the line's
      {4, std::nullopt, 50, 80},  // no freight tax: the sum is unknown, the line's
  };
  for (const auto& c : cases) {
    SeedMovimentoCapa(connection(), c.numero, c.frete, c.seguro);
    SeedMovimentoVeiculo(connection(), c.numero, "V1", 80);
    SeedMovimentoVeiculo(connection(), c.numero, "V2", 99);  // another vehicle on the invoice
  }
  platform::ClientDataSet& cds = *dm_.cdsMovimentoVeiculo;
  for (const auto& c : cases) {
    SCOPED_TRACE("invoice " + std::to_string(c.numero));
    for (platform::Param& param : cds.GetParams()) param.value = PlausibleValue(param.name);
    cds.ParamByName("Numero").SetAsInteger(c.numero);
    cds.Open();
    ASSERT_EQ(cds.RecordCount(), 1);
    EXPECT_EQ(cds.FieldByName("VEICULO").AsText(), "V1");
    EXPECT_DOUBLE_EQ(cds.FieldByName("VAL_ICMS_FRETE_SEGURO_CALC").AsFloat(), c.expected);
    cds.Close();
  }
}

}  // namespace
}  // namespace veiculo
