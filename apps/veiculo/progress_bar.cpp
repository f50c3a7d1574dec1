#include "progress_bar.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include <fmt/format.h>

#include "interrupts.h"

namespace veiculo::cli {

ProgressBar::ProgressBar(size_t total) : total_(total), terminal_(isatty(fileno(stderr)) != 0) {}

bool ProgressBar::LineDue(size_t done) const {
  return done % 100 == 0 || done == total_;
}

void ProgressBar::Show(size_t done, const std::string& bar_text,
                       const std::string& plain_line) const {
  if (terminal_) {
    const size_t width = 40;
    const size_t filled = total_ == 0 ? width : done * width / total_;
    std::cerr << fmt::format("\r[{}{}] {}/{} {}  ", std::string(filled, '#'),
                             std::string(width - filled, '.'), done, total_, bar_text)
              << std::flush;
    if (done == total_) std::cerr << '\n';
  } else if (LineDue(done)) {
    std::cerr << plain_line << '\n';
  }
}

void ProgressBar::CheckInterrupt() const {
  if (terminal_ && InterruptSignal() != 0) std::cerr << '\n';
  veiculo::cli::CheckInterrupt();
}

}  // namespace veiculo::cli
