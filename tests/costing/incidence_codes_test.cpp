// Every incidence code resolved against one vehicle (V1, chassis CH1, model M1)
// with its entry and exit invoices, expenses, optionals, bonuses, proposal
// with returns, payments and salesperson, subsidy, titles of the rebate,
// internal sales and the imported bonus sheet. Each code has its own line of
// formula F1, resolved without a percentage; the expected amount stands beside
// the code with the rows it comes from.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "costing/incidence_seed.h"

namespace veiculo::testing {
namespace {

const Invoice kEntrada{1, 100, "E51"};
const Invoice kSaida{1, 900, "S51"};

void SeedInvoices(Connection& c) {
  // Entry invoice of V1 alone (TOT_QUANTIDADES 1), not a purchase invoice
  // (MODALIDADE N), so no other invoice adds to its figures.
  SeedHeader(c, kEntrada,
             {{"MODALIDADE", T("N")},
              {"STATUS", T("F")},
              {"TOT_NOTA_FISCAL", F(60500)},
              {"VALDESCONTO", F(500)},
              {"VAL_FRETE_PF", F(800)},
              {"VAL_FUNDO_RESERVA", F(120)},
              {"VAL_DESC_INCONDICIONAL", F(250)},
              {"TOT_QUANTIDADES", I(1)},
              {"ICMSDESONERADO_DESCONTADONOTA", T("S")},
              {"OPERACAO", I(4455)}});
  SeedVehicleLine(c, kEntrada, "V1",
                  {{"VAL_PIS_SUBTRIBUTARIA", F(11)},
                   {"VAL_COFINS_SUBTRIBUTARIA", F(22)},
                   {"VAL_PIS", F(990)},
                   {"VAL_COFINS", F(4560)},
                   {"VAL_IPI", F(1300)},
                   {"VAL_ICMS", F(7200)},
                   {"VAL_ICMS_RETIDO", F(1500)},
                   {"VALOR_ICMSRET_ARECOLHER", F(310)},
                   {"VAL_ICMS_FRETE_SEGURO", F(96)},
                   {"VAL_ICMS_FRETE_PF", F(40)},
                   {"VAL_DESP_ADUANEIRA", F(2100)},
                   {"VAL_SERVICO_COMANDER", F(180)},
                   {"VAL_MAJORACAO_COFINS", F(65)},
                   {"ICMS_DESONERADO", F(430)},
                   {"VAL_PIS_FRETE_PF", F(13)},
                   {"VAL_COFINS_FRETE_PF", F(60)},
                   {"VAL_ICMS_COMB_POBREZA", F(55)}});
  SeedHeader(c, kSaida,
             {{"STATUS", T("F")},
              {"TOT_NOTA_FISCAL", F(75000)},
              {"VALDESCONTO", F(0)},
              {"VAL_FRETE_PF", F(650)},
              {"CALCULAR_IPI", T("S")},
              {"TOT_IPI", F(1800)},
              {"VAL_PIS", F(1237.5)},
              {"VAL_COFINS", F(5700)}});
  SeedVehicleLine(c, kSaida, "V1",
                  {{"VAL_ICMS", F(9000)},
                   {"VAL_ICMS_PARTIL_UF_REM", F(100)},
                   {"VAL_ICMS_PARTIL_UF_DEST", F(200)},
                   {"VAL_DEVERIA", F(74000)}});
}

void SeedExpensesAndOptionals(Connection& c) {
  InsertRow(c, "VEI_DESPESA", {{"EMPRESA", I(1)}, {"DESPESA", I(1)}, {"SINAL", T("+")}});
  InsertRow(c, "VEI_DESPESA", {{"EMPRESA", I(1)}, {"DESPESA", I(2)}, {"SINAL", T("-")}});
  int documento = 0;
  for (auto [despesa, valor] : {std::pair{1, 1200.0}, std::pair{2, 200.0}}) {
    InsertRow(c, "VEI_DESPESA_VEICULO",
              {{"EMPRESA", I(1)},
               {"VEICULO", T("V1")},
               {"DESPESA", I(despesa)},
               {"DOCUMENTO", I(++documento)},
               {"CONTADOR", I(1)},
               {"DTA_DESPESA_VEICULO", DateValue(2024, 2, 1)},
               {"VAL_DESPESA_VEICULO", F(valor)}});
  }
  InsertRow(
      c, "VEI_OPCIONAL_MODELO",
      {{"EMPRESA", I(1)}, {"MODELO", T("M1")}, {"OPCIONAL", T("OP1")}, {"VAL_OPCIONAL", F(2500)}});
  SeedFichaOpcional(c, 1, "CH1", "M1", "OP1");
}

// Proposal 77 of V1 (negotiation 2) with its contact, salesperson, two
// returns and one payment due after the sale.
void SeedProposal(Connection& c) {
  InsertRow(c, "VEI_SITUACAO",
            {{"EMPRESA", I(1)}, {"SITUACAO", T("ESTOQUE")}, {"LOCALIZACAO", T("E")}});
  InsertRow(c, "CAC_CONTATO",
            {{"EMPRESA", I(1)}, {"REVENDA", I(1)}, {"CONTATO", I(500)}, {"CLIENTE", I(31)}});
  InsertRow(c, "VEI_PROPOSTA",
            {{"EMPRESA", I(1)},
             {"REVENDA", I(1)},
             {"PROPOSTA", I(77)},
             {"NEGOCIACAO_FINAL", I(2)},
             {"SITUACAO", T("2")},
             {"VEICULO", T("V1")},
             {"CONTATO", I(500)},
             {"VENDEDOR", I(9)},
             {"DTA_EMISSAO", DateValue(2024, 3, 1)}});
  InsertRow(c, "FAT_VENDEDOR",
            {{"EMPRESA", I(1)}, {"REVENDA", I(1)}, {"VENDEDOR", I(9)}, {"COMISSAO", F(2)}});
  struct Retorno {
    int sequencia;
    const char* tipo;
    double retorno, comissao, irrf;
  };
  for (const Retorno& r : {Retorno{1, "FIN", 1000, 100, 15}, Retorno{2, "SEG", 300, 30, 0}}) {
    InsertRow(c, "VEI_RETORNO",
              {{"EMPRESA", I(1)},
               {"REVENDA", I(1)},
               {"PROPOSTA", I(77)},
               {"NEGOCIACAO", I(2)},
               {"SEQUENCIA", I(r.sequencia)},
               {"TIPO_RETORNO", T(r.tipo)},
               {"VAL_RETORNO", F(r.retorno)},
               {"VAL_COMISSAO", F(r.comissao)},
               {"VAL_IRRF", F(r.irrf)}});
  }
  InsertRow(c, "FAT_CONDICAO_PAGAMENTO",
            {{"EMPRESA", I(1)},
             {"CONDICAO", I(10)},
             {"TIPO_PAGTO", T("V")},
             {"CONSIDERA_DEFLACAO", T("S")}});
  InsertRow(c, "VEI_PAGAMENTO",
            {{"EMPRESA", I(1)},
             {"REVENDA", I(1)},
             {"PROPOSTA", I(77)},
             {"NEGOCIACAO", I(2)},
             {"NUMERO_PAGAMENTO", I(1)},
             {"CONDICAO", I(10)},
             {"VAL_PAGAMENTO", F(10000)},
             {"DTA_VENCIMENTO", DateValue(2024, 4, 10)}});
}

void SeedIndex(Connection& c, int indice, const std::vector<std::pair<double, double>>& values) {
  InsertRow(c, "FIN_INDICE_FINANCEIRO",
            {{"EMPRESA", I(1)}, {"INDICE", I(indice)}, {"PERIODO", T("D")}});
  for (const auto& [data, valor] : values) {
    InsertRow(c, "FIN_VALOR_INDICE",
              {{"EMPRESA", I(1)},
               {"INDICE", I(indice)},
               {"DTA_INDICE", Value::DateTime(data)},
               {"VAL_INDICE", F(valor)}});
  }
}

void SeedBonusesSubsidyAndTitles(Connection& c) {
  // Bonuses of model M1 without criteria: 1500 in group G1, 999 in G2.
  InsertRow(c, "VEI_BONUS",
            {{"EMPRESA", I(1)},
             {"BONUS", I(1)},
             {"MODELO", T("M1")},
             {"GRUPO_BONUS", T("G1")},
             {"VAL_BONUS", F(1500)}});
  InsertRow(c, "VEI_BONUS",
            {{"EMPRESA", I(1)},
             {"BONUS", I(2)},
             {"MODELO", T("M1")},
             {"GRUPO_BONUS", T("G2")},
             {"VAL_BONUS", F(999)}});

  // Subsidy SUB1: 50 % of days 1-30, 20 % of days 31-90, 10 % of days 91-120.
  InsertRow(c, "VEI_SUBSIDIO", {{"EMPRESA", I(1)}, {"SUBSIDIO", T("SUB1")}});
  struct Periodo {
    int periodo, inicio, final;
    double pct;
  };
  for (const Periodo& p : {Periodo{1, 1, 30, 50}, Periodo{2, 31, 90, 20}, Periodo{3, 91, 120, 10}})
    InsertRow(c, "VEI_SUBSIDIO_PERIODO",
              {{"EMPRESA", I(1)},
               {"SUBSIDIO", T("SUB1")},
               {"PERIODO", I(p.periodo)},
               {"INICIO", I(p.inicio)},
               {"FINAL", I(p.final)},
               {"PER_SUBSIDIO", F(p.pct)}});

  // Index 5 (rebate), 6 (subsidy), 7 (deflation): daily levels.
  SeedIndex(c, 5, {{Day(2024, 1, 5), 100}, {Day(2024, 1, 20), 101}, {Day(2024, 2, 4), 103}});
  SeedIndex(c, 6,
            {{Day(2024, 1, 5), 100},
             {Day(2024, 2, 4), 102},
             {Day(2024, 3, 10), 104},
             {Day(2024, 3, 15), 100}});
  SeedIndex(c, 7, {{Day(2024, 3, 10), 100}, {Day(2024, 4, 10), 104}});

  // The title of the entry invoice's operation, paid: its bonus payment of
  // 20/01 counts; a reversed one and one of another transaction do not.
  InsertRow(c, "FIN_TITULO",
            {{"EMPRESA", I(1)},
             {"REVENDA", I(1)},
             {"TITULO", I(1)},
             {"DUPLICATA", I(1)},
             {"CLIENTE", I(3)},
             {"TIPO", T("RB")},
             {"STATUS", T("PT")},
             {"DTA_ULTIMA_ALTERACAO", DateValue(2024, 2, 1)},
             {"OPERACAO", I(4455)}});
  struct Pagamento {
    double data;
    const char* transacao;
    Value estorno;
  };
  for (const Pagamento& p :
       {Pagamento{Day(2024, 1, 20), "BN", Value()}, Pagamento{Day(2024, 1, 25), "BN", I(1)},
        Pagamento{Day(2024, 1, 28), "XX", Value()}})
    InsertRow(c, "FIN_TITULO_PAGAMENTO",
              {{"EMPRESA", I(1)},
               {"REVENDA", I(1)},
               {"TITULO", I(1)},
               {"DUPLICATA", I(1)},
               {"CLIENTE", I(3)},
               {"TIPO", T("RB")},
               {"DTA_PAGAMENTO", Value::DateTime(p.data)},
               {"TIPO_TRANSACAO", T(p.transacao)},
               {"LCTO_ESTORNO", p.estorno}});

  // Bonus sheet: 400 + 250 of code B7 imported by the processing date; later
  // imports, other codes and other vehicles do not count.
  struct Planilha {
    const char* veiculo;
    const char* codigo;
    double data, valor;
  };
  for (const Planilha& p :
       {Planilha{"V1", "B7", Day(2024, 3, 1), 400}, Planilha{"V1", "B7", Day(2024, 3, 14), 250},
        Planilha{"V1", "B7", Day(2024, 3, 20), 999}, Planilha{"V1", "B8", Day(2024, 3, 1), 77},
        Planilha{"V2", "B7", Day(2024, 3, 1), 55}})
    InsertRow(c, "VEI_PLANILHA_BONUS",
              {{"EMPRESA", I(1)},
               {"VEICULO", T(p.veiculo)},
               {"COD_BONUS", T(p.codigo)},
               {"DTA_IMPORTACAO", Value::DateTime(p.data)},
               {"VALOR_BONUS", F(p.valor)}});
}

// A parts sale of 500 - 50 discount + 20 freight on chassis CH1, invoiced on
// 01/02/2024 under transaction S10.
void SeedInternalSale(Connection& c) {
  InsertRow(c, "FAT_TIPO_TRANSACAO", {{"TIPO_TRANSACAO", T("S10")}, {"TIPO", T("S")}});
  const Columns contato = {{"EMPRESA", I(1)}, {"REVENDA", I(1)}, {"CONTATO", I(600)}};
  InsertRow(c, "OFI_ATENDIMENTO", contato + Columns{{"CHASSI", T("CH1")}});
  InsertRow(c, "CAC_CONTATO", contato + Columns{{"DTA_CONTATO", DateValue(2024, 2, 1)}});
  const Columns nota = {{"EMPRESA", I(1)},
                        {"REVENDA", I(1)},
                        {"NUMERO_NOTA_FISCAL", I(700)},
                        {"SERIE_NOTA_FISCAL", T("U")},
                        {"TIPO_TRANSACAO", T("S10")},
                        {"CONTADOR", I(1)}};
  InsertRow(c, "FAT_MOVIMENTO_CAPA",
            nota + Columns{{"CONTATO", I(600)},
                           {"STATUS", T("F")},
                           {"DTA_ENTRADA_SAIDA", DateValue(2024, 2, 1)}});
  InsertRow(
      c, "FAT_MOVIMENTO_ITEM",
      nota +
          Columns{{"VAL_TOTAL_REAL_ITEM", F(500)}, {"VAL_DESCONTO", F(50)}, {"VAL_FRETE", F(20)}});
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
               {{"IMPRIME_VALOR_OPCIONAIS_REL", T("S")},
                {"DTA_INVENTARIO_VEICULO", T("N")},
                {"BUSCA_DESPESA_EMPRESAS", T("N")}});
    InsertRow(c, "VEI_MODELO", {{"EMPRESA", I(1)}, {"MODELO", T("M1")}, {"CUSTO", F(61000)}});
    SeedVehicleWithRecord(c, "V1", "CH1",
                          EntryInvoiceOf(kEntrada) + ExitInvoiceOf(kSaida) +
                              Columns{{"SITUACAO", T("ESTOQUE")},
                                      {"NOVO_USADO", T("N")},
                                      {"TIPO_VENDA", T("N")},
                                      {"VAL_COMPRA", F(58000)},
                                      {"DTA_VENDA", Value::DateTime(kVenda)},
                                      {"DTA_FAT_FABRICA", Value::DateTime(kFatFabrica)},
                                      {"PLANO_CAPITALIZACAO", F(1200)},
                                      {"VALOR_REVISAO", F(350)},
                                      {"VAL_HOLDBACK", F(900)},
                                      {"VAL_CONTRIBUICAO", F(450)},
                                      {"VAL_FLOOR_PLAN", F(600)},
                                      {"VAL_BONUS", F(700)},
                                      {"SUBSIDIO", T("SUB1")}},
                          {{"ANO_FABRICACAO", I(2023)},
                           {"ANO_MODELO", I(2024)},
                           {"PORTAS", I(4)},
                           {"EDICAO", T("ED1")},
                           {"PACOTE", T("PK1")}});
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

