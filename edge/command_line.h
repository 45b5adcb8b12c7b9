// Splitting a Windows command line into arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace edge {

// Splits `command_line` into its words, the program as typed first. Runs of
// characters with codes 1 to 32 separate words; a double quote starts a
// quoted stretch that runs to the next double quote (or the end), the quotes
// are dropped, and a stretch touching other text joins it into one word; a
// backslash is an ordinary character. A pair of double quotes where a word
// would begin is skipped, so no word is empty; the words end at the first
// place where only an empty word could be read (an unclosed quote at the
// very end) or at a NUL.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

}  // namespace edge
