#pragma once
// TFIBase: what every F&I Brasil command holds and how it runs.
//
// A command serves one call: create it, set Usuario's idLoja and key, SetUrl
// with the endpoint, set the arguments, run Executar (Status for TStatusFi),
// read StatusCode, Mensagem, Tempo and the results.
//
// Executar builds the whole envelope itself (XML) and sends exactly that text
// (followed by CR LF) through the port type, which still chooses the endpoint
// and the SOAPAction and reads the reply. It returns true when the service
// answered statusCode 0. A refusal (non-zero statusCode) is no exception:
// the result is false and StatusCode and Mensagem say why. Transport errors,
// SOAP faults and unreadable replies raise veiculo::Error (service); Tempo is
// set either way, and StatusCode and Mensagem keep their values (0, empty)
// when no reply came. Values are XML-escaped in the envelope.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "fi_brasil/commands/fi_objetos.h"

namespace veiculo::platform {
class SoapClient;
}

namespace veiculo::fi_brasil {

struct FIHeader;
struct FIResult;

// The DMS integration key every request carries.
inline constexpr const char* kDmsKey = "5d0c9e2b7f41a8366e2d0b9c4f7a1e58";

class TFIBase {
 public:
  TFIBase();
  virtual ~TFIBase();
  TFIBase(const TFIBase&) = delete;
  TFIBase& operator=(const TFIBase&) = delete;

  std::string XML;         // the envelope of the current call
  int32_t StatusCode = 0;  // statusCode of the reply
  int64_t Tempo = 0;       // whole seconds the last Executar took
  std::string Mensagem;    // message of the reply

  const std::string& Url() const { return Url_; }
  // Raises veiculo::Error (validation) "Url do Webservice inválido!" for an empty URL.
  void SetUrl(const std::string& url);
  THeader& Usuario() { return *Usuario_; }
  void SetUsuario(std::unique_ptr<THeader> usuario);

  // Limits of this command's HTTP call (milliseconds; 0 keeps the settings').
  void SetTimeouts(long connect_ms, long total_ms) {
    connect_timeout_ms_ = connect_ms;
    timeout_ms_ = total_ms;
  }

 protected:
  // The envelope around the body parameters (already written, prefix q0)
  // of operation `wrapper`; `declara_q2` declares the input params namespace.
  std::string Envelope(const std::string& wrapper, const std::string& parametros,
                       bool declara_q2) const;
  // The run frame: times the call, stores `envelope` in XML, gives `chamada`
  // a client whose requests carry XML, and keeps StatusCode and Mensagem of
  // the result it returns. True when StatusCode is 0.
  bool Executa(
      const std::string& envelope,
      const std::function<const FIResult&(platform::SoapClient&, const FIHeader&)>& chamada);

 private:
  std::string Url_;
  std::unique_ptr<THeader> Usuario_;
  long connect_timeout_ms_ = 0;
  long timeout_ms_ = 0;
};

// "<q0:name>text</q0:name>" with the text escaped.
std::string ParametroQ0(const std::string& name, const std::string& text);

}  // namespace veiculo::fi_brasil
