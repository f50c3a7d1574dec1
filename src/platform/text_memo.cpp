#include "platform/text_memo.h"

#include <atomic>

namespace veiculo::platform {
namespace {

std::atomic<bool> memos_enabled{true};

}  // namespace

void SetTextMemosEnabled(bool on) {
  memos_enabled.store(on, std::memory_order_relaxed);
}
bool TextMemosEnabled() {
  return memos_enabled.load(std::memory_order_relaxed);
}

}  // namespace veiculo::platform
