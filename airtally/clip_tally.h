// How often each advertising clip went to air.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace airtally {

// The tail that identifies a clip in a key: the text from the key's last
// backslash (included) to its end, or the whole key when it has none.
std::string_view ClipTail(std::string_view key);

// The clips in the order they were first seen, each with the key of its first
// counted airing and its number of airings. Keys are matched by their tails,
// in full and case-sensitively. A lookup costs the same however many clips
// there are: the entries are indexed by a hash of their tails.
class ClipTally {
 public:
  // Adds 1 to the count of the entry whose tail equals the tail of `key`;
  // false, with the tally unchanged, when there is none.
  bool CountKnownClip(std::string_view key);

  // Appends `key` as a new entry counted once. Call only after
  // CountKnownClip returned false for it.
  void AddClip(std::string_view key);

  // A hint that the clip of `key` will be looked up soon, so that the
  // lookup finds its memory in the cache: stage 0 fetches the key's place in
  // the index; stage 1, a few lookups later, the entry that place names.
  // Changes nothing that can be observed.
  void Prefetch(std::string_view key, int stage) const;

  size_t size() const { return ClipCounts.size(); }
  std::string_view key(size_t i) const { return ClipKeys[i]; }
  int64_t count(size_t i) const { return ClipCounts[i]; }

 private:
  // One place of the open-addressing index. The hash is kept so that growing
  // the index needs no tail hashed again, and the tail so that a lookup
  // compares without visiting the entry.
  struct Slot {
    uint64_t hash = 0;
    const char* tail = nullptr;
    size_t tail_size = 0;
    size_t entry = 0;  // the entry's number plus one; 0 for a free place
  };

  // The place of the tail with `hash`, or the free place where it belongs.
  size_t FindSlot(std::string_view tail, uint64_t hash) const;
  void Grow();
  // A lasting copy of `key`, in large blocks that never move.
  std::string_view Store(std::string_view key);

  std::vector<std::string_view> ClipKeys;  // views of the stored copies
  std::vector<int64_t> ClipCounts;
  std::vector<Slot> slots_;  // a power of two, at most half used
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* block_next_ = nullptr;  // the free end of the last block
  size_t block_free_ = 0;
};

}  // namespace airtally
