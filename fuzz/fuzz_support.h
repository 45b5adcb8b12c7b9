// Helpers shared by the fuzz targets: plain reference readers and checks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "edge/platform.h"
#include "edge/testing/temp_dir.h"

namespace fuzz {

// The text rules one byte at a time, as plainly as they can be said: every
// CR dropped, lines split at LF, a line cut at its first 0x1A, and the input
// ended by a 0x1A at the start of a line.
std::vector<std::string> ReferenceLines(std::string_view bytes);

// A scratch folder that lives until the process ends.
const edge::test_support::TempDir& Scratch();

// A file holding `bytes`, open for reading, in a scratch folder that lives
// until the process ends. Aborts when the file cannot be made.
edge::File OpenBytes(std::string_view bytes);

// Reports `what` with the input's size and aborts, so that libFuzzer keeps
// the input as a crash.
[[noreturn]] void Fail(std::string_view what);

}  // namespace fuzz

// Fails the input when `condition` does not hold.
#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : ::fuzz::Fail(__FILE__ ":" + std::to_string(__LINE__) + ": " #condition))
