// The integer conversion of a two-character duration field.
#pragma once

#include <cstdint>
#include <string_view>

namespace airtally {

// Reads `field` as the run-time's integer conversion does: decimal digits,
// optionally after one blank or a sign; or, after "$", "x" or "X", hex
// digits. False for anything else (a trailing blank, two blanks, no digit).
bool ParseFieldInteger(std::string_view field, int64_t* value);

}  // namespace airtally
