#include "airtally/take_line.h"

#include <gtest/gtest.h>

namespace airtally {
namespace {

TEST(TakeLineTest, IsLogPath) {
  const struct {
    const char* line;
    bool is_log;
  } cases[] = {
      {"D:\\logs\\2022-09-01.log", true},
      {"a.LOG", true},
      {"a.LoG", true},
      {"a.jpg", true},
      {".log", true},
      {".abg", true},
      {"a.log ", false},
      {"log", false},
      {"", false},
      {"a.logs", false},
      {"alog", false},
      {"a.lo", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.is_log, IsLogPath(c.line)) << c.line;
}

TEST(TakeLineTest, IsTakeLine) {
  EXPECT_TRUE(IsTakeLine("12:00 Script take: 1 movie 00:00:30 D:\\a.avi"));
  EXPECT_TRUE(IsTakeLine(" movie Script take:"));
  EXPECT_FALSE(IsTakeLine("Script Take: 1 movie x"));
  EXPECT_FALSE(IsTakeLine("Script take: 1 Movie x"));
  EXPECT_FALSE(IsTakeLine("Script take: 1 movie"));
  EXPECT_FALSE(IsTakeLine("1 movie x"));
}

TEST(TakeLineTest, FindDuration) {
  const struct {
    const char* line;
    std::optional<size_t> end;
  } cases[] = {
      {" 00:00:30", 8},
      {"00:00:30", std::nullopt},
      {"x 00:01:30 D:\\a.avi", 9},
      {"x 00:01:30 D:\\a.avi 00:00:05", 27},  // the rightmost field wins
      {"x 00:01:30y", 9},
      {" ab:cd:ef", 8},  // only the blank and colons are tested
      {"x00:01:30", std::nullopt},
      {"", std::nullopt},
      {" 1:2:3", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.end, FindDuration(c.line)) << c.line;
}

}  // namespace
}  // namespace airtally
