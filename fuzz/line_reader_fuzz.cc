// The block-wise line reader gives the lines of a byte-at-a-time reference
// reader, whatever the block size, and fast runs mixed with single lines
// give the same lines as single lines alone.
#include <cstddef>
#include <cstdint>

#include "edge/line_reader.h"
#include "edge/testing/run_lines.h"
#include "fuzz/fuzz_support.h"

namespace {

using Lines = std::vector<std::string>;

// Reads every line with ReadLine alone.
Lines ReadLines(edge::LineReader& reader) {
  Lines lines;
  for (;;) {
    bool at_end = false;
    FUZZ_CHECK(reader.AtEnd(&at_end) == edge::kOk);
    if (at_end) return lines;
    std::string_view line;
    FUZZ_CHECK(reader.ReadLine(&line) == edge::kOk);
    lines.emplace_back(line);
  }
}

// Reads as the scanner does, taking a plain run whenever `use_run` says so.
Lines ReadMixed(edge::LineReader& reader, std::string_view use_run) {
  Lines lines;
  for (size_t step = 0;; ++step) {
    std::string_view run;
    if (use_run.empty() || (use_run[step % use_run.size()] & 1)) {
      FUZZ_CHECK(reader.ReadPlainLines(&run) == edge::kOk);
    }
    if (!run.empty()) {
      // The run's promise: no 0x1A, and every CR stands right before a LF.
      FUZZ_CHECK(run.find('\x1A') == std::string_view::npos);
      for (size_t cr = run.find('\r'); cr != std::string_view::npos; cr = run.find('\r', cr + 1)) {
        FUZZ_CHECK(cr + 1 < run.size() && run[cr + 1] == '\n');
      }
      edge::test_support::AppendRunLines(run, &lines);
      continue;
    }
    bool at_end = false;
    FUZZ_CHECK(reader.AtEnd(&at_end) == edge::kOk);
    if (at_end) return lines;
    std::string_view line;
    FUZZ_CHECK(reader.ReadLine(&line) == edge::kOk);
    lines.emplace_back(line);
  }
}

}  // namespace

// Input: one byte for the block size, four bytes choosing runs or single
// lines step by step, then the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  const size_t block = data[0] % 64 + 1;
  const std::string_view use_run(reinterpret_cast<const char*>(data + 1), 4);
  const std::string_view text(reinterpret_cast<const char*>(data + 5), size - 5);
  const Lines expected = fuzz::ReferenceLines(text);

  edge::File file = fuzz::OpenBytes(text);
  edge::LineReader reader(&file, block);
  FUZZ_CHECK(ReadLines(reader) == expected);

  // The reader is reused from log to log: the second file must not see
  // anything of the first.
  edge::File again = fuzz::OpenBytes(text);
  reader.Restart(&again);
  FUZZ_CHECK(ReadMixed(reader, use_run) == expected);

  edge::File third = fuzz::OpenBytes(text);
  edge::LineReader fresh(&third, block);
  FUZZ_CHECK(ReadMixed(fresh, {}) == expected);
  return 0;
}
