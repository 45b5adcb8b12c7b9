// The clip tally and its index by tail.
#include "airtally/clip_tally.h"

#include <functional>

namespace airtally {

std::string_view ClipTail(std::string_view key) {
  const size_t slash = key.rfind('\\');
  return slash == std::string_view::npos ? key : key.substr(slash);
}

size_t ClipTally::FindSlot(std::string_view tail, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  const auto tag = static_cast<uint32_t>(hash >> 32);
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.entry == 0) return at;
    if (slot.hash_tag == tag) {
      const size_t entry = slot.entry - 1;
      const std::string_view stored(tails_.data() + tail_starts_[entry],
                                    tail_starts_[entry + 1] - tail_starts_[entry]);
      if (stored == tail) return at;
    }
  }
}

bool ClipTally::CountKnownClip(std::string_view key) {
  if (slots_.empty()) return false;
  const std::string_view tail = ClipTail(key);
  const Slot& slot = slots_[FindSlot(tail, std::hash<std::string_view>()(tail))];
  if (slot.entry == 0) return false;
  ++ClipCounts[slot.entry - 1];
  return true;
}

void ClipTally::Prefetch(std::string_view key, int stage) const {
  if (slots_.empty()) return;
  const std::string_view tail = ClipTail(key);
  const uint64_t hash = std::hash<std::string_view>()(tail);
  const Slot& slot = slots_[hash & (slots_.size() - 1)];
  if (stage == 0) {
    __builtin_prefetch(&slot);
  } else if (slot.entry != 0) {
    __builtin_prefetch(tails_.data() + tail_starts_[slot.entry - 1]);
    __builtin_prefetch(&ClipCounts[slot.entry - 1]);
  }
}

void ClipTally::AddClip(std::string_view key) {
  if (2 * (ClipCounts.size() + 1) > slots_.size()) Grow();
  const std::string_view tail = ClipTail(key);
  const uint64_t hash = std::hash<std::string_view>()(tail);
  ClipKeys.emplace_back(key);
  ClipCounts.push_back(1);
  if (tail_starts_.empty()) tail_starts_.push_back(0);
  tails_.append(tail);
  tail_starts_.push_back(tails_.size());
  // AddClip follows a failed lookup, so the tail is not there yet; with two
  // equal tails the first one added keeps being found.
  Slot& slot = slots_[FindSlot(tail, hash)];
  if (slot.entry == 0)
    slot = {static_cast<uint32_t>(hash >> 32), static_cast<uint32_t>(ClipCounts.size())};
}

void ClipTally::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    const size_t entry = slot.entry - 1;
    const std::string_view tail(tails_.data() + tail_starts_[entry],
                                tail_starts_[entry + 1] - tail_starts_[entry]);
    size_t at = std::hash<std::string_view>()(tail) & mask;
    while (slots_[at].entry != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace airtally
