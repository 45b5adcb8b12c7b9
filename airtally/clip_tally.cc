// The clip tally and its index by tail.
#include "airtally/clip_tally.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace airtally {
namespace {

constexpr size_t kBlockSize = 1 << 20;

uint64_t HashOf(std::string_view tail) { return std::hash<std::string_view>()(tail); }

}  // namespace

std::string_view ClipTail(std::string_view key) {
  const size_t slash = key.rfind('\\');
  return slash == std::string_view::npos ? key : key.substr(slash);
}

size_t ClipTally::FindSlot(std::string_view tail, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.entry == 0) return at;
    if (slot.hash == hash && std::string_view(slot.tail, slot.tail_size) == tail) return at;
  }
}

bool ClipTally::CountKnownClip(std::string_view key) {
  if (slots_.empty()) return false;
  const std::string_view tail = ClipTail(key);
  const Slot& slot = slots_[FindSlot(tail, HashOf(tail))];
  if (slot.entry == 0) return false;
  ++ClipCounts[slot.entry - 1];
  return true;
}

void ClipTally::Prefetch(std::string_view key, int stage) const {
  if (slots_.empty()) return;
  const Slot& slot = slots_[HashOf(ClipTail(key)) & (slots_.size() - 1)];
  if (stage == 0) {
    __builtin_prefetch(&slot);
  } else if (slot.entry != 0) {
    __builtin_prefetch(slot.tail);
    __builtin_prefetch(&ClipCounts[slot.entry - 1]);
  }
}

std::string_view ClipTally::Store(std::string_view key) {
  if (blocks_.empty() || key.size() > block_free_) {
    const size_t size = std::max(kBlockSize, key.size());
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    block_next_ = blocks_.back().get();
    block_free_ = size;
  }
  char* const copy = block_next_;
  std::memcpy(copy, key.data(), key.size());
  block_next_ += key.size();
  block_free_ -= key.size();
  return {copy, key.size()};
}

void ClipTally::AddClip(std::string_view key) {
  if (2 * (ClipCounts.size() + 1) > slots_.size()) Grow();
  const std::string_view stored = Store(key);
  ClipKeys.push_back(stored);
  ClipCounts.push_back(1);
  const std::string_view tail = ClipTail(stored);
  const uint64_t hash = HashOf(tail);
  // AddClip follows a failed lookup, so the tail is not there yet; were it
  // there, the first entry with it would go on being found.
  Slot& slot = slots_[FindSlot(tail, hash)];
  if (slot.entry == 0) {
    slot = {hash, tail.data(), tail.size(), ClipCounts.size()};
  }
}

void ClipTally::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    size_t at = slot.hash & mask;
    while (slots_[at].entry != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace airtally
