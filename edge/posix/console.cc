// POSIX backend only: the standard streams and the console text attribute.
#include <signal.h>
#include <unistd.h>

#include "edge/platform.h"

namespace edge {
namespace {

// A write to a pipe whose reader has gone must fail with an error code, as
// on Windows, instead of killing the process.
const bool kBrokenPipeIsAnError = [] {
  signal(SIGPIPE, SIG_IGN);
  return true;
}();

}  // namespace

File OpenStandardStream(StandardStream stream) {
  const int fd = stream == StandardStream::kInput    ? STDIN_FILENO
                 : stream == StandardStream::kOutput ? STDOUT_FILENO
                                                     : STDERR_FILENO;
  const bool is_terminal = stream != StandardStream::kInput && isatty(fd) == 1;
  return File(fd, /*owned=*/false, is_terminal);
}

uint16_t SetConsoleAttribute(File&, uint16_t) { return 0; }

void RestoreConsoleAttribute(File&, uint16_t) {}

}  // namespace edge
