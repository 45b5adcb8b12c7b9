#include "airtally/take_handler.h"

#include <gtest/gtest.h>

#include "edge/code_pages.h"

namespace airtally {
namespace {

// Test texts are written in UTF-8 and handed over in Windows-1251.
std::string W(std::string_view utf8) {
  std::string cp1251;
  EXPECT_TRUE(edge::Utf8ToCp1251(utf8, &cp1251));
  return cp1251;
}

std::string Handle(RunState& state, std::string_view utf8_line, Failure* failure = nullptr) {
  TakeHandler handler(&state);
  std::string echo;
  Failure result = handler.HandleTakeLine(W(utf8_line), &echo);
  if (failure)
    *failure = result;
  else
    EXPECT_FALSE(result);
  return echo;
}

const char kAd[] = "21:00:05 Script take: 1 movie 00:00:30 D:\\AIR\\_РЕКЛАМА\\Shop.avi";
const char kAdMorning[] = "09:00:05 Script take: 1 movie 00:00:30 D:\\AIR\\_РЕКЛАМА\\Shop.avi";
const char kOpen[] = "21:00:00 Script take: 1 movie 00:00:10 D:\\AIR\\_Диктор\\Hello.avi";
const char kCloseProgramme[] =
    "21:10:00 Script take: 1 movie 00:00:10 D:\\AIR\\над программой 1.avi";
const char kCloseCredits[] =
    "21:10:00 Script take: 1 movie 00:00:10 D:\\AIR\\Велнор КЕТ - титры 2.avi";

TEST(TakeHandlerTest, FindFolderMarkers) {
  const struct {
    const char* line;
    bool announcer;
    bool block_end;
    size_t advertising;
  } cases[] = {
      {"D:\\AIR\\_РЕКЛАМА\\a.avi", false, false, 6},
      {"\\_реклама\\x \\_РЕКЛАМА\\", false, false, 0},  // the first one counts
      {"D:\\_РеКлАмА\\a", false, false, 2},
      {"D:\\_РЕКЛАМА", false, false, std::string_view::npos},  // no closing backslash
      {"D:\\_ДИКТОР\\a", true, false, std::string_view::npos},
      {"D:\\НАД ПРОГРАММОЙ 1", false, true, std::string_view::npos},
      {"D:\\Над Программой", false, false, std::string_view::npos},  // no trailing blank
      {"D:\\велнор кет - титры 2", false, true, std::string_view::npos},
      {"D:\\Велнор KЕТ - Титры 2", false, false, std::string_view::npos},  // a Latin K
      {"\\\\_диктор\\\\_реклама\\", true, false, 10},
      {"", false, false, std::string_view::npos},
  };
  for (const auto& c : cases) {
    const FolderMarkers markers = FindFolderMarkers(W(c.line));
    EXPECT_EQ(c.announcer, markers.announcer) << c.line;
    EXPECT_EQ(c.block_end, markers.block_end) << c.line;
    EXPECT_EQ(c.advertising, markers.advertising) << c.line;
  }
}

TEST(TakeHandlerTest, AnnouncerBlockMarkers) {
  const struct {
    const char* line;
    bool before;
    bool after;
  } cases[] = {
      {kOpen, false, true},
      {kCloseProgramme, true, false},
      {kCloseCredits, true, false},
      {kAd, true, true},
      {kAd, false, false},
      // Opening wins when a line holds both kinds of marker.
      {"Script take: movie \\_ДИКТОР\\ \\Над Программой x", false, true},
      // The markers need their backslashes and trailing blanks.
      {"Script take: movie _диктор\\ \\Над Программой", true, true},
  };
  for (const auto& c : cases) {
    RunState state;
    state.InAnnouncerBlock = c.before;
    Handle(state, c.line);
    EXPECT_EQ(c.after, state.InAnnouncerBlock) << c.line;
  }
}

TEST(TakeHandlerTest, CountingTable) {
  const struct {
    CountingMode mode;
    bool in_block;
    const char* line;
    bool counted;
  } cases[] = {
      {CountingMode::All, false, kAd, true},
      {CountingMode::All, false, kAdMorning, true},
      {CountingMode::All, true, kAd, true},
      {CountingMode::All, true, kAdMorning, false},
      {CountingMode::AnnouncerOnly, false, kAd, false},
      {CountingMode::AnnouncerOnly, false, kAdMorning, false},
      {CountingMode::AnnouncerOnly, true, kAd, true},
      {CountingMode::AnnouncerOnly, true, kAdMorning, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    RunState state;
    state.counting_mode = c.mode;
    state.InAnnouncerBlock = c.in_block;
    Handle(state, c.line);
    EXPECT_EQ(c.counted ? 1u : 0u, state.clip_tally.size());
  }
}

TEST(TakeHandlerTest, BlockIsUpdatedBeforeTheTakeIsJudged) {
  RunState state;
  state.counting_mode = CountingMode::AnnouncerOnly;
  Handle(state, "21:00 Script take: 1 movie D:\\_диктор\\_РЕКЛАМА\\Both.avi");
  ASSERT_EQ(1u, state.clip_tally.size());
  EXPECT_EQ(W("\\_РЕКЛАМА\\Both.avi"), state.clip_tally.key(0));
}

TEST(TakeHandlerTest, ClipKeys) {
  const struct {
    const char* line;
    const char* key;
  } cases[] = {
      {kAd, "00:00:30 D:\\AIR\\_РЕКЛАМА\\Shop.avi"},
      {"2 Script take: 1 movie D:\\AIR\\_реклама\\Shop.avi", "\\_реклама\\Shop.avi"},
      {"2 Script take: 1 movie D:\\_РЕКЛАМА\\a.avi 00:00:15 x", "00:00:15 x"},
  };
  for (const auto& c : cases) {
    RunState state;
    Handle(state, c.line);
    ASSERT_EQ(1u, state.clip_tally.size()) << c.line;
    EXPECT_EQ(W(c.key), state.clip_tally.key(0));
  }
}

TEST(TakeHandlerTest, NoAdvertisingMarkerNoCount) {
  RunState state;
  Handle(state, "21:00 Script take: 1 movie 00:00:30 D:\\AIR\\Film.avi");
  EXPECT_EQ(0u, state.clip_tally.size());
}

TEST(TakeHandlerTest, SearchCountsEchoesAndTimes) {
  RunState state;
  state.SearchText = W("реклама");
  const std::string echo =
      Handle(state, "08:00 Script take: 1 movie 00:01:30 D:\\Реклама\\Shop.avi");
  EXPECT_EQ(
      "08:00 Script take: 1 movie 00:01:30 D:\\\xE0\xA5\xAA\xAB\xA0\xAC\xA0\\Shop.avi\r\n"
      "0 1 30(90 cek )\r\n",
      echo);
  const SearchTotals& totals = state.search_totals;
  EXPECT_EQ(1, totals.AiringCount);
  EXPECT_EQ(90, totals.TotalSeconds);
  EXPECT_EQ(W("Реклама"), totals.MatchedText);  // as the log spells it
  EXPECT_EQ("00:01:30", totals.LastDuration);
}

TEST(TakeHandlerTest, SearchIsCaseBlindForCyrillicOnly) {
  RunState state;
  state.SearchText = W("ёлка");
  Handle(state, "1 Script take: 1 movie D:\\ЁЛКА.avi");
  Handle(state, "1 Script take: 1 movie D:\\елка.avi");
  EXPECT_EQ(1, state.search_totals.AiringCount);
  EXPECT_EQ(W("ЁЛКА"), state.search_totals.MatchedText);
  state.SearchText = "SHOP";
  Handle(state, "1 Script take: 1 movie D:\\shop.avi");
  EXPECT_EQ(1, state.search_totals.AiringCount);
}

TEST(TakeHandlerTest, SearchWithoutDurationCountsNoTime) {
  RunState state;
  state.SearchText = "Shop";
  Handle(state, "1 Script take: 1 movie 00:00:20 D:\\Shop.avi");
  const std::string echo = Handle(state, "1 Script take: 1 movie D:\\Shop.avi");
  EXPECT_EQ("1 Script take: 1 movie D:\\Shop.avi\r\n", echo);
  EXPECT_EQ(2, state.search_totals.AiringCount);
  EXPECT_EQ(20, state.search_totals.TotalSeconds);
  EXPECT_EQ("00:00:20", state.search_totals.LastDuration);
}

TEST(TakeHandlerTest, SearchFieldForms) {
  RunState state;
  state.SearchText = "Shop";
  EXPECT_EQ("1 Script take: 1 movie $1: 2:-3 Shop\r\n1 2 -3(3717 cek )\r\n",
            Handle(state, "1 Script take: 1 movie $1: 2:-3 Shop"));
  EXPECT_EQ(3717, state.search_totals.TotalSeconds);
  EXPECT_EQ("$1: 2:-3", state.search_totals.LastDuration);
}

TEST(TakeHandlerTest, BadFieldFailsSecondsFirstAfterCounting) {
  RunState state;
  state.SearchText = "Shop";
  Failure failure;
  const std::string echo = Handle(state, "1 Script take: 1 movie aa:bb:c  Shop", &failure);
  EXPECT_EQ("1 Script take: 1 movie aa:bb:c  Shop\r\n", echo);
  EXPECT_EQ(FailureKind::kConvert, failure.kind);
  EXPECT_EQ("c ", failure.text);
  EXPECT_EQ(1, state.search_totals.AiringCount);
}

TEST(TakeHandlerTest, SearchTotalsDoNotWrap) {
  RunState state;
  state.SearchText = "Shop";
  TakeHandler handler(&state);
  std::string echo;
  for (int i = 0; i < 70000; ++i) {
    ASSERT_FALSE(handler.HandleTakeLine("1 Script take: 1 movie 99:59:59 Shop", &echo));
  }
  EXPECT_EQ(int64_t{70000} * 359999, state.search_totals.TotalSeconds);
}

}  // namespace
}  // namespace airtally
