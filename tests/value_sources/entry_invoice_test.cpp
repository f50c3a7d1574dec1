// Entry-invoice values: every kind of code over one seeded set of invoices,
// the purchase-type shortcut, the freight date, the sums over purchase
// invoices (with the entry dealer's own), and the share of one vehicle on an
// invoice of several.

#include <gtest/gtest.h>

#include <string>

#include "value_sources/invoice_seed.h"

namespace veiculo::testing {
namespace {

const Invoice kEntry{2, 100, "E51"};          // V1's entry invoice, at dealer 2
const Invoice kThreeVehicles{1, 110, "E51"};  // V3's (and V6's) entry invoice
const Invoice kTwoVehicles{1, 111, "E51"};    // V5's entry invoice
const Invoice kFreight{1, 300, "F10"};        // V1's freight invoice, 10/03/2024

// A purchase invoice (modality 'C') with one vehicle line.
void SeedPurchase(Connection& c, const Invoice& nf, const std::string& status,
                  const std::string& modalidade, const std::string& veiculo, const Columns& header,
                  const Columns& line) {
  SeedHeader(
      c, nf,
      Columns{{"STATUS", Value::Text(status)}, {"MODALIDADE", Value::Text(modalidade)}} + header);
  SeedVehicleLine(c, nf, veiculo, line);
}

Columns Amounts(double tot, double desconto, double frete) {
  return {{"TOT_NOTA_FISCAL", Value::Float(tot)},
          {"VALDESCONTO", Value::Float(desconto)},
          {"VAL_FRETE_PF", Value::Float(frete)}};
}

Columns PisCofins(double pis, double cofins) {
  return {{"VAL_PIS", Value::Float(pis)}, {"VAL_COFINS", Value::Float(cofins)}};
}

// The line of V3 and V5: their own value on a several-vehicle invoice.
const Columns kShareLine = {{"VAL_TOTAL", Value::Float(48000)},
                            {"VAL_OPCIONAIS", Value::Float(1500)},
                            {"VAL_IPI", Value::Float(500)},
                            {"VAL_FRETE", Value::Float(800)},
                            {"VAL_SEGURO", Value::Float(200)},
                            {"VAL_PIS_SUBTRIBUTARIA", Value::Float(60)},
                            {"VAL_COFINS_SUBTRIBUTARIA", Value::Float(280)},
                            {"VAL_ICMS_RETIDO", Value::Float(400)},
                            {"VAL_DESCONTO", Value::Float(1000)},
                            {"ICMS_DESONERADO", Value::Float(400)}};

class EntryInvoiceTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    SeedModel(c);
    auto sale = [](const char* tipo, double compra) {
      return Columns{{"TIPO_VENDA", Value::Text(tipo)}, {"VAL_COMPRA", Value::Float(compra)}};
    };
    SeedVehicle(c, "V1", "CH1",
                sale("N", 47000) + EntryInvoiceOf(kEntry) + FreightInvoiceOf(kFreight));
    SeedVehicle(c, "V2", "CH2", sale("F", 45000) + EntryInvoiceOf(kEntry));
    SeedVehicle(c, "V7", "CH7", sale("D", 41000) + EntryInvoiceOf(kEntry));
    SeedVehicle(c, "V3", "CH3", sale("N", 49000) + EntryInvoiceOf(kThreeVehicles));
    SeedVehicle(c, "V5", "CH5", sale("N", 49000) + EntryInvoiceOf(kTwoVehicles));
    SeedVehicle(c, "V6", "CH6", sale("N", 49000) + EntryInvoiceOf(kThreeVehicles));
    SeedVehicle(c, "V4", "CH4", sale("N", 30000));

    SeedHeader(
        c, kEntry,
        Amounts(50000, 2000, 900) + Columns{{"TOT_QUANTIDADES", Value::Integer(1)},
                                            {"MODALIDADE", Value::Text("N")},
                                            {"STATUS", Value::Text("F")},
                                            {"VAL_ICMS_FRETE", Value::Float(30)},
                                            {"VAL_ICMS_SEGURO", Value::Float(20)},
                                            {"ICMSDESONERADO_DESCONTADONOTA", Value::Text("S")},
                                            {"VAL_FUNDO_RESERVA", Value::Float(250)},
                                            {"VAL_DESC_INCONDICIONAL", Value::Float(180)}});
    SeedVehicleLine(c, kEntry, "V1",
                    PisCofins(300, 1400) + Columns{{"VAL_ICMS_FRETE_SEGURO", Value::Float(99)},
                                                   {"VAL_ICMS_FRETE_PF", Value::Float(15)},
                                                   {"ICMS_DESONERADO", Value::Float(700)},
                                                   {"VAL_ICMS_COMB_POBREZA", Value::Float(123.45)},
                                                   {"VAL_IPI", Value::Float(2500)},
                                                   {"VAL_DESP_ADUANEIRA", Value::Float(77)}});
    SeedHeader(c, kFreight,
               {{"DTA_ENTRADA_SAIDA", DateValue(2024, 3, 10)}, {"MODALIDADE", Value::Text("N")}});

