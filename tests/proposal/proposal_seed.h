#pragma once
// Row builders for the proposal tests, one per table, each writing the key
// columns and only the other columns a test gives, and a module fixture bound
// to the test database with small readers for what the operations wrote.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "module/catalogue_seed.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "platform/text.h"
#include "support/module_test_peer.h"
#include "support/test_database.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::testing {

using Columns = std::vector<SeedColumn>;

inline Columns Joined(Columns a, const Columns& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline double Moment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return platform::EncodeDateTime(year, month, day, hour, minute, second);
}
inline Value At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return Value::DateTime(Moment(year, month, day, hour, minute, second));
}
inline Value Int(int64_t v) {
  return Value::Integer(v);
}
inline Value Txt(std::string v) {
  return Value::Text(std::move(v));
}

// VEI_PROPOSTA of company 1.
inline void SeedProposta(Connection& c, int revenda, int proposta, const Columns& columns) {
  InsertRow(c, "VEI_PROPOSTA",
            Joined({{"EMPRESA", Int(1)}, {"REVENDA", Int(revenda)}, {"PROPOSTA", Int(proposta)}},
                   columns));
}

// CAC_CONTATO of company 1.
inline void SeedContato(Connection& c, int revenda, int contato, const Columns& columns) {
  InsertRow(
      c, "CAC_CONTATO",
      Joined({{"EMPRESA", Int(1)}, {"REVENDA", Int(revenda)}, {"CONTATO", Int(contato)}}, columns));
}

// VEI_VEICULO of company 1 in a stock situation.
inline void SeedVeiculoEm(Connection& c, const std::string& veiculo, const std::string& situacao,
                          const Columns& columns = {}) {
  InsertRow(c, "VEI_VEICULO",
            Joined({{"EMPRESA", Int(1)}, {"VEICULO", Txt(veiculo)}, {"SITUACAO", Txt(situacao)}},
                   columns));
}

// VEI_SITUACAO of company 1: a stock situation and where it puts the vehicle.
inline void SeedSituacao(Connection& c, const std::string& situacao,
                         const std::string& localizacao) {
  InsertRow(c, "VEI_SITUACAO",
            {{"EMPRESA", Int(1)}, {"SITUACAO", Txt(situacao)}, {"LOCALIZACAO", Txt(localizacao)}});
}

// FAT_VENDEDOR of company 1.
inline void SeedVendedor(Connection& c, int revenda, int vendedor, const Columns& columns) {
  InsertRow(c, "FAT_VENDEDOR",
            Joined({{"EMPRESA", Int(1)}, {"REVENDA", Int(revenda)}, {"VENDEDOR", Int(vendedor)}},
                   columns));
}

// VEI_PARAMETRO of company 1.
inline void SeedParametro(Connection& c, int revenda, const Columns& columns) {
  InsertRow(c, "VEI_PARAMETRO", Joined({{"EMPRESA", Int(1)}, {"REVENDA", Int(revenda)}}, columns));
}

// CAC_PARAMETRO of company 1: the lead alert window, in hours.
inline void SeedAlertaLeads(Connection& c, int revenda, double inicio, double fim) {
  InsertRow(c, "CAC_PARAMETRO",
            {{"EMPRESA", Int(1)},
             {"REVENDA", Int(revenda)},
             {"HORA_ALERTA_INI", Value::Float(inicio)},
             {"HORA_ALERTA_FIM", Value::Float(fim)}});
}

// A day of GER_CALENDARIO of company 1 ("N" working day, anything else a day off).
inline void SeedDia(Connection& c, int revenda, double dia, const std::string& tipo) {
  InsertRow(c, "GER_CALENDARIO",
            {{"EMPRESA", Int(1)},
             {"REVENDA", Int(revenda)},
             {"DTA_CALENDARIO", Value::DateTime(dia)},
             {"TIPO_DA_DATA", Txt(tipo)}});
}

// The module bound to the test database inside the test's transaction.
class ProposalDbTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
  }

  // The rows of a query, every value as text (dates as ISO text, null as "NULL").
  std::vector<std::vector<std::string>> Rows(const std::string& sql) {
    platform::SqlDataSet query("sdsVerifica", &connection());
    query.SetCommandText(sql);
    query.Open();
    std::vector<std::vector<std::string>> rows;
    for (; !query.Eof(); query.Next()) {
      std::vector<std::string> row;
      for (int i = 0; i < query.FieldCount(); ++i) {
        const Value& v = query.Fields(i).AsValue();
        if (v.IsNull())
          row.push_back("NULL");
        else if (v.type() == FieldType::DateTime)
          row.push_back(platform::DateTimeToIso(v.AsDateTime()));
        else if (v.type() == FieldType::Float)
          row.push_back(platform::FormatFloat("0.00", v.AsFloat(), platform::SqlFormatSettings()));
        else
          row.push_back(platform::Trim(v.AsText()));
      }
      rows.push_back(std::move(row));
    }
    return rows;
  }
  // The first column of the first row, or "" when there is none.
  std::string One(const std::string& sql) {
    const auto rows = Rows(sql);
    return rows.empty() ? "" : rows[0][0];
  }
  long Statements() { return connection().StatementCount(); }

  TddmVeiculoCompartilhadoBD dm;
  ModuleTestPeer peer{dm};
};

using TextRows = std::vector<std::vector<std::string>>;

}  // namespace veiculo::testing
