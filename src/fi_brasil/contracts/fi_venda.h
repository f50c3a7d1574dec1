#pragma once
// The Venda service of F&I Brasil (port VendaHttpSoap11Endpoint): the life of
// one vehicle sale on the service's side. Failures as in fi_status.h.

#include <memory>
#include <string>

#include "fi_brasil/contracts/fi_types.h"
#include "fi_brasil/contracts/soap_call.h"

namespace veiculo::fi_brasil {

class VendaPortType {
 public:
  explicit VendaPortType(platform::SoapClient* client) : port_(client) {}

  FIResult reabrirVenda(const FIHeader& header, int32_t propostaID);
  FIResult faturaPedido(const FIHeader& header, int32_t numeroPedidoDMS, int32_t numeroNotaFiscal,
                        const std::string& dataFaturamento);
  StatusVendaResult statusVenda(const FIHeader& header, int32_t numeroPedidoDMS);
  FechamentoVendaResult fechaVenda(const FIHeader& header, int32_t numeroPedidoDMS);
  FIResult fechaVendaConfirma(const FIHeader& header, int32_t status, const std::string& mensagem,
                              int32_t propostaID, int32_t numeroPedidoDMS,
                              const std::string& chassi);
  FIResult cancelaPedido(const FIHeader& header, int32_t numeroPedidoDMS);
  FIResult iniciaVenda(const FIHeader& header, const VeiculoIn& veiculo,
                       const FichaCadastralPFIn& fichaPF, const FichaCadastralPJIn& fichaPJ);
  VendasAbertasResult vendasEmAndamento(const FIHeader& header);
  FIResult cancelaVenda(const FIHeader& header, int32_t numeroPedidoDMS);
  FIResult cancelaFaturamento(const FIHeader& header, int32_t numeroPedidoDMS,
                              int32_t numeroNotaFiscal);

  platform::SoapClient& Client() { return port_.Client(); }

 private:
  template <class Result>
  Result Invoke(const std::string& operation, const FIHeader& header,
                const std::string& parameters);
  PortClient port_;
};

// As GetStatusPortType, for the Venda service.
std::unique_ptr<VendaPortType> GetVendaPortType(bool UseWSDL, const std::string& Addr,
                                                platform::SoapClient* HTTPRIO);

}  // namespace veiculo::fi_brasil
