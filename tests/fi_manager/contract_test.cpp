// The FI Manager contract as far as the program uses it: SOAPAction and
// endpoint, element flags and the reply's data.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "fi_manager/fi_manager_settings.h"
#include "fi_manager/fi_manager_types.h"
#include "fi_manager/fi_manager_ws.h"
#include "platform/settings.h"
#include "platform/soap/soap_client.h"
#include "support/expect_error.h"
#include "support/fi_manager_replies.h"
#include "support/values.h"

namespace veiculo::testing {
namespace {

using namespace fi_manager;

TEST(FiManagerContractTest, ActionAndEndpointFollowTheSettings) {
  platform::SetSetting(kNsSetting, "http://ns.example/fi/");
  platform::SetSetting(kHostSetting, "https://fim.example/");
  EXPECT_EQ(SoapAction("CancelarPropostaTipado"), "http://ns.example/fi/CancelarPropostaTipado");
  EXPECT_EQ(GetFiManagerWsSoap(false, "", nullptr)->Client().Url(),
            "https://fim.example/wscomercial/FI/FiManagerWs.asmx");
  EXPECT_EQ(GetFiManagerWsSoap(false, "http://x/", nullptr)->Client().Url(), "http://x/");
  EXPECT_VEICULO_ERROR(GetFiManagerWsSoap(true, "", nullptr), ErrorCategory::Validation,
                       "not through a WSDL");
  platform::ClearSetting(kNsSetting);
  platform::ClearSetting(kHostSetting);
}

TEST(FiManagerContractTest, TextsAreOptionalOtherElementsAlwaysWritten) {
  ::setenv("TZ", "UTC0", 1);
  ::tzset();
  OperacaoFaturamento vazia;
  EXPECT_EQ(XmlOperacaoFaturamento(vazia),
            "<Faturada>false</Faturada><Cancelada>false</Cancelada><DataNotaFiscal>"
            "1899-12-30T00:00:00+00:00</DataNotaFiscal>");
  vazia.Set_Status("");
  vazia.Set_CodigoParceiro("<A&B>");
  EXPECT_NE(XmlOperacaoFaturamento(vazia).find(
                "<Status></Status><CodigoParceiro>&lt;A&amp;B&gt;</CodigoParceiro>"),
            std::string::npos);
  EXPECT_EQ(XmlFile(File_{}), "");
  ::setenv("TZ", "<+0530>-5:30", 1);
  ::tzset();
  EXPECT_EQ(XmlDateTime(Moment(2025, 3, 14, 23, 59, 58)), "2025-03-14T23:59:58+05:30");
  ::unsetenv("TZ");
  ::tzset();
}

TEST(FiManagerContractTest, TheReplysDataKeepsItsItems) {
  platform::SetSetting(kNsSetting, kNsFiManagerTeste);
  SoapTestServer server([](const SoapRequestSeen&) {
    return SoapAnswer{
        200,
        SoapEnvelope(
            "<CancelarPropostaTipadoResponse xmlns=\"urn:fim/\"><CancelarPropostaTipadoResult>"
            "<TipoResposta>Ok</TipoResposta><Dados><Operacao><Codigo>1</Codigo><Nome>A"
            "</Nome></Operacao><Operacao><Codigo>2</Codigo></Operacao></Dados>"
            "</CancelarPropostaTipadoResult></CancelarPropostaTipadoResponse>"),
        {}};
  });
  const RespostaOperacao2 r = GetFiManagerWsSoap(false, server.Url(), nullptr)
                                  ->CancelarPropostaTipado("k", "1", OperacaoFaturamento{});
  EXPECT_FALSE(r.ID_Specified);
  EXPECT_FALSE(r.Mensagem_Specified);
  ASSERT_TRUE(r.Dados_Specified);
  ASSERT_EQ(r.Dados.size(), 2u);
  EXPECT_EQ(r.Dados[0].Elementos,
            (std::vector<std::pair<std::string, std::string>>{{"Codigo", "1"}, {"Nome", "A"}}));
  EXPECT_EQ(r.Dados[1].Elementos.size(), 1u);
  platform::ClearSetting(kNsSetting);
}

}  // namespace
}  // namespace veiculo::testing
