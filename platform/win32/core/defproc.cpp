// DefWindowProc: the Win32 default handling the product relies on.
#include <algorithm>
#include <cstring>

#include "core/nonclient.h"
#include "core/sizemove.h"
#include "core/state.h"
#include "core/window.h"
#include "internal/ctl_scroll.h"
#include "internal/menu_bridge.h"

using namespace win32::core;

namespace {

// Repaints the frame only: the client keeps what it shows (an invalid
// client would later be erased over children that are not repainted).
void RedrawFrame(HWND hwnd) {
  RECT none{};
  RedrawWindow(hwnd, &none, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

LRESULT SetText(HWND hwnd, LPCSTR text) {
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return FALSE;
    w->text = text ? text : "";
  }
  // The caption shows the text.
  if ((GetWindowLong(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) RedrawFrame(hwnd);
  return TRUE;
}

LRESULT GetText(HWND hwnd, WPARAM size, LPSTR buffer) {
  if (!buffer || size == 0) return 0;
  Lock lk(S());
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
  Lock lk(S());
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
    if (HWND parent = (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr)
      ScreenToClient(parent, &p);
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(p.x, p.y));
  }
  if (!(wp.flags & SWP_NOCLIENTSIZE) || (wp.flags & SWP_STATECHANGED)) {
    RECT c;
    GetClientRect(hwnd, &c);
    const WPARAM type = IsIconic(hwnd) ? SIZE_MINIMIZED : IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED;
    SendMessage(hwnd, WM_SIZE, type, MAKELPARAM(c.right, c.bottom));
  }
}

// The next (or previous) visible top-level window that can take the
// activation, for SC_NEXTWINDOW and SC_PREVWINDOW.
HWND CycleTopLevel(HWND from, bool next) {
  std::vector<HWND> candidates;
  for (HWND h = GetWindow(GetDesktopWindow(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    const LONG style = GetWindowLong(h, GWL_STYLE);
    if (h == from || (IsWindowVisible(h) && IsWindowEnabled(h) && (style & WS_CAPTION) == WS_CAPTION &&
                      !(GetWindowLong(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)))
      candidates.push_back(h);
  }
  if (candidates.size() < 2) return nullptr;
  auto it = std::find(candidates.begin(), candidates.end(), from);
  if (it == candidates.end()) return candidates.front();
  // The z-order puts the active window first: the next one is below it,
  // the previous one is the bottom-most.
  return next ? *(it + 1 == candidates.end() ? candidates.begin() : it + 1) : candidates.back();
}

LRESULT SysCommand(HWND hwnd, WPARAM wp, LPARAM lp) {
  switch (wp & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE:
      RunSizeMoveLoop(hwnd, wp, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      break;
    case SC_CLOSE:
      SendMessage(hwnd, WM_CLOSE, 0, 0);
      break;
    case SC_MINIMIZE:
      ShowWindow(hwnd, SW_MINIMIZE);
      break;
    case SC_MAXIMIZE:
      ShowWindow(hwnd, SW_MAXIMIZE);
      break;
    case SC_RESTORE:
      ShowWindow(hwnd, SW_RESTORE);
      break;
    case SC_KEYMENU:
      win32::internal::KeyMenu(hwnd, static_cast<char>(lp));
      break;
    case SC_MOUSEMENU:
      win32::internal::MouseMenu(hwnd, static_cast<UINT>(wp & 0x000F), POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      break;
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
      if (HWND other = CycleTopLevel(hwnd, (wp & 0xFFF0) == SC_NEXTWINDOW)) SetActiveWindow(other);
      break;
    default:
      break;
  }
  return 0;
}

// The command of a caption button, or 0 for other hit-test codes.
WPARAM CaptionButtonCommand(HWND hwnd, WPARAM hit) {
  switch (hit) {
    case HTCLOSE:
      return SC_CLOSE;
    case HTMINBUTTON:
      return IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE;
    case HTMAXBUTTON:
      return IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE;
    default:
      return 0;
  }
}

bool CaptionButtonEnabled(HWND hwnd, WPARAM hit) {
  const LONG style = GetWindowLong(hwnd, GWL_STYLE);
  if (hit == HTCLOSE) return win32::internal::IsSystemCommandEnabled(hwnd, SC_CLOSE);
  if (hit == HTMINBUTTON) return (style & WS_MINIMIZEBOX) != 0;
  return (style & WS_MAXIMIZEBOX) != 0;
}

// A press on a sizing border: a sizing frame sizes itself; a child without
// one (the status bar's grip) hands the press to its parent.
void SizingPress(HWND hwnd, WPARAM hit, LPARAM lp) {
  const LONG style = GetWindowLong(hwnd, GWL_STYLE);
  if (style & WS_THICKFRAME)
    SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + WMSZ_LEFT), lp);
  else if (style & WS_CHILD)
    SendMessage(GetParent(hwnd), WM_NCLBUTTONDOWN, hit, lp);
}

// Mouse presses in the non-client area: the menu bar and the system-menu
// icon start the menu loop; the caption buttons act on release; the caption
// and the borders move and size the window.
LRESULT NcLButtonDown(HWND hwnd, WPARAM hit, LPARAM lp) {
  if (hit >= HTSIZEFIRST && hit <= HTSIZELAST) {
    SizingPress(hwnd, hit, lp);
    return 0;
  }
  switch (hit) {
    case HTCAPTION:
      SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lp);
      break;
    case HTVSCROLL:
    case HTHSCROLL:
      win32::internal::ScrollBarNcLButtonDown(hwnd, hit, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      break;
    case HTMENU:
    case HTSYSMENU:
      SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + hit, lp);
      break;
    case HTCLOSE:
    case HTMINBUTTON:
    case HTMAXBUTTON:
      if (CaptionButtonEnabled(hwnd, hit)) win32::internal::PressCaptionButton(hwnd, static_cast<UINT>(hit));
      break;
    default:
      break;
  }
  return 0;
}

LRESULT NcLButtonUp(HWND hwnd, WPARAM hit, LPARAM lp) {
  if (win32::internal::ReleaseCaptionButton(hwnd, static_cast<UINT>(hit)))
    SendMessage(hwnd, WM_SYSCOMMAND, CaptionButtonCommand(hwnd, hit), lp);
  return 0;
}

LRESULT NcLButtonDblClk(HWND hwnd, WPARAM hit, LPARAM lp) {
  const LONG style = GetWindowLong(hwnd, GWL_STYLE);
  if (hit == HTCAPTION && (IsIconic(hwnd) || (style & WS_MAXIMIZEBOX)))
    SendMessage(hwnd, WM_SYSCOMMAND, (IsIconic(hwnd) || IsZoomed(hwnd)) ? SC_RESTORE : SC_MAXIMIZE, lp);
  else if (hit == HTSYSMENU)
    SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lp);
  else
    return NcLButtonDown(hwnd, hit, lp);
  return 0;
}

// Keys that reach the default handling with Alt or F10: Alt+F4 closes,
// Alt alone or F10 selects the menu bar, Alt+letter opens by mnemonic.
LRESULT SysKeyDown(HWND hwnd, WPARAM vk, LPARAM lp) {
  HWND top = GetAncestor(hwnd, GA_ROOT);
  const bool repeat = (HIWORD(lp) & KF_REPEAT) != 0;
  if (vk == VK_MENU) {
    if (!repeat) win32::internal::ArmAltMenu(true);
    return 0;
  }
  win32::internal::ArmAltMenu(false);
  if (vk == VK_F4 && (HIWORD(lp) & KF_ALTDOWN)) {
    if (win32::internal::IsSystemCommandEnabled(top, SC_CLOSE)) SendMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else if (vk == VK_F10 && !repeat) {
    SendMessage(top, WM_SYSCOMMAND, SC_KEYMENU, 0);
  }
  return 0;
}

LRESULT SysKeyUp(HWND hwnd, WPARAM vk) {
  if ((vk == VK_MENU || vk == VK_F10) && win32::internal::TakeAltMenu() && vk == VK_MENU)
    SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, 0);
  return 0;
}

LRESULT SysChar(HWND hwnd, WPARAM ch, LPARAM lp) {
  if (!(HIWORD(lp) & KF_ALTDOWN)) return 0;
  SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(ch & 0xFF));
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
      return NcLButtonDown(hWnd, wParam, lParam);
    case WM_NCLBUTTONUP:
      return NcLButtonUp(hWnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      return NcLButtonDblClk(hWnd, wParam, lParam);
    case WM_NCDESTROY:
      win32::internal::ScrollBarWindowDestroyed(hWnd);
      win32::internal::ForgetWindowMenus(hWnd);
      return 0;
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
    case WM_NCHITTEST:
      return NcHitTest(hWnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
      PaintNonClient(hWnd);
      return 0;
    case WM_NCACTIVATE:
      RedrawFrame(hWnd);
      return TRUE;
    case WM_SETTEXT:
      return SetText(hWnd, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT:
      return GetText(hWnd, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_SETICON:
    case WM_GETICON:
      return WindowIcon(hWnd, Msg == WM_SETICON, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETTEXTLENGTH: {
      Lock lk(S());
      WindowPtr w = FindWindowLocked(hWnd);
      return w ? static_cast<LRESULT>(w->text.size()) : 0;
    }
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    case WM_SYSCOMMAND:
      return SysCommand(hWnd, wParam, lParam);
    case WM_SYSKEYDOWN:
      return SysKeyDown(hWnd, wParam, lParam);
    case WM_SYSKEYUP:
      return SysKeyUp(hWnd, wParam);
    case WM_SYSCHAR:
      return SysChar(hWnd, wParam, lParam);
    case WM_KEYDOWN:
      win32::internal::ArmAltMenu(false);
      return 0;
    case WM_ERASEBKGND:
      return EraseBackground(hWnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hWnd, &ps);
      EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_SETCURSOR:
      return SetCursorDefault(hWnd, wParam, lParam);
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
    case WM_CONTEXTMENU:
      return ContextMenu(hWnd, wParam, lParam);
    case WM_WINDOWPOSCHANGING: {
      auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
      const DWORD style = static_cast<DWORD>(GetWindowLong(hWnd, GWL_STYLE));
      if (wp && !(wp->flags & SWP_NOSIZE) && (!(style & WS_CHILD) || (style & WS_THICKFRAME)) &&
          !(style & WS_MINIMIZE)) {
        const MINMAXINFO mmi = QueryMinMaxInfo(hWnd);
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
    case WM_NOTIFYFORMAT:
      return NFR_ANSI;
    case WM_GETFONT:
    case WM_SETFONT:
    case WM_SHOWWINDOW:
    default:
      return 0;
  }
}
