// POSIX backend only: tests of the test open and of the detached start.
#include <stdlib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "edge/platform.h"
#include "edge/testing/temp_dir.h"

namespace edge {
namespace {

namespace fs = std::filesystem;

// Runs in the folder "work" of a temporary folder, restoring the current
// folder and PATH afterwards.
class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir_.path() / "work");
    fs::current_path(dir_.path() / "work");
  }
  void TearDown() override {
    fs::current_path(old_folder_);
    setenv("PATH", old_path_.c_str(), 1);
  }

  // The bytes of `name` in the temporary folder once it ends with a line
  // end; empty when that takes longer than ten seconds.
  std::string AwaitRecord(std::string_view name) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::string record;
    while ((record = dir_.Read(name)).empty() || record.back() != '\n') {
      if (std::chrono::steady_clock::now() > deadline) return {};
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return record;
  }

  test_support::TempDir dir_;
  fs::path old_folder_ = fs::current_path();
  std::string old_path_ = getenv("PATH") ? getenv("PATH") : "";
};

TEST_F(ProcessTest, ProbeOpensOnlyFilesThatOpenForWriting) {
  dir_.Write("work/present.exe", "x");
  fs::create_directory(dir_.path() / "work" / "folder.exe");
  const struct {
    std::string_view name;
    bool opened;
  } kCases[] = {{"present.exe", true}, {"missing.exe", false}, {"folder.exe", false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    bool opened = !c.opened;
    EXPECT_EQ(kOk, ProbeReadWrite(c.name, &opened));
    EXPECT_EQ(c.opened, opened);
  }
}

// The last place the search looks is PATH; the program gets the rest of
// the command line split as Windows splits it, and a group of its own.
TEST_F(ProcessTest, StartsAProgramFoundOnPathInAGroupOfItsOwn) {
  fs::create_directory(dir_.path() / "bin");
  const std::string program =
      dir_.Write("bin/recorder.exe",
                 "#!/bin/sh\n"
                 "PATH=/usr/bin:/bin\n"
                 "group=$(cut -d' ' -f5 /proc/$$/stat)\n"
                 "printf '%s|' \"$@\" \"$(pwd)\" \"$([ \"$group\" = $$ ] && echo own-group)\" "
                 "> ../record.tmp\n"
                 "echo >> ../record.tmp\n"
                 "mv ../record.tmp ../record\n");
  fs::permissions(program, fs::perms::owner_all);
  setenv("PATH", (dir_.path() / "bin").c_str(), 1);

  EXPECT_TRUE(StartDetached("recorder.exe", R"( /s "a b"c  d)"));
  EXPECT_EQ("/s|a bc|d|" + (dir_.path() / "work").string() + "|own-group|\n",
            AwaitRecord("record"));
}

TEST_F(ProcessTest, NothingStartsWhenNoFolderHoldsTheProgram) {
  setenv("PATH", (dir_.path() / "bin").c_str(), 1);
  EXPECT_FALSE(StartDetached("no-such-program.exe", " /s x"));
}

}  // namespace
}  // namespace edge
