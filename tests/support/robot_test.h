// The fixture of window tests: a fresh window system on the virtual clock,
// the robot answering modal loops, and a check that the test left no modal
// loop, no top-level window and no unused modal handler behind. Windows the
// test makes must be gone by the end of its body (locals, not members).
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "robot.h"

namespace halvane::test {

class RobotTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A fresh window system in the middle of a test, as SetUp makes it.
  void restartWindowSystem();

  Robot robot;

 private:
  // Top-level windows the window system itself keeps after a reset.
  std::vector<Window> initialTopLevels_;
};

}  // namespace halvane::test
