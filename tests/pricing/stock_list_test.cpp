// The intermediate stock list on the seeded dealer of stock_list_seed.h.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "pricing/stock_list_seed.h"

namespace veiculo::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using ::testing::UnorderedElementsAreArray;

struct Pedido {
  std::string chassi{}, veiculo{}, ano_modelo{}, revenda{}, familia{}, situacao{}, modelo{};
  std::string departamento{}, revenda_vendas{}, trans_devolucao{}, pacotes{};
  int32_t novo_usado = 2, considerar_revenda = 0;
  bool venda = false, pedido = false, icarros = false;
  bool valorizar = false, est_medio = false;
  std::string data_ref = "10/03/2025 12:00:00";
};

class StockListTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    SeedStockDealer(connection());
  }

  DataPacket List(const Pedido& p) {
    return module().BuscaEstoqueIntermediario(
        &connection(), "INTERBASE", p.data_ref, "01/03/2025", "31/03/2025", p.chassi, p.veiculo,
        p.ano_modelo, p.revenda, p.familia, p.trans_devolucao, p.pacotes, p.departamento,
        p.situacao, p.revenda_vendas, p.modelo, p.novo_usado, p.considerar_revenda, nullptr,
        p.venda, false, false, false, p.est_medio, p.pedido, p.valorizar, p.icarros);
  }

  // Row key: the vehicle code, or "order CHASSI" for an order without vehicle.
  static std::string Key(const DataPacket& data, const DataPacket::Row& row) {
    const Value& veiculo = row[static_cast<size_t>(data.FieldIndex("VEICULO"))];
    return veiculo.IsNull()
               ? "order " + row[static_cast<size_t>(data.FieldIndex("CHASSI"))].AsText()
               : veiculo.AsText();
  }
  static std::vector<std::string> Keys(const DataPacket& data) {
    std::vector<std::string> keys;
    for (const auto& row : data.rows) keys.push_back(Key(data, row));
    return keys;
  }
  // One column of every row by key, as text (numbers in the local form).
  static std::map<std::string, std::string> Column(const DataPacket& data, const char* name) {
    std::map<std::string, std::string> values;
    const int index = data.FieldIndex(name);
    EXPECT_GE(index, 0) << name;
    for (const auto& row : data.rows)
      values[Key(data, row)] = row[static_cast<size_t>(index)].AsText();
    return values;
  }
  // Several columns of every row by key, joined by "|".
  static std::map<std::string, std::string> Columns(const DataPacket& data,
                                                    std::initializer_list<const char*> names) {
    std::map<std::string, std::string> joined;
    for (const char* name : names)
      for (const auto& [key, value] : Column(data, name))
        joined[key] += (name == *names.begin() ? "" : "|") + value;
    return joined;
  }
};

TEST_F(StockListTest, NewUsedOrAllSelectTheStockOfThatKind) {
  const std::vector<std::string> novos = {"N1", "N2", "P1", "R1", "R2", "G1", "DV1"};
  struct Case {
    int32_t novo_usado;
    std::vector<std::string> veiculos;
  };
  std::vector<std::string> todos = novos;
  todos.push_back("U1");
  for (const Case& c : {Case{0, novos}, Case{1, {"U1"}}, Case{2, todos}, Case{7, todos}}) {
    EXPECT_THAT(Keys(List({.novo_usado = c.novo_usado})), UnorderedElementsAreArray(c.veiculos))
        << c.novo_usado;
  }
  // Used vehicles only: the maker orders stay out even when asked for.
  EXPECT_THAT(Keys(List({.novo_usado = 1, .pedido = true})), ElementsAre("U1"));
}

TEST_F(StockListTest, WithoutTheListFlagsOnlyTheStockBranchRuns) {
  const DataPacket data = List({});
  // S1, S2 and D1 stand in a sold situation, P2 in transit without a
  // pre-reservation; no order, sale or return row.
  EXPECT_THAT(Keys(data), UnorderedElementsAre("N1", "N2", "U1", "P1", "R1", "R2", "G1", "DV1"));
  for (const char* flag : {"VENDIDO", "VENDADIR", "DEVOLUCOES", "PEDIDO", "PLANO_MENSAL"})
    for (const auto& [veiculo, value] : Column(data, flag))
      EXPECT_EQ(value, "0") << flag << veiculo;
}

