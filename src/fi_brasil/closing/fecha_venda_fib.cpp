// FechaVendaFIB: imports the sale the F&I desk closed for a proposal and
// tells the service how the import ended.

#include "fi_brasil/closing/importacao_fechamento.h"
#include "fi_brasil/commands/fi_comandos.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/soap/soap_client.h"

namespace veiculo {
namespace {

// The confirmation status: the service is told 0 (imported) or 1 (failed)
// once the sale was fetched and linked; 9 means nothing is confirmed.
constexpr int32_t kNaoBuscada = 9;
constexpr int32_t kImportada = 0;
constexpr int32_t kFalhou = 1;

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::FechaVendaFIB(int32_t pfEmpresa, int32_t pfRevenda,
                                                          int32_t pfProposta, int32_t pfNegociacao,
                                                          int32_t pfPropostaFIB,
                                                          const std::string& pfChassi,
                                                          DateTime pfDataProcessamento) {
  platform::ComponentRuntimeScope runtime;
  fi_brasil::ListaResultado lista;
  iPvStatusFechaVendaFIB = kNaoBuscada;
  int32_t propostaFIB = pfPropostaFIB;
  {
    fi_brasil::TFechaVenda comando;
    try {
      CredenciaFIB(comando, pfEmpresa, pfRevenda, fi_brasil::kSufixoVenda);
      comando.NumeroPedidoDMS = pfProposta;
      if (comando.Executar()) {
        fi_brasil::ImportacaoFechamento importacao(*this, pfEmpresa, pfRevenda, pfProposta,
                                                   pfNegociacao, pfChassi, pfDataProcessamento,
                                                   lista);
        importacao.Importa(comando.Venda(), [&] {
          propostaFIB = comando.Venda().codigoProposta;
          iPvStatusFechaVendaFIB = kImportada;
        });
      } else if (comando.StatusCode != 0) {
        lista.Adiciona(fi_brasil::TextoRecusa(comando));
      } else {
        // An accepted call without a sale imported nothing: said, not taken for success.
        lista.Adiciona("Nenhuma venda fechada no F&I Brasil para a proposta " +
                       std::to_string(pfProposta) + ".");
      }
    } catch (const std::exception& erro) {
      lista.Adiciona(fi_brasil::TextoErro(erro));
      if (iPvStatusFechaVendaFIB == kImportada) iPvStatusFechaVendaFIB = kFalhou;
    }
  }
  sdsConsulta->Close();
  if (iPvStatusFechaVendaFIB < kNaoBuscada) {
    const std::string confirmacao = FechaVendaConfirmadaFIB(
        pfEmpresa, pfRevenda, pfProposta, propostaFIB, iPvStatusFechaVendaFIB, pfChassi);
    // A confirmation the database kept from being sent leaves the service
    // unaware of the import: the import counts as failed, so that the caller
    // rolls it back and both sides stay as before (a later import starts over).
    if (iPvStatusFechaVendaFIB == kImportada && bPvConfirmacaoErroBanco)
      iPvStatusFechaVendaFIB = kFalhou;
    if (confirmacao != "OK") {
      // Its lines join the result's, each once.
      size_t inicio = 0;
      for (size_t fim; (fim = confirmacao.find("\r\n", inicio)) != std::string::npos;
           inicio = fim + 2)
        lista.Adiciona(confirmacao.substr(inicio, fim - inicio));
      if (inicio < confirmacao.size()) lista.Adiciona(confirmacao.substr(inicio));
    }
  }
  return lista.Resultado();
}

}  // namespace veiculo
