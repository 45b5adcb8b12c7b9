// Tests only: the lines of a plain run, as a fast scanner takes them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace edge::test_support {

// Appends the lines of `run` (LineReader::ReadPlainLines): each is its bytes
// up to the LF, a trailing CR removed; the last one may lack its LF.
void AppendRunLines(std::string_view run, std::vector<std::string>* lines);

}  // namespace edge::test_support
