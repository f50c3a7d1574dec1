#pragma once
// Read-only view of an element of a parsed SOAP reply. Elements are found by
// their local name: services differ in the prefixes they use and in where they
// declare their namespaces, so the prefix never matters. A view is valid as
// long as the SoapReply it came from lives.

#include <string>
#include <string_view>
#include <vector>

namespace pugi {
struct xml_node_struct;
}

namespace veiculo::platform {

class XmlElement {
 public:
  XmlElement() = default;
  explicit XmlElement(pugi::xml_node_struct* node) : node_(node) {}

  // False for the view of an element that is absent.
  explicit operator bool() const { return node_ != nullptr; }
  // The name without its prefix ("return" for "ns:return").
  std::string LocalName() const;
  // The text content (the concatenated text and CDATA children).
  std::string Text() const;
  // True when the element carries xsi:nil="true" (any prefix).
  bool IsNil() const;

  // The first child element with this local name; an empty view when none.
  XmlElement Child(std::string_view local_name) const;
  // Every child element with this local name, in document order.
  std::vector<XmlElement> Children(std::string_view local_name) const;
  // Every child element, in document order.
  std::vector<XmlElement> Children() const;

 private:
  pugi::xml_node_struct* node_ = nullptr;
};

// The local part of a qualified XML name.
std::string_view LocalPart(std::string_view qualified_name);

}  // namespace veiculo::platform
