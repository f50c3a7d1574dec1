// Internal sales of a chassis: each branch (parts sold and returned, services
// sold and returned, internal work orders), the dealer settings that shape the
// query, the transaction list and the period's bounds.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "value_sources/seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

// An invoice of a contact; `origem` makes it a return of the invoice whose
// FATOPERACAO it names.
struct SaleInvoice {
  int empresa, numero;
  const char* tipo;
  int contato;
  const char* status;
  double data;
  int fatoperacao = 0, origem = 0;
};

Columns SaleKey(const SaleInvoice& nf) {
  return {{"EMPRESA", I(nf.empresa)},           {"REVENDA", I(1)},
          {"NUMERO_NOTA_FISCAL", I(nf.numero)}, {"SERIE_NOTA_FISCAL", T("U")},
          {"TIPO_TRANSACAO", T(nf.tipo)},       {"CONTADOR", I(1)}};
}
Value IntOrNone(int v) {
  return v ? I(v) : Value();
}
void SeedSale(Connection& c, const SaleInvoice& nf) {
  Insert(c, "FAT_MOVIMENTO_CAPA",
         SaleKey(nf) + Cols("CONTATO STATUS DTA_ENTRADA_SAIDA FATOPERACAO FATOPERACAO_ORIGINAL",
                            {I(nf.contato), T(nf.status), D(nf.data), IntOrNone(nf.fatoperacao),
                             IntOrNone(nf.origem)}));
}
void Item(Connection& c, const SaleInvoice& nf, Value total, Value desconto = Value(),
          Value frete = Value()) {
  Insert(
      c, "FAT_MOVIMENTO_ITEM",
      SaleKey(nf) + Cols("VAL_TOTAL_REAL_ITEM VAL_DESCONTO VAL_FRETE", {total, desconto, frete}));
}
void Service(Connection& c, const SaleInvoice& nf, double total, double desconto) {
  Insert(c, "FAT_MOVIMENTO_SERVICO",
         SaleKey(nf) + Columns{{"VAL_REAL_TOTAL", F(total)}, {"VAL_DESCONTO", F(desconto)}});
}

class InternalSalesTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Connection& c = connection();
    for (auto [tt, tipo, sub] : {std::tuple{"S10", "S", ""}, {"S99", "S", ""}, {"E20", "E", "D"}})
      Insert(c, "FAT_TIPO_TRANSACAO", "TIPO_TRANSACAO TIPO SUBTIPO_TRANSACAO",
             {T(tt), T(tipo), *sub ? T(sub) : Value()});
    // Contacts 10, 13 (dated in the period, its invoice not) and 14 (the other
    // way round) of CH1; 11 of another chassis; 20 of CH1 at company 2.
    for (auto [empresa, contato, chassi, data] : {std::tuple{1, 10, "CH1", Day(2024, 3, 5)},
                                                  {1, 11, "CH2", Day(2024, 3, 5)},
                                                  {1, 13, "CH1", Day(2024, 3, 10)},
                                                  {1, 14, "CH1", Day(2024, 2, 15)},
                                                  {2, 20, "CH1", Day(2024, 3, 5)}}) {
      const Columns key = {{"EMPRESA", I(empresa)}, {"REVENDA", I(1)}, {"CONTATO", I(contato)}};
      Insert(c, "OFI_ATENDIMENTO", key + Columns{{"CHASSI", T(chassi)}});
      Insert(c, "CAC_CONTATO", key + Columns{{"DTA_CONTATO", D(data)}});
    }
    // The internal sale (06/03 14:00): parts 500 - 50 + 20 and 300 (nulls
    // count 0) = 770, services 400 - 40.
    const SaleInvoice sale{1, 700, "S10", 10, "F", Day(2024, 3, 6) + 14.0 / 24, 7000};
    SeedSale(c, sale);
    Item(c, sale, F(500), F(50), F(20));
    Item(c, sale, F(300));
    Service(c, sale, 400, 40);
    const struct {
      SaleInvoice nf;
      double amount;
    } others[] = {
        {{1, 701, "S99", 10, "F", Day(2024, 3, 6)}, 1000},   // transaction not listed
        {{1, 702, "S10", 11, "F", Day(2024, 3, 6)}, 8000},   // another chassis
        {{1, 703, "S10", 13, "F", Day(2024, 5, 1)}, 2000},   // invoice after the period
        {{1, 704, "S10", 14, "F", Day(2024, 3, 10)}, 4000},  // contact before the period
        {{1, 705, "S10", 10, "C", Day(2024, 3, 6)}, 3000},   // cancelled
        {{2, 720, "S10", 20, "F", Day(2024, 3, 6)}, 10000},  // another company
    };
    for (const auto& o : others) {
      SeedSale(c, o.nf);
      Item(c, o.nf, F(o.amount));
    }
    // Three returns of the sale: 60 + 20 freight and 40 with service 50; 80; 80 again.
    const SaleInvoice r1{1, 710, "E20", 10, "F", Day(2024, 3, 7), 7100, 7000};
    SeedSale(c, r1);
    Item(c, r1, F(60), F(0), F(20));
    Item(c, r1, F(40));
    Service(c, r1, 50, 0);
    for (int n : {711, 712}) {
      const SaleInvoice r{1, n, "E20", 10, "F", Day(2024, 3, 7), n * 10, 7000};
      SeedSale(c, r);
      Item(c, r, F(80));
    }
    // A closed internal work order: 100 x 2 less 10 on an internal request;
    // the line on a customer request does not count.
    const Columns os = {{"EMPRESA", I(1)}, {"REVENDA", I(1)}, {"CONTATO", I(10)}};
    Insert(c, "OFI_ORDEM_SERVICO",
           os + Cols("SITUACAO_OS SERVICO_INTERNO TRANSACAO_INTERNA DTA_ENCERRAMENTO",
                     {I(9), I(9), T("S10"), D(Day(2024, 3, 8))}));
    for (auto [n, tipo, valor, qtd, desc] :
         {std::tuple{1, "I", 100.0, 2.0, 10.0}, {2, "C", 999.0, 1.0, 0.0}}) {
      Insert(c, "OFI_SOLICITACAO",
             os + Columns{{"NRO_SOLICITACAO", I(n)}, {"TIPO_SERVICO_OS", T(tipo)}});
      Insert(c, "OFI_SERVICO_OS",
             os + Cols("VAL_SERVICO QUANTIDADE VAL_DESCONTO NRO_SOLICITACAO",
                       {F(valor), F(qtd), F(desc), I(n)}));
    }
    Insert(c, "OFI_PARAMETRO", "EMPRESA REVENDA", {I(1), I(1)});
    Insert(c, "VEI_PARAMETRO", "EMPRESA REVENDA", {I(1), I(1)});
    for (int linha : {1, 2})
      Insert(c, "VEI_FORMULA_LINHA", "EMPRESA FORMULA LINHA_FORMULA SOMA_SERVICOS_VENDA_INTERNA",
             {I(1), T("F1"), I(linha), T(linha == 1 ? "S" : "N")});
  }

  // Dealer 1's settings and the current formula line (1 sums services, 2 not).
  void Settings(const std::string& servico_interno, const std::string& busca_empresas,
                const std::string& inventario, int linha) {
    connection().ExecuteDirect("update OFI_PARAMETRO set SERVICO_INTERNO = '" + servico_interno +
                               "'");
    connection().ExecuteDirect("update VEI_PARAMETRO set BUSCA_DESPESA_EMPRESAS = '" +
                               busca_empresas + "', DTA_INVENTARIO_VEICULO = '" + inventario + "'");
    module().cdsLinha->Close();
    module().cdsLinha->ParamByName("Empresa").SetAsInteger(1);
    module().cdsLinha->ParamByName("Formula").SetAsText("F1");
    module().cdsLinha->ParamByName("Linha").SetAsInteger(linha);
    module().cdsLinha->Open();
  }
  double Venda(const char* chassi, const char* transacoes, double inicio = Day(2024, 3, 1),
               double fim = Day(2024, 3, 31)) {
    return peer().BuscaVendaInterna("INTERBASE", 1, chassi, transacoes, inicio, fim);
  }
};

