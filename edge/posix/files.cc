// POSIX backend only: file handles, opening, reading, writing and closing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "edge/code_pages.h"
#include "edge/path_rules.h"
#include "edge/platform.h"
#include "edge/posix/host.h"

namespace edge {

File::~File() {
  if (is_open() && owned_) close(static_cast<int>(handle_));
}

OsError OpenForReading(std::string_view path, File* file) {
  if (path.empty()) {
    *file = OpenStandardStream(StandardStream::kInput);
    return kOk;
  }
  if (OsError refused = RefusedPath(path)) return refused;
  const std::string host = posix::HostPath(path);
  const int fd = open(host.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return posix::WindowsError(errno, host);
  struct stat info;
  // Windows refuses to open a folder as a file.
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    return kErrorAccessDenied;
  }
  *file = File(fd, /*owned=*/true, /*is_console=*/false);
  return kOk;
}

OsError CreateForWriting(std::string_view path, File* file) {
  if (OsError refused = RefusedPath(path)) return refused;
  const std::string host = posix::HostPath(path);
  const int fd = open(host.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return posix::WindowsError(errno, host);
  *file = File(fd, /*owned=*/true, /*is_console=*/false);
  return kOk;
}

OsError ReadFromFile(File& file, char* buffer, size_t capacity, size_t* count) {
  for (;;) {
    const ssize_t got = read(static_cast<int>(file.handle()), buffer, capacity);
    if (got >= 0) {
      *count = static_cast<size_t>(got);
      return kOk;
    }
    if (errno != EINTR) return posix::WindowsError(errno);
  }
}

OsError WriteToFile(File& file, std::string_view bytes) {
  // A terminal shows the bytes as a code page 866 console would.
  const std::string shown = file.is_console() ? Cp866ToUtf8(bytes) : std::string();
  if (file.is_console()) bytes = shown;
  while (!bytes.empty()) {
    const ssize_t put = write(static_cast<int>(file.handle()), bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return posix::WindowsError(errno);
    }
    bytes.remove_prefix(static_cast<size_t>(put));
  }
  return kOk;
}

OsError CloseFile(File& file) {
  const auto fd = static_cast<int>(file.handle());
  const bool owned = file.owned();
  file.Release();
  if (owned && close(fd) != 0) return posix::WindowsError(errno);
  return kOk;
}

}  // namespace edge
