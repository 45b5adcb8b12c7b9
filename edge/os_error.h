// The texts the programs show when an operation fails.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "edge/platform.h"

namespace edge {

// The message for a failed file or console operation: "File not found" (2),
// "Invalid filename" (3), "Too many open files" (4), "File access denied"
// (5), otherwise "I/O error N".
std::string InOutErrorMessage(OsError code);

// The error report of airtally, standard error's whole text: "Exception " +
// kind + " in module " + module + " at " + eight hex digits + ".", the message
// with a full stop unless it has one, and an empty line; CR LF line ends.
std::string ExceptionReport(std::string_view kind, std::string_view module, uint32_t address,
                            std::string_view message);

// The run-time error line of clipweld: "Runtime error N at XXXXXXXX", CR LF.
std::string RuntimeErrorReport(OsError code, uint32_t address);

// The last element of a Windows path: the text after its last backslash.
std::string_view FileNameOf(std::string_view windows_path);

}  // namespace edge
