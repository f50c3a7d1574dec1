// Days in stock, the dealer's sort order and the valuation of stock lists and
// grids, in the dealer of pricing_world.h (V1: factory invoice 05/01/2024,
// correction from 15/01/2024, entered 10/01/2024 10:30; priced on 15/03/2024).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pricing/pricing_world.h"

namespace veiculo::testing {
namespace {

// Dealers 11 to 14 measure from the code in their DTA_CALCULO_ESTOQUE; dealer
// 15 has no parameters.
void AddStockRules(Connection& c) {
  const char* regras[] = {"1", "2", "3", "9"};
  for (int i = 0; i < 4; ++i) {
    AddDealer(c, 11 + i);
    AddParameters(c, 11 + i, Cols("DTA_CALCULO_ESTOQUE", {T(regras[i])}));
  }
  AddDealer(c, 15);
}

TEST_F(PricingTest, DaysInStock) {
  Connection& c = connection();
  AddStockRules(c);
  AddVehicle(c, "V2", "CH2",
             Cols("DTA_FAT_FABRICA DTA_VENDA", {D(Day(2024, 1, 5)), D(Day(2024, 2, 10))}));
  AddVehicle(c, "V3", "CH3", Cols("DTA_ENTRADA", {D(Day(2024, 1, 10))}));
  struct Caso {
    const char* nome;
    int revenda;
    const char* veiculo;
    int dias;
  } const casos[] = {
      // 15/01 -> 15/03/2024: 16 + 29 (leap February) + 15.
      {"from the start of correction", 11, "V1", 60},
      {"from the factory invoice", 12, "V1", 70},  // 05/01 -> 15/03: 26 + 29 + 15
      // 10/01 10:30 -> 15/03 00:00 is 64 days and 13.5 hours.
      {"from the entry", 13, "V1", 64},
      {"an unknown code", 14, "V1", 0},
      {"no parameters: from the entry", 15, "V1", 64},
      {"a sold vehicle ends at its sale", 12, "V2", 36},  // 05/01 -> 10/02
      // No factory invoice date: from 30/12/1899, day serial 45,366 of 15/03/2024.
      {"a start the vehicle lacks", 12, "V3", 45366},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    module().LerParametro(1, caso.revenda);
    EXPECT_EQ(module().CalculoDiasEstoque(1, caso.veiculo, kProcessamento), caso.dias);
  }
  // The vehicle named is the one measured, whichever vehicle was read before.
  module().LerParametro(1, 12);
  Load("V2");
  EXPECT_EQ(module().CalculoDiasEstoque(1, "V1", kProcessamento), 70);
  EXPECT_VEICULO_ERROR(module().CalculoDiasEstoque(1, "NOPE", kProcessamento),
                       ErrorCategory::NotFound, "vehicle 'NOPE' of company 1 not found");
}

TEST_F(PricingTest, SortOrder) {
  Connection& c = connection();
  struct Caso {
    const char* ordem;  // nullptr: the dealer has no parameters
    const char* campos;
  } const casos[] = {
      {"31", "DIAS_EST;DES_MODELO;SEQUENCIA"},
      {"654321", "NOVO_USADO;ANO_MODELO;ANO_FABRICACAO;DIAS_EST;DES_COR;DES_MODELO;SEQUENCIA"},
      {"7x2", "DES_COR;SEQUENCIA"},
      {"", "DES_MODELO;DES_COR;DIAS_EST;ANO_FABRICACAO;ANO_MODELO;NOVO_USADO;SEQUENCIA"},
      {"90", "DES_MODELO;DES_COR;DIAS_EST;ANO_FABRICACAO;ANO_MODELO;NOVO_USADO;SEQUENCIA"},
      {nullptr, "DES_MODELO;DES_COR;DIAS_EST;ANO_FABRICACAO;ANO_MODELO;NOVO_USADO;SEQUENCIA"},
  };
  int revenda = 20;
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.ordem ? caso.ordem : "(no parameters)");
    ++revenda;
    if (caso.ordem) AddParameters(c, revenda, Cols("ORDEM_CLASSIFICACAO", {T(caso.ordem)}));
    module().LerParametro(1, revenda);
    EXPECT_EQ(module().MontaClassificacaoVeiculo(), caso.campos);
  }
}

