// Tests of the script path escaping.
#include "clipweld/escape_script_path.h"

#include <gtest/gtest.h>

#include <set>

namespace clipweld {
namespace {

TEST(EscapeScriptPathTest, RewritesSeparatorsAndRussianLetters) {
  const struct {
    std::string_view input, output;
  } kCases[] = {
      {"", ""},
      {R"(C:\rec\a.avi)", R"(C:\\rec\\a.avi)"},
      {R"(D:\out\)", R"(D:\\out\\)"},
      {"D:/out/", R"(D:\\out\\)"},
      {R"(\\server\share)", R"(\\\\server\\share)"},
      {R"(\)", R"(\\)"},
      {"a", "a"},
      {"Ёлка", R"(\xd1\x91\xd0\xbb\xd0\xba\xd0\xb0)"},
      {"ёЛКА", R"(\xd1\x91\xd0\xbb\xd0\xba\xd0\xb0)"},
      {R"(C:\Видео\Ёлка 2.avi)",
       R"(C:\\\xd0\xb2\xd0\xb8\xd0\xb4\xd0\xb5\xd0\xbe\\\xd1\x91\xd0\xbb\xd0\xba\xd0\xb0 2.avi)"},
      {R"(a"b)", R"(a"b)"},
      // A lone lead byte, and one that makes no pair with the next byte.
      {"\xD0", "\xD0"},
      {"x\xD1", "x\xD1"},
      {"\xD0\xD0\xB0", "\xD0\\xd0\\xb0"},
      {"\xD0/", "\xD0\\\\"},
      // Other alphabets pass: the Ukrainian і is D1 96.
      {"\xD1\x96", "\xD1\x96"},
      // Windows-1251 bytes that equal a pair (Р and °) are escaped like it.
      {"\xD0\xB0", R"(\xd0\xb0)"},
      {"\x01\t\x7F\xFF", "\x01\t\x7F\xFF"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(c.output, EscapeScriptPath(c.input));
  }
}

TEST(EscapeScriptPathTest, EveryLetterOfBothCasesGivesItsSmallFormsEscape) {
  const std::string_view kCapitals = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
  const std::string_view kSmalls = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
  ASSERT_EQ(66u, kCapitals.size());
  std::set<std::string> escapes;
  for (size_t i = 0; i < kCapitals.size(); i += 2) {
    const std::string_view capital = kCapitals.substr(i, 2), small = kSmalls.substr(i, 2);
    char expected[9];
    std::snprintf(expected, sizeof expected, "\\x%02x\\x%02x", static_cast<unsigned char>(small[0]),
                  static_cast<unsigned char>(small[1]));
    SCOPED_TRACE(capital);
    EXPECT_EQ(expected, EscapeScriptPath(capital));
    EXPECT_EQ(expected, EscapeScriptPath(small));
    escapes.insert(expected);
  }
  EXPECT_EQ(33u, escapes.size());
}

}  // namespace
}  // namespace clipweld
