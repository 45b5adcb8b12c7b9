// POSIX backend only: the standard streams and the console text attribute.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "edge/platform.h"

namespace edge {
namespace {

// A write to a pipe whose reader has gone must fail with an error code, as
// on Windows, instead of killing the process.
const bool kBrokenPipeIsAnError = [] {
  signal(SIGPIPE, SIG_IGN);
  return true;
}();

// A standard stream that the parent left closed stays unusable, as a closed
// handle does on Windows: its number is taken by /dev/null opened the wrong
// way round, so that every use fails with EBADF (error 6), and no file that
// the program opens later gets the number and with it the console's bytes.
const bool kClosedStandardStreamsStayClosed = [] {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    // open() takes the lowest free number, which is this one.
    if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
      open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
  }
  return true;
}();

// The ANSI colour number of the Windows colour bits blue 1, green 2, red 4.
int AnsiColourIndex(int windows_colour) {
  return (windows_colour & 4 ? 1 : 0) | (windows_colour & 2 ? 2 : 0) | (windows_colour & 1 ? 4 : 0);
}

// The escape sequence for a Windows text attribute: bits 0-3 the foreground
// (8 bright), bits 4-7 the background. A black background keeps the
// terminal's own, which is what a terminal with a light theme wants.
std::string AnsiColours(uint16_t attribute) {
  const int foreground = attribute & 0xF;
  const int background = (attribute >> 4) & 0xF;
  std::string sequence = "\x1b[";
  if (foreground & 8) sequence += "1;";
  sequence += std::to_string(30 + AnsiColourIndex(foreground));
  if (background != 0) {
    sequence += ';';
    sequence += std::to_string((background & 8 ? 100 : 40) + AnsiColourIndex(background));
  }
  sequence += 'm';
  return sequence;
}

}  // namespace

File OpenStandardStream(StandardStream stream) {
  const int fd = stream == StandardStream::kInput    ? STDIN_FILENO
                 : stream == StandardStream::kOutput ? STDOUT_FILENO
                                                     : STDERR_FILENO;
  const bool is_terminal = stream != StandardStream::kInput && isatty(fd) == 1;
  return File(fd, /*owned=*/false, is_terminal);
}

uint16_t SetConsoleAttribute(File& console, uint16_t attribute) {
  // What a console shows before anything changes it, and so what the
  // terminal's own default colours stand for.
  constexpr uint16_t kDefaultAttribute = 7;
  if (!console.is_console()) return kDefaultAttribute;
  // A failure is not reported, as on Windows.
  WriteToFile(console, AnsiColours(attribute));
  return kDefaultAttribute;
}

// Only SetConsoleAttribute changes a terminal's colours, so what was in force
// before is always the terminal's default.
void RestoreConsoleAttribute(File& console, uint16_t) {
  if (console.is_console()) WriteToFile(console, "\x1b[0m");
}

}  // namespace edge
