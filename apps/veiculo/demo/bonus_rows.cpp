// The maker's bonus catalogue with its criteria, the financing subsidies, the
// financing returns of the financed sales and the salespeople's commissions.
//
// V1001 (HATCH10, model year 2025, edition 2025, package TECH, optionals
// ALARME and RODA_LIGA15, invoiced by the factory on 12/01/2025, origin the
// head office) qualifies for bonuses 1, 2 and 3: 1500 + 800 + 1200 = 3500.
// Bonus 4 wants exactly ALARME, RODA_LIGA15 and SENSOR_EST, bonus 5 excludes
// ALARME, bonus 6 is the branch's only and bonus 9 was for 2024 purchases.
// V1001 is financed under the subsidy SUB60.

#include <optional>
#include <string>
#include <vector>

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"
#include "platform/db/sql_dataset.h"

namespace veiculo::demo {
namespace {

struct DemoBonus {
  int bonus;
  const char* modelo;
  const char* grupo;
  const char* comunicado;
  double valor;
  std::optional<int> ano_modelo = std::nullopt;
  std::optional<int> portas = std::nullopt;
  int compra_ano = 0;  // purchases of that calendar year only (0: any)
  const char* valida_todos = "N";
};

Value OptionalInt(std::optional<int> value) {
  return value ? Int(*value) : Null();
}

void LoadCatalogue(Connection& connection) {
  TableWriter bonus(connection, "VEI_BONUS",
                    {"EMPRESA", "BONUS", "MODELO", "GRUPO_BONUS", "NRO_COMUNICADO", "VAL_BONUS",
                     "ANO_MODELO", "PORTAS", "DTA_COMPRA_INICIO", "DTA_COMPRA_FIM",
                     "DTA_VENDA_INICIO", "DTA_VENDA_FIM", "VALIDA_TOD_OPC"});
  const DemoBonus catalogue[] = {
      {1, "HATCH10", "G1", "CB-2025/014", 1500, 2025, std::nullopt, 2025},
      {2, "HATCH10", "G1", "CB-2025/015", 800},
      {3, "HATCH10", "G2", "CB-2025/020", 1200},
      {4, "HATCH10", "G2", "CB-2025/021", 2000, std::nullopt, std::nullopt, 0, "S"},
      {5, "HATCH10", "G3", "CB-2025/030", 500},
      {6, "HATCH10", "G3", "CB-2025/031", 700},
      {7, "SUV13T", "G1", "CB-2025/040", 2500, std::nullopt, 4},
      {8, "PICK22", "G1", "CB-2025/050", 3000, std::nullopt, std::nullopt, 0, "S"},
      {9, "HATCH10", "G4", "CB-2024/090", 900, std::nullopt, std::nullopt, 2024},
  };
  for (const DemoBonus& b : catalogue) {
    // A purchase window comes with the sale window of the campaign: that year
    // and the first half of the next.
    const bool window = b.compra_ano != 0;
    bonus.Insert({Int(kEmpresa), Int(b.bonus), Txt(b.modelo), Txt(b.grupo), Txt(b.comunicado),
                  Num(b.valor), OptionalInt(b.ano_modelo), OptionalInt(b.portas),
                  window ? Date(b.compra_ano, 1, 1) : Null(),
                  window ? Date(b.compra_ano, 12, 31) : Null(),
                  window ? Date(b.compra_ano, 1, 1) : Null(),
                  window ? Date(b.compra_ano + 1, 6, 30) : Null(), Txt(b.valida_todos)});
  }
}

void LoadCriteria(Connection& connection) {
  TableWriter required(connection, "VEI_BONUS_OPCIONAL",
                       {"EMPRESA", "BONUS", "MODELO", "OPCIONAL"});
  required.Insert({Int(kEmpresa), Int(2), Txt("HATCH10"), Txt("RODA_LIGA15")});
  for (const char* opcional : {"ALARME", "RODA_LIGA15", "SENSOR_EST"})
    required.Insert({Int(kEmpresa), Int(4), Txt("HATCH10"), Txt(opcional)});
  for (const char* opcional : {"CAPOTA", "ESTRIBO"})
    required.Insert({Int(kEmpresa), Int(8), Txt("PICK22"), Txt(opcional)});

  TableWriter excluded(connection, "VEI_BONUS_OPCIONAL_SEM",
                       {"EMPRESA", "BONUS", "MODELO", "OPCIONAL"});
  excluded.Insert({Int(kEmpresa), Int(5), Txt("HATCH10"), Txt("ALARME")});

  TableWriter pacotes(connection, "VEI_BONUS_PACOTE", {"EMPRESA", "BONUS", "PACOTE"});
  pacotes.Insert({Int(kEmpresa), Int(3), Txt("TECH")});
  TableWriter edicoes(connection, "VEI_BONUS_EDICAO", {"EMPRESA", "BONUS", "EDICAO"});
  edicoes.Insert({Int(kEmpresa), Int(3), Txt("2025")});

  TableWriter revendas(connection, "VEI_BONUS_REVENDA", {"EMPRESA", "BONUS", "REVENDA"});
  revendas.Insert({Int(kEmpresa), Int(6), Int(kRevendaFilial)});
  revendas.Insert({Int(kEmpresa), Int(7), Int(kRevendaMatriz)});
  revendas.Insert({Int(kEmpresa), Int(7), Int(kRevendaFilial)});
}

// SUB60 bears the whole financing cost of the first 30 days, half of the next
// 30 and a quarter of days 61 to 90; SUB30 only the first 30 days.
void LoadSubsidies(Connection& connection) {
  TableWriter subsidios(connection, "VEI_SUBSIDIO", {"EMPRESA", "SUBSIDIO"});
  TableWriter periodos(connection, "VEI_SUBSIDIO_PERIODO",
                       {"EMPRESA", "SUBSIDIO", "PERIODO", "INICIO", "FINAL", "PER_SUBSIDIO"});
  subsidios.Insert({Int(kEmpresa), Txt("SUB60")});
  periodos.Insert({Int(kEmpresa), Txt("SUB60"), Int(1), Int(1), Int(30), Num(100)});
  periodos.Insert({Int(kEmpresa), Txt("SUB60"), Int(2), Int(31), Int(60), Num(50)});
  periodos.Insert({Int(kEmpresa), Txt("SUB60"), Int(3), Int(61), Int(90), Num(25)});
  subsidios.Insert({Int(kEmpresa), Txt("SUB30")});
  periodos.Insert({Int(kEmpresa), Txt("SUB30"), Int(1), Int(1), Int(30), Num(100)});

  platform::SqlDataSet veiculo("sdsDemoSubsidio", &connection);
  veiculo.SetCommandText(
      "update VEI_VEICULO set SUBSIDIO = :Subsidio where EMPRESA = :Empresa and VEICULO = "
      ":Veiculo");
  veiculo.ParamByName("Subsidio").value = Txt("SUB60");
  veiculo.ParamByName("Empresa").value = Int(kEmpresa);
  veiculo.ParamByName("Veiculo").value = Txt(kDemoVehicle);
  veiculo.ExecSQL();
}

void Execute(Connection& connection, const std::string& sql) {
  platform::SqlDataSet statement("sdsDemoBonus", &connection);
  statement.SetCommandText(sql);
  statement.ExecSQL();
}

}  // namespace

// The financing returns of the financed sales 5001 (head office, 85.000,00
// financed) and 5005 (branch, 150.000,00), paid by the finance company 30100:
// 3 % of the amount financed, 10 % of it paid on as commission and 1,5 % of
// it withheld as income tax, plus a TAC on 5001. Net of 5001/1:
// (2550 - 255 - 38,25) + (400 - 0 - 6) = 2256,75 + 394 = 2650,75.
// The salespeople earn 1,2 % (head office) and 1 % (branch) of the
// commission base.
void LoadReturnsAndCommissions(Connection& connection) {
  TableWriter clientes(connection, "FAT_CLIENTE", {"CLIENTE", "NOME", "FISJUR"});
  clientes.Insert({Int(30100), Txt("Banco Horizonte Financiamentos S.A."), Txt("J")});

  TableWriter retornos(connection, "VEI_RETORNO",
                       {"EMPRESA", "REVENDA", "PROPOSTA", "NEGOCIACAO", "SEQUENCIA", "TIPO_RETORNO",
                        "VAL_RETORNO", "VAL_COMISSAO", "VAL_IRRF", "PER_RETORNO", "PER_COMISSAO",
                        "PER_IRRF", "SITUACAO", "CLIENTE"});
  retornos.Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(5001), Int(1), Int(1), Txt("FIN"),
                   Num(2550), Num(255), Num(38.25), Num(3), Num(10), Num(1.5), Txt("A"),
                   Int(30100)});
  retornos.Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(5001), Int(1), Int(2), Txt("TAC"),
                   Num(400), Num(0), Num(6), Null(), Null(), Num(1.5), Txt("A"), Null()});
  retornos.Insert({Int(kEmpresa), Int(kRevendaFilial), Int(5005), Int(1), Int(1), Txt("FIN"),
                   Num(4500), Num(450), Num(67.5), Num(3), Num(10), Num(1.5), Txt("A"),
                   Int(30100)});

  Execute(connection,
          "update FAT_VENDEDOR set COMISSAO = 1.2 where EMPRESA = 1 and REVENDA = 1 and "
          "VENDEDOR = 11");
  Execute(connection,
          "update FAT_VENDEDOR set COMISSAO = 1 where EMPRESA = 1 and REVENDA = 2 and "
          "VENDEDOR = 12");
}

void LoadBonuses(Connection& connection) {
  LoadCatalogue(connection);
  LoadCriteria(connection);
  LoadSubsidies(connection);
}

}  // namespace veiculo::demo
