#include "airtally/airtime_summary.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "airtally/texts.h"
#include "edge/testing/temp_dir.h"

namespace airtally {
namespace {

SearchTotals Totals(int64_t airings, int64_t seconds, std::string last_duration = "00:00:30") {
  SearchTotals totals;
  totals.AiringCount = airings;
  totals.TotalSeconds = seconds;
  totals.LastDuration = std::move(last_duration);
  return totals;
}

TEST(SummaryLineTest, ShowsTheWholeLineInCodePage866) {
  // "  ФАЙЛ shop СЫГРАН 12 РАЗ       0 ЧАСОВ 2 МИНУТ И 5 СЕКУНД " (cp866)
  EXPECT_EQ(
      "  \x94\x80\x89\x8B shop \x91\x9B\x83\x90\x80\x8D 12 \x90\x80\x87       0 "
      "\x97\x80\x91\x8E\x82 2 \x8C\x88\x8D\x93\x92 \x88 5 \x91\x85\x8A\x93\x8D\x84 ",
      SummaryLine("shop", Totals(12, 125)));
}

TEST(SummaryLineTest, SplitsTheTotalTruncatingTowardZero) {
  struct {
    int64_t airings, seconds;
    std::string numbers;  // airings, hours, minutes, seconds
  } cases[] = {
      {12, 125, "12 0 2 5"},
      {1, 86401, "1 24 0 1"},  // a day and a second: no day count
      {0, 0, "0 0 0 0"},
      {2, 3599, "2 0 59 59"},
      {1, -3661, "1 -1 -1 -1"},  // the sign of the dividend
      {-5, -59, "-5 0 0 -59"},
      // Sums beyond 32 bits are shown in full, not wrapped.
      {5000000000, 360000000000 + 61, "5000000000 100000000 1 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.numbers);
    const std::string line = SummaryLine("x", Totals(c.airings, c.seconds));
    const std::string expected = std::string(kSummaryFile) + "x" + std::string(kSummaryPlayed);
    // Only the numbers vary: pick them out between the fixed pieces.
    std::string numbers;
    std::string_view rest = std::string_view(line).substr(expected.size());
    for (std::string_view piece :
         {kSummaryTimes, kSummaryHours, kSummaryMinutes, kSummarySeconds}) {
      const size_t at = rest.find(piece);
      ASSERT_NE(std::string_view::npos, at);
      numbers.append(numbers.empty() ? "" : " ").append(rest.substr(0, at));
      rest.remove_prefix(at + piece.size());
    }
    EXPECT_EQ(expected, line.substr(0, expected.size()));
    EXPECT_EQ("", rest);
    EXPECT_EQ(c.numbers, numbers);
  }
}

TEST(SummaryNameTest, CutsBeforeTheFirstDotKeepingTheLogsLetters) {
  struct {
    std::string_view folded_search, matched, name;
  } cases[] = {
      {"shop.avi", "Shop.avi", "Shop"},
      {"shop.final.avi", "SHOP.final.avi", "SHOP"},
      {".avi", ".AVI", ""},
      {"shop", "SHOP", "SHOP"},
      {"shop.avi", "", ""},                                      // nothing matched
      {"\xAC\xA0\xA3.avi", "\xCC\xC0\xC3.avi", "\xCC\xC0\xC3"},  // "маг" against "МАГ"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folded_search);
    EXPECT_EQ(c.name, SummaryName(c.folded_search, c.matched));
  }
}

TEST(SummaryFileTest, PathAndContentAreExact) {
  EXPECT_EQ("C:\\Desk\\\xCE\xF2\xF7\xB8\xF2_Shop.xls", SummaryPath("C:\\Desk", "Shop"));
  EXPECT_EQ("\\\xCE\xF2\xF7\xB8\xF2_.xls", SummaryPath("", ""));
  EXPECT_EQ("sep=\t\r\nShop\t\t\t\t00:01:30\t12",
            SummaryFileText("Shop", Totals(12, 0, "00:01:30")));
  EXPECT_EQ("sep=\t\r\n\t\t\t\t00:00:00\t0", SummaryFileText("", SearchTotals()));
}

class AirtimeSummaryTest : public ::testing::Test {
 protected:
  std::string Path(std::string_view name) const { return (dir_.path() / name).string(); }

  edge::test_support::TempDir dir_;
};

TEST_F(AirtimeSummaryTest, PrintsTheLineThenWaitsForOneLine) {
  dir_.Write("in.txt", "\r\nleft\r\n");
  edge::File in_file, out_file;
  ASSERT_EQ(edge::kOk, edge::OpenForReading(Path("in.txt"), &in_file));
  ASSERT_EQ(edge::kOk, edge::CreateForWriting(Path("out.txt"), &out_file));
  edge::LineReader input(&in_file);
  edge::OutputStream output(&out_file, false);
  ASSERT_EQ(edge::kOk, output.Write("before"));

  // "МАГ" folds to "маг" in the line.
  EXPECT_FALSE(PrintAirtimeSummary("\xCC\xC0\xC3", Totals(12, 125), output, out_file, input));
  std::string_view rest;
  ASSERT_EQ(edge::kOk, input.ReadLine(&rest));
  EXPECT_EQ("left", rest);
  ASSERT_EQ(edge::kOk, edge::CloseFile(out_file));
  // Redirected output carries no colour: the bytes are exactly the text.
  EXPECT_EQ("before\r\n" + SummaryLine("\xAC\xA0\xA3", Totals(12, 125)) + "\r\n\r\n" +
                std::string(kEnterPrompt) + "\r\n",
            dir_.Read("out.txt"));
}

TEST_F(AirtimeSummaryTest, AFailedConsoleWriteIsReported) {
  edge::File full, in_file;
  ASSERT_EQ(edge::kOk, edge::CreateForWriting("/dev/full", &full));
  ASSERT_EQ(edge::kOk, edge::OpenForReading(Path(dir_.Write("in.txt", "")), &in_file));
  edge::LineReader input(&in_file);
  edge::OutputStream output(&full, false);
  const Failure failure = PrintAirtimeSummary("x", Totals(1, 1), output, full, input);
  EXPECT_EQ(FailureKind::kInOut, failure.kind);
  EXPECT_EQ(edge::kErrorDiskFull, failure.code);
  EXPECT_EQ(kPlaceSummaryLine, failure.address);
}

TEST_F(AirtimeSummaryTest, ReplacesAnExistingFile) {
  const std::string file_name =
      "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82_Shop.xls";  // UTF-8 on disk
  dir_.Write(file_name, std::string(500, 'o'));
  EXPECT_FALSE(WriteClipSummary(dir_.path().string(), "Shop", Totals(3, 90, "00:00:30")));
  EXPECT_EQ("sep=\t\r\nShop\t\t\t\t00:00:30\t3", dir_.Read(file_name));
}

TEST_F(AirtimeSummaryTest, ReportsWhatStopsTheFile) {
  std::filesystem::create_symlink(
      "/dev/full", dir_.path() / "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82_full.xls");
  const std::string desktop = dir_.path().string();
  const std::string long_desktop = desktop + "/" + std::string(250, 'd');
  struct {
    std::string desktop, name;
    edge::OsError code;
    Place place;
  } cases[] = {
      {desktop + "/missing", "Shop", edge::kErrorPathNotFound, kPlaceCreateSummary},
      {desktop, "sub\\Shop", edge::kErrorPathNotFound, kPlaceCreateSummary},
      {long_desktop, "Shop", edge::kErrorFilenameTooLong, kPlaceCreateSummary},
      {desktop, "full", edge::kErrorDiskFull, kPlaceWriteSummary},
  };
  std::filesystem::create_directory(long_desktop);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.desktop + " " + c.name);
    const Failure failure = WriteClipSummary(c.desktop, c.name, Totals(1, 1));
    EXPECT_EQ(FailureKind::kInOut, failure.kind);
    EXPECT_EQ(c.code, failure.code);
    EXPECT_EQ(c.place, failure.address);
  }
  // The long path was refused before anything was created.
  EXPECT_TRUE(std::filesystem::is_empty(long_desktop));
}

}  // namespace
}  // namespace airtally
