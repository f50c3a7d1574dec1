// The module frame: dialect by driver name, binding, components by name, the
// SQL Server parameter tagging and AddSQL literals.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/db/sql_markers.h"
#include "platform/format/date_time.h"
#include "support/kit.h"
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
    testing::ModuleUnderTest dm;
    dm.InicializaDM();
    dm.AtribuiConexao(connection.get());
    EXPECT_EQ(dm.BancoDados(), dialect) << "driver " << driver;
  }
}

class ModuleFrameDb : public testing::ModuleTest {};

TEST_F(ModuleFrameDb, BindingClosesDatasetsAndComponentsAreReachedByName) {
  module().sdsAux->SetCommandText("select 1 N from RDB$DATABASE");
  module().sdsAux->Open();
  module().AtribuiConexao(&connection());
  EXPECT_FALSE(module().sdsAux->Active());
  module().sdsAux->Open();
  module().FechaSds("SDSAUX");
  EXPECT_FALSE(module().sdsAux->Active());
  EXPECT_THROW(module().FechaSds("sdsNaoExiste"), Error);
  module().AlteraCommandText("cdsAuxiliar", "select 2 N from RDB$DATABASE");
  module().cdsAuxiliar->Open();
  EXPECT_EQ(module().cdsAuxiliar->FieldByName("N").AsInteger(), 2);
  module().AlteraCommandText("cdsAuxiliar", "");  // an empty text clears only the client dataset's
  EXPECT_FALSE(module().cdsAuxiliar->Active());
  EXPECT_EQ(module().cdsAuxiliar->CommandText, "");
  EXPECT_EQ(module().sdsAuxiliar->CommandText(), "select 2 N from RDB$DATABASE");
  EXPECT_THROW(module().AlteraCommandText("cdsNaoExiste", "select 1 from RDB$DATABASE"), Error);
  module().FinalizaDM();
  EXPECT_EQ(module().GetConexao(), nullptr);
  EXPECT_EQ(module().sdsAux->GetConnection(), &connection());  // datasets are not touched
}

// The SQL Server adaptation, run on the Firebird test database through a
// connection that reports a SQL Server driver: the texts below use only SQL
// that both engines read alike. Company 1 has V1; company 2 has V2 and O'B.
class SqlServerHook : public ModuleFrameDb {
 protected:
  void SetUp() override {
    ModuleFrameDb::SetUp();
    sqlserver_ = ConnectionNamed("MSSQL");
    sqlserver_->Begin();
    module().AtribuiConexao(sqlserver_.get());
    for (const char* row : {"1, 'V1', 'CH1'", "2, 'V2', 'CH2'", "2, 'O''B', 'CH3'"})
      Exec(std::string("insert into VEI_VEICULO (EMPRESA, VEICULO, CHASSI) values (") + row + ")");
  }
  void TearDown() override {
    sqlserver_->Rollback();
    ModuleFrameDb::TearDown();
  }
  void Exec(const std::string& sql) {
    module().sdsExecuta->SetCommandText(sql);
    module().sdsExecuta->ExecSQL();
  }
  // Opens `text` (or, when empty, the text as the last open left it) on
  // sdsAux with the text values given, and answers N, the count it selects.
  int64_t Count(const std::string& text,
                const std::vector<std::pair<std::string, std::string>>& values) {
    platform::SqlDataSet& aux = *module().sdsAux;
    aux.Close();
    if (!text.empty()) aux.SetCommandText(text);
    platform::Params params;
    for (const auto& [name, value] : values) params.Add(name).SetAsText(value);
    aux.GetParams() = params;
    aux.Open();
    const int64_t n = aux.FieldByName("N").AsInteger();
    aux.Close();
    return n;
  }
  std::string Adapted() const { return module().sdsAux->CommandText(); }
  std::unique_ptr<Connection> sqlserver_;
};