// A stock list with the columns the valuation reads and writes.
DataPacket StockList(const std::vector<std::vector<Value>>& rows) {
  DataPacket p;
  p.fields = Fields(
      "EMPRESA:i REVENDA:i VEICULO:t20 NOVO_USADO:t1 VCR:t1 CONTABIL:i TRANSITO:i PRECO_TABELA:f "
      "VENDA:f BONUS:f EST_MEDIO:i");
  for (const auto& r : rows) {
    DataPacket::Row row = r;
    for (int i = 0; i < 4; ++i) row.push_back(I(0));  // PRECO_TABELA VENDA BONUS EST_MEDIO
    p.rows.push_back(row);
  }
  return p;
}

// Each row's "PRECO_TABELA|VENDA|EST_MEDIO", in the packet's order.
std::vector<std::string> Values(const DataPacket& p) {
  std::vector<std::string> out;
  const int tabela = p.FieldIndex("PRECO_TABELA"), venda = p.FieldIndex("VENDA"),
            est = p.FieldIndex("EST_MEDIO");
  for (const DataPacket::Row& row : p.rows)
    out.push_back(row[tabela].AsText() + "|" + row[venda].AsText() + "|" + row[est].AsText());
  return out;
}

TEST_F(PricingTest, StockListValuation) {
  Connection& c = connection();
  AddStockRules(c);
  // A used M1 priced by its dealer price; its dealer measures from the entry.
  AddVehicle(
      c, "U1", "CHU1",
      Cols("NOVO_USADO PRECO_CONCESSIONARIA DTA_ENTRADA", {T("U"), F(6500), D(Day(2024, 3, 1))}));
  const DataPacket lista = StockList({
      // New, source "3": table price 10,000 (source "1"), sale 9,026 (the
      // desired-profit case of 10 % at present value), 70 days (rule "2").
      {I(1), I(1), T("V1"), T("N"), T("3"), I(1), I(0)},
      // Used: both prices are the dealer price; in transit, 14 days (rule "3").
      {I(1), I(13), T("U1"), T("U"), T("3"), I(0), I(1)},
      // Source "4" (sold) prices nothing but the table; not in stock: no days.
      {I(1), I(1), T("V1"), T("N"), T("4"), I(0), I(0)},
      // An order without a vehicle yet.
      {I(1), I(1), Null(), T("N"), T("1"), I(0), I(0)},
  });
  const DataPacket valorizada =
      module().CalculaEstoqueIntermediario(lista, kProcessamento, nullptr, false, false, false);
  EXPECT_EQ(Values(valorizada),
            (std::vector<std::string>{"10000|9026|70", "6500|6500|14", "10000|0|0", "0|0|0"}));

  // CalculaVenda: the sale values alone.
  EXPECT_EQ(Values(module().CalculaVenda(lista, kProcessamento, false, false, nullptr, false)),
            (std::vector<std::string>{"0|9026|0", "0|6500|0", "0|0|0", "0|0|0"}));
  // AtualizaEstMedio: the days of the rows in stock or in transit.
  EXPECT_EQ(Values(module().AtualizaEstMedio(lista, kProcessamento)),
            (std::vector<std::string>{"0|0|70", "0|0|14", "0|0|0", "0|0|0"}));

  DataPacket sem_vcr = lista;
  sem_vcr.fields.erase(sem_vcr.fields.begin() + 4);
  for (DataPacket::Row& row : sem_vcr.rows) row.erase(row.begin() + 4);
  EXPECT_VEICULO_ERROR(
      module().CalculaEstoqueIntermediario(sem_vcr, kProcessamento, nullptr, false, false, false),
      ErrorCategory::Validation, "CalculaEstoqueIntermediario: the packet lacks the columns VCR");
}

