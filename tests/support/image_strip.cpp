#include "image_strip.h"

#include <commctrl.h>

#include <utility>

namespace halvane::test {
namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);
constexpr COLORREF kFolder = RGB(255, 220, 80);

// A memory DC on a new bitmap of the screen's format.
class Canvas {
 public:
  Canvas(int cx, int cy) : screen_(GetDC(nullptr)), dc_(CreateCompatibleDC(screen_)) {
    bitmap_ = CreateCompatibleBitmap(screen_, cx, cy);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    if (old_ != nullptr) SelectObject(dc_, old_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    DeleteDC(dc_);
    ReleaseDC(nullptr, screen_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  void Fill(RECT rc, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &rc, brush);
    DeleteObject(brush);
  }
  void Frame(RECT rc) { FrameRect(dc_, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); }
  void Dot(int x, int y, COLORREF colour) { SetPixel(dc_, x, y, colour); }
  // The bitmap, no longer selected; the caller owns it.
  HBITMAP Take() {
    SelectObject(dc_, std::exchange(old_, nullptr));
    return std::exchange(bitmap_, nullptr);
  }

 private:
  HDC screen_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

}  // namespace

HBITMAP MakeColourStrip(int cx, int cy, std::initializer_list<COLORREF> colours, COLORREF corner) {
  Canvas canvas(cx * static_cast<int>(colours.size()), cy);
  int x = 0;
  for (COLORREF colour : colours) {
    canvas.Fill({x, 0, x + cx, cy}, colour);
    if (corner != CLR_INVALID) canvas.Dot(x, 0, corner);
    x += cx;
  }
  return canvas.Take();
}

HIMAGELIST MakeFileIcons() {
  Canvas canvas(48, 16);
  canvas.Fill({0, 0, 48, 16}, kMask);
  for (int x : {0, 16}) {
    canvas.Fill({x + 1, 3, x + 7, 5}, kFolder);
    canvas.Fill({x + 1, 5, x + 15, 14}, kFolder);
    canvas.Frame({x + 1, 5, x + 15, 14});
  }
  canvas.Fill({18, 8, 31, 14}, RGB(255, 240, 170));  // the open folder's front
  canvas.Frame({18, 8, 31, 14});
  canvas.Fill({35, 1, 45, 15}, RGB(255, 255, 255));
  canvas.Frame({35, 1, 45, 15});
  for (int y = 4; y < 13; y += 3) canvas.Fill({37, y, 43, y + 1}, RGB(0, 0, 128));
  HBITMAP strip = canvas.Take();
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1);
  ImageList_AddMasked(images, strip, kMask);
  DeleteObject(strip);
  return images;
}

}  // namespace halvane::test
