#pragma once
// TdmFIAvonale: the dealer system's two calls to Avonale's F&I service
// (FI Manager): an operation was invoiced, and a proposal was cancelled.
//
// Create one for the calls and drop it afterwards; it holds no state and no
// connection. Each call posts one SOAP request to pfURL (the dealer's
// VEI_PARAMETRO.URL_WS_AVONALE) and turns the reply into a Boolean and a
// message:
//   - true when the service answered Ok or Aviso; pfMensagem is then the
//     reply's type, ":" and the service's message ("Aviso:Nota já enviada");
//   - false when it answered Erro or Indisponível (pfMensagem as above), and
//     false with pfMensagem = the error's text (one line: the message, then
//     " - endpoint <url>" and any other context) when the service could not be
//     reached, did not answer within the SOAP timeout
//     (VEICULO_SOAP_TIMEOUT_MS), answered a SOAP fault or a reply that does
//     not fit the contract, or the invoice file could not be read.
// Neither call raises. The namespace of the contract is the setting
// VEICULO_FIM_NS; pfEmpresa and pfRevenda are accepted and not used.
//
// CancelarPropostaTipado keeps the last exchange in the working directory:
// the request in "RequestAvonale.xml", the reply in "ResponseAvonale.xml",
// each written whole (a reader never sees half a file); the last call wins.

#include <cstdint>
#include <string>

namespace veiculo {

// The kind of a FI Manager reply, in the contract's order.
enum class TipoMensagem { Ok = 0, Erro = 1, Indisponivel = 2, Aviso = 3 };

class TdmFIAvonale {
 public:
  // A date-time as the module counts it: days since 30/12/1899, fraction = time of day.
  using DateTime = double;

  // Reports the invoice of proposal pfProposta (its number, its date taken as
  // local time and, when pfArquivo names a file, that file as "DANFE.pdf").
  bool AtualizarFaturamentoTipado(const std::string& pfCnpjLoja, int32_t pfEmpresa,
                                  int32_t pfRevenda, int32_t pfProposta, int32_t pfNotaFiscal,
                                  DateTime pfDataNotaFiscal, const std::string& pfURL,
                                  std::string& pfMensagem, const std::string& pfArquivo);
  // Reports that proposal pfProposta was cancelled.
  bool CancelarPropostaTipado(const std::string& pfCnpjLoja, int32_t pfEmpresa, int32_t pfRevenda,
                              int32_t pfProposta, int32_t pfNotaFiscal, DateTime pfDataNotaFiscal,
                              const std::string& pfURL, std::string& pfMensagem);
  // "Ok", "Erro", "Indisponível", "Aviso"; "[]" for any other value.
  std::string RetornaTipoMensagem(TipoMensagem pTipo) const;

  // The cancellation's hooks: write the request and the reply as they travel
  // to "RequestAvonale.xml" and "ResponseAvonale.xml" (the texts unchanged).
  // A file that cannot be written raises veiculo::Error (service).
  void HTTPRIO1BeforeExecute(const std::string& MethodName, std::string& SOAPRequest);
  void HTTPRIO1AfterExecute(const std::string& MethodName, std::string& SOAPResponse);
};

}  // namespace veiculo
