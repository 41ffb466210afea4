// Icons and cursors: an image with alpha made from the classic colour and
// mask bitmaps or from an icon resource image.
#include "gdi/icons.h"

#include <cstring>

#include "gdi/canvas.h"
#include "gdi/dib.h"

namespace win32::gdi::detail {

HICON AddIcon(SurfacePtr image, bool isIcon, POINT hotspot, bool shared) {
  if (!image || cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  IconObject icon;
  icon.isIcon = isIcon;
  icon.hotspot = hotspot;
  icon.width = cairo_image_surface_get_width(image.get());
  icon.height = cairo_image_surface_get_height(image.get());
  icon.image = std::move(image);
  icon.shared = shared;
  return AddAs<HICON>(std::move(icon));
}

}  // namespace win32::gdi::detail

using namespace win32::gdi::detail;

namespace {

uint32_t* Row(cairo_surface_t* s, int y) {
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) +
                                     static_cast<size_t>(y) * cairo_image_surface_get_stride(s));
}

// Combines colour pixels (the top byte may hold alpha) and an AND mask
// (white = transparent) into premultiplied ARGB.
SurfacePtr Compose(cairo_surface_t* color, cairo_surface_t* mask, int width, int height, bool colorHasAlpha) {
  SurfacePtr out = NewImage(width, height, true);
  cairo_surface_flush(color);
  if (mask) cairo_surface_flush(mask);
  bool anyAlpha = false;
  for (int y = 0; colorHasAlpha && y < height; ++y)
    for (int x = 0; x < width; ++x) anyAlpha |= (Row(color, y)[x] >> 24) != 0;
  for (int y = 0; y < height; ++y) {
    const uint32_t* c = Row(color, y);
    const uint32_t* m = mask ? Row(mask, y) : nullptr;
    uint32_t* o = Row(out.get(), y);
    for (int x = 0; x < width; ++x) {
      unsigned a = anyAlpha ? (c[x] >> 24) : ((m && (m[x] & 0xFFFFFF)) ? 0 : 255);
      uint32_t px = a << 24;
      for (int shift = 0; shift <= 16; shift += 8) px |= ((((c[x] >> shift) & 0xFF) * a + 127) / 255) << shift;
      o[x] = px;
    }
  }
  cairo_surface_mark_dirty(out.get());
  return out;
}

SurfacePtr FromPng(const uint8_t* bits, size_t size) {
  struct Reader {
    const uint8_t* data;
    size_t left;
  } reader{bits, size};
  auto read = [](void* closure, unsigned char* buffer, unsigned int length) {
    auto* r = static_cast<Reader*>(closure);
    if (length > r->left) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(buffer, r->data, length);
    r->data += length;
    r->left -= length;
    return CAIRO_STATUS_SUCCESS;
  };
  SurfacePtr s(cairo_image_surface_create_from_png_stream(read, &reader));
  return cairo_surface_status(s.get()) == CAIRO_STATUS_SUCCESS ? std::move(s) : nullptr;
}

// The resource image of an icon: header, colour table, XOR bits, AND bits;
// the header's height counts both masks.
SurfacePtr FromIconImage(const uint8_t* bits, size_t size) {
  if (size >= 8 && std::memcmp(bits, "\x89PNG", 4) == 0) return FromPng(bits, size);
  const auto* bmi = reinterpret_cast<const BITMAPINFO*>(bits);
  std::optional<DibFormat> xorFormat = ParseDib(bmi, size);
  if (!xorFormat || xorFormat->topDown) return nullptr;
  xorFormat->height /= 2;
  if (xorFormat->height <= 0) return nullptr;
  DibFormat andFormat;
  andFormat.width = xorFormat->width;
  andFormat.height = xorFormat->height;
  andFormat.bpp = 1;
  andFormat.colors = DefaultColorTable(1);
  const size_t header = DibHeaderBytes(bmi);
  const size_t xorBytes = xorFormat->ImageSize();
  const bool hasMask = size >= header + xorBytes + andFormat.ImageSize();
  if (size < header + xorBytes) return nullptr;
  SurfacePtr color = NewImage(xorFormat->width, xorFormat->height);
  DecodeDib(*xorFormat, bits + header, color.get());
  SurfacePtr mask;
  if (hasMask) {
    mask = NewImage(andFormat.width, andFormat.height);
    DecodeDib(andFormat, bits + header + xorBytes, mask.get());
  }
  return Compose(color.get(), mask.get(), xorFormat->width, xorFormat->height, xorFormat->bpp == 32);
}

