// Dealer parameters with their one-entry cache, the dealer's brand and the
// users' rights to functions, on a real dealer database.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "platform/db/client_dataset.h"
#include "support/module_test_peer.h"
#include "support/test_database.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo {
namespace {

class ParametersTest : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm.InicializaDM();
    dm.AtribuiConexao(&connection());
  }

  // VEI_PARAMETRO: the default index codes only.
  void Parametro(int empresa, int revenda, const std::string& ub, const std::string& uf) {
    connection().ExecuteDirect(
        "insert into VEI_PARAMETRO (EMPRESA, REVENDA, UB_PADRAO, UF_PADRAO) values (" +
        std::to_string(empresa) + ", " + std::to_string(revenda) + ", " + ub + ", " + uf + ")");
  }
  // GER_REVENDA: PIS and COFINS for new and used vehicles, and the brand.
  void Revenda(int empresa, int revenda, const std::string& pis, const std::string& cofins,
               const std::string& pis_usados, const std::string& cofins_usados,
               const std::string& marca = "NULL") {
    connection().ExecuteDirect(
        "insert into GER_REVENDA (EMPRESA, REVENDA, PCT_PIS, PCT_COFINS, PCT_PIS_USADOS, "
        "PCT_COFINS_USADOS, MARCA) values (" +
        std::to_string(empresa) + ", " + std::to_string(revenda) + ", " + pis + ", " + cofins +
        ", " + pis_usados + ", " + cofins_usados + ", " + marca + ")");
  }
  // GER_FUNCAO_USUARIO: one right of a user.
  void FuncaoUsuario(int usuario, int funcao) {
    connection().ExecuteDirect("insert into GER_FUNCAO_USUARIO (USUARIO, FUNCAO) values (" +
                               std::to_string(usuario) + ", " + std::to_string(funcao) + ")");
  }

  // The usual dealer: company 1, dealer 1, index codes 3 and 7, PIS 1.65 % and
  // COFINS 7.6 % (9.25 %), for used vehicles 0.65 % and 3 % (3.65 %).
  void SeedDealer11() {
    Parametro(1, 1, "3", "7");
    Revenda(1, 1, "1.65", "7.6", "0.65", "3", "'FORD'");
  }

  long Statements() { return connection().StatementCount(); }

  TddmVeiculoCompartilhadoBD dm;
  ModuleTestPeer peer{dm};
};

TEST_F(ParametersTest, ReadsIndexCodesAndPisCofins) {
  SeedDealer11();
  EXPECT_TRUE(dm.LerParametro(1, 1));
  EXPECT_EQ(dm.GetUB(), 3);
  EXPECT_EQ(dm.GetUF(), 7);
  EXPECT_NEAR(dm.GetPis_Cofins(), 9.25, 1e-9);      // 1.65 + 7.6
  EXPECT_NEAR(peer.PisCofinsUsados(), 3.65, 1e-9);  // 0.65 + 3
  EXPECT_EQ(peer.EmpresaAnt(), 1);
  EXPECT_EQ(peer.RevendaAnt(), 1);
}

TEST_F(ParametersTest, NullColumnsReadAsZero) {
  Parametro(1, 1, "NULL", "5");
  Revenda(1, 1, "1.65", "NULL", "NULL", "NULL");
  EXPECT_TRUE(dm.LerParametro(1, 1));
  EXPECT_EQ(dm.GetUB(), 0);
  EXPECT_EQ(dm.GetUF(), 5);
  EXPECT_NEAR(dm.GetPis_Cofins(), 1.65, 1e-9);  // 1.65 + 0
  EXPECT_NEAR(peer.PisCofinsUsados(), 0.0, 1e-9);
}

TEST_F(ParametersTest, SecondCallWithSameKeysSendsNoSqlAndKeepsWhatItRead) {
  SeedDealer11();
  ASSERT_TRUE(dm.LerParametro(1, 1));
  // A change in the database is not seen while the keys stay the same.
  connection().ExecuteDirect("update VEI_PARAMETRO set UB_PADRAO = 99 where EMPRESA = 1");
  const long before = Statements();
  EXPECT_TRUE(dm.LerParametro(1, 1));
  EXPECT_EQ(Statements(), before);
  EXPECT_EQ(dm.GetUB(), 3);
}

