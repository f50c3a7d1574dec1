// The dealers' calendars of 2025 with their customer-care settings, and the
// payment conditions of the demo company.

#include "demo/demo_rows.h"
#include "demo/value_source_rows.h"

namespace veiculo::demo {
namespace {

// Regional holidays: the head office is in São Paulo, the branch in Campinas.
struct RegionalHoliday {
  int32_t revenda;
  DemoDate data;
};
const RegionalHoliday kRegionalHolidays[] = {
    {kRevendaMatriz, {2025, 1, 25}},  // aniversário de São Paulo (a Saturday)
    {kRevendaMatriz, {2025, 7, 9}},   // Revolução Constitucionalista
    {kRevendaFilial, {2025, 7, 9}},   // Revolução Constitucionalista
    {kRevendaFilial, {2025, 7, 14}},  // aniversário de Campinas
    {kRevendaFilial, {2025, 12, 8}},  // Nossa Senhora da Conceição, Campinas
};

}  // namespace

void LoadCalendar(Connection& connection) {
  // TIPO_DA_DATA "F" a holiday, "N" a working day; TIPO_FERIADO "N" national, "R" regional.
  TableWriter calendario(connection, "GER_CALENDARIO",
                         {"EMPRESA", "REVENDA", "DTA_CALENDARIO", "TIPO_DA_DATA", "TIPO_FERIADO"});
  for (int32_t revenda : {kRevendaMatriz, kRevendaFilial}) {
    for (const DemoDate& d : NationalHolidays2025())
      calendario.Insert(
          {Int(kEmpresa), Int(revenda), Date(d.year, d.month, d.day), Txt("F"), Txt("N")});
    // Ash Wednesday is in the calendar but worked (from noon): it counts as no holiday.
    calendario.Insert({Int(kEmpresa), Int(revenda), Date(2025, 3, 5), Txt("N"), Null()});
  }
  for (const RegionalHoliday& h : kRegionalHolidays)
    calendario.Insert({Int(kEmpresa), Int(h.revenda), Date(h.data.year, h.data.month, h.data.day),
                       Txt("F"), Txt("R")});

  // The head office counts its regional holidays; the branch only the national ones.
  TableWriter parametros(
      connection, "CAC_PARAMETRO",
      {"EMPRESA", "REVENDA", "FERIADO_NACIONAL", "HORA_ALERTA_INI", "HORA_ALERTA_FIM"});
  parametros.Insert({Int(kEmpresa), Int(kRevendaMatriz), Txt("N"), Num(8), Num(18)});
  parametros.Insert({Int(kEmpresa), Int(kRevendaFilial), Txt("S"), Num(8), Num(18)});
}

namespace {

struct ConditionRow {
  int condicao;
  const char* descricao;
  const char* tipo_pagto;  // D cash, P instalments, F financed, U used vehicle in trade
  const char* considera_deflacao;
  const char* financiamento_veiculo;
  std::vector<std::pair<int, double>> dias;  // days and the share of each, in percent
};

}  // namespace

void LoadConditions(Connection& connection) {
  const ConditionRow conditions[] = {
      {1, "À vista", "D", "N", "N", {{0, 100}}},
      {2, "30 dias", "P", "S", "N", {{30, 100}}},
      {3, "30/60/90 dias", "P", "S", "N", {{30, 33.3333}, {60, 33.3333}, {90, 33.3334}}},
      {4, "Financiamento CDC (repasse do banco)", "F", "S", "S", {{2, 100}}},
      {5, "Consórcio (carta de crédito)", "F", "S", "N", {{15, 70}, {45, 30}}},
      {6, "Veículo usado na troca", "U", "N", "N", {{0, 100}}},
  };
  TableWriter condicoes(connection, "FAT_CONDICAO_PAGAMENTO",
                        {"EMPRESA", "CONDICAO", "TIPO_PAGTO", "CONSIDERA_DEFLACAO", "DES_CONDICAO",
                         "FINANCIAMENTO_VEICULO"});
  TableWriter dias(connection, "FAT_CONDICAO_DIAS",
                   {"EMPRESA", "CONDICAO", "QUANTIDADE_DIAS", "PERAMORTIZA"});
  for (const ConditionRow& c : conditions) {
    condicoes.Insert({Int(kEmpresa), Int(c.condicao), Txt(c.tipo_pagto), Txt(c.considera_deflacao),
                      Txt(c.descricao), Txt(c.financiamento_veiculo)});
    for (const auto& [quantidade, peramortiza] : c.dias)
      dias.Insert({Int(kEmpresa), Int(c.condicao), Int(quantidade), Num(peramortiza)});
  }
}

}  // namespace veiculo::demo
