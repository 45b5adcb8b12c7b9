// Announcer blocks, the advertising tally and the search totals.
#include "airtally/take_handler.h"

#include "airtally/field_integer.h"
#include "airtally/fold_to_oem.h"
#include "airtally/take_line.h"
#include "airtally/texts.h"

namespace airtally {
namespace {

// FindFolderMarkers tells the markers apart by their second byte.
static_assert(kAnnouncerMarker[1] == kAdvertisingMarker[1]);

// The folder markers as FoldToOem folds them, made once.
struct FoldedMarkers {
  std::string announcer = FoldToOem(kAnnouncerMarker);
  std::string programme = FoldToOem(kProgrammeMarker);
  std::string credits = FoldToOem(kCreditsMarker);
  std::string advertising = FoldToOem(kAdvertisingMarker);
};

bool MarkerAt(std::string_view line, size_t at, std::string_view folded_marker) {
  return FoldsTo(line.substr(at, folded_marker.size()), folded_marker);
}

}  // namespace

FolderMarkers FindFolderMarkers(std::string_view line) {
  static const FoldedMarkers kFolded;
  FolderMarkers markers;
  for (size_t at = line.find('\\'); at != std::string_view::npos && at + 1 < line.size();
       at = line.find('\\', at + 1)) {
    // The byte after the backslash tells which marker can stand here: the
    // announcer and advertising folders begin with "_", the other two with
    // their own letter.
    const auto second = static_cast<char>(FoldByte(line[at + 1]));
    if (second == kFolded.announcer[1]) {
      markers.announcer = markers.announcer || MarkerAt(line, at, kFolded.announcer);
      if (markers.advertising == std::string_view::npos &&
          MarkerAt(line, at, kFolded.advertising)) {
        markers.advertising = at;
      }
    } else if (second == kFolded.programme[1] || second == kFolded.credits[1]) {
      markers.block_end = markers.block_end || MarkerAt(line, at, kFolded.programme) ||
                          MarkerAt(line, at, kFolded.credits);
    }
  }
  return markers;
}

void UpdateAnnouncerBlock(const FolderMarkers& markers, bool* InAnnouncerBlock) {
  if (markers.announcer) {
    *InAnnouncerBlock = true;
  } else if (markers.block_end) {
    *InAnnouncerBlock = false;
  }
}

void TallyAdvertisingTake(std::string_view line, size_t advertising, RunState& state) {
  if (advertising == std::string_view::npos) return;
  size_t start = advertising;
  if (const auto duration_end = FindDuration(line)) start = *duration_end - 7;
  if (state.counting_mode == CountingMode::AnnouncerOnly && !state.InAnnouncerBlock) return;
  // Inside a block only the takes whose line begins with "2" count.
  if (state.InAnnouncerBlock && line.front() != '2') return;
  const std::string_view key = line.substr(start);
  if (!state.clip_tally.CountKnownClip(key)) state.clip_tally.AddClip(key);
}

Failure CountSearchedTake(std::string_view line, std::string_view folded_line,
                          std::string_view folded_search, SearchTotals& totals, std::string* echo) {
  const size_t match = folded_line.find(folded_search);
  if (match == std::string_view::npos) return {};
  echo->append(folded_line).append("\r\n");
  ++totals.AiringCount;
  totals.MatchedText = line.substr(match, folded_search.size());
  const auto end = FindDuration(line);
  if (!end) return {};
  // Seconds first: the first bad field in this order is the one reported.
  int64_t seconds = 0, minutes = 0, hours = 0;
  for (auto [field_end, value] :
       {std::pair{*end, &seconds}, {*end - 3, &minutes}, {*end - 6, &hours}}) {
    const std::string_view field = line.substr(field_end - 1, 2);
    if (!ParseFieldInteger(field, value)) return ConvertFailure(field, kPlaceConvert);
  }
  const int64_t take_seconds = hours * 3600 + minutes * 60 + seconds;
  echo->append(std::to_string(hours)).append(" ").append(std::to_string(minutes)).append(" ");
  echo->append(std::to_string(seconds)).append("(").append(std::to_string(take_seconds));
  echo->append(kSecondsLineEnd).append("\r\n");
  totals.TotalSeconds += take_seconds;
  totals.LastDuration = line.substr(*end - 7, 8);
  return {};
}

TakeHandler::TakeHandler(RunState* state)
    : state_(state), folded_search_(FoldToOem(state->SearchText)) {}

Failure TakeHandler::HandleTakeLine(std::string_view line, std::string* echo) {
  const FolderMarkers markers = FindFolderMarkers(line);
  UpdateAnnouncerBlock(markers, &state_->InAnnouncerBlock);
  if (!state_->search_mode()) {
    TallyAdvertisingTake(line, markers.advertising, *state_);
    return {};
  }
  // The search and the echo need the whole line folded.
  FoldToOemInto(line, &folded_line_);
  return CountSearchedTake(line, folded_line_, folded_search_, state_->search_totals, echo);
}

}  // namespace airtally
