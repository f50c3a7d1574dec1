#pragma once
// Row builders for the invoice, expense, internal-sale and deflation tests:
// vehicles with the keys of their invoices, invoice headers and lines, and a
// module fixture bound to the test database. Each builder writes the key
// columns and only the other columns a test gives.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/catalogue_seed.h"
#include "platform/db/client_dataset.h"
#include "platform/format/date_time.h"
#include "support/module_test_peer.h"
#include "support/test_database.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::testing {

using Columns = std::vector<SeedColumn>;

inline double Day(int year, int month, int day) {
  return platform::EncodeDate(year, month, day);
}
inline Value DateValue(int year, int month, int day) {
  return Value::DateTime(Day(year, month, day));
}

inline Columns operator+(Columns a, const Columns& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// An invoice of company 1, series "U", counter 1.
struct Invoice {
  int revenda;
  int numero;
  std::string tipo;
};

inline Columns KeyOf(const Invoice& nf) {
  return {{"EMPRESA", Value::Integer(1)},
          {"REVENDA", Value::Integer(nf.revenda)},
          {"NUMERO_NOTA_FISCAL", Value::Integer(nf.numero)},
          {"SERIE_NOTA_FISCAL", Value::Text("U")},
          {"TIPO_TRANSACAO", Value::Text(nf.tipo)},
          {"CONTADOR", Value::Integer(1)}};
}

inline void SeedHeader(Connection& c, const Invoice& nf, const Columns& columns) {
  InsertRow(c, "FAT_MOVIMENTO_CAPA", KeyOf(nf) + columns);
}

inline void SeedVehicleLine(Connection& c, const Invoice& nf, const std::string& veiculo,
                            const Columns& columns) {
  InsertRow(c, "FAT_MOVIMENTO_VEICULO",
            KeyOf(nf) + Columns{{"VEICULO", Value::Text(veiculo)}} + columns);
}

// The vehicle columns that point at its entry, exit and freight invoices.
inline Columns EntryInvoiceOf(const Invoice& nf) {
  return {{"EMPRESA_NFENTRADA", Value::Integer(1)},
          {"REVENDA_NFENTRADA", Value::Integer(nf.revenda)},
          {"TIPO_TRANSACAO_NFENTRADA", Value::Text(nf.tipo)},
          {"NUMERO_NOTA_NFENTRADA", Value::Integer(nf.numero)},
          {"SERIE_NOTA_NFENTRADA", Value::Text("U")},
          {"CONTADOR_NFENTRADA", Value::Integer(1)}};
}
inline Columns ExitInvoiceOf(const Invoice& nf) {
  return {{"EMPRESA_NFSAIDA", Value::Integer(1)},
          {"REVENDA_NFSAIDA", Value::Integer(nf.revenda)},
          {"TIPO_TRANSACAO_NFSAIDA", Value::Text(nf.tipo)},
          {"NUMERO_NOTA_NFSAIDA", Value::Integer(nf.numero)},
          {"SERIE_NOTA_FISCAL_NFSAIDA", Value::Text("U")},
          {"CONTADOR_NFSAIDA", Value::Integer(1)}};
}
inline Columns FreightInvoiceOf(const Invoice& nf) {
  return {{"EMPRESA_NFFRETE", Value::Integer(1)},
          {"REVENDA_NFFRETE", Value::Integer(nf.revenda)},
          {"TIPO_TRANSACAO_NFFRETE", Value::Text(nf.tipo)},
          {"NUMERO_NOTA_FISCAL_NFFRETE", Value::Integer(nf.numero)},
          {"SERIE_NOTA_FISCAL_NFFRETE", Value::Text("U")},
          {"CONTADOR_NFFRETE", Value::Integer(1)}};
}

// A vehicle of company 1, model M1, with its own follow-up record (the
// vehicle query joins both). Seed the model once with SeedModel.
inline void SeedModel(Connection& c) {
  SeedModelo(c, 1, "M1", Prices{});
}

inline void SeedVehicle(Connection& c, const std::string& veiculo, const std::string& chassi,
                        const Columns& columns) {
  InsertRow(c, "OFI_FICHA_SEGUIMENTO",
            {{"CHASSI", Value::Text(chassi)}, {"EMPRESA", Value::Integer(1)}});
  InsertRow(c, "VEI_VEICULO",
            Columns{{"EMPRESA", Value::Integer(1)},
                    {"VEICULO", Value::Text(veiculo)},
                    {"MODELO", Value::Text("M1")},
                    {"CHASSI", Value::Text(chassi)},
                    {"FORMULA", Value::Text("F1")}} +
                columns);
}

// A module bound to the test database, inside the test's transaction.
class ValueSourceTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
  }

  // Makes the vehicle current, as the costing does before it asks for values.
  void Load(const std::string& veiculo) { ASSERT_TRUE(dm.LerVeiculo(1, veiculo, true)) << veiculo; }
  void Exec(const std::string& sql) { connection().ExecuteDirect(sql); }
  // Statements sent by `action`.
  template <typename Action>
  long StatementsOf(Action&& action) {
    const long before = connection().StatementCount();
    action();
    return connection().StatementCount() - before;
  }

  TddmVeiculoCompartilhadoBD dm;
  ModuleTestPeer peer{dm};
};

}  // namespace veiculo::testing
