// Test tool, Windows only: starts a program with a raw command line, which
// no argument list can express (quotes glued to text, empty "" words).
//
//   rawlaunch PROGRAM COMMAND_LINE_FILE [HELD_FILE]
//
// PROGRAM is started with the bytes of COMMAND_LINE_FILE as its command line
// (ANSI code page, the first word included), inheriting this process's
// standard handles, current folder and environment. With HELD_FILE, that
// existing file is held open for writing, shared for reading only, while the
// program runs. The exit code is the program's; 125 when it could not start.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace {

constexpr UINT kNotStarted = 125;

[[noreturn]] void Fail(const std::string& what) {
  const std::string text =
      "rawlaunch: " + what + " failed, error " + std::to_string(GetLastError()) + "\r\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
  ExitProcess(kNotStarted);
}

std::string ReadWholeFile(const char* path) {
  const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail(std::string("opening ") + path);
  std::string text;
  char block[4096];
  DWORD got = 0;
  while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0) text.append(block, got);
  CloseHandle(file);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    SetLastError(ERROR_BAD_ARGUMENTS);
    Fail("reading the arguments (PROGRAM COMMAND_LINE_FILE [HELD_FILE])");
  }
  std::string command_line = ReadWholeFile(argv[2]);

  HANDLE held = INVALID_HANDLE_VALUE;
  if (argc == 4) {
    held = CreateFileA(argv[3], GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) Fail(std::string("holding ") + argv[3]);
  }

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  for (HANDLE standard : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    SetHandleInformation(standard, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  }
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(argv[1], command_line.data(), nullptr, nullptr, /*bInheritHandles=*/TRUE, 0,
                      nullptr, nullptr, &startup, &process)) {
    Fail(std::string("starting ") + argv[1]);
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exit_code = kNotStarted;
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  return static_cast<int>(exit_code);
}
