// Dealer parameters, function rights, the dealer's brand and the vehicle with
// its costing formula.

#include "operations/define.h"

namespace veiculo::cli {

void RegisterParameterOperations(Registry& r) {
  r.Add(Op("LerParametro",
           "Reads the dealer's parameters (UB, UF, PIS + COFINS, ...) into the module's holders")
            .Calls(&Module::LerParametro, "pfEmpresa", "pfRevenda"));
  r.Add(Op("LerParametroServer",
           "Reads the dealer's parameters and returns them as packets and figures")
            .Calls(&Module::LerParametroServer, "pfEmpresa", "pfRevenda", "pcdsParametro",
                   "pcdsRevenda", "pUB", "pUF", "pPis_Cofins"));
  r.Add(Op("BuscaCdsParametro",
           "The packet of the dealer parameters read last, or the integer 1 when none is open")
            .Returns({ParamType::DataPacket, ParamType::Integer})
            .Calls([](CallContext& c) -> TypedValue {
              auto result = c.Module().BuscaCdsParametro();
              if (auto* packet = std::get_if<DataPacket>(&result)) return std::move(*packet);
              return std::get<int32_t>(result);
            }));
  r.Add(Op("PermissaoFuncao", "Whether a user has the right to a function of the system")
            .Calls(&Module::PermissaoFuncao, "pfUsuario", "pfFuncao"));
  r.Add(Op("BuscaMarca", "Reads the dealer's brand into the module")
            .Calls(&Module::BuscaMarca, "pfEmpresa", "pfRevenda"));
  r.Add(Op("LerVeiculo", "Makes a vehicle and its costing formula the module's current vehicle")
            .Calls(&Module::LerVeiculo, "pfEmpresa", "pfVeiculo", "pfUtilizaFindKey"));
  r.Add(Op("LerVeiculoServer", "Reads a vehicle and its formula lines and returns them as packets")
            .Calls(&Module::LerVeiculoServer, "pfEmpresa", "pfVeiculo", "pcdsVeiculo",
                   "pcdsFormulaLinha", "pfUtilizaFindKey"));
}

}  // namespace veiculo::cli
