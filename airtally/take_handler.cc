// Announcer blocks, the advertising tally and the search totals.
#include "airtally/take_handler.h"

#include "airtally/field_integer.h"
#include "airtally/fold_to_oem.h"
#include "airtally/take_line.h"
#include "airtally/texts.h"

namespace airtally {
namespace {

bool Holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

void UpdateAnnouncerBlock(std::string_view folded_line, bool* InAnnouncerBlock) {
  static const std::string kOpens = FoldToOem(kAnnouncerMarker);
  static const std::string kClosesProgramme = FoldToOem(kProgrammeMarker);
  static const std::string kClosesCredits = FoldToOem(kCreditsMarker);
  if (Holds(folded_line, kOpens)) {
    *InAnnouncerBlock = true;
  } else if (Holds(folded_line, kClosesProgramme) || Holds(folded_line, kClosesCredits)) {
    *InAnnouncerBlock = false;
  }
}

void TallyAdvertisingTake(std::string_view line, std::string_view folded_line, RunState& state) {
  static const std::string kAdvertising = FoldToOem(kAdvertisingMarker);
  size_t start = folded_line.find(kAdvertising);
  if (start == std::string_view::npos) return;
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
  for (auto [field_end, value] : {std::pair{*end, &seconds}, {*end - 3, &minutes}, {*end - 6, &hours}}) {
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
  FoldToOemInto(line, &folded_line_);
  UpdateAnnouncerBlock(folded_line_, &state_->InAnnouncerBlock);
  if (!state_->search_mode()) {
    TallyAdvertisingTake(line, folded_line_, *state_);
    return {};
  }
  return CountSearchedTake(line, folded_line_, folded_search_, state_->search_totals, echo);
}

}  // namespace airtally
