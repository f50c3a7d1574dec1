#include "session_conflict.h"

namespace veiculo::cli {

bool IsSessionConflict(const std::string& message) {
  for (const char* words :
       {"update conflicts with concurrent update", "deadlock", "lock conflict", "lock time-out"})
    if (message.find(words) != std::string::npos) return true;
  return false;
}

std::string OneLineMessage(std::string message) {
  for (size_t at; (at = message.find('\n')) != std::string::npos;) message.replace(at, 1, "; ");
  return message;
}

}  // namespace veiculo::cli
