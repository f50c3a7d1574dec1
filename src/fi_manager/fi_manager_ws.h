#pragma once
// The FI Manager port type (service FiManagerWs, port FiManagerWsSoap), as
// far as this program calls it: SOAP 1.1, document style, utf-8. A call posts
// the operation's element in the FI Manager namespace with SOAPAction =
// namespace + operation name, and reads the reply's <operation>Result.
//
// Calls raise veiculo::Error (service) on a transport error, a timeout, a
// SOAP fault or a reply without its result or with a result that does not fit
// the contract; a reply of type Erro or Indisponível is a result like any other.

#include <memory>
#include <string>

#include "fi_manager/fi_manager_types.h"

namespace veiculo::platform {
class SoapClient;
}

namespace veiculo::fi_manager {

class FiManagerWsSoap {
 public:
  // Calls through `client` (not owned), or through a client of its own when null.
  explicit FiManagerWsSoap(platform::SoapClient* client);
  ~FiManagerWsSoap();

  RespostaOperacao2 AtualizarFaturamentoTipado(const std::string& chave, const std::string& id,
                                               const OperacaoFaturamento& operacao,
                                               const File_& file_);
  RespostaOperacao2 CancelarPropostaTipado(const std::string& chave, const std::string& id,
                                           const OperacaoFaturamento& operacao);

  platform::SoapClient& Client() { return *client_; }

 private:
  RespostaOperacao2 Invoke(const std::string& operation, const std::string& parameters);
  std::unique_ptr<platform::SoapClient> owned_;
  platform::SoapClient* client_;
};

// The port type on `HTTPRIO` (a new client when null) at `Addr`, or at the
// default endpoint (VEICULO_FIM_HOST + the service's path) when `Addr` is
// empty. This client reads no WSDL: `UseWSDL` true raises veiculo::Error
// (validation).
std::unique_ptr<FiManagerWsSoap> GetFiManagerWsSoap(bool UseWSDL, const std::string& Addr,
                                                    platform::SoapClient* HTTPRIO);

// The XML of the request elements (exposed for the tests of the contract).
std::string XmlOperacaoFaturamento(const OperacaoFaturamento& operacao);
std::string XmlFile(const File_& file_);
// A local date-time as XML Schema dateTime with the local offset
// ("2025-03-14T10:30:00-03:00").
std::string XmlDateTime(double data);

}  // namespace veiculo::fi_manager
