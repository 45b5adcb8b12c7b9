// Case folding of Windows-1251 text to lowercase code page 866 text.
#pragma once

#include <string>
#include <string_view>

namespace airtally {

// Every Cyrillic letter of `text` (Windows-1251), capital or small, becomes
// the small letter's code page 866 byte; every other byte stays. The result
// has the length of `text`, and byte k comes from byte k of `text` alone, so
// a position found in folded text is the position in the raw text too.
// Folding folded text again is not the same: fold raw text only.
std::string FoldToOem(std::string_view text);

// The same into a reused buffer, for the scan's hot path.
void FoldToOemInto(std::string_view text, std::string* folded);

// Whether `text` folds to `folded`, without folding it whole: for testing a
// folded marker at one place of a raw line.
bool FoldsTo(std::string_view text, std::string_view folded);

}  // namespace airtally
