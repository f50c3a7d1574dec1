#pragma once
// The local number and date formats the module reads and writes text with.
// Brazilian by default (decimal ",", thousands ".", dates "dd/mm/yyyy"); a
// host or a test can switch them. One process-wide setting, like the
// platform's: a module instance serves one call at a time.

#include <string>

namespace veiculo::platform {

struct FormatSettings {
  char decimal_separator = ',';
  char thousand_separator = '.';
  char date_separator = '/';
  char time_separator = ':';
  // Letters as in FormatDateTime: d, dd, m, mm, yy, yyyy; separators as "/".
  std::string short_date_format = "dd/mm/yyyy";
  std::string long_time_format = "hh:nn:ss";

  static FormatSettings Brazilian() { return FormatSettings{}; }
  // Decimal ".", thousands ",", dates "mm/dd/yyyy": the other common setting.
  static FormatSettings English() { return FormatSettings{'.', ',', '/', ':', "mm/dd/yyyy", "hh:nn:ss"}; }
};

const FormatSettings& CurrentFormatSettings();
void SetCurrentFormatSettings(const FormatSettings& settings);

// Switches the current settings for a scope and restores them at its end.
class ScopedFormatSettings {
 public:
  explicit ScopedFormatSettings(const FormatSettings& settings)
      : saved_(CurrentFormatSettings()) {
    SetCurrentFormatSettings(settings);
  }
  ~ScopedFormatSettings() { SetCurrentFormatSettings(saved_); }
  ScopedFormatSettings(const ScopedFormatSettings&) = delete;
  ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

 private:
  FormatSettings saved_;
};

}  // namespace veiculo::platform
