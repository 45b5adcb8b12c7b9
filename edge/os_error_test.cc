#include "edge/os_error.h"

#include <gtest/gtest.h>

namespace edge {
namespace {

TEST(OsErrorTest, Messages) {
  const struct {
    OsError code;
    const char* message;
  } cases[] = {{2, "File not found"},     {3, "Invalid filename"}, {4, "Too many open files"},
               {5, "File access denied"}, {32, "I/O error 32"},    {112, "I/O error 112"},
               {206, "I/O error 206"}};
  for (const auto& c : cases) EXPECT_EQ(c.message, InOutErrorMessage(c.code));
}

TEST(OsErrorTest, ExceptionReportAddsFullStopOnce) {
  EXPECT_EQ("Exception EInOutError in module airtally.exe at 00408A3C.\r\nFile not found.\r\n\r\n",
            ExceptionReport("EInOutError", "airtally.exe", 0x00408A3C, "File not found"));
  EXPECT_EQ("Exception E in module m at 0000000F.\r\nDone.\r\n\r\n",
            ExceptionReport("E", "m", 15, "Done."));
}

TEST(OsErrorTest, RuntimeErrorReport) {
  EXPECT_EQ("Runtime error 2 at 0040A1B2\r\n", RuntimeErrorReport(2, 0x0040A1B2));
}

TEST(OsErrorTest, FileNameOf) {
  EXPECT_EQ("airtally.exe", FileNameOf(R"(C:\tools\airtally.exe)"));
  EXPECT_EQ("airtally", FileNameOf("airtally"));
  EXPECT_EQ("", FileNameOf(R"(C:\tools\)"));
}

}  // namespace
}  // namespace edge
