// The module frame: dialect by driver name, binding, components by name, the
// SQL Server parameter tagging and AddSQL literals.

#include <gtest/gtest.h>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "support/module_test_peer.h"
#include "support/test_database.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

// Another attachment to the test database that reports the given driver name.
std::unique_ptr<Connection> ConnectionNamed(const std::string& driver_name) {
  FirebirdOptions options;
  options.driver_name = driver_name;
  return Connection::OpenFirebird(testing::TestDatabase::Instance().path(), options);
}

TEST(ModuleFrame, DialectFollowsTheDriverNameExactly) {
  const std::tuple<const char*, const char*> cases[] = {{"ORACLE", "ORACLE"},
                                                        {"DevartOracle", "ORACLE"},
                                                        {"oracle", "SQLSERVER"},
                                                        {"Interbase", "INTERBASE"},
                                                        {"DevartInterBase", "INTERBASE"},
                                                        {"INTERBASE", "SQLSERVER"},
                                                        {"MSSQL", "SQLSERVER"},
                                                        {"", "SQLSERVER"}};
  for (const auto& [driver, dialect] : cases) {
    auto connection = ConnectionNamed(driver);
    TddmVeiculoCompartilhadoBDImpl dm;
    dm.InicializaDM();
    dm.AtribuiConexao(connection.get());
    EXPECT_EQ(dm.BancoDados(), dialect) << "driver " << driver;
  }
}

class ModuleFrameDb : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dm_.InicializaDM();
    dm_.AtribuiConexao(&connection());
  }
  TddmVeiculoCompartilhadoBDImpl dm_;
};

TEST_F(ModuleFrameDb, BindingClosesDatasetsAndComponentsAreReachedByName) {
  dm_.sdsAux->SetCommandText("select 1 N from RDB$DATABASE");
  dm_.sdsAux->Open();
  dm_.AtribuiConexao(&connection());
  EXPECT_FALSE(dm_.sdsAux->Active());
  dm_.sdsAux->Open();
  dm_.FechaSds("SDSAUX");
  EXPECT_FALSE(dm_.sdsAux->Active());
  EXPECT_THROW(dm_.FechaSds("sdsNaoExiste"), Error);
  dm_.AlteraCommandText("cdsAuxiliar", "select 2 N from RDB$DATABASE");
  dm_.cdsAuxiliar->Open();
  EXPECT_EQ(dm_.cdsAuxiliar->FieldByName("N").AsInteger(), 2);
  dm_.AlteraCommandText("cdsAuxiliar", "");  // an empty text clears only the client dataset's
  EXPECT_FALSE(dm_.cdsAuxiliar->Active());
  EXPECT_EQ(dm_.cdsAuxiliar->CommandText, "");
  EXPECT_EQ(dm_.sdsAuxiliar->CommandText(), "select 2 N from RDB$DATABASE");
  EXPECT_THROW(dm_.AlteraCommandText("cdsNaoExiste", "select 1 from RDB$DATABASE"), Error);
  dm_.FinalizaDM();
  EXPECT_EQ(dm_.GetConexao(), nullptr);
  EXPECT_EQ(dm_.sdsAux->GetConnection(), &connection());  // datasets are not touched
}

// The SQL Server adaptation, run on the Firebird test database through a
// connection that reports a SQL Server driver: the texts below use only SQL
// that both engines read alike.
class SqlServerHook : public ModuleFrameDb {
 protected:
  void SetUp() override {
    ModuleFrameDb::SetUp();
    sqlserver_ = ConnectionNamed("MSSQL");
    sqlserver_->Begin();
    dm_.AtribuiConexao(sqlserver_.get());
    Exec("insert into VEI_VEICULO (EMPRESA, VEICULO, CHASSI) values (1, 'V1', 'CH1')");
    Exec("insert into VEI_VEICULO (EMPRESA, VEICULO, CHASSI) values (2, 'V2', 'CH2')");
    Exec("insert into VEI_VEICULO (EMPRESA, VEICULO, CHASSI) values (2, 'O''B', 'CH3')");
  }
  void TearDown() override {
    sqlserver_->Rollback();
    ModuleFrameDb::TearDown();
  }
  void Exec(const std::string& sql) {
    dm_.sdsExecuta->SetCommandText(sql);
    dm_.sdsExecuta->ExecSQL();
  }
  std::unique_ptr<Connection> sqlserver_;
};

