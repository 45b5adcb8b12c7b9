// Makes a path safe to stand between the double quotes of a script string.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace clipweld {

// One letter of the Russian alphabet: the UTF-8 bytes of its capital and of
// its small form, and the escape text written for either (the small form's
// bytes as "\xHH\xHH", lowercase hex), so the case of a letter is not kept.
struct LetterEscape {
  std::string_view capital;
  std::string_view small;
  std::string_view escape;
};

// The 33 letters in alphabet order.
extern const std::array<LetterEscape, 33> LetterEscapes;

// `path` with every backslash or slash doubled into two backslashes and every
// Russian letter in UTF-8 (a byte pair of LetterEscapes) replaced by its
// escape text; every other byte, a lone or unmatched lead byte included, is
// copied as it is. Pure; cannot fail.
std::string EscapeScriptPath(std::string_view path);

}  // namespace clipweld
