// Reference readers and scratch files for the fuzz targets.
#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

std::vector<std::string> ReferenceLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool at_line_start = true;
  bool skipping = false;  // after a 0x1A inside the line
  bool pending = false;   // a line has begun and not yet ended
  for (char c : bytes) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
      at_line_start = true;
      skipping = pending = false;
      continue;
    }
    if (c == 0x1A && at_line_start) return lines;
    at_line_start = false;
    pending = true;
    if (c == 0x1A) skipping = true;
    if (!skipping) line.push_back(c);
  }
  if (pending) lines.push_back(line);
  return lines;
}

const edge::test_support::TempDir& Scratch() {
  static const edge::test_support::TempDir scratch;
  return scratch;
}

edge::File OpenBytes(std::string_view bytes) {
  const std::string path = Scratch().Write("input.log", bytes);
  edge::File file;
  if (edge::OpenForReading(path, &file) != edge::kOk) Fail("cannot open the scratch file");
  return file;
}

void Fail(std::string_view what) {
  std::fprintf(stderr, "FUZZ CHECK FAILED: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace fuzz
