#pragma once
// Row builders for the registry value tests (model, follow-up record,
// vehicle, editions, packages, optionals, Nissan price list), one function per
// table writing only the columns these tests read, and the shared world most
// tests start from.

#include <optional>
#include <string>

#include "module/catalogue_seed.h"
#include "veiculo/connection.h"

namespace veiculo::testing {

struct ModeloRegistro {
  std::string modelo = "M1";
  std::optional<double> publico{}, pintura_s{}, pintura_m{}, pintura_p{}, pintura_e{};
  std::optional<double> frete_venda{}, val_seguro{};
};

inline void SeedModeloRegistro(Connection& c, const ModeloRegistro& m) {
  InsertRow(c, "VEI_MODELO",
            {{"EMPRESA", Value::Integer(1)},
             {"MODELO", Value::Text(m.modelo)},
             {"PRECO_PUBLICO", Money(m.publico)},
             {"VAL_PINTURA_S", Money(m.pintura_s)},
             {"VAL_PINTURA_M", Money(m.pintura_m)},
             {"VAL_PINTURA_P", Money(m.pintura_p)},
             {"VAL_PINTURA_E", Money(m.pintura_e)},
             {"FRETE_VENDA", Money(m.frete_venda)},
             {"VAL_SEGURO", Money(m.val_seguro)}});
}

struct FichaRegistro {
  std::string chassi;
  int empresa = 1;
  int ano_fabricacao = 2023;
  int ano_modelo = 2024;
  std::string pacote = "PK1";
  std::string tipo_pintura = "M";
  std::string edicao = "ED1";
  std::string codigo_semi_claro = "SC1";
};

inline void SeedFichaRegistro(Connection& c, const FichaRegistro& f) {
  InsertRow(c, "OFI_FICHA_SEGUIMENTO",
            {{"CHASSI", Value::Text(f.chassi)},
             {"EMPRESA", Value::Integer(f.empresa)},
             {"ANO_FABRICACAO", Value::Integer(f.ano_fabricacao)},
             {"ANO_MODELO", Value::Integer(f.ano_modelo)},
             {"PACOTE", Value::Text(f.pacote)},
             {"TIPO_PINTURA", Value::Text(f.tipo_pintura)},
             {"EDICAO", Value::Text(f.edicao)},
             {"CODIGO_SEMI_CLARO", Value::Text(f.codigo_semi_claro)},
             {"MODELO", Value::Text("M1")}});
}

inline void SeedVeiculoRegistro(Connection& c, const std::string& veiculo,
                                const std::string& chassi, const std::string& novo_usado,
                                const std::string& situacao) {
  InsertRow(c, "VEI_VEICULO",
            {{"EMPRESA", Value::Integer(1)},
             {"VEICULO", Value::Text(veiculo)},
             {"MODELO", Value::Text("M1")},
             {"CHASSI", Value::Text(chassi)},
             {"REVENDA_ORIGEM", Value::Integer(1)},
             {"SITUACAO", Value::Text(situacao)},
             {"NOVO_USADO", Value::Text(novo_usado)},
             {"FORMULA", Value::Text("F1")}});
}

inline void SeedParametroOpcionais(Connection& c, int revenda, const std::string& imprime) {
  InsertRow(c, "VEI_PARAMETRO",
            {{"EMPRESA", Value::Integer(1)},
             {"REVENDA", Value::Integer(revenda)},
             {"IMPRIME_VALOR_OPCIONAIS_REL", Value::Text(imprime)}});
}

inline void SeedEdicao(Connection& c, const std::string& edicao, int ano_modelo, double publico,
                       std::optional<double> pintura_m = std::nullopt,
                       std::optional<double> pintura_e = std::nullopt) {
  InsertRow(c, "VEI_MODELO_EDICAO",
            {{"EMPRESA", Value::Integer(1)},
             {"MODELO", Value::Text("M1")},
             {"EDICAO", Value::Text(edicao)},
             {"ANO_MODELO", Value::Integer(ano_modelo)},
             {"PRECO_PUBLICO", Value::Float(publico)},
             {"VAL_PINTURA_M", Money(pintura_m)},
             {"VAL_PINTURA_E", Money(pintura_e)}});
}

inline void SeedPacote(Connection& c, const std::string& pacote, double valor) {
  InsertRow(c, "VEI_PACOTE",
            {{"EMPRESA", Value::Integer(1)},
             {"PACOTE", Value::Text(pacote)},
             {"VAL_PACOTE", Value::Float(valor)}});
}

// A year price of a package for model year 2024 and one paint type.
inline void SeedPacoteAnoPintura(Connection& c, const std::string& pacote,
                                 const std::string& tipo_pintura, const std::string& tipo_preco,
                                 double dta_emissao, double valor) {
  InsertRow(c, "VEI_PACOTE_ANO",
            {{"EMPRESA", Value::Integer(1)},
             {"PACOTE", Value::Text(pacote)},
             {"ANO_MODELO", Value::Integer(2024)},
             {"TIPO_PINTURA", Value::Text(tipo_pintura)},
             {"TIPO_PRECO", Value::Text(tipo_preco)},
             {"DTA_EMISSAO", Value::DateTime(dta_emissao)},
             {"VAL_PACOTE", Value::Float(valor)}});
}

inline void SeedOpcionalFicha(Connection& c, int empresa, const std::string& chassi,
                              const std::string& opcional, std::optional<double> congelado) {
  InsertRow(c, "OFI_FICHA_OPCIONAL",
            {{"EMPRESA", Value::Integer(empresa)},
             {"CHASSI", Value::Text(chassi)},
             {"MODELO", Value::Text("M1")},
             {"OPCIONAL", Value::Text(opcional)},
             {"VAL_OPCIONAL", Money(congelado)}});
}

inline void SeedOpcionalModelo(Connection& c, int empresa, const std::string& opcional,
                               double valor) {
  InsertRow(c, "VEI_OPCIONAL_MODELO",
            {{"EMPRESA", Value::Integer(empresa)},
             {"MODELO", Value::Text("M1")},
             {"OPCIONAL", Value::Text(opcional)},
             {"VAL_OPCIONAL", Value::Float(valor)}});
}

inline void SeedOpcionalEdicao(Connection& c, const std::string& opcional, int ano_modelo,
                               double valor) {
  InsertRow(c, "VEI_OPCIONAL_MODELO_EDICAO",
            {{"EMPRESA", Value::Integer(1)},
             {"MODELO", Value::Text("M1")},
             {"OPCIONAL", Value::Text(opcional)},
             {"ANO_MODELO", Value::Integer(ano_modelo)},
             {"EDICAO", Value::Text("ED1")},
             {"VAL_OPCIONAL", Value::Float(valor)}});
}

inline void SeedNissanDI(Connection& c, int revenda, std::optional<int> utiliza) {
  InsertRow(c, "NIS_PARAMETRO",
            {{"EMPRESA", Value::Integer(1)},
             {"REVENDA", Value::Integer(revenda)},
             {"UTILIZA_NISSAN_DI", utiliza ? Value::Integer(*utiliza) : Value::Null()}});
}

inline void SeedSituacao(Connection& c, const std::string& situacao, const std::string& localizacao,
                         const std::string& disp_venda) {
  InsertRow(c, "VEI_SITUACAO",
            {{"EMPRESA", Value::Integer(1)},
             {"SITUACAO", Value::Text(situacao)},
             {"LOCALIZACAO", Value::Text(localizacao)},
             {"DISP_VENDA", Value::Text(disp_venda)}});
}

inline void SeedSemiClaro(Connection& c, const std::string& codigo, const std::string& cor) {
  InsertRow(c, "VEI_MODELO_SEMI_CLARO",
            {{"EMPRESA", Value::Integer(1)},
             {"MODELO", Value::Text("M1")},
             {"CODIGO_SEMI_CLARO", Value::Text(codigo)},
             {"ANO_FABRICACAO", Value::Integer(2023)},
             {"ANO_MODELO", Value::Integer(2024)},
             {"COR", Value::Text(cor)}});
}

inline void SeedModeloCor(Connection& c, const std::string& cor, double preco) {
  InsertRow(c, "VEI_MODELO_COR",
            {{"EMPRESA", Value::Integer(1)},
             {"MODELO", Value::Text("M1")},
             {"COR", Value::Text(cor)},
             {"ANO_FABRICACAO", Value::Integer(2023)},
             {"ANO_MODELO", Value::Integer(2024)},
             {"PRECO_PUBLICO", Value::Float(preco)}});
}

// The world of the registry tests, company 1:
// - model M1: public price 50000, paint S 900, M 1200, P 2000 (E none),
//   sale freight 800, insurance 300;
// - chassis CH1 (made 2023, model year 2024, package PK1, paint M, edition
//   ED1, semi-clear SC1) of vehicle V1, new, in situation "ES";
//   its PRECO_PUBLICO is 50000 + 1200 = 51200 (no dealer price row);
// - editions of M1: ED1/2024 52000 with paint M 1500 (S, P from the model,
//   E none anywhere), ED1/2023 47000, ED2/2024 60000;
// - packages: PK1 general 3000; year prices of PK1/2024/M: "PP" 3500 issued
//   10/01/2024 and 3700 issued 01/03/2024, and "PF" 9999 issued 01/06/2024;
// - optionals of CH1: AR (model 2500, edition 2024 2600) -> 2600; VT (model
//   700, edition only for 2023) -> 700; RD frozen at 150 (model 400) -> 150;
//   XX frozen 9000 but not in the model's list -> not counted; an AR row of
//   company 2 on CH1 (model value 5000 there) -> not the record's company.
//   Sum 2600 + 700 + 150 = 3450;
// - situations: ES (stock, for sale), RS (stock, not for sale), TR (transit,
//   for sale); semi-clear SC1 of 2023/2024 is colour PRATA;
// - dealer 1 parameters with IMPRIME_VALOR_OPCIONAIS_REL "S", dealer 2 "N";
//   no NIS_PARAMETRO row (tests add it).
inline void SeedRegistryWorld(Connection& c) {
  SeedModeloRegistro(c, {.publico = 50000,
                         .pintura_s = 900,
                         .pintura_m = 1200,
                         .pintura_p = 2000,
                         .frete_venda = 800,
                         .val_seguro = 300});
  SeedFichaRegistro(c, {.chassi = "CH1"});
  SeedVeiculoRegistro(c, "V1", "CH1", "N", "ES");
  SeedEdicao(c, "ED1", 2024, 52000, 1500);
  SeedEdicao(c, "ED1", 2023, 47000);
  SeedEdicao(c, "ED2", 2024, 60000);
  SeedPacote(c, "PK1", 3000);
  SeedPacoteAnoPintura(c, "PK1", "M", "PP", 45301, 3500);  // 10/01/2024
  SeedPacoteAnoPintura(c, "PK1", "M", "PP", 45352, 3700);  // 01/03/2024
  SeedPacoteAnoPintura(c, "PK1", "M", "PF", 45444, 9999);  // 01/06/2024
  SeedOpcionalModelo(c, 1, "AR", 2500);
  SeedOpcionalModelo(c, 1, "VT", 700);
  SeedOpcionalModelo(c, 1, "RD", 400);
  SeedOpcionalModelo(c, 2, "AR", 5000);
  SeedOpcionalEdicao(c, "AR", 2024, 2600);
  SeedOpcionalEdicao(c, "VT", 2023, 9999);
  SeedOpcionalFicha(c, 1, "CH1", "AR", std::nullopt);
  SeedOpcionalFicha(c, 1, "CH1", "VT", std::nullopt);
  SeedOpcionalFicha(c, 1, "CH1", "RD", 150);
  SeedOpcionalFicha(c, 1, "CH1", "XX", 9000);
  SeedOpcionalFicha(c, 2, "CH1", "AR", std::nullopt);
  SeedSituacao(c, "ES", "E", "S");
  SeedSituacao(c, "RS", "E", "N");
  SeedSituacao(c, "TR", "T", "S");
  SeedSemiClaro(c, "SC1", "PRATA");
  SeedParametroOpcionais(c, 1, "S");
  SeedParametroOpcionais(c, 2, "N");
}

}  // namespace veiculo::testing
