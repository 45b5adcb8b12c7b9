// Reads a file as Windows text, line by line, in large blocks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "edge/platform.h"

namespace edge {

// The text rules: a line ends at LF or CR LF and the line end is not part of
// it; every other CR is dropped; a last line without a line end is still a
// line; lines have no length limit. A byte 0x1A at the start of a line ends
// the input; inside a line it ends the line and the rest of that line up to
// its line end is skipped.
//
// One reader serves a file for its whole life, so that nothing read ahead
// into its buffer is lost (standard input has one reader for the whole run).
// Every call that reads passes up the system error of a failed read.
class LineReader {
 public:
  static constexpr size_t kBlockSize = 256 * 1024;

  // `file` must outlive the reader. `block_size` is how much is read at once.
  explicit LineReader(File* file, size_t block_size = kBlockSize);

  // Starts reading `file` from its beginning, keeping the buffer: memory
  // that is reused is faster than memory that is new.
  void Restart(File* file);

  // The end-of-input test made before each line: true when no byte is left
  // or the next byte (dropped CRs aside) is 0x1A.
  OsError AtEnd(bool* at_end);

  // Reads the next line. At the end of the input the line is empty and
  // nothing is consumed. The view stays valid until the next call.
  OsError ReadLine(std::string_view* line);

  // For fast scanners: the next run of whole lines, taken from what is
  // buffered, to which no special rule applies: every CR in it stands right
  // before a LF and it holds no 0x1A. Each line of the run is its bytes up to
  // the LF with a trailing CR removed; the last one may lack its LF at the
  // end of the input. An empty run means: read the next line with ReadLine.
  // The view stays valid until the next call.
  OsError ReadPlainLines(std::string_view* run);

 private:
  // Moves the unread bytes to the front, grows a full buffer, and reads more;
  // sets at_eof_ when the file has no more bytes.
  OsError Fill();
  std::string_view Buffered() const { return {buffer_.data() + begin_, end_ - begin_}; }

  File* file_;
  std::vector<char> buffer_;
  size_t begin_ = 0;  // first unread byte
  size_t end_ = 0;    // end of the bytes read so far
  bool at_eof_ = false;
  std::string line_;  // a line whose bytes had to be rewritten
};

}  // namespace edge
