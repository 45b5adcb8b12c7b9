#include "airtally/enter_prompt.h"

#include <gtest/gtest.h>

#include "airtally/texts.h"
#include "edge/testing/temp_dir.h"

namespace airtally {
namespace {

class AwaitEnterTest : public ::testing::Test {
 protected:
  // Waits for ENTER with `typed` as the input; returns the console text and
  // what is left of the input afterwards.
  std::string Await(std::string_view typed, Failure* failure, std::string* rest) {
    dir_.Write("in.txt", typed);
    edge::File in_file, out_file;
    EXPECT_EQ(edge::kOk, edge::OpenForReading((dir_.path() / "in.txt").string(), &in_file));
    EXPECT_EQ(edge::kOk, edge::CreateForWriting((dir_.path() / "out.txt").string(), &out_file));
    edge::LineReader input(&in_file);
    edge::OutputStream output(&out_file, false);
    *failure = AwaitEnter(output, input);
    std::string_view line;
    EXPECT_EQ(edge::kOk, input.ReadLine(&line));
    *rest = line;
    EXPECT_EQ(edge::kOk, edge::CloseFile(out_file));
    return dir_.Read("out.txt");
  }

  edge::test_support::TempDir dir_;
};

TEST_F(AwaitEnterTest, PromptsAndTakesExactlyOneLine) {
  const std::string shown = "\r\n" + std::string(kEnterPrompt) + "\r\n";
  struct {
    std::string_view typed, rest;
  } cases[] = {{"\r\nnext\r\n", "next"}, {"anything\nnext", "next"}, {"", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Failure failure;
    std::string rest;
    EXPECT_EQ(shown, Await(c.typed, &failure, &rest));
    EXPECT_FALSE(failure);
    EXPECT_EQ(c.rest, rest);
  }
}

TEST(AwaitEnterFailureTest, ReportsTheFailedWriteAndTheFailedRead) {
  edge::test_support::TempDir dir;
  edge::File full, unreadable, out_file;
  ASSERT_EQ(edge::kOk, edge::CreateForWriting("/dev/full", &full));
  ASSERT_EQ(edge::kOk, edge::CreateForWriting((dir.path() / "w").string(), &unreadable));
  ASSERT_EQ(edge::kOk, edge::CreateForWriting((dir.path() / "out").string(), &out_file));

  edge::LineReader input(&unreadable);
  edge::OutputStream to_full(&full, false);
  const Failure write_failure = AwaitEnter(to_full, input);
  EXPECT_EQ(FailureKind::kInOut, write_failure.kind);
  EXPECT_EQ(edge::kErrorDiskFull, write_failure.code);
  EXPECT_EQ(kPlaceEnterPrompt, write_failure.address);

  // A handle opened for writing only cannot be read.
  edge::OutputStream output(&out_file, false);
  const Failure read_failure = AwaitEnter(output, input);
  EXPECT_EQ(FailureKind::kInOut, read_failure.kind);
  EXPECT_EQ(kPlaceEnterRead, read_failure.address);
}

}  // namespace
}  // namespace airtally
