// The built-in STD_* button images, drawn by code: cut, copy, paste, undo,
// redo, delete, new, open, save, print preview, properties, help, find,
// replace and print.
#include <array>
#include <functional>

#include "controls/toolbar.h"

namespace win32::controls {
namespace {

constexpr int kCount = STD_PRINT + 1;

// Draws the 16 by 15 design of an image at an offset in the strip (large
// images show it centred in their bigger cell).
class Painter {
 public:
  Painter(HDC dc, int left, int top) : dc_(dc), left_(left), top_(top) {}

  void box(int l, int t, int r, int b, COLORREF fill, COLORREF edge = RGB(0, 0, 0)) const {
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, edge);
    HGDIOBJ oldBrush = SelectObject(dc_, brush);
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    Rectangle(dc_, x(l), y(t), x(r), y(b));
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
  }
  void line(int x1, int y1, int x2, int y2, COLORREF color, int width = 1) const {
    HPEN pen = CreatePen(PS_SOLID, width, color);
    HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, x(x1), y(y1), nullptr);
    LineTo(dc_, x(x2), y(y2));
    SelectObject(dc_, old);
    DeleteObject(pen);
  }
  void ring(int l, int t, int r, int b, COLORREF color) const {
    HPEN pen = CreatePen(PS_SOLID, 2, color);
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    Ellipse(dc_, x(l), y(t), x(r), y(b));
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    DeleteObject(pen);
  }
  void page(int l, int t, int r, int b) const {
    box(l, t, r, b, RGB(255, 255, 255));
    for (int row = t + 3; row < b - 2; row += 2) line(l + 2, row, r - 2, row, RGB(128, 128, 128));
  }

 private:
  int x(int v) const { return left_ + v; }
  int y(int v) const { return top_ + v; }
  HDC dc_;
  int left_;
  int top_;
};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kRed = RGB(192, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kOlive = RGB(128, 128, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);

using Glyph = std::function<void(const Painter&)>;

const std::array<Glyph, kCount>& Glyphs() {
  static const std::array<Glyph, kCount> glyphs = {
      [](const Painter& p) {  // cut
        p.line(5, 1, 9, 9, kBlack);
        p.line(10, 1, 6, 9, kBlack);
        p.ring(2, 9, 7, 14, kNavy);
        p.ring(8, 9, 13, 14, kNavy);
      },
      [](const Painter& p) {  // copy
        p.page(1, 1, 9, 11);
        p.page(6, 4, 14, 14);
      },
      [](const Painter& p) {  // paste
        p.box(1, 2, 11, 14, kOlive);
        p.box(4, 1, 8, 4, kGrey);
        p.page(6, 6, 15, 15);
      },
      [](const Painter& p) {  // undo
        p.line(4, 6, 10, 6, kNavy, 2);
        p.line(10, 6, 12, 10, kNavy, 2);
        p.line(4, 6, 7, 3, kNavy, 2);
        p.line(4, 6, 7, 9, kNavy, 2);
      },
      [](const Painter& p) {  // redo
        p.line(5, 6, 11, 6, kNavy, 2);
        p.line(5, 6, 3, 10, kNavy, 2);
        p.line(11, 6, 8, 3, kNavy, 2);
        p.line(11, 6, 8, 9, kNavy, 2);
      },
      [](const Painter& p) {  // delete
        p.line(3, 3, 12, 12, kRed, 2);
        p.line(12, 3, 3, 12, kRed, 2);
      },
      [](const Painter& p) { p.page(3, 1, 13, 14); },  // new
      [](const Painter& p) {                           // open
        p.box(1, 4, 13, 13, kYellow, kOlive);
        p.box(1, 3, 6, 5, kYellow, kOlive);
      },
      [](const Painter& p) {  // save
        p.box(2, 1, 14, 14, kNavy);
        p.box(4, 2, 12, 7, RGB(255, 255, 255));
        p.box(5, 9, 11, 14, kGrey);
      },
      [](const Painter& p) {  // print preview
        p.page(2, 1, 11, 14);
        p.ring(7, 6, 13, 12, kNavy);
        p.line(12, 11, 14, 14, kBlack, 2);
      },
      [](const Painter& p) {  // properties
        p.page(2, 1, 13, 14);
        p.box(4, 3, 7, 6, kNavy);
      },
      [](const Painter& p) {  // help
        p.ring(4, 1, 11, 8, kNavy);
        p.line(8, 8, 8, 10, kNavy, 2);
        p.box(7, 12, 10, 14, kNavy);
      },
      [](const Painter& p) {  // find
        p.ring(2, 2, 10, 10, kNavy);
        p.line(9, 9, 13, 13, kBlack, 2);
      },
      [](const Painter& p) {  // replace
        p.ring(1, 1, 8, 8, kNavy);
        p.line(7, 7, 9, 9, kBlack, 2);
        p.page(9, 6, 15, 14);
      },
      [](const Painter& p) {  // print
        p.page(4, 1, 12, 7);
        p.box(1, 6, 15, 12, kGrey);
        p.box(4, 10, 12, 14, RGB(255, 255, 255));
      },
  };
  return glyphs;
}

}  // namespace

HBITMAP CreateStandardButtonImages(bool large) {
  SIZE cell = large ? SIZE{24, 24} : SIZE{16, 15};
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, cell.cx * kCount, cell.cy);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  {
    SelectGuard select(dc, bitmap);
    RECT all{0, 0, cell.cx * kCount, cell.cy};
    HBRUSH grey = CreateSolidBrush(RGB(192, 192, 192));
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    for (int i = 0; i < kCount; ++i) {
      Glyphs()[static_cast<size_t>(i)](Painter(dc, i * cell.cx + (cell.cx - 16) / 2, (cell.cy - 15) / 2));
    }
  }
  DeleteDC(dc);
  return bitmap;
}

}  // namespace win32::controls
