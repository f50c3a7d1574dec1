#pragma once
// Escaping of values written into hand-built XML.

#include <string>
#include <string_view>

namespace veiculo::platform {

// `text` with &, <, >, " and ' replaced by their entities, so that it can sit
// inside an element or an attribute value without changing the markup.
std::string XmlEscape(std::string_view text);

}  // namespace veiculo::platform
