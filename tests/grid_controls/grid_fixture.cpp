#include "grid_fixture.h"

namespace grid_test {

void GridTest::SetUp() {
  GridTestBase::SetUp();
  ASSERT_TRUE(frame.CreateEx(0, nullptr, "Grid", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 480, 340, nullptr, nullptr));
}

void GridTest::TearDown() {
  if (frame.GetSafeHwnd()) frame.DestroyWindow();
  GridTestBase::TearDown();
}

void GridTest::Attach(CGXGridWnd& grid, int width, int height) {
  ASSERT_TRUE(
      grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(5, 5, 5 + width, 5 + height), &frame, 1001));
  grid.Initialize();
  grid.SetFocus();
  robot.pumpUntilIdle();
}

}  // namespace grid_test
