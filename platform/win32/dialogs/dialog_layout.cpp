#include "dialogs/dialog_layout.h"

#include <algorithm>

#include "win32/wingdi.h"
#include "win32/winuser.h"

namespace win32::dlg {

RECT DialogUnitsToPixels(SIZE baseUnits, int x, int y, int cx, int cy) {
  const int left = MulDiv(x, baseUnits.cx, 4);
  const int top = MulDiv(y, baseUnits.cy, 8);
  return RECT{left, top, left + MulDiv(cx, baseUnits.cx, 4), top + MulDiv(cy, baseUnits.cy, 8)};
}

RECT WorkArea() {
  RECT area{};
  if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0) || area.right <= area.left) {
    area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return area;
}

POINT CenterIn(const RECT& outer, SIZE size) {
  return POINT{outer.left + (outer.right - outer.left - size.cx) / 2,
               outer.top + (outer.bottom - outer.top - size.cy) / 2};
}

void KeepOnScreen(HWND dlg) {
  if (GetWindowLong(dlg, GWL_STYLE) & WS_CHILD) return;
  RECT rc{};
  if (!GetWindowRect(dlg, &rc)) return;
  const RECT area = WorkArea();
  const LONG width = rc.right - rc.left;
  const LONG height = rc.bottom - rc.top;
  const LONG x = std::max(area.left, std::min(rc.left, area.right - width));
  const LONG y = std::max(area.top, std::min(rc.top, area.bottom - height));
  if (x != rc.left || y != rc.top) {
    SetWindowPos(dlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace win32::dlg
