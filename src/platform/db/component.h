#pragma once
// A named component of a data module: SQL datasets, providers and client
// datasets are all components, found by name by the operations that address
// them that way.

#include <string>

namespace veiculo::platform {

class Component {
 public:
  explicit Component(std::string name) : name_(std::move(name)) {}
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

}  // namespace veiculo::platform
