#include "fi_brasil/commands/fi_comandos.h"

#include "fi_brasil/commands/fi_format.h"
#include "fi_brasil/contracts/fi_status.h"
#include "fi_brasil/contracts/fi_venda.h"

namespace veiculo::fi_brasil {
namespace {

std::string Num(int32_t value) {
  return std::to_string(value);
}

}  // namespace

bool TStatusFi::Status() {
  FIResult r;
  return Executa(Envelope("status", "", false),
                 [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
                   return r = GetStatusPortType(false, Url(), &c)->status(h);
                 });
}

bool TCancelaPedido::Executar() {
  FIResult r;
  return Executa(
      Envelope("cancelaPedido", ParametroQ0("numeroPedidoDMS", Num(NumeroPedidoDMS)), false),
      [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
        return r = GetVendaPortType(false, Url(), &c)->cancelaPedido(h, 0);
      });
}

bool TCancelaVenda::Executar() {
  FIResult r;
  return Executa(
      Envelope("cancelaVenda", ParametroQ0("numeroPedidoDMS", Num(NumeroPedidoDMS)), false),
      [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
        return r = GetVendaPortType(false, Url(), &c)->cancelaVenda(h, 0);
      });
}

bool TReabrirVenda::Executar() {
  FIResult r;
  return Executa(Envelope("reabrirVenda", ParametroQ0("propostaID", Num(PropostaID)), false),
                 [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
                   return r = GetVendaPortType(false, Url(), &c)->reabrirVenda(h, 0);
                 });
}

bool TCancelaFaturamento::Executar() {
  FIResult r;
  return Executa(Envelope("cancelaFaturamento",
                          ParametroQ0("numeroPedidoDMS", Num(NumeroPedidoDMS)) +
                              ParametroQ0("numeroNotaFiscal", Num(NumeroNotaFiscal)),
                          false),
                 [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
                   return r = GetVendaPortType(false, Url(), &c)->cancelaFaturamento(h, 0, 0);
                 });
}

bool TFaturaPedido::Executar() {
  FIResult r;
  return Executa(Envelope("faturaPedido",
                          ParametroQ0("numeroPedidoDMS", Num(NumeroPedidoDMS)) +
                              ParametroQ0("numeroNotaFiscal", Num(NumeroNotaFiscal)) +
                              ParametroQ0("dataFaturamento", ValorData(DataFaturamento)),
                          false),
                 [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
                   return r = GetVendaPortType(false, Url(), &c)->faturaPedido(h, 0, 0, "");
                 });
}

bool TVendasEmAndamento::Executar() {
  const bool ok = Executa(Envelope("vendasEmAndamento", "", false),
                          [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
                            return Resultado_ =
                                       GetVendaPortType(false, Url(), &c)->vendasEmAndamento(h);
                          });
  Quantidade = static_cast<int32_t>(Resultado_.vendas.size());
  return ok;
}

bool TFechaVenda::Executar() {
  const bool ok =
      Executa(Envelope("fechaVenda", ParametroQ0("numeroPedidoDMS", Num(NumeroPedidoDMS)), false),
              [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
                return Resultado_ = GetVendaPortType(false, Url(), &c)->fechaVenda(h, 0);
              });
  Venda_ = nullptr;
  if (!ok || Resultado_.vendas.empty()) return false;
  Venda_ = &Resultado_.vendas.front();
  return true;
}

bool TFechaVendaConfirma::Executar() {
  FIResult r;
  return Executa(
      Envelope("fechaVendaConfirma",
               ParametroQ0("status", Num(Status)) + ParametroQ0("mensagem", MensagemEnvio) +
                   ParametroQ0("propostaID", Num(propostaID)) +
                   ParametroQ0("numeroPedidoDMS", Num(NumeroPedidoDMS)) +
                   ParametroQ0("chassi", Chassi),
               false),
      [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
        return r = GetVendaPortType(false, Url(), &c)->fechaVendaConfirma(h, 0, "", 0, 0, "");
      });
}

bool TStatusVenda::Executar() {
  StatusVendaResult r;
  const bool ok =
      Executa(Envelope("statusVenda", ParametroQ0("numeroPedidoDMS", Num(NumeroPedidoDMS)), false),
              [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
                return r = GetVendaPortType(false, Url(), &c)->statusVenda(h, 0);
              });
  StatusVenda = r.statusVenda;
  return ok;
}

}  // namespace veiculo::fi_brasil
