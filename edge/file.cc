// The moves of File, the same on every platform; only the destructor, which
// closes a handle, belongs to a backend.
#include "edge/platform.h"

namespace edge {

File::File(File&& other) noexcept
    : handle_(other.handle_), owned_(other.owned_), is_console_(other.is_console_) {
  other.Release();
}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    File discarded(std::move(*this));  // closes what this held
    handle_ = other.handle_;
    owned_ = other.owned_;
    is_console_ = other.is_console_;
    other.Release();
  }
  return *this;
}

}  // namespace edge
