#pragma once
// Row builders for indices, expenses and payment conditions, shared with the
// costing tests: each writes only the columns the tests read.

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

inline void SeedCondicao(Connection& c, int condicao) {
  InsertRow(c, "FAT_CONDICAO_PAGAMENTO",
            {{"EMPRESA", Value::Integer(1)},
             {"CONDICAO", Value::Integer(condicao)},
             {"TIPO_PAGTO", Value::Text("P")}});
}

}  // namespace veiculo::testing
