// Exit-invoice values: header codes, the vehicle-line codes "N" and "D", the
// sale-type shortcut and the -1 of "I" without an invoice.

#include <gtest/gtest.h>

#include <string>

#include "value_sources/invoice_seed.h"

namespace veiculo::testing {
namespace {

const Invoice kSale{1, 500, "S51"};
const Invoice kSaleWithoutIpi{1, 501, "S51"};

class ExitInvoiceTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    SeedModel(c);
    SeedVehicle(c, "V1", "CH1", Columns{{"TIPO_VENDA", Value::Text("N")}} + ExitInvoiceOf(kSale));
    SeedVehicle(c, "V2", "CH2",
                Columns{{"TIPO_VENDA", Value::Text("F")},
                        {"VAL_COMPRA", Value::Float(45000)},
                        {"VAL_COMISSAO_CONCESSIONARIA", Value::Float(2500)}} +
                    ExitInvoiceOf(kSale));
    SeedVehicle(c, "V3", "CH3", ExitInvoiceOf(kSaleWithoutIpi));
    SeedVehicle(c, "V4", "CH4", Columns{{"TIPO_VENDA", Value::Text("N")}});

    SeedHeader(c, kSale,
               {{"TOT_NOTA_FISCAL", Value::Float(60000)},
                {"VALDESCONTO", Value::Float(1500)},
                {"VAL_FRETE_PF", Value::Float(700)},
                {"CALCULAR_IPI", Value::Text("S")},
                {"TOT_IPI", Value::Float(350)},
                {"VAL_PIS", Value::Float(990)},
                {"VAL_COFINS", Value::Float(4560)}});
    SeedVehicleLine(c, kSale, "V1",
                    {{"VAL_ICMS", Value::Float(7200)},
                     {"VAL_ICMS_PARTIL_UF_REM", Value::Float(300)},
                     {"VAL_ICMS_PARTIL_UF_DEST", Value::Float(450)},
                     {"VAL_DEVERIA", Value::Float(58000)}});
    SeedHeader(c, kSaleWithoutIpi,
               {{"CALCULAR_IPI", Value::Text("N")}, {"TOT_IPI", Value::Float(350)}});
  }
};

struct ExitCase {
  const char* what;
  const char* veiculo;
  const char* code;
  const char* somar_partilha;
  double valor_venda;
  double expected;
};

TEST_F(ExitInvoiceTest, ValueOfEveryCode) {
  const ExitCase cases[] = {
      {"T: total less discount", "V1", "T", "N", 0, 60000 - 1500},
      {"T with blanks around it", "V1", " T ", "N", 0, 58500},
      // Sale type F: purchase plus the dealer's commission, whatever the invoice.
      {"T, sale type F", "V2", "T", "N", 0, 45000 + 2500},
      {"Z: freight", "V1", "Z", "N", 0, 700},
      {"$: IPI when the header computes it", "V1", "$", "N", 0, 350},
      {"$: header does not compute IPI", "V3", "$", "N", 0, 0},
      {"I: PIS and COFINS", "V1", "I", "N", 0, 990 + 4560},
      {"I without a header", "V4", "I", "N", 0, -1},
      {"T without a header", "V4", "T", "N", 0, 0},
      {"D without the interstate shares", "V1", "D", "N", 0, 7200},
      {"D with the shares", "V1", "D", "S", 0, 7200 + 300 + 450},
      {"D: only an exact S adds the shares", "V1", "D", "s", 0, 7200},
      {"D without a vehicle line", "V3", "D", "S", 0, 0},
      {"N: sale value less what the invoice should carry", "V1", "N", "N", 60000, 2000},
      {"N without a sale value", "V1", "N", "N", 0, 0},
      {"unknown code", "V1", "Q", "N", 0, 0},
  };
  for (const ExitCase& tc : cases) {
    SCOPED_TRACE(tc.what);
    Load(tc.veiculo);
    dm.SetdPbValorVenda(tc.valor_venda);
    EXPECT_DOUBLE_EQ(dm.BuscaValorNotaSaida(1, 1, tc.code, tc.somar_partilha), tc.expected);
  }
}

TEST_F(ExitInvoiceTest, NoVehicleLoaded) {
  // Nothing current: no exit invoice, so "I" says -1 and the rest 0.
  EXPECT_EQ(dm.BuscaValorNotaSaida(1, 1, "I", "N"), -1);
  EXPECT_EQ(dm.BuscaValorNotaSaida(1, 1, "T", "N"), 0);
  EXPECT_EQ(dm.BuscaValorNotaSaida(1, 1, "D", "S"), 0);
}

TEST_F(ExitInvoiceTest, LeavesTheInvoiceDatasetsClosed) {
  Load("V1");
  dm.BuscaValorNotaSaida(1, 1, "D", "S");
  dm.BuscaValorNotaSaida(1, 1, "T", "S");
  EXPECT_FALSE(dm.cdsMovimento->Active());
  EXPECT_FALSE(dm.cdsMovimentoVeiculo->Active());
}

}  // namespace
}  // namespace veiculo::testing