// A marker gets its value whatever follows it (a comma, an operator, the end
// of the text), and a later open puts the new value behind every tag.
TEST_F(SqlServerHook, MarkersFollowedByAnythingGetTheirValues) {
  // The vehicles of the companies that hold any of the listed vehicles.
  const std::string text =
      "select count(*) N from VEI_VEICULO where EMPRESA in (select EMPRESA from VEI_VEICULO "
      "where VEICULO in (:A,:B) or :C=VEICULO)";
  // V1 (company 1) and V2 (company 2): all three vehicles.
  EXPECT_EQ(Count(text, {{"A", "V1"}, {"B", "V2"}, {"C", "none"}}), 3);
  EXPECT_EQ(platform::ParseMarkers(Adapted()).names.size(), 0u) << Adapted();
  EXPECT_NE(Adapted().find("(/*A*/'V1',/*B*/'V2')"), std::string::npos) << Adapted();
  // The next open retags: O'B and none of the others, company 2's two vehicles.
  EXPECT_EQ(Count("", {{"A", "O'B"}, {"B", "none"}, {"C", "none"}}), 2);
  // C alone: V1, company 1's one vehicle.
  EXPECT_EQ(Count("", {{"A", "none"}, {"B", "none"}, {"C", "V1"}}), 1);
}

TEST_F(SqlServerHook, AMarkerUsedTwiceTakesTheNewValueInBothPlaces) {
  const std::string text =
      "select count(*) N from VEI_VEICULO where EMPRESA = :E and EMPRESA in (select EMPRESA "
      "from VEI_VEICULO where EMPRESA = :E)";
  EXPECT_EQ(Count(text, {{"E", "1"}}), 1);
  EXPECT_EQ(Count("", {{"E", "2"}}), 2);  // company 2's two vehicles
  EXPECT_EQ(Adapted().find("'1'"), std::string::npos) << Adapted();
  EXPECT_EQ(Count("", {{"E", "1"}}), 1);
}

TEST_F(SqlServerHook, OneLevelQueryKeepsItsParametersOneWithoutIsTrimmed) {
  const std::string text = "select CHASSI from VEI_VEICULO\nwhere EMPRESA = :Empresa";
  module().sdsAux->SetCommandText(text);
  module().sdsAux->ParamByName("Empresa").SetAsInteger(1);
  module().sdsAux->Open();
  EXPECT_EQ(module().sdsAux->CommandText(), text);
  EXPECT_EQ(module().sdsAux->FieldByName("CHASSI").AsText(), "CH1");
  module().sdsAux->Close();
  module().sdsAux->SetCommandText("  select count(*) N from VEI_VEICULO\n");
  module().sdsAux->Open();
  EXPECT_EQ(module().sdsAux->CommandText(), "select count(*) N from VEI_VEICULO");
  EXPECT_EQ(module().sdsAux->FieldByName("N").AsInteger(), 3);
}

TEST_F(SqlServerHook, SubSelectParametersAreTaggedAndRetagged) {
  const std::string text =
      "select VEICULO from VEI_VEICULO v where v.EMPRESA = :Empresa and v.VEICULO in "
      "(select w.VEICULO from VEI_VEICULO w where w.VEICULO = :Veiculo)";
  platform::Params params;
  params.Add("Empresa").SetAsInteger(1);
  params.Add("Veiculo").SetAsText("V1");
  module().sdsAux->SetCommandText(text);
  module().sdsAux->GetParams() = params;
  module().sdsAux->Open();
  EXPECT_EQ(module().sdsAux->CommandText(),
            "select VEICULO from VEI_VEICULO v where v.EMPRESA = /*Empresa*/'1' and v.VEICULO in "
            "(select w.VEICULO from VEI_VEICULO w where w.VEICULO = /*Veiculo*/'V1')");
  EXPECT_TRUE(module().sdsAux->GetParams().Empty());
  EXPECT_EQ(module().sdsAux->FieldByName("VEICULO").AsText(), "V1");

  // The next open (a provider assigns the client's parameters again) carries
  // only the new values, each right behind its tag (followed by the blank
  // the retagging writes); the quote of O'B stays inside its literal.
  module().sdsAux->Close();
  params.ParamByName("Empresa").SetAsInteger(2);
  params.ParamByName("Veiculo").SetAsText("O'B");
  module().sdsAux->GetParams() = params;
  module().sdsAux->Open();
  EXPECT_EQ(module().sdsAux->CommandText(),
            "select VEICULO from VEI_VEICULO v where v.EMPRESA = /*Empresa*/'2'  and v.VEICULO in "
            "(select w.VEICULO from VEI_VEICULO w where w.VEICULO = /*Veiculo*/'O''B' )");
  ASSERT_EQ(module().sdsAux->RecordCount(), 1);
  EXPECT_EQ(module().sdsAux->FieldByName("VEICULO").AsText(), "O'B");

  // And back again: the doubled quote of the old value does not confuse the retagging.
  module().sdsAux->Close();
  params.ParamByName("Veiculo").SetAsText("V2");
  module().sdsAux->GetParams() = params;
  module().sdsAux->Open();
  EXPECT_EQ(module().sdsAux->FieldByName("VEICULO").AsText(), "V2");
  EXPECT_EQ(module().sdsAux->CommandText().find("O''B"), std::string::npos);
}

