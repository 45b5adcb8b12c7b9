// The end phase of search mode: the airtime summary line and file.
#pragma once

#include "airtally/console.h"
#include "airtally/failure.h"
#include "airtally/run_state.h"

namespace airtally {

// Shows the search totals of `state` on the console, waits for ENTER and
// writes the summary file to the Desktop folder.
Failure RunAirtimeSummary(const RunState& state, Console& console);

}  // namespace airtally
