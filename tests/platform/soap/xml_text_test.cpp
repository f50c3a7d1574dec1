// Escaping of values written into hand-built XML.

#include "platform/soap/xml_text.h"

#include <gtest/gtest.h>

namespace veiculo::platform {
namespace {

TEST(XmlEscape, ReplacesTheMarkupCharactersAndKeepsEverythingElse) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},
      {"Joao da Silva", "Joao da Silva"},
      {"A&B Veiculos", "A&amp;B Veiculos"},
      {"<q0:x>", "&lt;q0:x&gt;"},
      {"diz \"sim\" e 'nao'", "diz &quot;sim&quot; e &apos;nao&apos;"},
      {"&amp;", "&amp;amp;"},  // an entity already in the text is data, escaped again
      {"S\xC3\xA3o Paulo", "S\xC3\xA3o Paulo"},  // UTF-8 bytes pass unchanged
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(XmlEscape(text), expected) << text;
}

}  // namespace
}  // namespace veiculo::platform
