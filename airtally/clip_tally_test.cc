#include "airtally/clip_tally.h"

#include <gtest/gtest.h>

namespace airtally {
namespace {

// Counts every key as the scanner does and returns the tally as text.
std::string Tally(std::initializer_list<std::string_view> keys) {
  ClipTally tally;
  for (std::string_view key : keys) {
    if (!tally.CountKnownClip(key)) tally.AddClip(key);
  }
  std::string text;
  for (size_t i = 0; i < tally.size(); ++i) {
    text += std::string(tally.key(i)) + " = " + std::to_string(tally.count(i)) + "\n";
  }
  return text;
}

TEST(ClipTallyTest, Tail) {
  EXPECT_EQ("\\Shop.avi", ClipTail("00:00:30 D:\\Ads\\_X\\Shop.avi"));
  EXPECT_EQ("00:00:30", ClipTail("00:00:30"));
  EXPECT_EQ("\\", ClipTail("a\\"));
}

TEST(ClipTallyTest, CountsByTailKeepingTheFirstKey) {
  EXPECT_EQ("00:00:30 D:\\Ads\\Shop.avi = 2\n",
            Tally({"00:00:30 D:\\Ads\\Shop.avi", "00:00:31 E:\\Air\\Shop.avi"}));
}

TEST(ClipTallyTest, TailsMustBeEqualInFullAndInCase) {
  EXPECT_EQ("a\\Shop.avi = 1\nb\\shop.avi = 1\nc\\Shop.avi.bak = 1\n",
            Tally({"a\\Shop.avi", "b\\shop.avi", "c\\Shop.avi.bak"}));
}

TEST(ClipTallyTest, KeyWithoutBackslashIsComparedWhole) {
  EXPECT_EQ("Shop.avi = 2\nx\\Shop.avi = 1\n", Tally({"Shop.avi", "x\\Shop.avi", "Shop.avi"}));
}

TEST(ClipTallyTest, EmptyKeysAreOneClip) { EXPECT_EQ(" = 2\n", Tally({"", ""})); }

TEST(ClipTallyTest, KeysEndingInBackslashAreOneClip) {
  EXPECT_EQ("a\\ = 2\n", Tally({"a\\", "b\\"}));
}

TEST(ClipTallyTest, FirstSeenOrderSurvivesManyClips) {
  ClipTally tally;
  EXPECT_FALSE(tally.CountKnownClip("\\first"));
  tally.AddClip("\\first");
  for (int i = 0; i < 5000; ++i) {
    const std::string key = "\\c" + std::to_string(i);  // short keys live inside the string
    if (!tally.CountKnownClip(key)) tally.AddClip(key);
  }
  EXPECT_TRUE(tally.CountKnownClip("x\\c42"));
  EXPECT_TRUE(tally.CountKnownClip("\\first"));
  ASSERT_EQ(5001u, tally.size());
  EXPECT_EQ("\\c42", tally.key(43));
  EXPECT_EQ(2, tally.count(43));
  EXPECT_EQ(2, tally.count(0));
}

}  // namespace
}  // namespace airtally
