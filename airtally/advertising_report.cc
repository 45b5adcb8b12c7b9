// The advertising report: not written yet.
#include "airtally/advertising_report.h"

namespace airtally {

Failure RunAdvertisingReport(const ClipTally&, Console&) { return {}; }

}  // namespace airtally
