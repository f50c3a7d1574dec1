#pragma once
// SIGINT (Ctrl-C) and SIGTERM while a command runs: the work in flight is
// rolled back and the host exits 128 + the signal (130, 143).
//
// WatchInterrupts, called first thing in main, blocks both signals in every
// thread (the database engine's threads, started later, inherit the mask, so
// its own handlers never see them) and starts a thread that waits for them.
// The first signal is recorded; the host notices it before the next SQL
// statement or step (CheckInterrupt) and unwinds with Interrupted, rolling
// back as it goes. A statement already sent runs to its end first: cancelling
// it inside the engine leaves the database library's statements in a state
// it cannot clean up. A second signal ends the process at once (the engine
// discards the open transaction when the file is next opened).

#include <stdexcept>
#include <string>

namespace veiculo::cli {

class Interrupted : public std::runtime_error {
 public:
  explicit Interrupted(int signal);
  int signal() const { return signal_; }
  // 128 + the signal number.
  int ExitCode() const { return 128 + signal_; }

 private:
  int signal_;
};

void WatchInterrupts();

// The signal received so far (SIGINT or SIGTERM), or 0.
int InterruptSignal();

// Throws Interrupted when a signal has been received.
void CheckInterrupt();

// "SIGINT", "SIGTERM".
std::string SignalName(int signal);

}  // namespace veiculo::cli
