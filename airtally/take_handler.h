// What each take line does to the run state, in either mode.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "airtally/failure.h"
#include "airtally/run_state.h"

namespace airtally {

// The folder markers a take line holds, each matched case-blind (as
// FoldToOem folds) anywhere in the line.
struct FolderMarkers {
  bool announcer = false;                       // the announcer folder, which opens a block
  bool block_end = false;                       // the programme overlay or the channel's credits
  size_t advertising = std::string_view::npos;  // where the advertising folder first stands
};

// Looks for every marker in one pass: each marker begins with a backslash,
// so only the places of the line's backslashes are compared, and only as
// far as a marker goes on matching.
FolderMarkers FindFolderMarkers(std::string_view line);

// Sets InAnnouncerBlock from a take line's markers: the announcer folder
// opens a block, else the programme overlay or the credits close it, else
// it stays as it is.
void UpdateAnnouncerBlock(const FolderMarkers& markers, bool* InAnnouncerBlock);

// Advertising mode: counts the take's ClipKey in the tally when the take
// plays from the advertising folder (found at `advertising`) and the
// counting mode and the announcer block let it count.
void TallyAdvertisingTake(std::string_view line, size_t advertising, RunState& state);

// Search mode: when `folded_line` holds `folded_search`, appends the echo of
// the line (and its seconds line) to `*echo` and adds the take to `totals`.
// Fails with the conversion error when a field of the duration is no
// integer; the echo and the airing are counted by then.
Failure CountSearchedTake(std::string_view line, std::string_view folded_line,
                          std::string_view folded_search, SearchTotals& totals, std::string* echo);

// Hands take lines to the steps above, keeping the folding buffer.
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
