// POSIX backend only: the host boundary shared by its files.
#pragma once

#include <string>
#include <string_view>

#include "edge/platform.h"

namespace edge::posix {

// A Windows-form path in code page 1251 as the host names it: backslashes
// become slashes and the text becomes UTF-8.
std::string HostPath(std::string_view windows_path);

// A host path as the program sees it: UTF-8 to code page 1251 (bytes taken
// as they are when the path is not UTF-8), slashes to backslashes.
std::string WindowsPath(std::string_view host_path);

// The Windows system error code for errno `error` from an operation on
// `host_path` (empty when the operation had no path).
OsError WindowsError(int error, std::string_view host_path = {});

}  // namespace edge::posix
