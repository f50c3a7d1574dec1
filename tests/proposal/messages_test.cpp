// GravaMensagem: the message row, the row that files it under its proposal,
// and the time stamps a second apart without waiting a second.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

class GravaMensagemTest : public ProposalDbTest {
 protected:
  // The stamps take the processing date's day (14 March) with the clock's time
  // of day, without the fraction of a second: 09:30:15.400 gives 09:30:15.
  void SetUp() override {
    ProposalDbTest::SetUp();
    SetClockTo(Moment(2025, 3, 10, 9, 30, 15) + 0.4 / 86400);
  }
  void SetClockTo(double now) {
    dm.SetClock([now] { return now; });
  }
  void Grava(int proposta = 0, double processamento = Moment(2025, 3, 14)) {
    dm.GravaMensagem(processamento, 1, 1, 1, 5, proposta, "Aviso", "a");
  }
  TextRows Stamps(const char* table = "GER_MENSAGEM") {
    return Rows(std::string("select DTA_MENSAGEM from ") + table + " order by DTA_MENSAGEM");
  }
};

TEST_F(GravaMensagemTest, WritesTheMessageAndFilesItUnderTheProposal) {
  dm.GravaMensagem(Moment(2025, 3, 14), 1, 2, 1, 5, 30, "Cliente d'Ávila: urgente",
                   "Aprovada pelo gerente [Ana]");
  EXPECT_EQ(Rows("select DTA_MENSAGEM, USUARIO_ORIGEM, USUARIO_DESTINO, ASSUNTO, MENSAGEM, "
                 "SITUACAO from GER_MENSAGEM"),
            (TextRows{{"2025-03-14T09:30:15", "1", "5", "Cliente d'Ávila: urgente",
                       "Aprovada pelo gerente [Ana]", "N"}}));
  EXPECT_EQ(Rows("select EMPRESA, REVENDA, PROPOSTA, DTA_MENSAGEM, USUARIO_ORIGEM, "
                 "USUARIO_DESTINO from VEI_MENSAGEM_PROPOSTA"),
            (TextRows{{"1", "2", "30", "2025-03-14T09:30:15", "1", "5"}}));
  // Proposal 0 or negative: only the message; an empty text is null.
  dm.GravaMensagem(Moment(2025, 3, 14), 1, 2, 1, 5, 0, "Aviso", "");
  dm.GravaMensagem(Moment(2025, 3, 14), 1, 2, 1, 5, -3, "Aviso", "b");
  EXPECT_EQ(One("select count(*) from GER_MENSAGEM where MENSAGEM is null"), "1");
  EXPECT_EQ(One("select count(*) from GER_MENSAGEM"), "3");
  EXPECT_EQ(One("select count(*) from VEI_MENSAGEM_PROPOSTA"), "1");
}

TEST_F(GravaMensagemTest, MessagesInARowAreASecondApartWithoutWaiting) {
  const auto start = std::chrono::steady_clock::now();
  Grava(30), Grava(31), Grava(32);
  // Waiting a second per message would take three seconds at least.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  const TextRows stamps{{"2025-03-14T09:30:15"}, {"2025-03-14T09:30:16"}, {"2025-03-14T09:30:17"}};
  EXPECT_EQ(Stamps(), stamps);
  EXPECT_EQ(Stamps("VEI_MENSAGEM_PROPOSTA"), stamps);
}

TEST_F(GravaMensagemTest, EachStampComesAfterThePreviousOne) {
  Grava();                                    // 14/03 09:30:15
  Grava(0, Moment(2025, 3, 13));              // an earlier processing date: 09:30:16 on the 14th
  SetClockTo(Moment(2025, 3, 10, 9, 31, 2));  // a clock that moved on gives its own time
  Grava();
  SetClockTo(Moment(2025, 3, 10, 9, 30, 58));  // a clock that went back: a second after 09:31:02
  Grava();
  SetClockTo(Moment(2025, 3, 10, 23, 59, 59));  // crossing midnight to the 15th
  Grava(), Grava();
  EXPECT_EQ(Stamps(), (TextRows{{"2025-03-14T09:30:15"},
                                {"2025-03-14T09:30:16"},
                                {"2025-03-14T09:31:02"},
                                {"2025-03-14T09:31:03"},
                                {"2025-03-14T23:59:59"},
                                {"2025-03-15T00:00:00"}}));
}

TEST_F(GravaMensagemTest, EachInstanceKeepsItsOwnPreviousStamp) {
  Grava();
  TddmVeiculoCompartilhadoBD other;
  other.InicializaDM();
  other.AtribuiConexao(&connection());
  other.SetClock([] { return Moment(2025, 3, 10, 8, 0, 0); });
  other.GravaMensagem(Moment(2025, 3, 14), 1, 1, 1, 5, 0, "Outra", "b");
  EXPECT_EQ(Stamps(), (TextRows{{"2025-03-14T08:00:00"}, {"2025-03-14T09:30:15"}}));
}

}  // namespace
}  // namespace veiculo::testing
