#pragma once
// The world the costing tests resolve formula lines in: company 1, formula
// "F1", builders for dealers, lines, bands, vehicles, invoices and indices,
// and a fixture that binds a module to the test database inside the test's
// transaction. Dates: factory invoice 05/01/2024, sale 10/03/2024, lines
// resolved on 15/03/2024.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "module/catalogue_seed.h"
#include "platform/db/client_dataset.h"
#include "platform/format/date_time.h"
#include "support/module_test_peer.h"
#include "support/test_database.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::testing {

inline Value DateValue(int year, int month, int day) {
  return Value::DateTime(Day(year, month, day));
}
inline const double kFatFabrica = Day(2024, 1, 5);
inline const double kVenda = Day(2024, 3, 10);
inline const double kProcessamento = Day(2024, 3, 15);
inline constexpr double kSemPercentual = -999999999.0;

inline void SeedHeader(Connection& c, const Invoice& nf, const Columns& columns) {
  InsertRow(c, "FAT_MOVIMENTO_CAPA", KeyOf(nf) + columns);
}
inline void SeedVehicleLine(Connection& c, const Invoice& nf, const std::string& veiculo,
                            const Columns& columns) {
  InsertRow(c, "FAT_MOVIMENTO_VEICULO", KeyOf(nf) + Columns{{"VEICULO", T(veiculo)}} + columns);
}
// Model M1 without prices.
inline void SeedModel(Connection& c) {
  SeedModelo(c, 1, "M1", Prices{});
}

// GER_REVENDA with PIS 1.65 + COFINS 7.6 (new) and 0.65 + 3 (used), and the
// dealer's VEI_PARAMETRO row.
inline void SeedDealer(Connection& c, int revenda, Value pct_issqn, const Columns& parametros) {
  Insert(c, "GER_REVENDA",
         "EMPRESA REVENDA PCT_PIS PCT_COFINS PCT_PIS_USADOS PCT_COFINS_USADOS PCT_ISSQN",
         {I(1), I(revenda), F(1.65), F(7.6), F(0.65), F(3), pct_issqn});
  InsertRow(c, "VEI_PARAMETRO", Cols("EMPRESA REVENDA", {I(1), I(revenda)}) + parametros);
}

// An active normal line of formula F1 (or another); the columns given add to
// or replace those.
inline void SeedLine(Connection& c, int linha, const std::string& incidencia,
                     const Columns& columns = {}, const std::string& formula = "F1") {
  InsertRow(c, "VEI_FORMULA_LINHA",
            Overridden(Cols("EMPRESA FORMULA LINHA_FORMULA TIPO STATUS INCIDENCIA",
                            {I(1), T(formula), I(linha), T("N"), T("A"), T(incidencia)}),
                       columns));
}

// A band of a line of F1.
inline void SeedBand(Connection& c, int linha, double inicial, double final,
                     const std::string& base, const std::string& historico_presente,
                     std::optional<double> percentual, std::optional<double> valor = {}) {
  Insert(c, "VEI_FORMULA_LINHA_PER",
         "EMPRESA FORMULA LINHA_FORMULA LIMITE_INICIAL LIMITE_FINAL BASE_REFERENCIA "
         "HISTORICO_PRESENTE PERCENTUAL_FORMULA VAL_FORMULA",
         {I(1), T("F1"), I(linha), F(inicial), F(final), T(base), T(historico_presente),
          Money(percentual), Money(valor)});
}

// A vehicle of company 1, model M1 (seeded apart) and formula F1 with its
// follow-up record.
inline void SeedVehicleWithRecord(Connection& c, const std::string& veiculo,
                                  const std::string& chassi, const Columns& vehicle,
                                  const Columns& record = {}) {
  InsertRow(c, "OFI_FICHA_SEGUIMENTO", Cols("CHASSI EMPRESA", {T(chassi), I(1)}) + record);
  InsertRow(c, "VEI_VEICULO",
            Cols("EMPRESA VEICULO MODELO CHASSI FORMULA",
                 {I(1), T(veiculo), T("M1"), T(chassi), T("F1")}) +
                vehicle);
}

// Daily index `indice` (unless `header` is false, its FIN_INDICE_FINANCEIRO
// row exists already) with its levels as {date, value}.
inline void SeedIndex(Connection& c, int indice,
                      const std::vector<std::pair<double, double>>& levels, bool header = true) {
  if (header)
    Insert(c, "FIN_INDICE_FINANCEIRO", "EMPRESA INDICE PERIODO", {I(1), I(indice), T("D")});
  for (const auto& [data, valor] : levels)
    Insert(c, "FIN_VALOR_INDICE", "EMPRESA INDICE DTA_INDICE VAL_INDICE",
           {I(1), I(indice), Value::DateTime(data), F(valor)});
}

class IncidenceTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
  }

  // Makes the vehicle current, as the costing does before it asks for values.
  void Load(const std::string& veiculo) { ASSERT_TRUE(dm.LerVeiculo(1, veiculo, true)) << veiculo; }
  void Exec(const std::string& sql) { connection().ExecuteDirect(sql); }

  // Resolves line `linha` of F1 for `veiculo` at dealer `revenda`.
  double Incidencia(const std::string& veiculo, int linha, double percentual = kSemPercentual,
                    const std::string& tipo = "", bool aux = false, int revenda = 1) {
    return dm.BuscaIncidencia(veiculo, "F1", 1, revenda, linha, percentual, kProcessamento, aux,
                              tipo);
  }

  TddmVeiculoCompartilhadoBD dm;
  ModuleTestPeer peer{dm};
};

}  // namespace veiculo::testing
