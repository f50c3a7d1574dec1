// The maker's bonuses, financing subsidies, rebates, financing returns and the
// salesperson's commission.

#include "operations/define.h"

namespace veiculo::cli {

void RegisterBonusOperations(Registry& r) {
  constexpr const char* kLocalDate = "a local date, dd/mm/yyyy";
  r.Add(Op("BuscaDadosBonus",
           "The maker's bonuses a vehicle qualifies for; pfTipo 1 total, 2 first notice, 3 all "
           "notices, 4 bonus;group;notice;value§ each")
            .Calls(&Module::BuscaDadosBonus, "pfVeiculo", "pfChassi", "pfModelo", "pfEdicao",
                   "pfPacote", Text("pfDataCompra", kLocalDate), Text("pfDataVenda", kLocalDate),
                   "pfEmpresa", "pfAnoFab", "pfAnoMod", "pfPortas",
                   Text("pfBonus", "a bonus group, or empty for every group"), "pfTipo"));
  r.Add(Op("BuscaValorBonus", "The total value of the maker's bonuses a vehicle qualifies for")
            .Calls(&Module::BuscaValorBonus, "pfVeiculo", "pfChassi", "pfModelo", "pfEdicao",
                   "pfPacote", Text("pfDataCompra", kLocalDate), Text("pfDataVenda", kLocalDate),
                   "pfEmpresa", "pfAnoFab", "pfAnoMod", "pfPortas",
                   Text("pfBonus", "a bonus group, or empty for every group")));
  r.Add(Op("BuscaSubsidios", "The maker's financing subsidy over the first pfDias days")
            .Reads({"Base_Financeiro"})
            .Calls(&Module::BuscaSubsidios, "pfEmpresa", "pfDias", "pfLinha", "pfIndice",
                   "pfFormula", "pfVeiculo", "pfSubsidio", Date("pfDataProcessamento")));
  r.Add(Op("BuscaRebate",
           "What the financial base gains by being paid pfDias days after the start date")
            .Reads({"Base_Financeiro"})
            .Calls(&Module::BuscaRebate, "pfEmpresa", "pfRevenda", "pfIndice", "pfDias",
                   Date("pfDataInicio"), Date("pfDataFim")));
  r.Add(Op("BuscaRetorno", "The net financing returns of the proposal and negotiation in context")
            .Reads({"iPvProposta", "iPvNegociacao"})
            .Calls(&Module::BuscaRetorno, "pfEmpresa", "pfRevenda", "pfVeiculo"));
  r.Add(Op("BuscaRetornoLinha", "The net financing return of one return type")
            .Reads({"iPvProposta", "iPvNegociacao"})
            .Calls(&Module::BuscaRetornoLinha, "pfEmpresa", "pfRevenda", "pfVeiculo",
                   "pfTipoRetorno"));
  r.Add(Op("BuscaComissaoVendedor", "The salesperson's commission of the vehicle's proposal")
            .Reads({"BaseComissaoVendedor"})
            .Calls(&Module::BuscaComissaoVendedor, "pfEmpresa", "pfRevenda", "pfVeiculo"));
}

}  // namespace veiculo::cli
