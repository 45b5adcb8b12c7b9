// Win32 backend only: the Desktop folder, from the user's shell-folder table
// in the registry.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "edge/platform.h"

namespace edge {
namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kDesktopValue[] = "Desktop";

// Closes the key however the lookup ends.
class OpenKey {
 public:
  explicit OpenKey(HKEY key) : key_(key) {}
  ~OpenKey() { RegCloseKey(key_); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

 private:
  HKEY key_;
};

}  // namespace

DesktopLookup DesktopFolder(std::string* folder) {
  folder->clear();
  HKEY key;
  // Read access only: the key is never created. A missing or unreadable key
  // records no folder.
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return DesktopLookup::kFound;
  }
  const OpenKey closer(key);
  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExA(key, kDesktopValue, nullptr, &type, nullptr, &size);
  std::string data;
  while (result == ERROR_SUCCESS && size > 0) {
    data.resize(size);
    result = RegQueryValueExA(key, kDesktopValue, nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
    // The value grew after its size was asked: `size` is the new one.
    if (result != ERROR_MORE_DATA) break;
    result = ERROR_SUCCESS;
  }
  // A missing value, or one without data, records no folder whatever its type.
  if (result != ERROR_SUCCESS || size == 0) return DesktopLookup::kFound;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return DesktopLookup::kWrongType;
  // As stored, up to the first NUL; environment references stay unexpanded.
  data.resize(size);
  folder->assign(data, 0, data.find('\0'));
  return DesktopLookup::kFound;
}

}  // namespace edge
