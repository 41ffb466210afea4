// Invalidation, WM_PAINT and rendering a window to PNG.
#include <algorithm>
#include <string>

#include "core_test_support.h"
#include "internal/core_backend.h"
#include "robot.h"

namespace core_test {
namespace {

using PaintTest = CoreTest;

TEST_F(PaintTest, PaintIsSynthesisedUntilValidated) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
  RECT r{1, 2, 30, 40};
  InvalidateRect(top, &r, FALSE);
  RECT u;
  EXPECT_TRUE(GetUpdateRect(top, &u, FALSE));
  EXPECT_TRUE(EqualRect(&u, &r));
  ValidateRect(top, nullptr);
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
  InvalidateRect(top, nullptr, TRUE);
  Log().clear();
  UpdateWindow(top);
  EXPECT_EQ(MessagesOf(top), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
  EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE));
}

TEST_F(PaintTest, InvalidatingAParentReachesChildrenUnlessClipChildren) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = MakeChild(top, 1);
  Pump();
  InvalidateRect(top, nullptr, TRUE);
  EXPECT_TRUE(GetUpdateRect(child, nullptr, FALSE));
  ValidateRect(child, nullptr);
  SetWindowLong(top, GWL_STYLE, GetWindowLong(top, GWL_STYLE) | WS_CLIPCHILDREN);
  InvalidateRect(top, nullptr, TRUE);
  EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
}

// The update area is one rectangle: a child inside it is painted over by
// the parent, so it is painted again even when no single invalidation
// touched it.
TEST_F(PaintTest, AChildInsideTheCombinedUpdateAreaIsRepaintedToo) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND corner = MakeChild(top, 1, WS_CHILD | WS_VISIBLE, RECT{0, 0, 20, 20});
  HWND middle = MakeChild(top, 2, WS_CHILD | WS_VISIBLE, RECT{100, 60, 140, 80});
  Pump();
  UpdateWindow(top);
  ValidateRect(corner, nullptr);
  ValidateRect(middle, nullptr);
  ValidateRect(top, nullptr);
  RECT upperLeft{0, 0, 30, 30}, lowerRight{200, 120, 240, 150};
  InvalidateRect(top, &upperLeft, TRUE);
  EXPECT_TRUE(GetUpdateRect(corner, nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(middle, nullptr, FALSE));
  InvalidateRect(top, &lowerRight, TRUE);
  EXPECT_TRUE(GetUpdateRect(middle, nullptr, FALSE)) << "the parent will erase it";
}

// A parent that does not clip its children paints over them, and over their
// own children whatever those clip: what was painted before it (an
// UpdateWindow on a child) is painted again after it.
TEST_F(PaintTest, WhatAParentPaintsOverIsPaintedAgainAfterIt) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND middle = MakeChild(top, 1, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, RECT{10, 10, 210, 110});
  HWND inner = MakeChild(middle, 2, WS_CHILD | WS_VISIBLE, RECT{5, 5, 105, 55});
  Pump();
  InvalidateRect(top, nullptr, TRUE);
  EXPECT_TRUE(GetUpdateRect(inner, nullptr, FALSE)) << "under the parent's update area";
  UpdateWindow(inner);
  EXPECT_FALSE(GetUpdateRect(inner, nullptr, FALSE));
  Log().clear();
  Pump();
  for (HWND painted : {middle, inner}) {
    const std::vector<UINT> messages = MessagesOf(painted);
    EXPECT_NE(std::find(messages.begin(), messages.end(), static_cast<UINT>(WM_PAINT)), messages.end())
        << "painted again after the parent";
    EXPECT_FALSE(GetUpdateRect(painted, nullptr, FALSE));
  }
}

// A window that clips its siblings hides what lies under the siblings above
// it from its children too: the children of an MDI child behind another
// never paint over the one in front.
TEST_F(PaintTest, TheChildrenOfAWindowBehindASiblingDoNotPaintOverIt) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND behind = MakeChild(top, 1, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, RECT{10, 10, 210, 110});
  HWND inner = MakeChild(behind, 2, WS_CHILD | WS_VISIBLE, RECT{0, 0, 200, 100});
  HWND front = MakeChild(top, 3, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, RECT{60, 40, 160, 90});
  SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Pump();
  auto fill = [](HWND hwnd, COLORREF colour) {
    HDC dc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, 1000, 1000};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, dc);
  };
  fill(front, RGB(0, 0, 255));
  fill(inner, RGB(255, 0, 0));
  HDC dc = GetDC(top);
  EXPECT_EQ(GetPixel(dc, 100, 60), RGB(0, 0, 255)) << "under the window in front";
  EXPECT_EQ(GetPixel(dc, 20, 20), RGB(255, 0, 0)) << "beside it";
  ReleaseDC(top, dc);
}

TEST_F(PaintTest, ANewCaptionOrActivationRepaintsTheFrameOnly) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  UpdateWindow(top);
  SetWindowText(top, "Renamed");
  EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE));
  SendMessage(top, WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE));
  Log().clear();
  UpdateWindow(top);
  const std::vector<UINT> messages = MessagesOf(top);
  EXPECT_NE(messages.end(), std::find(messages.begin(), messages.end(), static_cast<UINT>(WM_NCPAINT)));
}

TEST_F(PaintTest, HiddenWindowsGetNoPaint) {
  HWND top = MakeTop();
  InvalidateRect(top, nullptr, TRUE);
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(PaintTest, CaptionedWindowRendersToPng) {
  HWND top = CreateWindowEx(0, kClass, "Halvane Window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 200, nullptr,
                            nullptr, nullptr, nullptr);
  ASSERT_NE(top, nullptr);
  halvane::test::Snapshot(top, "win32_core_window");
  cairo_surface_t* s = win32::internal::GetWindowSurface(top);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(cairo_image_surface_get_width(s), 320);
  EXPECT_EQ(cairo_image_surface_get_height(s), 200);
}

}  // namespace
}  // namespace core_test
