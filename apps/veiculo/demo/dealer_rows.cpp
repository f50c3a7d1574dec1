// The demo company's two dealers with their parameters and tax rates, users
// with their function rights, and the financial indices the formulas use.

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"

namespace veiculo::demo {
namespace {

void LoadRevendas(Connection& connection) {
  TableWriter revendas(connection, "GER_REVENDA",
                       {"EMPRESA", "REVENDA", "NOME_FANTASIA", "CNPJ", "MARCA", "PCT_PIS",
                        "PCT_COFINS", "PCT_PIS_USADOS", "PCT_COFINS_USADOS", "PCT_ISSQN"});
  // Non-cumulative PIS/COFINS on new vehicles (1.65 % + 7.6 %); used vehicles
  // are taxed on the margin at the cumulative rates (0.65 % + 3 %).
  revendas.Insert({Int(kEmpresa), Int(kRevendaMatriz), Txt("Centro Automotivo Paulista"),
                   Txt("12.345.678/0001-95"), Txt("RENA"), Num(1.65), Num(7.6), Num(0.65), Num(3.0),
                   Num(5.0)});
  revendas.Insert({Int(kEmpresa), Int(kRevendaFilial), Txt("Centro Automotivo Paulista Campinas"),
                   Txt("12.345.678/0002-76"), Txt("RENA"), Num(1.65), Num(7.6), Num(0.65), Num(3.0),
                   Num(2.0)});
}

void LoadParametros(Connection& connection) {
  TableWriter parametros(
      connection, "VEI_PARAMETRO",
      {"EMPRESA", "REVENDA", "UB_PADRAO", "UF_PADRAO", "VAL_VEICULO_C_R",
       "BPISCOFINS_VUSADO_DIFERENTE", "ATUALIZA_CUSTEIO_HISTORICO", "DTA_INVENTARIO_VEICULO",
       "DTA_CALCULO_ESTOQUE", "VALIDA_VALVEICULO_PRECO_MINIMO", "UTILIZA_PRECO_PACOTE",
       "UTILIZA_PRECO_EDICAO", "TEMPO_MAXIMO_RESERVA", "CALCULO_TRIBUTOS"});
  // The head office corrects the first leg by the daily index 1 and the
  // second by the monthly index 2; the branch uses index 3 for the second.
  parametros.Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(1), Int(2), Txt("1"), Txt("S"),
                     Txt("S"), Txt("N"), Txt("1"), Txt("S"), Txt("N"), Txt("N"), Int(48),
                     Txt("N")});
  parametros.Insert({Int(kEmpresa), Int(kRevendaFilial), Int(1), Int(3), Txt("1"), Txt("S"),
                     Txt("S"), Txt("N"), Txt("1"), Txt("S"), Txt("N"), Txt("N"), Int(72),
                     Txt("N")});
}

void LoadUsuarios(Connection& connection) {
  TableWriter usuarios(connection, "GER_USUARIO", {"USUARIO", "NOME"});
  usuarios.Insert({Int(1), Txt("Ana Paula Ferreira")});    // sales manager
  usuarios.Insert({Int(2), Txt("Carlos Eduardo Souza")});  // salesperson
  usuarios.Insert({Int(3), Txt("Mariana Costa Lima")});    // salesperson, branch
  usuarios.Insert({Int(4), Txt("João Pedro Almeida")});    // F&I desk
  TableWriter direitos(connection, "GER_FUNCAO_USUARIO", {"USUARIO", "FUNCAO"});
  // 101 sell, 102 approve proposals, 103 change costing formulas.
  for (int funcao : {101, 102, 103}) direitos.Insert({Int(1), Int(funcao)});
  direitos.Insert({Int(2), Int(101)});
  direitos.Insert({Int(3), Int(101)});
  direitos.Insert({Int(4), Int(101)});
  direitos.Insert({Int(4), Int(102)});
}

void LoadIndices(Connection& connection) {
  TableWriter indices(connection, "FIN_INDICE_FINANCEIRO", {"EMPRESA", "INDICE", "PERIODO"});
  indices.Insert({Int(kEmpresa), Int(1), Txt("D")});  // daily index levels
  indices.Insert({Int(kEmpresa), Int(2), Txt("M")});  // monthly rates
  indices.Insert({Int(kEmpresa), Int(3), Txt("M")});  // monthly rates of the floor plan
}

}  // namespace

void LoadDealers(Connection& connection) {
  LoadRevendas(connection);
  LoadParametros(connection);
  LoadUsuarios(connection);
  LoadIndices(connection);
}

void LoadDemoDealer(Connection& connection) {
  LoadDealers(connection);
  LoadModels(connection);
  LoadFormulas(connection);
  LoadVehicles(connection);
  LoadBonuses(connection);
  LoadValueSources(connection);
  LoadProposals(connection);
  LoadRejectionDemo(connection);
  LoadReturnsAndCommissions(connection);
  LoadIncidences(connection);
  LoadStockList(connection);
}

}  // namespace veiculo::demo
