// POSIX backend only: path forms and error codes at the host boundary.
#include "edge/posix/host.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "edge/code_pages.h"

namespace edge::posix {
namespace {

// Whether the folder that would hold `host_path` exists: a missing file is
// "not found" (2) in an existing folder, "path not found" (3) otherwise.
bool ParentFolderExists(std::string_view host_path) {
  const size_t slash = host_path.rfind('/');
  if (slash == std::string_view::npos) return true;
  const std::string parent(host_path.substr(0, slash == 0 ? 1 : slash));
  struct stat info;
  return stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string HostPath(std::string_view windows_path) {
  std::string path = Cp1251ToUtf8(windows_path);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string WindowsPath(std::string_view host_path) {
  std::string path;
  if (!Utf8ToCp1251(host_path, &path)) path = host_path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

OsError WindowsError(int error, std::string_view host_path) {
  switch (error) {
    case ENOENT:
      return ParentFolderExists(host_path) ? kErrorFileNotFound : kErrorPathNotFound;
    case ENOTDIR:
      return kErrorPathNotFound;
    case EMFILE:
    case ENFILE:
      return kErrorTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return kErrorAccessDenied;
    case EBADF:
      return kErrorInvalidHandle;
    case ETXTBSY:
    case EBUSY:
      return kErrorSharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kErrorDiskFull;
    case ENAMETOOLONG:
      return kErrorFilenameTooLong;
    case EPIPE:
      return kErrorNoData;
    case ELOOP:
      return 1921;  // ERROR_CANT_RESOLVE_FILENAME
    default:
      return 31;  // ERROR_GEN_FAILURE
  }
}

}  // namespace edge::posix
