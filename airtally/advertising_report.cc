// The tally listing on the console and the music-usage report file.
#include "airtally/advertising_report.h"

#include <algorithm>
#include <array>

#include "airtally/enter_prompt.h"
#include "airtally/fold_to_oem.h"
#include "airtally/texts.h"
#include "edge/platform.h"

namespace airtally {
namespace {

constexpr size_t kDurationLength = 8;
// The count of a listing line starts after a text this long, a space, the
// dashes and a space, at character 83.
constexpr size_t kListingWidth = 80;

std::string_view FilePart(std::string_view key) {
  const size_t slash = key.rfind('\\');
  return slash == std::string_view::npos ? key : key.substr(slash + 1);
}

std::string_view CutBeforeLastDot(std::string_view text) { return text.substr(0, text.rfind('.')); }

void AppendLine(std::string* text, std::string_view line) {
  *text += line;
  *text += "\r\n";
}

}  // namespace

std::string_view DurationText(std::string_view key) { return key.substr(0, kDurationLength); }

std::string ListingText(std::string_view key) {
  const std::string uncut = std::string(DurationText(key)) + " " + std::string(FilePart(key));
  return std::string(CutBeforeLastDot(uncut));
}

std::string_view ClipName(std::string_view key) { return CutBeforeLastDot(FilePart(key)); }

std::string TallyListing(const ClipTally& tally) {
  const std::string times = FoldToOem(kTimesSuffix);
  std::string listing;
  AppendLine(&listing, kListingRule);
  for (size_t i = 0; i < tally.size(); ++i) {
    const std::string text = ListingText(tally.key(i));
    const size_t dashes = text.size() < kListingWidth ? kListingWidth - text.size() : 1;
    listing += FoldToOem(text);
    listing += ' ';
    listing.append(dashes, '-');
    listing += ' ';
    listing += std::to_string(tally.count(i));
    AppendLine(&listing, times);
  }
  return listing;
}

std::string AdvertisingReportText(const ClipTally& tally) {
  std::string report;
  for (std::string_view line : {kReportHtml, kReportHead, kReportBody, kReportTable}) {
    AppendLine(&report, line);
  }
  AppendLine(&report, std::string(kAnnexRowStart) + std::string(kAnnexRowText));
  for (std::string_view row :
       {kHeaderRow6, kHeaderRow7, kHeaderRow8, kHeaderRow9, kHeaderRow10, kHeaderRow11,
        kHeaderRow12, kHeaderRow13, kHeaderRow14, kHeaderRow15}) {
    AppendLine(&report, std::string(kHeaderRowStart) + std::string(row));
  }
  const std::array<std::string_view, 7> headings = {
      kColumnHeading1, kColumnHeading2, kColumnHeading3, kColumnHeading4,
      kColumnHeading5, kColumnHeading6, kColumnHeading7};
  for (bool numbers : {false, true}) {
    report += kRowStart;
    for (size_t column = 0; column < headings.size(); ++column) {
      report += kHeadingCellStart;
      report += numbers ? std::to_string(column + 1) : std::string(headings[column]);
      report += kCellEnd;
    }
    AppendLine(&report, kRowEnd);
  }
  for (size_t i = 0; i < tally.size(); ++i) {
    const std::string_view key = tally.key(i);
    report += kDataRowStart;
    report += ClipName(key);
    report += kDataRowToDuration;
    report += DurationText(key);
    report += kDataRowToCount;
    report += std::to_string(tally.count(i));
    AppendLine(&report, kDataRowEnd);
  }
  for (std::string_view line : {kReportTableEnd, kReportBodyEnd, kReportHtmlEnd}) {
    AppendLine(&report, line);
  }
  return report;
}

Failure PrintTallyListing(const ClipTally& tally, edge::OutputStream& output) {
  return InOutFailure(output.Write(TallyListing(tally)), kPlaceListing);
}

Failure WriteAdvertisingReport(std::string_view desktop_folder, const ClipTally& tally) {
  const std::string path = std::string(desktop_folder) + std::string(kReportFileName);
  edge::File file;
  if (Failure failure = InOutFailure(edge::CreateForWriting(path, &file), kPlaceCreateReport)) {
    return failure;
  }
  const std::string report = AdvertisingReportText(tally);
  if (Failure failure = InOutFailure(edge::WriteToFile(file, report), kPlaceWriteReport)) {
    return failure;
  }
  return InOutFailure(edge::CloseFile(file), kPlaceCloseReport);
}

Failure RunAdvertisingReport(const ClipTally& tally, Console& console) {
  if (Failure failure = PrintTallyListing(tally, console.output)) return failure;
  if (Failure failure = AwaitEnter(console.output, console.input)) return failure;
  std::string desktop_folder;
  if (Failure failure = LookUpDesktop(&desktop_folder)) return failure;
  return WriteAdvertisingReport(desktop_folder, tally);
}

}  // namespace airtally
