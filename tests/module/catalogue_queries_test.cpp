// The fixed queries on the embedded Firebird database: every one opens with
// its text adapted for INTERBASE, and the ones with logic of their own (public
// price, invoice tax, bonus window, ordering, read-only, lower-case
// parameters) give the rows their readers expect.

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "module/catalogue_seed.h"
#include "module/maker_utils/compat_banco.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/db/sql_markers.h"
#include "platform/format/date_time.h"
#include "platform/text.h"
#include "support/kit.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using testing::D;
using testing::F;
using testing::I;
using testing::T;

using platform::EncodeDate;
using testing::Insert;
using testing::Prices;

class CatalogueDb : public testing::ModuleTest {
 protected:
  // A vehicle of company 1 with its follow-up record (joined by chassis).
  void Vehicle(const std::string& veiculo, const std::string& modelo, int origem,
               std::optional<std::string> pintura) {
    testing::AddVehicle(connection(), veiculo, "CH" + veiculo,
                        {{"MODELO", T(modelo)}, {"REVENDA_ORIGEM", I(origem)}},
                        {{"TIPO_PINTURA", testing::TextOrNull(pintura)}});
  }
};

// A value of the right kind for every parameter name of the catalogue
// (dates as yyyymmdd).
Value PlausibleValue(const std::string& name) {
  auto find = [&](const char* pairs) -> std::optional<std::string> {
    std::istringstream in(pairs);
    for (std::string key, value; in >> key >> value;)
      if (key == platform::UpperCase(name)) return value;
    return std::nullopt;
  };
  if (auto v = find("VEICULO V1 FORMULA F1 TIPO E SERIE U MODELO M1 CHASSI CH1 SUBSIDIO S1 "
                    "PACOTE P1 TIPOPINTURA M TIPOPRECO N"))
    return T(*v);
  if (auto v = find("EMPRESA 1 REVENDA 1 LINHA 1 INDICE 1 NUMERO 100 CONTADOR 1 BONUS 1 "
                    "PROPOSTA 1 NEGOCIACAO 1 ANOMODELO 2024"))
    return I(std::stoi(*v));
  if (auto v = find("DATA 20240301 DATACOMPRA 20240115 DATAVENDA 20240201 DATAPRODUCAO 20231201")) {
    const int d = std::stoi(*v);
    return D(EncodeDate(d / 10000, d / 100 % 100, d % 100));
  }
  ADD_FAILURE() << "no value for parameter " << name;
  return Value();
}

template <class DataSet>
void Plausible(DataSet& dataset) {
  for (platform::Param& param : dataset.GetParams()) param.value = PlausibleValue(param.name);
}

TEST_F(CatalogueDb, EveryQueryOpensAdaptedForInterbaseAlsoThroughItsClientDataset) {
  int sql_opened = 0, client_opened = 0;
  for (const auto& component : module().Components()) {
    SCOPED_TRACE(component->Name());
    if (auto* sds = dynamic_cast<platform::SqlDataSet*>(component.get())) {
      const std::string text = sds->CommandText();
      if (text.empty()) continue;
      // Undeclared parameters come from the client dataset: supplied here one per marker.
      if (sds->GetParams().Empty())
        for (const std::string& name : platform::DistinctMarkerNames(text))
          sds->GetParams().Add(name);
      Plausible(*sds);
      EXPECT_NO_THROW(sds->Open());
      EXPECT_TRUE(sds->Active());
      EXPECT_EQ(sds->CommandText(), maker::CompatBanco(text, "INTERBASE", 1, false));
      sds->Close();
      ++sql_opened;
    } else if (auto* cds = dynamic_cast<platform::ClientDataSet*>(component.get())) {
      if (cds->GetParams().Empty()) continue;  // free ones have no SQL yet
      Plausible(*cds);
      EXPECT_NO_THROW(cds->Open());
      EXPECT_EQ(cds->RecordCount(), 0);  // nothing seeded
      cds->Close();
      ++client_opened;
    }
  }
  EXPECT_EQ(sql_opened, 27);
  EXPECT_EQ(client_opened, 25);
}

