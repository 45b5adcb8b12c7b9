// The end phase of search mode: the airtime summary line and file.
#pragma once

#include <string>
#include <string_view>

#include "airtally/console.h"
#include "airtally/failure.h"
#include "airtally/run_state.h"
#include "edge/line_reader.h"
#include "edge/output_stream.h"
#include "edge/platform.h"

namespace airtally {

// The summary line without its line end (code page 866): the folded search
// text, the airings, and the total airtime as hours, minutes and seconds,
// each truncated toward zero; hours are not limited to a day.
std::string SummaryLine(std::string_view folded_search, const SearchTotals& totals);

// The clip's name for the summary file: `MatchedText` cut before the first
// '.' of `folded_search` (no cut without one), so it keeps the log's letters.
// Empty when nothing matched.
std::string SummaryName(std::string_view folded_search, std::string_view MatchedText);

// The summary file's path: `desktop`, "\Отчёт_", `name`, ".xls", all
// Windows-1251, nothing added or removed.
std::string SummaryPath(std::string_view desktop, std::string_view name);

// The summary file's whole content: the separator hint line, then the name,
// four TABs, LastDuration, a TAB and the count, with no line end at the end.
std::string SummaryFileText(std::string_view name, const SearchTotals& totals);

// Writes an empty line and the summary line in the summary attribute on
// `output` (over `console_file`, whose attribute is restored right after the
// line), then waits for ENTER on `input`. Fails on a failed write
// (kPlaceSummaryLine) or on the failures of the wait for ENTER.
Failure PrintAirtimeSummary(std::string_view SearchText, const SearchTotals& totals,
                            edge::OutputStream& output, edge::File& console_file,
                            edge::LineReader& input);

// Creates the summary file in `desktop`, replacing one that exists, and
// writes it. Fails when the file cannot be created (kPlaceCreateSummary; a
// path of 260 bytes or more is refused with error 206 before anything is
// created), written (kPlaceWriteSummary) or closed (kPlaceCloseSummary); a
// file already created stays behind.
Failure WriteClipSummary(std::string_view desktop, std::string_view name,
                         const SearchTotals& totals);

// The whole phase: prints the summary of `state`'s search totals, waits for
// ENTER, echoes the name and the Desktop folder, then writes the summary
// file there. Fails at the first failed step, as the steps above describe.
Failure RunAirtimeSummary(const RunState& state, Console& console);

}  // namespace airtally