SurfacePtr Scaled(cairo_surface_t* image, int width, int height) {
  const int w = cairo_image_surface_get_width(image), h = cairo_image_surface_get_height(image);
  if (width <= 0 || height <= 0 || (width == w && height == h)) return ShareSurface(image);
  SurfacePtr out = NewImage(width, height, true);
  ContextPtr cr(cairo_create(out.get()));
  cairo_scale(cr.get(), static_cast<double>(width) / w, static_cast<double>(height) / h);
  cairo_set_source_surface(cr.get(), image, 0, 0);
  cairo_paint(cr.get());
  return out;
}

HBITMAP BitmapFromSurface(cairo_surface_t* s, int bpp) {
  BitmapObject bmp;
  bmp.width = cairo_image_surface_get_width(s);
  bmp.height = cairo_image_surface_get_height(s);
  bmp.bpp = bpp;
  bmp.surface = NewImage(bmp.width, bmp.height);
  ContextPtr cr(cairo_create(bmp.surface.get()));
  cairo_set_source_surface(cr.get(), s, 0, 0);
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr.get());
  return AddAs<HBITMAP>(std::move(bmp));
}

}  // namespace

HICON WINAPI CreateIconIndirect(PICONINFO piconinfo) {
  if (!piconinfo) return nullptr;
  BitmapObject* mask = Get<BitmapObject>(piconinfo->hbmMask);
  BitmapObject* color = Get<BitmapObject>(piconinfo->hbmColor);
  if (!mask) return nullptr;
  SyncFromDib(*mask);
  const POINT hotspot{static_cast<LONG>(piconinfo->xHotspot), static_cast<LONG>(piconinfo->yHotspot)};
  if (!color) {
    // A monochrome icon: the AND mask above the XOR mask.
    const int h = mask->height / 2;
    SurfacePtr xorPart = NewImage(mask->width, h);
    ContextPtr cr(cairo_create(xorPart.get()));
    cairo_set_source_surface(cr.get(), mask->surface.get(), 0, -h);
    cairo_paint(cr.get());
    cr.reset();
    return AddIcon(Compose(xorPart.get(), mask->surface.get(), mask->width, h, false), piconinfo->fIcon != 0, hotspot,
                   false);
  }
  SyncFromDib(*color);
  return AddIcon(
      Compose(color->surface.get(), mask->surface.get(), color->width, color->height, color->bpp == 32 && color->dib),
      piconinfo->fIcon != 0, hotspot, false);
}

HICON WINAPI CreateIconFromResourceEx(LPBYTE presbits, DWORD dwResSize, BOOL fIcon, DWORD dwVer, int cxDesired,
                                      int cyDesired, UINT Flags) {
  if (!presbits) return nullptr;
  POINT hotspot{};
  size_t skip = 0;
  if (!fIcon) {
    if (dwResSize < 4) return nullptr;
    hotspot = POINT{presbits[0] | (presbits[1] << 8), presbits[2] | (presbits[3] << 8)};
    skip = 4;
  }
  SurfacePtr image = FromIconImage(presbits + skip, dwResSize - skip);
  if (!image) return nullptr;
  if (Flags & LR_DEFAULTSIZE) {
    if (cxDesired == 0) cxDesired = 32;
    if (cyDesired == 0) cyDesired = 32;
  }
  return AddIcon(Scaled(image.get(), cxDesired, cyDesired), fIcon != 0, hotspot, false);
}

