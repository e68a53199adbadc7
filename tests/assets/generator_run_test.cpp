// Runs the generator program itself: its output must not depend on when or
// where it runs, and bad targets must fail loudly rather than half-write.

#include "asset_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>
#include <string>

namespace asset_test {
namespace {

namespace fs = std::filesystem;

fs::path generator() { return BRINDLECOG_ASSETGEN; }

int run(const std::string& args) {
  const std::string cmd = "'" + generator().string() + "' " + args + " >/dev/null 2>&1";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class AssetGenerator : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(generator())) << generator();
    // ctest may run these in parallel processes: name the folder after both.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("brindlecog-assets-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(AssetGenerator, RerunReproducesTheGameFolderByteForByte) {
  ASSERT_EQ(run("'" + dir_.string() + "'"), 0);
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
    if (!entry.is_regular_file()) continue;
    const fs::path rel = fs::relative(entry.path(), dir_);
    EXPECT_EQ(read_all(entry.path()), read_all(game_dir() / rel)) << rel;
    ++compared;
  }
  EXPECT_EQ(compared, 90 + 11);
}

TEST_F(AssetGenerator, UnwritableTargetFailsWithAnError) {
  fs::create_directories(dir_);
  {
    std::ofstream blocker(dir_ / "SysData");  // a file where a folder must go
  }
  EXPECT_EQ(run("'" + dir_.string() + "'"), 1);
  EXPECT_EQ(run(""), 2) << "missing argument";
}

}  // namespace
}  // namespace asset_test
