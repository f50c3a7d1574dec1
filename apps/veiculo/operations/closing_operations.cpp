// F&I Brasil closing import: a sale closed on the F&I side brought into the
// dealer's proposal, and one financial return line of a negotiation.

#include <string>

#include "operations/define.h"

namespace veiculo::cli {

void RegisterClosingOperations(Registry& r) {
  // The module answers "OK" or its notice and error lines; whether the
  // import failed it tells apart (StatusFechaVendaFIB). A failed import is
  // answered in the host's failure form, "NOK|" and the lines, so that the
  // call's transaction keeps nothing of it.
  r.Add(Op("FechaVendaFIB",
           "Imports the sale the F&I desk closed for a proposal into its negotiation and "
           "confirms it to F&I Brasil (a failed import answers NOK| and its lines, rolled back)")
            .Writes()
            .Calls(
                [](CallContext& c, int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                   int32_t pfNegociacao, int32_t pfPropostaFIB, const std::string& pfChassi,
                   double pfDataProcessamento) -> std::string {
                  std::string resultado =
                      c.Module().FechaVendaFIB(pfEmpresa, pfRevenda, pfProposta, pfNegociacao,
                                               pfPropostaFIB, pfChassi, pfDataProcessamento);
                  return c.Module().StatusFechaVendaFIB() == 0 ? resultado : "NOK|" + resultado;
                },
                "pfEmpresa", "pfRevenda", "pfProposta", "pfNegociacao", "pfPropostaFIB", "pfChassi",
                Date("pfDataProcessamento")));
  r.Add(Op("GravaRetornoFin",
           "Writes one financial return line of a negotiation on an F&I account (negative: a "
           "debit); false with the failed statement and its error")
            .Writes()
            .Calls(&Module::GravaRetornoFin, "pfEmpresa", "pfRevenda", "pfProposta", "pfNegociacao",
                   "pfFinanceira", "pfContaFI", "pfDescricaoFI", "pfValorFI", "pfComissao",
                   Date("pfDataProcessamento"),
                   Text("pfSQLText", "FI_INTEGRACAO marks the line as the integration's, or empty"),
                   Out("pfSQLEMessage")));
}

}  // namespace veiculo::cli
