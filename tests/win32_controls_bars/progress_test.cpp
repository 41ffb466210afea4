#include "bars_fixture.h"

namespace bars_test {
namespace {

using Progress = BarsTest;

TEST_F(Progress, RangeAndPositionAreKeptAndClamped) {
  RecordingWindow parent("Progress");
  HWND bar = Child(parent.hwnd(), PROGRESS_CLASS, "", 0, 1, {10, 10, 210, 30});
  EXPECT_EQ(SendMessage(bar, PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessage(bar, PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(SendMessage(bar, PBM_SETRANGE, 0, MAKELPARAM(10, 50)), MAKELRESULT(0, 100));
  PBRANGE range{};
  EXPECT_EQ(SendMessage(bar, PBM_GETRANGE, FALSE, Ptr(&range)), 50);
  EXPECT_EQ(range.iLow, 10);
  EXPECT_EQ(range.iHigh, 50);
  // The position follows the new minimum, and stays inside the range.
  EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 10);
  EXPECT_EQ(SendMessage(bar, PBM_SETPOS, 70, 0), 10);
  EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 50);
  EXPECT_EQ(SendMessage(bar, PBM_DELTAPOS, static_cast<WPARAM>(-15), 0), 50);
  EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 35);
  SendMessage(bar, PBM_SETRANGE32, static_cast<WPARAM>(-1000), 100000);
  EXPECT_EQ(SendMessage(bar, PBM_GETRANGE, TRUE, 0), -1000);
  EXPECT_EQ(SendMessage(bar, PBM_GETRANGE, FALSE, 0), 100000);
  SendMessage(bar, PBM_SETPOS, static_cast<WPARAM>(-5000), 0);
  EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), -1000);
}

TEST_F(Progress, StepItWrapsPastTheMaximum) {
  RecordingWindow parent("Progress");
  HWND bar = Child(parent.hwnd(), PROGRESS_CLASS, "", 0, 1, {10, 10, 210, 30});
  EXPECT_EQ(SendMessage(bar, PBM_SETSTEP, 30, 0), 10);
  std::vector<LRESULT> positions;
  for (int i = 0; i < 4; ++i) {
    SendMessage(bar, PBM_STEPIT, 0, 0);
    positions.push_back(SendMessage(bar, PBM_GETPOS, 0, 0));
  }
  EXPECT_THAT(positions, ::testing::ElementsAre(30, 60, 90, 20));
  // Exactly the maximum is reached, not wrapped.
  SendMessage(bar, PBM_SETPOS, 70, 0);
  EXPECT_EQ(SendMessage(bar, PBM_STEPIT, 0, 0), 70);
  EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 100);
}

TEST_F(Progress, BlocksCoverThePositionsShare) {
  RecordingWindow parent("Progress");
  HWND bar = Child(parent.hwnd(), PROGRESS_CLASS, "", 0, 1, {10, 10, 210, 30});
  HWND smooth = Child(parent.hwnd(), PROGRESS_CLASS, "", PBS_SMOOTH, 2, {10, 40, 210, 60});
  for (HWND h : {bar, smooth}) SendMessage(h, PBM_SETPOS, 40, 0);
  HDC dc = GetDC(parent.hwnd());
  UpdateWindow(parent.hwnd());
  for (HWND h : {bar, smooth}) {
    RECT r = RectInParent(h);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(GetPixel(dc, r.left + 4, r.top + 10), highlight);
    EXPECT_EQ(GetPixel(dc, r.left + 70, r.top + 10), highlight);
    EXPECT_EQ(GetPixel(dc, r.left + 120, r.top + 10), GetSysColor(COLOR_BTNFACE));
  }
  ReleaseDC(parent.hwnd(), dc);
}

TEST_F(Progress, MessagesToADestroyedBarFail) {
  RecordingWindow parent("Progress");
  HWND bar = Child(parent.hwnd(), PROGRESS_CLASS, "", 0, 1, {10, 10, 210, 30});
  DestroyWindow(bar);
  EXPECT_EQ(SendMessage(bar, PBM_SETPOS, 10, 0), 0);
  EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 0);
}

}  // namespace
}  // namespace bars_test
