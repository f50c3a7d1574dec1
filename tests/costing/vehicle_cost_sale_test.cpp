// The sale value CalculoCustoVeiculo costs V1 against (stored present sale
// value and line "V"): registry, credit notice, negotiation, exit invoice.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "costing/vehicle_cost_seed.h"

namespace veiculo::testing {
namespace {

const Invoice kNotaSaida{1, 300, "S01"};

class SaleValueTest : public VehicleCostTest {
 protected:
  // The formula: 1 the vehicle's cost on index 1 from the factory invoice
  // (whose INDICE is the payment index), 2 the sale value.
  void SeedFormula() {
    SeedLine(connection(), 1, "C",
             {{"TIPO", T("C")}, {"REFERENCIA", T("F")}, {"INDICE", I(1)}, {"CUSTO_TOTAL", T("+")}});
    SeedLine(connection(), 2, "V");
  }
  // The line "V" as stored: "historic|present".
  std::string LinhaVenda() {
    const std::vector<std::string> rows = Rows(
        "select cast(VAL_HISTORICO as varchar(20)), cast(VAL_PRESENTE as varchar(20)) from "
        "VEI_VEICULO_CUSTEIO where VEICULO = 'V1' and LINHA_FORMULA = 2");
    return rows.empty() ? "(no row)" : rows.front();
  }
  void SeedOpcional(const std::string& opcional, Value ficha, double modelo, Value edicao) {
    Connection& c = connection();
    Insert(c, "OFI_FICHA_OPCIONAL", "OPCIONAL EMPRESA CHASSI MODELO VAL_OPCIONAL",
           {T(opcional), I(1), T("CH1"), T("M1"), ficha});
    Insert(c, "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL VAL_OPCIONAL",
           {I(1), T("M1"), T(opcional), F(modelo)});
    if (!edicao.IsNull())
      Insert(c, "VEI_OPCIONAL_MODELO_EDICAO",
             "EMPRESA MODELO OPCIONAL ANO_MODELO EDICAO VAL_OPCIONAL",
             {I(1), T("M1"), T(opcional), I(2024), T("ED1"), edicao});
  }
  // The exit invoice 300 of V1: 95,000.00 less 2,000.00 discount, issued on
  // `data` under operation 55.
  void SeedNotaSaida(Value data) {
    AddInvoice(connection(), kNotaSaida,
               Cols("TOT_NOTA_FISCAL VALDESCONTO DTA_ENTRADA_SAIDA FATOPERACAO STATUS",
                    {F(95000), F(2000), data, I(55), T("F")}));
  }
  void SeedCondicao(double valor, double vencimento) {
    Insert(connection(), "FAT_OPERACAO_CONDICAO",
           "EMPRESA REVENDA OPERACAO VAL_OPERACAO_CONDICAO DTA_VENCIMENTO_CHEQUE",
           {I(1), I(1), I(55), F(valor), Value::DateTime(vencimento)});
  }
};

struct UnsoldCase {
  const char* name;
  Columns parametros;
  Columns veiculo;
  const char* venda;  // VAL_PRESENTE_VENDA, also the line "V"
};

class UnsoldSaleValueTest : public SaleValueTest,
                            public ::testing::WithParamInterface<UnsoldCase> {};

TEST_P(UnsoldSaleValueTest, PricesTheSale) {
  SeedWorld(GetParam().parametros, GetParam().veiculo);
  SeedFormula();
  // Optionals: OP1 at its edition's 650 (before the model's 700), OP2 at the
  // record's own 120 (before the model's 999).
  SeedOpcional("OP1", Value(), 700, F(650));
  SeedOpcional("OP2", F(120), 999, Value());
  ASSERT_EQ(Calcula("V1", 0, 0), "OK|");
  EXPECT_EQ(Veiculo("VAL_PRESENTE_VENDA"), GetParam().venda);
  EXPECT_EQ(LinhaVenda(), std::string(GetParam().venda) + "|" + GetParam().venda);
}

// Registry: edition 85,000 + metallic paint 1,000 (the edition's, not the
// model's 900) + freight 1,200 + insurance 300 + optionals 770. Credit
// notice: purchase 70,000 + the dealer's commission 2,500. Dealer price: by
// the dealer's parameter, or of any used vehicle.
const Columns kNotice = Cols("NOTIFICACAO_CREDITO VAL_COMPRA VAL_COMISSAO_CONCESSIONARIA",
                             {T("NC-1"), F(70000), F(2500)});
const Columns kDealerPrice = Cols("PRECO_CONCESSIONARIA", {F(75000)});
const UnsoldCase kUnsold[] = {
    {"Registry", {}, {}, "88270.00"},
    {"CreditNotice", {}, kNotice, "72500.00"},
    {"DealerPriceByParameter", Cols("VAL_VEICULO_C_R", {T("2")}), kDealerPrice, "75000.00"},
    {"DealerPriceOfAUsedVehicle", {}, kDealerPrice + Cols("NOVO_USADO", {T("U")}), "75000.00"}};
INSTANTIATE_TEST_SUITE_P(Ways, UnsoldSaleValueTest, ::testing::ValuesIn(kUnsold),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaleValueTest, ANegotiationWithoutPaymentsKeepsTheRegistryValue) {
  // Negotiation 3 of proposal 7 agreed a vehicle price but has no payments
  // yet: its prices are taken, the sale value stays 86,000 + 1,500 = 87,500.
  SeedWorld();
  SeedFormula();
  Insert(connection(), "VEI_NEGOCIACAO",
         "EMPRESA REVENDA PROPOSTA NEGOCIACAO VAL_VEICULO VAL_FRETE VAL_SEGURO",
         {I(1), I(1), I(7), I(3), F(80000), F(700), F(0)});
  ASSERT_EQ(Calcula("V1", 7, 3), "OK|");
  EXPECT_EQ(Veiculo("VAL_PRESENTE_VENDA"), "87500.00");
  EXPECT_DOUBLE_EQ(module().GetdPvPrecoPublico(), 80000);
  EXPECT_DOUBLE_EQ(module().GetdPvPrecoPublicoOri(), 80000);
  EXPECT_DOUBLE_EQ(module().GetdPvFreteVenda(), 700);
}

TEST_F(SaleValueTest, ExitInvoiceWithoutConditionsIsItsTotalLessDiscount) {
  // 95,000 - 2,000 = 93,000, also at present value. The costing moves to the
  // invoice's date 10/03: line 1 (the entry invoice's 60,000; this formula
  // has no base lines) is carried from 05/01 (100) to 10/03 (101.8):
  // 60,000 / 100 x 101.8 = 61,080.
  SeedWorld({}, ExitInvoiceOf(kNotaSaida));
  AddIndexValues(connection(), 1, {{Day(2024, 3, 10), 101.8}});
  SeedFormula();
  SeedNotaSaida(D(Day(2024, 3, 10)));
  ASSERT_EQ(Calcula("V1", 0, 0), "OK|");
  EXPECT_EQ(Veiculo("VAL_PRESENTE_VENDA"), "93000.00");
  EXPECT_EQ(LinhaVenda(), "93000.00|93000.00");
  EXPECT_EQ(Custeio()[0], "1|NULL|60000.00|61080.00|NULL");
  EXPECT_DOUBLE_EQ(module().GetdPvPrecoPublico(), 93000);
  EXPECT_EQ(module().GetiPvProposta(), 7);
}

TEST_F(SaleValueTest, ExitInvoiceConditionsAreBroughtToTheInvoiceDate) {
  // On the payment index 1 (the "C" line's), to 10/03 (101.8): 50,000 due on
  // 10/04 (103) is worth 50,000 / 103 x 101.8 = 49,417.475728; 43,000 due on
  // 10/03 stays 43,000. PV = 92,417.475728 -> 92,417.48; the sale value stays
  // the invoice's 93,000.
  SeedWorld({}, ExitInvoiceOf(kNotaSaida));
  AddIndexValues(connection(), 1, {{Day(2024, 3, 10), 101.8}});
  AddIndexValues(connection(), 1, {{Day(2024, 4, 10), 103}});
  SeedFormula();
  SeedNotaSaida(D(Day(2024, 3, 10)));
  SeedCondicao(50000, Day(2024, 4, 10));
  SeedCondicao(43000, Day(2024, 3, 10));
  ASSERT_EQ(Calcula("V1", 0, 0), "OK|");
  EXPECT_EQ(Veiculo("VAL_PRESENTE_VENDA"), "92417.48");
  EXPECT_EQ(LinhaVenda(), "93000.00|93000.00");
}

TEST_F(SaleValueTest, ConditionsWorthNothingLeaveTheInvoiceTotal) {
  SeedWorld({}, ExitInvoiceOf(kNotaSaida));
  SeedFormula();
  SeedNotaSaida(D(Day(2024, 3, 10)));
  SeedCondicao(0, Day(2024, 4, 10));
  ASSERT_EQ(Calcula("V1", 0, 0), "OK|");
  EXPECT_EQ(Veiculo("VAL_PRESENTE_VENDA"), "93000.00");
}

TEST_F(SaleValueTest, AnInvoiceWithoutDateKeepsTheCallersDate) {
  // Line 1 is carried to the caller's 15/03 (102): 60,000 / 100 x 102 =
  // 61,200, not back to 1899.
  SeedWorld({}, ExitInvoiceOf(kNotaSaida));
  SeedFormula();
  SeedNotaSaida(Value());
  ASSERT_EQ(Calcula("V1", 0, 0), "OK|");
  EXPECT_EQ(Custeio()[0], "1|NULL|60000.00|61200.00|NULL");
}

TEST_F(SaleValueTest, AMissingInvoiceHeaderCostsWithNoSaleValue) {
  // The exit invoice 300 does not exist: no sale value, no present sale value
  // and no proposal in context, though proposal 7 holds V1. Line 3's bands
  // are looked up against a sale of 0.01: historic profit (0.01 - 0) / 0.01
  // = 100 % falls in 20.01..100, so 2 %; the sale value itself stays 0.
  SeedWorld({}, ExitInvoiceOf(kNotaSaida));
  SeedFormula();
  SeedLine(connection(), 3, "V");
  SeedBand(connection(), 3, -100, 10, "L", "H", 3);
  SeedBand(connection(), 3, 20.01, 100, "L", "H", 2);
  // Line 1 costs nothing here: V1's entry invoice is taken away.
  Exec("delete from FAT_MOVIMENTO_CAPA");
  ASSERT_EQ(Calcula("V1", 7, 2), "OK|");
  EXPECT_EQ(Veiculo("VAL_PRESENTE_VENDA"), "0.00");
  EXPECT_EQ(Custeio(), (std::vector<std::string>{"1|NULL|0.00|0.00|NULL", "2|NULL|0.00|0.00|NULL",
                                                 "3|2.0000|0.00|0.00|NULL"}));
  EXPECT_DOUBLE_EQ(module().GetdPbValorVenda(), 0);
  EXPECT_EQ(module().GetiPvProposta(), 0);
  EXPECT_EQ(module().GetiPvNegociacao(), 0);
}

}  // namespace
}  // namespace veiculo::testing
