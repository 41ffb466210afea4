// Window position, size, z-order, showing and the minimised/maximised
// states, and the coordinate conversions.
#include <algorithm>

#include "core/state.h"
#include "core/window.h"

using namespace win32::core;

namespace {

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

RECT Offset(RECT r, int dx, int dy) {
  OffsetRect(&r, dx, dy);
  return r;
}

void InvalidateParentArea(const Window& w, const RECT& windowRect) {
  if (!(w.style & WS_CHILD)) return;
  WindowPtr p = FindWindowLocked(w.parent);
  if (!p) return;
  // Parent client coordinates are the coordinates of the child's rect.
  InvalidateLocked(*p, &windowRect, true, false, true);
}

}  // namespace

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  WINDOWPOS wp{hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
  RECT oldRect, oldClient;
  bool wasVisible, child;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    oldRect = w->rect;
    oldClient = w->client;
    wasVisible = (w->style & WS_VISIBLE) != 0;
    child = (w->style & WS_CHILD) != 0;
  }
  if (wp.flags & SWP_NOMOVE) {
    wp.x = oldRect.left;
    wp.y = oldRect.top;
  }
  if (wp.flags & SWP_NOSIZE) {
    wp.cx = oldRect.right - oldRect.left;
    wp.cy = oldRect.bottom - oldRect.top;
  }
  if ((wp.flags & SWP_SHOWWINDOW) && wasVisible) wp.flags &= ~SWP_SHOWWINDOW;
  if ((wp.flags & SWP_HIDEWINDOW) && !wasVisible) wp.flags &= ~SWP_HIDEWINDOW;
  if (!(wp.flags & SWP_NOSENDCHANGING)) SendMessage(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
  wp.cx = std::max(0, wp.cx);
  wp.cy = std::max(0, wp.cy);
  const RECT newRect{wp.x, wp.y, wp.x + wp.cx, wp.y + wp.cy};
  const bool sized = (newRect.right - newRect.left != oldRect.right - oldRect.left) ||
                     (newRect.bottom - newRect.top != oldRect.bottom - oldRect.top);
  const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
  RECT newClient = Offset(oldClient, newRect.left - oldRect.left, newRect.top - oldRect.top);
  if (sized || (wp.flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS params{{newRect, oldRect, oldClient}, &wp};
    SendMessage(hWnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    newClient = params.rgrc[0];
  }
  bool nowVisible = wasVisible;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) return FALSE;
    w->rect = newRect;
    w->client = newClient;
    if (!(wp.flags & SWP_NOZORDER) && wp.hwndInsertAfter != hWnd) {
      if (!child && wp.hwndInsertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
      if (!child && wp.hwndInsertAfter == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
      LinkLocked(*w, wp.hwndInsertAfter);
    }
    if (wp.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (wp.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    nowVisible = (w->style & WS_VISIBLE) != 0;
    if (!child) EnsureSurfaceLocked(*w);
    if (!(wp.flags & SWP_NOREDRAW)) {
      if (wp.flags & SWP_HIDEWINDOW) {
        InvalidateParentArea(*w, oldRect);
      } else if (nowVisible && ((wp.flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)) || sized || moved)) {
        if (moved || sized) InvalidateParentArea(*w, oldRect);
        InvalidateLocked(*w, nullptr, true, true, true);
      }
    }
  }
  if (!child && nowVisible && !(wp.flags & SWP_NOACTIVATE)) {
    SetActiveWindow(hWnd);
  } else if (!child && (wp.flags & SWP_HIDEWINDOW) && GetActiveWindow() == hWnd) {
    ActivateOtherWindow(hWnd);
  }
  if (newClient.right - newClient.left == oldClient.right - oldClient.left &&
      newClient.bottom - newClient.top == oldClient.bottom - oldClient.top)
    wp.flags |= SWP_NOCLIENTSIZE;
  if (newClient.left == oldClient.left && newClient.top == oldClient.top) wp.flags |= SWP_NOCLIENTMOVE;
  SendMessage(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  if (!child) Backend().WindowChanged(hWnd);
  return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
  return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight,
                      SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI BringWindowToTop(HWND hWnd) { return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

namespace {

enum class Placement { Normal, Minimized, Maximized };

RECT PlacementRect(const Window& w, Placement p) {
  if (p == Placement::Normal) return w.normalRect;
  if (p == Placement::Minimized) {
    const int cx = GetSystemMetrics(SM_CXMINIMIZED), cy = GetSystemMetrics(SM_CYMINIMIZED);
    return RECT{-32000, -32000, -32000 + cx, -32000 + cy};
  }
  RECT area{};
  if (w.style & WS_CHILD) {
    if (WindowPtr p2 = FindWindowLocked(w.parent))
      area = {0, 0, p2->client.right - p2->client.left, p2->client.bottom - p2->client.top};
  } else {
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
  }
  // The frame hangs outside the area, as Win32 maximises.
  RECT insets = FrameInsets(w.style, w.exStyle, false);
  const int fx = insets.left, fy = insets.bottom;
  return RECT{area.left - fx, area.top - fy, area.right + fx, area.bottom + fy};
}

// Changes the minimised/maximised state; answers the SetWindowPos flags.
UINT ChangeState(HWND hwnd, Placement p, RECT& target) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return 0;
  const bool wasNormal = !(w->style & (WS_MINIMIZE | WS_MAXIMIZE));
  const Placement current = (w->style & WS_MINIMIZE)   ? Placement::Minimized
                            : (w->style & WS_MAXIMIZE) ? Placement::Maximized
                                                       : Placement::Normal;
  if (current == p) return SWP_NOSIZE | SWP_NOMOVE;
  if (wasNormal) w->normalRect = w->rect;
  w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  if (p == Placement::Minimized) w->style |= WS_MINIMIZE;
  if (p == Placement::Maximized) w->style |= WS_MAXIMIZE;
  target = PlacementRect(*w, p);
  return SWP_STATECHANGED | SWP_FRAMECHANGED;
}

}  // namespace

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  bool wasVisible, child;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    wasVisible = (w->style & WS_VISIBLE) != 0;
    child = (w->style & WS_CHILD) != 0;
  }
  UINT flags = SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;
  RECT target{};
  bool show = true;
  switch (nCmdShow) {
    case SW_HIDE:
      show = false;
      flags |= SWP_HIDEWINDOW | SWP_NOACTIVATE;
      break;
    case SW_SHOWMINNOACTIVE:
    case SW_MINIMIZE:
    case SW_FORCEMINIMIZE:
      flags |= SWP_NOACTIVATE;
      [[fallthrough]];
    case SW_SHOWMINIMIZED:
      flags = (flags & ~(SWP_NOMOVE | SWP_NOSIZE)) | ChangeState(hWnd, Placement::Minimized, target) | SWP_SHOWWINDOW;
      break;
    case SW_SHOWMAXIMIZED:
      flags = (flags & ~(SWP_NOMOVE | SWP_NOSIZE)) | ChangeState(hWnd, Placement::Maximized, target) | SWP_SHOWWINDOW;
      break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
      flags |= SWP_NOACTIVATE;
      [[fallthrough]];
    case SW_SHOW:
      flags |= SWP_SHOWWINDOW;
      break;
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
    case SW_RESTORE:
      flags = (flags & ~(SWP_NOMOVE | SWP_NOSIZE)) | ChangeState(hWnd, Placement::Normal, target) | SWP_SHOWWINDOW;
      break;
    default:
      return wasVisible;
  }
  if (child) flags |= SWP_NOACTIVATE;
  if (show != wasVisible) SendMessage(hWnd, WM_SHOWWINDOW, show, 0);
  if (!IsWindow(hWnd)) return wasVisible;
  if (!show) {
    // A hidden window cannot keep the focus: it moves to the parent.
    HWND focus = GetFocus();
    if (focus == hWnd || IsChild(hWnd, focus)) SetFocus(child ? GetParent(hWnd) : nullptr);
  }
  SetWindowPos(hWnd, HWND_TOP, target.left, target.top, target.right - target.left, target.bottom - target.top, flags);
  return wasVisible;
}

BOOL WINAPI ShowOwnedPopups(HWND hWnd, BOOL fShow) {
  std::vector<HWND> owned;
  {
    State& st = S();
    Lock lk(st);
    for (auto& [h, w] : st.windows) {
      if (w->owner == hWnd) owned.push_back(h);
    }
  }
  for (HWND h : owned) ShowWindow(h, fShow ? SW_SHOWNOACTIVATE : SW_HIDE);
  return IsWindow(hWnd);
}

namespace {
bool HasStyle(HWND hwnd, DWORD bits) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  return w && (w->style & bits);
}
}  // namespace

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  Lock lk(S());
  return IsReallyVisibleLocked(hWnd);
}
BOOL WINAPI IsIconic(HWND hWnd) { return HasStyle(hWnd, WS_MINIMIZE); }
BOOL WINAPI IsZoomed(HWND hWnd) { return HasStyle(hWnd, WS_MAXIMIZE); }
BOOL WINAPI OpenIcon(HWND hWnd) { return IsIconic(hWnd) && (ShowWindow(hWnd, SW_RESTORE), TRUE); }
BOOL WINAPI CloseWindow(HWND hWnd) {
  if (!IsWindow(hWnd)) return FALSE;
  ShowWindow(hWnd, SW_MINIMIZE);
  return TRUE;
}
BOOL WINAPI FlashWindow(HWND hWnd, BOOL) { return GetActiveWindow() == hWnd; }

BOOL WINAPI GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* p) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w || !p) return FALSE;
  p->length = sizeof(WINDOWPLACEMENT);
  p->flags = 0;
  p->showCmd = (w->style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
               : (w->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
               : (w->style & WS_VISIBLE)  ? SW_SHOWNORMAL
                                          : SW_HIDE;
  p->ptMinPosition = {-1, -1};
  p->ptMaxPosition = {-1, -1};
  p->rcNormalPosition = (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) ? w->normalRect : w->rect;
  return TRUE;
}

BOOL WINAPI SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT* p) {
  if (!p || !IsWindow(hWnd)) return FALSE;
  const RECT& r = p->rcNormalPosition;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) return FALSE;
    w->normalRect = r;
  }
  if (!(IsIconic(hWnd) || IsZoomed(hWnd)))
    SetWindowPos(hWnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hWnd, static_cast<int>(p->showCmd));
  return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w || !lpRect) {
    if (hWnd == GetDesktopWindow() && lpRect) {
      *lpRect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      return TRUE;
    }
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  POINT o = WindowOriginLocked(*w);
  *lpRect = RECT{o.x, o.y, o.x + w->rect.right - w->rect.left, o.y + w->rect.bottom - w->rect.top};
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  if (!lpRect) return FALSE;
  if (hWnd == GetDesktopWindow()) return GetWindowRect(hWnd, lpRect);
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *lpRect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  return TRUE;
}

