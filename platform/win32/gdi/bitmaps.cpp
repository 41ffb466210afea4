// Bitmaps: device-dependent and DIB sections, DIB transfers, bitmap
// resources and PNG output.
#include <cstring>

#include "gdi/canvas.h"
#include "gdi/dib.h"
#include "internal/gdi_system.h"

using namespace win32::gdi::detail;

namespace {

HBITMAP AddBitmap(BitmapObject bmp) { return AddAs<HBITMAP>(std::move(bmp)); }

BitmapObject EmptyBitmap(int width, int height, int bpp) {
  BitmapObject bmp;
  bmp.width = width;
  bmp.height = height;
  bmp.bpp = bpp;
  bmp.surface = NewImage(width, height);
  if (bpp != 1) return bmp;
  ContextPtr cr(cairo_create(bmp.surface.get()));
  cairo_set_source_rgb(cr.get(), 1, 1, 1);
  cairo_paint(cr.get());
  return bmp;
}

// Device-dependent bits: top-down rows padded to 16 bits.
void LoadDdbBits(BitmapObject& bmp, const void* bits) {
  DibFormat f;
  f.width = bmp.width;
  f.height = bmp.height;
  f.topDown = true;
  f.bpp = bmp.bpp == 1 ? 1 : 32;
  f.colors = DefaultColorTable(1);
  const size_t ddbStride = ((static_cast<size_t>(bmp.width) * f.bpp + 15) / 16) * 2;
  std::vector<uint8_t> dib(f.ImageSize());
  for (int y = 0; y < bmp.height; ++y)
    std::memcpy(dib.data() + y * f.Stride(), static_cast<const uint8_t*>(bits) + y * ddbStride, ddbStride);
  DecodeDib(f, dib.data(), bmp.surface.get());
}

bool CheckSize(int width, int height) { return width > 0 && height > 0 && width <= 0x8000 && height <= 0x8000; }

}  // namespace

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
  if (nWidth == 0 || nHeight == 0) return static_cast<HBITMAP>(AddBitmap(EmptyBitmap(1, 1, 1)));
  if (!CheckSize(nWidth, nHeight) || nPlanes != 1) return nullptr;
  const int bpp = nBitCount == 1 ? 1 : 32;
  if (nBitCount != 1 && nBitCount != 32 && nBitCount != 24 && nBitCount != 16 && nBitCount != 8 && nBitCount != 4)
    return nullptr;
  BitmapObject bmp = EmptyBitmap(nWidth, nHeight, bpp);
  if (lpBits && (bpp == 1 || nBitCount == 32)) LoadDdbBits(bmp, lpBits);
  return AddBitmap(std::move(bmp));
}

HBITMAP WINAPI CreateBitmapIndirect(const BITMAP* pbm) {
  return pbm ? CreateBitmap(pbm->bmWidth, pbm->bmHeight, pbm->bmPlanes, pbm->bmBitsPixel, pbm->bmBits) : nullptr;
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  const DcObject* dc = GetDc(hdc);
  if (!dc) return nullptr;
  // A memory DC is as deep as its bitmap: the first one is monochrome.
  const BitmapObject* selected = SelectedBitmap(*dc);
  const int bpp = selected ? selected->bpp : 32;
  if (cx == 0 || cy == 0) return AddBitmap(EmptyBitmap(1, 1, 1));
  if (!CheckSize(cx, cy)) return nullptr;
  return AddBitmap(EmptyBitmap(cx, cy, bpp));
}

HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection,
                                DWORD offset) {
  if (ppvBits) *ppvBits = nullptr;
  std::optional<DibFormat> f = ParseDib(pbmi);
  if (!f || usage != DIB_RGB_COLORS) return nullptr;
  BitmapObject bmp;
  bmp.width = f->width;
  bmp.height = f->height;
  bmp.bpp = f->bpp;
  bmp.colorTable = f->colors;
  bmp.dibBits.assign(f->ImageSize(), 0);
  bmp.bitsShared = f->bpp == 32 && f->topDown && f->compression == BI_RGB;
  if (bmp.bitsShared)
    bmp.surface.reset(cairo_image_surface_create_for_data(bmp.dibBits.data(), CAIRO_FORMAT_RGB24, f->width, f->height,
                                                          static_cast<int>(f->Stride())));
  else
    bmp.surface = NewImage(f->width, f->height);
  bmp.dib = std::move(f);
  HBITMAP h = AddBitmap(std::move(bmp));
  if (ppvBits) *ppvBits = Get<BitmapObject>(h)->dibBits.data();
  return h;
}

HBITMAP WINAPI CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* pbmih, DWORD flInit, const void* pjBits,
                              const BITMAPINFO* pbmi, UINT iUsage) {
  if (!pbmih) return nullptr;
  const int height = pbmih->biHeight < 0 ? -pbmih->biHeight : pbmih->biHeight;
  HBITMAP bmp = CreateBitmap(pbmih->biWidth, height, 1, 32, nullptr);
  if (bmp && (flInit & CBM_INIT) && pjBits && pbmi) SetDIBits(hdc, bmp, 0, height, pjBits, pbmi, iUsage);
  return bmp;
}

