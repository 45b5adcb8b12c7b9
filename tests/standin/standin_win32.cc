// Tests only (Windows): stands in for virtualdub.exe. Appends to the file
// "standin-record.txt" in its current folder what it was started with, then
// closes its standard handles and, while a file "standin-hold" exists there,
// waits for it to go away, at most 30 seconds, before it records that it
// finished.
//
// Windows keeps no process group id that a process can read. What a new
// group leaves behind is Ctrl+C being ignored: the system records it in the
// process parameters' console flags (bit 0), which is what "new_group" shows.
#include <windows.h>
#include <winternl.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

bool InNewProcessGroup() {
  PROCESS_BASIC_INFORMATION basic = {};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic,
                                nullptr) != 0) {
    return false;
  }
  const RTL_USER_PROCESS_PARAMETERS* parameters = basic.PebBaseAddress->ProcessParameters;
  // After the console handle comes the ULONG ConsoleFlags.
  ULONG console_flags = 0;
  memcpy(&console_flags, &parameters->Reserved2[1], sizeof console_flags);
  return (console_flags & 1) != 0;
}

bool Exists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

int main() {
  std::string record = "argv: ";
  for (int i = 0; i < __argc; ++i) record += std::string(i ? "|" : "") + __argv[i];
  record += std::string("\ncommand_line: ") + GetCommandLineA();
  char text[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof text, text);
  record += std::string("\ncwd: ") + text;
  GetModuleFileNameA(nullptr, text, sizeof text);
  record += std::string("\nown: ") + text;
  record += std::string("\nnew_group: ") + (InNewProcessGroup() ? "yes" : "no");
  const DWORD tag_length = GetEnvironmentVariableA("STANDIN_TAG", text, sizeof text);
  record += std::string("\ntag: ") + (tag_length < sizeof text ? text : "");
  record += "\n";
  std::ofstream("standin-record.txt", std::ios::app | std::ios::binary) << record << std::flush;
  for (DWORD stream : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
    CloseHandle(GetStdHandle(stream));
  }
  for (int waited = 0; waited < 300 && Exists("standin-hold"); ++waited) Sleep(100);
  std::ofstream("standin-record.txt", std::ios::app | std::ios::binary) << "finished\n";
  return 0;
}
