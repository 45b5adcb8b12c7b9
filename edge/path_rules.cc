// Path limits shared by the backends.
#include "edge/path_rules.h"

namespace edge {

OsError RefusedPath(std::string_view path) {
  if (path.size() >= kMaxPathBytes) return kErrorFilenameTooLong;
  if (path.find('\0') != std::string_view::npos) return kErrorInvalidName;
  return kOk;
}

}  // namespace edge
