// Entry- and exit-invoice values: every kind of code over one seeded set of
// invoices, the sale-type shortcuts, the freight date, the sums over purchase
// invoices, and one vehicle's share of an invoice of several.

#include <gtest/gtest.h>

#include <string>

#include "value_sources/seed.h"

namespace veiculo::testing {
namespace {

Columns Amounts(double tot, double desconto, double frete) {
  return {{"TOT_NOTA_FISCAL", F(tot)}, {"VALDESCONTO", F(desconto)}, {"VAL_FRETE_PF", F(frete)}};
}
Columns PisCofins(double pis, double cofins) {
  return {{"VAL_PIS", F(pis)}, {"VAL_COFINS", F(cofins)}};
}
// A purchase invoice (modality 'C' unless told) with one vehicle line.
void Purchase(Connection& c, const Invoice& nf, const char* status, const char* modalidade,
              const std::string& veiculo, const Columns& header, const Columns& line) {
  AddInvoice(c, nf, Columns{{"STATUS", T(status)}, {"MODALIDADE", T(modalidade)}} + header);
  AddInvoiceVehicle(c, nf, veiculo, line);
}

const Invoice kEntry{2, 100, "E51"};    // V1's, V2's and V7's entry invoice, at dealer 2
const Invoice kThree{1, 110, "E51"};    // V3's (and V6's) entry invoice, three vehicles
const Invoice kTwo{1, 111, "E51"};      // V5's entry invoice, two vehicles
const Invoice kFreight{1, 300, "F10"};  // V1's freight invoice, 10/03/2024
const Invoice kSale{1, 500, "S51"};
const Invoice kSaleNoIpi{1, 501, "S51"};

class InvoiceTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    Insert(c, "VEI_MODELO", "EMPRESA MODELO", {I(1), T("M1")});
    auto sale = [](const char* tipo, double compra) {
      return Columns{{"TIPO_VENDA", T(tipo)}, {"VAL_COMPRA", F(compra)}};
    };
    AddVehicle(c, "V1", "CH1",
               sale("N", 47000) + EntryInvoiceOf(kEntry) + FreightInvoiceOf(kFreight) +
                   ExitInvoiceOf(kSale));
    AddVehicle(c, "V2", "CH2",
               sale("F", 45000) + EntryInvoiceOf(kEntry) + ExitInvoiceOf(kSale) +
                   Columns{{"VAL_COMISSAO_CONCESSIONARIA", F(2500)}});
    AddVehicle(c, "V7", "CH7", sale("D", 41000) + EntryInvoiceOf(kEntry));
    AddVehicle(c, "V3", "CH3",
               sale("N", 49000) + EntryInvoiceOf(kThree) + ExitInvoiceOf(kSaleNoIpi));
    AddVehicle(c, "V5", "CH5", sale("N", 49000) + EntryInvoiceOf(kTwo));
    AddVehicle(c, "V6", "CH6", sale("N", 49000) + EntryInvoiceOf(kThree));
    AddVehicle(c, "V4", "CH4", sale("N", 30000));

    AddInvoice(c, kEntry,
               Amounts(50000, 2000, 900) +
                   Cols("TOT_QUANTIDADES MODALIDADE STATUS VAL_ICMS_FRETE VAL_ICMS_SEGURO "
                        "ICMSDESONERADO_DESCONTADONOTA VAL_FUNDO_RESERVA VAL_DESC_INCONDICIONAL",
                        {I(1), T("N"), T("F"), F(30), F(20), T("S"), F(250), F(180)}));
    AddInvoiceVehicle(
        c, kEntry, "V1",
        PisCofins(300, 1400) + Cols("VAL_ICMS_FRETE_SEGURO VAL_ICMS_FRETE_PF ICMS_DESONERADO "
                                    "VAL_ICMS_COMB_POBREZA VAL_IPI VAL_DESP_ADUANEIRA",
                                    {F(99), F(15), F(700), F(123.45), F(2500), F(77)}));
    AddInvoice(c, kFreight, {{"DTA_ENTRADA_SAIDA", D(Day(2024, 3, 10))}, {"MODALIDADE", T("N")}});
    // V1's purchase invoices: those that count (dealer 1 final or open, the
    // entry dealer 2 final only), then those that do not.
    Purchase(c, {1, 201, "E51"}, "F", "C", "V1", Amounts(1000, 100, 50),
             PisCofins(10, 46) + Columns{{"VAL_IPI", F(20)}});
    Purchase(c, {1, 202, "E51"}, "A", "C", "V1", Amounts(500, 0, 25), PisCofins(5, 23));
    Purchase(c, {2, 204, "E51"}, "F", "C", "V1", Amounts(300, 0, 0), PisCofins(3, 14));
    Purchase(c, {1, 203, "E51"}, "C", "C", "V1", Amounts(7777, 0, 777),
             PisCofins(777, 777));  // cancelled
    Purchase(c, {2, 205, "E51"}, "A", "C", "V1", Amounts(6666, 0, 666),
             PisCofins(666, 666));  // open at 2
    Purchase(c, {1, 206, "E51"}, "F", "N", "V1", Amounts(5555, 0, 555),
             PisCofins(555, 555));  // not 'C'
    Purchase(c, {1, 207, "E51"}, "F", "C", "V9", Amounts(4444, 0, 444),
             PisCofins(444, 444));  // other vehicle
    // The line of V3 and V5: their own value on a several-vehicle invoice.
    const Columns share = Cols(
        "VAL_TOTAL VAL_OPCIONAIS VAL_IPI VAL_FRETE VAL_SEGURO VAL_PIS_SUBTRIBUTARIA "
        "VAL_COFINS_SUBTRIBUTARIA VAL_ICMS_RETIDO VAL_DESCONTO ICMS_DESONERADO",
        {F(48000), F(1500), F(500), F(800), F(200), F(60), F(280), F(400), F(1000), F(400)});
    AddInvoice(c, kThree,
               Amounts(150000, 3000, 2400) +
                   Cols("TOT_QUANTIDADES SOMA_PIS_COFINS ICMSDESONERADO_DESCONTADONOTA "
                        "MODALIDADE STATUS",
                        {I(3), T("S"), T("N"), T("N"), T("F")}));
    AddInvoiceVehicle(c, kThree, "V3", share);
    AddInvoice(c, kTwo,
               Amounts(100000, 0, 0) + Cols("TOT_QUANTIDADES SOMA_PIS_COFINS MODALIDADE STATUS",
                                            {I(2), T("N"), T("N"), T("F")}));
    AddInvoiceVehicle(c, kTwo, "V5", share);

