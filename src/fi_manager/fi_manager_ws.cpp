#include "fi_manager/fi_manager_ws.h"

#include <cstdio>
#include <ctime>

#include "fi_manager/fi_manager_settings.h"
#include "platform/db/base64.h"
#include "platform/format/date_time.h"
#include "platform/soap/soap_client.h"
#include "platform/soap/xml_text.h"
#include "veiculo/error.h"

namespace veiculo::fi_manager {
namespace {

std::string Elemento(const std::string& name, const std::string& text) {
  return "<" + name + ">" + platform::XmlEscape(text) + "</" + name + ">";
}

std::string Booleano(const char* name, bool value) {
  return Elemento(name, value ? "true" : "false");
}

// An optional text element: nothing when it was never set.
std::string Opcional(const char* name, const std::string& text, bool specified) {
  return specified ? Elemento(name, text) : "";
}

Error ReplyError(const std::string& message, const std::string& url) {
  Error error(ErrorCategory::Service, message);
  error.AddContext("endpoint " + url);
  return error;
}

RespostaOperacao2 LeResposta(const platform::XmlElement& result) {
  RespostaOperacao2 resposta;
  if (auto id = result.Child("ID")) resposta.Set_ID(id.Text());
  const platform::XmlElement tipo = result.Child("TipoResposta");
  if (!tipo) throw Error(ErrorCategory::Service, "the reply carries no TipoResposta");
  resposta.TipoResposta = TipoMensagemDeXml(tipo.Text());
  if (auto mensagem = result.Child("Mensagem")) resposta.Set_Mensagem(mensagem.Text());
  if (auto dados = result.Child("Dados")) {
    resposta.Dados_Specified = true;
    for (const platform::XmlElement& item : dados.Children("Operacao")) {
      Operacao operacao;
      for (const platform::XmlElement& campo : item.Children())
        operacao.Elementos.emplace_back(campo.LocalName(), campo.Text());
      resposta.Dados.push_back(std::move(operacao));
    }
  }
  return resposta;
}

}  // namespace

std::string XmlDateTime(double data) {
  const platform::CivilDate d = platform::DecodeDate(data);
  const platform::TimeOfDay t = platform::DecodeTime(data);
  // The offset of local time on that day, as the host's time zone has it.
  std::tm local{};
  local.tm_year = d.year - 1900;
  local.tm_mon = d.month - 1;
  local.tm_mday = d.day;
  local.tm_hour = t.hour;
  local.tm_min = t.minute;
  local.tm_sec = t.second;
  local.tm_isdst = -1;
  const std::time_t instant = std::mktime(&local);
  std::tm again{};
  localtime_r(&instant, &again);
  const long offset = again.tm_gmtoff / 60;
  const long minutes = offset < 0 ? -offset : offset;
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", d.year, d.month,
                d.day, t.hour, t.minute, t.second, offset < 0 ? '-' : '+', minutes / 60,
                minutes % 60);
  return text;
}

std::string XmlOperacaoFaturamento(const OperacaoFaturamento& o) {
  return Booleano("Faturada", o.Faturada) + Booleano("Cancelada", o.Cancelada) +
         Opcional("Status", o.Status, o.Status_Specified) +
         Opcional("CodigoParceiro", o.CodigoParceiro, o.CodigoParceiro_Specified) +
         Opcional("NumeroNotaFiscal", o.NumeroNotaFiscal, o.NumeroNotaFiscal_Specified) +
         Elemento("DataNotaFiscal", XmlDateTime(o.DataNotaFiscal));
}

std::string XmlFile(const File_& f) {
  return Opcional("NameFile", f.NameFile, f.NameFile_Specified) +
         (f.FileBytes_Specified ? Elemento("FileBytes", platform::Base64Encode(f.FileBytes)) : "");
}

FiManagerWsSoap::FiManagerWsSoap(platform::SoapClient* client)
    : owned_(client == nullptr ? std::make_unique<platform::SoapClient>() : nullptr),
      client_(client == nullptr ? owned_.get() : client) {}

FiManagerWsSoap::~FiManagerWsSoap() = default;

RespostaOperacao2 FiManagerWsSoap::AtualizarFaturamentoTipado(const std::string& chave,
                                                              const std::string& id,
                                                              const OperacaoFaturamento& operacao,
                                                              const File_& file_) {
  return Invoke("AtualizarFaturamentoTipado", Elemento("chave", chave) + Elemento("id", id) +
                                                  "<operacao>" + XmlOperacaoFaturamento(operacao) +
                                                  "</operacao><file>" + XmlFile(file_) + "</file>");
}

RespostaOperacao2 FiManagerWsSoap::CancelarPropostaTipado(const std::string& chave,
                                                          const std::string& id,
                                                          const OperacaoFaturamento& operacao) {
  return Invoke("CancelarPropostaTipado", Elemento("chave", chave) + Elemento("id", id) +
                                              "<operacao>" + XmlOperacaoFaturamento(operacao) +
                                              "</operacao>");
}

RespostaOperacao2 FiManagerWsSoap::Invoke(const std::string& operation,
                                          const std::string& parameters) {
  const std::string request =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
      "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body><" +
      operation + " xmlns=\"" + platform::XmlEscape(Ns()) + "\">" + parameters + "</" + operation +
      "></soap:Body></soap:Envelope>";
  platform::SoapReply reply = client_->Call(operation, SoapAction(operation), request);
  const platform::XmlElement result = reply.Response().Child(operation + "Result");
  if (!result) throw ReplyError("the reply of " + operation + " carries no result", client_->Url());
  try {
    return LeResposta(result);
  } catch (Error& error) {
    error.AddContext("endpoint " + client_->Url());
    throw;
  }
}

std::unique_ptr<FiManagerWsSoap> GetFiManagerWsSoap(bool UseWSDL, const std::string& Addr,
                                                    platform::SoapClient* HTTPRIO) {
  if (UseWSDL)
    throw Error(ErrorCategory::Validation,
                "the FI Manager service is reached by its endpoint address, not through a WSDL");
  auto port = std::make_unique<FiManagerWsSoap>(HTTPRIO);
  port->Client().SetUrl(Addr.empty() ? DefaultUrl() : Addr);
  return port;
}

}  // namespace veiculo::fi_manager
