// Win32 backend only: the program's arguments, its own file, starting other
// programs and ending the process.
#include <string>

#include "edge/command_line.h"
#include "edge/platform.h"
#include "edge/win32/host.h"

namespace edge {

std::string OwnExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A result that fills the buffer may have been cut short.
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> arguments = SplitCommandLine(GetCommandLineA());
  // The first word is the program as typed; the programs see their full path.
  const std::string own_path = OwnExecutablePath();
  if (arguments.empty()) {
    arguments.push_back(own_path);
  } else {
    arguments[0] = own_path;
  }
  return arguments;
}

OsError ProbeReadWrite(std::string_view, bool* opened) {
  *opened = false;
  return kOk;
}

bool StartDetached(std::string_view, std::string_view) { return false; }

void ExitProcess(int code) { ::ExitProcess(static_cast<UINT>(code)); }

}  // namespace edge
