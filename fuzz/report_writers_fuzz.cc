// The report writers of airtally over tallies of arbitrary keys: the listing
// has one line per entry of the width its text gives, the report file is the
// fixed form with one row of fixed shape per entry, in entry order, and the
// summary file has the length of its parts.
#include <cstddef>
#include <cstdint>

#include "airtally/advertising_report.h"
#include "airtally/airtime_summary.h"
#include "airtally/fold_to_oem.h"
#include "airtally/texts.h"
#include "fuzz/fuzz_support.h"

namespace {

using airtally::ClipTally;

// Everything `write` puts in a scratch file through an output stream.
template <typename Write>
std::string Written(Write write) {
  const std::string path = (fuzz::Scratch().path() / "listing.out").string();
  edge::File file;
  FUZZ_CHECK(edge::CreateForWriting(path, &file) == edge::kOk);
  edge::OutputStream output(&file, false);
  write(output);
  FUZZ_CHECK(output.Flush() == edge::kOk);
  FUZZ_CHECK(edge::CloseFile(file) == edge::kOk);
  return fuzz::Scratch().Read("listing.out");
}

// The report file written for `tally`.
std::string Report(const ClipTally& tally) {
  FUZZ_CHECK(!airtally::WriteAdvertisingReport(fuzz::Scratch().path().string(), tally));
  return fuzz::Scratch().Read("Отчёт_РЕКЛАМА.xls");
}

size_t RowText(std::string_view key, int64_t count) {
  return airtally::ClipName(key).size() + airtally::DurationText(key).size() +
         std::to_string(count).size();
}

// The report without rows, where the rows go in it, and what one row adds
// besides its clip name, duration and count.
struct Form {
  std::string empty;
  size_t rows_at = 0;
  size_t row_overhead = 0;
};

const Form& ReportForm() {
  static const Form form = [] {
    Form made;
    made.empty = Report(ClipTally());
    ClipTally one;
    const std::string_view key = "00:00:30 D:\\ADS\\Shop.avi";
    one.AddClip(key);
    const std::string with_row = Report(one);
    // The row goes where the two reports part, or a little before that,
    // where the form's text goes on as the row begins.
    const std::string row = airtally::ReportRow(key, 1);
    while (made.empty[made.rows_at] == with_row[made.rows_at]) ++made.rows_at;
    while (with_row.compare(made.rows_at, row.size(), row) != 0) --made.rows_at;
    made.row_overhead = with_row.size() - made.empty.size() - RowText(key, 1);
    return made;
  }();
  return form;
}

void CheckListing(const ClipTally& tally) {
  std::string lines;
  size_t expected = airtally::kListingRule.size() + 2;
  for (size_t i = 0; i < tally.size(); ++i) {
    const std::string line = airtally::ListingLine(tally.key(i), tally.count(i));
    const size_t text = airtally::ListingText(tally.key(i)).size();
    // The text, a space, dashes up to column 81 (one at least), a space.
    FUZZ_CHECK(line.size() == std::max<size_t>(text, 79) + 3 +
                                  std::to_string(tally.count(i)).size() +
                                  airtally::kTimesSuffix.size() + 2);
    FUZZ_CHECK(line.ends_with("\r\n"));
    expected += line.size();
    lines += line;
  }
  const std::string listing = Written(
      [&](edge::OutputStream& output) { FUZZ_CHECK(!airtally::PrintTallyListing(tally, output)); });
  FUZZ_CHECK(listing.size() == expected);
  FUZZ_CHECK(listing.ends_with(lines));
}

void CheckReport(const ClipTally& tally) {
  const Form& form = ReportForm();
  std::string rows;
  for (size_t i = 0; i < tally.size(); ++i) {
    const std::string row = airtally::ReportRow(tally.key(i), tally.count(i));
    FUZZ_CHECK(row.size() == form.row_overhead + RowText(tally.key(i), tally.count(i)));
    rows += row;
  }
  FUZZ_CHECK(Report(tally) ==
             form.empty.substr(0, form.rows_at) + rows + form.empty.substr(form.rows_at));
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
