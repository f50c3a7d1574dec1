#pragma once
// Shared by the value-source tests: a module bound to the test database inside
// the test's transaction, short value builders, and a row writer for company 1
// (EMPRESA prepended) so each test seeds only the columns it reads.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "module/catalogue_seed.h"
#include "platform/db/client_dataset.h"
#include "platform/format/date_time.h"
#include "support/kit.h"
#include "support/module_test_peer.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::testing {

inline double Dia(int year, int month, int day) {
  return platform::EncodeDate(year, month, day);
}
inline void Row(Connection& c, const std::string& table, const Columns& columns) {
  InsertRow(c, table, Columns{{"EMPRESA", I(1)}} + columns);
}

// The same with the column names in one comma-separated list: "A,B", {a, b}.
inline void Row(Connection& c, const std::string& table, const std::string& names,
                const std::vector<Value>& values) {
  std::string spaced = names;
  for (char& ch : spaced)
    if (ch == ',') ch = ' ';
  Row(c, table, Cols(spaced, values, table));
}

// A vehicle of model M1 with its follow-up record, as LerVeiculo joins them
// (the test writes the model row).
inline void SeedVehicle(Connection& c, const std::string& veiculo, const std::string& chassi,
                        const Columns& columns) {
  Row(c, "OFI_FICHA_SEGUIMENTO", "CHASSI", {T(chassi)});
  Row(c, "VEI_VEICULO",
      Columns{{"VEICULO", T(veiculo)},
              {"MODELO", T("M1")},
              {"CHASSI", T(chassi)},
              {"FORMULA", T("F1")}} +
          columns);
}

// An index with its values (date, value).
inline void SeedIndex(Connection& c, int indice, const std::string& periodo,
                      const std::vector<std::pair<double, double>>& values,
                      std::optional<std::string> indexador_ford = std::nullopt) {
  Row(c, "FIN_INDICE_FINANCEIRO", "INDICE,PERIODO,INDEXADOR_FORD",
      {I(indice), T(periodo), TextOrNull(indexador_ford)});
  for (const auto& [data, valor] : values)
    Row(c, "FIN_VALOR_INDICE", "INDICE,DTA_INDICE,VAL_INDICE", {I(indice), D(data), F(valor)});
}

class ValueSourceTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
  }
  void Load(const std::string& veiculo) { ASSERT_TRUE(dm.LerVeiculo(1, veiculo, true)) << veiculo; }
  template <typename Action>
  long StatementsOf(Action&& action) {  // statements sent by `action`
    const long before = connection().StatementCount();
    action();
    return connection().StatementCount() - before;
  }

  TddmVeiculoCompartilhadoBD dm;
  ModuleTestPeer peer{dm};
};

}  // namespace veiculo::testing
