// Shared helpers of the common-control wrapper tests: the fixture, a parent
// window, and bitmaps of solid colours read back pixel by pixel.
#pragma once

#include <afxcmn.h>

#include <cstdint>
#include <initializer_list>

#include "mfc_test.h"

class CmnCtlTest : public halvane::test::MfcTest {
 protected:
  void TearDown() override {
    CImageList::DeleteTempMap();
    MfcTest::TearDown();
  }
};

// A visible top-level window for the controls under test.
inline bool CreateParent(CWnd& wnd, const char* title, int cx = 400, int cy = 300) {
  return halvane::test::CreateTopLevel(wnd, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, cx, cy);
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

// A masked image list of `size` pixel squares, one per colour, where
// `mask` is transparent; FALSE when it could not be made.
inline bool MakeMaskedList(CImageList& images, int size, std::initializer_list<COLORREF> colors,
                           COLORREF mask = RGB(255, 0, 255)) {
  if (!images.Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 2)) return false;
  CBitmap strip;
  MakeStrip(strip, size, size, colors);
  return images.Add(&strip, mask) == 0;
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
  // The client area of `wnd` as it paints itself on white.
  explicit Canvas(CWnd& wnd) : Canvas(ClientSize(wnd).cx, ClientSize(wnd).cy, RGB(255, 255, 255)) {
    wnd.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.m_hDC), PRF_CLIENT);
  }
  ~Canvas() { dc_.SelectObject(old_); }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  CDC* dc() { return &dc_; }
  COLORREF at(int x, int y) const { return dc_.GetPixel(x, y); }

 private:
  static CSize ClientSize(const CWnd& wnd) {
    CRect client;
    wnd.GetClientRect(&client);
    return client.Size();
  }

  CDC dc_;
  CBitmap bitmap_;
  CBitmap* old_ = nullptr;
};