    AddInvoice(c, kSale,
               Amounts(60000, 1500, 700) + PisCofins(990, 4560) +
                   Columns{{"CALCULAR_IPI", T("S")}, {"TOT_IPI", F(350)}});
    AddInvoiceVehicle(c, kSale, "V1",
                      Cols("VAL_ICMS VAL_ICMS_PARTIL_UF_REM VAL_ICMS_PARTIL_UF_DEST VAL_DEVERIA",
                           {F(7200), F(300), F(450), F(58000)}));
    AddInvoice(c, kSaleNoIpi, {{"CALCULAR_IPI", T("N")}, {"TOT_IPI", F(350)}});
  }
};

const double kBeforeFreight = 45360;  // 09/03/2024
const double kFreightDay = 45361;     // 10/03/2024
const double kLater = 45366;          // 15/03/2024

TEST_F(InvoiceTest, EntryValueOfEveryKindOfCode) {
  ASSERT_EQ(kFreightDay, Day(2024, 3, 10));
  const struct {
    const char *what, *veiculo, *code;
    double processamento, expected;
  } cases[] = {
      // Sale types F and D cost their purchase value (the header would give 48000).
      {"C, sale type F", "V2", "C", kLater, 45000},
      {"C, sale type D", "V7", "C", kLater, 41000},
      // (50000 + 1000 + 500 + 300) - (2000 + 100 + 0 + 0), one vehicle.
      {"C, header and purchase invoices", "V1", "C", kLater, 49700},
      {"C, no header: purchase value", "V4", "C", kLater, 30000},
      // 48000 + 1500 + 500 + 800 + 200 + (60 + 280) + 400 - 1000 (substitution summed: "S").
      {"C, one of three vehicles", "V3", "C", kLater, 50740},
      {"C, one of two, no PIS/COFINS sum: 50740 - 340", "V5", "C", kLater, 50400},
      // V6 has no line on its three-vehicle invoice: (150000 - 3000) / 3, not 0.
      {"C, missing line takes an even share", "V6", "C", kLater, 49000},
      {"F, freight invoice after processing", "V1", "F", kBeforeFreight, 0},
      {"F, on the freight day: 900 + 50 + 25 + 0", "V1", "F", kFreightDay, 975},
      {"F, 2400 shared by three", "V3", "F", kLater, 800},
      // 300 + (10 + 5 + 3) + 1400 + (46 + 23 + 14)
      {"9, PIS and COFINS with purchases", "V1", "9", kLater, 1801},
      {"A, IPI with purchases: 2500 + 20", "V1", "A", kLater, 2520},
      // Header's 30 + 20 replaces the line's 99; plus the line's freight ICMS 15.
      {"3, ICMS on freight and insurance", "V1", "3", kLater, 65},
      {"3, freight after processing", "V1", "3", kBeforeFreight, 0},
      {"!, header discounts it", "V1", "!", kLater, 700},
      {"!, header does not", "V3", "!", kLater, 0},
      {"IFP", "V1", "IFP", kLater, 123.45},
      {"W", "V1", "W", kLater, 77},
      {"(", "V1", "(", kLater, 250},
      {")", "V1", ")", kLater, 180},
      {"[, header discount only", "V1", "[", kLater, 2000},
      {"9, no vehicle line", "V4", "9", kLater, 0},
      {"unknown code", "V1", "XYZ", kLater, 0},
      {"codes are exact: c", "V1", "c", kLater, 0},
      {"codes are exact: 'C '", "V1", "C ", kLater, 0},
  };
  EXPECT_EQ(module().BuscaValorNotaEntrada(1, 1, "C", kLater), 0);  // no vehicle loaded
  for (const auto& tc : cases) {
    SCOPED_TRACE(tc.what);
    Load(tc.veiculo);
    EXPECT_NEAR(module().BuscaValorNotaEntrada(1, 1, tc.code, tc.processamento), tc.expected, 1e-9);
  }
  EXPECT_FALSE(module().cdsMovimento->Active());
  EXPECT_FALSE(module().cdsMovimentoVeiculo->Active());
  EXPECT_FALSE(module().sdsAux->Active());
  // A line code without sums reads only the vehicle line.
  Load("V1");
  EXPECT_EQ(StatementsOf([&] {
              EXPECT_DOUBLE_EQ(module().BuscaValorNotaEntrada(1, 1, "IFP", kLater), 123.45);
            }),
            1);
}

