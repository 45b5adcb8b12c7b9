#include "edge/user_dirs.h"

#include <gtest/gtest.h>

namespace edge {
namespace {

TEST(UserDirsTest, FilePath) {
  EXPECT_EQ("/cfg/user-dirs.dirs", UserDirsFilePath("/cfg", "/home/u"));
  EXPECT_EQ("/home/u/.config/user-dirs.dirs", UserDirsFilePath("", "/home/u"));
  EXPECT_EQ("/home/u/.config/user-dirs.dirs", UserDirsFilePath("relative/cfg", "/home/u"));
  EXPECT_EQ("/cfg/user-dirs.dirs", UserDirsFilePath("/cfg", ""));
  EXPECT_EQ("", UserDirsFilePath("", ""));
}

void ExpectDesktop(std::string_view text, std::string_view expected) {
  SCOPED_TRACE(text);
  EXPECT_EQ(expected, DesktopDirFromUserDirs(text, "/home/u"));
}

TEST(UserDirsTest, DesktopRecord) {
  // What xdg-user-dirs-update writes.
  ExpectDesktop(
      "# This file is written by xdg-user-dirs-update\n"
      "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
      "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n",
      "/home/u/Desktop");
  ExpectDesktop("XDG_DESKTOP_DIR=\"/srv/air/Рабочий стол\"", "/srv/air/Рабочий стол");
  ExpectDesktop("XDG_DESKTOP_DIR=\"$HOME\"\n", "/home/u");
  ExpectDesktop("XDG_DESKTOP_DIR=\"$HOME/\"\n", "/home/u/");
  ExpectDesktop("  XDG_DESKTOP_DIR =\t\"/d\"\r\n", "/d");
  ExpectDesktop("XDG_DESKTOP_DIR=\"/a \\\"b\\\" \\\\c\"\n", "/a \"b\" \\c");
  ExpectDesktop("XDG_DESKTOP_DIR=\"/first\"\nXDG_DESKTOP_DIR=\"/second\"\n", "/second");
  // No record, or none that can be used: the last usable one stays.
  ExpectDesktop("", "");
  ExpectDesktop("XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n", "");
  ExpectDesktop("# XDG_DESKTOP_DIR=\"/commented\"\n", "");
  ExpectDesktop("XDG_DESKTOP_DIRS=\"/other\"\n", "");
  ExpectDesktop("XDG_DESKTOP_DIR=/unquoted\n", "");
  ExpectDesktop("XDG_DESKTOP_DIR=\"Desktop\"\n", "");
  ExpectDesktop("XDG_DESKTOP_DIR=\"$HOMEDIR/Desktop\"\n", "");
  ExpectDesktop("XDG_DESKTOP_DIR=\"/kept\"\nXDG_DESKTOP_DIR=\"relative\"\n", "/kept");
  EXPECT_EQ("", DesktopDirFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", ""));
  EXPECT_EQ("/abs", DesktopDirFromUserDirs("XDG_DESKTOP_DIR=\"/abs\"\n", ""));
}

}  // namespace
}  // namespace edge