TEST_F(CatalogueDb, LowerCaseParametersBindToTheMixedCaseMarkers) {
  const struct {
    int empresa;
    const char *chassi, *modelo, *opcional;
  } rows[] = {{1, "CH1", "M1", "TETO"},
              {1, "CH1", "M2", "RODA"},    // another model
              {1, "CH2", "M1", "SOM"},     // another chassis
              {2, "CH1", "M1", "BANCO"}};  // not the record's company
  for (const char* chassi : {"CH1", "CH2"})
    Insert(connection(), "OFI_FICHA_SEGUIMENTO", "CHASSI EMPRESA", {T(chassi), I(1)});
  for (const auto& r : rows)
    testing::SeedFichaOpcional(connection(), r.empresa, r.chassi, r.modelo, r.opcional);
  ASSERT_EQ(module().sdsBonusOpcVei->GetParams()[0].name, "chassi");
  module().cdsBonusOpcVei->ParamByName("chassi").SetAsText("CH1");
  module().cdsBonusOpcVei->ParamByName("modelo").SetAsText("M1");
  module().cdsBonusOpcVei->Open();
  ASSERT_EQ(module().cdsBonusOpcVei->RecordCount(), 1);
  EXPECT_EQ(module().cdsBonusOpcVei->FieldByName("OPCIONAL").AsText(), "TETO");
}

TEST_F(CatalogueDb, VehiclePublicPriceByOriginDealerAndPaintType) {
  // M1: 80000, paints S 500, M 1200, P 2000, E 3500. Dealer rows of M1: 2 (79000;
  // 450, 1100, 1900, 3400), 4 (78000, no paints), 3 (99000: never the origin, never
  // picked). M0: no price, only M paint 1200, no dealer rows.
  SeedModelo(connection(), 1, "M1", Prices{80000, 500, 1200, 2000, 3500});
  SeedModelo(connection(), 1, "M1", Prices{79000, 450, 1100, 1900, 3400}, 2);
  SeedModelo(connection(), 1, "M1", Prices{78000, {}, {}, {}, {}}, 4);
  SeedModelo(connection(), 1, "M1", Prices{99000, 9000, 9000, 9000, 9000}, 3);
  SeedModelo(connection(), 1, "M0", Prices{{}, {}, 1200, {}, {}});
  // The price by paint type S, M, P, E, another (X) and none.
  const struct {
    const char* modelo;
    int origem;
    double precos[6];
  } cases[] = {
      // Dealer price + dealer paint: 79000 + 450, 1100, 1900, 3400.
      {"M1", 2, {79450, 80100, 80900, 82400, 79000, 79000}},
      // No row at dealer 5: model price + model paint, 80000 + 500, 1200, 2000, 3500.
      {"M1", 5, {80500, 81200, 82000, 83500, 80000, 80000}},
      // Dealer price, model paint: 78000 + 500, 1200, 2000, 3500.
      {"M1", 4, {78500, 79200, 80000, 81500, 78000, 78000}},
      // No price: 0 + M 1200, 0 + absent paints.
      {"M0", 2, {0, 1200, 0, 0, 0, 0}},
  };
  const std::optional<std::string> pinturas[] = {"S", "M", "P", "E", "X", std::nullopt};
  int n = 0;
  for (const auto& c : cases)
    for (const auto& pintura : pinturas)
      Vehicle("V" + std::to_string(++n), c.modelo, c.origem, pintura);
  n = 0;
  for (const auto& c : cases)
    for (int k = 0; k < 6; ++k) {
      SCOPED_TRACE(std::string(c.modelo) + " from dealer " + std::to_string(c.origem) + ", paint " +
                   pinturas[k].value_or("(null)"));
      module().cdsVeiculo->ParamByName("Empresa").SetAsInteger(1);
      module().cdsVeiculo->ParamByName("Veiculo").SetAsText("V" + std::to_string(++n));
      module().cdsVeiculo->Open();
      ASSERT_EQ(module().cdsVeiculo->RecordCount(), 1);
      EXPECT_DOUBLE_EQ(module().cdsVeiculo->FieldByName("PRECO_PUBLICO").AsFloat(), c.precos[k]);
      module().cdsVeiculo->Close();
    }
}

TEST_F(CatalogueDb, OpeningTheVehicleTwiceForTheSameKeyYieldsOneRow) {
  SeedModelo(connection(), 1, "M1", Prices{80000, 500, 1200, 2000, 3500});
  Vehicle("V1", "M1", 1, "S");
  platform::ClientDataSet& cds = *module().cdsVeiculo;
  cds.ParamByName("Empresa").SetAsInteger(1);
  cds.ParamByName("Veiculo").SetAsText("V1");
  cds.Open();
  cds.Open();  // already open: nothing is added
  EXPECT_EQ(cds.RecordCount(), 1);
  cds.Close();
  cds.Open();
  EXPECT_EQ(cds.RecordCount(), 1);
  EXPECT_TRUE(cds.FindKey({I(1), T("V1")}));
  EXPECT_FALSE(cds.FindKey({I(1), T("V2")}));
}

