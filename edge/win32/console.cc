// Win32 backend only: the standard streams and the console text attribute.
#include "edge/platform.h"
#include "edge/win32/host.h"

namespace edge {

File OpenStandardStream(StandardStream stream) {
  const DWORD which = stream == StandardStream::kInput    ? STD_INPUT_HANDLE
                      : stream == StandardStream::kOutput ? STD_OUTPUT_HANDLE
                                                          : STD_ERROR_HANDLE;
  const HANDLE handle = GetStdHandle(which);
  // Only a real console has a console mode; a pipe, a file or the NUL
  // device that stands in for one has none.
  DWORD mode = 0;
  const bool is_console = GetConsoleMode(handle, &mode) != 0;
  return File(win32::FromHandle(handle), /*owned=*/false, is_console);
}

// Neither result is tested: on a handle that is no console both calls fail
// and change nothing, and the line is written like any other.
uint16_t SetConsoleAttribute(File& console, uint16_t attribute) {
  const HANDLE handle = win32::AsHandle(console.handle());
  CONSOLE_SCREEN_BUFFER_INFO info = {};
  GetConsoleScreenBufferInfo(handle, &info);
  SetConsoleTextAttribute(handle, attribute);
  return info.wAttributes;
}

void RestoreConsoleAttribute(File& console, uint16_t saved) {
  SetConsoleTextAttribute(win32::AsHandle(console.handle()), saved);
}

}  // namespace edge
