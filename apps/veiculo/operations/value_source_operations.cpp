// The cost value sources: entry and exit invoice values, present value and
// the model registry's values.
//
// The invoice values and the registry value read the vehicle the module is
// working on: in a `veiculo run` script, call LerVeiculo first. Without a
// current vehicle they give the values of a vehicle without invoices or
// prices: 0.

#include "operations/define.h"

namespace veiculo::cli {
namespace {

constexpr const char* kSimNao = "S or N";

void RegisterInvoiceOperations(Registry& r) {
  r.Add(Op("BuscaValorNotaEntrada",
           "One value of the current vehicle's entry invoice, chosen by an incidence code")
            .Calls(&Module::BuscaValorNotaEntrada, "pfEmpresa", "pfRevenda",
                   Text("pfIncidencia", "an incidence code, e.g. N (invoice total)"),
                   Date("PDataProcessamento")));
  r.Add(Op("BuscaValorNotaSaida",
           "One value of the current vehicle's exit invoice, chosen by an identification code")
            .Reads({"dPbValorVenda"})
            .Calls(&Module::BuscaValorNotaSaida, "pfEmpresa", "pfRevenda",
                   Text("pfIdentificacao", "an identification code, e.g. D (ICMS of the sale)"),
                   Text("pfSomarICMSPartRemeDest", kSimNao)));
}

void RegisterPresentValueOperations(Registry& r) {
  r.Add(Op("BuscaValorPresente",
           "A value carried from one date to another by an index or the vehicle's financing plan")
            .Calls(&Module::BuscaValorPresente, "pfEmpresa", "pfIndice", "pfValor", Date("pfData1"),
                   Date("pfData2"), "pfIncidencia", "veiculo"));
  r.Add(Op("CalculaValorPresente", "The present value of an amount under the dealer's index")
            .Calls(&Module::CalculaValorPresente, "pfEmpresa", "pfRevenda", "pfIndice",
                   "pfIncidencia", "pfVeiculo", "pfValor", Date("pfData1"), Date("pfData2")));
}

void RegisterRegistryValueOperations(Registry& r) {
  r.Add(Op("BuscaValorCadastroModelos",
           "The registry sale value of the current vehicle (model, edition, package, paint)")
            .Calls(&Module::BuscaValorCadastroModelos, "PEmpresa", "PUsaPrecoEdicao",
                   "PUsaPrecoPacote", "PRevenda"));
  r.Add(Op("BuscaValorEdicao", "The price of a model's edition for a paint and model year")
            .Calls(&Module::BuscaValorEdicao, "PEmpresa", "PModelo", "PTipoPintura", "PEdicao",
                   "PAnoModelo"));
  r.Add(Op("BuscaValorPacote", "The price of an optional package for a model year and paint")
            .Calls(&Module::BuscaValorPacote, "PEmpresa", "PPacote", "pAnomodelo", "pTipoPintura"));
  r.Add(
      Op("SomaOpcionais", "The sum of the optionals fitted to a chassis")
          .Calls(&Module::SomaOpcionais, "pfEmpresa", Text("pfConsideraOpc", kSimNao), "pfChassi"));
  r.Add(Op("BuscarValorFichaGama", "The value of a chassis on the maker's price list")
            .Calls(&Module::BuscarValorFichaGama, "Empresa", "Modelo", "Chassi"));
  r.Add(Op("UtilizaNissanDI", "Whether the dealer prices from the maker's price list")
            .Calls(&Module::UtilizaNissanDI, Text("pfEmpresa", "the company number as text"),
                   Text("pfRevenda", "the dealer number as text")));
  r.Add(Op("SituacoesVeiculoEstoqueDisponivelVenda",
           "Whether a vehicle situation counts as stock available for sale")
            .Calls(&Module::SituacoesVeiculoEstoqueDisponivelVenda, "pfSituacao"));
}

}  // namespace

void RegisterValueSourceOperations(Registry& r) {
  RegisterInvoiceOperations(r);
  RegisterPresentValueOperations(r);
  RegisterRegistryValueOperations(r);
}

}  // namespace veiculo::cli
