// Values holding XML's special characters and non-ASCII text reach the
// service intact: the request the played service receives is parsed as XML
// and the field's text compared with what was meant to be sent. F&I Brasil
// cleans most texts of a sale start first (accents folded, "&" to "e", "'"
// to a double quote), so those fields must arrive as cleaned, "<", ">", '"'
// and the characters the cleaning keeps unharmed.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hardening/soap/fi_operations.h"
#include "platform/soap/soap_client.h"

namespace veiculo::testing {
namespace {

// "&amp;" inside: sent unescaped, a reader would take it for "&".
const std::string kHostil = "São João & Filhos <Ltda> &amp; \"x\" 'y' €";
// kHostil cleaned: ã and ã fold to a, "&" becomes "e", "'" a double quote;
// "<", ">", '"' and "€" stay.
const std::string kLimpo = "Sao Joao e Filhos <Ltda> eamp; \"x\" \"y\" €";

// kHostil as an SQL literal (its quote doubled).
const std::string kSql = "'São João & Filhos <Ltda> &amp; \"x\" ''y'' €'";

// The text of the element at `path` (local names below the SOAP body).
std::string Field(const std::string& request, const std::vector<std::string>& path) {
  const platform::SoapReply parsed = platform::ReadSoapReply(request, 200, "request");
  platform::XmlElement element = parsed.Body();
  for (const std::string& name : path) {
    element = element.Child(name);
    if (!element) return "(no " + name + ")";
  }
  return element.Text();
}

class XmlValuesTest : public FiOperationsTest {
 protected:
  void SetUp() override {
    FiOperationsTest::SetUp();
    FiBrasilAt(server_.Url());
  }
  SoapTestServer server_{[](const SoapRequestSeen& seen) {
    return seen.path == "/fim"
               ? FiManagerReply(seen.soap_action.find("Cancelar") != std::string::npos
                                    ? "CancelarPropostaTipado"
                                    : "AtualizarFaturamentoTipado",
                                "Ok", "feito")
               : fi_brasil::test::Reply("<statusCode>0</statusCode>");
  }};
};

TEST_F(XmlValuesTest, SpecialCharactersReachTheServiceIntact) {
  struct Case {
    const char* name;
    std::function<void()> send;  // stores kHostil where the operation reads it, and calls it
    std::vector<std::string> path;
    std::string expected;
  };
  auto& m = module();
  const auto status = [&] { EXPECT_EQ(m.StatusFIB(1, 1), "OK"); };
  const auto inicia = [&] { EXPECT_EQ(m.IniciaVendaFIB(1, 1, 10, "", 50000), "OK"); };
  const std::string fim = server_.Url("fim");
  const std::vector<Case> cases = {
      {"store id",
       [&] {
         Exec("update VEI_PARAMETRO set LOJA_FIB = " + kSql + "");
         status();
       },
       {"status", "header", "idLoja"},
       kHostil},
      {"store key",
       [&] {
         Exec("update VEI_PARAMETRO set CHAVE_FIB = " + kSql + "");
         status();
       },
       {"status", "header", "key"},
       kHostil},
      {"model description",
       [&] {
         Exec("update VEI_MODELO set DES_MODELO = " + kSql + "");
         inicia();
       },
       {"iniciaVenda", "veiculo", "descricaoModelo"},
       kLimpo},
      {"colour description",
       [&] {
         Exec("update VEI_COR set DES_COR = " + kSql + "");
         inicia();
       },
       {"iniciaVenda", "veiculo", "descricaoCor"},
       kLimpo},
      {"customer name",
       [&] {
         Insert(connection(), "FAT_CLIENTE", "CLIENTE NOME FISJUR", {I(500), T(kHostil), T("F")});
         inicia();
       },
       {"iniciaVenda", "fichaPF", "nome"},
       kLimpo},
      {"chassis of a confirmation",
       [&] { EXPECT_EQ(m.FechaVendaConfirmadaFIB(1, 1, 10, 77, 0, kHostil), "OK"); },
       {"fechaVendaConfirma", "chassi"},
       kHostil},
      {"dealer CNPJ of an invoicing update",
       [&] {
         std::string mensagem;
         EXPECT_TRUE(TdmFIAvonale().AtualizarFaturamentoTipado(
             kHostil, 1, 1, 10, 123, Day(2025, 3, 14), fim, mensagem, ""));
       },
       {"AtualizarFaturamentoTipado", "chave"},
       kHostil},
      {"dealer CNPJ of a cancellation",
       [&] {
         std::string mensagem;
         EXPECT_TRUE(TdmFIAvonale().CancelarPropostaTipado(kHostil, 1, 1, 10, 123, Day(2025, 3, 14),
                                                           fim, mensagem));
       },
       {"CancelarPropostaTipado", "chave"},
       kHostil},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Exec("savepoint caso");
    const size_t before = server_.Requests().size();
    c.send();
    const std::vector<SoapRequestSeen> seen = server_.Requests();
    ASSERT_EQ(seen.size(), before + 1);
    EXPECT_EQ(Field(seen.back().body, c.path), c.expected) << seen.back().body;
    Exec("rollback to savepoint caso");
  }
}

}  // namespace
}  // namespace veiculo::testing