namespace {
std::optional<POINT> ClientOriginOf(HWND hwnd) {
  if (!hwnd || hwnd == GetDesktopWindow()) return POINT{0, 0};
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return std::nullopt;
  return ClientOriginLocked(*w);
}
}  // namespace

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  auto o = ClientOriginOf(hWnd);
  if (!o || !lpPoint || !hWnd) return FALSE;
  lpPoint->x += o->x;
  lpPoint->y += o->y;
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  auto o = ClientOriginOf(hWnd);
  if (!o || !lpPoint || !hWnd) return FALSE;
  lpPoint->x -= o->x;
  lpPoint->y -= o->y;
  return TRUE;
}

int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
  auto from = ClientOriginOf(hWndFrom);
  auto to = ClientOriginOf(hWndTo);
  if (!from || !to) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const int dx = from->x - to->x, dy = from->y - to->y;
  for (UINT i = 0; lpPoints && i < cPoints; ++i) {
    lpPoints[i].x += dx;
    lpPoints[i].y += dy;
  }
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

namespace {

// The child of `parent` under a point in the parent's client coordinates.
HWND ChildAtLocked(const Window& parent, POINT pt, UINT flags) {
  for (HWND c : parent.children) {
    WindowPtr w = FindWindowLocked(c);
    if (!w || !Contains(w->rect, pt)) continue;
    if ((flags & CWP_SKIPINVISIBLE) && !(w->style & WS_VISIBLE)) continue;
    if ((flags & CWP_SKIPDISABLED) && (w->style & WS_DISABLED)) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (w->exStyle & WS_EX_TRANSPARENT)) continue;
    return c;
  }
  return nullptr;
}

}  // namespace

HWND WINAPI ChildWindowFromPointEx(HWND hwnd, POINT pt, UINT flags) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return nullptr;
  if (!Contains(RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top}, pt)) return nullptr;
  HWND c = ChildAtLocked(*w, pt, flags);
  return c ? c : hwnd;
}

HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point) {
  return ChildWindowFromPointEx(hWndParent, Point, CWP_ALL);
}

HWND WINAPI RealChildWindowFromPoint(HWND hwndParent, POINT pt) {
  return ChildWindowFromPointEx(hwndParent, pt, CWP_SKIPINVISIBLE);
}

HWND WINAPI WindowFromPoint(POINT Point) {
  State& st = S();
  Lock lk(st);
  for (HWND h : st.topLevels) {
    WindowPtr w = FindWindowLocked(h);
    if (!w || !(w->style & WS_VISIBLE) || !Contains(w->rect, Point)) continue;
    for (;;) {
      POINT o = ClientOriginLocked(*w);
      HWND c = ChildAtLocked(*w, POINT{Point.x - o.x, Point.y - o.y}, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
      if (!c) return w->hwnd;
      w = FindWindowLocked(c);
    }
  }
  return nullptr;
}
