// Paths the file functions refuse before the system is asked, the same way
// on every platform.
#pragma once

#include <string_view>

#include "edge/platform.h"

namespace edge {

// kErrorFilenameTooLong for kMaxPathBytes or more (the limit of the Windows
// ANSI file functions); kErrorInvalidName for a path holding a NUL byte,
// since the system would take only the part before it and so name another
// file; kOk otherwise.
OsError RefusedPath(std::string_view path);

}  // namespace edge
