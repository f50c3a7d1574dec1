#pragma once
// The JSON the host prints for a call:
//   {"operation": "LerParametro", "result": true,
//    "out": {var and out parameters by name}, "holders": {every value holder by name}}
// Integers and doubles are JSON numbers (a double that is not finite is null),
// texts strings, Booleans true/false, date-times "YYYY-MM-DDTHH:MM:SS", data
// packets in the packet's JSON shape, and "no value" (procedures) null. Keys
// keep the order of the parameter list and of the module's holder list.

#include <nlohmann/json.hpp>

#include <string>
#include <utility>
#include <vector>

#include "operations/typed_value.h"

namespace veiculo {
class TddmVeiculoCompartilhadoBD;
}

namespace veiculo::cli {

using Json = nlohmann::ordered_json;

Json ToJson(const TypedValue& value);
// A query that joins tables with columns of the same name (the vehicle query's
// EMPRESA, MODELO, PRECO_PUBLICO) gives a packet whose field names repeat; its
// JSON rows are keyed by name and would keep only one of the values. The
// packet printed has the later fields of a repeated name (compared without
// regard to case) renamed NAME_1, NAME_2, ... (the first suffix not taken).
DataPacket WithDistinctNames(DataPacket packet);
// A date-time as "YYYY-MM-DDTHH:MM:SS" (milliseconds dropped).
std::string IsoSeconds(double serial);
// Every value holder of the module with its current value.
Json HoldersJson(const TddmVeiculoCompartilhadoBD& module);
// Compact JSON text; bytes that are not UTF-8 (a text column of a database in
// another character set) are replaced by U+FFFD rather than failing the call.
std::string JsonText(const Json& json);

Json CallResultJson(const std::string& operation, const TypedValue& result,
                    const std::vector<std::pair<std::string, TypedValue>>& outputs,
                    const TddmVeiculoCompartilhadoBD& module);

}  // namespace veiculo::cli
