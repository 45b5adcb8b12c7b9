#include "edge/output_stream.h"

#include <gtest/gtest.h>

#include "edge/testing/temp_dir.h"

namespace edge {
namespace {

TEST(OutputStreamTest, WritesEverythingByTheFlush) {
  test_support::TempDir dir;
  File file;
  ASSERT_EQ(kOk, CreateForWriting((dir.path() / "out.txt").string(), &file));
  OutputStream stream(&file, /*line_buffered=*/false);
  const std::string big(OutputStream::kBufferSize * 2 + 5, 'x');
  ASSERT_EQ(kOk, stream.Write("a"));
  ASSERT_EQ(kOk, stream.WriteLine("b"));
  EXPECT_EQ("", dir.Read("out.txt"));  // still buffered
  ASSERT_EQ(kOk, stream.Write(big));
  ASSERT_EQ(kOk, stream.Flush());
  ASSERT_EQ(kOk, CloseFile(file));
  EXPECT_EQ("ab\r\n" + big, dir.Read("out.txt"));
}

TEST(OutputStreamTest, LineBufferedWritesAtEachLineEnd) {
  test_support::TempDir dir;
  File file;
  ASSERT_EQ(kOk, CreateForWriting((dir.path() / "out.txt").string(), &file));
  OutputStream stream(&file, /*line_buffered=*/true);
  ASSERT_EQ(kOk, stream.Write("a"));
  EXPECT_EQ("", dir.Read("out.txt"));
  ASSERT_EQ(kOk, stream.WriteLine("b"));
  EXPECT_EQ("ab\r\n", dir.Read("out.txt"));
  ASSERT_EQ(kOk, CloseFile(file));
}

TEST(OutputStreamTest, FullDiskIsReported) {
  File file;
  ASSERT_EQ(kOk, CreateForWriting("/dev/full", &file));
  OutputStream stream(&file, /*line_buffered=*/true);
  EXPECT_EQ(kErrorDiskFull, stream.WriteLine("x"));
}

}  // namespace
}  // namespace edge
