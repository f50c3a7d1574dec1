// The SOAP reply reader: any body, under a 2xx or an error status, is either
// a reply whose elements can all be read or a veiculo::Error.

#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "platform/soap/soap_client.h"
#include "veiculo/error.h"

namespace {

void Walk(const veiculo::platform::XmlElement& element, int depth) {
  if (!element || depth > 64) return;
  (void)element.Text();
  (void)element.IsNil();
  // Every child is found again by its local name (the first of that name).
  for (const auto& child : element.Children()) {
    const veiculo::platform::XmlElement found = element.Child(child.LocalName());
    FUZZ_CHECK(found && found.LocalName() == child.LocalName());
    FUZZ_CHECK(!element.Children(child.LocalName()).empty());
    Walk(child, depth + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the HTTP status, the rest is the body.
  const long status = data[0] % 2 == 0 ? 200 : 500;
  const std::string body(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    const veiculo::platform::SoapReply reply =
        veiculo::platform::ReadSoapReply(body, status, "http://127.0.0.1/fuzz");
    FUZZ_CHECK(static_cast<bool>(reply.Body()));
    Walk(reply.Body(), 0);
    Walk(reply.Response(), 0);
  } catch (const veiculo::Error& e) {
    FUZZ_CHECK(e.category() == veiculo::ErrorCategory::Service);
  }
  return 0;
}
