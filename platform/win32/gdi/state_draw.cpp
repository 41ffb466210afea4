// DrawState and GrayString: text, icons and bitmaps in the disabled
// (embossed) look: a highlight copy one pixel down-right, then the shadow.
#include <cstring>
#include <string>

#include "gdi/dc.h"

using namespace win32::gdi::detail;

namespace {

// Draws text with DrawText in one colour at (x, y) and answers its size.
SIZE DrawTextIn(HDC hdc, const std::string& text, int x, int y, int cx, int cy, UINT prefix, COLORREF color) {
  const COLORREF oldColor = SetTextColor(hdc, color);
  const int oldMode = SetBkMode(hdc, TRANSPARENT);
  RECT r{x, y, x + cx, y + cy};
  DrawText(hdc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP | prefix);
  SetBkMode(hdc, oldMode);
  SetTextColor(hdc, oldColor);
  return SIZE{cx, cy};
}

SIZE TextSize(HDC hdc, const std::string& text, UINT prefix) {
  RECT r{0, 0, 0, 0};
  DrawText(hdc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT | prefix);
  return SIZE{r.right, r.bottom};
}

void DrawEmbossed(HDC hdc, const std::string& text, int x, int y, int cx, int cy, UINT prefix) {
  DrawTextIn(hdc, text, x + 1, y + 1, cx, cy, prefix, GetSysColor(COLOR_3DHILIGHT));
  DrawTextIn(hdc, text, x, y, cx, cy, prefix, GetSysColor(COLOR_3DSHADOW));
}

UINT PrefixFlags(UINT type, UINT flags) {
  if (type == DST_TEXT) return DT_NOPREFIX;
  return (flags & DSS_HIDEPREFIX) ? DT_HIDEPREFIX : 0;
}

// Copies a bitmap or its embossed outline (dark pixels) to the DC.
void DrawBitmapState(HDC hdc, HBITMAP bitmap, int x, int y, int cx, int cy, bool disabled) {
  HDC mem = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(mem, bitmap);
  if (!disabled) {
    BitBlt(hdc, x, y, cx, cy, mem, 0, 0, SRCCOPY);
  } else {
    for (int pass = 0; pass < 2; ++pass) {
      const COLORREF color = GetSysColor(pass == 0 ? COLOR_3DHILIGHT : COLOR_3DSHADOW);
      const int offset = pass == 0 ? 1 : 0;
      for (int py = 0; py < cy; ++py)
        for (int px = 0; px < cx; ++px) {
          const COLORREF c = GetPixel(mem, px, py);
          if (c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 192)
            SetPixelV(hdc, x + px + offset, y + py + offset, color);
        }
    }
  }
  SelectObject(mem, old);
  DeleteDC(mem);
}

}  // namespace

BOOL WINAPI DrawState(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData, int x, int y,
                      int cx, int cy, UINT uFlags) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return FALSE;
  const UINT type = uFlags & 0x000F;
  const bool disabled = uFlags & DSS_DISABLED;
  switch (type) {
    case DST_TEXT:
    case DST_PREFIXTEXT: {
      const char* s = reinterpret_cast<const char*>(lData);
      if (!s) return FALSE;
      const std::string text = wData ? std::string(s, wData) : std::string(s);
      const UINT prefix = PrefixFlags(type, uFlags);
      const SIZE size = TextSize(hdc, text, prefix);
      if (cx == 0) cx = size.cx;
      if (cy == 0) cy = size.cy;
      if (disabled)
        DrawEmbossed(hdc, text, x, y, cx, cy, prefix);
      else
        DrawTextIn(hdc, text, x, y, cx, cy, prefix, GetTextColor(hdc));
      return TRUE;
    }
    case DST_ICON:
      return DrawIconEx(hdc, x, y, reinterpret_cast<HICON>(lData), cx, cy, 0, nullptr, DI_NORMAL);
    case DST_BITMAP: {
      BITMAP bm{};
      const auto bitmap = reinterpret_cast<HBITMAP>(lData);
      if (!GetObject(bitmap, sizeof(bm), &bm)) return FALSE;
      DrawBitmapState(hdc, bitmap, x, y, cx ? cx : bm.bmWidth, cy ? cy : bm.bmHeight, disabled);
      return TRUE;
    }
    case DST_COMPLEX:
      return qfnCallBack ? qfnCallBack(hdc, lData, wData, cx, cy) : FALSE;
    default:
      return FALSE;
  }
}

BOOL WINAPI GrayString(HDC hDC, HBRUSH hBrush, GRAYSTRINGPROC lpOutputFunc, LPARAM lpData, int nCount, int X, int Y,
                       int nWidth, int nHeight) {
  if (!GetDc(hDC)) return FALSE;
  if (lpOutputFunc) return lpOutputFunc(hDC, lpData, nCount);
  const char* s = reinterpret_cast<const char*>(lpData);
  if (!s) return FALSE;
  const std::string text = nCount > 0 ? std::string(s, nCount) : std::string(s);
  const COLORREF old = SetTextColor(hDC, GetSysColor(COLOR_GRAYTEXT));
  const BOOL ok = TextOut(hDC, X, Y, text.c_str(), static_cast<int>(text.size()));
  SetTextColor(hDC, old);
  return ok;
}