    // V1's purchase invoices: those that count (dealer 1 final or open, the
    // entry dealer 2 final only) and those that do not.
    SeedPurchase(c, {1, 201, "E51"}, "F", "C", "V1", Amounts(1000, 100, 50),
                 PisCofins(10, 46) + Columns{{"VAL_IPI", Value::Float(20)}});
    SeedPurchase(c, {1, 202, "E51"}, "A", "C", "V1", Amounts(500, 0, 25), PisCofins(5, 23));
    SeedPurchase(c, {2, 204, "E51"}, "F", "C", "V1", Amounts(300, 0, 0), PisCofins(3, 14));
    SeedPurchase(c, {1, 203, "E51"}, "C", "C", "V1", Amounts(7777, 0, 777), PisCofins(777, 777));
    SeedPurchase(c, {2, 205, "E51"}, "A", "C", "V1", Amounts(6666, 0, 666), PisCofins(666, 666));
    SeedPurchase(c, {1, 206, "E51"}, "F", "N", "V1", Amounts(5555, 0, 555), PisCofins(555, 555));
    SeedPurchase(c, {1, 207, "E51"}, "F", "C", "V9", Amounts(4444, 0, 444), PisCofins(444, 444));

    SeedHeader(
        c, kThreeVehicles,
        Amounts(150000, 3000, 2400) + Columns{{"TOT_QUANTIDADES", Value::Integer(3)},
                                              {"SOMA_PIS_COFINS", Value::Text("S")},
                                              {"ICMSDESONERADO_DESCONTADONOTA", Value::Text("N")},
                                              {"MODALIDADE", Value::Text("N")},
                                              {"STATUS", Value::Text("F")}});
    SeedVehicleLine(c, kThreeVehicles, "V3", kShareLine);
    SeedHeader(c, kTwoVehicles,
               Amounts(100000, 0, 0) + Columns{{"TOT_QUANTIDADES", Value::Integer(2)},
                                               {"SOMA_PIS_COFINS", Value::Text("N")},
                                               {"MODALIDADE", Value::Text("N")},
                                               {"STATUS", Value::Text("F")}});
    SeedVehicleLine(c, kTwoVehicles, "V5", kShareLine);
  }
};

struct EntryCase {
  const char* what;
  const char* veiculo;
  const char* code;
  double processamento;
  double expected;
};

// Processing dates around the freight invoice's 10/03/2024.
double BeforeFreight() {
  return Day(2024, 3, 9);
}
double FreightDay() {
  return Day(2024, 3, 10);
}
double Later() {
  return Day(2024, 3, 15);
}

TEST_F(EntryInvoiceTest, ValueOfEveryKindOfCode) {
  const EntryCase cases[] = {
      // Sale types F and D cost their purchase value, though invoices exist
      // (their header alone would give 50000 - 2000 = 48000).
      {"C, sale type F", "V2", "C", Later(), 45000},
      {"C, sale type D", "V7", "C", Later(), 41000},
      // (50000 + 1000 + 500 + 300) - (2000 + 100 + 0 + 0) = 49700, one vehicle.
      {"C, header and purchase invoices", "V1", "C", Later(), 49700},
      // No entry invoice: the purchase value stays.
      {"C, no header", "V4", "C", Later(), 30000},
      // Three vehicles: the line's own value 48000 + 1500 + 500 + 800 + 200
      // + (60 + 280) + 400 - 1000 = 50740 (PIS/COFINS substitution summed: "S").
      {"C, one of three vehicles", "V3", "C", Later(), 50740},
      // Two vehicles, substitution not summed: 50740 - 340 = 50400.
      {"C, one of two, no PIS/COFINS sum", "V5", "C", Later(), 50400},
      // Freight invoice dated 10/03 is later than 09/03: nothing yet.
      {"F, freight after processing", "V1", "F", BeforeFreight(), 0},
      // On the freight day: 900 + 50 + 25 + 0 = 975.
      {"F, freight on processing day", "V1", "F", FreightDay(), 975},
      // No freight invoice; 2400 shared by 3 vehicles.
      {"F, three vehicles", "V3", "F", Later(), 800},
      // Line 300 + (10 + 5 + 3) + line 1400 + (46 + 23 + 14) = 1801.
      {"9, PIS and COFINS with purchase invoices", "V1", "9", Later(), 1801},
      {"A, IPI with purchase invoices", "V1", "A", Later(), 2500 + 20},
      // Header's ICMS on freight 30 + on insurance 20 = 50 replaces the line's
      // 99; plus the line's freight ICMS 15.
      {"3, ICMS on freight and insurance", "V1", "3", Later(), 65},
      {"3, freight after processing", "V1", "3", BeforeFreight(), 0},
      {"!, header discounts it", "V1", "!", Later(), 700},
      {"!, header does not", "V3", "!", Later(), 0},
      {"IFP", "V1", "IFP", Later(), 123.45},
      {"W", "V1", "W", Later(), 77},
      {"(", "V1", "(", Later(), 250},
      {")", "V1", ")", Later(), 180},
      {"[, header discount only", "V1", "[", Later(), 2000},
      {"9, no vehicle line", "V4", "9", Later(), 0},
      {"unknown code", "V1", "XYZ", Later(), 0},
      {"codes are exact: c", "V1", "c", Later(), 0},
      {"codes are exact: C with a blank", "V1", "C ", Later(), 0},
  };
  for (const EntryCase& tc : cases) {
    SCOPED_TRACE(tc.what);
    Load(tc.veiculo);
    EXPECT_NEAR(dm.BuscaValorNotaEntrada(1, 1, tc.code, tc.processamento), tc.expected, 1e-9);
  }
}

