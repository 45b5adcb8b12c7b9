// Reading the list of logs and scanning every log for take lines.
#pragma once

#include <cstddef>
#include <string_view>

#include "airtally/failure.h"
#include "airtally/run_state.h"
#include "edge/line_reader.h"
#include "edge/output_stream.h"

namespace airtally {

// Reads `list` to its end; for every line that names a log, writes "* " and
// the line on the console, then scans the log, or skips it silently when it
// cannot be opened. Fails on a failed read, console write or close.
Failure ScanLogList(edge::LineReader& list, RunState& state, edge::OutputStream& console);

// Scans one log to its end: every take line goes to the mode's handling.
// `reader` is reused from log to log.
Failure ScanLog(edge::File& log, edge::LineReader& reader, RunState& state,
                edge::OutputStream& console);

// Finds the next line of `run` (whole lines, see LineReader::ReadPlainLines)
// that holds "Script take:", searching from `from` (a line start). Sets
// `*line` to it without its line end and returns where the next line
// starts; npos when no line from `from` on holds it.
size_t NextTakeMarkLine(std::string_view run, size_t from, std::string_view* line);

}  // namespace airtally
