// A memory DC on a 32-bit bitmap for tests that look at pixels.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "win32/wingdi.h"

namespace gdi_text_test {

class PixelDc {
 public:
  PixelDc(int width, int height, COLORREF background = RGB(255, 255, 255)) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateBitmap(width, height, 1, 32, nullptr);
    old_ = SelectObject(dc_, bitmap_);
    Clear(background);
  }
  ~PixelDc() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  PixelDc(const PixelDc&) = delete;
  PixelDc& operator=(const PixelDc&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }

  void Clear(COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

  // How many pixels of `rect` have the colour.
  int Count(COLORREF color, RECT rect) const {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x)
        if (At(x, y) == color) ++n;
    return n;
  }
  int Count(COLORREF color) const { return Count(color, RECT{0, 0, width_, height_}); }

  // The bounding box of the pixels that differ from `background`.
  RECT Ink(COLORREF background = RGB(255, 255, 255)) const {
    RECT box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (At(x, y) != background) {
          box.left = std::min<LONG>(box.left, x);
          box.top = std::min<LONG>(box.top, y);
          box.right = std::max<LONG>(box.right, x + 1);
          box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    return box;
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// A logical font selected into a DC for the life of the object.
class ScopedFont {
 public:
  ScopedFont(HDC dc, int height, const char* face, int weight = FW_NORMAL) : dc_(dc) {
    font_ = CreateFont(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
    old_ = SelectObject(dc, font_);
  }
  ~ScopedFont() {
    SelectObject(dc_, old_);
    DeleteObject(font_);
  }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;
  HFONT font() const { return font_; }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_;
};

inline SIZE Extent(HDC dc, const char* text) {
  SIZE size{};
  GetTextExtentPoint32(dc, text, static_cast<int>(std::strlen(text)), &size);
  return size;
}

inline TEXTMETRIC Metrics(HDC dc) {
  TEXTMETRIC tm{};
  GetTextMetrics(dc, &tm);
  return tm;
}

// Every test starts from the first-use GDI state; the reset runs before
// the fixtures' members make their DCs.
class GdiTest : public ::testing::Test {
 protected:
  GdiTest() { win32::gdi::ResetGdi(); }
};

}  // namespace gdi_text_test
