// Every incidence code resolved against one fully seeded vehicle V1, each on its
// own line of F1 without a percentage; the rows each amount comes from beside it.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "costing/incidence_seed.h"

namespace veiculo::testing {
namespace {

const Invoice kEntrada{1, 100, "E51"};
const Invoice kSaida{1, 900, "S51"};

void SeedInvoices(Connection& c) {
  // Entry invoice of V1 alone (TOT_QUANTIDADES 1), not a purchase invoice
  // (MODALIDADE N), so no other invoice adds to its figures.
  AddInvoice(
      c, kEntrada,
      Cols("MODALIDADE STATUS TOT_NOTA_FISCAL VALDESCONTO VAL_FRETE_PF VAL_FUNDO_RESERVA "
           "VAL_DESC_INCONDICIONAL TOT_QUANTIDADES ICMSDESONERADO_DESCONTADONOTA OPERACAO",
           {T("N"), T("F"), F(60500), F(500), F(800), F(120), F(250), I(1), T("S"), I(4455)}));
  AddInvoiceVehicle(
      c, kEntrada, "V1",
      Cols("VAL_PIS_SUBTRIBUTARIA VAL_COFINS_SUBTRIBUTARIA VAL_PIS VAL_COFINS VAL_IPI VAL_ICMS "
           "VAL_ICMS_RETIDO VALOR_ICMSRET_ARECOLHER VAL_ICMS_FRETE_SEGURO VAL_ICMS_FRETE_PF "
           "VAL_DESP_ADUANEIRA VAL_SERVICO_COMANDER VAL_MAJORACAO_COFINS ICMS_DESONERADO "
           "VAL_PIS_FRETE_PF VAL_COFINS_FRETE_PF VAL_ICMS_COMB_POBREZA",
           {F(11), F(22), F(990), F(4560), F(1300), F(7200), F(1500), F(310), F(96), F(40), F(2100),
            F(180), F(65), F(430), F(13), F(60), F(55)}));
  AddInvoice(c, kSaida,
             Cols("STATUS TOT_NOTA_FISCAL VALDESCONTO VAL_FRETE_PF CALCULAR_IPI TOT_IPI VAL_PIS "
                  "VAL_COFINS",
                  {T("F"), F(75000), F(0), F(650), T("S"), F(1800), F(1237.5), F(5700)}));
  AddInvoiceVehicle(c, kSaida, "V1",
                    Cols("VAL_ICMS VAL_ICMS_PARTIL_UF_REM VAL_ICMS_PARTIL_UF_DEST VAL_DEVERIA",
                         {F(9000), F(100), F(200), F(74000)}));
}

void SeedExpensesAndOptionals(Connection& c) {
  Insert(c, "VEI_DESPESA", "EMPRESA DESPESA SINAL", {I(1), I(1), T("+")});
  Insert(c, "VEI_DESPESA", "EMPRESA DESPESA SINAL", {I(1), I(2), T("-")});
  for (auto [despesa, valor] : {std::pair{1, 1200.0}, std::pair{2, 200.0}})
    Insert(c, "VEI_DESPESA_VEICULO",
           "EMPRESA VEICULO DESPESA DOCUMENTO CONTADOR DTA_DESPESA_VEICULO VAL_DESPESA_VEICULO",
           {I(1), T("V1"), I(despesa), I(despesa), I(1), D(Day(2024, 2, 1)), F(valor)});
  Insert(c, "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL VAL_OPCIONAL",
         {I(1), T("M1"), T("OP1"), F(2500)});
  SeedFichaOpcional(c, 1, "CH1", "M1", "OP1");
}

// Proposal 77 of V1 (negotiation 2) with its contact, salesperson, two
// returns and one payment due after the sale.
void SeedProposal(Connection& c) {
  Insert(c, "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO", {I(1), T("ESTOQUE"), T("E")});
  Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE", {I(1), I(1), I(500), I(31)});
  AddProposal(c, 1, 77,
              Cols("NEGOCIACAO_FINAL SITUACAO VEICULO CONTATO VENDEDOR DTA_EMISSAO",
                   {I(2), T("2"), T("V1"), I(500), I(9), D(Day(2024, 3, 1))}));
  Insert(c, "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR COMISSAO", {I(1), I(1), I(9), F(2)});
  const std::string retorno =
      "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA TIPO_RETORNO VAL_RETORNO VAL_COMISSAO "
      "VAL_IRRF";
  Insert(c, "VEI_RETORNO", retorno,
         {I(1), I(1), I(77), I(2), I(1), T("FIN"), F(1000), F(100), F(15)});
  Insert(c, "VEI_RETORNO", retorno, {I(1), I(1), I(77), I(2), I(2), T("SEG"), F(300), F(30), F(0)});
  Insert(c, "FAT_CONDICAO_PAGAMENTO", "EMPRESA CONDICAO TIPO_PAGTO CONSIDERA_DEFLACAO",
         {I(1), I(10), T("V"), T("S")});
  AddPayment(c, 1, 77, 2, 1,
             Cols("CONDICAO VAL_PAGAMENTO DTA_VENCIMENTO", {I(10), F(10000), D(Day(2024, 4, 10))}));
}

void SeedBonusesSubsidyAndTitles(Connection& c) {
  // Bonuses of model M1 without criteria: 1500 in group G1, 999 in G2.
  const std::string bonus = "EMPRESA BONUS MODELO GRUPO_BONUS VAL_BONUS";
  Insert(c, "VEI_BONUS", bonus, {I(1), I(1), T("M1"), T("G1"), F(1500)});
  Insert(c, "VEI_BONUS", bonus, {I(1), I(2), T("M1"), T("G2"), F(999)});

  // Subsidy SUB1: 50 % of days 1-30, 20 % of days 31-90, 10 % of days 91-120.
  Insert(c, "VEI_SUBSIDIO", "EMPRESA SUBSIDIO", {I(1), T("SUB1")});
  const std::string periodo = "EMPRESA SUBSIDIO PERIODO INICIO FINAL PER_SUBSIDIO";
  Insert(c, "VEI_SUBSIDIO_PERIODO", periodo, {I(1), T("SUB1"), I(1), I(1), I(30), F(50)});
  Insert(c, "VEI_SUBSIDIO_PERIODO", periodo, {I(1), T("SUB1"), I(2), I(31), I(90), F(20)});
  Insert(c, "VEI_SUBSIDIO_PERIODO", periodo, {I(1), T("SUB1"), I(3), I(91), I(120), F(10)});

  // Index 5 (rebate), 6 (subsidy), 7 (deflation): daily levels.
  AddIndex(c, 5, "D", {{Day(2024, 1, 5), 100}, {Day(2024, 1, 20), 101}, {Day(2024, 2, 4), 103}});
  AddIndex(c, 6, "D",
           {{Day(2024, 1, 5), 100},
            {Day(2024, 2, 4), 102},
            {Day(2024, 3, 10), 104},
            {Day(2024, 3, 15), 100}});
  AddIndex(c, 7, "D", {{Day(2024, 3, 10), 100}, {Day(2024, 4, 10), 104}});

  // The title of the entry invoice's operation, paid: its bonus payment of
  // 20/01 counts; a reversed one and one of another transaction do not.
  Insert(c, "FIN_TITULO",
         "EMPRESA REVENDA TITULO DUPLICATA CLIENTE TIPO STATUS DTA_ULTIMA_ALTERACAO OPERACAO",
         {I(1), I(1), I(1), I(1), I(3), T("RB"), T("PT"), D(Day(2024, 2, 1)), I(4455)});
  const std::string pagamento =
      "EMPRESA REVENDA TITULO DUPLICATA CLIENTE TIPO DTA_PAGAMENTO TIPO_TRANSACAO LCTO_ESTORNO";
  for (const auto& [data, transacao, estorno] :
       {std::tuple{Day(2024, 1, 20), "BN", Value()}, std::tuple{Day(2024, 1, 25), "BN", I(1)},
        std::tuple{Day(2024, 1, 28), "XX", Value()}})
    Insert(c, "FIN_TITULO_PAGAMENTO", pagamento,
           {I(1), I(1), I(1), I(1), I(3), T("RB"), Value::DateTime(data), T(transacao), estorno});

  // Bonus sheet: 400 + 250 of code B7 imported by the processing date; later
  // imports, other codes and other vehicles do not count.
  for (const auto& [veiculo, codigo, data, valor] :
       {std::tuple{"V1", "B7", Day(2024, 3, 1), 400.0},
        std::tuple{"V1", "B7", Day(2024, 3, 14), 250.0},
        std::tuple{"V1", "B7", Day(2024, 3, 20), 999.0},
        std::tuple{"V1", "B8", Day(2024, 3, 1), 77.0},
        std::tuple{"V2", "B7", Day(2024, 3, 1), 55.0}})
    Insert(c, "VEI_PLANILHA_BONUS", "EMPRESA VEICULO COD_BONUS DTA_IMPORTACAO VALOR_BONUS",
           {I(1), T(veiculo), T(codigo), Value::DateTime(data), F(valor)});
}

// A parts sale of 500 - 50 discount + 20 freight on chassis CH1, invoiced on
// 01/02/2024 under transaction S10.
void SeedInternalSale(Connection& c) {
  Insert(c, "FAT_TIPO_TRANSACAO", "TIPO_TRANSACAO TIPO", {T("S10"), T("S")});
  Insert(c, "OFI_ATENDIMENTO", "EMPRESA REVENDA CONTATO CHASSI", {I(1), I(1), I(600), T("CH1")});
  Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO DTA_CONTATO",
         {I(1), I(1), I(600), D(Day(2024, 2, 1))});
  const std::string nota =
      "EMPRESA REVENDA NUMERO_NOTA_FISCAL SERIE_NOTA_FISCAL TIPO_TRANSACAO CONTADOR ";
  Insert(c, "FAT_MOVIMENTO_CAPA", nota + "CONTATO STATUS DTA_ENTRADA_SAIDA",
         {I(1), I(1), I(700), T("U"), T("S10"), I(1), I(600), T("F"), D(Day(2024, 2, 1))});
  Insert(c, "FAT_MOVIMENTO_ITEM", nota + "VAL_TOTAL_REAL_ITEM VAL_DESCONTO VAL_FRETE",
         {I(1), I(1), I(700), T("U"), T("S10"), I(1), F(500), F(50), F(20)});
}

struct CodeCase {
  const char* incidencia;
  double expected;
  const char* how;
  Columns line = {};
  const char* tipo = "";
};

class IncidenceCodesTest : public IncidenceTest {
 protected:
  void SetUp() override {
    IncidenceTest::SetUp();
    Connection& c = connection();
    SeedDealer(c, 1, F(5),
               Cols("IMPRIME_VALOR_OPCIONAIS_REL DTA_INVENTARIO_VEICULO BUSCA_DESPESA_EMPRESAS",
                    {T("S"), T("N"), T("N")}));
    Insert(c, "VEI_MODELO", "EMPRESA MODELO CUSTO", {I(1), T("M1"), F(61000)});
    AddVehicle(
        c, "V1", "CH1",
        EntryInvoiceOf(kEntrada) + ExitInvoiceOf(kSaida) +
            Cols("SITUACAO NOVO_USADO TIPO_VENDA VAL_COMPRA DTA_VENDA DTA_FAT_FABRICA "
                 "PLANO_CAPITALIZACAO VALOR_REVISAO VAL_HOLDBACK VAL_CONTRIBUICAO VAL_FLOOR_PLAN "
                 "VAL_BONUS SUBSIDIO",
                 {T("ESTOQUE"), T("N"), T("N"), F(58000), Value::DateTime(kVenda),
                  Value::DateTime(kFatFabrica), F(1200), F(350), F(900), F(450), F(600), F(700),
                  T("SUB1")}),
        Cols("ANO_FABRICACAO ANO_MODELO PORTAS EDICAO PACOTE",
             {I(2023), I(2024), I(4), T("ED1"), T("PK1")}));
    SeedInvoices(c);
    SeedExpensesAndOptionals(c);
    SeedProposal(c);
    SeedBonusesSubsidyAndTitles(c);
    SeedInternalSale(c);
    // Base lines of F1 that "C" takes along under "$": "(" and "[" count, a
    // deleted ")" does not.
    SeedLine(c, 901, "(", {{"TIPO", T("B")}});
    SeedLine(c, 902, "[", {{"TIPO", T("B")}});
    SeedLine(c, 903, ")", {{"TIPO", T("B")}, {"STATUS", T("D")}});

    ASSERT_TRUE(module().LerParametro(1, 1));
    Load("V1");
    module().SetdPbValorVenda(75000);
    module().SetBase_Financeiro(50000);
    module().SetPrecoAVista(73000);
    module().SetdPvFreteVenda(1100);
    module().SetdPvPrecoPublicoOri(72000);
    module().SetdPvValorSeguro(900);
    module().SetBaseComissaoVendedor(40000);
    module().SetiPvProposta(77);
    module().SetiPvNegociacao(2);
  }
};

const std::vector<CodeCase>& Cases() {
  static const std::vector<CodeCase> cases = {
      // Holders.
      {"V", 75000, "dPbValorVenda"},
      {"B", 50000, "Base_Financeiro"},
      {"6", 50000, "Base_Financeiro"},
      {"Y", 73000, "PrecoAVista"},
      {"E", 1100, "dPvFreteVenda"},
      // Vehicle and model columns.
      {"P", 1200, "PLANO_CAPITALIZACAO"},
      {"M", 350, "VALOR_REVISAO"},
      {"4", 61000, "CUSTO of the model M1"},
      {"H", 900, "VAL_HOLDBACK"},
      {"G", 450, "VAL_CONTRIBUICAO"},
      {"Q", 600, "VAL_FLOOR_PLAN"},
      {"0", 700, "VAL_BONUS of the vehicle"},
      // Entry invoice header (one vehicle on it, so its whole values).
      {"C", 60000, "TOT_NOTA_FISCAL 60500 - VALDESCONTO 500"},
      {"C", 60620, "60000 + base line '(' 120 + base line '[' 500; ')' is deleted", {}, "$"},
      {"F", 800, "VAL_FRETE_PF of the header"},
      {"(", 120, "VAL_FUNDO_RESERVA"},
      {")", 250, "VAL_DESC_INCONDICIONAL"},
      {"[", 500, "VALDESCONTO"},
      {"L", 15000, "sale 75000 - cost 60000"},
      // Entry invoice vehicle line.
      {"S", 33, "PIS 11 + COFINS 22 of the tax substitution"},
      {"9", 5550, "VAL_PIS 990 + VAL_COFINS 4560"},
      {"A", 1300, "VAL_IPI"},
      {"1", 7200, "VAL_ICMS"},
      {"2", 1500, "VAL_ICMS_RETIDO"},
      {"]", 310, "VALOR_ICMSRET_ARECOLHER"},
      {"3", 136, "ICMS on freight and insurance 96 + VAL_ICMS_FRETE_PF 40"},
      {"3", 0, "ICMS on freight left out", {{"NAO_CONSIDERAR_ICMS_SEG_CONT", T("S")}}},
      {"W", 2100, "VAL_DESP_ADUANEIRA"},
      {"&", 180, "VAL_SERVICO_COMANDER"},
      {"?", 65, "VAL_MAJORACAO_COFINS"},
      {"!", 430, "ICMS_DESONERADO, the header discounts it"},
      {"\\", 73, "VAL_PIS_FRETE_PF 13 + VAL_COFINS_FRETE_PF 60"},
      {"IFP", 55, "VAL_ICMS_COMB_POBREZA"},
      // Exit invoice.
      {"N", 1000, "sale 75000 - VAL_DEVERIA 74000"},
      {"D", 9300, "VAL_ICMS 9000 + shares 100 + 200", {{"SOMA_ICMS_PARTILHA", T("S")}}},
      {"D", 9000, "VAL_ICMS without the shares"},
      {"Z", 650, "VAL_FRETE_PF of the exit header"},
      {"$", 1800, "TOT_IPI, CALCULAR_IPI S"},
      {"I", 6937.5, "exit invoice VAL_PIS 1237.5 + VAL_COFINS 5700"},
      {"T", 76500, "optional OP1 2500 + public price 72000 + freight 1100 + insurance 900"},
      // Expenses, internal sales, deflation.
      {"O", -1000, "expense of sign + 1200 lowers, of sign - 200 raises: -1200 + 200"},
      // Parts sold on CH1 between 05/01 and 10/03: -(500 - 50 + 20).
      {"7", -470, "internal sales", {{"TRANS_VENDA_INTERNA", T("'S10', 'S11'")}}},
      // Payment 10000 due 10/04 (index 7: 104) deflated to the sale 10/03 (100).
      {"-", 10000 - 10000.0 / 104 * 100, "deflation", {{"INDICE", I(7)}}},
      // Bonuses, sheet, subsidy, rebate, returns, commission.
      {"U", 1500, "bonus 1 of group G1; bonus 2 (G2) is another group", {{"GRUPO_BONUS", T("G1")}}},
      {"BP", 650, "sheet rows of B7 imported by 15/03: 400 + 250", {{"COD_BONUS", T("B7")}}},
      // 65 days from 05/01 to 10/03 (2024 is a leap year); reference 05/01
      // (index 6: 100, so a unit of 50000 / 100 = 500).
      // Days 1-30: 50 * (500 * 102 - 500 * 100) / 100 / 102 = 4.9019 -> 4.90.
      // Days 31-65: 20 * (500 * 104 - 500 * 102) / 100 / 104 = 1.9230 -> 1.92.
      // Days 91-120 start after day 65. 6.82 times the index of 15/03 (100).
      {"J", 682, "subsidy SUB1 over 65 days", {{"INDICE", I(6)}, {"REFERENCIA", T("F")}}},
      // Paid on 20/01 (index 5: 101) instead of 30 days after 05/01 (04/02: 103):
      // 50000 / 100 * 103 - 50000 / 100 * 101.
      {"8", 1000, "rebate of the entry invoice's title", {{"INDICE", I(5)}, {"DIA", I(30)}}},
      {"R", 1155, "returns of proposal 77/2: (1000 - 100 - 15) + (300 - 30 - 0)"},
      {"5", 270, "return SEG only: 300 - 30", {{"TIPO_RETORNO", T("SEG")}}},
      {"X", 800, "commission base 40000 x salesperson 9's 2 %"},
      // Codes outside the table.
      {"K", 0, "profit so far: the costing evaluation's, not an incidence"},
      {"v", 0, "codes are compared exactly"},
  };
  return cases;
}

TEST_F(IncidenceCodesTest, EachCodeDrawsOnItsAmount) {
  for (size_t i = 0; i < Cases().size(); ++i)
    SeedLine(connection(), static_cast<int>(i + 1), Cases()[i].incidencia, Cases()[i].line);
  for (size_t i = 0; i < Cases().size(); ++i) {
    const CodeCase& c = Cases()[i];
    SCOPED_TRACE(std::string("incidence '") + c.incidencia + "' pfTipo '" + c.tipo + "': " + c.how);
    EXPECT_NEAR(Incidencia("V1", static_cast<int>(i + 1), kSemPercentual, c.tipo), c.expected,
                1e-6);
  }
}

TEST_F(IncidenceCodesTest, AMissingLineIsZeroWhateverTheFixedAmounts) {
  module().SetdPvValorFixo(800);
  EXPECT_EQ(Incidencia("V1", 999, 10, "", true), 0);
}

}  // namespace
}  // namespace veiculo::testing
