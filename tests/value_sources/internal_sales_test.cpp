// Internal sales of a chassis: each branch (parts sold, parts returned,
// services sold and returned, internal work orders) on a small seeded set,
// the dealer settings that shape the query, the transaction list and the
// period's bounds.

#include <gtest/gtest.h>

#include <string>

#include "value_sources/invoice_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

struct Contact {
  int empresa;
  int contato;
  const char* chassi;
  double data;
};

// A finished-or-not invoice of a contact; `origem` makes it a return of the
// invoice whose FATOPERACAO it names.
struct SaleInvoice {
  int empresa;
  int numero;
  const char* tipo;
  int contato;
  const char* status;
  double data;
  int fatoperacao = 0;
  int origem = 0;
};

Columns InvoiceKeyOf(const SaleInvoice& nf) {
  return {
      {"EMPRESA", Value::Integer(nf.empresa)},           {"REVENDA", Value::Integer(1)},
      {"NUMERO_NOTA_FISCAL", Value::Integer(nf.numero)}, {"SERIE_NOTA_FISCAL", Value::Text("U")},
      {"TIPO_TRANSACAO", Value::Text(nf.tipo)},          {"CONTADOR", Value::Integer(1)}};
}

void SeedSaleInvoice(Connection& c, const SaleInvoice& nf) {
  InsertRow(c, "FAT_MOVIMENTO_CAPA",
            InvoiceKeyOf(nf) +
                Columns{{"CONTATO", Value::Integer(nf.contato)},
                        {"STATUS", Value::Text(nf.status)},
                        {"DTA_ENTRADA_SAIDA", Value::DateTime(nf.data)},
                        {"FATOPERACAO", nf.fatoperacao ? Value::Integer(nf.fatoperacao) : Value()},
                        {"FATOPERACAO_ORIGINAL", nf.origem ? Value::Integer(nf.origem) : Value()}});
}

void SeedItem(Connection& c, const SaleInvoice& nf, Value total, Value desconto, Value frete) {
  InsertRow(c, "FAT_MOVIMENTO_ITEM",
            InvoiceKeyOf(nf) + Columns{{"VAL_TOTAL_REAL_ITEM", total},
                                       {"VAL_DESCONTO", desconto},
                                       {"VAL_FRETE", frete}});
}

void SeedService(Connection& c, const SaleInvoice& nf, double total, double desconto) {
  InsertRow(c, "FAT_MOVIMENTO_SERVICO",
            InvoiceKeyOf(nf) + Columns{{"VAL_REAL_TOTAL", Value::Float(total)},
                                       {"VAL_DESCONTO", Value::Float(desconto)}});
}

Value F(double v) {
  return Value::Float(v);
}

// The internal sale of chassis CH1 (06/03/2024 at 14:00) and its first return.
SaleInvoice Sale() {
  return {1, 700, "S10", 10, "F", Day(2024, 3, 6) + 14.0 / 24, 7000};
}
SaleInvoice FirstReturn() {
  return {1, 710, "E20", 10, "F", Day(2024, 3, 7), 7100, 7000};
}

class InternalSalesTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    InsertRow(c, "FAT_TIPO_TRANSACAO",
              {{"TIPO_TRANSACAO", Value::Text("S10")}, {"TIPO", Value::Text("S")}});
    InsertRow(c, "FAT_TIPO_TRANSACAO",
              {{"TIPO_TRANSACAO", Value::Text("S99")}, {"TIPO", Value::Text("S")}});
    InsertRow(c, "FAT_TIPO_TRANSACAO",
              {{"TIPO_TRANSACAO", Value::Text("E20")},
               {"TIPO", Value::Text("E")},
               {"SUBTIPO_TRANSACAO", Value::Text("D")}});
    // Contacts 10, 13 and 14 of chassis CH1 (13 dated in the period, its
    // invoice not; 14 the other way round), 11 of another chassis, 20 of CH1
    // at company 2.
    for (const Contact& k :
         {Contact{1, 10, "CH1", Day(2024, 3, 5)}, Contact{1, 11, "CH2", Day(2024, 3, 5)},
          Contact{1, 13, "CH1", Day(2024, 3, 10)}, Contact{1, 14, "CH1", Day(2024, 2, 15)},
          Contact{2, 20, "CH1", Day(2024, 3, 5)}}) {
      const Columns key = {{"EMPRESA", Value::Integer(k.empresa)},
                           {"REVENDA", Value::Integer(1)},
                           {"CONTATO", Value::Integer(k.contato)}};
      InsertRow(c, "OFI_ATENDIMENTO", key + Columns{{"CHASSI", Value::Text(k.chassi)}});
      InsertRow(c, "CAC_CONTATO", key + Columns{{"DTA_CONTATO", Value::DateTime(k.data)}});
    }

    // Parts sold: 500 - 50 + 20 and 300 (nulls count 0) on the internal sale.
    SeedSaleInvoice(c, Sale());
    SeedItem(c, Sale(), F(500), F(50), F(20));
    SeedItem(c, Sale(), F(300), Value(), Value());
    SeedService(c, Sale(), 400, 40);
    const SaleInvoice others[] = {
        {1, 701, "S99", 10, "F", Day(2024, 3, 6)},   // transaction not listed
        {1, 702, "S10", 11, "F", Day(2024, 3, 6)},   // another chassis
        {1, 703, "S10", 13, "F", Day(2024, 5, 1)},   // invoice after the period
        {1, 704, "S10", 14, "F", Day(2024, 3, 10)},  // contact before the period
        {1, 705, "S10", 10, "C", Day(2024, 3, 6)},   // cancelled
        {2, 720, "S10", 20, "F", Day(2024, 3, 6)},   // another company
    };
    const double amounts[] = {1000, 8000, 2000, 4000, 3000, 10000};
    for (size_t i = 0; i < std::size(others); ++i) {
      SeedSaleInvoice(c, others[i]);
      SeedItem(c, others[i], F(amounts[i]), Value(), Value());
    }

    // Two returns of the internal sale: 60 + 20 freight and 40; and 80.
    SeedSaleInvoice(c, FirstReturn());
    SeedItem(c, FirstReturn(), F(60), F(0), F(20));
    SeedItem(c, FirstReturn(), F(40), Value(), Value());
    SeedService(c, FirstReturn(), 50, 0);
    const SaleInvoice second_return{1, 711, "E20", 10, "F", Day(2024, 3, 7), 7110, 7000};
    SeedSaleInvoice(c, second_return);
    SeedItem(c, second_return, F(80), Value(), Value());

    // A closed internal work order: service 100 x 2 less 10 on an internal
    // request; the line on a customer request does not count.
    InsertRow(c, "OFI_ORDEM_SERVICO",
              {{"EMPRESA", Value::Integer(1)},
               {"REVENDA", Value::Integer(1)},
               {"CONTATO", Value::Integer(10)},
               {"SITUACAO_OS", Value::Integer(9)},
               {"SERVICO_INTERNO", Value::Integer(9)},
               {"TRANSACAO_INTERNA", Value::Text("S10")},
               {"DTA_ENCERRAMENTO", DateValue(2024, 3, 8)}});
    const Columns order = {{"EMPRESA", Value::Integer(1)},
                           {"REVENDA", Value::Integer(1)},
                           {"CONTATO", Value::Integer(10)}};
    InsertRow(c, "OFI_SOLICITACAO",
              order + Columns{{"NRO_SOLICITACAO", Value::Integer(1)},
                              {"TIPO_SERVICO_OS", Value::Text("I")}});
    InsertRow(c, "OFI_SOLICITACAO",
              order + Columns{{"NRO_SOLICITACAO", Value::Integer(2)},
                              {"TIPO_SERVICO_OS", Value::Text("C")}});
    InsertRow(c, "OFI_SERVICO_OS",
              order + Columns{{"VAL_SERVICO", F(100)},
                              {"QUANTIDADE", F(2)},
                              {"VAL_DESCONTO", F(10)},
                              {"NRO_SOLICITACAO", Value::Integer(1)}});
    InsertRow(c, "OFI_SERVICO_OS",
              order + Columns{{"VAL_SERVICO", F(999)},
                              {"QUANTIDADE", F(1)},
                              {"VAL_DESCONTO", F(0)},
                              {"NRO_SOLICITACAO", Value::Integer(2)}});

    InsertRow(c, "OFI_PARAMETRO", {{"EMPRESA", Value::Integer(1)}, {"REVENDA", Value::Integer(1)}});
    InsertRow(c, "VEI_PARAMETRO", {{"EMPRESA", Value::Integer(1)}, {"REVENDA", Value::Integer(1)}});
    for (int linha : {1, 2}) {
      InsertRow(c, "VEI_FORMULA_LINHA",
                {{"EMPRESA", Value::Integer(1)},
                 {"FORMULA", Value::Text("F1")},
                 {"LINHA_FORMULA", Value::Integer(linha)},
                 {"SOMA_SERVICOS_VENDA_INTERNA", Value::Text(linha == 1 ? "S" : "N")}});
    }
  }

  // Dealer 1's settings and the current formula line (1 sums services, 2 does not).
  void Settings(const char* servico_interno, const char* busca_empresas, const char* inventario,
                int linha) {
    Exec(std::string("update OFI_PARAMETRO set SERVICO_INTERNO = '") + servico_interno + "'");
    Exec(std::string("update VEI_PARAMETRO set BUSCA_DESPESA_EMPRESAS = '") + busca_empresas +
         "', DTA_INVENTARIO_VEICULO = '" + inventario + "'");
    dm.cdsLinha->Close();
    dm.cdsLinha->ParamByName("Empresa").SetAsInteger(1);
    dm.cdsLinha->ParamByName("Formula").SetAsText("F1");
    dm.cdsLinha->ParamByName("Linha").SetAsInteger(linha);
    dm.cdsLinha->Open();
  }
};

