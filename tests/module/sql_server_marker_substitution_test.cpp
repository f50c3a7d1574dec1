// The SQL Server adaptation puts a value in every place its marker stands,
// whatever follows the marker (a comma, an operator, the end of the text),
// and a later open puts the new value behind every tag. Run on the Firebird
// test database through a connection that reports a SQL Server driver; the
// texts use only SQL that both engines read alike.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/sql_markers.h"
#include "support/kit.h"

namespace veiculo {
namespace {

class SqlServerMarkerSubstitution : public testing::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    FirebirdOptions options;
    options.driver_name = "MSSQL";
    sqlserver_ = Connection::OpenFirebird(testing::TestDatabase::Instance().path(), options);
    sqlserver_->Begin();
    module().AtribuiConexao(sqlserver_.get());
    // Company 1 has V1; company 2 has V2 and O'B.
    for (const char* row : {"1, 'V1', 'CH1'", "2, 'V2', 'CH2'", "2, 'O''B', 'CH3'"})
      Exec(std::string("insert into VEI_VEICULO (EMPRESA, VEICULO, CHASSI) values (") + row + ")");
  }
  void TearDown() override {
    sqlserver_->Rollback();
    ModuleTest::TearDown();
  }
  void Exec(const std::string& sql) {
    module().sdsExecuta->SetCommandText(sql);
    module().sdsExecuta->ExecSQL();
  }
  // Opens `text` on sdsAux with the text values given and answers N, the
  // count the text selects; the text is left as the adaptation made it.
  int64_t Count(const std::string& text,
                const std::vector<std::pair<std::string, std::string>>& values) {
    platform::SqlDataSet& aux = *module().sdsAux;
    aux.Close();
    if (aux.CommandText() != text && !text.empty()) aux.SetCommandText(text);
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

TEST_F(SqlServerMarkerSubstitution, MarkersFollowedByAnythingGetTheirValues) {
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

TEST_F(SqlServerMarkerSubstitution, AMarkerUsedTwiceTakesTheNewValueInBothPlaces) {
  const std::string text =
      "select count(*) N from VEI_VEICULO where EMPRESA = :E and EMPRESA in (select EMPRESA "
      "from VEI_VEICULO where EMPRESA = :E)";
  EXPECT_EQ(Count(text, {{"E", "1"}}), 1);
  EXPECT_EQ(Count("", {{"E", "2"}}), 2);  // company 2's two vehicles
  EXPECT_EQ(Adapted().find("'1'"), std::string::npos) << Adapted();
  EXPECT_EQ(Count("", {{"E", "1"}}), 1);
}

}  // namespace
}  // namespace veiculo