TEST_F(StockListTest, StatusFlagsOfTheStockRows) {
  const DataPacket data = List({});
  // CONTABIL TRANSITO RESERVADO NEGOCIADO TEM_PROPOSTA DISPONIVEL VCR
  const std::map<std::string, std::string> expected = {
      {"N1", "1|0|0|0|0|1|1"}, {"N2", "0|1|0|0|0|0|1"},
      {"U1", "1|0|0|0|0|1|3"},  // dealer 2 values from its parameter "3"
      {"P1", "0|0|1|0|0|0|1"},  // pre-reserved in transit
      {"R1", "1|0|1|0|0|0|1"},  // reserved until 12/03
      {"R2", "1|0|0|0|0|1|1"},  // reservation ended on 09/03
      {"G1", "1|0|0|1|1|0|3"},  // proposals in situations 5 and 2
      {"DV1", "1|0|0|0|0|1|1"}};
  EXPECT_EQ(Columns(data, {"CONTABIL", "TRANSITO", "RESERVADO", "NEGOCIADO", "TEM_PROPOSTA",
                           "DISPONIVEL", "VCR"}),
            expected);
}

TEST_F(StockListTest, AnEmptySituationFilterTakesPreReservedVehiclesInTransit) {
  EXPECT_THAT(Keys(List({.situacao = "CAMINHO"})), UnorderedElementsAre("P1", "P2"));
  // Quoted or bare codes.
  EXPECT_THAT(Keys(List({.situacao = "'EST', TRANS"})),
              UnorderedElementsAre("N1", "N2", "U1", "R1", "R2", "G1", "DV1"));
}

TEST_F(StockListTest, ReservationAndProposalColumns) {
  const DataPacket data = List({});
  // Seller, customer, reserved and user of the reservation.
  const auto reserva = Columns(data, {"NOME_VENDEDOR_RESERVA", "NOME_CLIENTE_RESERVA",
                                      "VEICULO_RESERVADO", "USUARIO_RESERVA"});
  EXPECT_EQ(reserva.at("P1"), "Carla|Paulo Lima|N|");  // the pre-reservation's
  EXPECT_EQ(reserva.at("R1"), "Bruno|Ana Reis|S|7");
  EXPECT_EQ(reserva.at("R2"), "||N|");  // ended before the reference date
  EXPECT_EQ(reserva.at("N1"), "||N|");
  // G1: the highest of 700*1000+2 and 650*1000+1 in situations 2 and 5;
  // proposals 700 and 650 share the latest issue, Elisa > Diego.
  EXPECT_EQ(Column(data, "PROPOSTA").at("G1"), "700002");
  EXPECT_EQ(Column(data, "VENDEDOR_PROPOSTA").at("G1"), "Elisa");
  EXPECT_EQ(Column(data, "PROPOSTA").at("N1"), "0");
  EXPECT_EQ(Column(data, "NOME_FANTASIA").at("U1"), "Filial");
  EXPECT_EQ(Column(data, "DES_COR").at("N1"), "Prata");
}

