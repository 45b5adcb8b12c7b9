// Win32 backend only: the host boundary shared by its files.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdint>

#include "edge/platform.h"

namespace edge::win32 {

inline HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
inline intptr_t FromHandle(HANDLE handle) { return reinterpret_cast<intptr_t>(handle); }

// The error of the call that just failed; never kOk, so that a failure whose
// code the system did not set is still a failure (ERROR_GEN_FAILURE then).
inline OsError LastError() {
  const DWORD error = GetLastError();
  return error == ERROR_SUCCESS ? 31 : error;
}

}  // namespace edge::win32
