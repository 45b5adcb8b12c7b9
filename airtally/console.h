// The console of an airtally run: what the operator sees and types.
#pragma once

#include "edge/line_reader.h"
#include "edge/output_stream.h"
#include "edge/platform.h"

namespace airtally {

// One for the whole run: standard input has one reader, so that a list read
// from standard input and the ENTER after it come from the same stream.
struct Console {
  edge::File output_file = edge::OpenStandardStream(edge::StandardStream::kOutput);
  edge::File input_file = edge::OpenStandardStream(edge::StandardStream::kInput);
  edge::OutputStream output{&output_file, output_file.is_console()};
  edge::LineReader input{&input_file};
};

}  // namespace airtally
