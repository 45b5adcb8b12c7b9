// POSIX backend only: the program's arguments, its own file, starting other
// programs and ending the process.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "edge/code_pages.h"
#include "edge/command_line.h"
#include "edge/path_rules.h"
#include "edge/platform.h"
#include "edge/posix/host.h"

extern char** environ;

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

OsError ProbeReadWrite(std::string_view name, bool* opened) {
  *opened = false;
  if (RefusedPath(name) != kOk) return kOk;
  // A folder does not open for writing, as on Windows.
  const int fd = open(posix::HostPath(name).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return kOk;
  *opened = true;
  return close(fd) == 0 ? kOk : posix::WindowsError(errno);
}

namespace {

bool IsFile(const std::string& host_path) {
  struct stat info;
  return stat(host_path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The file Windows starts for `program`, the first word of a command line:
// a name with a folder as it stands; a bare name from the folder of this
// program's own file, then the current folder, then each folder of PATH
// (there are no system folders here). Empty when none holds it.
std::string FindProgram(std::string_view program) {
  const std::string name = posix::HostPath(program);
  if (name.find('/') != std::string::npos) return IsFile(name) ? name : std::string();
  std::string own_folder = posix::HostPath(OwnExecutablePath());
  own_folder.erase(own_folder.rfind('/') + 1);
  // The current folder is the empty prefix: the bare name.
  std::vector<std::string> folders{own_folder, ""};
  const char* path = getenv("PATH");
  for (std::string_view rest = path ? path : ""; !rest.empty();) {
    const size_t colon = rest.find(':');
    const std::string_view folder = rest.substr(0, colon);
    if (!folder.empty()) folders.push_back(std::string(folder) + "/");
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  for (const std::string& folder : folders) {
    if (IsFile(folder + name)) return folder + name;
  }
  return {};
}

}  // namespace

bool StartDetached(std::string_view program, std::string_view arguments) {
  const std::string found = FindProgram(program);
  if (found.empty()) return false;
  // The started program gets its arguments as Windows would split its
  // command line, in the host's text form.
  std::vector<std::string> words = SplitCommandLine(std::string(program).append(arguments));
  for (std::string& word : words) word = Cp1251ToUtf8(word);
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawnattr_t attributes;
  posix_spawn_file_actions_t actions;
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_init(&actions);
  // A process group of its own, and SIGPIPE back to its default: this
  // process ignores it, and an ignored signal would be inherited.
  sigset_t default_signals;
  sigemptyset(&default_signals);
  sigaddset(&default_signals, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &default_signals);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
  // No handle is inherited: beyond the standard three, not even one this
  // process got from its own parent.
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
  pid_t child = 0;
  const int error = posix_spawn(&child, found.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  // Not waited for: this process ends right after, and the orphan is then
  // reaped by the system.
  return error == 0;
}

void ExitProcess(int code) { std::exit(code); }

}  // namespace edge
