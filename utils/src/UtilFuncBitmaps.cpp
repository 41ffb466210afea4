// Palette-aware bitmap loading: the splash shows its picture through a
// palette made from the bitmap's own colours on 8-bit screens.
#include <cstddef>
#include <cstring>
#include <vector>

#include "UtilFunc.h"

namespace {

// Entries of the colour table that follows the header, 0 for none.
int ColorTableSize(const BITMAPINFOHEADER& header) {
  if (header.biClrUsed != 0) return static_cast<int>(header.biClrUsed);
  return header.biBitCount <= 8 ? 1 << header.biBitCount : 0;
}

// Bytes of the pixel rows: rows are padded to four bytes.
size_t PixelBytes(const BITMAPINFOHEADER& header) {
  size_t stride = ((static_cast<size_t>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
  long height = header.biHeight < 0 ? -static_cast<long>(header.biHeight) : header.biHeight;
  return stride * static_cast<size_t>(height);
}

bool IsPlainDib(const BITMAPINFOHEADER& header) {
  return header.biSize >= sizeof(BITMAPINFOHEADER) && header.biWidth > 0 && header.biHeight != 0 &&
         header.biClrUsed <= 256 && header.biPlanes == 1 && header.biCompression == BI_RGB &&
         (header.biBitCount == 1 || header.biBitCount == 4 || header.biBitCount == 8 || header.biBitCount == 16 ||
          header.biBitCount == 24 || header.biBitCount == 32);
}

HINSTANCE ModuleOf(HWND wnd) {
  HINSTANCE module =
      wnd && IsWindow(wnd) ? reinterpret_cast<HINSTANCE>(GetWindowLongPtr(wnd, GWLP_HINSTANCE)) : nullptr;
  return module ? module : GetModuleHandle(nullptr);
}

}  // namespace

const BITMAPINFO* CUtilFunc::GetBitmapInfoFromResource(HINSTANCE module, LPCTSTR name) {
  if (!name) return nullptr;
  HRSRC found = FindResource(module, name, RT_BITMAP);
  if (!found) return nullptr;
  DWORD size = SizeofResource(module, found);
  const void* data = LockResource(LoadResource(module, found));
  if (!data || size < sizeof(BITMAPINFOHEADER)) return nullptr;
  auto* info = static_cast<const BITMAPINFO*>(data);
  const BITMAPINFOHEADER& header = info->bmiHeader;
  if (!IsPlainDib(header)) return nullptr;
  size_t needed = header.biSize + ColorTableSize(header) * sizeof(RGBQUAD) + PixelBytes(header);
  return needed <= size ? info : nullptr;
}

HBITMAP CUtilFunc::GetDIBBitmapFromResource(HWND wnd, LPCTSTR name) {
  return LoadBitmapWithPalette(ModuleOf(wnd), name, nullptr);
}

HPALETTE CUtilFunc::CreateDIBPalette(const BITMAPINFO* bmi, int* colorCount) {
  if (colorCount) *colorCount = 0;
  if (!bmi) return nullptr;
  int count = ColorTableSize(bmi->bmiHeader);
  if (count <= 0 || count > 256) return nullptr;
  const auto* colors = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(bmi) + bmi->bmiHeader.biSize);
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(count);
  // The entries run past the one the declaration shows.
  auto* entries = reinterpret_cast<PALETTEENTRY*>(storage.data() + offsetof(LOGPALETTE, palPalEntry));
  for (int i = 0; i < count; ++i) {
    entries[i] = {colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
  }
  HPALETTE result = CreatePalette(palette);
  if (result && colorCount) *colorCount = count;
  return result;
}

HBITMAP CUtilFunc::LoadBitmapWithPalette(HINSTANCE module, LPCTSTR name, HPALETTE* palette) {
  if (palette) *palette = nullptr;
  const BITMAPINFO* info = GetBitmapInfoFromResource(module, name);
  if (!info) return nullptr;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  const BYTE* source =
      reinterpret_cast<const BYTE*>(info) + info->bmiHeader.biSize + ColorTableSize(info->bmiHeader) * sizeof(RGBQUAD);
  std::memcpy(bits, source, PixelBytes(info->bmiHeader));
  if (palette) *palette = CreateDIBPalette(info, nullptr);
  return bitmap;
}
