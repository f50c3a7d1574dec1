#include "operations/json_output.h"

#include <cmath>

#include "platform/format/convert.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

Json PacketJson(const DataPacket& packet) {
  return Json::parse(WithDistinctNames(packet).ToJson());
}

Json NumberJson(double value) {
  return std::isfinite(value) ? Json(value) : Json(nullptr);
}

}  // namespace

DataPacket WithDistinctNames(DataPacket packet) {
  for (size_t i = 1; i < packet.fields.size(); ++i) {
    const int first = packet.FieldIndex(packet.fields[i].name);
    if (first < 0 || static_cast<size_t>(first) == i) continue;
    const std::string base = packet.fields[i].name;
    std::string candidate;
    for (int n = 1; candidate.empty() || packet.FieldIndex(candidate) >= 0; ++n)
      candidate = base + "_" + std::to_string(n);
    packet.fields[i].name = candidate;
  }
  return packet;
}

std::string JsonText(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string IsoSeconds(double serial) {
  return platform::DateTimeToIso(serial).substr(0, 19);
}

Json ToJson(const TypedValue& value) {
  return std::visit(
      [](const auto& v) -> Json {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::monostate>)
          return nullptr;
        else if constexpr (std::is_same_v<V, double>)
          return NumberJson(v);
        else if constexpr (std::is_same_v<V, DateTimeValue>)
          return IsoSeconds(v.serial);
        else if constexpr (std::is_same_v<V, DataPacket>)
          return PacketJson(v);
        else
          return v;
      },
      value);
}

Json HoldersJson(const TddmVeiculoCompartilhadoBD& module) {
  using Kind = TddmVeiculoCompartilhadoBD::ValueHolder::Kind;
  Json holders = Json::object();
  for (const auto& holder : module.ValueHolders()) {
    Json& slot = holders[holder.name];
    switch (holder.kind) {
      case Kind::Integer:
        slot = std::get<int32_t>(holder.value);
        break;
      case Kind::Float:
        slot = NumberJson(std::get<double>(holder.value));
        break;
      case Kind::DateTime:
        slot = IsoSeconds(std::get<double>(holder.value));
        break;
      case Kind::Text:
        slot = std::get<std::string>(holder.value);
        break;
      case Kind::Packet:
        slot = PacketJson(std::get<DataPacket>(holder.value));
        break;
    }
  }
  return holders;
}

Json CallResultJson(const std::string& operation, const TypedValue& result,
                    const std::vector<std::pair<std::string, TypedValue>>& outputs,
                    const TddmVeiculoCompartilhadoBD& module) {
  Json out = Json::object();
  for (const auto& [name, value] : outputs) out[name] = ToJson(value);
  Json call = Json::object();
  call["operation"] = operation;
  call["result"] = ToJson(result);
  call["out"] = std::move(out);
  call["holders"] = HoldersJson(module);
  return call;
}

}  // namespace veiculo::cli