TEST_F(SqlServerHook, DateTimeValuesWithColonsAreRetagged) {
  // A date-time value brings colons into the text; the next open must still
  // see the text as tagged and replace the old value.
  module().sdsAux->SetCommandText(
      "select count(*) N from VEI_VEICULO where EMPRESA in "
      "(select EMPRESA from VEI_VEICULO where :Quando <> 'x')");
  platform::Params params;
  params.Add("Quando").SetAsDateTime(platform::EncodeDateTime(2024, 1, 31, 10, 30, 0));
  module().sdsAux->GetParams() = params;
  module().sdsAux->Open();
  EXPECT_NE(module().sdsAux->CommandText().find("/*Quando*/'31/01/2024 10:30:00'"),
            std::string::npos);
  module().sdsAux->Close();
  params.ParamByName("Quando").SetAsDateTime(platform::EncodeDateTime(1999, 5, 2, 8, 0, 0));
  module().sdsAux->GetParams() = params;
  module().sdsAux->Open();
  EXPECT_NE(module().sdsAux->CommandText().find("/*Quando*/'02/05/1999 08:00:00'"),
            std::string::npos);
  EXPECT_EQ(module().sdsAux->CommandText().find("10:30:00"), std::string::npos);
}

TEST_F(SqlServerHook, EmptyValueStaysAParameter) {
  module().sdsAux->SetCommandText(
      "select VEICULO from VEI_VEICULO where EMPRESA = :Empresa and VEICULO in "
      "(select VEICULO from VEI_VEICULO where CHASSI = :Chassi)");
  module().sdsAux->ParamByName("Empresa").SetAsInteger(1);
  module().sdsAux->ParamByName("Chassi").SetAsText("");
  module().sdsAux->Open();
  // Empresa was substituted; :Chassi stays a parameter, now without a value (NULL).
  EXPECT_EQ(module().sdsAux->CommandText(),
            "select VEICULO from VEI_VEICULO where EMPRESA = /*Empresa*/'1' and VEICULO in "
            "(select VEICULO from VEI_VEICULO where CHASSI = :Chassi)");
  ASSERT_EQ(module().sdsAux->GetParams().Count(), 1u);
  EXPECT_TRUE(module().sdsAux->ParamByName("Chassi").value.IsNull());
  EXPECT_TRUE(module().sdsAux->IsEmpty());
}

TEST(AddSQL, BuildsOneLiteralPerKind) {
  testing::ModuleUnderTest dm;
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
  testing::ModuleUnderTest dm;
  ModuleTestPeer peer(dm);
  peer.SetBancoDados("INTERBASE");
  EXPECT_THROW(peer.AddSQL("1); delete from VEI_VEICULO; --", "N"), Error);
  EXPECT_THROW(peer.AddSQL("12,x", "F"), Error);
  EXPECT_THROW(peer.AddSQL("31/02/2024", "D"), Error);
  EXPECT_THROW(peer.AddSQL("2020-3", "T"), Error);
}

}  // namespace
}  // namespace veiculo
