#include "platform/format/format_settings.h"

namespace veiculo::platform {
namespace {
FormatSettings& Current() {
  static FormatSettings settings;
  return settings;
}
}  // namespace

const FormatSettings& CurrentFormatSettings() { return Current(); }
void SetCurrentFormatSettings(const FormatSettings& settings) { Current() = settings; }

}  // namespace veiculo::platform
