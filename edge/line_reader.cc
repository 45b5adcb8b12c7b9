// Windows text line reading over one reused block buffer.
#include "edge/line_reader.h"

#include <algorithm>
#include <cstring>

#include "edge/byte_vectors.h"

namespace edge {
namespace {

constexpr char kEndOfFileMark = 0x1A;

// Position of the first byte in `bytes` that a special rule applies to: a
// 0x1A, or a CR that is not right before a LF. `bytes.size()` when none.
// Most text has no such byte at all, so 64 bytes are tested at a step with
// the compiler's generic vectors (which build for every target), and only a
// step that holds one is looked at byte by byte.
size_t FirstIrregular(std::string_view bytes) {
  const auto irregular = [&](size_t at) {
    const Bytes16 here = Load16(bytes.data() + at);
    const Bytes16 next = Load16(bytes.data() + at + 1);
    return (here == 0x1A) | ((here == '\r') & (next != '\n'));
  };
  const size_t n = bytes.size();
  size_t step = 0;
  for (; step + 64 < n; step += 64) {
    if (AnyLane(irregular(step) | irregular(step + 16) | irregular(step + 32) |
                irregular(step + 48))) {
      break;
    }
  }
  for (size_t i = step; i < n; ++i) {
    if (bytes[i] == kEndOfFileMark) return i;
    if (bytes[i] == '\r' && (i + 1 == n || bytes[i + 1] != '\n')) return i;
  }
  return n;
}

// The line held by `segment` (the bytes before its LF, or the rest of the
// input): cut at the first 0x1A, every CR dropped.
void RewriteLine(std::string_view segment, std::string* line) {
  line->clear();
  for (char c : segment) {
    if (c == kEndOfFileMark) break;
    if (c != '\r') line->push_back(c);
  }
}

}  // namespace

LineReader::LineReader(File* file, size_t block_size) : file_(file), buffer_(block_size) {}

void LineReader::Restart(File* file) {
  file_ = file;
  begin_ = end_ = 0;
  at_eof_ = false;
}

OsError LineReader::Fill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  size_t count = 0;
  if (OsError error = ReadFromFile(*file_, buffer_.data() + end_, buffer_.size() - end_, &count)) {
    return error;
  }
  end_ += count;
  if (count == 0) at_eof_ = true;
  return kOk;
}

OsError LineReader::AtEnd(bool* at_end) {
  for (;;) {
    while (begin_ < end_ && buffer_[begin_] == '\r') ++begin_;
    if (begin_ < end_) {
      *at_end = buffer_[begin_] == kEndOfFileMark;
      return kOk;
    }
    if (at_eof_) {
      *at_end = true;
      return kOk;
    }
    if (OsError error = Fill()) return error;
  }
}

OsError LineReader::ReadLine(std::string_view* line) {
  size_t searched = 0;  // bytes after begin_ known to hold no LF
  size_t line_length = 0;
  bool has_line_end = false;
  for (;;) {
    const std::string_view unread = Buffered();
    const size_t lf = unread.find('\n', searched);
    if (lf != std::string_view::npos) {
      line_length = lf;
      has_line_end = true;
      break;
    }
    if (at_eof_) {
      line_length = unread.size();
      break;
    }
    searched = unread.size();
    if (OsError error = Fill()) return error;
  }
  const std::string_view segment = Buffered().substr(0, line_length);
  const size_t first_mark = segment.find(kEndOfFileMark);
  if (first_mark != std::string_view::npos && segment.find_first_not_of('\r') == first_mark) {
    // 0x1A at the start of the line: the input ends here, and stays ended.
    begin_ += first_mark;
    *line = {};
    return kOk;
  }
  const size_t consumed = line_length + (has_line_end ? 1 : 0);
  const size_t first_cr = segment.find('\r');
  if (first_mark == std::string_view::npos &&
      (first_cr == std::string_view::npos || (first_cr + 1 == line_length && has_line_end))) {
    *line = segment.substr(0, first_cr == std::string_view::npos ? line_length : first_cr);
  } else {
    RewriteLine(segment, &line_);
    *line = line_;
  }
  begin_ += consumed;
  return kOk;
}

OsError LineReader::ReadPlainLines(std::string_view* run) {
  *run = {};
  if (begin_ == end_ && !at_eof_) {
    if (OsError error = Fill()) return error;
  }
  std::string_view candidate = Buffered();
  if (!at_eof_) {
    const size_t last_lf = candidate.rfind('\n');
    if (last_lf == std::string_view::npos) return kOk;
    candidate = candidate.substr(0, last_lf + 1);
  }
  const size_t irregular = FirstIrregular(candidate);
  if (irregular < candidate.size()) {
    const size_t line_start = candidate.rfind('\n', irregular);
    if (line_start == std::string_view::npos) return kOk;
    candidate = candidate.substr(0, line_start + 1);
  }
  *run = candidate;
  begin_ += candidate.size();
  return kOk;
}

}  // namespace edge
