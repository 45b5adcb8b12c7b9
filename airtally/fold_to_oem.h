// Case folding of Windows-1251 text to lowercase code page 866 text.
#pragma once

#include <array>
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

// The folding of every byte value.
extern const std::array<unsigned char, 256> kFoldTable;

// The folding of one byte.
inline unsigned char FoldByte(char byte) { return kFoldTable[static_cast<unsigned char>(byte)]; }

// Whether `text` folds to `folded`, without folding it whole: for testing a
// folded marker at one place of a raw line.
inline bool FoldsTo(std::string_view text, std::string_view folded) {
  if (text.size() != folded.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (FoldByte(text[i]) != static_cast<unsigned char>(folded[i])) return false;
  }
  return true;
}

}  // namespace airtally
