// The end phase of advertising mode: the tally listing and the report file.
#pragma once

#include "airtally/clip_tally.h"
#include "airtally/console.h"
#include "airtally/failure.h"

namespace airtally {

// Lists `tally` on the console, waits for ENTER and writes the report to the
// Desktop folder.
Failure RunAdvertisingReport(const ClipTally& tally, Console& console);

}  // namespace airtally