TEST_F(SqlServerHook, OneLevelQueryKeepsItsParametersOneWithoutIsTrimmed) {
  const std::string text = "select CHASSI from VEI_VEICULO\nwhere EMPRESA = :Empresa";
  dm_.sdsAux->SetCommandText(text);
  dm_.sdsAux->ParamByName("Empresa").SetAsInteger(1);
  dm_.sdsAux->Open();
  EXPECT_EQ(dm_.sdsAux->CommandText(), text);
  EXPECT_EQ(dm_.sdsAux->FieldByName("CHASSI").AsText(), "CH1");
  dm_.sdsAux->Close();
  dm_.sdsAux->SetCommandText("  select count(*) N from VEI_VEICULO\n");
  dm_.sdsAux->Open();
  EXPECT_EQ(dm_.sdsAux->CommandText(), "select count(*) N from VEI_VEICULO");
  EXPECT_EQ(dm_.sdsAux->FieldByName("N").AsInteger(), 3);
}

TEST_F(SqlServerHook, SubSelectParametersAreTaggedAndRetagged) {
  const std::string text =
      "select VEICULO from VEI_VEICULO v where v.EMPRESA = :Empresa and v.VEICULO in "
      "(select w.VEICULO from VEI_VEICULO w where w.VEICULO = :Veiculo)";
  platform::Params params;
  params.Add("Empresa").SetAsInteger(1);
  params.Add("Veiculo").SetAsText("V1");
  dm_.sdsAux->SetCommandText(text);
  dm_.sdsAux->GetParams() = params;
  dm_.sdsAux->Open();
  EXPECT_EQ(dm_.sdsAux->CommandText(),
            "select VEICULO from VEI_VEICULO v where v.EMPRESA = /*Empresa*/'1' and v.VEICULO in "
            "(select w.VEICULO from VEI_VEICULO w where w.VEICULO = /*Veiculo*/'V1')");
  EXPECT_TRUE(dm_.sdsAux->GetParams().Empty());
  EXPECT_EQ(dm_.sdsAux->FieldByName("VEICULO").AsText(), "V1");

  // The next open (a provider assigns the client's parameters again) carries
  // only the new values, each right behind its tag (followed by the blank
  // the retagging writes); the quote of O'B stays inside its literal.
  dm_.sdsAux->Close();
  params.ParamByName("Empresa").SetAsInteger(2);
  params.ParamByName("Veiculo").SetAsText("O'B");
  dm_.sdsAux->GetParams() = params;
  dm_.sdsAux->Open();
  EXPECT_EQ(dm_.sdsAux->CommandText(),
            "select VEICULO from VEI_VEICULO v where v.EMPRESA = /*Empresa*/'2'  and v.VEICULO in "
            "(select w.VEICULO from VEI_VEICULO w where w.VEICULO = /*Veiculo*/'O''B' )");
  ASSERT_EQ(dm_.sdsAux->RecordCount(), 1);
  EXPECT_EQ(dm_.sdsAux->FieldByName("VEICULO").AsText(), "O'B");

  // And back again: the doubled quote of the old value does not confuse the retagging.
  dm_.sdsAux->Close();
  params.ParamByName("Veiculo").SetAsText("V2");
  dm_.sdsAux->GetParams() = params;
  dm_.sdsAux->Open();
  EXPECT_EQ(dm_.sdsAux->FieldByName("VEICULO").AsText(), "V2");
  EXPECT_EQ(dm_.sdsAux->CommandText().find("O''B"), std::string::npos);
}

