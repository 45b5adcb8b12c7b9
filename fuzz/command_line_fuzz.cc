// The command-line splitter never crashes, never gives an empty word, and
// agrees with a reference that reads the line one character at a time.
#include <cstddef>
#include <cstdint>

#include "edge/command_line.h"
#include "fuzz/fuzz_support.h"

namespace {

bool IsSeparator(char c) { return c >= 1 && c <= 32; }

// A quote toggles the quoted state and is dropped; outside quotes a
// separator ends the word; every other character belongs to the word. A
// word that collects no character is no word. A NUL ends everything.
std::vector<std::string> ReferenceSplit(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (char c : text) {
    if (c == '\0') break;
    if (c == '"') {
      quoted = !quoted;
    } else if (IsSeparator(c) && !quoted) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word.push_back(c);
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> words = edge::SplitCommandLine(text);
  const bool has_quote = text.substr(0, text.find('\0')).find('"') != std::string_view::npos;
  for (const std::string& word : words) {
    FUZZ_CHECK(!word.empty());
    FUZZ_CHECK(word.find('"') == std::string::npos);
    FUZZ_CHECK(word.find('\0') == std::string::npos);
    // Only a quoted stretch can hold a separator.
    if (!has_quote) {
      for (char c : word) FUZZ_CHECK(!IsSeparator(c));
    }
  }
  FUZZ_CHECK(words == ReferenceSplit(text));
  return 0;
}
