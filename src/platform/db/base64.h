#pragma once
// Base64 (RFC 4648, standard alphabet, "=" padding): how blob fields travel in
// the data packet's JSON form.
//
// Decoding is strict: the text must be a whole number of 4-character groups
// of the alphabet, with padding only at the end; anything else (white space
// included) raises veiculo::Error (validation) naming the position.

#include <string>
#include <string_view>

namespace veiculo::platform {

std::string Base64Encode(std::string_view bytes);
std::string Base64Decode(std::string_view text);

}  // namespace veiculo::platform
