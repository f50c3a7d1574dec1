// Dealer parameters with their one-entry cache, the dealer's brand and the
// users' rights to functions, on a real dealer database.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <variant>

#include "module/catalogue_seed.h"
#include "platform/db/client_dataset.h"
#include "support/kit.h"

namespace veiculo {
namespace {

using testing::I;
using testing::T;

using testing::Money;
using Num = std::optional<double>;

class ParametersTest : public testing::ModuleTest {
 protected:
  void Parametro(int empresa, int revenda, Num ub, Num uf) {
    testing::Insert(connection(), "VEI_PARAMETRO", "EMPRESA REVENDA UB_PADRAO UF_PADRAO",
                    {I(empresa), I(revenda), Money(ub), Money(uf)});
  }
  // PIS and COFINS for new and used vehicles, and the brand.
  void Revenda(int empresa, int revenda, Num pis, Num cofins, Num pis_usados, Num cofins_usados,
               const char* marca = nullptr) {
    testing::Insert(connection(), "GER_REVENDA",
                    "EMPRESA REVENDA PCT_PIS PCT_COFINS PCT_PIS_USADOS PCT_COFINS_USADOS MARCA",
                    {I(empresa), I(revenda), Money(pis), Money(cofins), Money(pis_usados),
                     Money(cofins_usados), marca ? T(marca) : Value::Null()});
  }
  // Company 1, dealer 1: index codes 3 and 7, PIS 1.65 % + COFINS 7.6 % = 9.25 %,
  // for used vehicles 0.65 % + 3 % = 3.65 %.
  void SeedDealer11() {
    Parametro(1, 1, 3, 7);
    Revenda(1, 1, 1.65, 7.6, 0.65, 3, "FORD");
  }
  long Statements() { return connection().StatementCount(); }
};

TEST_F(ParametersTest, ReadsEachKeyOnceWithOneQueryPerTable) {
  SeedDealer11();
  Parametro(2, 1, 30, 70);
  Revenda(2, 1, 0.65, 3, 1, 2);
  Parametro(1, 2, 31, 71);
  Revenda(1, 2, 2, 8, 0, 0);
  const struct {
    int empresa, revenda, ub, uf;
    double pis_cofins;
    long statements;  // VEI_PARAMETRO and GER_REVENDA, or none from the cache
  } steps[] = {
      {1, 1, 3, 7, 9.25, 2},    // 1.65 + 7.6
      {1, 1, 3, 7, 9.25, 0},    // same keys: the cache, blind to the update below
      {2, 1, 30, 70, 3.65, 2},  // 0.65 + 3
      {1, 2, 31, 71, 10.0, 2},  // 2 + 8
      {1, 1, 99, 7, 9.25, 2},   // back to the first: read again, the update seen
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(std::to_string(s.empresa) + "/" + std::to_string(s.revenda));
    const long before = Statements();
    EXPECT_TRUE(module().LerParametro(s.empresa, s.revenda));
    EXPECT_EQ(Statements() - before, s.statements);
    EXPECT_EQ(module().GetUB(), s.ub);
    EXPECT_EQ(module().GetUF(), s.uf);
    EXPECT_NEAR(module().GetPis_Cofins(), s.pis_cofins, 1e-9);
    if (&s == &steps[0])
      connection().ExecuteDirect(
          "update VEI_PARAMETRO set UB_PADRAO = 99 where EMPRESA = 1 and REVENDA = 1");
  }
  EXPECT_NEAR(peer().PisCofinsUsados(), 3.65, 1e-9);  // 0.65 + 3
  module().InicializaDM();                            // clears the cache
  EXPECT_EQ(peer().EmpresaAnt(), -1);
  const long before = Statements();
  module().LerParametro(1, 1);
  EXPECT_EQ(Statements() - before, 2);
}

TEST_F(ParametersTest, NullColumnsReadAsZero) {
  Parametro(1, 1, std::nullopt, 5);
  Revenda(1, 1, 1.65, std::nullopt, std::nullopt, std::nullopt);
  EXPECT_TRUE(module().LerParametro(1, 1));
  EXPECT_EQ(module().GetUB(), 0);
  EXPECT_EQ(module().GetUF(), 5);
  EXPECT_NEAR(module().GetPis_Cofins(), 1.65, 1e-9);  // 1.65 + 0
  EXPECT_NEAR(peer().PisCofinsUsados(), 0.0, 1e-9);
}

TEST_F(ParametersTest, MissingRowsGiveFalseAndZeroCodesOrKeepThePreviousRates) {
  SeedDealer11();
  Parametro(1, 2, 5, 6);      // dealer 2: parameters but no GER_REVENDA row
  Revenda(1, 3, 2, 8, 0, 0);  // dealer 3: no parameter row
  ASSERT_TRUE(module().LerParametro(1, 1));
  EXPECT_TRUE(module().LerParametro(1, 2));
  EXPECT_EQ(module().GetUB(), 5);
  EXPECT_NEAR(module().GetPis_Cofins(), 9.25, 1e-9);  // dealer 1's rates stay
  EXPECT_NEAR(peer().PisCofinsUsados(), 3.65, 1e-9);
  EXPECT_FALSE(module().LerParametro(1, 3));
  EXPECT_EQ(module().GetUB(), 0);
  EXPECT_EQ(module().GetUF(), 0);
  EXPECT_NEAR(module().GetPis_Cofins(), 10.0,
              1e-9);  // the dealer record is read all the same: 2 + 8
  const long before = Statements();
  EXPECT_TRUE(module().LerParametro(1, 3));  // the cache answers for the keys it holds
  EXPECT_EQ(Statements(), before);
}

TEST_F(ParametersTest, ServerReturnsValuesAndBothPackets) {
  SeedDealer11();
  Revenda(1, 2, 1.65, 7.6, 0, 0);  // no parameter row
  DataPacket parametro, revenda;
  int32_t ub = -1, uf = -1;
  double pis_cofins = -1;
  EXPECT_TRUE(module().LerParametroServer(1, 1, parametro, revenda, ub, uf, pis_cofins));
  EXPECT_EQ(ub, 3);
  EXPECT_EQ(uf, 7);
  EXPECT_NEAR(pis_cofins, 9.25, 1e-9);
  ASSERT_EQ(parametro.rows.size(), 1u);
  EXPECT_EQ(parametro.rows[0][parametro.FieldIndex("UF_PADRAO")].AsInteger(), 7);
  ASSERT_EQ(revenda.rows.size(), 1u);
  EXPECT_EQ(revenda.rows[0][revenda.FieldIndex("MARCA")].AsText(), "FORD");

  EXPECT_FALSE(module().LerParametroServer(1, 2, parametro, revenda, ub, uf, pis_cofins));
  EXPECT_EQ(ub, 0);
  EXPECT_TRUE(parametro.rows.empty());
  EXPECT_GE(parametro.FieldIndex("UB_PADRAO"), 0);  // the columns are there all the same
  EXPECT_EQ(revenda.rows.size(), 1u);
}

TEST_F(ParametersTest, BuscaCdsParametroIsOneUntilTheParametersAreRead) {
  SeedDealer11();
  auto before = module().BuscaCdsParametro();
  ASSERT_TRUE(std::holds_alternative<int32_t>(before));
  EXPECT_EQ(std::get<int32_t>(before), 1);
  module().LerParametro(1, 1);
  auto after = module().BuscaCdsParametro();
  ASSERT_TRUE(std::holds_alternative<DataPacket>(after));
  const DataPacket& packet = std::get<DataPacket>(after);
  ASSERT_EQ(packet.rows.size(), 1u);
  EXPECT_EQ(packet.rows[0][packet.FieldIndex("UB_PADRAO")].AsInteger(), 3);
  module().cdsParametro->Close();
  EXPECT_TRUE(std::holds_alternative<int32_t>(module().BuscaCdsParametro()));
}

TEST_F(ParametersTest, PermissaoFuncaoAndBuscaMarca) {
  for (auto [usuario, funcao] : {std::pair{12, 300}, {13, 301}})
    testing::Insert(connection(), "GER_FUNCAO_USUARIO", "USUARIO FUNCAO", {I(usuario), I(funcao)});
  const std::tuple<int, int, bool, long> rights[] = {
      {12, 300, true, 1},   // the user holds the right
      {12, 301, false, 1},  // another user's right
      {14, 300, false, 1},  // a user without rights
      {0, 999, true, 0},    // the system user needs no right, nor a query
  };
  for (const auto& [usuario, funcao, granted, statements] : rights) {
    SCOPED_TRACE(std::to_string(usuario) + "/" + std::to_string(funcao));
    const long before = Statements();
    EXPECT_EQ(module().PermissaoFuncao(usuario, funcao), granted);
    EXPECT_EQ(Statements() - before, statements);
  }

  SeedDealer11();
  Revenda(1, 2, 0, 0, 0, 0, "TOYO");
  Revenda(1, 3, 0, 0, 0, 0);  // no brand recorded
  const std::pair<int, const char*> brands[] = {
      {1, "FORD"}, {2, "TOYO"}, {3, ""}, {1, "FORD"}, {9, ""}};
  for (const auto& [revenda, marca] : brands) {
    module().BuscaMarca(1, revenda);
    EXPECT_EQ(peer().Marca(), marca) << revenda;
  }
}

}  // namespace
}  // namespace veiculo
