// Composing and writing the lines of the VirtualDub script.
#include "clipweld/script_lines.h"

#include "clipweld/escape_script_path.h"
#include "clipweld/texts.h"

namespace clipweld {

std::string MakeScriptPath(std::string_view own_executable_path) {
  const size_t slash = own_executable_path.rfind('\\');
  std::string path(own_executable_path.substr(0, slash == std::string_view::npos ? 0 : slash));
  path.append(kScriptNameAfterFolder);
  return path;
}

std::string SourceLine(std::string_view escaped_path, bool file_opened) {
  std::string line(file_opened ? kAppendPrefix : kOpenPrefix);
  line.append(escaped_path);
  line.append(file_opened ? kAppendSuffix : kOpenSuffix);
  return line;
}

std::string SettingsBlock(ScriptMode mode) {
  std::string block;
  if (mode == ScriptMode::kResave) {
    for (std::string_view line : kSettingsLines) block.append(line).append(kLineEnd);
    return block;
  }
  // Join mode: the script's last bytes are line 7, with no line end.
  for (size_t i = 0; i < 6; ++i) block.append(kSettingsLines[i]).append(kLineEnd);
  block.append(kSettingsLines[6]);
  return block;
}

std::string OutputFileName(std::string_view listed_path) {
  const size_t separator = listed_path.find_last_of("\\/");
  return EscapeScriptPath(separator == std::string_view::npos ? listed_path
                                                              : listed_path.substr(separator + 1));
}

std::string SaveAndCloseLines(std::string_view listed_path, std::string_view output_prefix) {
  std::string lines(kSavePrefix);
  lines.append(EscapeScriptPath(output_prefix));
  lines.append(OutputFileName(listed_path));
  lines.append(kAppendSuffix).append(kLineEnd);
  lines.append(kCloseLine).append(kLineEnd);
  return lines;
}

Failure WriteSourceLine(edge::OutputStream& script, edge::OutputStream& console,
                        std::string_view escaped_path, RunState& state) {
  const std::string line = SourceLine(escaped_path, state.FileOpened);
  state.FileOpened = true;
  if (Failure failure = InOutFailure(script.WriteLine(line), kPlaceWriteScript)) return failure;
  return InOutFailure(console.WriteLine(line), kPlaceEcho);
}

Failure WriteSettingsBlock(edge::OutputStream& script, ScriptMode mode) {
  return InOutFailure(script.Write(SettingsBlock(mode)), kPlaceWriteScript);
}

Failure WriteSaveAndClose(edge::OutputStream& script, std::string_view listed_path,
                          std::string_view output_prefix) {
  return InOutFailure(script.Write(SaveAndCloseLines(listed_path, output_prefix)),
                      kPlaceWriteScript);
}

}  // namespace clipweld
