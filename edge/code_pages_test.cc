#include "edge/code_pages.h"

#include <gtest/gtest.h>

namespace edge {
namespace {

TEST(CodePagesTest, Cp1251RoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string back;
  ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(all), &back));
  EXPECT_EQ(all, back);
}

TEST(CodePagesTest, KnownLetters) {
  EXPECT_EQ("Ёлка №1", Cp1251ToUtf8("\xA8\xEB\xEA\xE0 \xB9\x31"));
  EXPECT_EQ("Ёлка", Cp866ToUtf8("\xF0\xAB\xAA\xA0"));
  EXPECT_EQ("─", Cp866ToUtf8("\xC4"));
}

TEST(CodePagesTest, Utf8WithoutCp1251FormBecomesQuestionMark) {
  std::string out;
  ASSERT_TRUE(Utf8ToCp1251("a中ї", &out));
  EXPECT_EQ("a?\xBF", out);
}

TEST(CodePagesTest, InvalidUtf8IsRefused) {
  std::string out = "kept";
  for (const char* bad : {"\xC0\xAF", "\xD0", "\xED\xA0\x80", "\xFF", "a\x80"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(Utf8ToCp1251(bad, &out));
    EXPECT_EQ("kept", out);
  }
}

}  // namespace
}  // namespace edge
