// The module frame: lifecycle, connection binding and the dataset helpers.

#include "operations/call_context.h"
#include "operations/registry.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {

void RegisterFrameOperations(Registry& r) {
  using T = ParamType;
  r.Add({"InicializaDM", {}, {}, [](CallContext& c) -> TypedValue {
           c.Module().InicializaDM();
           return {};
         }});
  r.Add({"FinalizaDM", {}, {}, [](CallContext& c) -> TypedValue {
           c.Module().FinalizaDM();
           return {};
         }});
  r.Add({"AtribuiConexao", {{"pfConexao", T::Connection}}, {}, [](CallContext& c) -> TypedValue {
           c.Module().AtribuiConexao(&c.HostConnection());
           return {};
         }});
  r.Add({"SetaSQLConnection", {}, {}, [](CallContext& c) -> TypedValue {
           c.Module().SetaSQLConnection();
           return {};
         }});
  r.Add({"LimpaSQLConnection", {}, {}, [](CallContext& c) -> TypedValue {
           c.Module().LimpaSQLConnection();
           return {};
         }});
  r.Add({"FechaSds", {{"pNomeSds", T::Text}}, {}, [](CallContext& c) -> TypedValue {
           c.Module().FechaSds(c.Text("pNomeSds"));
           return {};
         }});
  r.Add({"AlteraCommandText",
         {{"pNomeCds", T::Text}, {"pCommandText", T::Text}},
         {},
         [](CallContext& c) -> TypedValue {
           c.Module().AlteraCommandText(c.Text("pNomeCds"), c.Text("pCommandText"));
           return {};
         }});
}

}  // namespace veiculo::cli
