// POSIX backend only: the Desktop folder.
#include "edge/platform.h"

namespace edge {

DesktopLookup DesktopFolder(std::string* folder) {
  folder->clear();
  return DesktopLookup::kFound;
}

}  // namespace edge