TEST_F(ParametersTest, FirstReadSendsOneQueryPerTable) {
  SeedDealer11();
  const long before = Statements();
  dm.LerParametro(1, 1);
  EXPECT_EQ(Statements() - before, 2);  // VEI_PARAMETRO and GER_REVENDA
}

TEST_F(ParametersTest, MissingParameterRowGivesFalseAndZeroCodesThenTrueFromCache) {
  Revenda(1, 1, "1.65", "7.6", "0.65", "3");
  dm.SetUB(4);
  dm.SetUF(8);
  EXPECT_FALSE(dm.LerParametro(1, 1));
  EXPECT_EQ(dm.GetUB(), 0);
  EXPECT_EQ(dm.GetUF(), 0);
  EXPECT_NEAR(dm.GetPis_Cofins(), 9.25, 1e-9);  // the dealer record is read all the same

  const long before = Statements();
  EXPECT_TRUE(dm.LerParametro(1, 1));  // the cache answers for the keys it holds
  EXPECT_EQ(Statements(), before);
}

TEST_F(ParametersTest, AnotherCompanyOrDealerIsReadAgain) {
  SeedDealer11();
  Parametro(2, 1, "30", "70");
  Revenda(2, 1, "0.65", "3", "1", "2");
  Parametro(1, 2, "31", "71");
  Revenda(1, 2, "2", "8", "0", "0");
  struct Case {
    int empresa, revenda, ub, uf;
    double pis_cofins;
  };
  const Case cases[] = {
      {1, 1, 3, 7, 9.25},    // 1.65 + 7.6
      {2, 1, 30, 70, 3.65},  // 0.65 + 3
      {1, 2, 31, 71, 10.0},  // 2 + 8
      {1, 1, 3, 7, 9.25},    // back to the first: read again, not kept from before
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.empresa) + "/" + std::to_string(c.revenda));
    const long before = Statements();
    EXPECT_TRUE(dm.LerParametro(c.empresa, c.revenda));
    EXPECT_EQ(Statements() - before, 2);
    EXPECT_EQ(dm.GetUB(), c.ub);
    EXPECT_EQ(dm.GetUF(), c.uf);
    EXPECT_NEAR(dm.GetPis_Cofins(), c.pis_cofins, 1e-9);
  }
}

TEST_F(ParametersTest, MissingDealerRecordKeepsThePreviousRates) {
  SeedDealer11();
  Parametro(1, 2, "5", "6");  // dealer 2 has parameters but no GER_REVENDA row
  ASSERT_TRUE(dm.LerParametro(1, 1));
  EXPECT_TRUE(dm.LerParametro(1, 2));
  EXPECT_EQ(dm.GetUB(), 5);
  EXPECT_EQ(dm.GetUF(), 6);
  EXPECT_NEAR(dm.GetPis_Cofins(), 9.25, 1e-9);
  EXPECT_NEAR(peer.PisCofinsUsados(), 3.65, 1e-9);
}

TEST_F(ParametersTest, InicializaDMClearsTheCache) {
  SeedDealer11();
  ASSERT_TRUE(dm.LerParametro(1, 1));
  dm.InicializaDM();
  EXPECT_EQ(peer.EmpresaAnt(), -1);
  EXPECT_EQ(peer.RevendaAnt(), -1);
  const long before = Statements();
  dm.LerParametro(1, 1);
  EXPECT_EQ(Statements() - before, 2);
}

TEST_F(ParametersTest, ServerReturnsValuesAndBothPackets) {
  SeedDealer11();
  DataPacket parametro, revenda;
  int32_t ub = -1, uf = -1;
  double pis_cofins = -1;
  EXPECT_TRUE(dm.LerParametroServer(1, 1, parametro, revenda, ub, uf, pis_cofins));
  EXPECT_EQ(ub, 3);
  EXPECT_EQ(uf, 7);
  EXPECT_NEAR(pis_cofins, 9.25, 1e-9);
  ASSERT_EQ(parametro.rows.size(), 1u);
  EXPECT_EQ(parametro.rows[0][parametro.FieldIndex("UF_PADRAO")].AsInteger(), 7);
  ASSERT_EQ(revenda.rows.size(), 1u);
  EXPECT_EQ(revenda.rows[0][revenda.FieldIndex("MARCA")].AsText(), "FORD");
  EXPECT_NEAR(revenda.rows[0][revenda.FieldIndex("PCT_COFINS")].AsFloat(), 7.6, 1e-9);
}

