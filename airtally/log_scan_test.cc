#include "airtally/log_scan.h"

#include <gtest/gtest.h>

#include <random>

#include "airtally/take_line.h"
#include "edge/testing/temp_dir.h"

namespace airtally {
namespace {

// Every take-mark line of a plain run, found the fast way.
std::vector<std::string> FastTakeMarkLines(std::string_view run) {
  std::vector<std::string> lines;
  std::string_view line;
  for (size_t at = NextTakeMarkLine(run, 0, &line); at != std::string_view::npos;
       at = NextTakeMarkLine(run, at, &line)) {
    lines.emplace_back(line);
  }
  return lines;
}

// The same, one line at a time.
std::vector<std::string> SlowTakeMarkLines(std::string_view run) {
  std::vector<std::string> lines;
  while (!run.empty()) {
    const size_t lf = run.find('\n');
    std::string_view line = run.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find("Script take:") != std::string_view::npos) lines.emplace_back(line);
    run.remove_prefix(lf == std::string_view::npos ? run.size() : lf + 1);
  }
  return lines;
}

TEST(LogScanTest, FastTakeMarkSearchFindsExactlyTheMarkedLines) {
  EXPECT_EQ(std::vector<std::string>({"a Script take: b", "Script take:", "Script take:x"}),
            FastTakeMarkLines("a Script take: b\r\nScript take:\nScript tak\nScript take:x"));
  std::mt19937 random(7);
  const std::string_view pieces[] = {
      "Script take:", "Script", " take:", "\r\n", "\n", "x", "Script take:Script take:",
      "cript take:",  ":"};
  for (int round = 0; round < 2000; ++round) {
    std::string run;
    for (int i = random() % 12; i > 0; --i) run += pieces[random() % std::size(pieces)];
    SCOPED_TRACE(run);
    ASSERT_EQ(SlowTakeMarkLines(run), FastTakeMarkLines(run));
  }
}

class ScanTest : public ::testing::Test {
 protected:
  // Scans the list `list` of the folder's logs; returns the console text.
  std::string Scan(std::string_view list, RunState& state, Failure* failure = nullptr) {
    dir_.Write("list.txt", list);
    edge::File list_file, out_file;
    EXPECT_EQ(edge::kOk, edge::OpenForReading((dir_.path() / "list.txt").string(), &list_file));
    EXPECT_EQ(edge::kOk, edge::CreateForWriting((dir_.path() / "out.txt").string(), &out_file));
    edge::LineReader reader(&list_file);
    edge::OutputStream console(&out_file, false);
    Failure result = ScanLogList(reader, state, console);
    EXPECT_EQ(edge::kOk, console.Flush());
    if (failure)
      *failure = result;
    else
      EXPECT_FALSE(result);
    return dir_.Read("out.txt");
  }

  std::string Log(std::string_view name, std::string_view text) { return dir_.Write(name, text); }

  edge::test_support::TempDir dir_;
};

TEST_F(ScanTest, EchoesLogPathsCountsTakesAndSkipsMissingLogs) {
  const std::string a =
      Log("a.log",
          "06:00 Device ok\r\n"
          "06:01 Script take: 1 movie 00:00:30 D:\\\\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\Shop.avi\r\n"
          "06:02 Script take: 1 film 00:00:30 D:\\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\Skip.avi\r\n");
  const std::string missing = (dir_.path() / "missing.log").string();
  RunState state;
  const std::string list = a + "\r\nnot a log\r\n" + missing + "\r\n" + a + "\r\n" + a + " \r\n";
  EXPECT_EQ("* " + a + "\r\n* " + missing + "\r\n* " + a + "\r\n", Scan(list, state));
  ASSERT_EQ(1u, state.clip_tally.size());
  EXPECT_EQ(2, state.clip_tally.count(0));  // the same log listed twice counts twice
}

TEST_F(ScanTest, AnnouncerBlockRunsOnIntoTheNextLog) {
  const std::string first =
      Log("1.log", "21:00 Script take: 1 movie D:\\_\xE4\xE8\xEA\xF2\xEE\xF0\\a.avi\n");
  const std::string second =
      Log("2.log", "09:00 Script take: 1 movie D:\\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\Shop.avi\n");
  RunState state;
  Scan(first + "\n" + second + "\n", state);
  EXPECT_TRUE(state.InAnnouncerBlock);
  EXPECT_EQ(0u, state.clip_tally.size());  // in a block, and the line begins with "0"
}

TEST_F(ScanTest, IrregularLinesAreStillFound) {
  // A lone CR inside the mark, a 0x1A ending a line, then one ending the log.
  const std::string log = Log("x.log",
                              "1 Scr\ript take: 1 movie \\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\A.avi\r\n"
                              "2 Script take: 1 movie \\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\B.avi\x1A"
                              "tail\r\n"
                              "\x1A"
                              "3 Script take: 1 movie \\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\C.avi\r\n");
  RunState state;
  Scan(log + "\n", state);
  ASSERT_EQ(2u, state.clip_tally.size());
  EXPECT_EQ("\\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\A.avi", state.clip_tally.key(0));
  EXPECT_EQ("\\_\xD0\xC5\xCA\xCB\xC0\xCC\xC0\\B.avi", state.clip_tally.key(1));
}

TEST_F(ScanTest, SearchEchoPrecedesTheConversionFailure) {
  const std::string log = Log("s.log",
                              "1 Script take: 1 movie 00:00:10 Shop.avi\n"
                              "1 Script take: 1 movie 00:0x:1z Shop.avi\n"
                              "1 Script take: 1 movie 00:00:10 Shop.avi\n");
  RunState state;
  state.SearchText = "Shop";
  Failure failure;
  EXPECT_EQ("* " + log +
                "\r\n1 Script take: 1 movie 00:00:10 Shop.avi\r\n0 0 10(10 cek )\r\n"
                "1 Script take: 1 movie 00:0x:1z Shop.avi\r\n",
            Scan(log + "\n", state, &failure));
  EXPECT_EQ(FailureKind::kConvert, failure.kind);
  EXPECT_EQ("1z", failure.text);
  EXPECT_EQ(2, state.search_totals.AiringCount);
}

}  // namespace
}  // namespace airtally
