#pragma once
// Row builders for the bonus, subsidy, return and commission tests: one
// function per table, each writing only the columns these tests read, all of
// company 1.

#include <optional>
#include <string>
#include <vector>

#include "module/catalogue_seed.h"
#include "veiculo/connection.h"

namespace veiculo::testing {

inline Value DateOrNull(std::optional<double> date) {
  return date ? Value::DateTime(*date) : Value::Null();
}

inline Value IntOrNull(std::optional<int> value) {
  return value ? Value::Integer(*value) : Value::Null();
}

// A bonus of a model; every criterion column left empty restricts nothing.
struct BonusRow {
  int bonus = 1;
  std::string modelo = "M1";
  std::string grupo = "G1";
  std::optional<std::string> comunicado = std::nullopt;
  double valor = 0;
  std::optional<int> ano_fabricacao = std::nullopt;
  std::optional<int> ano_modelo = std::nullopt;
  std::optional<int> portas = std::nullopt;
  std::optional<double> compra_inicio = std::nullopt, compra_fim = std::nullopt;
  std::optional<double> venda_inicio = std::nullopt, venda_fim = std::nullopt;
  std::optional<double> producao_inicio = std::nullopt, producao_fim = std::nullopt;
  std::optional<std::string> valida_todos = std::nullopt;  // VALIDA_TOD_OPC
};

inline void SeedBonusRow(Connection& c, const BonusRow& b) {
  InsertRow(c, "VEI_BONUS",
            {{"EMPRESA", Value::Integer(1)},
             {"BONUS", Value::Integer(b.bonus)},
             {"MODELO", Value::Text(b.modelo)},
             {"GRUPO_BONUS", Value::Text(b.grupo)},
             {"NRO_COMUNICADO", TextOrNull(b.comunicado)},
             {"VAL_BONUS", Value::Float(b.valor)},
             {"ANO_FABRICACAO", IntOrNull(b.ano_fabricacao)},
             {"ANO_MODELO", IntOrNull(b.ano_modelo)},
             {"PORTAS", IntOrNull(b.portas)},
             {"DTA_COMPRA_INICIO", DateOrNull(b.compra_inicio)},
             {"DTA_COMPRA_FIM", DateOrNull(b.compra_fim)},
             {"DTA_VENDA_INICIO", DateOrNull(b.venda_inicio)},
             {"DTA_VENDA_FIM", DateOrNull(b.venda_fim)},
             {"DTA_PRODUCAO_INICIO", DateOrNull(b.producao_inicio)},
             {"DTA_PRODUCAO_FIM", DateOrNull(b.producao_fim)},
             {"VALIDA_TOD_OPC", TextOrNull(b.valida_todos)}});
}

// Optionals a bonus requires ("VEI_BONUS_OPCIONAL") or excludes
// ("VEI_BONUS_OPCIONAL_SEM") on model M1.
inline void SeedBonusOpcionais(Connection& c, const char* table, int bonus,
                               const std::vector<std::string>& opcionais) {
  for (const std::string& opcional : opcionais) {
    InsertRow(c, table,
              {{"EMPRESA", Value::Integer(1)},
               {"BONUS", Value::Integer(bonus)},
               {"MODELO", Value::Text("M1")},
               {"OPCIONAL", Value::Text(opcional)}});
  }
}

// The packages, editions or dealers a bonus is limited to: `column` of `table`.
inline void SeedBonusLista(Connection& c, const char* table, const char* column, int bonus,
                           const std::vector<Value>& values) {
  for (const Value& value : values) {
    InsertRow(c, table,
              {{"EMPRESA", Value::Integer(1)}, {"BONUS", Value::Integer(bonus)}, {column, value}});
  }
}

// A vehicle of model M1 with its follow-up record (production date) and the
// optionals fitted to its chassis.
inline void SeedBonusVehicle(Connection& c, const std::string& veiculo, const std::string& chassi,
                             std::optional<int> revenda_origem, std::optional<double> producao,
                             const std::vector<std::string>& opcionais) {
  InsertRow(c, "VEI_VEICULO",
            {{"EMPRESA", Value::Integer(1)},
             {"VEICULO", Value::Text(veiculo)},
             {"MODELO", Value::Text("M1")},
             {"CHASSI", Value::Text(chassi)},
             {"REVENDA_ORIGEM", IntOrNull(revenda_origem)}});
  InsertRow(c, "OFI_FICHA_SEGUIMENTO",
            {{"CHASSI", Value::Text(chassi)},
             {"EMPRESA", Value::Integer(1)},
             {"DTA_PRODUCAO", DateOrNull(producao)}});
  for (const std::string& opcional : opcionais) SeedFichaOpcional(c, 1, chassi, "M1", opcional);
}

// SUBSIDIO's periods: days INICIO to FINAL at PER_SUBSIDIO percent.
struct PeriodoSubsidio {
  int periodo, inicio, final;
  double percentual;
};

inline void SeedSubsidio(Connection& c, const std::string& subsidio,
                         const std::vector<PeriodoSubsidio>& periodos) {
  InsertRow(c, "VEI_SUBSIDIO",
            {{"EMPRESA", Value::Integer(1)}, {"SUBSIDIO", Value::Text(subsidio)}});
  for (const PeriodoSubsidio& p : periodos) {
    InsertRow(c, "VEI_SUBSIDIO_PERIODO",
              {{"EMPRESA", Value::Integer(1)},
               {"SUBSIDIO", Value::Text(subsidio)},
               {"PERIODO", Value::Integer(p.periodo)},
               {"INICIO", Value::Integer(p.inicio)},
               {"FINAL", Value::Integer(p.final)},
               {"PER_SUBSIDIO", Value::Float(p.percentual)}});
  }
}

// A financing return of a proposal and negotiation of dealer 1.
struct RetornoRow {
  int proposta, negociacao, sequencia;
  std::string tipo;
  std::optional<double> retorno, comissao, irrf;
  std::optional<int> cliente = std::nullopt;
};

inline void SeedRetorno(Connection& c, const RetornoRow& r) {
  InsertRow(c, "VEI_RETORNO",
            {{"EMPRESA", Value::Integer(1)},
             {"REVENDA", Value::Integer(1)},
             {"PROPOSTA", Value::Integer(r.proposta)},
             {"NEGOCIACAO", Value::Integer(r.negociacao)},
             {"SEQUENCIA", Value::Integer(r.sequencia)},
             {"TIPO_RETORNO", Value::Text(r.tipo)},
             {"VAL_RETORNO", Money(r.retorno)},
             {"VAL_COMISSAO", Money(r.comissao)},
             {"VAL_IRRF", Money(r.irrf)},
             {"CLIENTE", IntOrNull(r.cliente)}});
}

inline void SeedVendedor(Connection& c, int revenda, int vendedor, std::optional<double> comissao) {
  InsertRow(c, "FAT_VENDEDOR",
            {{"EMPRESA", Value::Integer(1)},
             {"REVENDA", Value::Integer(revenda)},
             {"VENDEDOR", Value::Integer(vendedor)},
             {"COMISSAO", Money(comissao)}});
}

}  // namespace veiculo::testing
