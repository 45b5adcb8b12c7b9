// clipweld: writes a VirtualDub script that joins or re-saves the listed
// video files, then starts VirtualDub on it. This file is the flow only.
#include <string>
#include <vector>

#include "clipweld/escape_script_path.h"
#include "clipweld/failure.h"
#include "clipweld/run_state.h"
#include "clipweld/run_virtual_dub.h"
#include "clipweld/script_lines.h"
#include "clipweld/texts.h"
#include "edge/line_reader.h"
#include "edge/output_stream.h"
#include "edge/platform.h"

namespace clipweld {
namespace {

// Writes one script entry per list line. The end of the list is tested only
// after each entry, so an empty list still gives one entry, an empty path.
Failure WriteEntries(edge::LineReader& list, edge::OutputStream& script,
                     edge::OutputStream& console, RunState& state) {
  bool at_end = false;
  do {
    std::string_view line;
    if (Failure failure = InOutFailure(list.ReadLine(&line), kPlaceReadList)) return failure;
    if (Failure failure = WriteSourceLine(script, console, EscapeScriptPath(line), state)) {
      return failure;
    }
    if (state.mode == ScriptMode::kResave) {
      if (Failure failure = WriteSettingsBlock(script, state.mode)) return failure;
      if (Failure failure = WriteSaveAndClose(script, line, state.OutputPrefix)) return failure;
      state.FileOpened = false;
    }
    if (Failure failure = InOutFailure(list.AtEnd(&at_end), kPlaceEndOfList)) return failure;
  } while (!at_end);
  if (state.mode == ScriptMode::kJoin) return WriteSettingsBlock(script, state.mode);
  return {};
}

Failure Run(const std::vector<std::string>& arguments, edge::File& script_file,
            edge::OutputStream& script, edge::OutputStream& console, RunState& state) {
  // The script is emptied before the list is opened, so a missing list
  // leaves an empty script behind.
  if (Failure failure = InOutFailure(
          edge::CreateForWriting(MakeScriptPath(edge::OwnExecutablePath()), &script_file),
          kPlaceCreateScript)) {
    return failure;
  }
  edge::File list_file;
  const std::string list_name = arguments.size() > 1 ? arguments[1] : std::string();
  if (Failure failure = InOutFailure(edge::OpenForReading(list_name, &list_file), kPlaceOpenList)) {
    return failure;
  }
  edge::LineReader list(&list_file);
  state.FileOpened = false;
  if (Failure failure = WriteEntries(list, script, console, state)) return failure;
  edge::OsError error = script.Flush();
  if (error == edge::kOk) error = edge::CloseFile(script_file);
  if (Failure failure = InOutFailure(error, kPlaceCloseScript)) return failure;
  if (Failure failure = InOutFailure(edge::CloseFile(list_file), kPlaceCloseList)) {
    return failure;
  }
  // The echo is written out before VirtualDub starts: a failed write ends
  // the run with nothing started, as it would have when the line was written.
  if (Failure failure = InOutFailure(console.Flush(), kPlaceFlushConsole)) return failure;
  // Whether VirtualDub started makes no difference to the run.
  bool started = false;
  return RunVirtualDub(kVirtualDubProgram, &started);
}

}  // namespace
}  // namespace clipweld

int main() {
  using namespace clipweld;
  const std::vector<std::string> arguments = edge::ProgramArguments();
  RunState state;
  state.mode = ModeFor(arguments.size());
  if (state.mode == ScriptMode::kResave) state.OutputPrefix = arguments[2];
  edge::File console_file = edge::OpenStandardStream(edge::StandardStream::kOutput);
  edge::OutputStream console(&console_file, console_file.is_console());
  edge::File script_file;
  edge::OutputStream script(&script_file, /*line_buffered=*/false);
  if (const Failure failure = Run(arguments, script_file, script, console, state)) {
    // What was written before the failure is kept: the script as far as it
    // got, and the echoed lines ahead of the report.
    if (script_file.is_open()) script.Flush();
    console.Flush();
    edge::WriteToFile(console_file, FailureReport(failure));
    edge::ExitProcess(static_cast<int>(failure.code));
  }
  edge::ExitProcess(0);
}
