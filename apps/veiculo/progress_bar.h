// Progress of a batch command on stderr: a bar redrawn in place when stderr
// is a terminal; a plain line every 100 items (and at the end) otherwise, so
// that logs of scheduled runs stay short.
#pragma once

#include <cstddef>
#include <string>

namespace veiculo::cli {

class ProgressBar {
 public:
  explicit ProgressBar(size_t total);

  // Shows `done` of the total: on a terminal the bar followed by
  // "done/total " + bar_text; otherwise plain_line, when it is due.
  void Show(size_t done, const std::string& bar_text, const std::string& plain_line) const;
  // Whether Show will print the plain line for `done` (callers that build an
  // expensive line can skip it).
  bool LineDue(size_t done) const;
  // Ends the bar's line before the host reports an interrupt, then raises it.
  void CheckInterrupt() const;

  size_t total() const { return total_; }
  bool terminal() const { return terminal_; }

 private:
  size_t total_;
  bool terminal_;
};

}  // namespace veiculo::cli