TEST_F(StockListTest, SoldDirectSaleReturnedAndOrderedRows) {
  const DataPacket data = List({.venda = true, .pedido = true});
  const auto val_venda = Column(data, "VAL_VENDA"), vcr = Column(data, "VCR");
  struct Case {
    const char* chave;
    const char* flag;  // the flag set to 1
    const char* val_venda;
  };
  // S1 at 15:30 on the period's last day counts; S2's invoice is cancelled.
  // The order: dealer 1 price 82.000 + freight 1.500 + insurance 500 + optional 2.500.
  for (const Case& c : {Case{"S1", "VENDIDO", "91000"}, Case{"D1", "VENDADIR", "88000"},
                        Case{"order ORD900", "PEDIDO", "86500"}}) {
    SCOPED_TRACE(c.chave);
    ASSERT_TRUE(val_venda.contains(c.chave));
    EXPECT_EQ(val_venda.at(c.chave), c.val_venda);
    EXPECT_EQ(vcr.at(c.chave), "4");
    for (const char* flag : {"VENDIDO", "VENDADIR", "DEVOLUCOES", "PEDIDO"})
      EXPECT_EQ(Column(data, flag).at(c.chave), std::string(flag) == c.flag ? "1" : "0") << flag;
  }
  // DV1 is listed twice: returned (87.000) and back in stock.
  int returned = 0;
  for (const auto& row : data.rows)
    if (Key(data, row) == "DV1" &&
        row[static_cast<size_t>(data.FieldIndex("DEVOLUCOES"))].AsInteger() == 1) {
      ++returned;
      EXPECT_EQ(row[static_cast<size_t>(data.FieldIndex("VAL_VENDA"))].AsFloat(), 87000);
    }
  EXPECT_EQ(returned, 1);
  EXPECT_FALSE(val_venda.contains("S2"));
  EXPECT_FALSE(val_venda.contains("order ORD901"));
  // The order: the model's cost, a firm order reserved until 11/03, no proposal.
  EXPECT_EQ(Column(data, "CUSTO").at("order ORD900"), "50000");
  EXPECT_EQ(Column(data, "TIPO_PEDIDO").at("order ORD900"), "FirmOrder");
  EXPECT_EQ(Column(data, "RESERVADO").at("order ORD900"), "1");
  EXPECT_EQ(Column(data, "NOVO_USADO").at("order ORD900"), "N");
}

TEST_F(StockListTest, SellingDealerRestrictsSalesByInvoicingOrOriginDealer) {
  // S1 was invoiced by dealer 1 for origin dealer 2; D1 belongs to dealer 2.
  auto sold = [&](int32_t considerar) {
    const DataPacket data =
        List({.revenda_vendas = "1.2", .considerar_revenda = considerar, .venda = true});
    std::set<std::string> keys;
    for (const auto& row : data.rows)
      if (row[static_cast<size_t>(data.FieldIndex("VENDIDO"))].AsInteger() == 1)
        keys.insert(Key(data, row));
    return keys;
  };
  EXPECT_TRUE(sold(0).empty());
  EXPECT_EQ(sold(1), std::set<std::string>{"S1"});
}

TEST_F(StockListTest, StoredCostSignedByTheFormulaLines) {
  const DataPacket data = List({});
  // Historic 60.000 + 500 (base line) - 2.000; present 61.000 + 510 - 2.100.
  EXPECT_EQ(Column(data, "CUSTO").at("N1"), "58500");
  EXPECT_EQ(Column(data, "CUSTO_PRES").at("N1"), "59410");
  EXPECT_EQ(Column(data, "CUSTO").at("N2"), "0");  // no stored lines
}

TEST_F(StockListTest, AListWithoutValuationShowsTheValuesOfTheLastValuedOne) {
  // U1, used, of dealer 2 (days counted from the entry): table price and sale
  // value are both its dealer price; entry 08/02/2025 to 10/03/2025 12:00
  // makes 20 + 10 = 30 whole days.
  Exec("update VEI_PARAMETRO set DTA_CALCULO_ESTOQUE = '3' where EMPRESA = 1");
  Exec(
      "update VEI_VEICULO set PRECO_CONCESSIONARIA = 61900, DTA_ENTRADA = '2025-02-08' "
      "where EMPRESA = 1 and VEICULO = 'U1'");
  const DataPacket valorizada = List({.novo_usado = 1, .valorizar = true});
  const char* const kValores[] = {"PRECO_TABELA", "VENDA", "EST_MEDIO"};
  EXPECT_EQ(Column(valorizada, "PRECO_TABELA").at("U1"), "61900");
  EXPECT_EQ(Column(valorizada, "VENDA").at("U1"), "61900");
  EXPECT_EQ(Column(valorizada, "EST_MEDIO").at("U1"), "30");

  // A second used vehicle arrives; the next list is not valued: U1 keeps
  // the values of the valued list, U2 and the new vehicles (never valued) 0.
  AddVehicle(connection(), "U2", "CHU2",
             Cols("REVENDA_ORIGEM SITUACAO NOVO_USADO PRECO_CONCESSIONARIA",
                  {I(2), T("EST"), T("U"), F(50000)}));
  const DataPacket lista = List({});
  for (const char* coluna : kValores) {
    const auto valores = Column(lista, coluna);
    EXPECT_EQ(valores.at("U1"), coluna == std::string("EST_MEDIO") ? "30" : "61900") << coluna;
    EXPECT_EQ(valores.at("U2"), "0") << coluna;
    EXPECT_EQ(valores.at("N1"), "0") << coluna;
  }
  // Days in stock on request, without valuing: U2 entered on 01/03/2025.
  Exec("update VEI_VEICULO set DTA_ENTRADA = '2025-03-01' where EMPRESA = 1 and VEICULO = 'U2'");
  EXPECT_EQ(Column(List({.est_medio = true}), "EST_MEDIO").at("U2"), "9");  // 01/03 to 10/03
}

