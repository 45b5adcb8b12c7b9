// Buffered writing of bytes to a file or a standard stream.
#pragma once

#include <string>
#include <string_view>

#include "edge/platform.h"

namespace edge {

// Collects bytes and hands them to the file in large writes, or at every
// line end when line buffered (a console, so each line shows as it is
// written). A failed write is passed up from the call that wrote to the
// file; Flush before reading a console answer, before closing and before
// the process ends.
class OutputStream {
 public:
  static constexpr size_t kBufferSize = 64 * 1024;

  // `file` must outlive the stream.
  OutputStream(File* file, bool line_buffered);

  OsError Write(std::string_view bytes);
  // Writes `bytes` and CR LF.
  OsError WriteLine(std::string_view bytes);
  OsError Flush();

 private:
  File* file_;
  bool line_buffered_;
  std::string pending_;
};

}  // namespace edge
