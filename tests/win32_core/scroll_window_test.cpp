// ScrollWindowEx: the painted pixels move and only the uncovered strip is
// invalidated; what cannot simply be moved is painted again as a whole.
#include "core_test_support.h"

namespace core_test {
namespace {

using ScrollWindowTest = CoreTest;

constexpr COLORREF kTop = RGB(200, 0, 0);
constexpr COLORREF kBelow = RGB(0, 0, 200);

// A painted window: red rows 0-9, blue rows 10-19, nothing left to paint.
HWND PaintedTop() {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  HDC dc = GetDC(top);
  for (auto [colour, y] : {std::pair{kTop, 0}, std::pair{kBelow, 10}}) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT rc{0, y, 200, y + 10};
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
  }
  ReleaseDC(top, dc);
  return top;
}

COLORREF PixelAt(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return c;
}

RECT Client(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return rc;
}

TEST_F(ScrollWindowTest, ThePixelsMoveAndOnlyTheUncoveredStripIsInvalid) {
  HWND top = PaintedTop();
  const RECT client = Client(top);
  RECT update{};
  EXPECT_EQ(ScrollWindowEx(top, 0, -10, nullptr, nullptr, nullptr, &update, SW_INVALIDATE), SIMPLEREGION);
  EXPECT_EQ(PixelAt(top, 5, 2), kBelow) << "the blue rows moved up";
  const RECT strip{0, client.bottom - 10, client.right, client.bottom};
  EXPECT_TRUE(EqualRect(&update, &strip));
  RECT invalid{};
  ASSERT_TRUE(GetUpdateRect(top, &invalid, FALSE));
  EXPECT_TRUE(EqualRect(&invalid, &strip));

  // Sideways, inside a scroll rectangle: the strip on its left.
  Pump();
  const RECT part{0, 0, 100, 20};
  EXPECT_EQ(ScrollWindowEx(top, 30, 0, &part, nullptr, nullptr, &update, 0), SIMPLEREGION);
  const RECT left{0, 0, 30, 20};
  EXPECT_TRUE(EqualRect(&update, &left));
  EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE)) << "without SW_INVALIDATE nothing is invalidated";
}

TEST_F(ScrollWindowTest, WhatCannotSimplyMoveIsPaintedAgainWhole) {
  HWND top = PaintedTop();
  const RECT client = Client(top);
  RECT update{};
  // Both axes at once.
  ScrollWindowEx(top, 5, 5, nullptr, nullptr, nullptr, &update, 0);
  EXPECT_TRUE(EqualRect(&update, &client));
  // A pending update region would no longer match the pixels.
  RECT pending{0, 0, 4, 4};
  InvalidateRect(top, &pending, FALSE);
  ScrollWindowEx(top, 0, -10, nullptr, nullptr, nullptr, &update, 0);
  EXPECT_TRUE(EqualRect(&update, &client));
  Pump();
  // Children that stay where they are.
  MakeChild(top, 1);
  Pump();
  ScrollWindowEx(top, 0, -10, nullptr, nullptr, nullptr, &update, 0);
  EXPECT_TRUE(EqualRect(&update, &client));
  // Further than the area is tall.
  ScrollWindowEx(top, 0, -(client.bottom + 1), nullptr, nullptr, nullptr, &update, SW_SCROLLCHILDREN);
  EXPECT_TRUE(EqualRect(&update, &client));
  EXPECT_EQ(ScrollWindowEx(reinterpret_cast<HWND>(0x7777), 0, 1, nullptr, nullptr, nullptr, &update, 0), 0);
}

}  // namespace
}  // namespace core_test
