#include "controls/bars_common.h"

namespace win32::controls {

LRESULT SendNotify(HWND hwnd, UINT code, NMHDR& header, HWND target) {
  if (!target) target = GetParent(hwnd);
  if (!target) return 0;
  header.hwndFrom = hwnd;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  header.code = code;
  return SendMessage(target, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

int ParentClientWidth(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  RECT rc{};
  if (!parent || !GetClientRect(parent, &rc)) return 0;
  return rc.right;
}

void AlignBarToParent(HWND bar, int height, bool bottomByDefault) {
  HWND parent = GetParent(bar);
  if (!parent) return;
  DWORD style = StyleOf(bar);
  RECT client{};
  GetClientRect(parent, &client);
  RECT current{};
  GetWindowRect(bar, &current);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&current), 2);
  DWORD placement = style & CCS_BOTTOM;
  bool bottom = placement == CCS_BOTTOM || (bottomByDefault && placement != CCS_TOP && placement != CCS_NOMOVEY);
  int x = current.left;
  int y = current.top;
  int cx = current.right - current.left;
  int cy = current.bottom - current.top;
  if (!(style & CCS_NORESIZE)) {
    cy = height;
    if (!(style & CCS_NOPARENTALIGN)) {
      x = 0;
      cx = client.right;
    }
  }
  if (!(style & CCS_NOPARENTALIGN) && placement != CCS_NOMOVEY) y = bottom ? client.bottom - cy : 0;
  SetWindowPos(bar, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win32::controls
