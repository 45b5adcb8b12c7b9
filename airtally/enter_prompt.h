// The steps both end phases share: the wait for ENTER and the Desktop lookup.
#pragma once

#include <string>

#include "airtally/failure.h"
#include "edge/line_reader.h"
#include "edge/output_stream.h"

namespace airtally {

// Writes an empty line and the ENTER prompt, flushes them, then reads one
// line from `input` and discards it; the end of the input counts as ENTER.
// Fails on a failed write (kPlaceEnterPrompt) or read (kPlaceEnterRead).
Failure AwaitEnter(edge::OutputStream& output, edge::LineReader& input);

// Sets `*folder` to the Desktop folder, empty when the host records none.
// Fails with the registry failure (kPlaceDesktop) when the record is no text.
Failure LookUpDesktop(std::string* folder);

}  // namespace airtally
