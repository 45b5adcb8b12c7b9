// The state of one airtally run, owned by the flow and passed down.
#pragma once

#include <cstdint>
#include <string>

#include "airtally/clip_tally.h"

namespace airtally {

enum class CountingMode { AnnouncerOnly = 0, All = 1 };

// What search mode gathers. The counts are 64-bit so that no sum over years
// of logs can wrap.
struct SearchTotals {
  int64_t AiringCount = 0;
  int64_t TotalSeconds = 0;
  std::string MatchedText;                // the last match, as the log spells it
  std::string LastDuration = "00:00:00";  // of the last match that had one
};

struct RunState {
  CountingMode counting_mode = CountingMode::All;
  bool InAnnouncerBlock = false;
  std::string SearchText;  // empty in advertising mode
  ClipTally clip_tally;
  SearchTotals search_totals;

  bool search_mode() const { return !SearchText.empty(); }
};

}  // namespace airtally