    ASSERT_TRUE(dm.LerParametro(1, 1));
    Load("V1");
    dm.SetdPbValorVenda(75000);
    dm.SetBase_Financeiro(50000);
    dm.SetPrecoAVista(73000);
    dm.SetdPvFreteVenda(1100);
    dm.SetdPvPrecoPublicoOri(72000);
    dm.SetdPvValorSeguro(900);
    dm.SetBaseComissaoVendedor(40000);
    dm.SetiPvProposta(77);
    dm.SetiPvNegociacao(2);
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
      {"3",
       0,
       "the line leaves the ICMS on freight and insurance out",
       {{"NAO_CONSIDERAR_ICMS_SEG_CONT", T("S")}}},
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
      {"7",
       -470,
       "parts sold on CH1 between 05/01 and 10/03: -(500 - 50 + 20)",
       {{"TRANS_VENDA_INTERNA", T("'S10', 'S11'")}}},
      {"-",
       10000 - 10000.0 / 104 * 100,
       "payment 10000 due 10/04 (index 7: 104) deflated to the sale 10/03 (100)",
       {{"INDICE", I(7)}}},
      // Bonuses, sheet, subsidy, rebate, returns, commission.
      {"U", 1500, "bonus 1 of group G1; bonus 2 (G2) is another group", {{"GRUPO_BONUS", T("G1")}}},
      {"BP", 650, "sheet rows of B7 imported by 15/03: 400 + 250", {{"COD_BONUS", T("B7")}}},
      // 65 days from 05/01 to 10/03 (2024 is a leap year); reference 05/01
      // (index 6: 100, so a unit of 50000 / 100 = 500).
      // Days 1-30: 50 * (500 * 102 - 500 * 100) / 100 / 102 = 4.9019 -> 4.90.
      // Days 31-65: 20 * (500 * 104 - 500 * 102) / 100 / 104 = 1.9230 -> 1.92.
      // Days 91-120 start after day 65. 6.82 times the index of 15/03 (100).
      {"J",
       682,
       "subsidy SUB1 over 65 days, see above",
       {{"INDICE", I(6)}, {"REFERENCIA", T("F")}}},
      // Paid on 20/01 (index 5: 101) instead of 30 days after 05/01 (04/02: 103):
      // 50000 / 100 * 103 - 50000 / 100 * 101.
      {"8",
       1000,
       "rebate of the entry invoice's title, see above",
       {{"INDICE", I(5)}, {"DIA", I(30)}}},
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
  dm.SetdPvValorFixo(800);
  EXPECT_EQ(Incidencia("V1", 999, 10, "", true), 0);
}

}  // namespace
}  // namespace veiculo::testing