struct InternalCase {
  const char* what;
  const char* servico_interno;
  const char* busca_empresas;
  const char* inventario;
  int linha;
  const char* transacoes;
  double inicio, fim;
  double expected;
};

double March1() {
  return Day(2024, 3, 1);
}
double March31() {
  return Day(2024, 3, 31);
}

TEST_F(InternalSalesTest, EachBranchAndSetting) {
  // Parts sold by invoice date, company 1: 770 (NF 700) + 4000 (NF 704) = 4770.
  // Parts returned (always by contact date): 120 + 80 = 200.
  // Services sold 400 - 40 = 360, returned 50; work order 100 * 2 - 10 = 190.
  const InternalCase cases[] = {
      {"parts only", "N", "N", "N", 2, "'S10'", March1(), March31(), -(4770 - 200)},
      {"with services and work orders", "N", "N", "N", 1, "'S10'", March1(), March31(),
       -(4770 - 200 + 360 - 50 + 190)},
      {"work orders billed as services", "S", "N", "N", 1, "'S10'", March1(), March31(),
       -(4770 - 200 + 360 - 50)},
      // By contact date: NF 703 (contact 10/03) instead of NF 704 (contact 15/02).
      {"period on the contact date", "N", "N", "S", 2, "'S10'", March1(), March31(),
       -(770 + 2000 - 200)},
      {"contact date, with services", "N", "N", "S", 1, "'S10'", March1(), March31(),
       -(770 + 2000 - 200 + 360 - 50 + 190)},
      // Every company: NF 720 of company 2 adds 10000.
      {"every company", "N", "S", "N", 2, "'S10'", March1(), March31(), -(4770 + 10000 - 200)},
      {"two transactions", "N", "N", "N", 2, "'S10', 'S99'", March1(), March31(),
       -(4770 + 1000 - 200)},
      {"empty transaction list", "N", "N", "N", 2, "", March1(), March31(), 0},
      // One day: NF 700 at 14:00 is within it (the day ends at 23:59); the
      // returns' contact of 05/03 is not.
      {"one day", "N", "N", "N", 2, "'S10'", Day(2024, 3, 6), Day(2024, 3, 6), -770},
      {"period with nothing", "N", "N", "N", 1, "'S10'", Day(2023, 1, 1), Day(2023, 1, 31), 0},
  };
  for (const InternalCase& tc : cases) {
    SCOPED_TRACE(tc.what);
    Settings(tc.servico_interno, tc.busca_empresas, tc.inventario, tc.linha);
    EXPECT_DOUBLE_EQ(
        peer.BuscaVendaInterna("INTERBASE", 1, "CH1", tc.transacoes, tc.inicio, tc.fim),
        tc.expected);
  }
  EXPECT_FALSE(dm.sdsAux->Active());
}

TEST_F(InternalSalesTest, NoLineCurrentCountsPartsOnly) {
  Settings("N", "N", "N", 1);
  dm.cdsLinha->Close();
  EXPECT_DOUBLE_EQ(peer.BuscaVendaInterna("INTERBASE", 1, "CH1", "'S10'", March1(), March31()),
                   -(4770 - 200));
}

TEST_F(InternalSalesTest, TwoReturnsOfTheSameAmountBothCount) {
  // A third return of 80, like the second: each return counts once.
  const SaleInvoice third_return{1, 712, "E20", 10, "F", Day(2024, 3, 7), 7120, 7000};
  SeedSaleInvoice(connection(), third_return);
  SeedItem(connection(), third_return, F(80), Value(), Value());
  Settings("N", "N", "N", 2);
  EXPECT_DOUBLE_EQ(peer.BuscaVendaInterna("INTERBASE", 1, "CH1", "'S10'", March1(), March31()),
                   -(4770 - 120 - 80 - 80));
}

TEST_F(InternalSalesTest, ChassisWithAQuote) {
  Settings("N", "N", "N", 1);
  EXPECT_EQ(peer.BuscaVendaInterna("INTERBASE", 1, "CH'1", "'S10'", March1(), March31()), 0);
}

TEST_F(InternalSalesTest, UnsafeTransactionListIsRefusedBeforeAnyQuery) {
  Settings("N", "N", "N", 1);
  const long before = connection().StatementCount();
  try {
    peer.BuscaVendaInterna("INTERBASE", 1, "CH1", "'S10') or (1=1", March1(), March31());
    FAIL() << "the list was accepted";
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation);
    EXPECT_NE(std::string(e.what()).find("'S10') or (1=1"), std::string::npos) << e.what();
  }
  EXPECT_EQ(connection().StatementCount(), before);
}

}  // namespace
}  // namespace veiculo::testing
