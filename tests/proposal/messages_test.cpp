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
  void SetUp() override {
    ProposalDbTest::SetUp();
    // The clock says 10 March, 09:30:15.400; the stamps take the processing
    // date's day with that time of day, without the fraction of a second.
    SetClockTo(Moment(2025, 3, 10, 9, 30, 15) + 0.4 / 86400);
  }
  void SetClockTo(double now) {
    dm.SetClock([now] { return now; });
  }

  TextRows Mensagens() {
    return Rows(
        "select DTA_MENSAGEM, USUARIO_ORIGEM, USUARIO_DESTINO, ASSUNTO, MENSAGEM, SITUACAO from "
        "GER_MENSAGEM order by DTA_MENSAGEM");
  }
  TextRows MensagensDaProposta() {
    return Rows(
        "select EMPRESA, REVENDA, PROPOSTA, DTA_MENSAGEM, USUARIO_ORIGEM, USUARIO_DESTINO from "
        "VEI_MENSAGEM_PROPOSTA order by DTA_MENSAGEM");
  }

  const double processamento = Moment(2025, 3, 14);
};

TEST_F(GravaMensagemTest, WritesTheMessageAndFilesItUnderTheProposal) {
  dm.GravaMensagem(processamento, 1, 2, 1, 5, 30, "Proposta Nr.[30/1] Aprovada",
                   "Aprovada pelo gerente [Ana Paula Ferreira]");
  EXPECT_EQ(Mensagens(), (TextRows{{"2025-03-14T09:30:15", "1", "5", "Proposta Nr.[30/1] Aprovada",
                                    "Aprovada pelo gerente [Ana Paula Ferreira]", "N"}}));
  EXPECT_EQ(MensagensDaProposta(), (TextRows{{"1", "2", "30", "2025-03-14T09:30:15", "1", "5"}}));
}

TEST_F(GravaMensagemTest, WithoutProposalWritesOnlyTheMessage) {
  dm.GravaMensagem(processamento, 1, 2, 1, 5, 0, "Aviso", "Sem proposta");
  EXPECT_EQ(Mensagens().size(), 1u);
  EXPECT_TRUE(MensagensDaProposta().empty());
  dm.GravaMensagem(processamento, 1, 2, 1, 5, -3, "Aviso", "Nem com número negativo");
  EXPECT_EQ(Mensagens().size(), 2u);
  EXPECT_TRUE(MensagensDaProposta().empty());
}

TEST_F(GravaMensagemTest, TwoMessagesInARowAreASecondApartWithoutWaiting) {
  const auto start = std::chrono::steady_clock::now();
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 30, "Primeira", "a");
  dm.GravaMensagem(processamento, 1, 1, 1, 6, 31, "Segunda", "b");
  dm.GravaMensagem(processamento, 1, 1, 1, 7, 32, "Terceira", "c");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  // Waiting a second per message would take three seconds at least.
  EXPECT_LT(elapsed, std::chrono::milliseconds(900));

  // The clock stood still at 09:30:15: 15, 16 and 17 seconds.
  const TextRows mensagens = Mensagens();
  ASSERT_EQ(mensagens.size(), 3u);
  EXPECT_EQ(mensagens[0][0], "2025-03-14T09:30:15");
  EXPECT_EQ(mensagens[1][0], "2025-03-14T09:30:16");
  EXPECT_EQ(mensagens[2][0], "2025-03-14T09:30:17");
  const TextRows da_proposta = MensagensDaProposta();
  ASSERT_EQ(da_proposta.size(), 3u);
  EXPECT_EQ(da_proposta[1],
            (std::vector<std::string>{"1", "1", "31", "2025-03-14T09:30:16", "1", "6"}));
}

TEST_F(GravaMensagemTest, AClockThatMovedOnGivesItsOwnTime) {
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Primeira", "a");
  SetClockTo(Moment(2025, 3, 10, 9, 31, 2));
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Segunda", "b");
  // The clock went back to 09:30:58, before the previous stamp 09:31:02: the
  // stamp moves to one second after that one.
  SetClockTo(Moment(2025, 3, 10, 9, 30, 58));
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Terceira", "c");
  const TextRows mensagens = Mensagens();
  ASSERT_EQ(mensagens.size(), 3u);
  EXPECT_EQ(mensagens[0][0], "2025-03-14T09:30:15");
  EXPECT_EQ(mensagens[1][0], "2025-03-14T09:31:02");
  EXPECT_EQ(mensagens[2][0], "2025-03-14T09:31:03");
}

TEST_F(GravaMensagemTest, AnEarlierProcessingDateStillComesAfterThePreviousMessage) {
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Primeira", "a");
  dm.GravaMensagem(Moment(2025, 3, 13), 1, 1, 1, 5, 0, "Segunda", "b");
  const TextRows mensagens = Mensagens();
  ASSERT_EQ(mensagens.size(), 2u);
  EXPECT_EQ(mensagens[1][0], "2025-03-14T09:30:16");
}

TEST_F(GravaMensagemTest, AStampCrossesMidnightToTheNextDay) {
  SetClockTo(Moment(2025, 3, 10, 23, 59, 59));
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Primeira", "a");
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Segunda", "b");
  const TextRows mensagens = Mensagens();
  ASSERT_EQ(mensagens.size(), 2u);
  EXPECT_EQ(mensagens[0][0], "2025-03-14T23:59:59");
  EXPECT_EQ(mensagens[1][0], "2025-03-15T00:00:00");
}

TEST_F(GravaMensagemTest, EachInstanceKeepsItsOwnPreviousStamp) {
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Primeira", "a");
  TddmVeiculoCompartilhadoBD other;
  other.InicializaDM();
  other.AtribuiConexao(&connection());
  other.SetClock([] { return Moment(2025, 3, 10, 8, 0, 0); });
  other.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Outra", "b");
  const TextRows mensagens = Mensagens();
  ASSERT_EQ(mensagens.size(), 2u);
  EXPECT_EQ(mensagens[0][0], "2025-03-14T08:00:00");
}

TEST_F(GravaMensagemTest, TextsKeepTheirQuotesAndEmptyTextIsNull) {
  dm.GravaMensagem(processamento, 1, 1, 1, 5, 0, "Cliente d'Ávila: urgente", "");
  EXPECT_EQ(Mensagens(),
            (TextRows{{"2025-03-14T09:30:15", "1", "5", "Cliente d'Ávila: urgente", "NULL", "N"}}));
}

}  // namespace
}  // namespace veiculo::testing
