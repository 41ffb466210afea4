#include "gdi/dib.h"

#include <cstring>
#include <map>

#include "gdi/canvas.h"

namespace win32::gdi::detail {

namespace {

uint32_t QuadPixel(const RGBQUAD& q) { return (uint32_t{q.rgbRed} << 16) | (uint32_t{q.rgbGreen} << 8) | q.rgbBlue; }

int MaskShift(DWORD mask) {
  int shift = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

BYTE FromMask(DWORD value, DWORD mask) {
  if (!mask) return 0;
  const DWORD v = (value & mask) >> MaskShift(mask);
  const DWORD max = mask >> MaskShift(mask);
  return static_cast<BYTE>(v * 255 / max);
}

DWORD ToMask(BYTE value, DWORD mask) {
  if (!mask) return 0;
  const DWORD max = mask >> MaskShift(mask);
  return ((value * max + 127) / 255) << MaskShift(mask);
}

std::array<DWORD, 3> Masks(const DibFormat& f) {
  if (f.compression == BI_BITFIELDS) return f.masks;
  if (f.bpp == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0xFF0000, 0x00FF00, 0x0000FF};
}

uint32_t DecodePixel(const DibFormat& f, const uint8_t* row, int x, const std::array<DWORD, 3>& m) {
  auto fromQuad = [&](unsigned index) -> uint32_t { return index < f.colors.size() ? QuadPixel(f.colors[index]) : 0; };
  switch (f.bpp) {
    case 1:
      return fromQuad((row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
      return fromQuad((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8:
      return fromQuad(row[x]);
    case 16: {
      const DWORD v = row[2 * x] | (row[2 * x + 1] << 8);
      return (uint32_t{FromMask(v, m[0])} << 16) | (uint32_t{FromMask(v, m[1])} << 8) | FromMask(v, m[2]);
    }
    case 24:
      return (uint32_t{row[3 * x + 2]} << 16) | (uint32_t{row[3 * x + 1]} << 8) | row[3 * x];
    default: {
      uint32_t v;
      std::memcpy(&v, row + 4 * x, 4);
      if (f.compression != BI_BITFIELDS) return v;  // the reserved byte is kept (alpha)
      return (uint32_t{FromMask(v, m[0])} << 16) | (uint32_t{FromMask(v, m[1])} << 8) | FromMask(v, m[2]);
    }
  }
}

class NearestIndex {
 public:
  explicit NearestIndex(const std::vector<RGBQUAD>& colors) : colors_(colors) {}
  unsigned operator()(uint32_t px) {
    px &= 0xFFFFFF;
    auto it = cache_.find(px);
    if (it != cache_.end()) return it->second;
    unsigned best = 0;
    long bestDistance = -1;
    for (unsigned i = 0; i < colors_.size(); ++i) {
      const long dr = static_cast<long>((px >> 16) & 0xFF) - colors_[i].rgbRed;
      const long dg = static_cast<long>((px >> 8) & 0xFF) - colors_[i].rgbGreen;
      const long db = static_cast<long>(px & 0xFF) - colors_[i].rgbBlue;
      const long d = dr * dr + dg * dg + db * db;
      if (bestDistance < 0 || d < bestDistance) {
        bestDistance = d;
        best = i;
      }
    }
    cache_.emplace(px, best);
    return best;
  }

 private:
  const std::vector<RGBQUAD>& colors_;
  std::map<uint32_t, unsigned> cache_;
};

void EncodePixel(const DibFormat& f, uint8_t* row, int x, uint32_t px, const std::array<DWORD, 3>& m,
                 NearestIndex& nearest) {
  const BYTE r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
  switch (f.bpp) {
    case 1: {
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
      row[x / 8] = static_cast<uint8_t>(nearest(px) ? row[x / 8] | bit : row[x / 8] & ~bit);
      break;
    }
    case 4: {
      const unsigned shift = x % 2 ? 0 : 4;
      row[x / 2] = static_cast<uint8_t>((row[x / 2] & ~(0xF << shift)) | (nearest(px) << shift));
      break;
    }
    case 8:
      row[x] = static_cast<uint8_t>(nearest(px));
      break;
    case 16: {
      const DWORD v = ToMask(r, m[0]) | ToMask(g, m[1]) | ToMask(b, m[2]);
      row[2 * x] = v & 0xFF;
      row[2 * x + 1] = (v >> 8) & 0xFF;
      break;
    }
    case 24:
      row[3 * x] = b;
      row[3 * x + 1] = g;
      row[3 * x + 2] = r;
      break;
    default: {
      const uint32_t v = f.compression == BI_BITFIELDS ? (ToMask(r, m[0]) | ToMask(g, m[1]) | ToMask(b, m[2])) : px;
      std::memcpy(row + 4 * x, &v, 4);
    }
  }
}

}  // namespace

// Resource data need not be aligned: the header is read by copying it.
BITMAPINFOHEADER ReadDibHeader(const BITMAPINFO* bmi) {
  BITMAPINFOHEADER h;
  std::memcpy(&h, bmi, sizeof h);
  return h;
}

size_t DibHeaderBytes(const BITMAPINFO* bmi) {
  const BITMAPINFOHEADER h = ReadDibHeader(bmi);
  size_t bytes = h.biSize;
  if (h.biCompression == BI_BITFIELDS && h.biSize == sizeof(BITMAPINFOHEADER)) bytes += 12;
  size_t colors = h.biClrUsed;
  if (colors == 0 && h.biBitCount <= 8) colors = size_t{1} << h.biBitCount;
  return bytes + colors * sizeof(RGBQUAD);
}

std::optional<DibFormat> ParseDib(const BITMAPINFO* bmi, size_t available) {
  if (!bmi || available < sizeof(BITMAPINFOHEADER)) return std::nullopt;
  const BITMAPINFOHEADER h = ReadDibHeader(bmi);
  const int bpp = h.biBitCount;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0) return std::nullopt;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;
  if (h.biCompression != BI_RGB && !(h.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32))) return std::nullopt;
  if (h.biWidth > 0x8000 || h.biHeight > 0x8000 || h.biHeight < -0x8000) return std::nullopt;
  if (DibHeaderBytes(bmi) > available) return std::nullopt;
  DibFormat f;
  f.width = h.biWidth;
  f.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  f.topDown = h.biHeight < 0;
  f.bpp = bpp;
  f.compression = h.biCompression;
  const auto* base = reinterpret_cast<const uint8_t*>(bmi);
  size_t offset = h.biSize;
  if (h.biCompression == BI_BITFIELDS) {
    std::memcpy(f.masks.data(), base + (h.biSize == sizeof(BITMAPINFOHEADER) ? offset : 40), 12);
    if (h.biSize == sizeof(BITMAPINFOHEADER)) offset += 12;
  }
  size_t colors = h.biClrUsed;
  if (colors == 0 && bpp <= 8) colors = size_t{1} << bpp;
  f.colors.resize(colors);
  if (colors) std::memcpy(f.colors.data(), base + offset, colors * sizeof(RGBQUAD));
  return f;
}

void DecodeDib(const DibFormat& f, const uint8_t* bits, cairo_surface_t* surface, int top) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int rows = std::min(f.height, cairo_image_surface_get_height(surface) - top);
  const int cols = std::min(f.width, cairo_image_surface_get_width(surface));
  const auto masks = Masks(f);
  for (int y = 0; y < rows; ++y) {
    const uint8_t* src = bits + f.Stride() * (f.topDown ? y : f.height - 1 - y);
    auto* dst = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y + top) * stride);
    for (int x = 0; x < cols; ++x) dst[x] = DecodePixel(f, src, x, masks);
  }
  cairo_surface_mark_dirty(surface);
}

void EncodeDib(const DibFormat& f, cairo_surface_t* surface, uint8_t* bits, int top) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int rows = std::min(f.height, cairo_image_surface_get_height(surface) - top);
  const int cols = std::min(f.width, cairo_image_surface_get_width(surface));
  const auto masks = Masks(f);
  NearestIndex nearest(f.colors);
  for (int y = 0; y < rows; ++y) {
    uint8_t* dst = bits + f.Stride() * (f.topDown ? y : f.height - 1 - y);
    const auto* src = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y + top) * stride);
    for (int x = 0; x < cols; ++x) EncodePixel(f, dst, x, src[x], masks, nearest);
  }
}

