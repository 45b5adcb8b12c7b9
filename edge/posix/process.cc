// POSIX backend only: the program's arguments, its own file, starting other
// programs and ending the process.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "edge/code_pages.h"
#include "edge/platform.h"
#include "edge/posix/host.h"

namespace edge {

std::string OwnExecutablePath() {
  std::string host(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", host.data(), host.size());
  host.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return posix::WindowsPath(host);
}

std::vector<std::string> ProgramArguments() {
  std::ifstream command_line("/proc/self/cmdline", std::ios::binary);
  const std::string raw{std::istreambuf_iterator<char>(command_line),
                        std::istreambuf_iterator<char>()};
  std::vector<std::string> arguments{OwnExecutablePath()};
  size_t start = raw.find('\0');  // element 0 is replaced by the own path
  while (start != std::string::npos && start + 1 < raw.size()) {
    const size_t end = raw.find('\0', start + 1);
    const std::string_view element(raw.data() + start + 1,
                                   (end == std::string::npos ? raw.size() : end) - start - 1);
    // Windows cannot pass an empty argument.
    if (!element.empty()) {
      std::string argument;
      if (!Utf8ToCp1251(element, &argument)) argument = element;
      arguments.push_back(std::move(argument));
    }
    start = end;
  }
  return arguments;
}

OsError ProbeReadWrite(std::string_view, bool* opened) {
  *opened = false;
  return kOk;
}

bool StartDetached(std::string_view, std::string_view) { return false; }

void ExitProcess(int code) { std::exit(code); }

}  // namespace edge
