// The command-line splitting rules of the programs' Windows run-time.
#include "edge/command_line.h"

namespace edge {
namespace {

bool IsSeparator(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

// Reads one word from `*pos` on; empty when none is left.
std::string ReadWord(std::string_view text, size_t* pos) {
  size_t p = *pos;
  auto at = [&](size_t i) { return i < text.size() ? text[i] : '\0'; };
  for (;;) {
    while (IsSeparator(at(p))) ++p;
    if (at(p) == '"' && at(p + 1) == '"') {
      p += 2;
    } else {
      break;
    }
  }
  std::string word;
  while (at(p) != '\0' && !IsSeparator(at(p))) {
    if (at(p) == '"') {
      ++p;
      while (at(p) != '\0' && at(p) != '"') word.push_back(text[p++]);
      if (at(p) == '"') ++p;
    } else {
      word.push_back(text[p++]);
    }
  }
  *pos = p;
  return word;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  std::vector<std::string> words;
  size_t pos = 0;
  for (;;) {
    std::string word = ReadWord(command_line, &pos);
    if (word.empty()) return words;
    words.push_back(std::move(word));
  }
}

}  // namespace edge
