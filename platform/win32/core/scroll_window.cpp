// ScrollWindowEx: moves the pixels already painted and invalidates only the
// strip the scroll uncovers, where that is simple (one axis, nothing waiting
// to be painted, no children left behind); otherwise the whole area is
// painted again, which looks the same.
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "core/state.h"
#include "core/window.h"

using namespace win32::core;

namespace {

void MoveChildren(HWND hwnd, int dx, int dy) {
  std::vector<std::pair<HWND, RECT>> moves;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return;
    for (HWND c : w->children) {
      if (WindowPtr child = FindWindowLocked(c)) moves.emplace_back(c, child->rect);
    }
  }
  for (auto& [c, r] : moves)
    SetWindowPos(c, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool HasChildren(HWND hwnd) { return GetWindow(hwnd, GW_CHILD) != nullptr; }

// The strip of `area` a scroll along one axis uncovers, or nothing when the
// pixels cannot simply be moved.
std::optional<RECT> UncoveredStrip(HWND hwnd, const RECT& area, int dx, int dy, UINT flags) {
  if ((dx != 0) == (dy != 0) || !IsWindowVisible(hwnd)) return std::nullopt;
  if (HasChildren(hwnd) && !(flags & SW_SCROLLCHILDREN)) return std::nullopt;
  if (GetUpdateRect(hwnd, nullptr, FALSE)) return std::nullopt;
  if (std::abs(dx) >= area.right - area.left || std::abs(dy) >= area.bottom - area.top) return std::nullopt;
  RECT strip = area;
  if (dx < 0) strip.left = area.right + dx;
  if (dx > 0) strip.right = area.left + dx;
  if (dy < 0) strip.top = area.bottom + dy;
  if (dy > 0) strip.bottom = area.top + dy;
  return strip;
}

// Copies the pixels of `area` by (dx, dy), clipped to the area.
void ShiftPixels(HWND hwnd, const RECT& area, int dx, int dy) {
  HDC dc = GetDC(hwnd);
  if (!dc) return;
  const int w = area.right - area.left, h = area.bottom - area.top;
  HDC copy = CreateCompatibleDC(dc);
  HBITMAP bits = CreateCompatibleBitmap(dc, w, h);
  HGDIOBJ old = SelectObject(copy, bits);
  BitBlt(copy, 0, 0, w, h, dc, area.left, area.top, SRCCOPY);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  BitBlt(dc, area.left + dx, area.top + dy, w, h, copy, 0, 0, SRCCOPY);
  SelectObject(copy, old);
  DeleteObject(bits);
  DeleteDC(copy);
  ReleaseDC(hwnd, dc);
}

}  // namespace

int WINAPI ScrollWindowEx(HWND hWnd, int dx, int dy, const RECT* prcScroll, const RECT* prcClip, HRGN, LPRECT prcUpdate,
                          UINT flags) {
  RECT area{};
  if (!GetClientRect(hWnd, &area)) return 0;
  if (prcScroll) IntersectRect(&area, &area, prcScroll);
  if (prcClip) IntersectRect(&area, &area, prcClip);
  const std::optional<RECT> strip = UncoveredStrip(hWnd, area, dx, dy, flags);
  if (strip) ShiftPixels(hWnd, area, dx, dy);
  if (flags & SW_SCROLLCHILDREN) MoveChildren(hWnd, dx, dy);
  const RECT update = strip ? *strip : area;
  if (flags & (SW_INVALIDATE | SW_ERASE))
    RedrawWindow(hWnd, &update, nullptr, RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0));
  if (prcUpdate) *prcUpdate = update;
  return IsRectEmpty(&update) ? NULLREGION : SIMPLEREGION;
}

BOOL WINAPI ScrollWindow(HWND hWnd, int XAmount, int YAmount, const RECT* lpRect, const RECT* lpClipRect) {
  return ScrollWindowEx(hWnd, XAmount, YAmount, lpRect, lpClipRect, nullptr, nullptr,
                        SW_INVALIDATE | SW_ERASE | (lpRect ? 0 : SW_SCROLLCHILDREN)) != 0;
}
