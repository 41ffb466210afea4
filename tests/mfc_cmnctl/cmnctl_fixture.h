// Shared helpers of the common-control wrapper tests: the fixture, a parent
// window, and bitmaps of solid colours read back pixel by pixel.
#pragma once

#include <afxcmn.h>

#include <cstdint>
#include <initializer_list>

#include "robot_test.h"

class CmnCtlTest : public halvane::test::RobotTest {
 protected:
  void SetUp() override {
    RobotTest::SetUp();
    AfxSetResourceHandle(nullptr);
  }
  void TearDown() override {
    CWnd::DeleteTempMap();
    CImageList::DeleteTempMap();
    RobotTest::TearDown();
  }
};

// A popup made through CWnd::CreateEx with the class library's default class.
inline bool CreateParent(CWnd& wnd, const char* title, int cx = 400, int cy = 300) {
  return wnd.CreateEx(0, nullptr, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, cx, cy, nullptr, nullptr) != FALSE;
}

// A strip of `cx` by `cy` squares, one per colour, side by side.
inline void MakeStrip(CBitmap& bitmap, int cx, int cy, std::initializer_list<COLORREF> colors) {
  CDC screen;
  screen.CreateCompatibleDC(nullptr);
  bitmap.CreateBitmap(cx * static_cast<int>(colors.size()), cy, 1, 32, nullptr);
  CBitmap* old = screen.SelectObject(&bitmap);
  int x = 0;
  for (COLORREF color : colors) {
    screen.FillSolidRect(x, 0, cx, cy, color);
    x += cx;
  }
  screen.SelectObject(old);
}

// A memory surface filled with one colour, to draw on and read back.
class Canvas {
 public:
  Canvas(int cx, int cy, COLORREF fill) {
    dc_.CreateCompatibleDC(nullptr);
    bitmap_.CreateBitmap(cx, cy, 1, 32, nullptr);
    old_ = dc_.SelectObject(&bitmap_);
    dc_.FillSolidRect(0, 0, cx, cy, fill);
  }
  ~Canvas() { dc_.SelectObject(old_); }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  CDC* dc() { return &dc_; }
  COLORREF at(int x, int y) const { return dc_.GetPixel(x, y); }

 private:
  CDC dc_;
  CBitmap bitmap_;
  CBitmap* old_ = nullptr;
};
