// The module frame: lifecycle, connection binding and the dataset helpers.

#include "operations/define.h"

namespace veiculo::cli {

void RegisterFrameOperations(Registry& r) {
  r.Add(Op("InicializaDM", "Prepares the module's datasets (the host has already done it)")
            .Calls(&Module::InicializaDM));
  r.Add(Op("FinalizaDM", "Releases the module's connection").Calls(&Module::FinalizaDM));
  r.Add(Op("AtribuiConexao", "Binds the host's connection and chooses the SQL dialect from it")
            .Calls(&Module::AtribuiConexao, "pfConexao"));
  r.Add(Op("SetaSQLConnection", "Binds the module's connection to every SQL dataset")
            .Calls(&Module::SetaSQLConnection));
  r.Add(Op("LimpaSQLConnection", "Unbinds the connection from every SQL dataset")
            .Calls(&Module::LimpaSQLConnection));
  r.Add(Op("FechaSds", "Closes one of the module's datasets by name")
            .Calls(&Module::FechaSds, Text("pNomeSds", "a dataset name, e.g. sdsAux")));
  r.Add(Op("AlteraCommandText", "Replaces the SQL text of one of the module's datasets")
            .Calls(&Module::AlteraCommandText, Text("pNomeCds", "a dataset name, e.g. cdsVeiculo"),
                   Text("pCommandText", "SQL with :Name parameters")));
}

}  // namespace veiculo::cli
