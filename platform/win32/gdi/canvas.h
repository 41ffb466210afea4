// A cairo context on a DC's target for one drawing call: device
// coordinates, the DC's clip, no antialiasing (the classic pixel look).
#pragma once

#include <functional>
#include <vector>

#include "gdi/dc.h"

namespace win32::gdi::detail {

class Canvas {
 public:
  explicit Canvas(HDC hdc);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool Valid() const { return cr_ != nullptr; }
  DcObject& Dc() { return *dc_; }
  cairo_t* Cr() { return cr_.get(); }
  const Region& Clip() const { return clip_; }

  // Fills a set of device rectangles with a colour, honouring the raster
  // operation (R2_*); rectangles are clipped.
  void FillRects(const std::vector<RECT>& rects, COLORREF color, int rop2);
  // Fills the current cairo path with a brush (R2_COPYPEN only).
  void FillPathWithBrush(const BrushObject& brush);
  // Calls `f(pixel, x, y)` for each pixel of `rect` inside the clip
  // (image targets only); the pixel is 0x00RRGGBB in cairo order.
  void ForEachPixel(const RECT& rect, const std::function<void(uint32_t&, int, int)>& f);

 private:
  DcObject* dc_ = nullptr;
  ContextPtr cr_;
  Region clip_;
};

void SetSourceColor(cairo_t* cr, COLORREF color);
// Fills the current path of `cr` with a brush (pattern origin: brushOrg).
void FillWithBrush(cairo_t* cr, const BrushObject& brush, const DcAttributes& attrs);
// A cairo pixel (0x00RRGGBB) from a COLORREF and back.
uint32_t ToPixel(COLORREF color);
COLORREF FromPixel(uint32_t pixel);

// Before and after GDI touches a bitmap: DIB sections keep their caller
// visible bits in step with the pixels GDI draws on.
void SyncFromDib(BitmapObject& bmp);
void SyncToDib(BitmapObject& bmp);

}  // namespace win32::gdi::detail
