#include "edge/line_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "edge/testing/run_lines.h"
#include "edge/testing/temp_dir.h"

namespace edge {
namespace {

using Lines = std::vector<std::string>;

// The text rules one byte at a time, as plainly as they can be said.
Lines ReferenceLines(std::string_view bytes) {
  std::string text;  // every CR dropped: a CR before LF is part of the line end
  for (char c : bytes) {
    if (c != '\r') text.push_back(c);
  }
  Lines lines;
  size_t pos = 0;
  while (pos < text.size() && text[pos] != 0x1A) {
    const size_t lf = text.find('\n', pos);
    const size_t end = lf == std::string::npos ? text.size() : lf;
    std::string line = text.substr(pos, end - pos);
    line = line.substr(0, line.find('\x1A'));
    lines.push_back(line);
    pos = lf == std::string::npos ? text.size() : lf + 1;
  }
  return lines;
}

class LineReaderTest : public ::testing::Test {
 protected:
  File Open(std::string_view bytes) {
    const std::string path = dir_.Write("input.txt", bytes);
    File file;
    EXPECT_EQ(kOk, OpenForReading(path, &file));
    return file;
  }

  Lines ReadAll(std::string_view bytes, size_t block_size) {
    File file = Open(bytes);
    LineReader reader(&file, block_size);
    Lines lines;
    for (;;) {
      bool at_end = false;
      EXPECT_EQ(kOk, reader.AtEnd(&at_end));
      if (at_end) return lines;
      std::string_view line;
      EXPECT_EQ(kOk, reader.ReadLine(&line));
      lines.emplace_back(line);
    }
  }

  // Reads as the fast scanners do: plain runs where it can, lines otherwise.
  Lines ReadAllWithRuns(std::string_view bytes, size_t block_size) {
    File file = Open(bytes);
    LineReader reader(&file, block_size);
    Lines lines;
    for (;;) {
      std::string_view run;
      EXPECT_EQ(kOk, reader.ReadPlainLines(&run));
      if (!run.empty()) {
        test_support::AppendRunLines(run, &lines);
        continue;
      }
      bool at_end = false;
      EXPECT_EQ(kOk, reader.AtEnd(&at_end));
      if (at_end) return lines;
      std::string_view line;
      EXPECT_EQ(kOk, reader.ReadLine(&line));
      lines.emplace_back(line);
    }
  }

  test_support::TempDir dir_;
};

TEST_F(LineReaderTest, Rules) {
  const struct {
    std::string_view bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"\n\n", {"", ""}},
      {"a\rb\n", {"ab"}},  // a lone CR is dropped
      {"Script\r take:\r\r\n", {"Script take:"}},
      {"a\x1A"
       "b\nc\n",
       {"a", "c"}},  // 0x1A ends its line
      {"a\n\x1A"
       "b\nc\n",
       {"a"}},  // 0x1A at a line start ends the input
      {"\x1A", {}},
      {"a\n\r\x1A"
       "b",
       {"a"}},
      {"a\n\r", {"a"}},
      {std::string_view("a\0b\n", 4), {std::string("a\0b", 3)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
    EXPECT_EQ(c.lines, ReferenceLines(c.bytes));
    for (size_t block : {1, 2, 3, 7, 4096}) {
      EXPECT_EQ(c.lines, ReadAll(c.bytes, block)) << "block " << block;
      EXPECT_EQ(c.lines, ReadAllWithRuns(c.bytes, block)) << "block " << block;
    }
  }
}

TEST_F(LineReaderTest, AgreesWithReferenceOnRandomText) {
  std::mt19937 random(20261211);
  const char alphabet[] = {'a', 'b', '\r', '\n', 0x1A, ' ', '\xD0'};
  for (int round = 0; round < 300; ++round) {
    std::string bytes(random() % 60, 'a');
    // Special bytes are rare in real logs; keep most rounds mostly plain.
    const unsigned special = round % 3 == 0 ? 2 : 20;
    for (char& c : bytes) {
      c = random() % special == 0 ? alphabet[random() % sizeof alphabet]
                                  : alphabet[random() % 2 + (random() % 4 == 0 ? 3 : 0)];
    }
    SCOPED_TRACE(testing::PrintToString(bytes));
    const Lines expected = ReferenceLines(bytes);
    for (size_t block : {1, 2, 5, 16}) {
      ASSERT_EQ(expected, ReadAll(bytes, block)) << "block " << block;
      ASSERT_EQ(expected, ReadAllWithRuns(bytes, block)) << "block " << block;
    }
  }
}

TEST_F(LineReaderTest, LongLineGrowsTheBuffer) {
  const std::string line(100000, 'x');
  EXPECT_EQ(Lines({line, "y"}), ReadAll(line + "\r\ny", 64));
}

TEST_F(LineReaderTest, ReadAtEndGivesEmptyLineAndStaysAtEnd) {
  File file = Open(
      "a\n\x1A"
      "b\n");
  LineReader reader(&file, 4);
  std::string_view line;
  ASSERT_EQ(kOk, reader.ReadLine(&line));
  EXPECT_EQ("a", line);
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(kOk, reader.ReadLine(&line));
    EXPECT_EQ("", line);
    bool at_end = false;
    ASSERT_EQ(kOk, reader.AtEnd(&at_end));
    EXPECT_TRUE(at_end);
  }
}

TEST_F(LineReaderTest, FailedReadIsPassedUp) {
  File closed;
  // Reading a handle that is not open fails with the invalid-handle error.
  LineReader reader(&closed, 16);
  bool at_end = false;
  EXPECT_EQ(kErrorInvalidHandle, reader.AtEnd(&at_end));
}

}  // namespace
}  // namespace edge