TEST_F(StockListTest, EntryInvoiceColumns) {
  const DataPacket data = List({});
  // N1: condition 2's titles are all paid (condition 1's open one does not
  // count); R1: one of condition 2's is open, so no status.
  EXPECT_EQ(Column(data, "SIT_VEIC").at("N1"), "PT");
  EXPECT_EQ(Column(data, "SIT_VEIC").at("R1"), "");
  EXPECT_EQ(Column(data, "NOME_VENDEDOR").at("N1"), "Bruno");
  EXPECT_EQ(Column(data, "VAL_LIQUIDO").at("N1"), "73800");  // 75.000 - 1.200
  EXPECT_EQ(Column(data, "VAL_LIQUIDO").at("R1"), "70000");  // no discount
  EXPECT_EQ(Column(data, "NUMERO_NOTA_NFENTRADA").at("R1"), "102");
}

TEST_F(StockListTest, QuotesInCallerTextsStayInsideTheirLiterals) {
  const std::pair<Pedido, std::vector<std::string>> cases[] = {
      {{.chassi = "'G"}, {"G1"}},
      {{.chassi = "x' OR 1=1 OR V.CHASSI LIKE '"}, {}},
      {{.veiculo = "G1' OR '1'='1"}, {}},
      {{.modelo = "1.M'2"}, {"G1"}},
      {{.ano_modelo = "2025", .modelo = "1.'M''2', 1.M1", .novo_usado = 0},
       {"N1", "N2", "P1", "R1", "R2", "G1", "DV1"}},
  };
  for (const auto& [pedido, veiculos] : cases)
    EXPECT_THAT(Keys(List(pedido)), UnorderedElementsAreArray(veiculos))
        << pedido.chassi << pedido.veiculo << pedido.modelo;
}

TEST_F(StockListTest, EachFilterPieceRestrictsTheStock) {
  const std::vector<std::string> todos = {"N1", "N2", "U1", "P1", "R1", "R2", "G1", "DV1"};
  const std::pair<Pedido, std::vector<std::string>> cases[] = {
      {{.revenda = "1.2"}, {"U1", "G1"}}, {{.revenda = "2.1"}, {}},  // another company's dealer
      {{.familia = "1.10"}, todos},       {{.familia = "1.99"}, {}},
      {{.departamento = "3, 4"}, {"N1"}}, {{.pacotes = "PK1"}, {"N2"}},
      {{.icarros = true}, {"R1"}},        {{.ano_modelo = "2024"}, {}},
      {{.veiculo = "DV1"}, {"DV1"}},
  };
  for (const auto& [pedido, veiculos] : cases)
    EXPECT_THAT(Keys(List(pedido)), UnorderedElementsAreArray(veiculos))
        << &pedido - &cases[0].first;
}

TEST_F(StockListTest, BadListsAndDatesAreRefusedNamingTheParameter) {
  const std::pair<Pedido, const char*> cases[] = {
      {{.departamento = "1, 2) OR (1=1"}, "pfDepartamento"},
      {{.ano_modelo = "2025 OR 1=1"}, "pfAnoModelo"},
      {{.revenda = "1.x"}, "pfRevenda"},
      {{.familia = "1.10.3"}, "pfFamilia"},
      {{.data_ref = "32/13/2025"}, "pfDataRef"},
      {{.situacao = "'EST"}, "pfSituacao"},  // a literal never closed
  };
  for (const auto& [pedido, texto] : cases)
    EXPECT_VEICULO_ERROR(List(pedido), ErrorCategory::Validation, texto);
}

}  // namespace
}  // namespace veiculo::testing
