#include "x11/x11_icon.h"

#include <algorithm>
#include <cstdint>

#include "win32/wingdi.h"
#include "win32/winuser.h"

namespace win32::x11 {
namespace {

// The icon drawn over a plain background, as top-down 0x00RRGGBB words.
std::vector<std::uint32_t> DrawnOver(HICON icon, int size, COLORREF background) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) return {};
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, dib);
  RECT all{0, 0, size, size};
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  const bool drawn = DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL) != FALSE;
  GdiFlush();
  std::vector<std::uint32_t> pixels;
  if (drawn) {
    const auto* p = static_cast<const std::uint32_t*>(bits);
    pixels.assign(p, p + static_cast<size_t>(size) * static_cast<size_t>(size));
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
  return pixels;
}

}  // namespace

std::vector<unsigned long> NetWmIconData(HICON icon) {
  const int size = GetSystemMetrics(SM_CXICON);
  // Drawn over black and over white, a pixel's two values tell its
  // coverage and its colour.
  const auto onBlack = DrawnOver(icon, size, RGB(0, 0, 0));
  const auto onWhite = DrawnOver(icon, size, RGB(255, 255, 255));
  if (onBlack.empty() || onWhite.size() != onBlack.size()) return {};
  std::vector<unsigned long> data{static_cast<unsigned long>(size), static_cast<unsigned long>(size)};
  for (size_t i = 0; i < onBlack.size(); ++i) {
    const unsigned black = (onBlack[i] >> 8) & 0xFF, white = (onWhite[i] >> 8) & 0xFF;
    const unsigned alpha = 255 - std::min(255u, white - std::min(white, black));
    data.push_back((static_cast<unsigned long>(alpha) << 24) | (onBlack[i] & 0xFFFFFFUL));
  }
  return data;
}

}  // namespace win32::x11
