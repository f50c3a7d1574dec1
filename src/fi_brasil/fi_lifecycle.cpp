// The F&I Brasil sale lifecycle seen from the dealer: service status, open
// sales, a sale's state, reopening, invoicing and its cancellation, and the
// confirmation of a closed sale. Each runs one command and reports its
// outcome as text.

#include <string>

#include "fi_brasil/commands/fi_comandos.h"
#include "fi_brasil/fi_credentials.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/soap/soap_client.h"
#include "veiculo/error.h"

namespace veiculo {

using fi_brasil::kSufixoStatus;
using fi_brasil::kSufixoVenda;
using fi_brasil::TextoErro;
using fi_brasil::TextoRecusa;

std::string TddmVeiculoCompartilhadoBDImpl::StatusFIB(int32_t pfEmpresa, int32_t pfRevenda) {
  platform::ComponentRuntimeScope runtime;
  fi_brasil::TStatusFi comando;
  try {
    CredenciaFIB(comando, pfEmpresa, pfRevenda, kSufixoStatus);
    if (comando.Status()) return "OK";
    return TextoRecusa(comando) + " - Tempo: " + std::to_string(comando.Tempo) + "s";
  } catch (const std::exception& e) {
    return TextoErro(e);
  }
}

std::string TddmVeiculoCompartilhadoBDImpl::VendasAndamentoFIB(int32_t pfEmpresa,
                                                               int32_t pfRevenda) {
  platform::ComponentRuntimeScope runtime;
  fi_brasil::TVendasEmAndamento comando;
  CredenciaFIB(comando, pfEmpresa, pfRevenda, kSufixoVenda);
  std::string lista;
  if (!comando.Executar()) return lista;
  for (const fi_brasil::VeiculoOut& venda : comando.Resultado().vendas)
    lista += venda.chassi + ";" + venda.cpfVendedor + ";" + venda.numeroPropostaDMS + ";" +
             venda.propostaId + ";" + venda.dataInicioVenda + "\r\n";
  return lista;
}

int32_t TddmVeiculoCompartilhadoBDImpl::StatusVendaFIB(int32_t pfEmpresa, int32_t pfRevenda,
                                                       int32_t pfProposta) {
  platform::ComponentRuntimeScope runtime;
  fi_brasil::TStatusVenda comando;
  try {
    CredenciaFIB(comando, pfEmpresa, pfRevenda, kSufixoVenda);
    comando.NumeroPedidoDMS = pfProposta;
    return comando.Executar() ? comando.StatusVenda : -1;
  } catch (const std::exception&) {
    return -1;
  }
}

std::string TddmVeiculoCompartilhadoBDImpl::ReabrirVendaFIB(int32_t pfEmpresa, int32_t pfRevenda,
                                                            int32_t pfPropostaFIB) {
  platform::ComponentRuntimeScope runtime;
  fi_brasil::TReabrirVenda comando;
  fi_brasil::ListaResultado lista;
  try {
    CredenciaFIB(comando, pfEmpresa, pfRevenda, kSufixoVenda);
    comando.PropostaID = pfPropostaFIB;
    if (!comando.Executar()) lista.Adiciona(TextoRecusa(comando));
  } catch (const std::exception& e) {
    lista.Adiciona(TextoErro(e));
  }
  return lista.Resultado();
}

std::string TddmVeiculoCompartilhadoBDImpl::FaturaPedido(int32_t pfEmpresa, int32_t pfRevenda,
                                                         int32_t pfProposta, int32_t pfNota,
                                                         DateTime pfDataProcessamento) {
  fi_brasil::TFaturaPedido comando;
  try {
    CredenciaFIB(comando, pfEmpresa, pfRevenda, kSufixoVenda);
    comando.NumeroPedidoDMS = pfProposta;
    comando.NumeroNotaFiscal = pfNota;
    comando.DataFaturamento = pfDataProcessamento;
    return comando.Executar() ? "OK" : TextoRecusa(comando);
  } catch (const std::exception& e) {
    return TextoErro(e);
  }
}

std::string TddmVeiculoCompartilhadoBDImpl::CancelaFaturamento(int32_t pfEmpresa, int32_t pfRevenda,
                                                               int32_t pfProposta, int32_t pfNota) {
  fi_brasil::TCancelaFaturamento comando;
  try {
    CredenciaFIB(comando, pfEmpresa, pfRevenda, kSufixoVenda);
    comando.NumeroPedidoDMS = pfProposta;
    comando.NumeroNotaFiscal = pfNota;
    return comando.Executar() ? "OK" : TextoRecusa(comando);
  } catch (const std::exception& e) {
    return TextoErro(e);
  }
}

std::string TddmVeiculoCompartilhadoBDImpl::FechaVendaConfirmadaFIB(
    int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta, int32_t pfPropostaFIB,
    int32_t pfStatus, const std::string& pfChassi) {
  platform::ComponentRuntimeScope runtime;
  fi_brasil::TFechaVendaConfirma comando;
  fi_brasil::ListaResultado lista;
  bPvConfirmacaoErroBanco = false;
  try {
    CredenciaFIB(comando, pfEmpresa, pfRevenda, kSufixoVenda);
    comando.NumeroPedidoDMS = pfProposta;
    comando.Status = pfStatus;
    comando.MensagemEnvio =
        pfStatus == 0 ? "Venda Confirmada." : "Erro na integracao com o Mivo DMS.";
    comando.propostaID = pfPropostaFIB;
    comando.Chassi = pfChassi.empty() ? "Venda Direta" : pfChassi;
    if (!comando.Executar()) lista.Adiciona(TextoRecusa(comando));
  } catch (const std::exception& e) {
    lista.Adiciona(TextoErro(e));
    const auto* erro = dynamic_cast<const Error*>(&e);
    bPvConfirmacaoErroBanco = erro != nullptr && erro->category() == ErrorCategory::Database;
  }
  return lista.Resultado();
}

}  // namespace veiculo
