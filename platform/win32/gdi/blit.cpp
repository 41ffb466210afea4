// Block transfers with raster operations. The source is sampled to the
// destination size first (nearest pixel), then combined pixel by pixel
// with the destination and the brush by the ternary raster code.
#include <cstring>

#include "gdi/canvas.h"
#include "gdi/dib.h"

using namespace win32::gdi::detail;

namespace {

constexpr unsigned RopCode(DWORD rop) { return (rop >> 16) & 0xFF; }
constexpr bool UsesSource(DWORD rop) { return ((RopCode(rop) >> 2) ^ RopCode(rop)) & 0x33; }
constexpr bool UsesPattern(DWORD rop) { return ((RopCode(rop) >> 4) ^ RopCode(rop)) & 0x0F; }

uint32_t Rop3(DWORD rop, uint32_t p, uint32_t s, uint32_t d) {
  const unsigned code = RopCode(rop);
  uint32_t r = 0;
  for (unsigned i = 0; i < 8; ++i)
    if ((code >> i) & 1) r |= (i & 4 ? p : ~p) & (i & 2 ? s : ~s) & (i & 1 ? d : ~d);
  return r & 0xFFFFFF;
}

// Pixels of width x height, 0x00RRGGBB (the top byte carries DIB alpha).
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

bool IsMono(const DcObject& dc) {
  const BitmapObject* bmp = SelectedBitmap(dc);
  return bmp && bmp->bpp == 1;
}

// The source rectangle sampled to the destination size, with the classic
// depth conversions: monochrome sources take the destination's text and
// background colours; colour to monochrome makes the source background white.
Image SampleSource(DcObject& src, RECT s, int dw, int dh, const DcObject& dst) {
  Image img{dw, dh, std::vector<uint32_t>(static_cast<size_t>(dw) * dh, 0)};
  if (BitmapObject* bmp = SelectedBitmap(src)) SyncFromDib(*bmp);
  cairo_surface_t* surface = TargetOf(src);
  if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return img;
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int sw = cairo_image_surface_get_width(surface), sh = cairo_image_surface_get_height(surface);
  const bool monoToColor = IsMono(src) && !IsMono(dst);
  const bool colorToMono = !IsMono(src) && IsMono(dst);
  const uint32_t srcBk = ToPixel(src.attrs.bkColor);
  const int srcW = s.right - s.left, srcH = s.bottom - s.top;
  for (int y = 0; y < dh; ++y) {
    const int sy = s.top + static_cast<int>(static_cast<long long>(y) * srcH / dh) + src.surfaceOrigin.y;
    if (sy < 0 || sy >= sh) continue;
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(sy) * stride);
    for (int x = 0; x < dw; ++x) {
      const int sx = s.left + static_cast<int>(static_cast<long long>(x) * srcW / dw) + src.surfaceOrigin.x;
      if (sx < 0 || sx >= sw) continue;
      uint32_t px = row[sx];
      if (monoToColor) px = (px & 0xFFFFFF) ? ToPixel(dst.attrs.bkColor) : ToPixel(dst.attrs.textColor);
      if (colorToMono) px = (px & 0xFFFFFF) == srcBk ? 0xFFFFFF : 0;
      img.pixels[static_cast<size_t>(y) * dw + x] = px;
    }
  }
  return img;
}

