// Tests of the script lines, as text and as written to files.
#include "clipweld/script_lines.h"

#include <gtest/gtest.h>

#include "edge/platform.h"
#include "edge/testing/temp_dir.h"

namespace clipweld {
namespace {

constexpr std::string_view kResaveSettings =
    "VirtualDub.audio.SetSource(1);\r\n"
    "VirtualDub.audio.SetMode(0);\r\n"
    "VirtualDub.audio.SetCompression();\r\n"
    "VirtualDub.video.SetCompression();\r\n"
    "VirtualDub.video.SetMode(0);\r\n"
    "VirtualDub.video.filters.Clear();\r\n"
    "VirtualDub.audio.filters.Clear();\r\n"
    "VirtualDub.video.SetRange();\r\n";

TEST(ScriptLinesTest, ScriptPathIsBesideTheExecutable) {
  EXPECT_EQ(R"(C:\tools\mergevid.vcf)", MakeScriptPath(R"(C:\tools\clipweld.exe)"));
  EXPECT_EQ(R"(\\srv\a b\mergevid.vcf)", MakeScriptPath(R"(\\srv\a b\clipweld.exe)"));
  // Only a backslash ends the folder.
  EXPECT_EQ(R"(C:\x\mergevid.vcf)", MakeScriptPath(R"(C:\x\y/clipweld.exe)"));
}

TEST(ScriptLinesTest, SourceLines) {
  EXPECT_EQ(R"(VirtualDub.Open("C:\\rec\\a.avi","",0);)", SourceLine(R"(C:\\rec\\a.avi)", false));
  EXPECT_EQ(R"(VirtualDub.Append("C:\\rec\\b.avi");)", SourceLine(R"(C:\\rec\\b.avi)", true));
  EXPECT_EQ(R"(VirtualDub.Open("","",0);)", SourceLine("", false));
}

TEST(ScriptLinesTest, SettingsBlocks) {
  EXPECT_EQ(kResaveSettings, SettingsBlock(ScriptMode::kResave));
  // Join mode: no SetRange, and the file ends without a line end.
  const std::string_view join =
      kResaveSettings.substr(0, kResaveSettings.find("\r\nVirtualDub.video.SetRange"));
  EXPECT_EQ(join, SettingsBlock(ScriptMode::kJoin));
}

TEST(ScriptLinesTest, SaveLinesNameTheFileBehindThePrefix) {
  const struct {
    std::string_view listed, prefix, save_line;
  } kCases[] = {
      {R"(C:\rec\a.avi)", R"(D:\out\)", R"(VirtualDub.SaveAVI("D:\\out\\a.avi");)"},
      {R"(C:\rec\a.avi)", R"(D:\out)", R"(VirtualDub.SaveAVI("D:\\outa.avi");)"},
      {R"(C:\rec\a.avi)", "D:/out/", R"(VirtualDub.SaveAVI("D:\\out\\a.avi");)"},
      {"a.avi", R"(D:\out\)", R"(VirtualDub.SaveAVI("D:\\out\\a.avi");)"},
      {"C:/rec\\x/b.avi", "", R"(VirtualDub.SaveAVI("b.avi");)"},
      {R"(C:\rec\)", R"(D:\)", R"(VirtualDub.SaveAVI("D:\\");)"},
      {R"(C:\Видео\Ёлка 2.avi)", R"(D:\out\)",
       R"(VirtualDub.SaveAVI("D:\\out\\\xd1\x91\xd0\xbb\xd0\xba\xd0\xb0 2.avi");)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.listed);
    EXPECT_EQ(std::string(c.save_line) + "\r\nVirtualDub.Close();\r\n",
              SaveAndCloseLines(c.listed, c.prefix));
  }
  EXPECT_EQ(R"(\xd1\x91\xd0\xbb\xd0\xba\xd0\xb0 2.avi)", OutputFileName("C:/Видео/Ёлка 2.avi"));
}

// The writers, over real files: the script and the console get the same
// source line, and FileOpened turns Open into Append.
TEST(ScriptLinesTest, WritersFillScriptAndEchoSourceLines) {
  edge::test_support::TempDir dir;
  edge::File script_file, console_file;
  ASSERT_EQ(edge::kOk, edge::CreateForWriting((dir.path() / "script").string(), &script_file));
  ASSERT_EQ(edge::kOk, edge::CreateForWriting((dir.path() / "console").string(), &console_file));
  edge::OutputStream script(&script_file, false), console(&console_file, false);
  RunState state{ScriptMode::kResave, R"(D:\out\)", false};

  EXPECT_FALSE(WriteSourceLine(script, console, "a", state));
  EXPECT_TRUE(state.FileOpened);
  EXPECT_FALSE(WriteSettingsBlock(script, state.mode));
  EXPECT_FALSE(WriteSaveAndClose(script, R"(C:\a)", state.OutputPrefix));
  EXPECT_FALSE(WriteSourceLine(script, console, "b", state));
  ASSERT_EQ(edge::kOk, script.Flush());
  ASSERT_EQ(edge::kOk, console.Flush());
  ASSERT_EQ(edge::kOk, edge::CloseFile(script_file));
  ASSERT_EQ(edge::kOk, edge::CloseFile(console_file));

  EXPECT_EQ("VirtualDub.Open(\"a\",\"\",0);\r\n" + std::string(kResaveSettings) +
                "VirtualDub.SaveAVI(\"D:\\\\out\\\\a\");\r\nVirtualDub.Close();\r\n"
                "VirtualDub.Append(\"b\");\r\n",
            dir.Read("script"));
  EXPECT_EQ("VirtualDub.Open(\"a\",\"\",0);\r\nVirtualDub.Append(\"b\");\r\n", dir.Read("console"));
}

// A write that fails is reported with the system's code at the write.
TEST(ScriptLinesTest, FailedWritesCarryTheirCodeAndPlace) {
  edge::File full;
  ASSERT_EQ(edge::kOk, edge::CreateForWriting("/dev/full", &full));
  edge::OutputStream script(&full, /*line_buffered=*/true), console(&full, true);
  RunState state;
  const Failure failure = WriteSourceLine(script, console, "a", state);
  EXPECT_EQ(edge::kErrorDiskFull, failure.code);
  EXPECT_EQ(kPlaceWriteScript, failure.place);
}

}  // namespace
}  // namespace clipweld