TEST_F(InvoiceTest, EqualPurchaseInvoicesAndQuotedCodesCount) {
  // Two purchase invoices with equal amounts both count; the vehicle code has a quote.
  const Invoice entry{2, 130, "E51"};
  AddVehicle(connection(), "V'8", "CH8", EntryInvoiceOf(entry) + FreightInvoiceOf(kFreight));
  AddInvoice(connection(), entry, Amounts(2000, 0, 60) + Columns{{"TOT_QUANTIDADES", I(1)}});
  AddInvoiceVehicle(connection(), entry, "V'8", PisCofins(100, 200));
  for (int n : {231, 232})
    Purchase(connection(), {1, n, "E51"}, "F", "C", "V'8", Amounts(1000, 0, 4), PisCofins(10, 40));
  Load("V'8");
  EXPECT_DOUBLE_EQ(module().BuscaValorNotaEntrada(1, 1, "9", kLater),
                   400);  // 100 + (10 + 10) + 200 + (40 + 40)
  EXPECT_DOUBLE_EQ(module().BuscaValorNotaEntrada(1, 1, "F", kLater), 68);  // 60 + 4 + 4
  EXPECT_DOUBLE_EQ(module().BuscaValorNotaEntrada(1, 1, "F", kBeforeFreight), 0);
}

TEST_F(InvoiceTest, ExitValueOfEveryCode) {
  const struct {
    const char *what, *veiculo, *code, *somar_partilha;
    double valor_venda, expected;
  } cases[] = {
      {"T: total less discount", "V1", "T", "N", 0, 60000 - 1500},
      {"T with blanks around it", "V1", " T ", "N", 0, 58500},
      {"T, sale type F: purchase + commission", "V2", "T", "N", 0, 45000 + 2500},
      {"Z: freight", "V1", "Z", "N", 0, 700},
      {"$: IPI computed", "V1", "$", "N", 0, 350},
      {"$: header does not compute IPI", "V3", "$", "N", 0, 0},
      {"I: PIS and COFINS", "V1", "I", "N", 0, 990 + 4560},
      {"I without a header", "V4", "I", "N", 0, -1},
      {"T without a header", "V4", "T", "N", 0, 0},
      {"D without the interstate shares", "V1", "D", "N", 0, 7200},
      {"D with the shares", "V1", "D", "S", 0, 7200 + 300 + 450},
      {"D: only an exact S adds the shares", "V1", "D", "s", 0, 7200},
      {"D without a vehicle line", "V3", "D", "S", 0, 0},
      {"N: sale value less VAL_DEVERIA", "V1", "N", "N", 60000, 2000},
      {"N without a sale value", "V1", "N", "N", 0, 0},
      {"unknown code", "V1", "Q", "N", 0, 0},
  };
  EXPECT_EQ(module().BuscaValorNotaSaida(1, 1, "I", "N"), -1);  // nothing loaded
  EXPECT_EQ(module().BuscaValorNotaSaida(1, 1, "T", "N"), 0);
  for (const auto& tc : cases) {
    SCOPED_TRACE(tc.what);
    Load(tc.veiculo);
    module().SetdPbValorVenda(tc.valor_venda);
    EXPECT_DOUBLE_EQ(module().BuscaValorNotaSaida(1, 1, tc.code, tc.somar_partilha), tc.expected);
  }
  EXPECT_FALSE(module().cdsMovimento->Active());
  EXPECT_FALSE(module().cdsMovimentoVeiculo->Active());
}

}  // namespace
}  // namespace veiculo::testing