TEST_F(SqlServerHook, DateTimeValuesWithColonsAreRetagged) {
  // A date-time value brings colons into the text; the next open must still
  // see the text as tagged and replace the old value.
  dm_.sdsAux->SetCommandText(
      "select count(*) N from VEI_VEICULO where EMPRESA in "
      "(select EMPRESA from VEI_VEICULO where :Quando <> 'x')");
  platform::Params params;
  params.Add("Quando").SetAsDateTime(platform::EncodeDateTime(2024, 1, 31, 10, 30, 0));
  dm_.sdsAux->GetParams() = params;
  dm_.sdsAux->Open();
  EXPECT_NE(dm_.sdsAux->CommandText().find("/*Quando*/'31/01/2024 10:30:00'"), std::string::npos);
  dm_.sdsAux->Close();
  params.ParamByName("Quando").SetAsDateTime(platform::EncodeDateTime(1999, 5, 2, 8, 0, 0));
  dm_.sdsAux->GetParams() = params;
  dm_.sdsAux->Open();
  EXPECT_NE(dm_.sdsAux->CommandText().find("/*Quando*/'02/05/1999 08:00:00'"), std::string::npos);
  EXPECT_EQ(dm_.sdsAux->CommandText().find("10:30:00"), std::string::npos);
}

TEST_F(SqlServerHook, EmptyValueStaysAParameter) {
  dm_.sdsAux->SetCommandText(
      "select VEICULO from VEI_VEICULO where EMPRESA = :Empresa and VEICULO in "
      "(select VEICULO from VEI_VEICULO where CHASSI = :Chassi)");
  dm_.sdsAux->ParamByName("Empresa").SetAsInteger(1);
  dm_.sdsAux->ParamByName("Chassi").SetAsText("");
  dm_.sdsAux->Open();
  // Empresa was substituted; :Chassi stays a parameter, now without a value (NULL).
  EXPECT_EQ(dm_.sdsAux->CommandText(),
            "select VEICULO from VEI_VEICULO where EMPRESA = /*Empresa*/'1' and VEICULO in "
            "(select VEICULO from VEI_VEICULO where CHASSI = :Chassi)");
  ASSERT_EQ(dm_.sdsAux->GetParams().Count(), 1u);
  EXPECT_TRUE(dm_.sdsAux->ParamByName("Chassi").value.IsNull());
  EXPECT_TRUE(dm_.sdsAux->IsEmpty());
}

TEST(AddSQL, BuildsOneLiteralPerKind) {
  TddmVeiculoCompartilhadoBDImpl dm;
  ModuleTestPeer peer(dm);
  peer.SetBancoDados("INTERBASE");
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"", "Q", "NULL,"},  // empty is NULL whatever the type
      {"Rua 7", "A", "'Rua 7',"},
      {"O'Brien", "A", "'O''Brien',"},
      {"12.5", "N", "12.5,"},
      {"-3", "Numero", "-3,"},  // only the first letter counts
      {"1.234,56", "F", "1234.56,"},
      {"31/01/2024", "D", "'2024-01-31',"},
      {"31/01/2024 10:30:05", "H", "'2024-01-31 10:30:05',"},
      {"2020-03-07", "T", "'2020-03-07',"},
      {"abc", "X", ""},
  };
  for (const auto& [value, type, sql] : cases)
    EXPECT_EQ(peer.AddSQL(value, type), sql) << value << " as " << type;

  peer.SetBancoDados("ORACLE");
  EXPECT_EQ(peer.AddSQL("2020-03-07", "T"), "TO_DATE('2020-03-07','YYYY-MM-DD'),");
}

TEST(AddSQL, RefusesWhatWouldBreakTheStatement) {
  TddmVeiculoCompartilhadoBDImpl dm;
  ModuleTestPeer peer(dm);
  peer.SetBancoDados("INTERBASE");
  EXPECT_THROW(peer.AddSQL("1); delete from VEI_VEICULO; --", "N"), Error);
  EXPECT_THROW(peer.AddSQL("12,x", "F"), Error);
  EXPECT_THROW(peer.AddSQL("31/02/2024", "D"), Error);
  EXPECT_THROW(peer.AddSQL("2020-3", "T"), Error);
}

}  // namespace
}  // namespace veiculo
