// What each take line does to the run state, in either mode.
#pragma once

#include <string>
#include <string_view>

#include "airtally/failure.h"
#include "airtally/run_state.h"

namespace airtally {

// Sets InAnnouncerBlock from the first marker found in `folded_line`: the
// announcer folder opens a block, the programme overlay and the channel's
// credits close it, no marker leaves it as it is.
void UpdateAnnouncerBlock(std::string_view folded_line, bool* InAnnouncerBlock);

// Advertising mode: counts the take's ClipKey in the tally when the take
// plays from the advertising folder and the counting mode and the announcer
// block let it count.
void TallyAdvertisingTake(std::string_view line, std::string_view folded_line, RunState& state);

// Search mode: when `folded_line` holds `folded_search`, appends the echo of
// the line (and its seconds line) to `*echo` and adds the take to `totals`.
// Fails with the conversion error when a field of the duration is no
// integer; the echo and the airing are counted by then.
Failure CountSearchedTake(std::string_view line, std::string_view folded_line,
                          std::string_view folded_search, SearchTotals& totals, std::string* echo);

// Hands take lines to the steps above, keeping the folding buffers.
class TakeHandler {
 public:
  explicit TakeHandler(RunState* state);

  // `line` must be a take line. Console text goes to `*echo`.
  Failure HandleTakeLine(std::string_view line, std::string* echo);

 private:
  RunState* state_;
  std::string folded_search_;
  std::string folded_line_;
};

}  // namespace airtally
