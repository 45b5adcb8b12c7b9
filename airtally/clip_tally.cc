// The clip tally and its index by tail.
#include "airtally/clip_tally.h"

namespace airtally {

std::string_view ClipTail(std::string_view key) {
  const size_t slash = key.rfind('\\');
  return slash == std::string_view::npos ? key : key.substr(slash);
}

bool ClipTally::CountKnownClip(std::string_view key) {
  const auto entry = entry_by_tail_.find(ClipTail(key));
  if (entry == entry_by_tail_.end()) return false;
  ++ClipCounts[entry->second];
  return true;
}

void ClipTally::AddClip(std::string_view key) {
  const std::string& stored = ClipKeys.emplace_back(key);
  ClipCounts.push_back(1);
  entry_by_tail_.emplace(ClipTail(stored), ClipCounts.size() - 1);
}

}  // namespace airtally
