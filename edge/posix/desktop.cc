// POSIX backend only: the Desktop folder, as the XDG user-dirs file records it.
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "edge/platform.h"
#include "edge/posix/host.h"
#include "edge/user_dirs.h"

namespace edge {
namespace {

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

DesktopLookup DesktopFolder(std::string* folder) {
  folder->clear();
  const std::string_view home = Environment("HOME");
  const std::string path = UserDirsFilePath(Environment("XDG_CONFIG_HOME"), home);
  if (path.empty()) return DesktopLookup::kFound;
  // A file that is missing or unreadable records nothing, as a missing
  // registry value does.
  std::ifstream file(path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const std::string host_folder = DesktopDirFromUserDirs(text, home);
  if (!host_folder.empty()) *folder = posix::WindowsPath(host_folder);
  return DesktopLookup::kFound;
}

}  // namespace edge
