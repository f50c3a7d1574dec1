#include "platform/soap/xml_element.h"

#include <pugixml.hpp>

namespace veiculo::platform {

std::string_view LocalPart(std::string_view qualified_name) {
  const auto colon = qualified_name.find(':');
  return colon == std::string_view::npos ? qualified_name : qualified_name.substr(colon + 1);
}

std::string XmlElement::LocalName() const {
  return std::string(LocalPart(pugi::xml_node(node_).name()));
}

std::string XmlElement::Text() const {
  std::string text;
  for (pugi::xml_node child : pugi::xml_node(node_).children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
      text += child.value();
  }
  return text;
}

bool XmlElement::IsNil() const {
  for (pugi::xml_attribute attribute : pugi::xml_node(node_).attributes()) {
    if (LocalPart(attribute.name()) == "nil") {
      const std::string_view value = attribute.value();
      return value == "true" || value == "1";
    }
  }
  return false;
}

XmlElement XmlElement::Child(std::string_view local_name) const {
  for (pugi::xml_node child : pugi::xml_node(node_).children()) {
    if (child.type() == pugi::node_element && LocalPart(child.name()) == local_name)
      return XmlElement(child.internal_object());
  }
  return XmlElement();
}

std::vector<XmlElement> XmlElement::Children(std::string_view local_name) const {
  std::vector<XmlElement> found;
  for (pugi::xml_node child : pugi::xml_node(node_).children()) {
    if (child.type() == pugi::node_element && LocalPart(child.name()) == local_name)
      found.emplace_back(child.internal_object());
  }
  return found;
}

std::vector<XmlElement> XmlElement::Children() const {
  std::vector<XmlElement> found;
  for (pugi::xml_node child : pugi::xml_node(node_).children()) {
    if (child.type() == pugi::node_element) found.emplace_back(child.internal_object());
  }
  return found;
}

}  // namespace veiculo::platform
