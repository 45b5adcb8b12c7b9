// EscapeScriptPath over arbitrary bytes: undoing the escapes gives the path
// back with every separator a backslash and every Russian letter small, and
// no backslash of the result stands alone.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "clipweld/escape_script_path.h"
#include "fuzz/fuzz_support.h"

namespace {

// The small form of the letter whose UTF-8 bytes start `text`, if any.
std::optional<std::string_view> LetterAt(std::string_view text) {
  for (const auto& letter : clipweld::LetterEscapes) {
    if (text.starts_with(letter.capital) || text.starts_with(letter.small)) return letter.small;
  }
  return std::nullopt;
}

// What the escaped path stands for, read left to right like the path.
std::string Expected(std::string_view path) {
  std::string expected;
  for (size_t i = 0; i < path.size();) {
    if (const auto small = LetterAt(path.substr(i))) {
      expected.append(*small);
      i += small->size();
    } else {
      expected.push_back(path[i] == '/' ? '\\' : path[i]);
      ++i;
    }
  }
  return expected;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;  // the escapes are written in lowercase hex only
}

// "\\" is a backslash and "\xhh" a byte; any other backslash is a fault.
std::optional<std::string> Unescape(std::string_view escaped) {
  std::string text;
  for (size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      text.push_back(escaped[i]);
    } else if (i + 1 < escaped.size() && escaped[i + 1] == '\\') {
      text.push_back('\\');
      ++i;
    } else if (i + 3 < escaped.size() && escaped[i + 1] == 'x' && HexValue(escaped[i + 2]) >= 0 &&
               HexValue(escaped[i + 3]) >= 0) {
      text.push_back(static_cast<char>(HexValue(escaped[i + 2]) * 16 + HexValue(escaped[i + 3])));
      i += 3;
    } else {
      return std::nullopt;
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  const std::string escaped = clipweld::EscapeScriptPath(path);
  FUZZ_CHECK(escaped.find('/') == std::string::npos);
  FUZZ_CHECK(escaped.size() >= path.size());
  const std::optional<std::string> unescaped = Unescape(escaped);
  FUZZ_CHECK(unescaped.has_value());
  FUZZ_CHECK(*unescaped == Expected(path));
  return 0;
}
