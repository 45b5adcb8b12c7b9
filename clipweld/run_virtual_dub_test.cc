// Tests of the launcher's paths that start nothing; the starts themselves
// are checked end to end with a stand-in program.
#include "clipweld/run_virtual_dub.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "edge/testing/temp_dir.h"

namespace clipweld {
namespace {

// Runs in a temporary current folder, restoring the old one afterwards.
class RunVirtualDubTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::current_path(dir_.path()); }
  void TearDown() override { std::filesystem::current_path(old_); }

  std::filesystem::path old_ = std::filesystem::current_path();
  edge::test_support::TempDir dir_;
};

TEST_F(RunVirtualDubTest, NothingStartsWhenTheTestOpenFails) {
  std::filesystem::create_directory(dir_.path() / "folder.exe");
  for (std::string_view program : {"missing.exe", "folder.exe", "absent\\x.exe"}) {
    SCOPED_TRACE(program);
    bool started = true;
    EXPECT_FALSE(RunVirtualDub(program, &started));
    EXPECT_FALSE(started);
  }
}

}  // namespace
}  // namespace clipweld
