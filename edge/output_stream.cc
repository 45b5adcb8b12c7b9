// Buffered output over the platform's file writes.
#include "edge/output_stream.h"

namespace edge {

OutputStream::OutputStream(File* file, bool line_buffered)
    : file_(file), line_buffered_(line_buffered) {
  pending_.reserve(kBufferSize);
}

OsError OutputStream::Write(std::string_view bytes) {
  pending_.append(bytes);
  const bool line_done = line_buffered_ && bytes.find('\n') != std::string_view::npos;
  if (line_done || pending_.size() >= kBufferSize) return Flush();
  return kOk;
}

OsError OutputStream::WriteLine(std::string_view bytes) {
  pending_.append(bytes);
  return Write("\r\n");
}

OsError OutputStream::Flush() {
  if (pending_.empty()) return kOk;
  const OsError error = WriteToFile(*file_, pending_);
  // What could not be written is dropped either way: the caller stops.
  pending_.clear();
  return error;
}

}  // namespace edge
