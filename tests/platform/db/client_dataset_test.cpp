#include "platform/db/client_dataset.h"

#include <gtest/gtest.h>

#include "platform/db/provider.h"
#include "platform/db/sql_dataset.h"
#include "support/test_database.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// A subsidy's periods: the catalogue's sds/dsp/cds triple on VEI_SUBSIDIO_PERIODO.
class ClientDataSetTest : public testing::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    sds_.SetConnection(&connection());
    sds_.SetCommandText(
        "select * from VEI_SUBSIDIO_PERIODO where EMPRESA = :Empresa and SUBSIDIO = :Subsidio "
        "order by PERIODO");
    dsp_.Mode = UpdateMode::WhereKeyOnly;
    cds_.FetchParams();
    for (int periodo = 1; periodo <= 3; ++periodo)
      Write(
          "insert into VEI_SUBSIDIO_PERIODO (EMPRESA, SUBSIDIO, PERIODO, INICIO, FINAL, "
          "PER_SUBSIDIO) values (1, 'S1', " +
          std::to_string(periodo) + ", " + std::to_string(periodo * 30 - 29) + ", " +
          std::to_string(periodo * 30) + ", " + std::to_string(periodo) + ".5)");
    Write("insert into VEI_SUBSIDIO_PERIODO (EMPRESA, SUBSIDIO, PERIODO) values (1, 'S2', 1)");
  }
  int64_t CountWhere(const std::string& condition) {
    SqlDataSet ds("sdsAux", &connection());
    ds.SetCommandText("select count(*) N from VEI_SUBSIDIO_PERIODO where " + condition);
    ds.Open();
    return ds.FieldByName("N").AsInteger();
  }
  void OpenS1() {
    cds_.ParamByName("Empresa").SetAsInteger(1);
    cds_.ParamByName("Subsidio").SetAsText("S1");
    cds_.Open();
  }

  SqlDataSet sds_{"sdsSubsidioPeriodo"};
  Provider dsp_{"dspSubsidioPeriodo", &sds_};
  ClientDataSet cds_{"cdsSubsidioPeriodo", &dsp_};
};

TEST_F(ClientDataSetTest, OpensThroughItsProviderFiltersAndLocates) {
  OpenS1();
  EXPECT_EQ(cds_.RecordCount(), 3);
  EXPECT_FALSE(sds_.Active());  // the provider closes its dataset after reading
  cds_.SetFilter("INICIO >= 31 and (PER_SUBSIDIO < 3 or PERIODO = 3)");
  cds_.SetFiltered(true);
  ASSERT_EQ(cds_.RecordCount(), 2);
  EXPECT_EQ(cds_.FieldByName("PERIODO").AsInteger(), 2);
  cds_.SetFiltered(false);
  EXPECT_THROW(cds_.SetFilter("PERIODO = = 1"), Error);
  EXPECT_TRUE(cds_.Locate("SUBSIDIO;PERIODO", {Value::Text("S1"), Value::Text("2")}));
  EXPECT_EQ(cds_.FieldByName("INICIO").AsInteger(), 31);
  EXPECT_TRUE(cds_.Locate("SUBSIDIO", {Value::Text("s")}, {true, true}));
  cds_.IndexDefs.push_back({"idxFinal", "FINAL", false, false});
  cds_.SetIndexName("idxFinal");
  EXPECT_TRUE(cds_.FindKey({Value::Integer(60)}));
  EXPECT_EQ(cds_.FieldByName("PERIODO").AsInteger(), 2);
  EXPECT_FALSE(cds_.FindKey({Value::Integer(61)}));
}

