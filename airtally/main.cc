// airtally: counts the advertising clips that went to air in the playout
// logs, or the airings and airtime of one clip. This file is the flow only.
#include <string>
#include <vector>

#include "airtally/advertising_report.h"
#include "airtally/airtime_summary.h"
#include "airtally/console.h"
#include "airtally/failure.h"
#include "airtally/log_scan.h"
#include "airtally/run_state.h"
#include "airtally/texts.h"
#include "edge/os_error.h"
#include "edge/output_stream.h"
#include "edge/platform.h"

namespace airtally {
namespace {

Failure AskCountingMode(Console& console, RunState& state) {
  edge::OsError error = console.output.WriteLine(kCountingModePrompt);
  if (error == edge::kOk) error = console.output.Flush();
  if (Failure failure = InOutFailure(error, kPlacePrompt)) return failure;
  std::string_view answer;
  if (Failure failure = InOutFailure(console.input.ReadLine(&answer), kPlaceAnswer)) return failure;
  if (answer == kAnnouncerOnlyAnswer) state.counting_mode = CountingMode::AnnouncerOnly;
  return {};
}

Failure ScanListed(const std::string& list_name, Console& console, RunState& state) {
  // An empty name is standard input: the same stream the answer came from.
  if (list_name.empty()) return ScanLogList(console.input, state, console.output);
  edge::File list_file;
  if (Failure failure = InOutFailure(edge::OpenForReading(list_name, &list_file), kPlaceOpenList)) {
    return failure;
  }
  edge::LineReader list(&list_file);
  if (Failure failure = ScanLogList(list, state, console.output)) return failure;
  return InOutFailure(edge::CloseFile(list_file), kPlaceCloseList);
}

Failure Run(const std::vector<std::string>& arguments, Console& console, RunState& state) {
  if (Failure failure = AskCountingMode(console, state)) return failure;
  const std::string list_name = arguments.size() > 1 ? arguments[1] : std::string();
  if (Failure failure = ScanListed(list_name, console, state)) return failure;
  const Failure failure = state.search_mode() ? RunAirtimeSummary(state, console)
                                              : RunAdvertisingReport(state.clip_tally, console);
  if (failure) return failure;
  return InOutFailure(console.output.Flush(), kPlaceFlush);
}

}  // namespace
}  // namespace airtally

int main() {
  using namespace airtally;
  const std::vector<std::string> arguments = edge::ProgramArguments();
  Console console;
  RunState state;
  if (arguments.size() > 2) state.SearchText = arguments[2];
  if (const Failure failure = Run(arguments, console, state)) {
    // What was written before the failure still reaches the console.
    console.output.Flush();
    edge::File error_file = edge::OpenStandardStream(edge::StandardStream::kError);
    edge::WriteToFile(error_file, FailureReport(failure, edge::FileNameOf(arguments[0])));
    edge::ExitProcess(1);
  }
  edge::ExitProcess(0);
}