TEST_F(EntryInvoiceTest, VehicleMissingFromItsSeveralVehicleInvoiceTakesAnEvenShare) {
  // V6 points at the three-vehicle invoice but has no line on it: rather than
  // a cost of 0, it takes (150000 - 3000) / 3 = 49000.
  Load("V6");
  EXPECT_DOUBLE_EQ(dm.BuscaValorNotaEntrada(1, 1, "C", Later()), 49000);
}

TEST_F(EntryInvoiceTest, LeavesTheInvoiceDatasetsClosed) {
  Load("V3");
  dm.BuscaValorNotaEntrada(1, 1, "C", Later());
  EXPECT_FALSE(dm.cdsMovimento->Active());
  EXPECT_FALSE(dm.cdsMovimentoVeiculo->Active());
  EXPECT_FALSE(dm.sdsAux->Active());
}

TEST_F(EntryInvoiceTest, LineCodesWithoutSumsReadOnlyTheVehicleLine) {
  Load("V1");
  const long before = connection().StatementCount();
  EXPECT_DOUBLE_EQ(dm.BuscaValorNotaEntrada(1, 1, "IFP", Later()), 123.45);
  EXPECT_EQ(connection().StatementCount() - before, 1);
}

TEST_F(EntryInvoiceTest, TwoPurchaseInvoicesWithEqualAmountsBothCount) {
  // The vehicle entered through dealer 2, so its purchase invoices of dealer 1
  // and 2 are read together; two of them carry the same amounts.
  const Invoice entry{2, 130, "E51"};
  SeedVehicle(connection(), "V10", "CH10", EntryInvoiceOf(entry));
  SeedHeader(connection(), entry, {{"TOT_QUANTIDADES", Value::Integer(1)}});
  SeedVehicleLine(connection(), entry, "V10", PisCofins(100, 200));
  SeedPurchase(connection(), {1, 231, "E51"}, "F", "C", "V10", Amounts(1000, 0, 0),
               PisCofins(10, 40));
  SeedPurchase(connection(), {1, 232, "E51"}, "F", "C", "V10", Amounts(1000, 0, 0),
               PisCofins(10, 40));
  Load("V10");
  // 100 + (10 + 10) + 200 + (40 + 40) = 400.
  EXPECT_DOUBLE_EQ(dm.BuscaValorNotaEntrada(1, 1, "9", Later()), 400);
}

TEST_F(EntryInvoiceTest, VehicleCodeWithAQuote) {
  const Invoice entry{1, 120, "E51"};
  SeedVehicle(connection(), "V'8", "CH8", EntryInvoiceOf(entry) + FreightInvoiceOf(kFreight));
  SeedHeader(connection(), entry,
             Amounts(2000, 0, 60) + Columns{{"TOT_QUANTIDADES", Value::Integer(1)}});
  SeedVehicleLine(connection(), entry, "V'8", PisCofins(10, 20));
  SeedPurchase(connection(), {1, 220, "E51"}, "F", "C", "V'8", Amounts(100, 0, 4), PisCofins(1, 2));
  Load("V'8");
  EXPECT_DOUBLE_EQ(dm.BuscaValorNotaEntrada(1, 1, "9", Later()), 10 + 1 + 20 + 2);
  EXPECT_DOUBLE_EQ(dm.BuscaValorNotaEntrada(1, 1, "F", Later()), 60 + 4);
  EXPECT_DOUBLE_EQ(dm.BuscaValorNotaEntrada(1, 1, "F", BeforeFreight()), 0);
}

TEST_F(EntryInvoiceTest, NoVehicleLoadedGivesZero) {
  // Nothing current in cdsVeiculo: no vehicle, no invoice, no purchase value.
  EXPECT_EQ(dm.BuscaValorNotaEntrada(1, 1, "C", Later()), 0);
  EXPECT_EQ(dm.BuscaValorNotaEntrada(1, 1, "9", Later()), 0);
}

}  // namespace
}  // namespace veiculo::testing