Image PatternImage(const DcObject& dc, const RECT& d) {
  const int w = d.right - d.left, h = d.bottom - d.top;
  SurfacePtr s = NewImage(w, h);
  ContextPtr cr(cairo_create(s.get()));
  cairo_translate(cr.get(), -d.left, -d.top);
  cairo_rectangle(cr.get(), d.left, d.top, w, h);
  FillWithBrush(cr.get(), BrushOf(dc), dc.attrs);
  cairo_surface_flush(s.get());
  Image img{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
  const unsigned char* data = cairo_image_surface_get_data(s.get());
  for (int y = 0; y < h; ++y)
    std::memcpy(&img.pixels[static_cast<size_t>(y) * w],
                data + static_cast<size_t>(y) * cairo_image_surface_get_stride(s.get()), static_cast<size_t>(w) * 4);
  return img;
}

// Writes `src` at the destination rectangle through cairo (any target).
void PaintImage(Canvas& canvas, const Image& src, const RECT& d) {
  SurfacePtr s = NewImage(src.width, src.height);
  cairo_surface_flush(s.get());
  unsigned char* data = cairo_image_surface_get_data(s.get());
  for (int y = 0; y < src.height; ++y)
    std::memcpy(data + static_cast<size_t>(y) * cairo_image_surface_get_stride(s.get()),
                &src.pixels[static_cast<size_t>(y) * src.width], static_cast<size_t>(src.width) * 4);
  cairo_surface_mark_dirty(s.get());
  cairo_set_source_surface(canvas.Cr(), s.get(), d.left, d.top);
  cairo_rectangle(canvas.Cr(), d.left, d.top, src.width, src.height);
  cairo_fill(canvas.Cr());
}

BOOL Transfer(HDC hdcDest, const RECT& logicalDest, HDC hdcSrc, const RECT& logicalSrc, DWORD rop) {
  Canvas canvas(hdcDest);
  if (!canvas.Valid()) return FALSE;
  DcObject& dst = canvas.Dc();
  const RECT d = ToDevice(dst.attrs, logicalDest);
  if (IsEmptyRect(d)) return TRUE;
  GdiRecord rec = MakeRecord(dst, "BitBlt", d);
  rec.flags = rop;
  Record(dst, std::move(rec));
  const int dw = d.right - d.left, dh = d.bottom - d.top;
  Image source;
  if (UsesSource(rop)) {
    DcObject* src = GetDc(hdcSrc);
    if (!src) return FALSE;
    const RECT s = ToDevice(src->attrs, logicalSrc);
    source = SampleSource(*src, s, dw, dh, dst);
  }
  if (rop == SRCCOPY) {
    PaintImage(canvas, source, d);
    return TRUE;
  }
  const BrushObject& brush = BrushOf(dst);
  if (rop == PATCOPY && brush.lb.lbStyle == BS_SOLID) {
    canvas.FillRects({d}, brush.lb.lbColor, R2_COPYPEN);
    return TRUE;
  }
  const Image pattern = UsesPattern(rop) ? PatternImage(dst, d) : Image{};
  canvas.ForEachPixel(d, [&](uint32_t& px, int x, int y) {
    const int i = x - d.left, j = y - d.top;
    const uint32_t p = pattern.pixels.empty() ? 0 : pattern.At(i, j);
    const uint32_t s = source.pixels.empty() ? 0 : source.At(i, j);
    px = Rop3(rop, p, s, px);
  });
  return TRUE;
}

}  // namespace

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  if (UsesSource(rop)) return FALSE;
  return Transfer(hdc, RECT{x, y, x + w, y + h}, nullptr, RECT{}, rop);
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  return Transfer(hdc, RECT{x, y, x + cx, y + cy}, hdcSrc, RECT{x1, y1, x1 + cx, y1 + cy}, rop);
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop) {
  if (UsesSource(rop) && (wSrc == 0 || hSrc == 0)) return FALSE;
  return Transfer(hdcDest, RECT{xDest, yDest, xDest + wDest, yDest + hDest}, hdcSrc,
                  RECT{xSrc, ySrc, xSrc + wSrc, ySrc + hSrc}, rop);
}

BOOL WINAPI TransparentBlt(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc,
                           int xoriginSrc, int yoriginSrc, int wSrc, int hSrc, UINT crTransparent) {
  Canvas canvas(hdcDest);
  DcObject* src = GetDc(hdcSrc);
  if (!canvas.Valid() || !src || wDest <= 0 || hDest <= 0 || wSrc <= 0 || hSrc <= 0) return FALSE;
  const RECT d = ToDevice(canvas.Dc().attrs, RECT{xoriginDest, yoriginDest, xoriginDest + wDest, yoriginDest + hDest});
  const RECT s = ToDevice(src->attrs, RECT{xoriginSrc, yoriginSrc, xoriginSrc + wSrc, yoriginSrc + hSrc});
  Record(canvas.Dc(), MakeRecord(canvas.Dc(), "TransparentBlt", d));
  const Image img = SampleSource(*src, s, d.right - d.left, d.bottom - d.top, canvas.Dc());
  const uint32_t key = ToPixel(crTransparent);
  canvas.ForEachPixel(d, [&](uint32_t& px, int x, int y) {
    const uint32_t v = img.At(x - d.left, y - d.top) & 0xFFFFFF;
    if (v != key) px = v;
  });
  return TRUE;
}

