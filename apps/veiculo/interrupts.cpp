#include "interrupts.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace veiculo::cli {
namespace {

std::atomic<int> received{0};

sigset_t InterruptSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

void Watch() {
  const sigset_t set = InterruptSignals();
  for (;;) {
    int signal = 0;
    if (sigwait(&set, &signal) != 0) continue;
    if (received.exchange(signal) != 0) _exit(128 + signal);  // the second one ends it now
  }
}

}  // namespace

Interrupted::Interrupted(int signal)
    : std::runtime_error("interrupted by " + SignalName(signal)), signal_(signal) {}

void WatchInterrupts() {
  const sigset_t set = InterruptSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::thread(Watch).detach();
}

int InterruptSignal() {
  return received.load();
}

void CheckInterrupt() {
  if (const int signal = received.load()) throw Interrupted(signal);
}

std::string SignalName(int signal) {
  if (signal == SIGINT) return "SIGINT";
  if (signal == SIGTERM) return "SIGTERM";
  return "signal " + std::to_string(signal);
}

}  // namespace veiculo::cli
