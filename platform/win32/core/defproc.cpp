// DefWindowProc: the Win32 default handling the product relies on.
#include <algorithm>
#include <cstring>

#include "core/nonclient.h"
#include "core/state.h"
#include "core/window.h"
#include "internal/ctl_scroll.h"

using namespace win32::core;

namespace {

LRESULT SetText(HWND hwnd, LPCSTR text) {
  {
    Lock lk(S().mu);
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return FALSE;
    w->text = text ? text : "";
  }
  // The caption shows the text.
  if ((GetWindowLong(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
  return TRUE;
}

LRESULT GetText(HWND hwnd, WPARAM size, LPSTR buffer) {
  if (!buffer || size == 0) return 0;
  Lock lk(S().mu);
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return 0;
  const size_t n = std::min(w->text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, w->text.data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

// WM_SETICON answers the icon it replaces; WM_GETICON with ICON_SMALL2
// falls back to the big icon, as the caption does.
LRESULT WindowIcon(HWND hwnd, bool set, WPARAM kind, HICON icon) {
  Lock lk(S().mu);
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return 0;
  HICON& slot = kind == ICON_BIG ? w->bigIcon : w->smallIcon;
  HICON old = slot;
  if (set) {
    slot = icon;
  } else if (kind == ICON_SMALL2 && !old) {
    old = w->bigIcon;
  }
  return reinterpret_cast<LRESULT>(old);
}

LRESULT EraseBackground(HWND hwnd, HDC dc) {
  HBRUSH brush = reinterpret_cast<HBRUSH>(GetClassLongPtr(hwnd, GCLP_HBRBACKGROUND));
  if (!brush) return 0;
  // The COLOR_x + 1 convention names a system colour.
  const auto value = reinterpret_cast<ULONG_PTR>(brush);
  if (value <= COLOR_MENUBAR + 1) brush = GetSysColorBrush(static_cast<int>(value - 1));
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(dc, &rc, brush);
  return 1;
}

LRESULT SetCursorDefault(HWND hwnd, WPARAM wp, LPARAM lp) {
  const int hit = static_cast<short>(LOWORD(lp));
  // The parent may decide first.
  if (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD) {
    HWND parent = GetParent(hwnd);
    if (parent && SendMessage(parent, WM_SETCURSOR, wp, lp)) return TRUE;
  }
  if (hit == HTCLIENT) {
    if (HCURSOR c = reinterpret_cast<HCURSOR>(GetClassLongPtr(hwnd, GCLP_HCURSOR))) {
      SetCursor(c);
      return TRUE;
    }
  }
  return FALSE;
}

void PositionChanged(HWND hwnd, const WINDOWPOS& wp) {
  if (!(wp.flags & SWP_NOCLIENTMOVE)) {
    RECT r;
    GetWindowRect(hwnd, &r);
    POINT p{0, 0};
    ClientToScreen(hwnd, &p);
    if (HWND parent = (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr) ScreenToClient(parent, &p);
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(p.x, p.y));
  }
  if (!(wp.flags & SWP_NOCLIENTSIZE) || (wp.flags & SWP_STATECHANGED)) {
    RECT c;
    GetClientRect(hwnd, &c);
    const WPARAM type = IsIconic(hwnd) ? SIZE_MINIMIZED : IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED;
    SendMessage(hwnd, WM_SIZE, type, MAKELPARAM(c.right, c.bottom));
  }
}

LRESULT SysCommand(HWND hwnd, WPARAM wp) {
  switch (wp & 0xFFF0) {
    case SC_CLOSE: SendMessage(hwnd, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
    default: break;
  }
  return 0;
}

LRESULT CtlColor(UINT msg, WPARAM wp) {
  HDC dc = reinterpret_cast<HDC>(wp);
  const bool window = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_BTNFACE));
}

// The button-up of the right button asks for a context menu.
LRESULT ContextMenu(HWND hwnd, WPARAM wp, LPARAM lp) {
  if (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD) return SendMessage(GetParent(hwnd), WM_CONTEXTMENU, wp, lp);
  return 0;
}

}  // namespace

LRESULT WINAPI DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(hWnd)) return 0;
  // A standard scroll bar that is tracking the mouse sees its input first.
  if ((Msg == WM_MOUSEMOVE || Msg == WM_LBUTTONUP || Msg == WM_TIMER || Msg == WM_CAPTURECHANGED) &&
      win32::internal::ScrollBarTrackMessage(hWnd, Msg, wParam, lParam))
    return 0;
  switch (Msg) {
    case WM_NCLBUTTONDOWN:
      if (wParam == HTVSCROLL || wParam == HTHSCROLL)
        win32::internal::ScrollBarNcLButtonDown(hWnd, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_NCDESTROY: win32::internal::ScrollBarWindowDestroyed(hWnd); return 0;
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) SetText(hWnd, cs->lpszName);
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      // Both forms carry the new window rectangle first.
      auto* r = reinterpret_cast<RECT*>(lParam);
      if (r) *r = ClientFromWindowRect(hWnd, *r);
      return 0;
    }
    case WM_NCHITTEST: return NcHitTest(hWnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT: PaintNonClient(hWnd); return 0;
    case WM_NCACTIVATE:
      RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
      return TRUE;
    case WM_SETTEXT: return SetText(hWnd, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: return GetText(hWnd, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_SETICON:
    case WM_GETICON: return WindowIcon(hWnd, Msg == WM_SETICON, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETTEXTLENGTH: {
      Lock lk(S().mu);
      WindowPtr w = FindWindowLocked(hWnd);
      return w ? static_cast<LRESULT>(w->text.size()) : 0;
    }
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_SYSCOMMAND: return SysCommand(hWnd, wParam);
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (HIWORD(lParam) & KF_ALTDOWN)) {
        HWND top = GetAncestor(hWnd, GA_ROOT);
        SendMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_ERASEBKGND: return EraseBackground(hWnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hWnd, &ps);
      EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_SETCURSOR: return SetCursorDefault(hWnd, wParam, lParam);
    case WM_MOUSEACTIVATE:
      if (GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD) {
        if (LRESULT r = SendMessage(GetParent(hWnd), WM_MOUSEACTIVATE, wParam, lParam)) return r;
      }
      return MA_ACTIVATE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hWnd)) SetFocus(hWnd);
      return 0;
    case WM_RBUTTONUP: {
      POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hWnd, &p);
      SendMessage(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(p.x, p.y));
      return 0;
    }
    case WM_CONTEXTMENU: return ContextMenu(hWnd, wParam, lParam);
    case WM_WINDOWPOSCHANGING: {
      auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
      const DWORD style = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
      if (wp && !(wp->flags & SWP_NOSIZE) && (!(style & WS_CHILD) || (style & WS_THICKFRAME)) &&
          !(style & WS_MINIMIZE)) {
        MINMAXINFO mmi{};
        mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
        mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
        SendMessage(hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        if (style & (WS_THICKFRAME | WS_CAPTION)) {
          wp->cx = std::clamp<int>(wp->cx, mmi.ptMinTrackSize.x, std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
          wp->cy = std::clamp<int>(wp->cy, mmi.ptMinTrackSize.y, std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
        }
      }
      return 0;
    }
    case WM_WINDOWPOSCHANGED:
      if (auto* wp = reinterpret_cast<WINDOWPOS*>(lParam)) PositionChanged(hWnd, *wp);
      return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hWnd) ReleaseCapture();
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return CtlColor(Msg, wParam);
    case WM_QUERYENDSESSION:
    case WM_QUERYOPEN:
      return TRUE;
    case WM_NOTIFYFORMAT: return NFR_ANSI;
    case WM_GETFONT:
    case WM_SETFONT:
    case WM_SHOWWINDOW:
    default:
      return 0;
  }
}
