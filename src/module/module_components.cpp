// Creation and lookup of the module's components, and its value holders as a list.

#include "module/ddm_veiculo_compartilhado_bd_impl.h"

#include "platform/db/client_dataset.h"
#include "platform/db/provider.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "platform/text.h"

namespace veiculo {

std::unique_ptr<TddmVeiculoCompartilhadoBD> TddmVeiculoCompartilhadoBD::Cria() {
  return std::make_unique<TddmVeiculoCompartilhadoBDImpl>();
}

TddmVeiculoCompartilhadoBDImpl::TddmVeiculoCompartilhadoBDImpl()
    : clock_([] { return platform::Now(); }) {
  CriaComponentes();
  caches_.push_back(std::make_unique<platform::ClientDataSet>("cdsPvEstoqueIntermediario"));
  cdsPvEstoqueIntermediario = caches_.back().get();
  caches_.push_back(std::make_unique<platform::ClientDataSet>("cdsPvOpcionais"));
  cdsPvOpcionais = caches_.back().get();
  InstalaEventosProposta();
}

TddmVeiculoCompartilhadoBDImpl::~TddmVeiculoCompartilhadoBDImpl() = default;

platform::Component* TddmVeiculoCompartilhadoBDImpl::FindComponent(const std::string& name) const {
  for (const auto& component : components_)
    if (platform::SameText(component->Name(), name)) return component.get();
  return nullptr;
}

std::vector<TddmVeiculoCompartilhadoBDImpl::ValueHolder>
TddmVeiculoCompartilhadoBDImpl::ValueHolders() const {
  using Kind = ValueHolder::Kind;
  auto kind_of = [](std::string_view type) {
    if (type == "int32_t") return Kind::Integer;
    if (type == "DateTime") return Kind::DateTime;
    if (type == "std::string") return Kind::Text;
    if (type == "DataPacket") return Kind::Packet;
    return Kind::Float;
  };
  std::vector<ValueHolder> holders;
#define HOLDER(type, field) holders.push_back(ValueHolder{#field, kind_of(#type), field});
#define HOLDER_NO_ACCESSORS(type, field) HOLDER(type, field)
#include "veiculo/value_holders.inc"
#undef HOLDER
#undef HOLDER_NO_ACCESSORS
  holders.push_back(ValueHolder{"rPbDeflacaoPagamento", Kind::Float, rPbDeflacaoPagamento});
  return holders;
}

}  // namespace veiculo
