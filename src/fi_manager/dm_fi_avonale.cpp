// TdmFIAvonale: the invoicing update and the proposal cancellation sent to
// FI Manager, each turned into a Boolean and a message (see
// veiculo/dm_fi_avonale.h).

#include "veiculo/dm_fi_avonale.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "fi_manager/avonale_log.h"
#include "fi_manager/fi_manager_ws.h"
#include "platform/soap/soap_client.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using fi_manager::File_;
using fi_manager::OperacaoFaturamento;
using fi_manager::RespostaOperacao2;

// The text of an error on one line: its message, then the context it
// gathered (the endpoint, the fault code), " - " between them. The message
// ends up inside status texts ("NOK|...;") that are read line by line.
std::string TextoErro(const std::exception& erro) {
  const auto* proprio = dynamic_cast<const Error*>(&erro);
  if (proprio == nullptr) return erro.what();
  std::string texto = proprio->message();
  for (const std::string& linha : proprio->context()) texto += " - " + linha;
  return texto;
}

OperacaoFaturamento Operacao(bool faturada, const char* status, int32_t pfProposta,
                             int32_t pfNotaFiscal, double pfDataNotaFiscal) {
  OperacaoFaturamento operacao;
  operacao.Faturada = faturada;
  operacao.Cancelada = !faturada;
  operacao.Set_Status(status);
  operacao.Set_CodigoParceiro(std::to_string(pfProposta));
  operacao.Set_NumeroNotaFiscal(std::to_string(pfNotaFiscal));
  operacao.DataNotaFiscal = pfDataNotaFiscal;
  return operacao;
}

// The whole file, read before anything is sent.
std::string LeArquivo(const std::string& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  if (!arquivo) throw Error(ErrorCategory::NotFound, "cannot open the file '" + caminho + "'");
  std::string bytes((std::istreambuf_iterator<char>(arquivo)), std::istreambuf_iterator<char>());
  if (arquivo.bad()) throw Error(ErrorCategory::NotFound, "cannot read the file '" + caminho + "'");
  return bytes;
}

}  // namespace

bool TdmFIAvonale::AtualizarFaturamentoTipado(const std::string& pfCnpjLoja, int32_t /*pfEmpresa*/,
                                              int32_t /*pfRevenda*/, int32_t pfProposta,
                                              int32_t pfNotaFiscal, DateTime pfDataNotaFiscal,
                                              const std::string& pfURL, std::string& pfMensagem,
                                              const std::string& pfArquivo) {
  pfMensagem.clear();
  platform::ComponentRuntimeScope runtime;
  try {
    // A fresh client without hooks: the invoicing update keeps no files.
    auto porta = fi_manager::GetFiManagerWsSoap(false, pfURL, nullptr);
    const OperacaoFaturamento operacao =
        Operacao(true, "7", pfProposta, pfNotaFiscal, pfDataNotaFiscal);
    File_ arquivo;
    if (!pfArquivo.empty()) {
      arquivo.Set_FileBytes(LeArquivo(pfArquivo));
      arquivo.Set_NameFile("DANFE.pdf");
    }
    const RespostaOperacao2 resposta =
        porta->AtualizarFaturamentoTipado(pfCnpjLoja, operacao.CodigoParceiro, operacao, arquivo);
    pfMensagem = RetornaTipoMensagem(resposta.TipoResposta) + ":" + resposta.Mensagem;
    return resposta.TipoResposta == TipoMensagem::Ok ||
           resposta.TipoResposta == TipoMensagem::Aviso;
  } catch (const std::exception& e) {
    pfMensagem = TextoErro(e);
    return false;
  }
}

bool TdmFIAvonale::CancelarPropostaTipado(const std::string& pfCnpjLoja, int32_t /*pfEmpresa*/,
                                          int32_t /*pfRevenda*/, int32_t pfProposta,
                                          int32_t pfNotaFiscal, DateTime pfDataNotaFiscal,
                                          const std::string& pfURL, std::string& pfMensagem) {
  pfMensagem.clear();
  platform::ComponentRuntimeScope runtime;
  try {
    platform::SoapClient cliente;
    cliente.SetBeforeSend([this](const std::string& metodo, std::string& corpo) {
      HTTPRIO1BeforeExecute(metodo, corpo);
    });
    cliente.SetAfterReceive([this](const std::string& metodo, std::string& corpo) {
      HTTPRIO1AfterExecute(metodo, corpo);
    });
    auto porta = fi_manager::GetFiManagerWsSoap(false, pfURL, &cliente);
    const OperacaoFaturamento operacao =
        Operacao(false, "8", pfProposta, pfNotaFiscal, pfDataNotaFiscal);
    const RespostaOperacao2 resposta =
        porta->CancelarPropostaTipado(pfCnpjLoja, operacao.CodigoParceiro, operacao);
    pfMensagem = RetornaTipoMensagem(resposta.TipoResposta) + ":" + resposta.Mensagem;
    return resposta.TipoResposta == TipoMensagem::Ok ||
           resposta.TipoResposta == TipoMensagem::Aviso;
  } catch (const std::exception& e) {
    pfMensagem = TextoErro(e);
    return false;
  }
}

std::string TdmFIAvonale::RetornaTipoMensagem(TipoMensagem pTipo) const {
  switch (pTipo) {
    case TipoMensagem::Ok:
    case TipoMensagem::Erro:
    case TipoMensagem::Indisponivel:
    case TipoMensagem::Aviso:
      return fi_manager::XmlTipoMensagem(pTipo);
  }
  return "[]";
}

void TdmFIAvonale::HTTPRIO1BeforeExecute(const std::string& /*MethodName*/,
                                         std::string& SOAPRequest) {
  fi_manager::GravaArquivoInteiro("RequestAvonale.xml", SOAPRequest);
}

void TdmFIAvonale::HTTPRIO1AfterExecute(const std::string& /*MethodName*/,
                                        std::string& SOAPResponse) {
  fi_manager::GravaArquivoInteiro("ResponseAvonale.xml", SOAPResponse);
}

}  // namespace veiculo