TEST_F(CatalogueDb, PackageYearReturnsTheMostRecentIssueFirst) {
  const std::tuple<const char*, double, double> rows[] = {
      {"N", EncodeDate(2023, 1, 10), 1500},
      {"N", EncodeDate(2024, 6, 1), 1700},
      {"N", EncodeDate(2022, 12, 31), 1400},
      {"F", EncodeDate(2025, 1, 1), 9999}};  // another price type
  for (const auto& [tipo_preco, emissao, valor] : rows)
    Insert(connection(), "VEI_PACOTE_ANO",
           "EMPRESA PACOTE ANO_MODELO TIPO_PINTURA TIPO_PRECO DTA_EMISSAO VAL_PACOTE",
           {I(1), T("P1"), I(2024), T("M"), T(tipo_preco), D(emissao), F(valor)});
  platform::SqlDataSet& sds = *module().sdsPacoteAno;
  Plausible(sds);  // price type N
  sds.Open();
  ASSERT_EQ(sds.RecordCount(), 3);
  for (double valor : {1700, 1500, 1400}) {
    EXPECT_DOUBLE_EQ(sds.FieldByName("VAL_PACOTE").AsFloat(), valor);
    sds.Next();
  }
}

TEST_F(CatalogueDb, BonusesOfThePurchaseWindowInGroupOrderAndReadOnly) {
  const struct {
    int bonus;
    const char *modelo, *grupo;
    std::optional<double> inicio, fim;
  } rows[] = {
      {1, "M1", "G2", {}, {}},  // no window: any purchase date
      {2, "M1", "G1", EncodeDate(2024, 1, 1), EncodeDate(2024, 1, 31)},  // 15/01 inside
      {3, "M1", "G0", EncodeDate(2023, 1, 1), EncodeDate(2023, 12, 31)},
      {4, "M2", "G0", {}, {}},  // another model
  };
  auto date = [](std::optional<double> d) { return d ? D(*d) : Value::Null(); };
  for (const auto& r : rows)
    Insert(connection(), "VEI_BONUS",
           "EMPRESA BONUS MODELO GRUPO_BONUS DTA_COMPRA_INICIO DTA_COMPRA_FIM",
           {I(1), I(r.bonus), T(r.modelo), T(r.grupo), date(r.inicio), date(r.fim)});
  platform::ClientDataSet& cds = *module().cdsBonus;
  Plausible(cds);
  cds.Open();  // purchase 15/01/2024, model M1
  ASSERT_EQ(cds.RecordCount(), 2);
  EXPECT_EQ(cds.FieldByName("BONUS").AsInteger(), 2);  // G1 before G2
  cds.Next();
  EXPECT_EQ(cds.FieldByName("BONUS").AsInteger(), 1);
  EXPECT_THROW(cds.Edit(), Error);
  EXPECT_THROW(cds.Insert(), Error);
  EXPECT_THROW(cds.Delete(), Error);
  EXPECT_EQ(cds.ChangeCount(), 0);
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
  // Invoices of company 1, dealer 1, series "U", transaction "E", counter 1.
  const std::string key = "EMPRESA REVENDA SERIE_NOTA_FISCAL TIPO_TRANSACAO CONTADOR ";
  auto with_key = [](int numero, Value a, Value b) {
    return std::vector<Value>{I(1), I(1), T("U"), T("E"), I(1), I(numero), a, b};
  };
  for (const auto& c : cases) {
    Insert(connection(), "FAT_MOVIMENTO_CAPA",
           key + "NUMERO_NOTA_FISCAL VAL_ICMS_FRETE VAL_ICMS_SEGURO",
           with_key(c.numero, testing::Money(c.frete), testing::Money(c.seguro)));
    for (auto [veiculo, valor] : {std::pair{"V1", 80.0}, {"V2", 99.0}})  // V2: another vehicle
      Insert(connection(), "FAT_MOVIMENTO_VEICULO",
             key + "NUMERO_NOTA_FISCAL VEICULO VAL_ICMS_FRETE_SEGURO",
             with_key(c.numero, T(veiculo), F(valor)));
  }
  platform::ClientDataSet& cds = *module().cdsMovimentoVeiculo;
  for (const auto& c : cases) {
    SCOPED_TRACE("invoice " + std::to_string(c.numero));
    Plausible(cds);
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
