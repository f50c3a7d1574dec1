// The demo costing formulas: NOVOS for new and USADOS for used vehicles.
// The vehicle's cost from its entry invoice is line 1, a normal line, so that
// the costing a dealer reads shows it and its summary counts it (the query
// hides "C" lines). The payment index LerVeiculo reports comes from a "C"
// line of its own at the end, which adds to no total.

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"

namespace veiculo::demo {
namespace {

struct LineRow {
  int linha;
  const char* tipo;  // C: the cost line; N: normal; E: financial effect only
  const char* incidencia;
  const char* descricao;
  Value percentual;  // null: no percentage applied
  Value indice;
  Value referencia;
  // Signs of the totals: base financeiro, comissão, preço à vista, lucro bruto,
  // margem de contribuição, custo total, custo contábil ("" leaves it out).
  const char* signs[7];
};

void WriteFormula(TableWriter& linhas, const char* formula, const std::vector<LineRow>& rows) {
  for (const LineRow& r : rows) {
    std::vector<Value> values = {Int(kEmpresa), Txt(formula),      Int(r.linha),     Txt(r.tipo),
                                 Txt("A"),      Txt(r.incidencia), Txt(r.descricao), r.percentual,
                                 r.indice,      r.referencia};
    for (const char* sign : r.signs) values.push_back(*sign ? Txt(sign) : Null());
    linhas.Insert(values);
  }
}

}  // namespace

void LoadFormulas(Connection& connection) {
  TableWriter linhas(
      connection, "VEI_FORMULA_LINHA",
      {"EMPRESA", "FORMULA", "LINHA_FORMULA", "TIPO", "STATUS", "INCIDENCIA", "DES_LINHA_FORMULA",
       "PERCENTUAL", "INDICE", "REFERENCIA", "BASE_FINANCEIRO", "COMISSAO", "PRECO_VISTA",
       "LUCRO_BRUTO", "MARGEM_CONTRIBUICAO", "CUSTO_TOTAL", "CUSTO_CONTABIL"});
  WriteFormula(linhas, "NOVOS",
               {
                   {1,
                    "N",
                    "C",
                    "Custo do veículo (nota de entrada)",
                    Null(),
                    Int(3),
                    Txt("F"),
                    {"", "", "", "-", "-", "+", "+"}},
                   {2,
                    "N",
                    "V",
                    "Valor de venda",
                    Null(),
                    Null(),
                    Null(),
                    {"+", "+", "+", "+", "+", "", ""}},
                   {3,
                    "N",
                    "I",
                    "PIS/COFINS sobre a venda",
                    Null(),
                    Null(),
                    Null(),
                    {"-", "", "", "-", "-", "+", ""}},
                   {4,
                    "N",
                    "O",
                    "Despesas do veículo",
                    Null(),
                    Null(),
                    Null(),
                    {"", "", "", "-", "-", "+", "+"}},
                   {5,
                    "N",
                    "V",
                    "Comissão do vendedor",
                    Num(1.2),
                    Null(),
                    Null(),
                    {"", "", "", "-", "-", "+", ""}},
                   {6,
                    "E",
                    "C",
                    "Custo financeiro do estoque",
                    Null(),
                    Int(1),
                    Txt("R"),
                    {"", "", "", "-", "", "+", ""}},
                   {20,  // after the incidence lines 7 to 19 (incidence_rows.cpp)
                    "C",
                    "C",
                    "Índice de pagamento",
                    Null(),
                    Int(3),
                    Txt("F"),
                    {"", "", "", "", "", "", ""}},
               });
  WriteFormula(linhas, "USADOS",
               {
                   {1,
                    "N",
                    "C",
                    "Custo de aquisição do usado",
                    Null(),
                    Int(2),
                    Txt("F"),
                    {"", "", "", "-", "-", "+", "+"}},
                   {2,
                    "N",
                    "V",
                    "Valor de venda",
                    Null(),
                    Null(),
                    Null(),
                    {"+", "+", "+", "+", "+", "", ""}},
                   {3,
                    "N",
                    "I",
                    "PIS/COFINS sobre a margem",
                    Null(),
                    Null(),
                    Null(),
                    {"-", "", "", "-", "-", "+", ""}},
                   {4,
                    "C",
                    "C",
                    "Índice de pagamento",
                    Null(),
                    Int(2),
                    Txt("F"),
                    {"", "", "", "", "", "", ""}},
               });
}

}  // namespace veiculo::demo
