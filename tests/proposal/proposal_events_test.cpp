// The handlers of cdsProposta: a post writes VEI_PROPOSTA at once, a delete
// removes the row, a refused change is neither lost nor taken for written.

#include <gtest/gtest.h>

#include <string>

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
    SeedProposta(
        connection(), 1, 60,
        {{"SITUACAO", Txt("1")}, {"OBSERVACAO", Txt("Cliente aguarda")}, {"VEICULO", Txt("V60")}});
  }

  platform::ClientDataSet& Abre(int proposta) {
    platform::ClientDataSet& cds = *dm.cdsProposta;
    cds.Close();
    cds.ParamByName("EMPRESA").SetAsInteger(1);
    cds.ParamByName("REVENDA").SetAsInteger(1);
    cds.ParamByName("PROPOSTA").SetAsInteger(proposta);
    cds.Open();
    return cds;
  }
  TextRows Proposta60() {
    return Rows(
        "select NEGOCIACAO_FINAL, SITUACAO, OBSERVACAO, VEICULO from VEI_PROPOSTA where "
        "PROPOSTA = 60");
  }
};

TEST_F(CdsPropostaTest, EditAndPostWritesTheProposal) {
  platform::ClientDataSet& cds = Abre(60);
  ASSERT_EQ(cds.RecordCount(), 1);
  cds.Edit();
  cds.FieldByName("NEGOCIACAO_FINAL").SetAsInteger(2);
  cds.FieldByName("SITUACAO").SetAsText("2");
  cds.FieldByName("OBSERVACAO").SetAsText("Trib Aprox R$ 10,00 Federal Fonte: IBPT\r\nd'Ávila");
  cds.Post();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  // Columns outside the query are not touched.
  EXPECT_EQ(Proposta60(),
            (TextRows{{"2", "2", "Trib Aprox R$ 10,00 Federal Fonte: IBPT\r\nd'Ávila", "V60"}}));
}

TEST_F(CdsPropostaTest, ARefusedPostStaysPendingInEdit) {
  platform::ClientDataSet& cds = Abre(60);
  // Someone else removed the row in the meantime: the update finds nothing.
  connection().ExecuteDirect("delete from VEI_PROPOSTA where PROPOSTA = 60");
  cds.Edit();
  cds.FieldByName("SITUACAO").SetAsText("2");
  EXPECT_THROW(cds.Post(), Error);
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_EQ(cds.ChangeCount(), 1);
  EXPECT_EQ(cds.FieldByName("SITUACAO").AsText(), "2");

  // A cancel discards the pending change: the row reads as it was loaded.
  cds.Cancel();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(cds.FieldByName("SITUACAO").AsText(), "1");
}

TEST_F(CdsPropostaTest, CancelWithoutPendingChangesKeepsTheRow) {
  platform::ClientDataSet& cds = Abre(60);
  cds.Edit();
  cds.FieldByName("SITUACAO").SetAsText("8");
  cds.Cancel();
  EXPECT_EQ(cds.FieldByName("SITUACAO").AsText(), "1");
  EXPECT_EQ(cds.RecordCount(), 1);
  EXPECT_EQ(Proposta60()[0][1], "1");
}

TEST_F(CdsPropostaTest, DeleteRemovesTheProposal) {
  platform::ClientDataSet& cds = Abre(60);
  cds.Delete();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 0);
  EXPECT_TRUE(Proposta60().empty());
}

TEST_F(CdsPropostaTest, ARefusedDeleteBringsTheRowBack) {
  platform::ClientDataSet& cds = Abre(60);
  // The row changed behind the dataset: the delete no longer finds it as read.
  connection().ExecuteDirect("update VEI_PROPOSTA set SITUACAO = '5' where PROPOSTA = 60");
  EXPECT_THROW(cds.Delete(), Error);
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.RecordCount(), 1);
  EXPECT_EQ(Proposta60()[0][1], "5");
}

TEST_F(CdsPropostaTest, TheHandlersAreInstalledWithTheModule) {
  TddmVeiculoCompartilhadoBD fresh;
  EXPECT_TRUE(static_cast<bool>(fresh.cdsProposta->AfterPost));
  EXPECT_TRUE(static_cast<bool>(fresh.cdsProposta->AfterCancel));
  EXPECT_TRUE(static_cast<bool>(fresh.cdsProposta->AfterDelete));
}

}  // namespace
}  // namespace veiculo::testing
