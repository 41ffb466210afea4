// Moving and sizing windows with the mouse on the caption, the borders and
// the status bar's grip, and with the keys after the system menu's Move and
// Size: the loop's messages, the limits, Escape and the capture.
#include <gtest/gtest.h>

#include <commctrl.h>
#include <windows.h>

#include "recording_window.h"
#include "robot_test.h"
#include "win32/input.h"

namespace halvane::test {
namespace {

using SizeMoveTest = RobotTest;

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

// A point of the window given from its top-left corner, in its client
// coordinates as the robot takes them.
POINT FromCorner(HWND hwnd, int x, int y) {
  const RECT r = WindowRect(hwnd);
  POINT p{r.left + x, r.top + y};
  ScreenToClient(hwnd, &p);
  return p;
}

// The calling thread's GUI state; cbSize 0 when the call failed.
GUITHREADINFO ThreadInfo() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(0, &info)) info.cbSize = 0;
  return info;
}

POINT Shifted(POINT p, int dx, int dy) { return POINT{p.x + dx, p.y + dy}; }

void KeyStroke(UINT vk) {
  win32::input::KeyDown(vk);
  win32::input::KeyUp(vk);
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "{" << actual.left << "," << actual.top << "," << actual.right << ","
                                       << actual.bottom << "} instead of {" << expected.left << "," << expected.top
                                       << "," << expected.right << "," << expected.bottom << "}";
}

TEST_F(SizeMoveTest, DraggingTheCaptionMovesTheWholeWindowInsideTheLoop) {
  RecordingWindow frame("Frame");
  const RECT before = WindowRect(frame.hwnd());
  const POINT caption = FromCorner(frame.hwnd(), 150, 10);
  ASSERT_EQ(SendMessage(frame.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(before.left + 150, before.top + 10)), HTCAPTION);
  HWND moving = nullptr;
  frame.answer(WM_MOVING, [&moving](HWND, WPARAM, LPARAM) {
    GUITHREADINFO info = ThreadInfo();
    if (info.cbSize && (info.flags & GUI_INMOVESIZE)) moving = info.hwndMoveSize;
    return LRESULT(TRUE);
  });
  frame.clear();
  robot.drag(frame, caption, Shifted(caption, 50, 30));
  RECT expected = before;
  OffsetRect(&expected, 50, 30);
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), expected));

  EXPECT_EQ(moving, frame.hwnd()) << "GetGUIThreadInfo names the window during the loop";
  const GUITHREADINFO after = ThreadInfo();
  ASSERT_NE(after.cbSize, 0u);
  EXPECT_FALSE(after.flags & GUI_INMOVESIZE);
  const auto sys = frame.filtered({WM_SYSCOMMAND});
  ASSERT_EQ(sys.size(), 1u);
  EXPECT_EQ(sys[0].wParam, WPARAM(SC_MOVE + HTCAPTION));
  const auto order = frame.names({WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGED, WM_EXITSIZEMOVE});
  ASSERT_GE(order.size(), 4u);
  EXPECT_EQ(order.front(), "WM_ENTERSIZEMOVE");
  EXPECT_EQ(order[1], "WM_MOVING");
  EXPECT_EQ(order[2], "WM_WINDOWPOSCHANGED") << "the window follows the mouse at once";
  EXPECT_EQ(order.back(), "WM_EXITSIZEMOVE");
  EXPECT_FALSE(frame.contains(WM_SIZING));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SizeMoveTest, BordersAndCornersSizeTheirEdgesOnly) {
  RecordingWindow frame("Frame");
  const RECT before = WindowRect(frame.hwnd());
  const int w = before.right - before.left, h = before.bottom - before.top;
  robot.drag(frame, FromCorner(frame.hwnd(), w - 1, h - 1), Shifted(FromCorner(frame.hwnd(), w - 1, h - 1), 40, 20));
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), RECT{before.left, before.top, before.right + 40, before.bottom + 20}));
  const auto sizing = frame.filtered({WM_SIZING});
  ASSERT_FALSE(sizing.empty());
  EXPECT_EQ(sizing.back().wParam, WPARAM(WMSZ_BOTTOMRIGHT));
  EXPECT_EQ(frame.filtered({WM_SYSCOMMAND}).back().wParam, WPARAM(SC_SIZE + WMSZ_BOTTOMRIGHT));

  // The top-left corner keeps the bottom-right one where it is.
  const RECT mid = WindowRect(frame.hwnd());
  robot.drag(frame, FromCorner(frame.hwnd(), 1, 1), Shifted(FromCorner(frame.hwnd(), 1, 1), -30, 25));
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), RECT{mid.left - 30, mid.top + 25, mid.right, mid.bottom}));
  EXPECT_EQ(frame.filtered({WM_SIZING}).back().wParam, WPARAM(WMSZ_TOPLEFT));
  EXPECT_FALSE(frame.contains(WM_MOVING));
}

TEST_F(SizeMoveTest, MinMaxInfoLimitsHoldTheOppositeEdgeAndSizingMayAdjust) {
  RecordingWindow frame("Frame");
  frame.answer(WM_GETMINMAXINFO, [](HWND, WPARAM, LPARAM lp) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
    mmi->ptMinTrackSize = {300, 200};
    mmi->ptMaxTrackSize = {450, 350};
    return LRESULT(0);
  });
  const RECT before = WindowRect(frame.hwnd());  // 400 x 300
  const int h = before.bottom - before.top;
  const POINT left = FromCorner(frame.hwnd(), 1, h / 2);
  robot.drag(frame, left, Shifted(left, 250, 0));
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), RECT{before.right - 300, before.top, before.right, before.bottom}));

  // The application's WM_SIZING answer is what the window gets.
  frame.answer(WM_SIZING, [](HWND, WPARAM, LPARAM lp) {
    auto* r = reinterpret_cast<RECT*>(lp);
    r->bottom = r->top + (r->bottom - r->top) / 50 * 50;
    return LRESULT(TRUE);
  });
  const RECT mid = WindowRect(frame.hwnd());
  const POINT bottom = FromCorner(frame.hwnd(), 100, h - 1);
  robot.drag(frame, bottom, Shifted(bottom, 0, 500));
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), RECT{mid.left, mid.top, mid.right, mid.top + 350}));
  robot.drag(frame, Shifted(bottom, 0, 50), Shifted(bottom, 0, 29));
  EXPECT_EQ(WindowRect(frame.hwnd()).bottom - mid.top, 300) << "329 rounded down by the application";
}

