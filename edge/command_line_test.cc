#include "edge/command_line.h"

#include <gtest/gtest.h>

namespace edge {
namespace {

void ExpectSplit(std::string_view command_line, const std::vector<std::string>& words) {
  SCOPED_TRACE(command_line);
  EXPECT_EQ(words, SplitCommandLine(command_line));
}

TEST(CommandLineTest, Splits) {
  ExpectSplit("", {});
  ExpectSplit("   \t ", {});
  ExpectSplit("prog", {"prog"});
  ExpectSplit("prog a  b\tc", {"prog", "a", "b", "c"});
  ExpectSplit(
      "prog \x01"
      "a\x1F"
      "b",
      {"prog", "a", "b"});
  ExpectSplit(R"(prog "a b" c)", {"prog", "a b", "c"});
  ExpectSplit(R"(prog x"a b"y)", {"prog", "xa by"});
  ExpectSplit(R"(prog "list"".txt")", {"prog", "list.txt"});
  ExpectSplit(R"(prog C:\dir\ "D:\out\")", {"prog", R"(C:\dir\)", R"(D:\out\)"});
  ExpectSplit(R"(prog list.txt "")", {"prog", "list.txt"});
  ExpectSplit(R"(prog "" list.txt)", {"prog", "list.txt"});
  ExpectSplit(R"(prog """" "" a)", {"prog", "a"});
  ExpectSplit(R"(prog ""a)", {"prog", "a"});
  ExpectSplit(R"(prog a"")", {"prog", "a"});
  ExpectSplit(R"(prog " ")", {"prog", " "});
  ExpectSplit(R"(prog "unclosed stretch)", {"prog", "unclosed stretch"});
  ExpectSplit(R"(prog a ")", {"prog", "a"});
  ExpectSplit("prog \xD0\xE5\xEA\xEB\xE0\xEC\xE0", {"prog", "\xD0\xE5\xEA\xEB\xE0\xEC\xE0"});
}

TEST(CommandLineTest, EndsAtNul) { ExpectSplit(std::string_view("prog a\0b", 8), {"prog", "a"}); }

}  // namespace
}  // namespace edge
