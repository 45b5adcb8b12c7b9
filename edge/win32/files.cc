// Win32 backend only: file handles, opening, reading, writing and closing.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <string>

#include "edge/path_rules.h"
#include "edge/platform.h"
#include "edge/win32/host.h"

namespace edge {
namespace {

// A console takes reads and writes of a limited size on older systems.
constexpr size_t kConsoleChunk = 16 * 1024;
// Whole buffers for the rest, in pieces a DWORD can count.
constexpr size_t kFileChunk = size_t{1} << 30;

size_t ChunkFor(const File& file, size_t size) {
  return std::min(size, file.is_console() ? kConsoleChunk : kFileChunk);
}

// CreateFileA with the sharing every open of the programs uses: others may
// read the file meanwhile, nobody may write it.
OsError Open(std::string_view path, DWORD access, DWORD disposition, File* file) {
  if (OsError refused = RefusedPath(path)) return refused;
  const std::string name(path);
  const HANDLE handle = CreateFileA(name.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return win32::LastError();
  // Windows refuses a folder without FILE_FLAG_BACKUP_SEMANTICS; make sure
  // of it on every host that claims to be Windows.
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(handle, &info) &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    CloseHandle(handle);
    return kErrorAccessDenied;
  }
  *file = File(win32::FromHandle(handle), /*owned=*/true, /*is_console=*/false);
  return kOk;
}

}  // namespace

File::~File() {
  if (is_open() && owned_) CloseHandle(win32::AsHandle(handle_));
}

OsError OpenForReading(std::string_view path, File* file) {
  if (path.empty()) {
    *file = OpenStandardStream(StandardStream::kInput);
    return kOk;
  }
  return Open(path, GENERIC_READ, OPEN_EXISTING, file);
}

OsError CreateForWriting(std::string_view path, File* file) {
  return Open(path, GENERIC_WRITE, CREATE_ALWAYS, file);
}

OsError ReadFromFile(File& file, char* buffer, size_t capacity, size_t* count) {
  DWORD got = 0;
  if (!ReadFile(win32::AsHandle(file.handle()), buffer,
                static_cast<DWORD>(ChunkFor(file, capacity)), &got, nullptr)) {
    const OsError error = win32::LastError();
    // The writer of a pipe has gone: that is the end of the input.
    if (error != ERROR_BROKEN_PIPE) return error;
    got = 0;
  }
  *count = got;
  return kOk;
}

OsError WriteToFile(File& file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD put = 0;
    if (!WriteFile(win32::AsHandle(file.handle()), bytes.data(),
                   static_cast<DWORD>(ChunkFor(file, bytes.size())), &put, nullptr)) {
      return win32::LastError();
    }
    // A write that takes nothing would never end: the medium is full.
    if (put == 0) return kErrorDiskFull;
    bytes.remove_prefix(put);
  }
  return kOk;
}

OsError CloseFile(File& file) {
  const HANDLE handle = win32::AsHandle(file.handle());
  const bool owned = file.owned();
  file.Release();
  if (owned && !CloseHandle(handle)) return win32::LastError();
  return kOk;
}

}  // namespace edge