HICON WINAPI CreateIconFromResource(LPBYTE presbits, DWORD dwResSize, BOOL fIcon, DWORD dwVer) {
  return CreateIconFromResourceEx(presbits, dwResSize, fIcon, dwVer, 0, 0, LR_DEFAULTSIZE);
}

BOOL WINAPI DestroyIcon(HICON hIcon) {
  const IconObject* icon = Get<IconObject>(hIcon);
  if (!icon) return FALSE;
  if (!icon->shared) State().table.Remove(hIcon);
  return TRUE;
}

BOOL WINAPI DestroyCursor(HCURSOR hCursor) { return DestroyIcon(hCursor); }

HICON WINAPI CopyIcon(HICON hIcon) {
  const IconObject* icon = Get<IconObject>(hIcon);
  if (!icon) return nullptr;
  return AddIcon(Scaled(icon->image.get(), 0, 0), icon->isIcon, icon->hotspot, false);
}

BOOL WINAPI GetIconInfo(HICON hIcon, PICONINFO piconinfo) {
  const IconObject* icon = Get<IconObject>(hIcon);
  if (!icon || !piconinfo) return FALSE;
  piconinfo->fIcon = icon->isIcon;
  piconinfo->xHotspot = icon->isIcon ? icon->width / 2 : icon->hotspot.x;
  piconinfo->yHotspot = icon->isIcon ? icon->height / 2 : icon->hotspot.y;
  cairo_surface_t* img = icon->image.get();
  cairo_surface_flush(img);
  SurfacePtr color = NewImage(icon->width, icon->height);
  SurfacePtr mask = NewImage(icon->width, icon->height);
  for (int y = 0; y < icon->height; ++y) {
    const uint32_t* s = Row(img, y);
    uint32_t* c = Row(color.get(), y);
    uint32_t* m = Row(mask.get(), y);
    for (int x = 0; x < icon->width; ++x) {
      const unsigned a = s[x] >> 24;
      uint32_t px = 0;
      for (int shift = 0; a && shift <= 16; shift += 8)
        px |= std::min(255u, ((s[x] >> shift) & 0xFF) * 255 / a) << shift;
      c[x] = px;
      m[x] = a ? 0 : 0xFFFFFF;
    }
  }
  cairo_surface_mark_dirty(color.get());
  cairo_surface_mark_dirty(mask.get());
  piconinfo->hbmColor = BitmapFromSurface(color.get(), 32);
  piconinfo->hbmMask = BitmapFromSurface(mask.get(), 1);
  return TRUE;
}

BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT istepIfAniCur,
                       HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
  const IconObject* icon = Get<IconObject>(hIcon);
  if (!icon || !GetDc(hdc)) return FALSE;
  const int w = cxWidth ? cxWidth : ((diFlags & DI_DEFAULTSIZE) ? 32 : icon->width);
  const int h = cyWidth ? cyWidth : ((diFlags & DI_DEFAULTSIZE) ? 32 : icon->height);
  if (hbrFlickerFreeDraw) {
    const RECT r{xLeft, yTop, xLeft + w, yTop + h};
    FillRect(hdc, &r, hbrFlickerFreeDraw);
  }
  Canvas canvas(hdc);
  if (!canvas.Valid()) return TRUE;
  const RECT d = ToDevice(canvas.Dc().attrs, RECT{xLeft, yTop, xLeft + w, yTop + h});
  Record(canvas.Dc(), MakeRecord(canvas.Dc(), "DrawIcon", d));
  SurfacePtr scaled = Scaled(icon->image.get(), d.right - d.left, d.bottom - d.top);
  cairo_t* cr = canvas.Cr();
  if ((diFlags & DI_NORMAL) == DI_MASK) {
    // The mask alone: black where the icon is opaque.
    cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_mask_surface(cr, scaled.get(), d.left, d.top);
    return TRUE;
  }
  cairo_set_source_surface(cr, scaled.get(), d.left, d.top);
  if ((diFlags & DI_NORMAL) == DI_IMAGE) cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top);
  cairo_fill(cr);
  return TRUE;
}

BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
  return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}
