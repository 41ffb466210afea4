// The classic 3-D look: edges and the small glyphs of frame controls,
// painted on a canvas in device coordinates and in the system colours.
#pragma once

#include <string_view>
#include <vector>

#include "gdi/canvas.h"

namespace win32::gdi::detail {

void FillDevice(Canvas& canvas, const RECT& rect, COLORREF color);

// DrawEdge on a canvas: answers the rectangle inside the borders drawn.
RECT PaintEdge(Canvas& canvas, const RECT& rect, UINT edge, UINT flags);

// A checkerboard of two colours (checked buttons, indeterminate boxes).
void PaintDither(Canvas& canvas, const RECT& rect, COLORREF first, COLORREF second);

// A small monochrome picture: rows of '#' (painted) and anything else
// (left alone), with its top-left corner at (x, y).
void PaintPixels(Canvas& canvas, const std::vector<std::string_view>& rows, int x, int y, COLORREF color);

// The same, as pixels whose picture is produced by `inside(px, py)`.
template <typename F>
void PaintShape(Canvas& canvas, int x, int y, int width, int height, COLORREF color, F inside) {
  std::vector<RECT> pixels;
  for (int py = 0; py < height; ++py)
    for (int px = 0; px < width; ++px)
      if (inside(px, py)) pixels.push_back(RECT{x + px, y + py, x + px + 1, y + py + 1});
  canvas.FillRects(pixels, color, R2_COPYPEN);
}

// A rectangle moved down and right by `d` pixels.
inline RECT Shifted(const RECT& r, int d) { return RECT{r.left + d, r.top + d, r.right + d, r.bottom + d}; }

// Centres a width x height box in a rectangle.
RECT CenterBox(const RECT& rect, int width, int height);

}  // namespace win32::gdi::detail
