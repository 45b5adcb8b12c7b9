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

OsError ProbeReadWrite(std::string_view name, bool* opened) {
  const std::string file_name(name);
  const HANDLE file = CreateFileA(file_name.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  *opened = file != INVALID_HANDLE_VALUE;
  if (!*opened) return kOk;
  return CloseHandle(file) ? kOk : win32::LastError();
}

bool StartDetached(std::string_view program, std::string_view arguments) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  // CreateProcessA may write into the command line, so it gets a copy.
  std::string command_line(program);
  command_line.append(arguments);
  const bool started =
      CreateProcessA(nullptr, command_line.data(), nullptr, nullptr,
                     /*bInheritHandles=*/FALSE, CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS,
                     nullptr, nullptr, &startup, &process) != 0;
  // Closed in every case: after a failed start both are null, and closing
  // null does nothing. The process is not waited for.
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return started;
}

void ExitProcess(int code) { ::ExitProcess(static_cast<UINT>(code)); }

}  // namespace edge