TEST_F(ParametersTest, ServerWithoutParameterRowReturnsFalseAndAnEmptyPacket) {
  Revenda(1, 1, "1.65", "7.6", "0", "0");
  DataPacket parametro, revenda;
  int32_t ub = -1, uf = -1;
  double pis_cofins = -1;
  EXPECT_FALSE(dm.LerParametroServer(1, 1, parametro, revenda, ub, uf, pis_cofins));
  EXPECT_EQ(ub, 0);
  EXPECT_EQ(uf, 0);
  EXPECT_NEAR(pis_cofins, 9.25, 1e-9);
  EXPECT_TRUE(parametro.rows.empty());
  EXPECT_GE(parametro.FieldIndex("UB_PADRAO"), 0);  // the columns are there all the same
  EXPECT_EQ(revenda.rows.size(), 1u);
}

TEST_F(ParametersTest, BuscaCdsParametroIsOneUntilTheParametersAreRead) {
  SeedDealer11();
  auto before = dm.BuscaCdsParametro();
  ASSERT_TRUE(std::holds_alternative<int32_t>(before));
  EXPECT_EQ(std::get<int32_t>(before), 1);

  dm.LerParametro(1, 1);
  auto after = dm.BuscaCdsParametro();
  ASSERT_TRUE(std::holds_alternative<DataPacket>(after));
  const DataPacket& packet = std::get<DataPacket>(after);
  ASSERT_EQ(packet.rows.size(), 1u);
  EXPECT_EQ(packet.rows[0][packet.FieldIndex("UB_PADRAO")].AsInteger(), 3);

  dm.cdsParametro->Close();
  EXPECT_TRUE(std::holds_alternative<int32_t>(dm.BuscaCdsParametro()));
}

TEST_F(ParametersTest, PermissaoFuncao) {
  FuncaoUsuario(12, 300);
  FuncaoUsuario(13, 301);
  struct Case {
    int usuario, funcao;
    bool granted;
  };
  const Case cases[] = {
      {12, 300, true},   // the user holds the right
      {12, 301, false},  // another user's right
      {14, 300, false},  // a user without rights
      {0, 999, true},    // the system user needs no right
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.usuario) + "/" + std::to_string(c.funcao));
    EXPECT_EQ(dm.PermissaoFuncao(c.usuario, c.funcao), c.granted);
  }
}

TEST_F(ParametersTest, PermissaoFuncaoForUserZeroSendsNoSql) {
  const long before = Statements();
  EXPECT_TRUE(dm.PermissaoFuncao(0, 1));
  EXPECT_EQ(Statements(), before);
}

TEST_F(ParametersTest, PermissaoFuncaoSendsItsQueryAsWritten) {
  FuncaoUsuario(12, 300);
  std::string sent;
  connection().SetStatementLog([&](const std::string& sql) { sent = sql; });
  EXPECT_TRUE(dm.PermissaoFuncao(12, 300));
  connection().SetStatementLog(nullptr);
  EXPECT_NE(sent.find("from GER_FUNCAO_USUARIO"), std::string::npos) << sent;
  EXPECT_NE(sent.find("USUARIO = 12"), std::string::npos) << sent;
  EXPECT_NE(sent.find("FUNCAO =  300"), std::string::npos) << sent;
}

TEST_F(ParametersTest, BuscaMarcaTakesTheDealersBrandOrNothing) {
  SeedDealer11();
  Revenda(1, 2, "0", "0", "0", "0", "'TOYO'");
  Revenda(1, 3, "0", "0", "0", "0");  // no brand recorded
  struct Case {
    int revenda;
    const char* marca;
  };
  const Case cases[] = {{1, "FORD"}, {2, "TOYO"}, {3, ""}, {1, "FORD"}, {9, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.revenda);
    dm.BuscaMarca(1, c.revenda);
    EXPECT_EQ(peer.Marca(), c.marca);
  }
}

}  // namespace
}  // namespace veiculo
