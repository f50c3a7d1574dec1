#pragma once
// Results of pure text work (a dialect translation, a parse of markers) kept
// by the exact text they came from, so that a text seen before skips the
// work: the module opens the same few hundred texts again and again, and a
// batch costing opens each of them for every vehicle.
//
// Bounded (the least recently used text goes first, since batch commands
// also write texts that are new for every vehicle) and safe to share between
// threads. Values are immutable once made; a lookup hands out a shared
// pointer, so an entry evicted while in use stays alive for its holder.
//
// `SetTextMemosEnabled(false)` makes every memo compute afresh (and keep
// nothing), to measure what the memos save.

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace veiculo::platform {

void SetTextMemosEnabled(bool on);
bool TextMemosEnabled();

template <typename V>
class TextMemo {
 public:
  explicit TextMemo(size_t capacity) : capacity_(capacity) {}

  // The value kept for `text`, or `make(text)` kept for it. `make` runs
  // outside the lock; an exception from it keeps nothing.
  template <typename Make>
  std::shared_ptr<const V> Get(const std::string& text, Make&& make) {
    if (!TextMemosEnabled()) return std::make_shared<const V>(make(text));
    {
      std::lock_guard<std::mutex> lock(mutex_);
      auto hit = index_.find(text);
      if (hit != index_.end()) {
        order_.splice(order_.begin(), order_, hit->second);
        return hit->second->second;
      }
    }
    auto made = std::make_shared<const V>(make(text));
    std::lock_guard<std::mutex> lock(mutex_);
    if (index_.count(text) == 0) {  // another thread may have made it meanwhile
      order_.emplace_front(text, made);
      index_.emplace(order_.front().first, order_.begin());
      if (order_.size() > capacity_) {
        index_.erase(order_.back().first);
        order_.pop_back();
      }
    }
    return made;
  }

  size_t Size() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return order_.size();
  }

 private:
  using Entry = std::pair<std::string, std::shared_ptr<const V>>;
  const size_t capacity_;
  mutable std::mutex mutex_;
  std::list<Entry> order_;  // most recently used first
  // Keys view the texts held in `order_` (list nodes do not move).
  std::unordered_map<std::string_view, typename std::list<Entry>::iterator> index_;
};

}  // namespace veiculo::platform
