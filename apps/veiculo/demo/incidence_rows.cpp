// The incidences of the demo formula NOVOS beyond its cost, sale, taxes,
// expenses and commission: the entry invoice's base lines, freight, the
// registry value, the maker's bonuses (catalogue and imported sheet), the
// rebate, the subsidy, financing returns, the salesperson's registered
// commission, ISSQN on the delivery service, a management share and a sales
// prize that vary by bands of the profitability. Also the imported bonus
// sheet of V1001 and the paid title of its entry invoice's operation, whose
// bonus payment dates the rebate.

#include <string>

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"
#include "platform/db/sql_dataset.h"

namespace veiculo::demo {
namespace {

constexpr const char* kFormula = "NOVOS";
// The demo's index of daily levels (dealer_rows.cpp).
constexpr int32_t kIndiceNiveisDiarios = 1;

struct IncidenceLine {
  int linha;
  const char* tipo;  // B: base line of the entry invoice; N: normal
  const char* incidencia;
  const char* descricao;
  Value percentual = Null();  // null: no percentage applied
  // Index and day (rebate: days the maker allows), reference, bonus group
  // or sheet code, ISSQN.
  Value indice = Null();
  Value dia = Null();
  Value referencia = Null();
  Value grupo_bonus = Null();
  Value cod_bonus = Null();
  Value calcula_issqn = Null();
  // Signs of lucro bruto, margem de contribuição, custo total ("" leaves it out).
  const char* signs[3] = {"", "", ""};
};

void LoadLines(Connection& connection) {
  TableWriter linhas(
      connection, "VEI_FORMULA_LINHA",
      {"EMPRESA", "FORMULA", "LINHA_FORMULA", "TIPO", "STATUS", "INCIDENCIA", "DES_LINHA_FORMULA",
       "PERCENTUAL", "INDICE", "DIA", "REFERENCIA", "GRUPO_BONUS", "COD_BONUS", "CALCULA_ISSQN",
       "LUCRO_BRUTO", "MARGEM_CONTRIBUICAO", "CUSTO_TOTAL"});
  // What the maker pays back raises the profits and lowers the total cost.
  const IncidenceLine lines[] = {
      {.linha = 7,
       .tipo = "B",
       .incidencia = "(",
       .descricao = "Fundo de reserva da nota de entrada"},
      {.linha = 8, .tipo = "B", .incidencia = "[", .descricao = "Desconto da nota de entrada"},
      {.linha = 9, .tipo = "N", .incidencia = "F", .descricao = "Frete da nota de entrada"},
      {.linha = 10,
       .tipo = "N",
       .incidencia = "T",
       .descricao = "Tabela: opcionais, frete e seguro"},
      {.linha = 11,
       .tipo = "N",
       .incidencia = "U",
       .descricao = "Bônus do fabricante (grupo G1)",
       .grupo_bonus = Txt("G1"),
       .signs = {"+", "+", "-"}},
      {.linha = 12,
       .tipo = "N",
       .incidencia = "BP",
       .descricao = "Bônus da planilha importada",
       .cod_bonus = Txt("PB-2025"),
       .signs = {"+", "+", "-"}},
      {.linha = 13,
       .tipo = "N",
       .incidencia = "8",
       .descricao = "Rebate da nota de entrada (30 dias)",
       .indice = Int(kIndiceNiveisDiarios),
       .dia = Int(30),
       .signs = {"+", "+", "-"}},
      {.linha = 14,
       .tipo = "N",
       .incidencia = "J",
       .descricao = "Subsídio do fabricante",
       .indice = Int(kIndiceNiveisDiarios),
       .referencia = Txt("F"),
       .signs = {"+", "+", "-"}},
      {.linha = 15,
       .tipo = "N",
       .incidencia = "R",
       .descricao = "Retornos de financiamento",
       .signs = {"+", "+", ""}},
      {.linha = 16,
       .tipo = "N",
       .incidencia = "X",
       .descricao = "Comissão pelo cadastro do vendedor"},
      {.linha = 17,
       .tipo = "N",
       .incidencia = "M",
       .descricao = "ISSQN da revisão de entrega",
       .calcula_issqn = Txt("S"),
       .signs = {"-", "-", "+"}},
      {.linha = 18,
       .tipo = "N",
       .incidencia = "L",
       .descricao = "Participação da gerência na margem",
       .percentual = Num(2),
       .signs = {"", "-", "+"}},
      {.linha = 19,
       .tipo = "N",
       .incidencia = "*",
       .descricao = "Prêmio de venda",
       .signs = {"", "-", "+"}},
  };
  for (const IncidenceLine& l : lines) {
    std::vector<Value> values = {
        Int(kEmpresa),     Txt(kFormula),    Int(l.linha), Txt(l.tipo),    Txt("A"),
        Txt(l.incidencia), Txt(l.descricao), l.percentual, l.indice,       l.dia,
        l.referencia,      l.grupo_bonus,    l.cod_bonus,  l.calcula_issqn};
    for (const char* sign : l.signs) values.push_back(*sign ? Txt(sign) : Null());
    linhas.Insert(values);
  }
}

struct Band {
  int linha;
  double inicial, final;
  const char* base;  // L: profit, M: contribution margin, B: gross profit
  const char* historico_presente;
  Value percentual;
  Value valor;
};

// The salesperson's commission (line 5, 1,2 %) falls to 0,8 % below 5 % of
// profit and rises to 1,5 % from 10 %; the management share (line 18, 2 %)
// is nothing below 4 % of profit and 3 % from 12 %; the sales prize (line 19)
// is 500,00 from a contribution margin of 8 % at present value, 900,00 from 15 %.
void LoadBands(Connection& connection) {
  TableWriter faixas(
      connection, "VEI_FORMULA_LINHA_PER",
      {"EMPRESA", "FORMULA", "LINHA_FORMULA", "LIMITE_INICIAL", "LIMITE_FINAL", "BASE_REFERENCIA",
       "HISTORICO_PRESENTE", "PERCENTUAL_FORMULA", "VAL_FORMULA"});
  const Band bands[] = {
      {5, -100, 4.9999, "L", "H", Num(0.8), Null()}, {5, 10, 100, "L", "H", Num(1.5), Null()},
      {18, -100, 3.9999, "L", "P", Num(0), Null()},  {18, 12, 100, "L", "P", Num(3), Null()},
      {19, 8, 100, "M", "P", Null(), Num(500)},      {19, 15, 100, "M", "P", Null(), Num(900)},
  };
  for (const Band& b : bands) {
    faixas.Insert({Int(kEmpresa), Txt(kFormula), Int(b.linha), Num(b.inicial), Num(b.final),
                   Txt(b.base), Txt(b.historico_presente), b.percentual, b.valor});
  }
}

void Execute(Connection& connection, const std::string& sql) {
  platform::SqlDataSet statement("sdsDemoIncidencia", &connection);
  statement.SetCommandText(sql);
  statement.ExecSQL();
}

// Two imports of the maker's bonus sheet for V1001: 650,00 and 350,00.
void LoadBonusSheet(Connection& connection) {
  TableWriter planilha(connection, "VEI_PLANILHA_BONUS",
                       {"EMPRESA", "VEICULO", "COD_BONUS", "DTA_IMPORTACAO", "VALOR_BONUS"});
  planilha.Insert({Int(kEmpresa), Txt(kDemoVehicle), Txt("PB-2025"), Date(2025, 2, 5), Num(650)});
  planilha.Insert({Int(kEmpresa), Txt(kDemoVehicle), Txt("PB-2025"), Date(2025, 3, 5), Num(350)});
}

// The maker's rebate title of V1001's entry invoice: the invoice's operation
// (set here when the invoice carries none) links it to the title, paid in
// full (PT) by a bonus payment on 24/01/2025.
void LoadRebateTitle(Connection& connection) {
  constexpr int kOperacao = 910001;
  const std::string nota_de_entrada =
      " where exists (select 1 from VEI_VEICULO v where v.EMPRESA = " + std::to_string(kEmpresa) +
      " and v.VEICULO = '" + kDemoVehicle +
      "' and v.EMPRESA_NFENTRADA = FAT_MOVIMENTO_CAPA.EMPRESA"
      " and v.REVENDA_NFENTRADA = FAT_MOVIMENTO_CAPA.REVENDA"
      " and v.NUMERO_NOTA_NFENTRADA = FAT_MOVIMENTO_CAPA.NUMERO_NOTA_FISCAL"
      " and v.SERIE_NOTA_NFENTRADA = FAT_MOVIMENTO_CAPA.SERIE_NOTA_FISCAL"
      " and v.TIPO_TRANSACAO_NFENTRADA = FAT_MOVIMENTO_CAPA.TIPO_TRANSACAO"
      " and v.CONTADOR_NFENTRADA = FAT_MOVIMENTO_CAPA.CONTADOR)";
  Execute(connection, "update FAT_MOVIMENTO_CAPA set OPERACAO = " + std::to_string(kOperacao) +
                          nota_de_entrada + " and OPERACAO is null");

  platform::SqlDataSet header("sdsDemoOperacao", &connection);
  header.SetCommandText("select EMPRESA, REVENDA, OPERACAO from FAT_MOVIMENTO_CAPA" +
                        nota_de_entrada);
  header.Open();
  if (header.IsEmpty()) return;  // no entry invoice: the rebate counts to the sale
  const Value empresa = header.FieldByName("EMPRESA").AsValue();
  const Value revenda = header.FieldByName("REVENDA").AsValue();
  const Value operacao = header.FieldByName("OPERACAO").AsValue();
  header.Close();

  TableWriter titulos(connection, "FIN_TITULO",
                      {"EMPRESA", "REVENDA", "TITULO", "DUPLICATA", "CLIENTE", "TIPO", "STATUS",
                       "DTA_ULTIMA_ALTERACAO", "OPERACAO"});
  titulos.Insert({empresa, revenda, Int(71001), Int(1), Int(1), Txt("RB"), Txt("PT"),
                  Date(2025, 1, 27), operacao});
  TableWriter pagamentos(connection, "FIN_TITULO_PAGAMENTO",
                         {"EMPRESA", "REVENDA", "TITULO", "DUPLICATA", "CLIENTE", "TIPO",
                          "DTA_PAGAMENTO", "TIPO_TRANSACAO", "LCTO_ESTORNO"});
  pagamentos.Insert({empresa, revenda, Int(71001), Int(1), Int(1), Txt("RB"), Date(2025, 1, 24),
                     Txt("BN"), Null()});
}

}  // namespace

void LoadIncidences(Connection& connection) {
  LoadLines(connection);
  LoadBands(connection);
  LoadBonusSheet(connection);
  LoadRebateTitle(connection);
}

}  // namespace veiculo::demo
