// Stand-ins for the few drawing calls the window manager makes, linked into
// this test program only while the GDI sources are not in the tree. Every
// call succeeds and draws nothing.
#include <cairo.h>

#include <windows.h>

#include "internal/gdi_surface.h"

namespace win32::internal {
HDC CreateSurfaceDC(cairo_surface_t*, POINT, const RECT&, HWND owner) {
  static int dummy;
  return owner ? reinterpret_cast<HDC>(owner) : reinterpret_cast<HDC>(&dummy);
}
void DeleteSurfaceDC(HDC) {}
HWND WindowFromSurfaceDC(HDC dc) { return reinterpret_cast<HWND>(dc); }
}  // namespace win32::internal

int WINAPI ExcludeClipRect(HDC, int, int, int, int) { return SIMPLEREGION; }
int WINAPI FillRect(HDC, const RECT*, HBRUSH) { return 1; }
int WINAPI FrameRect(HDC, const RECT*, HBRUSH) { return 1; }
BOOL WINAPI DrawEdge(HDC, LPRECT, UINT, UINT) { return TRUE; }
BOOL WINAPI GradientFill(HDC, PTRIVERTEX, ULONG, LPVOID, ULONG, ULONG) { return TRUE; }
BOOL WINAPI DrawIconEx(HDC, int, int, HICON, int, int, UINT, HBRUSH, UINT) { return TRUE; }
BOOL WINAPI DrawFrameControl(HDC, LPRECT, UINT, UINT) { return TRUE; }
HFONT WINAPI CreateFontIndirect(const LOGFONT*) { return nullptr; }
HGDIOBJ WINAPI SelectObject(HDC, HGDIOBJ) { return nullptr; }
int WINAPI SetBkMode(HDC, int) { return OPAQUE; }
COLORREF WINAPI SetTextColor(HDC, COLORREF) { return 0; }
COLORREF WINAPI SetBkColor(HDC, COLORREF) { return 0; }
int WINAPI DrawText(HDC, LPCSTR, int, LPRECT, UINT) { return 0; }
BOOL WINAPI DeleteObject(HGDIOBJ) { return TRUE; }
DWORD WINAPI GetSysColor(int) { return 0; }
HBRUSH WINAPI GetSysColorBrush(int i) { return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(i + 0x100)); }
int WINAPI GetRgnBox(HRGN, LPRECT) { return NULLREGION; }

// The system images other areas ask for while they register their classes.
namespace win32::gdi {
HBITMAP CreateBitmapFromDib(const void*, size_t) { return nullptr; }
HBITMAP CreateSystemBitmap(UINT) { return nullptr; }
HICON CreateSystemIcon(LPCSTR) { return nullptr; }
HCURSOR CreateSystemCursor(LPCSTR) { return nullptr; }
SIZE GetDialogBaseUnits(HFONT) { return SIZE{6, 13}; }
}  // namespace win32::gdi
