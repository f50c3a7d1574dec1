#pragma once
// The F&I Brasil commands other than the sale start (inicia_venda.h). Each
// runs one port-type operation; see fi_base.h for the life of a command.

#include <memory>

#include "fi_brasil/commands/fi_base.h"
#include "fi_brasil/contracts/fi_types.h"

namespace veiculo::fi_brasil {

// Status.status: is the service reachable with these credentials.
class TStatusFi : public TFIBase {
 public:
  bool Status();
};

// Venda.cancelaPedido.
class TCancelaPedido : public TFIBase {
 public:
  int32_t NumeroPedidoDMS = 0;
  bool Executar();
};

// Venda.cancelaVenda.
class TCancelaVenda : public TFIBase {
 public:
  int32_t NumeroPedidoDMS = 0;
  bool Executar();
};

// Venda.reabrirVenda: reopens the service's sale PropostaID.
class TReabrirVenda : public TFIBase {
 public:
  int32_t PropostaID = 0;
  bool Executar();
};

// Venda.cancelaFaturamento.
class TCancelaFaturamento : public TFIBase {
 public:
  int32_t NumeroPedidoDMS = 0;
  int32_t NumeroNotaFiscal = 0;
  bool Executar();
};

// Venda.faturaPedido: the dealer invoiced the order on DataFaturamento.
class TFaturaPedido : public TFIBase {
 public:
  int32_t NumeroPedidoDMS = 0;
  double DataFaturamento = 0;
  int32_t NumeroNotaFiscal = 0;
  bool Executar();
};

// Venda.vendasEmAndamento: the store's open sales.
class TVendasEmAndamento : public TFIBase {
 public:
  bool Executar();
  const VendasAbertasResult& Resultado() const { return Resultado_; }
  // Number of sales in Resultado().vendas (0 before a call).
  int32_t Quantidade = 0;

 private:
  VendasAbertasResult Resultado_;
};

// Venda.fechaVenda: the closed sale of an order. Executar is true only when
// the status is 0 and the reply carries at least one sale; Venda() is then
// the first (an empty record before that).
class TFechaVenda : public TFIBase {
 public:
  int32_t NumeroPedidoDMS = 0;
  bool Executar();
  const FechamentoVendaResult& Resultado() const { return Resultado_; }
  const VendaCompletaOut& Venda() const { return Venda_ ? *Venda_ : vazia_; }

 private:
  FechamentoVendaResult Resultado_;
  const VendaCompletaOut* Venda_ = nullptr;
  VendaCompletaOut vazia_;
};

// Venda.fechaVendaConfirma: whether the dealer accepted a closed sale.
class TFechaVendaConfirma : public TFIBase {
 public:
  int32_t NumeroPedidoDMS = 0;
  std::string MensagemEnvio;  // sent as given (escaped)
  int32_t Status = 0;
  int32_t propostaID = 0;
  std::string Chassi;  // sent as given (escaped)
  bool Executar();
};

// Venda.statusVenda: the service's state of an order.
class TStatusVenda : public TFIBase {
 public:
  int32_t NumeroPedidoDMS = 0;
  bool Executar();
  int32_t StatusVenda = 0;
};

}  // namespace veiculo::fi_brasil