TEST_F(SizeMoveTest, EscapeRestoresTheWindowAndReleasesTheMouse) {
  RecordingWindow frame("Frame");
  const RECT before = WindowRect(frame.hwnd());
  POINT at{before.left + 150, before.top + 10};
  win32::input::MouseMove(at);
  win32::input::MouseButton(0, true, at);
  win32::input::MouseMove(Shifted(at, 60, 40));
  KeyStroke(VK_ESCAPE);
  win32::input::MouseButton(0, false, Shifted(at, 60, 40));
  robot.pumpUntilIdle();
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), before));
  EXPECT_EQ(frame.names({WM_MOVING}).size(), 1u) << "it moved before Escape";
  EXPECT_EQ(frame.names({WM_EXITSIZEMOVE}).size(), 1u);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(frame.contains(WM_CHAR)) << "the loop keeps its keys";
}

TEST_F(SizeMoveTest, TheSystemMenusMoveTakesTheArrowsUntilEnter) {
  RecordingWindow frame("Frame");
  SetActiveWindow(frame.hwnd());
  const RECT before = WindowRect(frame.hwnd());
  robot.onDialog("Frame", [](Robot&, Window) {
    for (UINT vk : {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}) KeyStroke(vk);
  });
  robot.chooseSystemMenu("&Move");
  RECT expected = before;
  OffsetRect(&expected, 16, 8);
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), expected));
  EXPECT_EQ(frame.filtered({WM_SYSCOMMAND}).back().wParam & 0xFFFF, WPARAM(SC_MOVE));
  EXPECT_TRUE(frame.contains(WM_EXITSIZEMOVE));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SizeMoveTest, KeyboardSizingPicksAnEdgePerAxisWithTheFirstArrow) {
  RecordingWindow frame("Frame");
  const RECT before = WindowRect(frame.hwnd());
  for (UINT vk : {VK_LEFT, VK_LEFT, VK_DOWN, VK_RIGHT, VK_RETURN}) KeyStroke(vk);
  SendMessage(frame.hwnd(), WM_SYSCOMMAND, SC_SIZE, 0);
  // Left twice widens by 16; Down picks the bottom edge; Right then moves
  // the left edge back by 8.
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), RECT{before.left - 8, before.top, before.right, before.bottom + 8}));
  EXPECT_EQ(frame.filtered({WM_SIZING}).back().wParam, WPARAM(WMSZ_BOTTOMLEFT));
}

TEST_F(SizeMoveTest, TheStatusBarsGripSizesItsFrame) {
  InitCommonControls();
  RecordingWindow frame("Frame");
  HWND status = CreateWindowEx(0, STATUSCLASSNAME, "Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                               frame.hwnd(), reinterpret_cast<HMENU>(1), nullptr, nullptr);
  ASSERT_NE(status, nullptr);
  const RECT before = WindowRect(frame.hwnd());
  RECT sc{};
  GetClientRect(status, &sc);
  const POINT grip{sc.right - 3, sc.bottom - 3};
  robot.drag(Window(status), grip, Shifted(grip, 40, 20));
  EXPECT_TRUE(SameRect(WindowRect(frame.hwnd()), RECT{before.left, before.top, before.right + 40, before.bottom + 20}));
  EXPECT_EQ(frame.filtered({WM_SYSCOMMAND}).back().wParam, WPARAM(SC_SIZE + WMSZ_BOTTOMRIGHT));
}

TEST_F(SizeMoveTest, FixedMaximizedAndDestroyedWindowsStayPut) {
  RecordingWindow fixed("Fixed", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, RECT{50, 50, 250, 150});
  const RECT before = WindowRect(fixed.hwnd());
  SendMessage(fixed.hwnd(), WM_SYSCOMMAND, SC_SIZE + WMSZ_RIGHT, MAKELPARAM(before.right - 1, before.top + 50));
  EXPECT_FALSE(fixed.contains(WM_ENTERSIZEMOVE)) << "no sizing frame, no size loop";
  // A dialog frame still moves by its caption.
  const POINT caption = FromCorner(fixed.hwnd(), 60, 10);
  robot.drag(fixed, caption, Shifted(caption, 10, 10));
  EXPECT_EQ(WindowRect(fixed.hwnd()).left, before.left + 10);

  RecordingWindow big("Big");
  ShowWindow(big.hwnd(), SW_MAXIMIZE);
  const RECT zoomed = WindowRect(big.hwnd());
  big.clear();
  SendMessage(big.hwnd(), WM_SYSCOMMAND, SC_MOVE + HTCAPTION, MAKELPARAM(zoomed.left + 200, zoomed.top + 10));
  EXPECT_FALSE(big.contains(WM_ENTERSIZEMOVE));
  EXPECT_TRUE(SameRect(WindowRect(big.hwnd()), zoomed));
  EXPECT_EQ(DefWindowProc(reinterpret_cast<HWND>(0x7777), WM_SYSCOMMAND, SC_MOVE, 0), 0);
}

}  // namespace
}  // namespace halvane::test
