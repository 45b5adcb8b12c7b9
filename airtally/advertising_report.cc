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

// Lines 1 to 17 of the report: the fixed form up to the first data row.
std::string ReportHead() {
  std::string head;
  for (std::string_view line : {kReportHtml, kReportHead, kReportBody, kReportTable}) {
    AppendLine(&head, line);
  }
  AppendLine(&head, std::string(kAnnexRowStart) + std::string(kAnnexRowText));
  for (std::string_view row :
       {kHeaderRow6, kHeaderRow7, kHeaderRow8, kHeaderRow9, kHeaderRow10, kHeaderRow11,
        kHeaderRow12, kHeaderRow13, kHeaderRow14, kHeaderRow15}) {
    AppendLine(&head, std::string(kHeaderRowStart) + std::string(row));
  }
  const std::array<std::string_view, 7> headings = {
      kColumnHeading1, kColumnHeading2, kColumnHeading3, kColumnHeading4,
      kColumnHeading5, kColumnHeading6, kColumnHeading7};
  for (bool numbers : {false, true}) {
    head += kRowStart;
    for (size_t column = 0; column < headings.size(); ++column) {
      head += kHeadingCellStart;
      head += numbers ? std::to_string(column + 1) : std::string(headings[column]);
      head += kCellEnd;
    }
    AppendLine(&head, kRowEnd);
  }
  return head;
}

}  // namespace

std::string_view DurationText(std::string_view key) { return key.substr(0, kDurationLength); }

std::string ListingText(std::string_view key) {
  const std::string uncut = std::string(DurationText(key)) + " " + std::string(FilePart(key));
  return std::string(CutBeforeLastDot(uncut));
}

std::string_view ClipName(std::string_view key) { return CutBeforeLastDot(FilePart(key)); }

std::string ListingLine(std::string_view key, int64_t count) {
  static const std::string kFoldedTimes = FoldToOem(kTimesSuffix);
  const std::string text = ListingText(key);
  const size_t dashes = text.size() < kListingWidth ? kListingWidth - text.size() : 1;
  std::string line = FoldToOem(text);
  line += ' ';
  line.append(dashes, '-');
  line += ' ';
  line += std::to_string(count);
  AppendLine(&line, kFoldedTimes);
  return line;
}

std::string ReportRow(std::string_view key, int64_t count) {
  std::string row(kDataRowStart);
  row += ClipName(key);
  row += kDataRowToDuration;
  row += DurationText(key);
  row += kDataRowToCount;
  row += std::to_string(count);
  AppendLine(&row, kDataRowEnd);
  return row;
}

Failure PrintTallyListing(const ClipTally& tally, edge::OutputStream& output) {
  edge::OsError error = output.WriteLine(kListingRule);
  for (size_t i = 0; i < tally.size() && error == edge::kOk; ++i) {
    error = output.Write(ListingLine(tally.key(i), tally.count(i)));
  }
  return InOutFailure(error, kPlaceListing);
}

Failure WriteAdvertisingReport(std::string_view desktop_folder, const ClipTally& tally) {
  const std::string path = std::string(desktop_folder) + std::string(kReportFileName);
  edge::File file;
  if (Failure failure = InOutFailure(edge::CreateForWriting(path, &file), kPlaceCreateReport)) {
    return failure;
  }
  edge::OutputStream report(&file, /*line_buffered=*/false);
  edge::OsError error = report.Write(ReportHead());
  for (size_t i = 0; i < tally.size() && error == edge::kOk; ++i) {
    error = report.Write(ReportRow(tally.key(i), tally.count(i)));
  }
  for (std::string_view line : {kReportTableEnd, kReportBodyEnd, kReportHtmlEnd}) {
    if (error == edge::kOk) error = report.WriteLine(line);
  }
  if (error == edge::kOk) error = report.Flush();
  if (Failure failure = InOutFailure(error, kPlaceWriteReport)) return failure;
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
