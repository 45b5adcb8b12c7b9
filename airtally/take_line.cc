// Tests on list lines and take lines.
#include "airtally/take_line.h"

#include "airtally/texts.h"

namespace airtally {

bool IsLogPath(std::string_view line) {
  const size_t n = line.size();
  return n >= 4 && (line[n - 1] == 'g' || line[n - 1] == 'G') && line[n - 4] == '.';
}

bool IsTakeLine(std::string_view line) {
  return line.find(kTakeMark) != std::string_view::npos &&
         line.find(kMovieMark) != std::string_view::npos;
}

std::optional<size_t> FindDuration(std::string_view line) {
  // With i the 1-based end of the field: ':' at i-2 and i-5, blank at i-8.
  for (size_t i = line.size(); i >= 9; --i) {
    if (line[i - 3] == ':' && line[i - 6] == ':' && line[i - 9] == ' ') return i - 1;
  }
  return std::nullopt;
}

}  // namespace airtally
