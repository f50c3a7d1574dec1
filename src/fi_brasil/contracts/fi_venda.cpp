#include "fi_brasil/contracts/fi_venda.h"

#include "fi_brasil/contracts/fi_serialization.h"
#include "fi_brasil/contracts/fi_settings.h"
#include "platform/soap/xml_text.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {
namespace {

std::string Int(const char* name, int32_t value) {
  return Parameter(name, std::to_string(value));
}

// A structure parameter in the input params namespace.
template <class Type>
std::string Structure(const char* name, const Type& value) {
  std::string xml = std::string("<") + name + " xmlns=\"" + platform::XmlEscape(NsInput()) + "\">";
  WriteTo(xml, value);
  return xml + "</" + name + ">";
}

}  // namespace

template <class Result>
Result VendaPortType::Invoke(const std::string& operation, const FIHeader& header,
                             const std::string& parameters) {
  Result result;
  ReadFrom(port_.Call(operation, header, parameters).Response().Child("return"), result);
  return result;
}

FIResult VendaPortType::reabrirVenda(const FIHeader& header, int32_t propostaID) {
  return Invoke<FIResult>("reabrirVenda", header, Int("propostaID", propostaID));
}

FIResult VendaPortType::faturaPedido(const FIHeader& header, int32_t numeroPedidoDMS,
                                     int32_t numeroNotaFiscal, const std::string& dataFaturamento) {
  return Invoke<FIResult>("faturaPedido", header,
                          Int("numeroPedidoDMS", numeroPedidoDMS) +
                              Int("numeroNotaFiscal", numeroNotaFiscal) +
                              Parameter("dataFaturamento", dataFaturamento));
}

StatusVendaResult VendaPortType::statusVenda(const FIHeader& header, int32_t numeroPedidoDMS) {
  return Invoke<StatusVendaResult>("statusVenda", header, Int("numeroPedidoDMS", numeroPedidoDMS));
}

FechamentoVendaResult VendaPortType::fechaVenda(const FIHeader& header, int32_t numeroPedidoDMS) {
  return Invoke<FechamentoVendaResult>("fechaVenda", header,
                                       Int("numeroPedidoDMS", numeroPedidoDMS));
}

FIResult VendaPortType::fechaVendaConfirma(const FIHeader& header, int32_t status,
                                           const std::string& mensagem, int32_t propostaID,
                                           int32_t numeroPedidoDMS, const std::string& chassi) {
  return Invoke<FIResult>(
      "fechaVendaConfirma", header,
      Int("status", status) + Parameter("mensagem", mensagem) + Int("propostaID", propostaID) +
          Int("numeroPedidoDMS", numeroPedidoDMS) + Parameter("chassi", chassi));
}

FIResult VendaPortType::cancelaPedido(const FIHeader& header, int32_t numeroPedidoDMS) {
  return Invoke<FIResult>("cancelaPedido", header, Int("numeroPedidoDMS", numeroPedidoDMS));
}

FIResult VendaPortType::iniciaVenda(const FIHeader& header, const VeiculoIn& veiculo,
                                    const FichaCadastralPFIn& fichaPF,
                                    const FichaCadastralPJIn& fichaPJ) {
  return Invoke<FIResult>("iniciaVenda", header,
                          Structure("veiculo", veiculo) + Structure("fichaPF", fichaPF) +
                              Structure("fichaPJ", fichaPJ));
}

VendasAbertasResult VendaPortType::vendasEmAndamento(const FIHeader& header) {
  return Invoke<VendasAbertasResult>("vendasEmAndamento", header, "");
}

FIResult VendaPortType::cancelaVenda(const FIHeader& header, int32_t numeroPedidoDMS) {
  return Invoke<FIResult>("cancelaVenda", header, Int("numeroPedidoDMS", numeroPedidoDMS));
}

FIResult VendaPortType::cancelaFaturamento(const FIHeader& header, int32_t numeroPedidoDMS,
                                           int32_t numeroNotaFiscal) {
  return Invoke<FIResult>(
      "cancelaFaturamento", header,
      Int("numeroPedidoDMS", numeroPedidoDMS) + Int("numeroNotaFiscal", numeroNotaFiscal));
}

std::unique_ptr<VendaPortType> GetVendaPortType(bool UseWSDL, const std::string& Addr,
                                                platform::SoapClient* HTTPRIO) {
  if (UseWSDL)
    throw Error(ErrorCategory::Validation,
                "the Venda service is reached by its endpoint address, not through a WSDL");
  auto port = std::make_unique<VendaPortType>(HTTPRIO);
  port->Client().SetUrl(Addr.empty() ? DefaultVendaUrl() : Addr);
  return port;
}

}  // namespace veiculo::fi_brasil
