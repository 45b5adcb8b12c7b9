// The end phase of advertising mode: the tally listing and the report file.
#pragma once

#include <string>
#include <string_view>

#include "airtally/clip_tally.h"
#include "airtally/console.h"
#include "airtally/failure.h"
#include "edge/output_stream.h"

namespace airtally {

// The texts a clip key gives (Windows-1251, as the log spells them). The
// file part is the text after the key's last backslash, the whole key when
// it has none; "cut" means cut before the last '.', when there is one.

// The first 8 characters of `key`: the airing's duration, or the start of
// the folder marker when the take line had none.
std::string_view DurationText(std::string_view key);
// The duration text, a space and the file part, cut.
std::string ListingText(std::string_view key);
// The file part, cut.
std::string_view ClipName(std::string_view key);

// The console listing line of one entry, code page 866, ended with CR LF:
// the folded listing text, a space, dashes (80 less the text's length, at
// least one), a space, the count and the folded " раз(а)".
std::string ListingLine(std::string_view key, int64_t count);

// The data row of one entry in the report, Windows-1251, ended with CR LF:
// its clip name, duration text and count in the form's cells. Nothing is
// escaped.
std::string ReportRow(std::string_view key, int64_t count);

// Writes the console listing of `tally` in entry order: 51 dashes, then the
// listing line of every entry. Fails on a failed write (kPlaceListing).
Failure PrintTallyListing(const ClipTally& tally, edge::OutputStream& output);

// Creates "Отчёт_РЕКЛАМА.xls" in `desktop_folder` (Windows form, appended
// as it is; empty names the drive root), replacing an existing file, and
// writes the report (Windows-1251, CR LF line ends): the fixed form with the
// row of every entry. Entries are written as they are read, so memory does
// not grow with the report. Fails on a failed create (kPlaceCreateReport; a path of
// 260 bytes or more fails with system error 206 before anything is created),
// write (kPlaceWriteReport) or close (kPlaceCloseReport); a file created
// before the failure stays as far as it was written.
Failure WriteAdvertisingReport(std::string_view desktop_folder, const ClipTally& tally);

// Lists `tally` on the console, waits for ENTER, then looks up the Desktop
// folder and writes the report there. Stops at the first failure of any
// step; the Desktop lookup fails when the host's record is no text.
Failure RunAdvertisingReport(const ClipTally& tally, Console& console);

}  // namespace airtally
