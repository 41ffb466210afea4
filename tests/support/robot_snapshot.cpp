// Snapshots: top-level windows rendered to PNG files for people to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <system_error>

#include <windows.h>

#include "robot.h"
#include "window_system_queries.h"

namespace halvane::test {
namespace {

std::filesystem::path OutputRoot() {
  if (const char* root = std::getenv("HALVANE_TEST_OUTPUT"); root != nullptr && *root != '\0') return root;
  return std::filesystem::temp_directory_path() / "halvane-test-output";
}

std::string SuiteName() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return info != nullptr ? info->test_suite_name() : "no-test";
}

}  // namespace

std::filesystem::path Robot::snapshot(Window window, const std::string& name, bool withPopups) const {
  if (!window.exists()) {
    ADD_FAILURE() << "Robot: snapshot \"" << name << "\" of a window that does not exist";
    return {};
  }
  const std::filesystem::path folder = OutputRoot() / SuiteName();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path file = folder / (name + ".png");
  if (error || !internal::RenderToPng(window.hwnd(), file, withPopups)) {
    ADD_FAILURE() << "Robot: could not write the snapshot " << file;
    return {};
  }
  return file;
}

}  // namespace halvane::test
