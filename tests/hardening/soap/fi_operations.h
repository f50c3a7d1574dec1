#pragma once
// Every F&I operation the module exposes, each as one uniform call against a
// service URL, on a dealer seeded once for all of them: F&I Brasil settings
// (store L1, key K1) and proposal 10 whose wanted vehicle is model M1 in
// colour C1, sold by salesperson 7 to contact 3, its negotiation 1 sent for
// F&I analysis (so that a rejection cancels it at the provider). A row says
// how the operation shows a failure of the service (Shows).

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "fi_brasil/commands/fi_comandos.h"
#include "fi_brasil/fi_credentials.h"
#include "fi_brasil/fi_test_support.h"
#include "fi_manager/fi_manager_settings.h"
#include "platform/soap/soap_client.h"
#include "support/fi_manager_replies.h"
#include "support/kit.h"
#include "veiculo/dm_fi_avonale.h"
#include "veiculo/error.h"

namespace veiculo::testing {

// What an operation gave back.
struct Outcome {
  std::string text;  // the result (a number as text), pfMensagem, or the raised error's text
  bool raised = false;
  bool success = false;  // the Boolean of the operations that return one
  ErrorCategory category = ErrorCategory::Service;
};

// How an operation reports a service it could not use.
enum class Shows {
  Text,             // the error's text
  ListLine,         // the error's text as the one line of a list
  MinusOne,         // -1
  Raises,           // raises the service error
  FalseAndMessage,  // false, the error's text in the message
  NokFiBrasil,      // a rejection's "NOK|1-..." text
  NokAvonale,       // a rejection's "NOK|[Erro Integração F&I Avonale] " + the error's text + ";"
};

enum class Service { FiBrasil, FiManager };

struct FiOperation {
  const char* name;
  Service service;
  Shows shows;
  std::function<Outcome(const std::string& url)> call;
};

// Short SOAP limits for the tests, so that a slow service costs little.
inline constexpr long kTimeoutMs = 400;

class FiOperationsTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    fi_brasil::test::UseShortNamespaces();
    platform::SetSetting(fi_manager::kNsSetting, kNsFiManagerTeste);
    platform::SetSetting(platform::kSoapTimeoutSetting, std::to_string(kTimeoutMs));
    platform::SetSetting(platform::kSoapConnectTimeoutSetting, std::to_string(kTimeoutMs));
    Connection& c = connection();
    AddDealer(c, 1, Cols("CNPJ", {T("11222333000144")}));
    AddParameters(c, 1,
                  Cols("LOJA_FIB CHAVE_FIB URL_FIB USA_INTEGRACAO_AVONALE",
                       {T("L1"), T("K1"), T("http://x/"), T("S")}));
    AddProposal(c, 1, 10, Cols("VENDEDOR CONTATO", {I(7), I(3)}));
    Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE", {I(1), I(1), I(3), I(500)});
    Insert(c, "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR CPF", {I(1), I(1), I(7), I(98765432)});
    AddModel(c, "M1", Cols("DES_MODELO", {T("Modelo Um")}));
    Insert(c, "VEI_COR", "EMPRESA COR DES_COR", {I(1), T("C1"), T("Prata")});
    Insert(c, "VEI_PROPOSTA_VEICULO", "EMPRESA REVENDA PROPOSTA NOVO_USADO MODELO COR",
           {I(1), I(1), I(10), T("N"), T("M1"), T("C1")});
    AddNegotiation(c, 1, 10, 1, Cols("DTA_ENVIO_ANALISE", {D(Day(2025, 3, 11))}));
  }
  void TearDown() override {
    platform::ClearSetting(fi_manager::kNsSetting);
    platform::ClearSetting(platform::kSoapTimeoutSetting);
    platform::ClearSetting(platform::kSoapConnectTimeoutSetting);
    ModuleTest::TearDown();
  }

  // The dealer's F&I Brasil base URL.
  void FiBrasilAt(const std::string& url) {
    Exec("update VEI_PARAMETRO set URL_FIB = '" + url + "' where EMPRESA = 1 and REVENDA = 1");
  }

  std::vector<FiOperation> Operations() {
    // A module operation on the dealer's settings, pointed at `url` first.
    const auto fib = [this](std::function<std::string(ModuleUnderTest&)> run) {
      return [this, run](const std::string& url) {
        FiBrasilAt(url);
        return Catching([&] { return Outcome{run(module())}; });
      };
    };
    // A sale cancellation command of order 10, run directly.
    const auto cancela = [](auto* tipo) {
      return [](const std::string& url) {
        return Catching([&] {
          std::remove_pointer_t<decltype(tipo)> comando;
          comando.Usuario().SetidLoja("L1");
          comando.Usuario().Setkey("K1");
          comando.SetUrl(url + fi_brasil::kSufixoVenda);
          comando.NumeroPedidoDMS = 10;
          return Outcome{"", false, comando.Executar()};
        });
      };
    };
    using M = ModuleUnderTest&;
    return {
        {"StatusFIB", Service::FiBrasil, Shows::Text, fib([](M m) { return m.StatusFIB(1, 1); })},
        {"IniciaVendaFIB", Service::FiBrasil, Shows::Raises,
         fib([](M m) { return m.IniciaVendaFIB(1, 1, 10, "", 50000); })},
        {"VendasAndamentoFIB", Service::FiBrasil, Shows::Raises,
         fib([](M m) { return m.VendasAndamentoFIB(1, 1); })},
        {"StatusVendaFIB", Service::FiBrasil, Shows::MinusOne,
         fib([](M m) { return std::to_string(m.StatusVendaFIB(1, 1, 10)); })},
        {"ReabrirVendaFIB", Service::FiBrasil, Shows::ListLine,
         fib([](M m) { return m.ReabrirVendaFIB(1, 1, 77); })},
        {"FaturaPedido", Service::FiBrasil, Shows::Text,
         fib([](M m) { return m.FaturaPedido(1, 1, 10, 123, Day(2025, 3, 14)); })},
        {"CancelaFaturamento", Service::FiBrasil, Shows::Text,
         fib([](M m) { return m.CancelaFaturamento(1, 1, 10, 123); })},
        {"FechaVendaConfirmadaFIB", Service::FiBrasil, Shows::ListLine,
         fib([](M m) { return m.FechaVendaConfirmadaFIB(1, 1, 10, 77, 0, "CH1"); })},
        {"FechaVendaFIB", Service::FiBrasil, Shows::ListLine,
         fib([](M m) { return m.FechaVendaFIB(1, 1, 10, 1, 77, "CH1", Day(2025, 3, 14)); })},
        // The cancellations that a rejection or an approval sends.
        {"TCancelaPedido", Service::FiBrasil, Shows::Raises,
         cancela(static_cast<fi_brasil::TCancelaPedido*>(nullptr))},
        {"TCancelaVenda", Service::FiBrasil, Shows::Raises,
         cancela(static_cast<fi_brasil::TCancelaVenda*>(nullptr))},
        {"RejeitarProposta (F&I Brasil)", Service::FiBrasil, Shows::NokFiBrasil,
         fib([this](M m) { return Rejeita(m, 2); })},
        {"RejeitarProposta (FI Manager)", Service::FiManager, Shows::NokAvonale,
         [this](const std::string& url) {
           Exec("update VEI_PARAMETRO set URL_WS_AVONALE = '" + url + "'");
           return Catching([&] { return Outcome{Rejeita(module(), 4)}; });
         }},
        {"AtualizarFaturamentoTipado", Service::FiManager, Shows::FalseAndMessage,
         [](const std::string& url) {
           Outcome o;
           o.success = TdmFIAvonale().AtualizarFaturamentoTipado("11222333000144", 1, 1, 10, 123,
                                                                 Day(2025, 3, 14), url, o.text, "");
           return o;
         }},
        {"CancelarPropostaTipado", Service::FiManager, Shows::FalseAndMessage,
         [](const std::string& url) {
           Outcome o;
           o.success = TdmFIAvonale().CancelarPropostaTipado("11222333000144", 1, 1, 10, 123,
                                                             Day(2025, 3, 14), url, o.text);
           return o;
         }},
    };
  }

 private:
  std::string Rejeita(ModuleUnderTest& m, int integracao_fi) {
    return m.RejeitarProposta(&connection(), "INTERBASE", 1, 1, 10, 9, Day(2025, 3, 14),
                              integracao_fi, "Cliente desistiu", "Matriz", "", false, "CANCELAR");
  }

  template <class Run>
  static Outcome Catching(Run run) {
    try {
      return run();
    } catch (const Error& e) {
      return Outcome{e.message(), true, false, e.category()};
    } catch (const std::exception& e) {
      return Outcome{std::string("not a veiculo::Error: ") + e.what(), true, false,
                     ErrorCategory::Database};
    }
  }

  fi_brasil::test::InTemporaryFolder folder_;  // FiBrasil.xml and the Avonale files land here
};

}  // namespace veiculo::testing
