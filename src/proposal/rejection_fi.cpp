// A rejected proposal that was sent to an F&I provider for analysis is
// cancelled there too: at F&I Brasil its order and then its sale, at Avonale
// (FI Manager) the proposal, unless the proposal is only being returned.
// A provider that refuses, fails or cannot be reached leaves the rejection's
// database work in place and is reported through the result text.

#include <exception>
#include <functional>
#include <string>

#include "fi_brasil/commands/fi_comandos.h"
#include "fi_brasil/fi_credentials.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/format/date_time.h"
#include "proposal/rejection.h"
#include "veiculo/dm_fi_avonale.h"

namespace veiculo {
namespace {

// Runs one F&I Brasil cancellation; an error (missing settings, transport,
// fault, timeout) counts as a failure like a refusal.
template <class Comando>
bool CancelaNoFIB(Comando& comando, int32_t pfProposta,
                  const std::function<void(fi_brasil::TFIBase&)>& credencia) {
  try {
    credencia(comando);
    comando.NumeroPedidoDMS = pfProposta;
    return comando.Executar();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::CancelaFIRejeicao(const RejeicaoProposta& r) {
  if (!r.enviada_analise) return "";
  if (r.integracao_fi == 2) {
    const auto credencia = [&](fi_brasil::TFIBase& comando) {
      CredenciaFIB(comando, r.empresa, r.revenda, fi_brasil::kSufixoVenda);
    };
    {
      fi_brasil::TCancelaPedido pedido;
      if (!CancelaNoFIB(pedido, r.proposta, credencia))
        return "NOK|1-Não foi possível cancelar a proposta no F&I System.;";
    }
    fi_brasil::TCancelaVenda venda;
    if (!CancelaNoFIB(venda, r.proposta, credencia))
      return "NOK|2-Não foi possível cancelar a proposta no F&I System.;";
    return "";
  }
  if (r.integracao_fi == 4 && r.acao_rejeicao != "DEVOLVER") {
    std::string cnpj, url;
    if (!BuscaParametrosFIA(r.empresa, r.revenda, cnpj, url)) return "";
    TdmFIAvonale avonale;
    std::string erro;
    if (!avonale.CancelarPropostaTipado(cnpj, r.empresa, r.revenda, r.proposta, 0,
                                        platform::DateOf(Agora()), url, erro))
      return "NOK|[Erro Integração F&I Avonale] " + erro + ";";
  }
  return "";
}

}  // namespace veiculo
