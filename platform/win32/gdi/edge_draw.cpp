// DrawEdge and the painting helpers of the 3-D look.
#include "gdi/edge_draw.h"

#include <algorithm>

#include "gdi/dc.h"

namespace win32::gdi::detail {

void FillDevice(Canvas& canvas, const RECT& rect, COLORREF color) {
  if (!IsEmptyRect(rect)) canvas.FillRects({rect}, color, R2_COPYPEN);
}

RECT CenterBox(const RECT& rect, int width, int height) {
  const int left = rect.left + (rect.right - rect.left - width) / 2;
  const int top = rect.top + (rect.bottom - rect.top - height) / 2;
  return RECT{left, top, left + width, top + height};
}

void PaintDither(Canvas& canvas, const RECT& rect, COLORREF first, COLORREF second) {
  FillDevice(canvas, rect, second);
  PaintShape(canvas, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, first,
             [&](int x, int y) { return ((rect.left + x) + (rect.top + y)) % 2 == 0; });
}

void PaintPixels(Canvas& canvas, const std::vector<std::string_view>& rows, int x, int y, COLORREF color) {
  const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  PaintShape(canvas, x, y, width, static_cast<int>(rows.size()), color,
             [&](int px, int py) { return px < static_cast<int>(rows[py].size()) && rows[py][px] == '#'; });
}

namespace {

struct RingColors {
  COLORREF topLeft;
  COLORREF bottomRight;
};

// The colours of the outer and inner ring of an edge. Raised edges are lit
// from the top left; soft edges put the brightest colour outermost.
RingColors OuterColors(UINT edge, UINT flags) {
  if (flags & BF_MONO) return {GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)};
  if (flags & BF_FLAT) return {GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DSHADOW)};
  if (edge & BDR_RAISEDOUTER)
    return {GetSysColor((flags & BF_SOFT) ? COLOR_3DHILIGHT : COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)};
  return {GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT)};
}

RingColors InnerColors(UINT edge, UINT flags) {
  if (flags & BF_MONO) return {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)};
  if (flags & BF_FLAT) return {GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_3DFACE)};
  if (edge & BDR_RAISEDINNER)
    return {GetSysColor((flags & BF_SOFT) ? COLOR_3DLIGHT : COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW)};
  return {GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
}

// One pixel wide ring on the sides in `flags`; the bottom and right sides
// own the corners they share with the top and left. Answers the rect
// inside it.
RECT PaintRing(Canvas& canvas, const RECT& r, RingColors colors, UINT flags) {
  if (flags & BF_TOP) FillDevice(canvas, RECT{r.left, r.top, r.right, r.top + 1}, colors.topLeft);
  if (flags & BF_LEFT) FillDevice(canvas, RECT{r.left, r.top, r.left + 1, r.bottom}, colors.topLeft);
  if (flags & BF_BOTTOM) FillDevice(canvas, RECT{r.left, r.bottom - 1, r.right, r.bottom}, colors.bottomRight);
  if (flags & BF_RIGHT) FillDevice(canvas, RECT{r.right - 1, r.top, r.right, r.bottom}, colors.bottomRight);
  RECT inner = r;
  if (flags & BF_TOP) ++inner.top;
  if (flags & BF_LEFT) ++inner.left;
  if (flags & BF_BOTTOM) --inner.bottom;
  if (flags & BF_RIGHT) --inner.right;
  return inner;
}

}  // namespace

RECT PaintEdge(Canvas& canvas, const RECT& rect, UINT edge, UINT flags) {
  RECT r = rect;
  if (edge & BDR_OUTER) r = PaintRing(canvas, r, OuterColors(edge, flags), flags);
  if (edge & BDR_INNER) r = PaintRing(canvas, r, InnerColors(edge, flags), flags);
  if (flags & BF_MIDDLE) FillDevice(canvas, r, GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE));
  return r;
}

}  // namespace win32::gdi::detail

using namespace win32::gdi::detail;

BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
  DcObject* dc = GetDc(hdc);
  if (!dc || !qrc) return FALSE;
  const RECT device = ToDevice(dc->attrs, *qrc);
  GdiRecord rec = MakeRecord(*dc, "DrawEdge", device);
  rec.flags = (edge << 16) | (grfFlags & 0xFFFF);
  Record(*dc, std::move(rec));
  {
    Canvas canvas(hdc);
    // Diagonal edges are not part of the classic controls drawn here.
    if (canvas.Valid() && !(grfFlags & BF_DIAGONAL)) PaintEdge(canvas, device, edge, grfFlags);
  }
  if (grfFlags & BF_ADJUST) {
    // Each ring is one pixel on each side it is drawn on.
    const int width = ((edge & BDR_OUTER) ? 1 : 0) + ((edge & BDR_INNER) ? 1 : 0);
    if (grfFlags & BF_LEFT) qrc->left += width;
    if (grfFlags & BF_TOP) qrc->top += width;
    if (grfFlags & BF_RIGHT) qrc->right -= width;
    if (grfFlags & BF_BOTTOM) qrc->bottom -= width;
  }
  return TRUE;
}
