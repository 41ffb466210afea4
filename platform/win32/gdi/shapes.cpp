// Lines, shapes, rectangles and pixels. One-pixel pens are drawn pixel by
// pixel (Bresenham, last point excluded) so lines are exact and raster
// operations apply; wider pens and curves go through cairo.
#include <cmath>

#include "gdi/canvas.h"

using namespace win32::gdi::detail;

namespace {

bool DashOn(UINT style, int step) {
  switch (style & PS_STYLE_MASK) {
    case PS_DASH:
      return step % 24 < 18;
    case PS_DOT:
      return step % 6 < 3;
    case PS_DASHDOT:
      return step % 24 < 9 || (step % 24 >= 15 && step % 24 < 18);
    case PS_DASHDOTDOT:
      return step % 24 < 12 ? step % 24 < 9 : (step % 6 < 3);
    default:
      return true;
  }
}

void LinePixels(POINT a, POINT b, UINT style, std::vector<RECT>& out) {
  const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  int err = dx + dy, x = a.x, y = a.y, step = 0;
  while (x != b.x || y != b.y) {
    if (DashOn(style, step++)) out.push_back(RECT{x, y, x + 1, y + 1});
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

// Strokes a device-space polyline with the DC's pen.
void StrokePolyline(Canvas& canvas, const std::vector<POINT>& pts, bool closed) {
  const LOGPEN pen = PenOf(canvas.Dc());
  if ((pen.lopnStyle & PS_STYLE_MASK) == PS_NULL || pts.size() < 2) return;
  const int width = ScaleWidth(canvas.Dc().attrs, pen.lopnWidth.x);
  if (width <= 1) {
    std::vector<RECT> pixels;
    for (size_t i = 0; i + 1 < pts.size(); ++i) LinePixels(pts[i], pts[i + 1], pen.lopnStyle, pixels);
    if (closed) LinePixels(pts.back(), pts.front(), pen.lopnStyle, pixels);
    canvas.FillRects(pixels, pen.lopnColor, canvas.Dc().attrs.rop2);
    return;
  }
  cairo_t* cr = canvas.Cr();
  cairo_move_to(cr, pts[0].x + 0.5, pts[0].y + 0.5);
  for (size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x + 0.5, pts[i].y + 0.5);
  if (closed) cairo_close_path(cr);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetSourceColor(cr, pen.lopnColor);
  cairo_stroke(cr);
}

std::vector<POINT> ToDevicePoints(const DcAttributes& a, const POINT* pts, size_t n) {
  std::vector<POINT> out;
  for (size_t i = 0; i < n; ++i) out.push_back(ToDevice(a, pts[i].x, pts[i].y));
  return out;
}

void RecordShape(Canvas& canvas, const char* op, const RECT& rect, std::vector<POINT> points = {}) {
  GdiRecord r = MakeRecord(canvas.Dc(), op, rect);
  r.points = std::move(points);
  Record(canvas.Dc(), std::move(r));
}

// A closed shape: its path filled with the brush, then its outline.
template <typename PathBuilder>
BOOL DrawClosedShape(HDC hdc, const char* op, const RECT& logical, PathBuilder&& build) {
  Canvas canvas(hdc);
  if (!canvas.Valid()) return GetDc(hdc) ? TRUE : FALSE;
  const RECT r = ToDevice(canvas.Dc().attrs, logical);
  RecordShape(canvas, op, r);
  const bool nullPen = (PenOf(canvas.Dc()).lopnStyle & PS_STYLE_MASK) == PS_NULL;
  build(canvas.Cr(), r, nullPen);
  canvas.FillPathWithBrush(BrushOf(canvas.Dc()));
  if (nullPen) return TRUE;
  build(canvas.Cr(), r, false);
  const LOGPEN pen = PenOf(canvas.Dc());
  cairo_set_line_width(canvas.Cr(), std::max(1, ScaleWidth(canvas.Dc().attrs, pen.lopnWidth.x)));
  SetSourceColor(canvas.Cr(), pen.lopnColor);
  cairo_stroke(canvas.Cr());
  return TRUE;
}

void EllipsePath(cairo_t* cr, double x, double y, double w, double h) {
  if (w <= 0 || h <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h / 2);
  cairo_scale(cr, w / 2, h / 2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double rx, double ry) {
  rx = std::min(rx, w / 2);
  ry = std::min(ry, h / 2);
  if (rx <= 0 || ry <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  auto corner = [&](double cx, double cy, double a0) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, a0, a0 + M_PI / 2);
    cairo_restore(cr);
  };
  cairo_new_sub_path(cr);
  corner(x + w - rx, y + ry, -M_PI / 2);
  corner(x + w - rx, y + h - ry, 0);
  corner(x + rx, y + h - ry, M_PI / 2);
  corner(x + rx, y + ry, M_PI);
  cairo_close_path(cr);
}

}  // namespace

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->attrs.position;
  dc->attrs.position = POINT{x, y};
  return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
  const DcObject* dc = GetDc(hdc);
  if (!dc || !lppt) return FALSE;
  *lppt = dc->attrs.position;
  return TRUE;
}

BOOL WINAPI PolylineTo(HDC hdc, const POINT* apt, DWORD cpt) {
  DcObject* dc = GetDc(hdc);
  if (!dc || (!apt && cpt)) return FALSE;
  std::vector<POINT> logical{dc->attrs.position};
  logical.insert(logical.end(), apt, apt + cpt);
  if (cpt) dc->attrs.position = apt[cpt - 1];
  Canvas canvas(hdc);
  if (!canvas.Valid()) return TRUE;
  std::vector<POINT> pts = ToDevicePoints(dc->attrs, logical.data(), logical.size());
  RecordShape(canvas, "LineTo", RECT{pts.front().x, pts.front().y, pts.back().x, pts.back().y}, pts);
  StrokePolyline(canvas, pts, false);
  return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  const POINT pt{x, y};
  return PolylineTo(hdc, &pt, 1);
}

BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt) {
  if (!GetDc(hdc) || !apt || cpt < 2) return FALSE;
  Canvas canvas(hdc);
  if (!canvas.Valid()) return TRUE;
  std::vector<POINT> pts = ToDevicePoints(canvas.Dc().attrs, apt, cpt);
  RecordShape(canvas, "Polyline", RECT{}, pts);
  StrokePolyline(canvas, pts, false);
  return TRUE;
}

BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt) {
  if (!GetDc(hdc) || !apt || cpt < 2) return FALSE;
  Canvas canvas(hdc);
  if (!canvas.Valid()) return TRUE;
  std::vector<POINT> pts = ToDevicePoints(canvas.Dc().attrs, apt, cpt);
  RecordShape(canvas, "Polygon", RECT{}, pts);
  cairo_t* cr = canvas.Cr();
  cairo_set_fill_rule(cr,
                      canvas.Dc().attrs.polyFillMode == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  cairo_move_to(cr, pts[0].x + 0.5, pts[0].y + 0.5);
  for (const POINT& p : pts) cairo_line_to(cr, p.x + 0.5, p.y + 0.5);
  cairo_close_path(cr);
  canvas.FillPathWithBrush(BrushOf(canvas.Dc()));
  StrokePolyline(canvas, pts, true);
  return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  Canvas canvas(hdc);
  if (!canvas.Valid()) return GetDc(hdc) ? TRUE : FALSE;
  const RECT r = ToDevice(canvas.Dc().attrs, RECT{left, top, right, bottom});
  RecordShape(canvas, "Rectangle", r);
  const LOGPEN pen = PenOf(canvas.Dc());
  const bool nullPen = (pen.lopnStyle & PS_STYLE_MASK) == PS_NULL;
  // Without a pen the interior is one pixel smaller on the right and bottom.
  const int inset = nullPen ? 0 : std::max(1, ScaleWidth(canvas.Dc().attrs, pen.lopnWidth.x));
  const RECT inner{r.left + inset, r.top + inset, r.right - (nullPen ? 1 : inset), r.bottom - (nullPen ? 1 : inset)};
  if (!IsEmptyRect(inner)) {
    cairo_rectangle(canvas.Cr(), inner.left, inner.top, inner.right - inner.left, inner.bottom - inner.top);
    canvas.FillPathWithBrush(BrushOf(canvas.Dc()));
  }
  if (nullPen || r.right - r.left < 1 || r.bottom - r.top < 1) return TRUE;
  std::vector<RECT> frame;
  for (int i = 0; i < inset; ++i) {
    const RECT f{r.left + i, r.top + i, r.right - i, r.bottom - i};
    if (IsEmptyRect(f)) break;
    frame.push_back(RECT{f.left, f.top, f.right, f.top + 1});
    frame.push_back(RECT{f.left, f.bottom - 1, f.right, f.bottom});
    frame.push_back(RECT{f.left, f.top + 1, f.left + 1, f.bottom - 1});
    frame.push_back(RECT{f.right - 1, f.top + 1, f.right, f.bottom - 1});
  }
  canvas.FillRects(frame, pen.lopnColor, canvas.Dc().attrs.rop2);
  return TRUE;
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  return DrawClosedShape(hdc, "Ellipse", RECT{left, top, right, bottom}, [](cairo_t* cr, const RECT& r, bool) {
    EllipsePath(cr, r.left + 0.5, r.top + 0.5, r.right - r.left - 1, r.bottom - r.top - 1);
  });
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
  return DrawClosedShape(hdc, "RoundRect", RECT{left, top, right, bottom}, [&](cairo_t* cr, const RECT& r, bool) {
    RoundRectPath(cr, r.left + 0.5, r.top + 0.5, r.right - r.left - 1, r.bottom - r.top - 1, width / 2.0, height / 2.0);
  });
}

namespace {

int FillRectsWithBrush(HDC hdc, const char* op, const std::vector<RECT>& logical, HBRUSH hbr) {
  const BrushObject* brush = BrushFromHandle(hbr);
  if (!brush) return FALSE;
  const BrushObject copy{brush->lb, ShareSurface(brush->pattern.get())};
  Canvas canvas(hdc);
  if (!canvas.Valid()) return GetDc(hdc) ? TRUE : FALSE;
  for (const RECT& l : logical) {
    const RECT r = ToDevice(canvas.Dc().attrs, l);
    GdiRecord rec = MakeRecord(canvas.Dc(), op, r);
    rec.brushColor = copy.lb.lbColor;
    Record(canvas.Dc(), std::move(rec));
    if (!IsEmptyRect(r)) cairo_rectangle(canvas.Cr(), r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  canvas.FillPathWithBrush(copy);
  return TRUE;
}

}  // namespace

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  if (!lprc) return FALSE;
  return FillRectsWithBrush(hDC, "FillRect", {*lprc}, hbr);
}

int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  if (!lprc) return FALSE;
  const RECT& r = *lprc;
  if (r.right <= r.left || r.bottom <= r.top) return GetDc(hDC) ? TRUE : FALSE;
  return FillRectsWithBrush(
      hDC, "FrameRect",
      {RECT{r.left, r.top, r.right, r.top + 1}, RECT{r.left, r.bottom - 1, r.right, r.bottom},
       RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}},
      hbr);
}

