// FI Manager (Avonale): the invoicing update a host sends when a proposal
// sold with Avonale's F&I is invoiced. Calls the service only; nothing is
// written to the database.

#include "operations/define.h"
#include "veiculo/dm_fi_avonale.h"

namespace veiculo::cli {

void RegisterFiManagerOperations(Registry& r) {
  r.Add(Op("AtualizarFaturamentoTipado",
           "Tells Avonale's FI Manager a proposal was invoiced (with the invoice PDF when "
           "pfArquivo names one); true on Ok or Aviso, pfMensagem says why")
            .Calls(
                [](CallContext&, std::string pfCnpjLoja, int32_t pfEmpresa, int32_t pfRevenda,
                   int32_t pfProposta, int32_t pfNotaFiscal, double pfDataNotaFiscal,
                   std::string pfURL, std::string& pfMensagem, std::string pfArquivo) {
                  return TdmFIAvonale().AtualizarFaturamentoTipado(
                      pfCnpjLoja, pfEmpresa, pfRevenda, pfProposta, pfNotaFiscal, pfDataNotaFiscal,
                      pfURL, pfMensagem, pfArquivo);
                },
                "pfCnpjLoja", "pfEmpresa", "pfRevenda", "pfProposta", "pfNotaFiscal",
                Date("pfDataNotaFiscal"), Text("pfURL", "the service's URL"), Out("pfMensagem"),
                Text("pfArquivo", "the invoice PDF's path, or empty")));
}

}  // namespace veiculo::cli
