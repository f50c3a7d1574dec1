// The handlers of cdsProposta: a post writes VEI_PROPOSTA at once, a delete
// removes the row, a refused change is neither lost nor taken for written.

#include <gtest/gtest.h>

#include "platform/db/client_dataset.h"
#include "proposal/proposal_seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

using platform::DataSetState;

class CdsPropostaTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    Seed("VEI_PROPOSTA", {{"REVENDA", Int(1)},
                          {"PROPOSTA", Int(60)},
                          {"SITUACAO", Txt("1")},
                          {"OBSERVACAO", Txt("Cliente aguarda")},
                          {"VEICULO", Txt("V60")}});
    cds.ParamByName("EMPRESA").SetAsInteger(1);
    cds.ParamByName("REVENDA").SetAsInteger(1);
    cds.ParamByName("PROPOSTA").SetAsInteger(60);
    cds.Open();
  }
  TextRows Proposta() {
    return Rows("select NEGOCIACAO_FINAL, SITUACAO, OBSERVACAO, VEICULO from VEI_PROPOSTA");
  }
  platform::ClientDataSet& cds = *dm.cdsProposta;
};

TEST_F(CdsPropostaTest, PostWritesTheProposalAndDeleteRemovesIt) {
  cds.Edit();
  cds.FieldByName("NEGOCIACAO_FINAL").SetAsInteger(2);
  cds.FieldByName("OBSERVACAO").SetAsText("Trib Aprox R$ 10,00 Federal Fonte: IBPT\r\nd'Ávila");
  cds.Post();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  // Columns outside the query are not touched.
  EXPECT_EQ(Proposta(),
            (TextRows{{"2", "1", "Trib Aprox R$ 10,00 Federal Fonte: IBPT\r\nd'Ávila", "V60"}}));
  cds.Edit();
  cds.FieldByName("SITUACAO").SetAsText("8");
  cds.Cancel();  // nothing pending: the row stays as it was
  EXPECT_EQ(cds.FieldByName("SITUACAO").AsText(), "1");
  EXPECT_EQ(Proposta()[0][1], "1");
  cds.Delete();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 0);
  EXPECT_TRUE(Proposta().empty());
}

TEST_F(CdsPropostaTest, ARefusedPostStaysPendingUntilCancelled) {
  // Someone else removed the row in the meantime: the update finds nothing.
  connection().ExecuteDirect("delete from VEI_PROPOSTA");
  cds.Edit();
  cds.FieldByName("SITUACAO").SetAsText("2");
  EXPECT_THROW(cds.Post(), Error);
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_EQ(cds.ChangeCount(), 1);
  EXPECT_EQ(cds.FieldByName("SITUACAO").AsText(), "2");
  cds.Cancel();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(cds.FieldByName("SITUACAO").AsText(), "1");
}

TEST_F(CdsPropostaTest, ARefusedDeleteBringsTheRowBack) {
  // The row changed behind the dataset: the delete no longer finds it as read.
  connection().ExecuteDirect("update VEI_PROPOSTA set SITUACAO = '5'");
  EXPECT_THROW(cds.Delete(), Error);
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 1);
  EXPECT_EQ(Proposta()[0][1], "5");
}

}  // namespace
}  // namespace veiculo::testing