std::vector<RGBQUAD> DefaultColorTable(int bpp) {
  std::vector<RGBQUAD> table;
  auto add = [&](BYTE r, BYTE g, BYTE b) { table.push_back(RGBQUAD{b, g, r, 0}); };
  if (bpp == 1) {
    add(0, 0, 0);
    add(255, 255, 255);
  } else if (bpp == 4) {
    static constexpr BYTE kVga[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                         {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                         {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                         {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const auto& c : kVga) add(c[0], c[1], c[2]);
  } else if (bpp == 8) {
    // A 6x6x6 cube followed by grays.
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b)
          add(static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(b * 51));
    for (int i = 0; table.size() < 256; ++i)
      add(static_cast<BYTE>(i * 6), static_cast<BYTE>(i * 6), static_cast<BYTE>(i * 6));
  }
  return table;
}

BitmapObject BitmapFromDib(const DibFormat& f, const uint8_t* bits) {
  BitmapObject bmp;
  bmp.width = f.width;
  bmp.height = f.height;
  // Only a black-and-white DIB becomes a monochrome bitmap.
  const bool blackWhite =
      f.bpp == 1 && f.colors.size() == 2 && QuadPixel(f.colors[0]) == 0 && QuadPixel(f.colors[1]) == 0xFFFFFF;
  bmp.bpp = blackWhite ? 1 : 32;
  bmp.surface = NewImage(f.width, f.height);
  bmp.colorTable = f.colors;
  if (bits) DecodeDib(f, bits, bmp.surface.get());
  return bmp;
}

void SyncFromDib(BitmapObject& bmp) {
  if (bmp.dib && !bmp.bitsShared) DecodeDib(*bmp.dib, bmp.dibBits.data(), bmp.surface.get());
}

void SyncToDib(BitmapObject& bmp) {
  if (bmp.dib && !bmp.bitsShared) {
    EncodeDib(*bmp.dib, bmp.surface.get(), bmp.dibBits.data());
    return;
  }
  if (bmp.bpp != 1) return;
  // Monochrome bitmaps hold black and white only: what was drawn in colour
  // becomes the nearer of the two.
  cairo_surface_t* s = bmp.surface.get();
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < bmp.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < bmp.width; ++x) {
      const uint32_t p = row[x];
      const unsigned luma = (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
      row[x] = luma >= 128 ? 0xFFFFFF : 0;
    }
  }
  cairo_surface_mark_dirty(s);
}

}  // namespace win32::gdi::detail
