// How often each advertising clip went to air.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace airtally {

// The tail that identifies a clip in a key: the text from the key's last
// backslash (included) to its end, or the whole key when it has none.
std::string_view ClipTail(std::string_view key);

// The clips in the order they were first seen, each with the key of its first
// counted airing and its number of airings. Keys are matched by their tails,
// in full and case-sensitively. A lookup costs the same however many clips
// there are: the entries are indexed by tail.
class ClipTally {
 public:
  // Adds 1 to the count of the entry whose tail equals the tail of `key`;
  // false, with the tally unchanged, when there is none.
  bool CountKnownClip(std::string_view key);

  // Appends `key` as a new entry counted once. Call only after
  // CountKnownClip returned false for it.
  void AddClip(std::string_view key);

  size_t size() const { return ClipCounts.size(); }
  const std::string& key(size_t i) const { return ClipKeys[i]; }
  int64_t count(size_t i) const { return ClipCounts[i]; }

 private:
  // A deque keeps every key's bytes in place, so the index can view them.
  std::deque<std::string> ClipKeys;
  std::vector<int64_t> ClipCounts;
  std::unordered_map<std::string_view, size_t> entry_by_tail_;
};

}  // namespace airtally
