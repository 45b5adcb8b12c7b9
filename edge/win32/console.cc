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

uint16_t SetConsoleAttribute(File&, uint16_t) { return 0; }

void RestoreConsoleAttribute(File&, uint16_t) {}

}  // namespace edge
