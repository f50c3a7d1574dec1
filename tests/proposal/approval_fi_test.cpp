// The F&I Brasil cancellation of the rivals an approval rejects, against the
// Venda service played on 127.0.0.1: the rival's order is cancelled with the
// approving dealer's credentials; a refusal or an unreachable service is told
// among the warnings, and the rival is rejected all the same.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "fi_brasil/fi_test_support.h"
#include "support/approval_builders.h"
#include "support/kit.h"

namespace veiculo::testing {
namespace {

using fi_brasil::test::Reply;

class ApprovalFiTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    fi_brasil::test::UseShortNamespaces();
    module().SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
    Semeia();
  }
  void Semeia() {
    AddApprovalWorld(connection());
    // Rival 31 of dealer 2 was sent to F&I as sale 555; rival 33 never was.
    AddRivalProposal(connection(), 2, 31, 12, 21, "1", Cols("PROPOSTA_FIB", {I(555)}));
    AddRivalProposal(connection(), 1, 33, 13, 23, "1");
  }
  void Recomeca() {
    connection().Rollback();
    connection().Begin();
    Semeia();
  }
  void Credenciais(const std::string& url) {
    Exec("update VEI_PARAMETRO set LOJA_FIB = 'L1', CHAVE_FIB = 'K1', URL_FIB = '" + url +
         "' where REVENDA = 1");
  }
  std::string Aprova(int integracao_fi = 2) {
    return module().AprovacaoGerencialProposta(&connection(), "INTERBASE", 1, 1, 30, 1, 9,
                                               Day(2025, 3, 12), integracao_fi);
  }
  std::string Situacoes() {
    return One(
        "select list(SITUACAO, '') from (select SITUACAO from VEI_PROPOSTA order by "
        "REVENDA, PROPOSTA)");
  }

  std::string reply_ = "<statusCode>0</statusCode>";
  SoapTestServer server_{[this](const SoapRequestSeen&) { return Reply(reply_); }};
};

TEST_F(ApprovalFiTest, CancelsTheRivalsSaleWithTheDealersCredentials) {
  Credenciais(server_.Url());
  EXPECT_EQ(Aprova(), "OK|");
  const auto seen = server_.Requests();
  ASSERT_EQ(seen.size(), 1u);  // only the rival sent to F&I
  EXPECT_EQ(seen[0].path, "/Venda.VendaHttpSoap11Endpoint/");
  EXPECT_EQ(seen[0].body, fi_brasil::test::ExpectedEnvelope(
                              "cancelaVenda", "<q0:numeroPedidoDMS>31</q0:numeroPedidoDMS>"));
  EXPECT_EQ(Situacoes(), "288");  // 30 approved, 33 and 31 cancelled

  // F&I off (1 only checks the financing): nothing is sent.
  Recomeca();
  Credenciais(server_.Url());
  EXPECT_EQ(Aprova(1), "OK|");
  EXPECT_EQ(server_.Requests().size(), 1u);
}

TEST_F(ApprovalFiTest, AFailedCancellationIsToldAndTheRivalStaysRejected) {
  const std::string aviso = "OK|Não foi possível cancelar a proposta [31] no F&I System.;";
  reply_ = "<message>Venda inexistente</message><statusCode>7</statusCode>";
  Credenciais(server_.Url());
  EXPECT_EQ(Aprova(), aviso);  // refused by the service
  EXPECT_EQ(Situacoes(), "288");

  Recomeca();
  Credenciais("http://127.0.0.1:1/");  // nobody listens there
  EXPECT_EQ(Aprova(), aviso);
  EXPECT_EQ(Situacoes(), "288");

  Recomeca();  // no F&I settings for the dealer
  EXPECT_EQ(Aprova(), aviso);
}

}  // namespace
}  // namespace veiculo::testing
