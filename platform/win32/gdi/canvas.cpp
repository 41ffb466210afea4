#include "gdi/canvas.h"

#include <algorithm>

namespace win32::gdi::detail {

uint32_t ToPixel(COLORREF color) {
  return (static_cast<uint32_t>(GetRValue(color)) << 16) | (static_cast<uint32_t>(GetGValue(color)) << 8) |
         GetBValue(color);
}

COLORREF FromPixel(uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

void SetSourceColor(cairo_t* cr, COLORREF color) {
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

Canvas::Canvas(HDC hdc) : dc_(GetDc(hdc)) {
  if (!dc_) return;
  cairo_surface_t* target = TargetOf(*dc_);
  if (!target) return;
  if (BitmapObject* bmp = SelectedBitmap(*dc_)) SyncFromDib(*bmp);
  clip_ = EffectiveClip(*dc_);
  cr_.reset(cairo_create(target));
  cairo_translate(cr_.get(), dc_->surfaceOrigin.x, dc_->surfaceOrigin.y);
  cairo_set_antialias(cr_.get(), CAIRO_ANTIALIAS_NONE);
  for (const RECT& r : clip_.Rects()) cairo_rectangle(cr_.get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
  cairo_clip(cr_.get());
}

Canvas::~Canvas() {
  if (!cr_) return;
  cr_.reset();
  cairo_surface_t* target = TargetOf(*dc_);
  cairo_surface_flush(target);
  if (BitmapObject* bmp = SelectedBitmap(*dc_)) SyncToDib(*bmp);
}

namespace {

uint32_t ApplyRop2(int rop2, uint32_t dst, uint32_t pen) {
  const uint32_t p = pen & 0xFFFFFF, d = dst & 0xFFFFFF, all = 0xFFFFFF;
  switch (rop2) {
    case R2_BLACK:
      return 0;
    case R2_NOTMERGEPEN:
      return ~(p | d) & all;
    case R2_MASKNOTPEN:
      return (~p & d) & all;
    case R2_NOTCOPYPEN:
      return ~p & all;
    case R2_MASKPENNOT:
      return (p & ~d) & all;
    case R2_NOT:
      return ~d & all;
    case R2_XORPEN:
      return p ^ d;
    case R2_NOTMASKPEN:
      return ~(p & d) & all;
    case R2_MASKPEN:
      return p & d;
    case R2_NOTXORPEN:
      return ~(p ^ d) & all;
    case R2_NOP:
      return d;
    case R2_MERGENOTPEN:
      return (~p | d) & all;
    case R2_MERGEPENNOT:
      return (p | ~d) & all;
    case R2_MERGEPEN:
      return p | d;
    case R2_WHITE:
      return all;
    default:
      return p;
  }
}

}  // namespace

void Canvas::FillRects(const std::vector<RECT>& rects, COLORREF color, int rop2) {
  if (!cr_ || rects.empty()) return;
  if (rop2 == R2_COPYPEN || cairo_surface_get_type(TargetOf(*dc_)) != CAIRO_SURFACE_TYPE_IMAGE) {
    for (const RECT& r : rects) cairo_rectangle(cr_.get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
    SetSourceColor(cr_.get(), color);
    cairo_fill(cr_.get());
    return;
  }
  const uint32_t pen = ToPixel(color);
  for (const RECT& r : rects) ForEachPixel(r, [&](uint32_t& px, int, int) { px = ApplyRop2(rop2, px, pen); });
}

void Canvas::ForEachPixel(const RECT& rect, const std::function<void(uint32_t&, int, int)>& f) {
  cairo_surface_t* target = TargetOf(*dc_);
  if (!cr_ || cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return;
  cairo_surface_flush(target);
  unsigned char* data = cairo_image_surface_get_data(target);
  const int stride = cairo_image_surface_get_stride(target);
  const int width = cairo_image_surface_get_width(target);
  const int height = cairo_image_surface_get_height(target);
  const POINT o = dc_->surfaceOrigin;
  for (const RECT& c : clip_.Rects()) {
    const RECT r = IntersectRects(c, rect);
    for (int y = std::max<LONG>(r.top, -o.y); y < std::min<LONG>(r.bottom, height - o.y); ++y) {
      auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y + o.y) * stride);
      for (int x = std::max<LONG>(r.left, -o.x); x < std::min<LONG>(r.right, width - o.x); ++x) f(row[x + o.x], x, y);
    }
  }
  cairo_surface_mark_dirty(target);
}

namespace {

// An 8x8 tile of a hatch brush.
SurfacePtr HatchTile(const BrushObject& brush, const DcAttributes& a) {
  SurfacePtr tile = NewImage(8, 8, true);
  ContextPtr cr(cairo_create(tile.get()));
  if (a.bkMode == OPAQUE) {
    SetSourceColor(cr.get(), a.bkColor);
    cairo_paint(cr.get());
  }
  SetSourceColor(cr.get(), brush.lb.lbColor);
  const auto hatch = brush.lb.lbHatch;
  for (int i = 0; i < 8; ++i) {
    if (hatch == HS_HORIZONTAL || hatch == HS_CROSS) cairo_rectangle(cr.get(), i, 4, 1, 1);
    if (hatch == HS_VERTICAL || hatch == HS_CROSS) cairo_rectangle(cr.get(), 4, i, 1, 1);
    if (hatch == HS_FDIAGONAL || hatch == HS_DIAGCROSS) cairo_rectangle(cr.get(), i, i, 1, 1);
    if (hatch == HS_BDIAGONAL || hatch == HS_DIAGCROSS) cairo_rectangle(cr.get(), 7 - i, i, 1, 1);
  }
  cairo_fill(cr.get());
  return tile;
}

}  // namespace

void Canvas::FillPathWithBrush(const BrushObject& brush) {
  if (cr_) FillWithBrush(cr_.get(), brush, dc_->attrs);
}

void FillWithBrush(cairo_t* cr, const BrushObject& brush, const DcAttributes& attrs) {
  if (brush.lb.lbStyle == BS_NULL) {
    cairo_new_path(cr);
    return;
  }
  if (brush.lb.lbStyle == BS_SOLID) {
    SetSourceColor(cr, brush.lb.lbColor);
    cairo_fill(cr);
    return;
  }
  SurfacePtr tile = brush.lb.lbStyle == BS_HATCHED ? HatchTile(brush, attrs) : ShareSurface(brush.pattern.get());
  if (!tile) {
    cairo_new_path(cr);
    return;
  }
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile.get());
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_matrix_t m;
  cairo_matrix_init_translate(&m, -attrs.brushOrg.x, -attrs.brushOrg.y);
  cairo_pattern_set_matrix(pattern, &m);
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

}  // namespace win32::gdi::detail
