#include "fi_brasil/commands/fi_base.h"

#include <chrono>

#include "fi_brasil/contracts/fi_settings.h"
#include "fi_brasil/contracts/fi_types.h"
#include "platform/soap/soap_client.h"
#include "platform/soap/xml_text.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {

using platform::XmlEscape;

TFIBase::TFIBase() : Usuario_(std::make_unique<THeader>()) {}
TFIBase::~TFIBase() = default;

void TFIBase::SetUrl(const std::string& url) {
  if (url.empty()) throw Error(ErrorCategory::Validation, "Url do Webservice inválido!");
  Url_ = url;
}

void TFIBase::SetUsuario(std::unique_ptr<THeader> usuario) {
  if (usuario) Usuario_ = std::move(usuario);
}

std::string TFIBase::Envelope(const std::string& wrapper, const std::string& parametros,
                              bool declara_q2) const {
  std::string xml = std::string("<soapenv:Envelope xmlns:soapenv=\"") + kNsSoapEnvelope +
                    "\" xmlns:q0=\"" + XmlEscape(NsService()) + "\" xmlns:q1=\"" +
                    XmlEscape(NsParams()) + "\"";
  if (declara_q2) xml += " xmlns:q2=\"" + XmlEscape(NsInput()) + "\"";
  xml += std::string(" xmlns:xsd=\"") + kNsXsd + "\" xmlns:xsi=\"" + kNsXsi + "\">";
  xml += "<soapenv:Body><q0:" + wrapper + "><q0:header><q1:dmsKey>" + kDmsKey +
         "</q1:dmsKey><q1:idLoja>" + XmlEscape(Usuario_->idLoja()) + "</q1:idLoja><q1:key>" +
         XmlEscape(Usuario_->key()) + "</q1:key></q0:header>";
  xml += parametros + "</q0:" + wrapper + "></soapenv:Body></soapenv:Envelope>";
  return xml;
}

bool TFIBase::Executa(
    const std::string& envelope,
    const std::function<const FIResult&(platform::SoapClient&, const FIHeader&)>& chamada) {
  const auto inicio = std::chrono::steady_clock::now();
  struct MarcaTempo {
    std::chrono::steady_clock::time_point inicio;
    int64_t& tempo;
    ~MarcaTempo() {
      tempo = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                               inicio)
                  .count();
    }
  } marca{inicio, Tempo};

  XML = envelope;
  platform::SoapClient cliente;
  if (connect_timeout_ms_ > 0) cliente.SetConnectTimeoutMs(connect_timeout_ms_);
  if (timeout_ms_ > 0) cliente.SetTimeoutMs(timeout_ms_);
  // Whatever the port type serialised, the service receives this command's envelope.
  cliente.SetBeforeSend([this](const std::string&, std::string& corpo) { corpo = XML + "\r\n"; });
  const FIHeader cabecalho;  // the runtime's request objects stay empty: never on the wire
  const FIResult& resultado = chamada(cliente, cabecalho);
  StatusCode = resultado.statusCode;
  Mensagem = resultado.message_;
  return StatusCode == 0;
}

std::string ParametroQ0(const std::string& name, const std::string& text) {
  return "<q0:" + name + ">" + XmlEscape(text) + "</q0:" + name + ">";
}

}  // namespace veiculo::fi_brasil
