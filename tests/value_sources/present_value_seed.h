#pragma once
// Row builders for the present-value, index and calendar tests: one function
// per table, each writing only the columns these tests read.

#include <optional>
#include <string>

#include "module/catalogue_seed.h"
#include "platform/format/date_time.h"
#include "veiculo/connection.h"

namespace veiculo::testing {

inline double Dia(int year, int month, int day) {
  return platform::EncodeDate(year, month, day);
}

// FIN_INDICE_FINANCEIRO: PERIODO "D" levels, "M" monthly rates.
inline void SeedIndice(Connection& c, int indice, const std::string& periodo,
                       std::optional<std::string> indexador_ford = std::nullopt) {
  InsertRow(c, "FIN_INDICE_FINANCEIRO",
            {{"EMPRESA", Value::Integer(1)},
             {"INDICE", Value::Integer(indice)},
             {"PERIODO", Value::Text(periodo)},
             {"INDEXADOR_FORD", TextOrNull(indexador_ford)}});
}

inline void SeedValorIndice(Connection& c, int indice, double data, double valor) {
  InsertRow(c, "FIN_VALOR_INDICE",
            {{"EMPRESA", Value::Integer(1)},
             {"INDICE", Value::Integer(indice)},
             {"DTA_INDICE", Value::DateTime(data)},
             {"VAL_INDICE", Value::Float(valor)}});
}

// A vehicle row carrying only its end of correction.
inline void SeedFimCorrecao(Connection& c, const std::string& veiculo, double dta_fim_correcao) {
  InsertRow(c, "VEI_VEICULO",
            {{"EMPRESA", Value::Integer(1)},
             {"VEICULO", Value::Text(veiculo)},
             {"DTA_FIM_CORRECAO", Value::DateTime(dta_fim_correcao)}});
}

// Financing-plan tiers: monthly rate in percent and tier end in days.
struct PlanoFinanciamento {
  double juros[5] = {0, 0, 0, 0, 0};
  int64_t dias[5] = {0, 0, 0, 0, 0};
};

// A vehicle that LerVeiculo can load (model and follow-up record joined),
// with its financing plan.
inline void SeedVeiculoComPlano(Connection& c, const std::string& veiculo,
                                const PlanoFinanciamento& plano) {
  InsertRow(c, "VEI_MODELO", {{"EMPRESA", Value::Integer(1)}, {"MODELO", Value::Text("M1")}});
  InsertRow(c, "OFI_FICHA_SEGUIMENTO",
            {{"CHASSI", Value::Text("CH-" + veiculo)}, {"EMPRESA", Value::Integer(1)}});
  std::vector<SeedColumn> columns = {
      {"EMPRESA", Value::Integer(1)},        {"VEICULO", Value::Text(veiculo)},
      {"MODELO", Value::Text("M1")},         {"CHASSI", Value::Text("CH-" + veiculo)},
      {"REVENDA_ORIGEM", Value::Integer(1)}, {"FORMULA", Value::Text("F1")}};
  static const char* const kJuros[] = {"FP_JUROS1", "FP_JUROS2", "FP_JUROS3", "FP_JUROS4",
                                       "FP_JUROS5"};
  static const char* const kDias[] = {"FP_DIAS1", "FP_DIAS2", "FP_DIAS3", "FP_DIAS4", "FP_DIAS5"};
  for (int i = 0; i < 5; ++i) {
    columns.push_back({kJuros[i], Value::Float(plano.juros[i])});
    columns.push_back({kDias[i], Value::Integer(plano.dias[i])});
  }
  InsertRow(c, "VEI_VEICULO", columns);
}

inline void SeedMarcaRevenda(Connection& c, int revenda, const std::string& marca) {
  InsertRow(c, "GER_REVENDA",
            {{"EMPRESA", Value::Integer(1)},
             {"REVENDA", Value::Integer(revenda)},
             {"MARCA", Value::Text(marca)}});
}

// An expense of the vehicle (VEI_DESPESA_VEICULO) of an expense kind
// (VEI_DESPESA) with its sign and index.
inline void SeedDespesa(Connection& c, const std::string& veiculo, int despesa,
                        const std::string& sinal, int indice, double data, double valor) {
  InsertRow(c, "VEI_DESPESA",
            {{"EMPRESA", Value::Integer(1)},
             {"DESPESA", Value::Integer(despesa)},
             {"SINAL", Value::Text(sinal)},
             {"INDICE", Value::Integer(indice)}});
  InsertRow(c, "VEI_DESPESA_VEICULO",
            {{"EMPRESA", Value::Integer(1)},
             {"VEICULO", Value::Text(veiculo)},
             {"DESPESA", Value::Integer(despesa)},
             {"DOCUMENTO", Value::Integer(despesa)},
             {"CONTADOR", Value::Integer(1)},
             {"DTA_DESPESA_VEICULO", Value::DateTime(data)},
             {"VAL_DESPESA_VEICULO", Value::Float(valor)}});
}

// GER_CALENDARIO: TIPO_DA_DATA "N" is a working day; TIPO_FERIADO "R" regional.
inline void SeedCalendario(Connection& c, int revenda, double data, const std::string& tipo_data,
                           std::optional<std::string> tipo_feriado) {
  InsertRow(c, "GER_CALENDARIO",
            {{"EMPRESA", Value::Integer(1)},
             {"REVENDA", Value::Integer(revenda)},
             {"DTA_CALENDARIO", Value::DateTime(data)},
             {"TIPO_DA_DATA", Value::Text(tipo_data)},
             {"TIPO_FERIADO", TextOrNull(tipo_feriado)}});
}

inline void SeedFeriadoNacional(Connection& c, int revenda, const std::string& feriado_nacional) {
  InsertRow(c, "CAC_PARAMETRO",
            {{"EMPRESA", Value::Integer(1)},
             {"REVENDA", Value::Integer(revenda)},
             {"FERIADO_NACIONAL", Value::Text(feriado_nacional)}});
}

inline void SeedCondicao(Connection& c, int condicao) {
  InsertRow(c, "FAT_CONDICAO_PAGAMENTO",
            {{"EMPRESA", Value::Integer(1)},
             {"CONDICAO", Value::Integer(condicao)},
             {"TIPO_PAGTO", Value::Text("P")}});
}

inline void SeedCondicaoDias(Connection& c, int condicao, int quantidade_dias) {
  InsertRow(c, "FAT_CONDICAO_DIAS",
            {{"EMPRESA", Value::Integer(1)},
             {"CONDICAO", Value::Integer(condicao)},
             {"QUANTIDADE_DIAS", Value::Integer(quantidade_dias)}});
}

}  // namespace veiculo::testing
