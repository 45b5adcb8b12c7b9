// The pieces of list and log lines that the scan looks for.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace airtally {

// Whether a list line names a log: at least 4 characters, the last one "g"
// or "G", and "." fourth from the end. Taken as read: no trimming.
bool IsLogPath(std::string_view line);

// Whether a log line records a clip taken to air: it holds "Script take:"
// and " movie ", case-sensitively, anywhere.
bool IsTakeLine(std::string_view line);

// The rightmost duration field of `line`: nine characters " HH:MM:SS" of
// which only the blank and the two colons are tested. Returns the 0-based
// index of the field's last character, or nothing.
std::optional<size_t> FindDuration(std::string_view line);

}  // namespace airtally