BOOL WINAPI InvertRect(HDC hDC, const RECT* lprc) {
  if (!lprc) return FALSE;
  Canvas canvas(hDC);
  if (!canvas.Valid()) return GetDc(hDC) ? TRUE : FALSE;
  const RECT r = ToDevice(canvas.Dc().attrs, *lprc);
  RecordShape(canvas, "InvertRect", r);
  canvas.FillRects({r}, 0, R2_NOT);
  return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
  if (!lprc) return FALSE;
  Canvas canvas(hDC);
  if (!canvas.Valid()) return GetDc(hDC) ? TRUE : FALSE;
  const RECT r = ToDevice(canvas.Dc().attrs, *lprc);
  RecordShape(canvas, "DrawFocusRect", r);
  // Every other pixel of the outline, inverted: drawing twice erases it.
  std::vector<RECT> dots;
  auto dot = [&](LONG x, LONG y) {
    if (((x - r.left) + (y - r.top)) % 2 == 0) dots.push_back(RECT{x, y, x + 1, y + 1});
  };
  for (LONG x = r.left; x < r.right; ++x) {
    dot(x, r.top);
    if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
  }
  for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
    dot(r.left, y);
    if (r.right - 1 > r.left) dot(r.right - 1, y);
  }
  canvas.FillRects(dots, 0, R2_NOT);
  return TRUE;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  Canvas canvas(hdc);
  if (!canvas.Valid()) return CLR_INVALID;
  const POINT p = ToDevice(canvas.Dc().attrs, x, y);
  COLORREF result = CLR_INVALID;
  canvas.ForEachPixel(RECT{p.x, p.y, p.x + 1, p.y + 1}, [&](uint32_t& px, int, int) { result = FromPixel(px); });
  return result;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  Canvas canvas(hdc);
  if (!canvas.Valid()) return static_cast<COLORREF>(-1);
  const POINT p = ToDevice(canvas.Dc().attrs, x, y);
  if (!canvas.Clip().Contains(p.x, p.y)) return static_cast<COLORREF>(-1);
  canvas.FillRects({RECT{p.x, p.y, p.x + 1, p.y + 1}}, color, R2_COPYPEN);
  return color & 0xFFFFFF;
}

BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color) {
  return SetPixel(hdc, x, y, color) != static_cast<COLORREF>(-1);
}

BOOL WINAPI GradientFill(HDC hdc, PTRIVERTEX pVertex, ULONG nVertex, LPVOID pMesh, ULONG nMesh, ULONG ulMode) {
  if (!pVertex || !pMesh || (ulMode != GRADIENT_FILL_RECT_H && ulMode != GRADIENT_FILL_RECT_V)) return FALSE;
  Canvas canvas(hdc);
  if (!canvas.Valid()) return FALSE;
  const auto* rects = static_cast<const GRADIENT_RECT*>(pMesh);
  for (ULONG i = 0; i < nMesh; ++i) {
    if (rects[i].UpperLeft >= nVertex || rects[i].LowerRight >= nVertex) return FALSE;
    const TRIVERTEX& a = pVertex[rects[i].UpperLeft];
    const TRIVERTEX& b = pVertex[rects[i].LowerRight];
    const RECT r = ToDevice(canvas.Dc().attrs, RECT{a.x, a.y, b.x, b.y});
    const bool horizontal = ulMode == GRADIENT_FILL_RECT_H;
    cairo_pattern_t* p = horizontal ? cairo_pattern_create_linear(r.left, 0, r.right, 0)
                                    : cairo_pattern_create_linear(0, r.top, 0, r.bottom);
    cairo_pattern_add_color_stop_rgb(p, 0, a.Red / 65280.0, a.Green / 65280.0, a.Blue / 65280.0);
    cairo_pattern_add_color_stop_rgb(p, 1, b.Red / 65280.0, b.Green / 65280.0, b.Blue / 65280.0);
    cairo_rectangle(canvas.Cr(), r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_set_source(canvas.Cr(), p);
    cairo_fill(canvas.Cr());
    cairo_pattern_destroy(p);
    RecordShape(canvas, "GradientFill", r);
  }
  return TRUE;
}
