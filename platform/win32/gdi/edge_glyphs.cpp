#include "gdi/edge_glyphs.h"

#include <algorithm>
#include <cmath>

namespace win32::gdi::detail {

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

void PaintArrow(Canvas& canvas, const RECT& box, Arrow arrow, COLORREF color) {
  // The 12-pixel face of a 16-pixel button carries a 7 x 4 triangle;
  // smaller ones scale down.
  const int size = std::min(Width(box), Height(box));
  const int depth = std::max(1, (size + 4) / 4);
  const int span = 2 * depth - 1;
  const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
  const RECT r = vertical ? CenterBox(box, span, depth) : CenterBox(box, depth, span);
  PaintShape(canvas, r.left, r.top, Width(r), Height(r), color, [&](int x, int y) {
    // Row (or column) i of the triangle, counted from its point, is 2i+1 long.
    const int i = arrow == Arrow::Up     ? y
                  : arrow == Arrow::Down ? depth - 1 - y
                  : arrow == Arrow::Left ? x
                                         : depth - 1 - x;
    const int along = vertical ? x : y;
    return std::abs(along - (depth - 1)) <= i;
  });
}

void PaintCheckMark(Canvas& canvas, const RECT& box, COLORREF color) {
  static const std::vector<std::string_view> kTick = {
      "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
  };
  const RECT r = CenterBox(box, 7, 7);
  PaintPixels(canvas, kTick, r.left, r.top, color);
}

void PaintBullet(Canvas& canvas, const RECT& box, COLORREF color) {
  static const std::vector<std::string_view> kDot = {".##.", "####", "####", ".##."};
  const RECT r = CenterBox(box, 4, 4);
  PaintPixels(canvas, kDot, r.left, r.top, color);
}

namespace {

// Two-pixel strokes for the X of a close box `n` rows high.
void PaintCross(Canvas& canvas, const RECT& box, COLORREF color) {
  const int n = std::max(3, (std::min(Width(box), Height(box)) + 4) / 2);
  const RECT r = CenterBox(box, n + 1, n);
  PaintShape(canvas, r.left, r.top, n + 1, n, color,
             [&](int x, int y) { return x == y || x == y + 1 || x == n - 1 - y || x == n - y; });
}

// A window outline with a thick title edge.
void PaintWindowOutline(Canvas& canvas, const RECT& r, COLORREF color) {
  FillDevice(canvas, RECT{r.left, r.top, r.right, r.top + 2}, color);
  FillDevice(canvas, RECT{r.left, r.top, r.left + 1, r.bottom}, color);
  FillDevice(canvas, RECT{r.right - 1, r.top, r.right, r.bottom}, color);
  FillDevice(canvas, RECT{r.left, r.bottom - 1, r.right, r.bottom}, color);
}

void PaintHelp(Canvas& canvas, const RECT& box, COLORREF color) {
  static const std::vector<std::string_view> kQuestion = {
      ".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..", "..##..",
  };
  const RECT r = CenterBox(box, 6, 9);
  PaintPixels(canvas, kQuestion, r.left, r.top, color);
}

}  // namespace

void PaintCaptionGlyph(Canvas& canvas, const RECT& box, CaptionGlyph glyph, COLORREF color) {
  // A 16 x 14 caption button carries 9 x 9 window symbols.
  const int n = std::max(5, std::min(Width(box), Height(box)) - 1);
  const RECT r = CenterBox(box, n, n);
  switch (glyph) {
    case CaptionGlyph::Close:
      return PaintCross(canvas, box, color);
    case CaptionGlyph::Minimize:
      return FillDevice(canvas, RECT{r.left + 1, r.bottom - 2, r.left + n - 2, r.bottom}, color);
    case CaptionGlyph::Maximize:
      return PaintWindowOutline(canvas, r, color);
    case CaptionGlyph::Restore: {
      const int small = n - 3;
      PaintWindowOutline(canvas, RECT{r.left + 3, r.top, r.right, r.top + small}, color);
      const RECT front{r.left, r.top + 3, r.left + small, r.bottom};
      FillDevice(canvas, RECT{front.left + 1, front.top + 2, front.right - 1, front.bottom - 1},
                 GetSysColor(COLOR_3DFACE));
      return PaintWindowOutline(canvas, front, color);
    }
    case CaptionGlyph::Help:
      return PaintHelp(canvas, box, color);
  }
}

void PaintSizeGrip(Canvas& canvas, const RECT& rect) {
  const int size = std::min(Width(rect), Height(rect));
  const COLORREF hilight = GetSysColor(COLOR_3DHILIGHT);
  const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
  // Diagonals counted from the bottom-right corner: groups of one light
  // and two dark lines, then a gap.
  const int last = std::max(0, size - 3);
  for (COLORREF color : {hilight, shadow}) {
    PaintShape(canvas, rect.right - size, rect.bottom - size, size, size, color, [&](int x, int y) {
      const int k = (size - 1 - x) + (size - 1 - y);
      if (k == 0 || k > last) return false;
      const int phase = k % 4;
      return color == hilight ? phase == 0 : phase == 1 || phase == 2;
    });
  }
}

namespace {

// Which part of the classic radio circle a pixel of an s x s square is:
// 0 outside, 1 outer ring, 2 inner ring, 3 interior, 4 dot.
int RadioPart(int x, int y, int s) {
  const double c = s / 2.0;
  const double r = c;
  const double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
  if (d > r) return 0;
  if (d > r - 1) return 1;
  if (d > r - 2) return 2;
  if (d > r / 3.0) return 3;
  return 4;
}

}  // namespace

void PaintRadio(Canvas& canvas, const RECT& square, const RadioLook& look) {
  const int s = std::min(Width(square), Height(square));
  const RECT r = CenterBox(square, s, s);
  const auto lit = [&](int x, int y) { return x + y < s - 1; };
  const auto part = [&](int part, bool topLeft, COLORREF color) {
    PaintShape(canvas, r.left, r.top, s, s, color, [&](int x, int y) {
      const int p = RadioPart(x, y, s);
      return p == part && (look.mono || lit(x, y) == topLeft);
    });
  };
  if (look.mono) {
    part(1, true, GetSysColor(COLOR_WINDOWFRAME));
    part(2, true, look.interior);
  } else {
    part(1, true, GetSysColor(COLOR_3DSHADOW));
    part(1, false, GetSysColor(COLOR_3DHILIGHT));
    part(2, true, GetSysColor(COLOR_3DDKSHADOW));
    part(2, false, GetSysColor(COLOR_3DLIGHT));
  }
  PaintShape(canvas, r.left, r.top, s, s, look.interior, [&](int x, int y) { return RadioPart(x, y, s) >= 3; });
  if (look.checked)
    PaintShape(canvas, r.left, r.top, s, s, look.dot, [&](int x, int y) { return RadioPart(x, y, s) == 4; });
}

void PaintRadioMask(Canvas& canvas, const RECT& square) {
  const int s = std::min(Width(square), Height(square));
  const RECT r = CenterBox(square, s, s);
  FillDevice(canvas, square, RGB(255, 255, 255));
  PaintShape(canvas, r.left, r.top, s, s, RGB(0, 0, 0), [&](int x, int y) { return RadioPart(x, y, s) != 0; });
}

}  // namespace win32::gdi::detail
