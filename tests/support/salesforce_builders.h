#pragma once
// Rows the CRM staging tests seed, for company 1: a dealer with its maker
// settings, models of a brand, stock situations and new vehicles.

#include <string>

#include "support/builders.h"
#include "support/rows.h"
#include "support/values.h"

namespace veiculo::testing {

// The dealer's maker settings (REN_PARAMETRO) with its dealer number; the
// columns given add to or replace the defaults.
inline void AddSalesParameters(Connection& c, int revenda, int numero_dn,
                               const Columns& more = {}) {
  Insert(c, "REN_PARAMETRO",
         Overridden(Cols("EMPRESA REVENDA NUMERO_DN", {I(1), I(revenda), I(numero_dn)}), more));
}

// A family of `marca` and one model of it.
inline void AddBrandModel(Connection& c, const std::string& modelo, int familia,
                          const std::string& marca) {
  Insert(c, "VEI_FAMILIA", "EMPRESA FAMILIA MARCA", {I(1), I(familia), T(marca)});
  AddModel(c, modelo, {{"FAMILIA", I(familia)}, {"DES_MODELO", T("Modelo " + modelo)}});
}

// A stock situation: location and whether it is available for sale.
inline void AddSalesSituation(Connection& c, const std::string& situacao,
                              const std::string& localizacao, const std::string& disponivel) {
  Insert(c, "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO DISP_VENDA",
         {I(1), T(situacao), T(localizacao), T(disponivel)});
}

// A new vehicle of dealer 1 in situation "E1", model "RM1"; the columns
// given add to or replace the defaults.
inline void AddNewVehicle(Connection& c, const std::string& veiculo, const std::string& chassi,
                          const Columns& more = {}, const Columns& record = {}) {
  AddVehicle(c, veiculo, chassi,
             Overridden(Cols("MODELO NOVO_USADO SITUACAO REVENDA_ORIGEM",
                             {T("RM1"), T("N"), T("E1"), I(1)}),
                        more),
             record);
}

}  // namespace veiculo::testing

namespace veiculo::testing {

// The dealer the staging tests share: dealer 1 of brand RENA, dealer number
// 12345, sale values from the dealer price stored on the vehicle (source
// "2"), transit situation "TR"; models RM1 (RENA) and FM1 (FORD); situations
// E1 (stock, available), B1 (stock, not available), TR (transit), IM
// (immobilised), VD (sold); colour BR.
inline void SeedSalesDealer(Connection& c, bool full) {
  AddDealer(c, 1, {{"MARCA", T("RENA")}});
  AddParameters(c, 1, {{"VAL_VEICULO_C_R", T("2")}, {"SITUACAO", T("TR")}});
  AddSalesParameters(c, 1, 12345, {{"UTILIZA_SALES_FORCE_FULL", T(full ? "S" : "N")}});
  AddBrandModel(c, "RM1", 10, "RENA");
  AddBrandModel(c, "FM1", 20, "FORD");
  AddSalesSituation(c, "E1", "E", "S");
  AddSalesSituation(c, "B1", "E", "N");
  AddSalesSituation(c, "TR", "E", "N");
  AddSalesSituation(c, "IM", "E", "N");
  AddSalesSituation(c, "VD", "V", "N");
  Insert(c, "VEI_COR", "EMPRESA COR DES_COR", {I(1), T("BR"), T("Branco")});
}

}  // namespace veiculo::testing