TEST_F(InternalSalesTest, EachBranchAndSetting) {
  // Parts sold by invoice date, company 1: 770 (NF 700) + 4000 (NF 704) = 4770.
  // Parts returned (by contact date): 120 + 80 + 80 = 280, each return once.
  // Services 360, returned 50; work order 100 * 2 - 10 = 190.
  const struct {
    const char *what, *servico_interno, *busca_empresas, *inventario;
    int linha;
    const char* transacoes;
    double inicio, fim, expected;
  } cases[] = {
      {"parts only", "N", "N", "N", 2, "'S10'", Day(2024, 3, 1), Day(2024, 3, 31), -(4770 - 280)},
      {"services and work orders", "N", "N", "N", 1, "'S10'", Day(2024, 3, 1), Day(2024, 3, 31),
       -(4770 - 280 + 360 - 50 + 190)},
      {"work orders billed as services", "S", "N", "N", 1, "'S10'", Day(2024, 3, 1),
       Day(2024, 3, 31), -(4770 - 280 + 360 - 50)},
      // By contact date: NF 703 (contact 10/03) instead of NF 704 (contact 15/02).
      {"contact date", "N", "N", "S", 2, "'S10'", Day(2024, 3, 1), Day(2024, 3, 31),
       -(770 + 2000 - 280)},
      {"every company: + NF 720", "N", "S", "N", 2, "'S10'", Day(2024, 3, 1), Day(2024, 3, 31),
       -(4770 + 10000 - 280)},
      {"two transactions: + NF 701", "N", "N", "N", 2, "'S10', 'S99'", Day(2024, 3, 1),
       Day(2024, 3, 31), -(4770 + 1000 - 280)},
      {"empty transaction list", "N", "N", "N", 2, "", Day(2024, 3, 1), Day(2024, 3, 31), 0},
      // NF 700 at 14:00 is within the day; the returns' contact of 05/03 is not.
      {"one day", "N", "N", "N", 2, "'S10'", Day(2024, 3, 6), Day(2024, 3, 6), -770},
      {"period with nothing", "N", "N", "N", 1, "'S10'", Day(2023, 1, 1), Day(2023, 1, 31), 0},
  };
  for (const auto& tc : cases) {
    SCOPED_TRACE(tc.what);
    Settings(tc.servico_interno, tc.busca_empresas, tc.inventario, tc.linha);
    EXPECT_DOUBLE_EQ(Venda("CH1", tc.transacoes, tc.inicio, tc.fim), tc.expected);
  }
  EXPECT_FALSE(module().sdsAux->Active());
  module().cdsLinha->Close();  // no line current: parts only
  EXPECT_DOUBLE_EQ(Venda("CH1", "'S10'"), -(4770 - 280));
  EXPECT_EQ(Venda("CH'1", "'S10'"), 0);
}

TEST_F(InternalSalesTest, UnsafeTransactionListIsRefusedBeforeAnyQuery) {
  Settings("N", "N", "N", 1);
  EXPECT_EQ(StatementsOf([&] {
              EXPECT_VEICULO_ERROR(Venda("CH1", "'S10') or (1=1"), ErrorCategory::Validation,
                                   "'S10') or (1=1");
            }),
            0);
}

}  // namespace
}  // namespace veiculo::testing