int WINAPI SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits, const BITMAPINFO* lpbmi,
                     UINT ColorUse) {
  BitmapObject* bmp = Get<BitmapObject>(hbm);
  std::optional<DibFormat> f = ParseDib(lpbmi);
  if (!bmp || !f || !lpBits || ColorUse != DIB_RGB_COLORS) return 0;
  if (start >= static_cast<UINT>(f->height)) return 0;
  const int lines = static_cast<int>(std::min<UINT>(cLines, f->height - start));
  SyncFromDib(*bmp);
  DibFormat band = *f;
  band.height = lines;
  const auto* bits = static_cast<const uint8_t*>(lpBits);
  // Scan lines count from the bottom of a bottom-up DIB.
  const int top = f->topDown ? static_cast<int>(start) : f->height - static_cast<int>(start) - lines;
  DecodeDib(band, bits, bmp->surface.get(), top);
  if (bmp->colorTable.empty()) bmp->colorTable = f->colors;
  SyncToDib(*bmp);
  return lines;
}

int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi, UINT usage) {
  BitmapObject* bmp = Get<BitmapObject>(hbm);
  if (!bmp || !lpbmi || !GetDc(hdc)) return 0;
  BITMAPINFOHEADER& h = lpbmi->bmiHeader;
  if (h.biBitCount == 0) {
    // Only the size and depth are asked for.
    h.biWidth = bmp->width;
    h.biHeight = bmp->height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bmp->bpp);
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(((bmp->width * bmp->bpp + 31) / 32) * 4 * bmp->height);
    return bmp->height;
  }
  h.biClrUsed = 0;
  if (h.biCompression != BI_BITFIELDS) h.biCompression = BI_RGB;
  std::optional<DibFormat> f = ParseDib(lpbmi);
  if (!f) return 0;
  if (f->bpp <= 8) {
    // A bitmap made from a DIB answers with the DIB's own colours.
    const bool ownTable = !bmp->colorTable.empty() && bmp->colorTable.size() <= (size_t{1} << f->bpp);
    f->colors = ownTable ? bmp->colorTable : DefaultColorTable(f->bpp);
    if (ownTable) h.biClrUsed = static_cast<DWORD>(f->colors.size());
    std::memcpy(lpbmi->bmiColors, f->colors.data(), f->colors.size() * sizeof(RGBQUAD));
  }
  h.biSizeImage = static_cast<DWORD>(f->ImageSize());
  if (!lpvBits) return bmp->height;
  if (start >= static_cast<UINT>(f->height)) return 0;
  const int lines = static_cast<int>(std::min<UINT>(cLines, f->height - start));
  SyncFromDib(*bmp);
  std::vector<uint8_t> all(f->ImageSize());
  EncodeDib(*f, bmp->surface.get(), all.data());
  std::memcpy(lpvBits, all.data() + f->Stride() * start, f->Stride() * lines);
  return lines;
}

namespace {

BitmapObject* DibSectionOf(HDC hdc) {
  const DcObject* dc = GetDc(hdc);
  BitmapObject* bmp = dc ? SelectedBitmap(*dc) : nullptr;
  return bmp && bmp->dib ? bmp : nullptr;
}

}  // namespace

UINT WINAPI GetDIBColorTable(HDC hdc, UINT iStart, UINT cEntries, RGBQUAD* prgbq) {
  const BitmapObject* bmp = DibSectionOf(hdc);
  if (!bmp || !prgbq || iStart >= bmp->colorTable.size()) return 0;
  const UINT n = std::min<UINT>(cEntries, static_cast<UINT>(bmp->colorTable.size()) - iStart);
  std::memcpy(prgbq, bmp->colorTable.data() + iStart, n * sizeof(RGBQUAD));
  return n;
}

UINT WINAPI SetDIBColorTable(HDC hdc, UINT iStart, UINT cEntries, const RGBQUAD* prgbq) {
  BitmapObject* bmp = DibSectionOf(hdc);
  if (!bmp || !prgbq || iStart >= bmp->colorTable.size()) return 0;
  const UINT n = std::min<UINT>(cEntries, static_cast<UINT>(bmp->colorTable.size()) - iStart);
  std::memcpy(bmp->colorTable.data() + iStart, prgbq, n * sizeof(RGBQUAD));
  bmp->dib->colors = bmp->colorTable;
  return n;
}

HBRUSH WINAPI CreatePatternBrush(HBITMAP hbm) {
  BitmapObject* bmp = Get<BitmapObject>(hbm);
  if (!bmp) return nullptr;
  SyncFromDib(*bmp);
  BrushObject brush{LOGBRUSH{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(hbm)}, NewImage(bmp->width, bmp->height)};
  ContextPtr cr(cairo_create(brush.pattern.get()));
  cairo_set_source_surface(cr.get(), bmp->surface.get(), 0, 0);
  cairo_paint(cr.get());
  return AddAs<HBRUSH>(std::move(brush));
}

namespace win32::gdi {

HBITMAP CreateBitmapFromDib(const void* bitsWithHeader, size_t size) {
  const auto* bmi = static_cast<const BITMAPINFO*>(bitsWithHeader);
  std::optional<DibFormat> f = ParseDib(bmi, size);
  if (!f) return nullptr;
  const size_t header = DibHeaderBytes(bmi);
  if (size < header + f->ImageSize()) return nullptr;
  return AddBitmap(BitmapFromDib(*f, static_cast<const uint8_t*>(bitsWithHeader) + header));
}

bool WriteBitmapToPng(HBITMAP bitmap, const char* path) {
  BitmapObject* bmp = Get<BitmapObject>(bitmap);
  if (!bmp || !path) return false;
  SyncFromDib(*bmp);
  return cairo_surface_write_to_png(bmp->surface.get(), path) == CAIRO_STATUS_SUCCESS;
}

}  // namespace win32::gdi