BOOL WINAPI AlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc, int xoriginSrc,
                       int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn) {
  Canvas canvas(hdcDest);
  DcObject* src = GetDc(hdcSrc);
  if (!canvas.Valid() || !src || ftn.BlendOp != AC_SRC_OVER || wDest <= 0 || hDest <= 0 || wSrc <= 0 || hSrc <= 0)
    return FALSE;
  const RECT d = ToDevice(canvas.Dc().attrs, RECT{xoriginDest, yoriginDest, xoriginDest + wDest, yoriginDest + hDest});
  const RECT s = ToDevice(src->attrs, RECT{xoriginSrc, yoriginSrc, xoriginSrc + wSrc, yoriginSrc + hSrc});
  Record(canvas.Dc(), MakeRecord(canvas.Dc(), "AlphaBlend", d));
  const Image img = SampleSource(*src, s, d.right - d.left, d.bottom - d.top, canvas.Dc());
  const unsigned constant = ftn.SourceConstantAlpha;
  const bool perPixel = ftn.AlphaFormat & AC_SRC_ALPHA;
  canvas.ForEachPixel(d, [&](uint32_t& px, int x, int y) {
    const uint32_t v = img.At(x - d.left, y - d.top);
    // Premultiplied source, as the API defines it.
    const unsigned sa = perPixel ? ((v >> 24) * constant + 127) / 255 : constant;
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const unsigned sc = (v >> shift) & 0xFF, dc = (px >> shift) & 0xFF;
      const unsigned scaled = perPixel ? (sc * constant + 127) / 255 : (sc * constant + 127) / 255;
      out |= std::min(255u, scaled + (dc * (255 - sa) + 127) / 255) << shift;
    }
    px = out;
  });
  return TRUE;
}

namespace {

// A DIB as a temporary bitmap in a temporary memory DC.
struct DibSource {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  DibSource(const DibFormat& f, const void* bits) {
    bitmap = AddAs<HBITMAP>(BitmapFromDib(f, static_cast<const uint8_t*>(bits)));
    dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
  }
  ~DibSource() {
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  DibSource(const DibSource&) = delete;
  DibSource& operator=(const DibSource&) = delete;
};

}  // namespace

int WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc, int SrcWidth,
                         int SrcHeight, const void* lpBits, const BITMAPINFO* lpbmi, UINT iUsage, DWORD rop) {
  std::optional<DibFormat> f = ParseDib(lpbmi);
  if (!f || !lpBits || !GetDc(hdc) || iUsage != DIB_RGB_COLORS) return 0;
  DibSource source(*f, lpBits);
  // Source rows of a bottom-up DIB count from its bottom.
  const int top = f->topDown ? ySrc : f->height - ySrc - SrcHeight;
  if (!StretchBlt(hdc, xDest, yDest, DestWidth, DestHeight, source.dc, xSrc, top, SrcWidth, SrcHeight, rop)) return 0;
  return SrcHeight;
}

int WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT StartScan,
                             UINT cLines, const void* lpvBits, const BITMAPINFO* lpbmi, UINT ColorUse) {
  std::optional<DibFormat> f = ParseDib(lpbmi);
  if (!f || !lpvBits || !GetDc(hdc) || ColorUse != DIB_RGB_COLORS || StartScan != 0) return 0;
  f->height = static_cast<int>(std::min<UINT>(cLines, f->height));
  DibSource source(*f, lpvBits);
  const int height = static_cast<int>(h);
  const int top = f->topDown ? ySrc : f->height - ySrc - height;
  if (!BitBlt(hdc, xDest, yDest, static_cast<int>(w), height, source.dc, xSrc, top, SRCCOPY)) return 0;
  return f->height;
}
