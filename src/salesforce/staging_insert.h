#pragma once
// One staging row written by a parameterised INSERT: one named parameter a
// column, in the order given. Private to src/salesforce.

#include <string>
#include <utility>
#include <vector>

#include "platform/db/sql_dataset.h"
#include "veiculo/value.h"

namespace veiculo::salesforce {

using Colunas = std::vector<std::pair<const char*, Value>>;

inline void InsereLinha(platform::SqlDataSet& statement, const std::string& tabela,
                        const Colunas& colunas) {
  std::string nomes, marcadores;
  for (const auto& [nome, valor] : colunas) {
    nomes += (nomes.empty() ? "" : ", ") + std::string(nome);
    marcadores += (marcadores.empty() ? ":" : ", :") + std::string(nome);
  }
  statement.Close();
  statement.SetCommandText("insert into " + tabela + " (" + nomes + ") values (" + marcadores +
                           ")");
  for (const auto& [nome, valor] : colunas) statement.ParamByName(nome).value = valor;
  statement.ExecSQL();
  statement.Close();
}

}  // namespace veiculo::salesforce
