// The model registry's other prices: editions of the next model year,
// packages with prices by model year and paint, and optionals valued by model
// and by edition, fitted to some of the fixed vehicles.
//
// V1001 (HATCH10, edition 2025, metallic) carries the TECH package and two
// optionals: the alarm at the model's 890,00 and the 15" alloy wheels at the
// 2025 edition's 2.150,00, so 3.040,00 of optionals; the head office counts
// optionals in the registry value. Its TECH package costs 4.290,00 for a 2025
// metallic vehicle (the newest of two year prices), 3.900,00 in general.

#include <tuple>
#include <utility>

#include "demo/demo_rows.h"
#include "demo/value_source_rows.h"
#include "platform/db/sql_dataset.h"
#include "veiculo/error.h"

namespace veiculo::demo {
namespace {

std::string ChassisOf(Connection& connection, const char* veiculo) {
  platform::SqlDataSet query("sdsDemoChassi", &connection);
  query.SetCommandText("select CHASSI from VEI_VEICULO where EMPRESA = :Empresa and VEICULO = :V");
  query.ParamByName("Empresa").value = Int(kEmpresa);
  query.ParamByName("V").value = Txt(veiculo);
  query.Open();
  if (query.IsEmpty())
    throw Error(ErrorCategory::NotFound, std::string("demo vehicle ") + veiculo + " is missing");
  return query.FieldByName("CHASSI").AsText();
}

void LoadEditions(Connection& connection) {
  TableWriter edicoes(connection, "VEI_MODELO_EDICAO",
                      {"EMPRESA", "MODELO", "EDICAO", "ANO_MODELO", "PRECO_PUBLICO"});
  edicoes.Insert({Int(kEmpresa), Txt("HATCH10"), Txt("2026"), Int(2026), Num(84490)});
  edicoes.Insert({Int(kEmpresa), Txt("SUV13T"), Txt("2026"), Int(2026), Num(155990)});
  edicoes.Insert({Int(kEmpresa), Txt("HATCH16"), Txt("INTENSE"), Int(2025), Num(99990)});
}

void LoadPackages(Connection& connection) {
  TableWriter pacotes(connection, "VEI_PACOTE", {"EMPRESA", "PACOTE", "VAL_PACOTE"});
  pacotes.Insert({Int(kEmpresa), Txt("TECH"), Num(3900)});      // multimedia, camera, charger
  pacotes.Insert({Int(kEmpresa), Txt("CONFORTO"), Num(2450)});  // climate control, armrest
  pacotes.Insert({Int(kEmpresa), Txt("AVENTURA"), Num(5800)});  // off-road kit of the pickup
  // Price type PP is the public price; PC the dealer's cost, not a sale price.
  TableWriter anos(connection, "VEI_PACOTE_ANO",
                   {"EMPRESA", "PACOTE", "ANO_MODELO", "TIPO_PINTURA", "TIPO_PRECO", "DTA_EMISSAO",
                    "VAL_PACOTE"});
  auto ano = [&anos](const char* pacote, const char* pintura, const char* tipo, Value emissao,
                     double valor) {
    anos.Insert(
        {Int(kEmpresa), Txt(pacote), Int(2025), Txt(pintura), Txt(tipo), emissao, Num(valor)});
  };
  ano("TECH", "M", "PP", Date(2024, 10, 1), 4090);
  ano("TECH", "M", "PP", Date(2025, 3, 1), 4290);
  ano("TECH", "S", "PP", Date(2024, 10, 1), 3990);
  ano("TECH", "M", "PC", Date(2025, 3, 1), 3150);
  ano("AVENTURA", "M", "PP", Date(2024, 10, 1), 6150);
}

void LoadOptionals(Connection& connection) {
  TableWriter modelo(connection, "VEI_OPCIONAL_MODELO",
                     {"EMPRESA", "MODELO", "OPCIONAL", "VAL_OPCIONAL"});
  const std::tuple<const char*, const char*, double> by_model[] = {
      {"HATCH10", "ALARME", 890},        {"HATCH10", "SENSOR_EST", 1150},
      {"HATCH10", "RODA_LIGA15", 2300},  {"HATCH10", "PELICULA", 650},
      {"HATCH16", "RODA_LIGA16", 2600},  {"HATCH16", "SENSOR_EST", 1150},
      {"SEDAN16", "BANCO_COURO", 3400},  {"SUV13T", "TETO_SOLAR", 6900},
      {"SUV13T", "BANCO_COURO", 3800},   {"SUV13T", "SENSOR_EST", 1150},
      {"PICK22", "CAPOTA", 4200},        {"PICK22", "ESTRIBO", 1650},
      {"PICK22", "SANTO_ANTONIO", 2100},
  };
  for (const auto& [m, opcional, valor] : by_model)
    modelo.Insert({Int(kEmpresa), Txt(m), Txt(opcional), Num(valor)});

  TableWriter edicao(connection, "VEI_OPCIONAL_MODELO_EDICAO",
                     {"EMPRESA", "MODELO", "OPCIONAL", "ANO_MODELO", "EDICAO", "VAL_OPCIONAL"});
  const std::tuple<const char*, const char*, const char*, double> by_edition[] = {
      {"HATCH10", "RODA_LIGA15", "2025", 2150},
      {"SUV13T", "TETO_SOLAR", "2025", 6700},
      {"SUV13T", "TETO_SOLAR", "OUTDOOR", 6400},
      {"PICK22", "CAPOTA", "2025", 4450},
  };
  for (const auto& [m, opcional, ed, valor] : by_edition)
    edicao.Insert({Int(kEmpresa), Txt(m), Txt(opcional), Int(2025), Txt(ed), Num(valor)});
}

// The fixed vehicles' optionals (not yet frozen by a proposal: no value of
// their own) and packages.
void FitVehicles(Connection& connection) {
  TableWriter opcionais(connection, "OFI_FICHA_OPCIONAL",
                        {"OPCIONAL", "EMPRESA", "CHASSI", "MODELO", "VAL_OPCIONAL"});
  const std::tuple<const char*, const char*, const char*> fitted[] = {
      {"V1001", "HATCH10", "ALARME"},     {"V1001", "HATCH10", "RODA_LIGA15"},
      {"V1002", "SUV13T", "TETO_SOLAR"},  {"V1002", "SUV13T", "BANCO_COURO"},
      {"V1004", "HATCH16", "SENSOR_EST"}, {"V1005", "PICK22", "CAPOTA"},
      {"V1005", "PICK22", "ESTRIBO"},
  };
  for (const auto& [veiculo, m, opcional] : fitted)
    opcionais.Insert(
        {Txt(opcional), Int(kEmpresa), Txt(ChassisOf(connection, veiculo)), Txt(m), Null()});

  platform::SqlDataSet pacote("sdsDemoPacote", &connection);
  pacote.SetCommandText("update OFI_FICHA_SEGUIMENTO set PACOTE = :Pacote where CHASSI = :Chassi");
  const std::pair<const char*, const char*> packages[] = {
      {"V1001", "TECH"}, {"V1002", "CONFORTO"}, {"V1005", "AVENTURA"}};
  for (const auto& [veiculo, p] : packages) {
    pacote.ParamByName("Pacote").value = Txt(p);
    pacote.ParamByName("Chassi").value = Txt(ChassisOf(connection, veiculo));
    pacote.ExecSQL();
  }

  // The head office prints and counts optionals' values; the branch does not.
  platform::SqlDataSet parametro("sdsDemoParametro", &connection);
  parametro.SetCommandText(
      "update VEI_PARAMETRO set IMPRIME_VALOR_OPCIONAIS_REL = 'S' where EMPRESA = :Empresa and "
      "REVENDA = :Revenda");
  parametro.ParamByName("Empresa").value = Int(kEmpresa);
  parametro.ParamByName("Revenda").value = Int(kRevendaMatriz);
  parametro.ExecSQL();
}

}  // namespace

void LoadRegistryValues(Connection& connection) {
  LoadEditions(connection);
  LoadPackages(connection);
  LoadOptionals(connection);
  FitVehicles(connection);
}

}  // namespace veiculo::demo
