#pragma once
// The longest text a parameter may hold: the length of the column the
// module compares it with or writes it to. A longer text could never match a
// row or fit its column; sent on, the engine would refuse it ("string right
// truncation", or a statement past its 64 KB when spliced as a literal)
// after the work had begun. The host refuses it before the database is
// touched, naming the parameter, the limit and the column.

#include <cstddef>
#include <string_view>
#include <vector>

#include "veiculo/data_packet.h"

namespace veiculo::cli {

struct TextLimit {
  const char* column;  // TABLE.COLUMN
  size_t length;       // in characters
};

// The limit of a text parameter of an operation, or nullptr when it has none
// (free texts the module parses, lists, names of its own components).
const TextLimit* TextLimitOf(std::string_view operation, std::string_view param);

// Every limit, for the check that each equals its column's length.
std::vector<TextLimit> AllTextLimits();

// Throws InputError (validation) when `text` has more characters than the
// parameter's limit: "N characters, more than the M of TABLE.COLUMN".
void CheckTextLimit(std::string_view operation, std::string_view param, std::string_view text);

// The same for an option of a host command ("custo", "--veiculo"); the
// message starts with the option.
void CheckOptionLimit(std::string_view command, std::string_view option, std::string_view text);

// A data packet a caller sends: each text no longer than its field's size
// nor than the column a field of that name holds ("VEICULO", "CHASSI", ...).
// Throws InputError (validation): "row R, field F: N characters, more than ...".
void CheckPacketTexts(const DataPacket& packet);

}  // namespace veiculo::cli
