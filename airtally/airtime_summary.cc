// The airtime summary of one searched clip: console line and summary file.
#include "airtally/airtime_summary.h"

#include "airtally/enter_prompt.h"
#include "airtally/fold_to_oem.h"
#include "airtally/texts.h"

namespace airtally {

std::string SummaryLine(std::string_view folded_search, const SearchTotals& totals) {
  // C++ division truncates toward zero and the remainder has the sign of
  // the dividend, as the summary wants for a negative total too.
  const int64_t minutes_total = totals.TotalSeconds / 60;
  std::string line;
  line.append(kSummaryFile).append(folded_search);
  line.append(kSummaryPlayed).append(std::to_string(totals.AiringCount));
  line.append(kSummaryTimes).append(std::to_string(minutes_total / 60));
  line.append(kSummaryHours).append(std::to_string(minutes_total % 60));
  line.append(kSummaryMinutes).append(std::to_string(totals.TotalSeconds % 60));
  line.append(kSummarySeconds);
  return line;
}

std::string SummaryName(std::string_view folded_search, std::string_view MatchedText) {
  const size_t dot = folded_search.find('.');
  return std::string(MatchedText.substr(0, dot));
}

std::string SummaryPath(std::string_view desktop, std::string_view name) {
  std::string path(desktop);
  path.append(kSummaryFilePrefix).append(name).append(kSummaryFileSuffix);
  return path;
}

std::string SummaryFileText(std::string_view name, const SearchTotals& totals) {
  std::string text(kSummarySeparatorHint);
  text.append("\r\n").append(name).append("\t\t\t\t").append(totals.LastDuration);
  text.append("\t").append(std::to_string(totals.AiringCount));
  return text;
}

Failure PrintAirtimeSummary(std::string_view SearchText, const SearchTotals& totals,
                            edge::OutputStream& output, edge::File& console_file,
                            edge::LineReader& input) {
  const std::string folded_search = FoldToOem(SearchText);
  edge::OsError error = output.WriteLine({});
  // Text still pending would otherwise show in the new attribute.
  if (error == edge::kOk) error = output.Flush();
  if (Failure failure = InOutFailure(error, kPlaceSummaryLine)) return failure;
  const uint16_t saved = edge::SetConsoleAttribute(console_file, kSummaryAttribute);
  error = output.WriteLine(SummaryLine(folded_search, totals));
  if (error == edge::kOk) error = output.Flush();
  // Restored on a failed write as well, so that the console is not left green.
  edge::RestoreConsoleAttribute(console_file, saved);
  if (Failure failure = InOutFailure(error, kPlaceSummaryLine)) return failure;
  return AwaitEnter(output, input);
}

Failure WriteClipSummary(std::string_view desktop, std::string_view name,
                         const SearchTotals& totals) {
  edge::File file;
  if (Failure failure = InOutFailure(edge::CreateForWriting(SummaryPath(desktop, name), &file),
                                     kPlaceCreateSummary)) {
    return failure;
  }
  if (Failure failure = InOutFailure(edge::WriteToFile(file, SummaryFileText(name, totals)),
                                     kPlaceWriteSummary)) {
    return failure;
  }
  return InOutFailure(edge::CloseFile(file), kPlaceCloseSummary);
}

Failure RunAirtimeSummary(const RunState& state, Console& console) {
  const SearchTotals& totals = state.search_totals;
  if (Failure failure = PrintAirtimeSummary(state.SearchText, totals, console.output,
                                            console.output_file, console.input)) {
    return failure;
  }
  // The name keeps the log's own letters: it is echoed in code page 1251.
  const std::string name = SummaryName(FoldToOem(state.SearchText), totals.MatchedText);
  if (Failure failure = InOutFailure(console.output.WriteLine(name), kPlaceSummaryEcho)) {
    return failure;
  }
  std::string desktop;
  if (Failure failure = LookUpDesktop(&desktop)) return failure;
  edge::OsError error = console.output.WriteLine(desktop);
  if (error == edge::kOk) error = console.output.Flush();
  if (Failure failure = InOutFailure(error, kPlaceSummaryEcho)) return failure;
  return WriteClipSummary(desktop, name, totals);
}

}  // namespace airtally
