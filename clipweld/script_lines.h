// The lines of the VirtualDub script: their text, and writing them.
#pragma once

#include <string>
#include <string_view>

#include "clipweld/failure.h"
#include "clipweld/run_state.h"
#include "edge/output_stream.h"

namespace clipweld {

// The script's path: the folder of `own_executable_path` (a Windows path, the
// text before its last backslash) and "\mergevid.vcf". Pure.
std::string MakeScriptPath(std::string_view own_executable_path);

// The Open line for `escaped_path` when `file_opened` is false, else its
// Append line; no line end. Pure.
std::string SourceLine(std::string_view escaped_path, bool file_opened);

// The settings block of `mode` with its line ends: eight lines in re-save
// mode; seven in join mode, the last without a line end. Pure.
std::string SettingsBlock(ScriptMode mode);

// The escaped file name of `listed_path`: the part after its last backslash
// or slash, or all of it when it holds neither. Pure.
std::string OutputFileName(std::string_view listed_path);

// The save line and the close line of `listed_path`, each with its line end;
// the save line names the escaped `output_prefix` glued to OutputFileName.
// Pure.
std::string SaveAndCloseLines(std::string_view listed_path, std::string_view output_prefix);

// Writes SourceLine and CR LF to `script`, then the same to `console`, and
// sets state.FileOpened. Fails with the error of the stream that failed.
Failure WriteSourceLine(edge::OutputStream& script, edge::OutputStream& console,
                        std::string_view escaped_path, RunState& state);

// Writes SettingsBlock(mode) to `script`; fails when the write does.
Failure WriteSettingsBlock(edge::OutputStream& script, ScriptMode mode);

// Writes SaveAndCloseLines to `script`; fails when the write does.
Failure WriteSaveAndClose(edge::OutputStream& script, std::string_view listed_path,
                          std::string_view output_prefix);

}  // namespace clipweld
