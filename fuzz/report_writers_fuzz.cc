// The report writers of airtally over tallies of arbitrary keys: the listing
// has one line per entry of the width its text gives, the report grows by
// one row of fixed form per entry, the report file holds exactly the report,
// and the summary file has the length of its parts.
#include <cstddef>
#include <cstdint>

#include "airtally/advertising_report.h"
#include "airtally/airtime_summary.h"
#include "airtally/fold_to_oem.h"
#include "airtally/texts.h"
#include "fuzz/fuzz_support.h"

namespace {

using airtally::ClipTally;

size_t RowText(std::string_view key, int64_t count) {
  return airtally::ClipName(key).size() + airtally::DurationText(key).size() +
         std::to_string(count).size();
}

// What one report row adds besides its clip name, duration and count.
size_t RowOverhead() {
  static const size_t overhead = [] {
    ClipTally one;
    const std::string_view key = "00:00:30 D:\\ADS\\Shop.avi";
    one.AddClip(key);
    return airtally::AdvertisingReportText(one).size() -
           airtally::AdvertisingReportText(ClipTally()).size() - RowText(key, 1);
  }();
  return overhead;
}

void CheckListing(const ClipTally& tally) {
  const std::string listing = airtally::TallyListing(tally);
  size_t expected = airtally::kListingRule.size() + 2;
  for (size_t i = 0; i < tally.size(); ++i) {
    const size_t text = airtally::ListingText(tally.key(i)).size();
    // The text, a space, dashes up to column 81 (one at least), a space.
    expected += std::max<size_t>(text, 79) + 3;
    expected += std::to_string(tally.count(i)).size() + airtally::kTimesSuffix.size() + 2;
  }
  FUZZ_CHECK(listing.size() == expected);
  FUZZ_CHECK(listing.ends_with("\r\n"));
}

void CheckReport(const ClipTally& tally) {
  const std::string report = airtally::AdvertisingReportText(tally);
  size_t expected = airtally::AdvertisingReportText(ClipTally()).size();
  for (size_t i = 0; i < tally.size(); ++i) {
    expected += RowOverhead() + RowText(tally.key(i), tally.count(i));
  }
  FUZZ_CHECK(report.size() == expected);

  const std::string desktop = fuzz::Scratch().path().string();
  FUZZ_CHECK(!airtally::WriteAdvertisingReport(desktop, tally));
  FUZZ_CHECK(fuzz::Scratch().Read("Отчёт_РЕКЛАМА.xls") == report);
}

void CheckSummary(std::string_view name, std::string_view duration, int64_t airings) {
  airtally::SearchTotals totals;
  totals.AiringCount = airings;
  totals.LastDuration = duration;
  const std::string text = airtally::SummaryFileText(name, totals);
  FUZZ_CHECK(text.size() == airtally::kSummarySeparatorHint.size() + 2 + name.size() + 4 +
                                duration.size() + 1 + std::to_string(airings).size());
}

}  // namespace

// Input: the keys, one a line; a key is counted as often as it is listed.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ClipTally tally;
  const std::vector<std::string> keys = fuzz::ReferenceLines(text);
  for (const std::string& key : keys) {
    if (!tally.CountKnownClip(key)) tally.AddClip(key);
  }
  CheckListing(tally);
  CheckReport(tally);
  for (const std::string& key : keys) {
    CheckSummary(airtally::ClipName(key), airtally::DurationText(key), tally.size());
  }
  return 0;
}
