#include <gtest/gtest.h>

#include <filesystem>

#include "HomeDirectory.h"

namespace {

namespace fs = std::filesystem;

TEST(HomeDirectoryTest, IsTheParentOfTheProgramsFolder) {
  fs::path program = fs::read_symlink("/proc/self/exe");
  std::string home(static_cast<const char*>(HomeDirectory()));
  EXPECT_EQ(program.parent_path().parent_path(), fs::path(home));
  EXPECT_FALSE(home.ends_with("/"));
  // The build tree is an installation: its bin/ sits in the home too.
  EXPECT_TRUE(fs::equivalent(HALVANE_BUILD_DIR, home)) << home;
  EXPECT_TRUE(fs::is_directory(fs::path(home) / "bin"));
}

}  // namespace
