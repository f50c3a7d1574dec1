#pragma once
// The dealer the pricing tests price in (see SeedWorld) and helpers to call
// the pricing operations.
//
// Dealer 1 takes the dealer price as its sale-value source ("2"), counts no
// optionals and measures days in stock from the factory invoice ("2").
// Model M1 lists at 10,000.00 (no freight, insurance or optionals); V1 is a
// new M1 in stock (situation E1): bought for 7,000.00, dealer price 9,500.00,
// minimum price 8,000.00, 10 % desired profit, factory invoice 05/01/2024,
// correction from 15/01/2024, entered 10/01/2024 10:30, not sold; priced on
// 15/03/2024.
//
// Its formula F1, at sale value S (lines in this order):
//   1 a cost of 8,050.00             (fixed amount, CUSTO_TOTAL +)
//   2 a credit of 500.00             (fixed amount, CUSTO_TOTAL -)
//   3 5 % of the sale value          ("V", CUSTO_TOTAL +)
//   4 10 % of the profit so far      ("K", CUSTO_TOTAL +), rounded to cents:
//                                    (S - 7,550.00 - 5 % of S) x 10 %
//   5 a financing cost of 1,000.00   (TIPO "E", index 1 from the factory
//     invoice: 100 on 05/01, 102 on 15/03, so its present value is 1,020.00
//     and only the financial effect 20.00 counts, at present value)
//   6 a line of TIPO "C" and 7 a deleted line, 99,999.00 each: never valued.
// No line carries a LUCRO_BRUTO or MARGEM_CONTRIBUICAO sign.
// Total cost: historic 7,550 + 0.05 S + K; present the same + 20.

#include <string>
#include <vector>

#include "support/kit.h"
#include "support/pricing_builders.h"

namespace veiculo::testing {

inline const double kProcessamento = Day(2024, 3, 15);

class PricingTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    SeedWorld();
  }

  void SeedWorld() {
    Connection& c = connection();
    AddDealer(c, 1);
    AddParameters(c, 1,
                  Cols("VAL_VEICULO_C_R IMPRIME_VALOR_OPCIONAIS_REL DTA_CALCULO_ESTOQUE",
                       {T("2"), T("N"), T("2")}));
    AddModel(c, "M1", Cols("PRECO_PUBLICO", {F(10000)}));
    AddSituation(c, "E1", "E");
    AddSituation(c, "V1", "V");
    AddVehicle(c, "V1", "CH1",
               Cols("SITUACAO NOVO_USADO REVENDA_ORIGEM VAL_COMPRA PRECO_CONCESSIONARIA "
                    "PRECO_MINIMO_COMERCIALIZACAO PERCENTUAL_LUCRO DTA_FAT_FABRICA "
                    "DTA_INICIO_CORRECAO DTA_ENTRADA",
                    {T("E1"), T("N"), I(1), F(7000), F(9500), F(8000), F(10), D(Day(2024, 1, 5)),
                     D(Day(2024, 1, 15)), D(Moment(2024, 1, 10, 10, 30))}));
    AddFormulaLine(c, "F1", 1, "*", Cols("VALOR_FIXO CUSTO_TOTAL", {F(8050), T("+")}));
    AddFormulaLine(c, "F1", 2, "*", Cols("VALOR_FIXO CUSTO_TOTAL", {F(500), T("-")}));
    AddFormulaLine(c, "F1", 3, "V", Cols("PERCENTUAL CUSTO_TOTAL", {F(5), T("+")}));
    AddFormulaLine(c, "F1", 4, "K", Cols("PERCENTUAL CUSTO_TOTAL", {F(10), T("+")}));
    AddFormulaLine(c, "F1", 5, "*",
                   Cols("TIPO VALOR_FIXO INDICE REFERENCIA CUSTO_TOTAL",
                        {T("E"), F(1000), I(1), T("F"), T("+")}));
    AddFormulaLine(c, "F1", 6, "*",
                   Cols("TIPO VALOR_FIXO CUSTO_TOTAL", {T("C"), F(99999), T("+")}));
    AddFormulaLine(c, "F1", 7, "*",
                   Cols("STATUS VALOR_FIXO CUSTO_TOTAL", {T("D"), F(99999), T("+")}));
    AddIndex(c, 1, "D", {{Day(2024, 1, 5), 100}, {kProcessamento, 102}});
  }

  // CalculaValorCfeLucroDesejado for V1 (or another vehicle) at dealer 1; the
  // progress messages land in `mensagens`.
  double Preco(double percentual, const std::string& rentabilidade = "L",
               const std::string& valorizacao = "P", const std::string& veiculo = "V1",
               const DataPacket& alteradas = {}, bool passou = false, int revenda = 1) {
    return module().CalculaValorCfeLucroDesejado(
        1, revenda, veiculo, rentabilidade, valorizacao, percentual, kProcessamento, false, false,
        [this](const std::string& m) { mensagens.push_back(m); }, alteradas, passou);
  }

  // The twelve profit holders: CV_ cost, profit, % (H then P), then CVd_ the same.
  std::vector<double> Holders() {
    ModuleUnderTest& m = module();
    return {m.GetCV_Custo_Total_H(),  m.GetCV_Lucro_H(),  m.GetCV_Per_Lucro_H(),
            m.GetCV_Custo_Total_P(),  m.GetCV_Lucro_P(),  m.GetCV_Per_Lucro_P(),
            m.GetCVd_Custo_Total_H(), m.GetCVd_Lucro_H(), m.GetCVd_Per_Lucro_H(),
            m.GetCVd_Custo_Total_P(), m.GetCVd_Lucro_P(), m.GetCVd_Per_Lucro_P()};
  }

  std::vector<std::string> mensagens;
};

}  // namespace veiculo::testing