TEST_F(ClientDataSetTest, EditPostAndApplyUpdatesWriteTheRow) {
  OpenS1();
  ASSERT_TRUE(cds_.Locate("PERIODO", {Value::Integer(2)}));
  cds_.Edit();
  cds_.FieldByName("PER_SUBSIDIO").SetAsFloat(4.25);
  cds_.Post();
  cds_.Append();
  cds_.FieldByName("EMPRESA").SetAsInteger(1);
  cds_.FieldByName("SUBSIDIO").SetAsText("S1");
  cds_.FieldByName("PERIODO").SetAsInteger(4);
  cds_.FieldByName("INICIO").SetAsText("91");  // text converted to the integer field
  cds_.Post();
  ASSERT_TRUE(cds_.Locate("PERIODO", {Value::Integer(1)}));
  cds_.Delete();
  EXPECT_EQ(CountWhere("PER_SUBSIDIO = 4.25"), 0);  // nothing written before ApplyUpdates
  EXPECT_EQ(cds_.ApplyUpdates(0), 0);
  EXPECT_EQ(cds_.ChangeCount(), 0);
  EXPECT_EQ(CountWhere("SUBSIDIO = 'S1' and PERIODO = 2 and PER_SUBSIDIO = 4.25"), 1);
  EXPECT_EQ(CountWhere("SUBSIDIO = 'S1' and PERIODO = 4 and INICIO = 91"), 1);
  EXPECT_EQ(CountWhere("SUBSIDIO = 'S1' and PERIODO = 1"), 0);
  EXPECT_EQ(CountWhere("SUBSIDIO = 'S2'"), 1);  // other rows untouched
}

TEST_F(ClientDataSetTest, UpdateOfARowChangedMeanwhileFailsAndCancelUpdatesRestores) {
  dsp_.Mode = UpdateMode::WhereChanged;
  OpenS1();
  Write("update VEI_SUBSIDIO_PERIODO set PER_SUBSIDIO = 9 where SUBSIDIO = 'S1' and PERIODO = 1");
  cds_.Edit();
  cds_.FieldByName("PER_SUBSIDIO").SetAsFloat(2);
  cds_.Post();
  EXPECT_THROW(cds_.ApplyUpdates(0), Error);
  EXPECT_EQ(cds_.ChangeCount(), 1);  // the change stays in the log
  EXPECT_EQ(CountWhere("PER_SUBSIDIO = 9"), 1);
  cds_.Next();
  cds_.Delete();
  cds_.CancelUpdates();
  EXPECT_EQ(cds_.RecordCount(), 3);
  EXPECT_TRUE(cds_.Locate("PERIODO", {Value::Integer(1)}));
  EXPECT_DOUBLE_EQ(cds_.FieldByName("PER_SUBSIDIO").AsFloat(), 1.5);
}

TEST_F(ClientDataSetTest, ReadOnlyRefusesEditsAndUniqueIndexRefusesDuplicates) {
  cds_.ReadOnly = true;
  OpenS1();
  EXPECT_THROW(cds_.Edit(), Error);
  EXPECT_THROW(cds_.Delete(), Error);
  cds_.Close();
  cds_.ReadOnly = false;
  cds_.IndexDefs.push_back({"pk", "EMPRESA;SUBSIDIO;PERIODO", true, true});
  cds_.SetIndexName("pk");
  OpenS1();
  cds_.Append();
  cds_.FieldByName("EMPRESA").SetAsInteger(1);
  cds_.FieldByName("SUBSIDIO").SetAsText("S1");
  cds_.FieldByName("PERIODO").SetAsInteger(2);
  EXPECT_THROW(cds_.Post(), Error);
}

TEST_F(ClientDataSetTest, InMemoryDataSetsReadTheLocalFormAndCannotApply) {
  ClientDataSet memory("cdsPvOpcionais");
  memory.SetFieldDefs({{"VALOR", FieldType::Float, 0}});
  memory.CreateDataSet();
  memory.Append();
  memory.FieldByName("VALOR").SetAsText("1234,5");  // local form (decimal comma) into a float
  memory.Post();
  EXPECT_DOUBLE_EQ(memory.FieldByName("VALOR").AsFloat(), 1234.5);
  EXPECT_THROW(memory.ApplyUpdates(0), Error);  // no provider to write through
}

}  // namespace
}  // namespace veiculo::platform
