#include "robot_test.h"

#include <algorithm>
#include <sstream>

#include <windows.h>

#include "window_system_queries.h"

namespace halvane::test {
namespace {

std::string Titles(const std::vector<Window>& windows) {
  std::ostringstream out;
  for (const Window& w : windows) out << " \"" << w.text() << "\" (" << w.className() << ")";
  return out.str();
}

}  // namespace

void RobotTest::SetUp() { restartWindowSystem(); }

void RobotTest::restartWindowSystem() {
  internal::StartCleanWindowSystem();
  robot.attachModalIdleHook();
  initialTopLevels_ = robot.topLevels();
}

void RobotTest::TearDown() {
  std::vector<Window> modal;
  for (HWND hwnd : win32::GetModalStack()) modal.emplace_back(hwnd);
  EXPECT_TRUE(modal.empty()) << "Modal loops still running:" << Titles(modal);

  std::vector<Window> left;
  for (const Window& w : robot.topLevels()) {
    if (std::find(initialTopLevels_.begin(), initialTopLevels_.end(), w) == initialTopLevels_.end()) {
      left.push_back(w);
    }
  }
  EXPECT_TRUE(left.empty()) << "Top-level windows left by the test:" << Titles(left);

  std::ostringstream pending;
  for (const std::string& title : robot.pendingHandlers()) pending << " \"" << title << '"';
  EXPECT_TRUE(robot.pendingHandlers().empty()) << "Modal handlers that never ran:" << pending.str();

  robot.detachModalIdleHook();
  internal::StartCleanWindowSystem();
}

}  // namespace halvane::test
