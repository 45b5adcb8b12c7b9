// POSIX backend only: the console text attribute as terminal escapes.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "edge/platform.h"
#include "edge/testing/temp_dir.h"

namespace edge {
namespace {

// Sets `attribute` and restores it on a handle of a file in `dir` that claims
// to be a terminal or not; returns what reached the file.
std::string Colour(const test_support::TempDir& dir, bool is_terminal, uint16_t attribute) {
  const std::string path = (dir.path() / "console").string();
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  EXPECT_GE(fd, 0);
  File console(fd, /*owned=*/true, is_terminal);
  const uint16_t saved = SetConsoleAttribute(console, attribute);
  EXPECT_EQ(kOk, WriteToFile(console, "x"));
  RestoreConsoleAttribute(console, saved);
  EXPECT_EQ(kOk, CloseFile(console));
  return dir.Read("console");
}

TEST(ConsoleAttributeTest, ColoursOnlyATerminal) {
  test_support::TempDir dir;
  EXPECT_EQ("x", Colour(dir, false, 10));
  struct {
    uint16_t attribute;
    std::string_view shown;
  } cases[] = {
      {10, "\x1b[1;32mx\x1b[0m"},       // bright green
      {7, "\x1b[37mx\x1b[0m"},          // grey
      {0x1C, "\x1b[1;31;44mx\x1b[0m"},  // bright red on blue
      {0xE1, "\x1b[34;103mx\x1b[0m"},   // blue on bright yellow
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.attribute);
    EXPECT_EQ(c.shown, Colour(dir, true, c.attribute));
  }
}

}  // namespace
}  // namespace edge