// The dealer's parameters are read once for the rows of one dealer, however
// the list interleaves them.
TEST_F(PricingTest, StockListReadsEachDealerOnce) {
  AddStockRules(connection());
  Load("V1");
  auto lista = [](std::vector<int> revendas) {
    std::vector<std::vector<Value>> rows;
    for (int r : revendas) rows.push_back({I(1), I(r), T("V1"), T("N"), T("2"), I(1), I(0)});
    return StockList(rows);
  };
  auto statements = [&](const DataPacket& p) {
    module().LerParametro(1, 99);  // a dealer none of the rows has
    return StatementsOf([&] {
      module().CalculaEstoqueIntermediario(p, kProcessamento, nullptr, false, false, false);
    });
  };
  const long agrupadas = statements(lista({11, 11, 12, 12}));
  EXPECT_EQ(statements(lista({11, 12, 11, 12})), agrupadas);
}

TEST_F(PricingTest, GridValuation) {
  Connection& c = connection();
  AddVehicle(c, "U1", "CHU1",
             Cols("NOVO_USADO PRECO_CONCESSIONARIA PRECO_MINIMO_COMERCIALIZACAO DTA_FAT_FABRICA",
                  {T("U"), F(6500), F(6000), D(Day(2024, 3, 5))}));
  DataPacket grade;
  grade.fields = Fields("EMPRESA:i REVENDA:i VEICULO:t20 NOVO_USADO:t1 TIPO_VENDA:t1");
  for (const char* name : {"Dias Est", "Preço Tabela", "Valor Venda"})  // names with blanks
    grade.fields.push_back({name, name[0] == 'D' ? FieldType::Integer : FieldType::Float});
  for (const FieldDef& f : Fields("PRECO_MINIMO_COMERCIALIZACAO:f VAL_DESCONTO:f"))
    grade.fields.push_back(f);
  grade.rows = {{I(1), I(1), T("V1"), T("N"), T("N"), I(0), F(0), F(0), F(0), F(0)},
                {I(1), I(1), T("V1"), T("N"), T("D"), I(0), F(0), F(8500), F(0), F(0)},
                {I(1), I(1), T("U1"), T("U"), T("N"), I(0), F(0), F(0), F(0), F(0)}};
  auto linhas = [](const DataPacket& p) {
    std::vector<std::string> out;
    for (const DataPacket::Row& row : p.rows) {
      std::string linha;
      for (size_t i = 5; i < row.size(); ++i) linha += (i > 5 ? "|" : "") + row[i].AsText();
      out.push_back(linha);
    }
    return out;
  };
  // Days from the factory invoice (dealer 1: "2"): V1 70, U1 10 (05/03 ->
  // 15/03). Table price: V1 its registry 10,000, U1 its dealer price 6,500.
  // Sale value: V1 by the dealer's source "2", 9,500; U1 its dealer price. The
  // direct sale keeps the 8,500 it came with unless direct sales are asked
  // for. Discount: the sale value less the minimum price (8,000 and 6,000).
  EXPECT_EQ(linhas(module().CalculaVendaDiasEstoque(grade, kProcessamento, false, false, nullptr,
                                                    false, true)),
            (std::vector<std::string>{"70|10000|9500|8000|1500", "70|10000|8500|8000|500",
                                      "10|6500|6500|6000|500"}));
  EXPECT_EQ(linhas(module().CalculaVendaDiasEstoque(grade, kProcessamento, false, false, nullptr,
                                                    true, true)),
            (std::vector<std::string>{"70|10000|9500|8000|1500", "70|10000|9500|8000|1500",
                                      "10|6500|6500|6000|500"}));
  // Without sale values the column keeps what it had.
  EXPECT_EQ(linhas(module().CalculaVendaDiasEstoque(grade, kProcessamento, false, false, nullptr,
                                                    true, false)),
            (std::vector<std::string>{"70|10000|0|8000|-8000", "70|10000|8500|8000|500",
                                      "10|6500|0|6000|-6000"}));
}

}  // namespace
}  // namespace veiculo::testing
