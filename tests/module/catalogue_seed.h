#pragma once
// Row builders for the catalogue tests: one function per table, each writing
// only the columns the tests read. Values are bound as parameters; an absent
// optional writes NULL.

#include <optional>
#include <string>
#include <vector>

#include "platform/db/sql_dataset.h"
#include "veiculo/connection.h"
#include "veiculo/value.h"

namespace veiculo::testing {

struct SeedColumn {
  const char* name;
  Value value;
};

inline Value Money(std::optional<double> amount) {
  return amount ? Value::Float(*amount) : Value::Null();
}

inline Value TextOrNull(const std::optional<std::string>& text) {
  return text ? Value::Text(*text) : Value::Null();
}

inline void InsertRow(Connection& connection, const std::string& table,
                      const std::vector<SeedColumn>& columns) {
  std::string names;
  std::string markers;
  for (const SeedColumn& column : columns) {
    names += (names.empty() ? "" : ", ") + std::string(column.name);
    markers += (markers.empty() ? ":" : ", :") + std::string(column.name);
  }
  platform::SqlDataSet insert("seed" + table, &connection);
  insert.SetCommandText("insert into " + table + " (" + names + ") values (" + markers + ")");
  for (const SeedColumn& column : columns) insert.ParamByName(column.name).value = column.value;
  insert.ExecSQL();
}

// Public price and paint surcharges of a model (VEI_MODELO) or of a model at
// one dealer (VEI_MODELO_PRECO).
struct Prices {
  std::optional<double> publico, s, m, p, e;
};

inline void SeedModelo(Connection& c, int empresa, const std::string& modelo, const Prices& v) {
  InsertRow(c, "VEI_MODELO",
            {{"EMPRESA", Value::Integer(empresa)},
             {"MODELO", Value::Text(modelo)},
             {"PRECO_PUBLICO", Money(v.publico)},
             {"VAL_PINTURA_S", Money(v.s)},
             {"VAL_PINTURA_M", Money(v.m)},
             {"VAL_PINTURA_P", Money(v.p)},
             {"VAL_PINTURA_E", Money(v.e)}});
}

inline void SeedModeloPreco(Connection& c, int empresa, const std::string& modelo, int revenda,
                            const Prices& v) {
  InsertRow(c, "VEI_MODELO_PRECO",
            {{"EMPRESA", Value::Integer(empresa)},
             {"MODELO", Value::Text(modelo)},
             {"REVENDA", Value::Integer(revenda)},
             {"PRECO_PUBLICO", Money(v.publico)},
             {"VAL_PINTURA_S", Money(v.s)},
             {"VAL_PINTURA_M", Money(v.m)},
             {"VAL_PINTURA_P", Money(v.p)},
             {"VAL_PINTURA_E", Money(v.e)}});
}

struct Ficha {
  std::string chassi;
  int empresa = 1;
  std::optional<std::string> tipo_pintura = std::nullopt;
  std::string edicao = "ED1";
  int ano_modelo = 2024;
};

inline void SeedFichaSeguimento(Connection& c, const Ficha& f) {
  InsertRow(c, "OFI_FICHA_SEGUIMENTO",
            {{"CHASSI", Value::Text(f.chassi)},
             {"EMPRESA", Value::Integer(f.empresa)},
             {"TIPO_PINTURA", TextOrNull(f.tipo_pintura)},
             {"EDICAO", Value::Text(f.edicao)},
             {"ANO_MODELO", Value::Integer(f.ano_modelo)}});
}

struct Veiculo {
  int empresa = 1;
  std::string veiculo;
  std::string modelo;
  std::string chassi;
  int revenda_origem = 1;
  std::string formula = "F1";
};

inline void SeedVeiculo(Connection& c, const Veiculo& v) {
  InsertRow(c, "VEI_VEICULO",
            {{"EMPRESA", Value::Integer(v.empresa)},
             {"VEICULO", Value::Text(v.veiculo)},
             {"MODELO", Value::Text(v.modelo)},
             {"CHASSI", Value::Text(v.chassi)},
             {"REVENDA_ORIGEM", Value::Integer(v.revenda_origem)},
             {"FORMULA", Value::Text(v.formula)}});
}

inline void SeedFichaOpcional(Connection& c, int empresa, const std::string& chassi,
                              const std::string& modelo, const std::string& opcional) {
  InsertRow(c, "OFI_FICHA_OPCIONAL",
            {{"EMPRESA", Value::Integer(empresa)},
             {"CHASSI", Value::Text(chassi)},
             {"MODELO", Value::Text(modelo)},
             {"OPCIONAL", Value::Text(opcional)}});
}

inline void SeedPacoteAno(Connection& c, const std::string& pacote, const std::string& tipo_preco,
                          double dta_emissao, double val_pacote) {
  InsertRow(c, "VEI_PACOTE_ANO",
            {{"EMPRESA", Value::Integer(1)},
             {"PACOTE", Value::Text(pacote)},
             {"ANO_MODELO", Value::Integer(2024)},
             {"TIPO_PINTURA", Value::Text("M")},
             {"TIPO_PRECO", Value::Text(tipo_preco)},
             {"DTA_EMISSAO", Value::DateTime(dta_emissao)},
             {"VAL_PACOTE", Value::Float(val_pacote)}});
}

// A bonus of a model; without a purchase window it applies to any purchase date.
struct Bonus {
  int bonus;
  std::string modelo;
  std::string grupo;
  std::optional<double> compra_inicio = std::nullopt;
  std::optional<double> compra_fim = std::nullopt;
};

inline void SeedBonus(Connection& c, const Bonus& b) {
  auto date = [](std::optional<double> d) { return d ? Value::DateTime(*d) : Value::Null(); };
  InsertRow(c, "VEI_BONUS",
            {{"EMPRESA", Value::Integer(1)},
             {"BONUS", Value::Integer(b.bonus)},
             {"MODELO", Value::Text(b.modelo)},
             {"GRUPO_BONUS", Value::Text(b.grupo)},
             {"DTA_COMPRA_INICIO", date(b.compra_inicio)},
             {"DTA_COMPRA_FIM", date(b.compra_fim)}});
}

// An invoice of company 1, dealer 1, series "U", transaction "E", counter 1.
inline std::vector<SeedColumn> InvoiceKey(int numero) {
  return {{"EMPRESA", Value::Integer(1)},
          {"REVENDA", Value::Integer(1)},
          {"NUMERO_NOTA_FISCAL", Value::Integer(numero)},
          {"SERIE_NOTA_FISCAL", Value::Text("U")},
          {"TIPO_TRANSACAO", Value::Text("E")},
          {"CONTADOR", Value::Integer(1)}};
}

inline void SeedMovimentoCapa(Connection& c, int numero, std::optional<double> val_icms_frete,
                              std::optional<double> val_icms_seguro) {
  std::vector<SeedColumn> columns = InvoiceKey(numero);
  columns.push_back({"VAL_ICMS_FRETE", Money(val_icms_frete)});
  columns.push_back({"VAL_ICMS_SEGURO", Money(val_icms_seguro)});
  InsertRow(c, "FAT_MOVIMENTO_CAPA", columns);
}

inline void SeedMovimentoVeiculo(Connection& c, int numero, const std::string& veiculo,
                                 double val_icms_frete_seguro) {
  std::vector<SeedColumn> columns = InvoiceKey(numero);
  columns.push_back({"VEICULO", Value::Text(veiculo)});
  columns.push_back({"VAL_ICMS_FRETE_SEGURO", Value::Float(val_icms_frete_seguro)});
  InsertRow(c, "FAT_MOVIMENTO_VEICULO", columns);
}

}  // namespace veiculo::testing
